#include "equipment/Uvalvexp.h"

void ValvulaExpansao(int entrada, int saida, PorRotulo& vazao, TabelaEstados& estado,
                     const PacotePropriedades& pacote) {
    vazao[saida] = vazao[entrada];
    estado[saida].h = estado[entrada].h;
    if (vazao[entrada] != 0.0) {
        PhaseRegion regiao = 0;
        pacote.Avaliar(ModoPressaoEntalpia, regiao, estado[saida]);
    }
}
