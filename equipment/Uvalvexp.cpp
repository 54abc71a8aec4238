#include "equipment/Uvalvexp.h"

#include "properties/dtvp03.h"

void ValvulaExpansao(int entrada, int saida, PorRotulo& vazao, TabelaEstados& estado) {
    vazao[saida] = vazao[entrada];
    estado[saida].h = estado[entrada].h;
    if (vazao[entrada] != 0.0) {
        PhaseRegion regiao = 0;
        EvaluateState(ModoPressaoEntalpia, regiao, estado[saida]);
    }
}
