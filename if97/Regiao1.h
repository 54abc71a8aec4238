// Region 1 of IAPWS-IF97: compressed liquid, 273.15 K to 623.15 K up to
// 100 MPa, from the dimensionless Gibbs free energy gamma(pi, tau). The
// equation has no logarithm, so a state is a constant expression: the dead
// state of the exergies is computed by the compiler (see EstadoIF97.h).
#pragma once

#include "if97/ConstantesIF97.h"
#include "if97/Potencias.h"

namespace if97 {

// ---------------------------------------------------------------------------
// IAPWS R7-97(2012), Table 2: coefficients and exponents of the dimensionless
// Gibbs free energy of region 1, Eq. (7):
//   gamma = sum n_i (7.1 - pi)^I_i (tau - 1.222)^J_i,
//   pi = p / 16.53 MPa, tau = 1386 K / T.
// ---------------------------------------------------------------------------
inline constexpr TermoIJ TabelaRegiao1[34] = {
    {0, -2, 0.14632971213167},      {0, -1, -0.84548187169114},     {0, 0, -0.37563603672040e1},
    {0, 1, 0.33855169168385e1},     {0, 2, -0.95791963387872},      {0, 3, 0.15772038513228},
    {0, 4, -0.16616417199501e-1},   {0, 5, 0.81214629983568e-3},    {1, -9, 0.28319080123804e-3},
    {1, -7, -0.60706301565874e-3},  {1, -1, -0.18990068218419e-1},  {1, 0, -0.32529748770505e-1},
    {1, 1, -0.21841717175414e-1},   {1, 3, -0.52838357969930e-4},   {2, -3, -0.47184321073267e-3},
    {2, 0, -0.30001780793026e-3},   {2, 1, 0.47661393906987e-4},    {2, 3, -0.44141845330846e-5},
    {2, 17, -0.72694996297594e-15}, {3, -4, -0.31679644845054e-4},  {3, 0, -0.28270797985312e-5},
    {3, 6, -0.85205128120103e-9},   {4, -5, -0.22425281908000e-5},  {4, -2, -0.65171222895601e-6},
    {4, 10, -0.14341729937924e-12}, {5, -8, -0.40516996860117e-6},  {8, -11, -0.12734301741641e-8},
    {8, -6, -0.17424871230634e-9},  {21, -29, -0.68762131295531e-18}, {23, -31, 0.14478307828521e-19},
    {29, -38, 0.26335781662795e-22}, {30, -39, -0.11947622640071e-22}, {31, -40, 0.18228094581404e-23},
    {32, -41, -0.93537087292458e-25},
};

inline constexpr double pEstrela1 = 16.53;   // MPa
inline constexpr double TEstrela1 = 1386.0;  // K

// gamma and its derivatives (pi: p, tau: t).
struct SomasGibbs {
    double g = 0.0, gp = 0.0, gt = 0.0, gpp = 0.0, gtt = 0.0, gpt = 0.0;
};

// Which sums a caller needs: the enthalpy alone (gt), a state (g, gp, gt,
// gtt) or everything (the speed of sound adds gpp and gpt).
enum class SomasPedidas { Entalpia, Estado, Todas };

// Over the region's range 7.1 - pi > 1 and tau - 1.222 > 1, so the negative
// powers the derivatives ask for are finite; terms whose factor I or J is 0
// multiply them by 0.
template <SomasPedidas Pedidas>
constexpr SomasGibbs SomasRegiao1(double pi, double tau) {
    const Potencias<-2, 32> x(7.1 - pi);
    const Potencias<-43, 17> y(tau - 1.222);
    SomasGibbs g;
    #pragma GCC unroll 64
    for (const TermoIJ& t : TabelaRegiao1) {
        const double nJ = t.n * t.J;
        g.gt = g.gt + nJ * x[t.I] * y[t.J - 1];
        if constexpr (Pedidas != SomasPedidas::Entalpia) {
            const double nI = t.n * t.I;
            g.g = g.g + t.n * x[t.I] * y[t.J];
            g.gp = g.gp - nI * x[t.I - 1] * y[t.J];
            g.gtt = g.gtt + nJ * (t.J - 1) * x[t.I] * y[t.J - 2];
            if constexpr (Pedidas == SomasPedidas::Todas) {
                g.gpp = g.gpp + nI * (t.I - 1) * x[t.I - 2] * y[t.J];
                g.gpt = g.gpt - nI * t.J * x[t.I - 1] * y[t.J - 1];
            }
        }
    }
    return g;
}

// State at p (MPa) and T (K), Table 3's relations.
constexpr PontoIF97 Regiao1(double p, double T) {
    const double pi = p / pEstrela1;
    const double tau = TEstrela1 / T;
    const SomasGibbs g = SomasRegiao1<SomasPedidas::Estado>(pi, tau);
    const double RT = R * T;  // kJ/kg
    PontoIF97 e;
    e.p = p;
    e.T = T;
    e.v = RT * pi * g.gp / p;  // (kJ/kg)/MPa = dm3/kg
    e.u = RT * (tau * g.gt - pi * g.gp);
    e.h = RT * tau * g.gt;
    e.s = R * (tau * g.gt - g.g);
    e.cp = -R * tau * tau * g.gtt;
    return e;
}

// Enthalpy alone (kJ/kg) at p (MPa) and T (K): the saturated liquid's, for
// the quality of every state.
constexpr double EntalpiaRegiao1(double p, double T) {
    const double tau = TEstrela1 / T;
    const double RT = R * T;
    return RT * tau * SomasRegiao1<SomasPedidas::Entalpia>(p / pEstrela1, tau).gt;  // as Regiao1, to the bit
}

// Speed of sound (m/s) at p (MPa) and T (K).
double VelocidadeSomRegiao1(double p, double T);

}  // namespace if97
