#include "equipment/EstadoIsentropico.h"

#include "properties/dtvp03.h"

StatePoint EstadoIsentropico(const StatePoint& entrada, double pressao) {
    StatePoint isentropico;
    isentropico.s = entrada.s;
    isentropico.p = pressao;
    PhaseRegion regiao = 0;
    EvaluateState(ModoPressaoEntropia, regiao, isentropico);
    return isentropico;
}
