// The end state of an isentropic change from an evaluated inlet to another
// pressure, as the turbine and the pump use it.
#pragma once

#include "equipment/PacotePropriedades.h"

// Only the pressure and the entropy are set before the evaluation; every slot
// of the result is evaluated from them.
StatePoint EstadoIsentropico(const StatePoint& entrada, double pressao,
                             const PacotePropriedades& pacote = PacotePadrao());  // pressao in MPa
