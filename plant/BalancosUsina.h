// The closure checks of a finished run: mass at the header and at the mixer,
// energy at the header and for the whole plant, from the states and flows
// the run left.
#pragma once

#include "plant/ResultadoUsina.h"

// The residuals of resultado's data (BalancosUsina in ResultadoUsina.h).
// Plain arithmetic on finite figures; traps, if armed, stay armed.
BalancosUsina CalcularBalancos(const ResultadoUsina& resultado);

// The residual a warning names, or none: the larger energy residual when it
// exceeds ToleranciaBalanco of the boiler's heat. A residual that is not a
// number is not named (the run's own figures then say more).
bool BalancoNaoFecha(const BalancosUsina& balancos, double& residuo);
