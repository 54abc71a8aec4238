// Region 5 of IAPWS-IF97: steam from 1073.15 K to 2273.15 K up to 50 MPa,
// from the dimensionless Gibbs free energy (ideal-gas plus residual part).
#pragma once

#include "if97/ConstantesIF97.h"

namespace if97 {

// State at p (MPa) and T (K).
PontoIF97 Regiao5(double p, double T);

// Speed of sound (m/s) at p (MPa) and T (K).
double VelocidadeSomRegiao5(double p, double T);

}  // namespace if97
