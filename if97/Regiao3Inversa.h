// Region 3 states from the pairs the plant knows: density from pressure and
// temperature on one side of the saturation line, density and temperature
// from pressure and enthalpy or entropy, and the saturated liquid and vapour
// up to the critical point. Each starts from a backward equation (or an
// auxiliary saturated density) and refines on the Helmholtz equation.
#pragma once

#include "if97/Regiao3.h"

namespace if97 {

enum class LadoSaturacao { Liquido, Vapor };

// State at p (MPa) and T (K), liquid side (T below T_sat(p)) or vapour side,
// for p up to 19.0088 MPa (subregions 3c and 3t). Its pressure is p within
// 1e-14 relative.
Regiao3Derivadas Regiao3PT(double p, double T, LadoSaturacao lado);

// State at p (MPa) and h (kJ/kg), and at p and s (kJ/(kg K)); pressure and
// the given property within 1e-13 relative (1e-12 kJ/kg near h = 0).
Regiao3Derivadas Regiao3PH(double p, double h);
Regiao3Derivadas Regiao3PS(double p, double s);

// Saturated liquid and vapour at T (K, from 623.15 K to 647.096 K) and its
// saturation pressure p (MPa): the densities on each side of the critical
// density where the Helmholtz equation gives p. At the critical temperature
// both are the critical point.
void SaturadosRegiao3(double T, double p, PontoIF97& liquido, PontoIF97& vapor);

}  // namespace if97
