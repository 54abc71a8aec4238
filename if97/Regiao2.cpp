#include "if97/Regiao2.h"

#include <cmath>

#include "if97/Potencias.h"

namespace if97 {
namespace {

// ---------------------------------------------------------------------------
// IAPWS R7-97(2012), Table 10: ideal-gas part of region 2, Eq. (16),
//   gamma0 = ln pi + sum n0_i tau^J0_i,  pi = p / 1 MPa, tau = 540 K / T.
// ---------------------------------------------------------------------------
struct TermoJ {
    int J;
    double n;
};
constexpr TermoJ TabelaIdealRegiao2[9] = {
    {0, -0.96927686500217e1}, {1, 0.10086655968018e2},  {-5, -0.56087911283020e-2},
    {-4, 0.71452738081455e-1}, {-3, -0.40710498223928}, {-2, 0.14240819171444e1},
    {-1, -0.43839511319450e1}, {2, -0.28408632460772},  {3, 0.21268463753307e-1},
};

// ---------------------------------------------------------------------------
// IAPWS R7-97(2012), Table 11: residual part of region 2, Eq. (17),
//   gammar = sum n_i pi^I_i (tau - 0.5)^J_i.
// ---------------------------------------------------------------------------
constexpr TermoIJ TabelaResidualRegiao2[43] = {
    {1, 0, -0.17731742473213e-2},  {1, 1, -0.17834862292358e-1},  {1, 2, -0.45996013696365e-1},
    {1, 3, -0.57581259083432e-1},  {1, 6, -0.50325278727930e-1},  {2, 1, -0.33032641670203e-4},
    {2, 2, -0.18948987516315e-3},  {2, 4, -0.39392777243355e-2},  {2, 7, -0.43797295650573e-1},
    {2, 36, -0.26674547914087e-4}, {3, 0, 0.20481737692309e-7},   {3, 1, 0.43870667284435e-6},
    {3, 3, -0.32277677238570e-4},  {3, 6, -0.15033924542148e-2},  {3, 35, -0.40668253562649e-1},
    {4, 1, -0.78847309559367e-9},  {4, 2, 0.12790717852285e-7},   {4, 3, 0.48225372718507e-6},
    {5, 7, 0.22922076337661e-5},   {6, 3, -0.16714766451061e-10}, {6, 16, -0.21171472321355e-2},
    {6, 35, -0.23895741934104e2},  {7, 0, -0.59059564324270e-17}, {7, 11, -0.12621808899101e-5},
    {7, 25, -0.38946842435739e-1}, {8, 8, 0.11256211360459e-10},  {8, 36, -0.82311340897998e1},
    {9, 13, 0.19809712802088e-7},  {10, 4, 0.10406965210174e-18}, {10, 10, -0.10234747095929e-12},
    {10, 14, -0.10018179379511e-8}, {16, 29, -0.80882908646985e-10}, {16, 50, 0.10693031879409},
    {18, 57, -0.33662250574171},   {20, 20, 0.89185845355421e-24}, {20, 35, 0.30629316876232e-12},
    {20, 48, -0.42002467698208e-5}, {21, 21, -0.59056029685639e-25}, {22, 53, 0.37826947613457e-5},
    {23, 39, -0.12768608934681e-14}, {24, 26, 0.73087610595061e-28}, {24, 40, 0.55414715350778e-16},
    {24, 58, -0.94369707241210e-6},
};

constexpr double TEstrela2 = 540.0;  // K

// Ideal part: gamma0 - ln pi, d/dtau, d2/dtau2.
struct Ideal {
    double g = 0.0, gt = 0.0, gtt = 0.0;
};

Ideal SomasIdeais(double tau) {
    const Potencias<-7, 3> t(tau);
    Ideal i;
    #pragma GCC unroll 64
    for (const TermoJ& c : TabelaIdealRegiao2) {
        i.g = i.g + c.n * t[c.J];
        i.gt = i.gt + c.n * c.J * t[c.J - 1];
        i.gtt = i.gtt + c.n * c.J * (c.J - 1) * t[c.J - 2];
    }
    return i;
}

// Residual sums. Exponents below 0 appear only in terms multiplied by 0, and
// tau - 0.5 reaches 0 at 1080 K, just above the region: those factors take
// x^0 instead of a division.
struct Residual {
    double g = 0.0, gp = 0.0, gt = 0.0, gpp = 0.0, gtt = 0.0, gpt = 0.0;
};

// Which sums: the enthalpy alone, a state, or everything (the speed of
// sound adds the second pi derivatives).
enum class Pedidas { Entalpia, Estado, Todas };

template <Pedidas P>
Residual SomasResiduais(double pi, double tau) {
    const Potencias<0, 24> x(pi);
    const Potencias<0, 58> y(tau - 0.5);
    Residual r;
    #pragma GCC unroll 64
    for (const TermoIJ& c : TabelaResidualRegiao2) {
        const int I1 = c.I > 0 ? c.I - 1 : 0;
        const int J1 = c.J > 0 ? c.J - 1 : 0;
        const int J2 = c.J > 1 ? c.J - 2 : 0;
        const double nJ = c.n * c.J;
        r.gt = r.gt + nJ * x[c.I] * y[J1];
        if constexpr (P != Pedidas::Entalpia) {
            r.gp = r.gp + c.n * c.I * x[I1] * y[c.J];
            r.g = r.g + c.n * x[c.I] * y[c.J];
            r.gtt = r.gtt + nJ * (c.J - 1) * x[c.I] * y[J2];
        }
        if constexpr (P == Pedidas::Todas) {
            const int I2 = c.I > 1 ? c.I - 2 : 0;
            r.gpp = r.gpp + c.n * c.I * (c.I - 1) * x[I2] * y[c.J];
            r.gpt = r.gpt + nJ * c.I * x[I1] * y[J1];
        }
    }
    return r;
}

}  // namespace

PontoIF97 Regiao2(double p, double T) {
    const double pi = p;  // p* = 1 MPa
    const double tau = TEstrela2 / T;
    const Ideal i = SomasIdeais(tau);
    const Residual r = SomasResiduais<Pedidas::Estado>(pi, tau);
    const double RT = R * T;
    const double piGp = 1.0 + pi * r.gp;  // pi (gamma0_pi + gammar_pi)
    const double tauGt = tau * (i.gt + r.gt);
    PontoIF97 e;
    e.p = p;
    e.T = T;
    e.v = RT * piGp / p;
    e.u = RT * (tauGt - piGp);
    e.h = RT * tauGt;
    e.s = R * (tauGt - (std::log(pi) + i.g + r.g));
    e.cp = -R * tau * tau * (i.gtt + r.gtt);
    return e;
}

double EntalpiaRegiao2(double p, double T) {
    const double tau = TEstrela2 / T;
    const Ideal i = SomasIdeais(tau);
    const Residual r = SomasResiduais<Pedidas::Entalpia>(p, tau);
    const double RT = R * T;
    return RT * (tau * (i.gt + r.gt));  // as Regiao2 does, to the bit
}

double VelocidadeSomRegiao2(double p, double T) {
    const double pi = p;
    const double tau = TEstrela2 / T;
    const Ideal i = SomasIdeais(tau);
    const Residual r = SomasResiduais<Pedidas::Todas>(pi, tau);
    const double a = 1.0 + pi * r.gp - tau * pi * r.gpt;
    const double num = 1.0 + 2.0 * pi * r.gp + pi * pi * r.gp * r.gp;
    const double den = (1.0 - pi * pi * r.gpp) + a * a / (tau * tau * (i.gtt + r.gtt));
    return std::sqrt(1000.0 * R * T * num / den);
}

}  // namespace if97
