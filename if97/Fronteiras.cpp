#include "if97/Fronteiras.h"

#include <cmath>

namespace if97 {
namespace {

// ---------------------------------------------------------------------------
// IAPWS R7-97(2012), Table 34: coefficients of the saturation-pressure
// equation, Eqs. (29) to (31), p* = 1 MPa, T* = 1 K (n[0] is n_1).
// ---------------------------------------------------------------------------
constexpr double N4[10] = {
    0.11670521452767e4,  -0.72421316703206e6, -0.17073846940092e2, 0.12020824702470e5,
    -0.32325550322333e7, 0.14915108613530e2,  -0.48232657361591e4, 0.40511340542057e6,
    -0.23855557567849,   0.65017534844798e3,
};

// ---------------------------------------------------------------------------
// IAPWS R7-97(2012), Table 1: coefficients of the B23 equations, Eqs. (5)
// and (6), p* = 1 MPa, T* = 1 K (n[0] is n_1).
// ---------------------------------------------------------------------------
constexpr double N23[5] = {
    0.34805185628969e3, -0.11671859879975e1, 0.10192970039326e-2, 0.57254459862746e3,
    0.13918839778870e2,
};

// ---------------------------------------------------------------------------
// IAPWS R7-97(2012), Table 19: coefficients of the B2bc equations, Eqs. (20)
// and (21), p* = 1 MPa, h* = 1 kJ/kg (n[0] is n_1).
// ---------------------------------------------------------------------------
constexpr double N2bc[5] = {
    0.90584278514723e3, -0.67955786399241, 0.12809002730136e-3, 0.26526571908428e4,
    0.45257578905948e1,
};

// ---------------------------------------------------------------------------
// IAPWS SR3-03(2014), Table 2: coefficients of the h3ab(p) equation, Eq. (1),
// p* = 1 MPa, h* = 1 kJ/kg.
// ---------------------------------------------------------------------------
constexpr double N3ab[4] = {
    0.201464004206875e4, 0.374696550136983e1, -0.219921901054187e-1, 0.875131686009950e-4,
};

}  // namespace

double PressaoSaturacao(double T) {
    const double th = T + N4[8] / (T - N4[9]);
    const double A = th * th + N4[0] * th + N4[1];
    const double B = N4[2] * th * th + N4[3] * th + N4[4];
    const double C = N4[5] * th * th + N4[6] * th + N4[7];
    const double q = 2.0 * C / (-B + std::sqrt(B * B - 4.0 * A * C));
    return q * q * q * q;
}

double TemperaturaSaturacao(double p) {
    const double b = std::sqrt(std::sqrt(p));  // (p / p*)^(1/4)
    const double E = b * b + N4[2] * b + N4[5];
    const double F = N4[0] * b * b + N4[3] * b + N4[6];
    const double G = N4[1] * b * b + N4[4] * b + N4[7];
    const double D = 2.0 * G / (-F - std::sqrt(F * F - 4.0 * E * G));
    const double a = N4[9] + D;
    return (a - std::sqrt(a * a - 4.0 * (N4[8] + N4[9] * D))) / 2.0;
}

double PressaoB23(double T) { return N23[0] + N23[1] * T + N23[2] * T * T; }

double TemperaturaB23(double p) { return N23[3] + std::sqrt((p - N23[4]) / N23[2]); }

double PressaoB2bc(double h) { return N2bc[0] + N2bc[1] * h + N2bc[2] * h * h; }

double EntalpiaB2bc(double p) { return N2bc[3] + std::sqrt((p - N2bc[4]) / N2bc[2]); }

double EntalpiaB3ab(double p) { return N3ab[0] + p * (N3ab[1] + p * (N3ab[2] + N3ab[3] * p)); }

}  // namespace if97
