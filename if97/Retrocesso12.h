// Backward equations of IAPWS-IF97 for regions 1 and 2: temperature from
// pressure and enthalpy or entropy. Their results are starting values,
// within some 25 mK of the forward equations, that EstadoIF97 refines.
#pragma once

namespace if97 {

// Temperature (K) from p (MPa) and h (kJ/kg) or s (kJ/(kg K)).
double TemperaturaRegiao1PH(double p, double h);
double TemperaturaRegiao1PS(double p, double s);

// Region 2: subregion 2a up to 4 MPa; above it 2b and 2c, split by the B2bc
// line in enthalpy and by s = 5.85 kJ/(kg K) in entropy.
double TemperaturaRegiao2PH(double p, double h);
double TemperaturaRegiao2PS(double p, double s);

}  // namespace if97
