#include "if97/Regiao3.h"

#include <cmath>

#include "if97/Potencias.h"

namespace if97 {
namespace {

// ---------------------------------------------------------------------------
// IAPWS R7-97(2012), Table 30: coefficients and exponents of the
// dimensionless Helmholtz free energy of region 3, Eq. (28),
//   phi = n_1 ln delta + sum_{i=2..40} n_i delta^I_i tau^J_i,
//   delta = rho / 322 kg/m3, tau = 647.096 K / T.
// ---------------------------------------------------------------------------
constexpr double N1Regiao3 = 0.10658070028513e1;
constexpr TermoIJ TabelaRegiao3[39] = {
    {0, 0, -0.15732845290239e2},  {0, 1, 0.20944396974307e2},   {0, 2, -0.76867707878716e1},
    {0, 7, 0.26185947787954e1},   {0, 10, -0.28080781148620e1}, {0, 12, 0.12053369696517e1},
    {0, 23, -0.84566812812502e-2}, {1, 2, -0.12654315477714e1}, {1, 6, -0.11524407806681e1},
    {1, 15, 0.88521043984318},    {1, 17, -0.64207765181607},   {2, 0, 0.38493460186671},
    {2, 2, -0.85214708824206},    {2, 6, 0.48972281541877e1},   {2, 7, -0.30502617256965e1},
    {2, 22, 0.39420536879154e-1}, {2, 26, 0.12558408424308},    {3, 0, -0.27999329698710},
    {3, 2, 0.13899799569460e1},   {3, 4, -0.20189915023570e1},  {3, 16, -0.82147637173963e-2},
    {3, 26, -0.47596035734923},   {4, 0, 0.43984074473500e-1},  {4, 2, -0.44476435428739},
    {4, 4, 0.90572070719733},     {4, 26, 0.70522450087967},    {5, 1, 0.10770512626332},
    {5, 3, -0.32913623258954},    {5, 26, -0.50871062041158},   {6, 0, -0.22175400873096e-1},
    {6, 2, 0.94260751665092e-1},  {6, 26, 0.16436278447961},    {7, 2, -0.13503372241348e-1},
    {8, 26, -0.14834345352472e-1}, {9, 2, 0.57922953628084e-3}, {9, 26, 0.32308904703711e-2},
    {10, 0, 0.80964802996215e-4}, {10, 1, -0.16557679795037e-3}, {11, 26, -0.44923899061815e-4},
};

// phi and its derivatives (d: delta, t: tau).
struct SomasHelmholtz {
    double f = 0.0, fd = 0.0, fdd = 0.0, ft = 0.0, ftt = 0.0, fdt = 0.0;
};

SomasHelmholtz Somas(double delta, double tau) {
    const Potencias<0, 11> d(delta);
    const Potencias<0, 26> t(tau);
    SomasHelmholtz s;
    s.f = N1Regiao3 * std::log(delta);
    s.fd = N1Regiao3 / delta;
    s.fdd = -N1Regiao3 / (delta * delta);
    #pragma GCC unroll 64
    for (const TermoIJ& c : TabelaRegiao3) {
        // Exponents below 0 only where the factor I or J is 0.
        const int I1 = c.I > 0 ? c.I - 1 : 0;
        const int I2 = c.I > 1 ? c.I - 2 : 0;
        const int J1 = c.J > 0 ? c.J - 1 : 0;
        const int J2 = c.J > 1 ? c.J - 2 : 0;
        const double nI = c.n * c.I;
        const double nJ = c.n * c.J;
        s.f = s.f + c.n * d[c.I] * t[c.J];
        s.fd = s.fd + nI * d[I1] * t[c.J];
        s.fdd = s.fdd + nI * (c.I - 1) * d[I2] * t[c.J];
        s.ft = s.ft + nJ * d[c.I] * t[J1];
        s.ftt = s.ftt + nJ * (c.J - 1) * d[c.I] * t[J2];
        s.fdt = s.fdt + nI * c.J * d[I1] * t[J1];
    }
    return s;
}

}  // namespace

Regiao3Derivadas Regiao3ComDerivadas(double rho, double T) {
    const double delta = rho / rhoc;
    const double tau = Tc / T;
    const SomasHelmholtz s = Somas(delta, tau);
    const double RT = R * T;
    const double dfd = delta * s.fd;                  // delta phi_delta
    const double dfdd = 2.0 * dfd + delta * delta * s.fdd;  // 2 delta phi_d + delta^2 phi_dd
    const double dtfdt = delta * tau * s.fdt;
    Regiao3Derivadas r;
    PontoIF97& e = r.e;
    e.T = T;
    e.p = rho * RT * dfd / 1000.0;  // kPa to MPa
    e.v = 1000.0 / rho;             // dm3/kg
    e.u = RT * tau * s.ft;
    e.h = RT * (tau * s.ft + dfd);
    e.s = R * (tau * s.ft - s.f);
    const double cv = -R * tau * tau * s.ftt;
    e.cp = cv + R * (dfd - dtfdt) * (dfd - dtfdt) / dfdd;
    r.dpdrho = RT * dfdd / 1000.0;
    r.dpdT = rho * R * (dfd - dtfdt) / 1000.0;
    r.dhdrho = RT * (tau * delta * s.fdt + dfd + delta * delta * s.fdd) / rho;
    r.dhdT = cv + R * (dfd - dtfdt);
    r.dsdrho = R * (tau * delta * s.fdt - dfd) / rho;
    r.dsdT = cv / T;
    return r;
}

PontoIF97 Regiao3(double rho, double T) { return Regiao3ComDerivadas(rho, T).e; }

double VelocidadeSomRegiao3(double rho, double T) {
    const double delta = rho / rhoc;
    const double tau = Tc / T;
    const SomasHelmholtz s = Somas(delta, tau);
    const double dfd = delta * s.fd;
    const double a = dfd - delta * tau * s.fdt;
    const double w2 = 2.0 * dfd + delta * delta * s.fdd - a * a / (tau * tau * s.ftt);
    return std::sqrt(1000.0 * R * T * w2);
}

}  // namespace if97
