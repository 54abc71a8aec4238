#include "equipment/Umisturador.h"

void Misturador(int n, int saida, LabelList entradas, PorRotulo& vazao, TabelaEstados& estado,
                const PacotePropriedades& pacote) {
    double somaM = 0.0;   // kg/s
    double somaMh = 0.0;  // kW
    for (int i = 0; i < n; ++i) {
        somaM = somaM + vazao[entradas[i]];
        somaMh = somaMh + vazao[entradas[i]] * estado[entradas[i]].h;
    }
    estado[saida].h = somaMh / somaM;
    vazao[saida] = somaM;
    PhaseRegion regiao = 0;
    pacote.Avaliar(ModoPressaoEntalpia, regiao, estado[saida]);
}
