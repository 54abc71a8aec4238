// Region 3 of IAPWS-IF97: the states around the critical point, between
// 623.15 K and the B23 line, from the dimensionless Helmholtz free energy
// phi(delta, tau) of density and temperature.
#pragma once

#include "if97/ConstantesIF97.h"

namespace if97 {

// State at density rho (kg/m3) and T (K); the pressure comes out.
PontoIF97 Regiao3(double rho, double T);

// A state with the partial derivatives the density and temperature
// iterations need.
struct Regiao3Derivadas {
    PontoIF97 e;
    double dpdrho = 0.0;  // MPa / (kg/m3), at constant T
    double dpdT = 0.0;    // MPa / K, at constant rho
    double dhdrho = 0.0;  // (kJ/kg) / (kg/m3)
    double dhdT = 0.0;    // kJ/(kg K)
    double dsdrho = 0.0;  // (kJ/(kg K)) / (kg/m3)
    double dsdT = 0.0;    // kJ/(kg K2)
};
Regiao3Derivadas Regiao3ComDerivadas(double rho, double T);

// Speed of sound (m/s) at rho (kg/m3) and T (K).
double VelocidadeSomRegiao3(double rho, double T);

}  // namespace if97
