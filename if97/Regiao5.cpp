#include "if97/Regiao5.h"

#include <cmath>

#include "if97/Potencias.h"

namespace if97 {
namespace {

// ---------------------------------------------------------------------------
// IAPWS R7-97(2012), Table 37: ideal-gas part of region 5, Eq. (33),
//   gamma0 = ln pi + sum n0_i tau^J0_i,  pi = p / 1 MPa, tau = 1000 K / T.
// ---------------------------------------------------------------------------
struct TermoJ {
    int J;
    double n;
};
constexpr TermoJ TabelaIdealRegiao5[6] = {
    {0, -0.13179983674201e2}, {1, 0.68540841634434e1},  {-3, -0.24805148933466e-1},
    {-2, 0.36901534980333},   {-1, -0.31161318213925e1}, {2, -0.32961626538917},
};

// ---------------------------------------------------------------------------
// IAPWS R7-97(2012), Table 38: residual part of region 5, Eq. (34),
//   gammar = sum n_i pi^I_i tau^J_i.
// ---------------------------------------------------------------------------
constexpr TermoIJ TabelaResidualRegiao5[6] = {
    {1, 1, 0.15736404855259e-2}, {1, 2, 0.90153761673944e-3}, {1, 3, -0.50270077677648e-2},
    {2, 3, 0.22440037409485e-5}, {2, 9, -0.41163275453471e-5}, {3, 7, 0.37919454822955e-7},
};

constexpr double TEstrela5 = 1000.0;  // K

struct Somas {
    double g0 = 0.0, g0t = 0.0, g0tt = 0.0;  // ideal part less ln pi
    double g = 0.0, gp = 0.0, gt = 0.0, gpp = 0.0, gtt = 0.0, gpt = 0.0;  // residual part
};

Somas Calcular(double pi, double tau) {
    const Potencias<-5, 9> t(tau);
    const Potencias<0, 3> x(pi);
    Somas s;
    for (const TermoJ& c : TabelaIdealRegiao5) {
        s.g0 = s.g0 + c.n * t[c.J];
        s.g0t = s.g0t + c.n * c.J * t[c.J - 1];
        s.g0tt = s.g0tt + c.n * c.J * (c.J - 1) * t[c.J - 2];
    }
    for (const TermoIJ& c : TabelaResidualRegiao5) {  // I >= 1 and J >= 1
        s.g = s.g + c.n * x[c.I] * t[c.J];
        s.gp = s.gp + c.n * c.I * x[c.I - 1] * t[c.J];
        s.gpp = s.gpp + c.n * c.I * (c.I - 1) * x[c.I > 1 ? c.I - 2 : 0] * t[c.J];
        s.gt = s.gt + c.n * c.J * x[c.I] * t[c.J - 1];
        s.gtt = s.gtt + c.n * c.J * (c.J - 1) * x[c.I] * t[c.J - 2];
        s.gpt = s.gpt + c.n * c.I * c.J * x[c.I - 1] * t[c.J - 1];
    }
    return s;
}

}  // namespace

PontoIF97 Regiao5(double p, double T) {
    const double pi = p;
    const double tau = TEstrela5 / T;
    const Somas s = Calcular(pi, tau);
    const double RT = R * T;
    const double piGp = 1.0 + pi * s.gp;
    const double tauGt = tau * (s.g0t + s.gt);
    PontoIF97 e;
    e.p = p;
    e.T = T;
    e.v = RT * piGp / p;
    e.u = RT * (tauGt - piGp);
    e.h = RT * tauGt;
    e.s = R * (tauGt - (std::log(pi) + s.g0 + s.g));
    e.cp = -R * tau * tau * (s.g0tt + s.gtt);
    return e;
}

double VelocidadeSomRegiao5(double p, double T) {
    const double pi = p;
    const double tau = TEstrela5 / T;
    const Somas s = Calcular(pi, tau);
    const double a = 1.0 + pi * s.gp - tau * pi * s.gpt;
    const double num = 1.0 + 2.0 * pi * s.gp + pi * pi * s.gp * s.gp;
    const double den = (1.0 - pi * pi * s.gpp) + a * a / (tau * tau * (s.g0tt + s.gtt));
    return std::sqrt(1000.0 * R * T * num / den);
}

}  // namespace if97
