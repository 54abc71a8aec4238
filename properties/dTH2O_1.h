// The fundamental equation of state of water (a specific Helmholtz function
// of density and temperature), the companion vapour-pressure equation and the
// flow exergy.
#pragma once

#include <cstdint>

// Pressure (MPa), internal energy and enthalpy (kJ/kg) and entropy
// (kJ/(kg K)) at specific volume v (dm3/kg) and temperature t (degC).
void HelmholtzProperties(double v, double t, double& p, double& u, double& h, double& s);

// p_sat(t) / p_c from the vapour-pressure equation; exactly 1 at t_c.
double SaturationPressureRatio(double t);

// x multiplied n times into 1.0; 1.0 for n <= 0.
double IntPower(int n, double x);

// Specific flow exergy (kJ/kg): (h - h0) - T0 (s - s0).
double FlowExergy(double h, double h0, double T0, double s, double s0);

// Critical point of the vapour-pressure equation.
inline constexpr double TemperaturaCritica = 374.136;  // degC
inline constexpr double PressaoCritica = 22.088;       // MPa

// Number of HelmholtzProperties evaluations on the calling thread since it
// started; lets tests and benchmarks count the work an evaluation costs.
extern thread_local constinit std::uint64_t contadorHelmholtz;
