// Evaluation of a complete water state from its pressure and one more
// property, and the iterations behind it: the saturation temperature of a
// pressure and a Newton-Raphson solver for specific volume and temperature.
#pragma once

#include <array>

#include "properties/dtvpglob.h"

// Unknown pair (v dm3/kg, t degC), residual pair, and the augmented matrix of
// an n-unknown system (n is 1 or 2): rows 1..n, columns 1..n+1 (stored
// 0-based), the last column holding the right-hand side.
using Par = std::array<double, 2>;
using MatrizAumentada = std::array<std::array<double, 3>, 2>;

// Constants of the evaluation.
inline constexpr double ToleranciaSolver = 1e-5;
inline constexpr double PassoDiferencas = 5e-6;
inline constexpr int LimiteNewton = 40;
inline constexpr int LimiteSaturacao = 20;
inline constexpr double InicioTemperaturaSaturacao = 372.136;  // degC
inline constexpr double InicioVolumeLiquido = 0.99;            // dm3/kg
inline constexpr double PressaoMinima = 0.0006109;             // MPa
inline constexpr double PressaoMaxima = 19.0;                  // MPa

// 22.088 * p_sat(t)/p_c - p; zero at the saturation temperature of p (MPa).
double SaturationResidual(double t, double p);

// Refines t (degC, in/out) until it is the saturation temperature at p.
void SaturationTemperature(int limite, double& t, double p, double tolerancia);

// Residuals of the working mode of propertyWorkspace at x; n is not used.
void PropertyResiduals(int n, Par x, Par& F);

// Forward-difference Jacobian with the residuals' negatives in column n+1.
void NumericJacobian(int n, Par x, MatrizAumentada& A, double passo);

// Gaussian elimination with scaled partial pivoting on a copy of A.
void GaussSolve(int n, MatrizAumentada A, Par& dx);

// Newton-Raphson on the first n unknowns of x (in/out).
void NewtonSolve(int n, int limite, Par& x, double passo, double tolerancia);

// Evaluates estado in place from its pressure (slot 2) and the slot the mode
// names (1: t, 2: h, 3: s, 4: x); returns the region through regiao.
// Throws ErroPropriedades for a pressure outside 0.0006109 to 19 MPa, an
// unknown mode, a quality outside 0 to 1 or a singular system; estado is
// then left untouched.
void EvaluateState(PropertyMode modo, PhaseRegion& regiao, StatePoint& estado);

// The saturation temperature (degC) that EvaluateState uses at pressure p
// (MPa), to the last bit, on the calling thread's kept saturations or the
// same iteration from the same start. Changes neither the working state nor
// anything kept, so no later evaluation changes. Throws ErroPropriedades, with
// EvaluateState's message, for a pressure outside 0.0006109 to 19 MPa.
double TemperaturaSaturacao(double p);
