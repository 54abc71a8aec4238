// Complete water states on IAPWS-IF97, with the same contract as the 1969
// package's EvaluateState (properties/dtvp03.h), so that the plant can take
// either package: the same modes, slots, units, quality convention, region
// codes and refusals. Every function is a pure function of its arguments:
// nothing is kept between calls, so any number of threads may call them at
// once and a call gives the same bits whatever came before it.
#pragma once

#include "if97/Regiao1.h"
#include "properties/dtvpglob.h"

// Dead state of the flow exergy: liquid water at 25 degC and 0.101325 MPa
// (region 1), evaluated by the compiler from the region 1 equation.
namespace EstadoMortoIF97 {
inline constexpr double T0 = 298.15;    // K
inline constexpr double p0 = 0.101325;  // MPa
inline constexpr if97::PontoIF97 Ponto = if97::Regiao1(p0, T0);
inline constexpr double h0 = Ponto.h;   // kJ/kg
inline constexpr double s0 = Ponto.s;   // kJ/(kg K)
}  // namespace EstadoMortoIF97

// Evaluates estado in place from its pressure (slot 2, MPa) and the slot the
// mode names (1: t degC, 2: h kJ/kg, 3: s kJ/(kg K), 4: x); fills every slot
// (v dm3/kg, t, p, u, h, s, ex, r7 to r9 = 0, x) and returns the region
// through regiao: RegiaoLiquido, RegiaoMistura, RegiaoVapor, or
// RegiaoSupercritica above the critical temperature (373.946 degC). The
// quality is enthalpy-based, (h - h'(p)) / (h''(p) - h'(p)), below 0 for
// liquid and above 1 for vapour. A temperature exactly at saturation gives
// the saturated vapour. The pressure returned is the one given; h (mode 2)
// or s (mode 3) is the equations' value at the returned (p, t), equal to the
// given one within 1e-12 relative. Wet states are the lever rule between
// the saturated states.
// Throws ErroPropriedades, estado untouched, for an unknown mode, a pressure
// outside 0.0006109 to 19 MPa, a quality outside 0 to 1, or a state outside
// -20 to 2000 degC (below 0 degC the liquid equation is extrapolated).
void AvaliarEstadoIF97(PropertyMode modo, PhaseRegion& regiao, StatePoint& estado);

// Saturation temperature (degC) at p (MPa), with AvaliarEstadoIF97's
// pressure refusal.
double TemperaturaSaturacaoIF97(double p);

// Saturation pressure (MPa) at t (degC), 0 to 373.946 degC.
double PressaoSaturacaoIF97(double t);

// The saturated liquid (x = 0) and vapour (x = 1), every slot filled.
struct SaturacaoIF97 {
    StatePoint liquido;
    StatePoint vapor;
};

// At p from 0.0006109 MPa up to the critical pressure 22.064 MPa, and at t
// from 0 degC up to the critical temperature 373.946 degC; at the critical
// point both are the critical state (322 kg/m3). Throw ErroPropriedades
// outside those ranges.
SaturacaoIF97 SaturadosNaPressaoIF97(double p);
SaturacaoIF97 SaturadosNaTemperaturaIF97(double t);
