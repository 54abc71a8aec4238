#include "equipment/EstadoIsentropico.h"


StatePoint EstadoIsentropico(const StatePoint& entrada, double pressao,
                             const PacotePropriedades& pacote) {
    StatePoint isentropico;
    isentropico.s = entrada.s;
    isentropico.p = pressao;
    PhaseRegion regiao = 0;
    pacote.Avaliar(ModoPressaoEntropia, regiao, isentropico);
    return isentropico;
}
