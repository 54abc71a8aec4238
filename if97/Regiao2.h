// Region 2 of IAPWS-IF97: vapour from 273.15 K to 1073.15 K, below the
// saturation line up to 623.15 K and below the B23 line above it, from the
// dimensionless Gibbs free energy (ideal-gas part plus residual part).
#pragma once

#include "if97/ConstantesIF97.h"

namespace if97 {

// State at p (MPa) and T (K).
PontoIF97 Regiao2(double p, double T);

// Enthalpy alone (kJ/kg) at p (MPa) and T (K): the saturated vapour's
// enthalpy, needed for every quality, costs only the tau derivatives.
double EntalpiaRegiao2(double p, double T);

// Speed of sound (m/s) at p (MPa) and T (K).
double VelocidadeSomRegiao2(double p, double T);

}  // namespace if97
