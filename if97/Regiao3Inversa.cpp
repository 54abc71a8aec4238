#include "if97/Regiao3Inversa.h"

#include <cmath>

#include "if97/Retrocesso3.h"

namespace if97 {
namespace {

constexpr int LimiteIteracoes = 100;
constexpr double DensidadeMaxima = 1200.0;  // kg/m3, above any liquid of region 3

// Density (kg/m3) where the Helmholtz equation gives p (MPa) at T (K), on
// one side of the critical density: Newton's steps, kept inside the
// interval known to hold the root; a step that leaves it, or one taken where
// the isotherm falls (between the spinodals), is replaced by bisection.
Regiao3Derivadas DensidadeNoLado(double p, double T, double rho, LadoSaturacao lado) {
    const bool liquido = lado == LadoSaturacao::Liquido;
    double baixo = liquido ? rhoc : 0.0;             // the root is above
    double alto = liquido ? DensidadeMaxima : rhoc;  // and below
    Regiao3Derivadas d;
    for (int k = 0; k < LimiteIteracoes; ++k) {
        d = Regiao3ComDerivadas(rho, T);
        const double f = d.e.p - p;
        if (std::fabs(f) <= 1e-14 * p) break;
        if (d.dpdrho <= 0.0) {
            // Unstable part: the liquid lies at higher densities, the vapour
            // at lower ones.
            if (liquido) baixo = rho;
            else alto = rho;
        } else if (f < 0.0) {
            baixo = rho;
        } else {
            alto = rho;
        }
        double novo = d.dpdrho > 0.0 ? rho - f / d.dpdrho : 0.5 * (baixo + alto);
        if (!(novo > baixo && novo < alto)) novo = 0.5 * (baixo + alto);
        if (std::fabs(novo - rho) <= 1e-15 * rho) {
            rho = novo;
            d = Regiao3ComDerivadas(rho, T);
            break;
        }
        rho = novo;
    }
    return d;
}

// Saturated densities (kg/m3) of the auxiliary equations of IAPWS's
// supplementary release on saturation properties (1992): starting values
// that follow the critical exponent up to T_c.
double DensidadeLiquidoAuxiliar(double T) {
    const double th = 1.0 - T / Tc;
    const double t3 = std::cbrt(th);  // th^(1/3)
    const double t23 = t3 * t3;
    double th5 = th * th;
    th5 = th5 * th5 * th;                  // th^5
    const double th14 = th5 * th5 * th * th * th * th;  // th^14
    const double th36 = th14 * th14 * th5 * th * th * th;  // th^36
    const double r = 1.0 + 1.99274064 * t3 + 1.09965342 * t23 - 0.510839303 * th * t23 -
                     1.75493479 * th5 * t3 - 45.5170352 * th14 * t3 - 6.74694450e5 * th36 * t23;
    return rhoc * r;
}

double DensidadeVaporAuxiliar(double T) {
    const double th = 1.0 - T / Tc;
    const double t3 = std::cbrt(th);   // th^(2/6)
    const double t6 = std::sqrt(t3);   // th^(1/6)
    const double th3 = th * th * th;
    const double th6 = th3 * th3;
    const double th11 = th6 * th3 * th * th;
    const double t65 = t6 * t6 * t6 * t6 * t6;  // th^(5/6)
    const double l = -2.03150240 * t3 - 2.68302940 * t3 * t3 - 5.38626492 * th * t3 -
                     17.2991605 * th3 - 44.7586581 * th6 * t6 - 63.9201063 * th11 * t65;
    return rhoc * std::exp(l);
}

// Newton on the pair (rho, T) for p and a second property y (h or s), from
// the backward equations' values.
template <bool Entalpia>
Regiao3Derivadas ResolverPY(double p, double y, double T, double rho) {
    Regiao3Derivadas d;
    const double toleranciaY = Entalpia ? 1e-13 * (std::fabs(y) + 10.0) : 1e-13 * (std::fabs(y) + 0.1);
    for (int k = 0; k < LimiteIteracoes; ++k) {
        d = Regiao3ComDerivadas(rho, T);
        const double f1 = d.e.p - p;
        const double f2 = (Entalpia ? d.e.h : d.e.s) - y;
        if (std::fabs(f1) <= 1e-14 * p && std::fabs(f2) <= toleranciaY) break;
        const double yRho = Entalpia ? d.dhdrho : d.dsdrho;
        const double yT = Entalpia ? d.dhdT : d.dsdT;
        const double det = d.dpdrho * yT - d.dpdT * yRho;
        double dRho = (-f1 * yT + d.dpdT * f2) / det;
        double dT = (-d.dpdrho * f2 + yRho * f1) / det;
        // Steps far beyond the backward equations' error are cut down.
        const double escala = std::fmax(std::fabs(dRho) / (0.2 * rho), std::fabs(dT) / 10.0);
        if (escala > 1.0) {
            dRho = dRho / escala;
            dT = dT / escala;
        }
        rho = rho + dRho;
        T = T + dT;
        if (std::fabs(dRho) <= 1e-15 * rho && std::fabs(dT) <= 1e-15 * T) {
            d = Regiao3ComDerivadas(rho, T);
            break;
        }
    }
    return d;
}

}  // namespace

Regiao3Derivadas Regiao3PT(double p, double T, LadoSaturacao lado) {
    const double v = lado == LadoSaturacao::Liquido ? VolumeRegiao3c(p, T) : VolumeRegiao3t(p, T);
    return DensidadeNoLado(p, T, 1000.0 / v, lado);
}

Regiao3Derivadas Regiao3PH(double p, double h) {
    return ResolverPY<true>(p, h, TemperaturaRegiao3PH(p, h), 1000.0 / VolumeRegiao3PH(p, h));
}

Regiao3Derivadas Regiao3PS(double p, double s) {
    return ResolverPY<false>(p, s, TemperaturaRegiao3PS(p, s), 1000.0 / VolumeRegiao3PS(p, s));
}

void SaturadosRegiao3(double T, double p, PontoIF97& liquido, PontoIF97& vapor) {
    if (T >= Tc) {
        liquido = Regiao3(rhoc, Tc);
        liquido.p = pc;
        vapor = liquido;
        return;
    }
    liquido = DensidadeNoLado(p, T, DensidadeLiquidoAuxiliar(T), LadoSaturacao::Liquido).e;
    vapor = DensidadeNoLado(p, T, DensidadeVaporAuxiliar(T), LadoSaturacao::Vapor).e;
}

}  // namespace if97
