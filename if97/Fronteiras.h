// The lines between the regions of IAPWS-IF97: the saturation line (region
// 4) both ways, the B23 line between regions 2 and 3, the 2b-2c line of the
// region 2 backward equations and the 3a-3b line of region 3's.
#pragma once

namespace if97 {

// Saturation pressure (MPa) at T (K), 273.15 K to 647.096 K.
double PressaoSaturacao(double T);

// Saturation temperature (K) at p (MPa), 611.213 Pa to 22.064 MPa; used
// down to the plant's 0.0006109 MPa, where it gives 273.149 K.
double TemperaturaSaturacao(double p);

// B23 line: pressure (MPa) at T (K) from 623.15 K to 863.15 K, and its
// inverse, temperature (K) at p (MPa) from 16.5292 MPa to 100 MPa.
double PressaoB23(double T);
double TemperaturaB23(double p);

// 2b-2c line: pressure (MPa) at h (kJ/kg) and enthalpy (kJ/kg) at p (MPa),
// p from 6.5467 MPa to 100 MPa.
double PressaoB2bc(double h);
double EntalpiaB2bc(double p);

// 3a-3b line of region 3's backward equations: enthalpy (kJ/kg) at p (MPa).
double EntalpiaB3ab(double p);

// Entropy of the critical point, kJ/(kg K): the 3a-3b line in entropy.
inline constexpr double EntropiaCritica = 4.41202148223476;

}  // namespace if97
