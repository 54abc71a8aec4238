// Backward equations of region 3 from the supplementary IAPWS releases:
// temperature and specific volume from pressure and enthalpy or entropy
// (SR3-03), and specific volume from pressure and temperature in the two
// subregions the plant's pressures reach (SR5-05: 3c on the liquid side and
// 3t on the vapour side, below 19.0088 MPa). All are starting values that
// the region 3 iterations refine on the Helmholtz equation.
#pragma once

namespace if97 {

// Temperature (K) and specific volume (dm3/kg) from p (MPa) and h (kJ/kg):
// subregion 3a up to the h3ab(p) line, 3b above it.
double TemperaturaRegiao3PH(double p, double h);
double VolumeRegiao3PH(double p, double h);

// Temperature (K) and specific volume (dm3/kg) from p (MPa) and s
// (kJ/(kg K)): subregion 3a up to the critical entropy, 3b above it.
double TemperaturaRegiao3PS(double p, double s);
double VolumeRegiao3PS(double p, double s);

// Specific volume (dm3/kg) at p (MPa) and T (K) in subregion 3c (liquid,
// T up to T_sat(p)) and 3t (vapour, T from T_sat(p)), for p up to 19.0088 MPa.
double VolumeRegiao3c(double p, double T);
double VolumeRegiao3t(double p, double T);

}  // namespace if97
