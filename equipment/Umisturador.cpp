#include "equipment/Umisturador.h"

#include "properties/dtvp03.h"

void Misturador(int n, int saida, LabelList entradas, PorRotulo& vazao, TabelaEstados& estado) {
    double somaM = 0.0;   // kg/s
    double somaMh = 0.0;  // kW
    for (int i = 0; i < n; ++i) {
        somaM = somaM + vazao[entradas[i]];
        somaMh = somaMh + vazao[entradas[i]] * estado[entradas[i]].h;
    }
    estado[saida].h = somaMh / somaM;
    vazao[saida] = somaM;
    PhaseRegion regiao = 0;
    EvaluateState(ModoPressaoEntalpia, regiao, estado[saida]);
}
