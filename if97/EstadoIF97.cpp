#include "if97/EstadoIF97.h"

#include <cmath>
#include <string>

#include "if97/Fronteiras.h"
#include "if97/Regiao2.h"
#include "if97/Regiao3Inversa.h"
#include "if97/Regiao5.h"
#include "if97/Retrocesso12.h"
#include "properties/Erros.h"

using namespace if97;

namespace {

// The plant's pressure range, as the 1969 package's.
constexpr double PressaoMinimaIF97 = 0.0006109;  // MPa
constexpr double PressaoMaximaIF97 = 19.0;       // MPa
// Temperatures of the states: region 1 is extrapolated below 0 degC for cold
// inputs the plant's fields let through; region 5 ends at 2000 degC.
constexpr double TMinima = 253.15;   // K
constexpr double TMaxima = 2273.15;  // K
constexpr double tCritica = Tc - ZeroCelsius;  // degC
constexpr int LimiteNewton = 20;

void VerificarPressao(double p) {
    if (!(p >= PressaoMinimaIF97 && p <= PressaoMaximaIF97)) {
        throw ErroPropriedades(FalhaPropriedades::PressaoForaDaFaixa, p);
    }
}

[[noreturn]] void RecusarTemperatura(double tK) {
    throw ErroPropriedades(FalhaPropriedades::TemperaturaForaDaFaixa, tK - ZeroCelsius);
}

[[noreturn]] void RecusarValor(FalhaPropriedades falha, double valor) {
    throw ErroPropriedades(falha, valor);
}

double Exergia(double h, double s) {
    return (h - EstadoMortoIF97::h0) - EstadoMortoIF97::T0 * (s - EstadoMortoIF97::s0);
}

// The record of a state of the equations, at the given pressure p (MPa).
StatePoint ParaEstado(const PontoIF97& e, double p) {
    StatePoint r;
    r.v = e.v;
    r.t = e.T - ZeroCelsius;
    r.p = p;
    r.u = e.u;
    r.h = e.h;
    r.s = e.s;
    r.ex = Exergia(e.h, e.s);
    return r;
}

// Saturation temperature (K) and the saturated states at p (MPa).
struct Saturacao {
    double T = 0.0;
    PontoIF97 liquido;
    PontoIF97 vapor;
};

// With soEntalpias, below 623.15 K only T, h' and h'' are filled: all that
// the quality and the choice of region of a state given by (p, t) or (p, h)
// need.
Saturacao SaturacaoNaPressao(double p, bool soEntalpias = false) {
    Saturacao s;
    if (p >= pc) {
        s.T = Tc;
        SaturadosRegiao3(Tc, pc, s.liquido, s.vapor);
        return s;
    }
    s.T = TemperaturaSaturacao(p);
    if (s.T <= T13 && soEntalpias) {
        s.liquido.h = EntalpiaRegiao1(p, s.T);
        s.vapor.h = EntalpiaRegiao2(p, s.T);
    } else if (s.T <= T13) {
        s.liquido = Regiao1(p, s.T);
        s.vapor = Regiao2(p, s.T);
    } else {
        SaturadosRegiao3(s.T, p, s.liquido, s.vapor);
    }
    return s;
}

Saturacao SaturacaoNaTemperatura(double T) {
    Saturacao s;
    s.T = T;
    if (T >= Tc) {
        SaturadosRegiao3(Tc, pc, s.liquido, s.vapor);
        return s;
    }
    const double p = PressaoSaturacao(T);
    if (T <= T13) {
        s.liquido = Regiao1(p, T);
        s.vapor = Regiao2(p, T);
    } else {
        SaturadosRegiao3(T, p, s.liquido, s.vapor);
    }
    return s;
}

// Newton on T (K) at p (MPa) until the region's h (Entalpia) or s equals y;
// the slope is cp, or cp/T for s. Returns the state at the last T.
template <PontoIF97 (*Regiao)(double, double), bool Entalpia>
PontoIF97 RefinarTemperatura(double p, double y, double T) {
    const double tolerancia = Entalpia ? 1e-13 * (std::fabs(y) + 10.0) : 1e-13 * (std::fabs(y) + 0.1);
    PontoIF97 e;
    for (int k = 0; k < LimiteNewton; ++k) {
        e = Regiao(p, T);
        const double f = (Entalpia ? e.h : e.s) - y;
        if (std::fabs(f) <= tolerancia) break;
        const double passo = -f / (Entalpia ? e.cp : e.cp / T);
        T = T + passo;
        if (std::fabs(passo) <= 1e-15 * T) {
            e = Regiao(p, T);
            break;
        }
    }
    return e;
}

// Region 5 from the top of region 2: the first estimate of T (K) for y at p.
template <bool Entalpia>
double InicioRegiao5(const PontoIF97& topo, double y) {
    return Entalpia ? T25 + (y - topo.h) / topo.cp : T25 * std::exp((y - topo.s) / topo.cp);
}

// The single-phase state at p (MPa) with h (Entalpia) or s equal to y, on the
// liquid or the vapour side of saturation s.
template <bool Entalpia>
PontoIF97 MonofasicoPY(double p, double y, const Saturacao& sat, bool liquido) {
    const auto valor = [](const PontoIF97& e) { return Entalpia ? e.h : e.s; };
    const bool temRegiao3 = sat.T > T13;  // p above p_sat(623.15 K)
    if (liquido) {
        if (temRegiao3 && y > valor(Regiao1(p, T13))) {
            return (Entalpia ? Regiao3PH(p, y) : Regiao3PS(p, y)).e;
        }
        const double T0 = Entalpia ? TemperaturaRegiao1PH(p, y) : TemperaturaRegiao1PS(p, y);
        if (!(T0 >= TMinima - 5.0)) RecusarTemperatura(T0);
        const PontoIF97 e = RefinarTemperatura<Regiao1, Entalpia>(p, y, T0);
        if (e.T < TMinima - 1e-9) RecusarTemperatura(e.T);
        return e;
    }
    if (temRegiao3 && y < valor(Regiao2(p, TemperaturaB23(p)))) {
        return (Entalpia ? Regiao3PH(p, y) : Regiao3PS(p, y)).e;
    }
    const double T0 = Entalpia ? TemperaturaRegiao2PH(p, y) : TemperaturaRegiao2PS(p, y);
    if (T0 > T25 - 20.0) {  // the backward equations stay within 25 mK of region 2
        const PontoIF97 topo = Regiao2(p, T25);
        if (y > valor(topo)) {
            const PontoIF97 e = RefinarTemperatura<Regiao5, Entalpia>(p, y, InicioRegiao5<Entalpia>(topo, y));
            if (e.T > TMaxima * (1.0 + 1e-12)) RecusarTemperatura(e.T);
            return e;
        }
    }
    return RefinarTemperatura<Regiao2, Entalpia>(p, y, T0);
}

// The state at p (MPa) and T (K) on the side of saturation the caller found.
PontoIF97 MonofasicoPT(double p, double T, bool liquido) {
    if (T <= T13) return liquido ? Regiao1(p, T) : Regiao2(p, T);
    if (T <= T23Maxima && p > PressaoB23(T)) {
        return Regiao3PT(p, T, liquido ? LadoSaturacao::Liquido : LadoSaturacao::Vapor).e;
    }
    if (T <= T25) return Regiao2(p, T);
    return Regiao5(p, T);
}

StatePoint Saturado(const PontoIF97& e, double p, double titulo) {
    StatePoint r = ParaEstado(e, p);
    r.x = titulo;
    return r;
}

}  // namespace

void AvaliarEstadoIF97(PropertyMode modo, PhaseRegion& regiao, StatePoint& estado) {
    if (modo < ModoPressaoTemperatura || modo > ModoPressaoTitulo) {
        throw ErroPropriedades(FalhaPropriedades::ModoInvalido, modo);
    }
    const double p = estado.p;  // MPa
    double k = 0.0;
    switch (modo) {
    case ModoPressaoTemperatura: k = estado.t; break;
    case ModoPressaoEntalpia: k = estado.h; break;
    case ModoPressaoEntropia: k = estado.s; break;
    default: k = estado.x; break;
    }
    VerificarPressao(p);
    if (modo == ModoPressaoTitulo && !(k >= 0.0 && k <= 1.0)) {
        throw ErroPropriedades(FalhaPropriedades::TituloForaDoIntervalo, k);
    }
    if (!std::isfinite(k)) {
        RecusarValor(modo == ModoPressaoTemperatura ? FalhaPropriedades::TemperaturaNaoFinita
                     : modo == ModoPressaoEntalpia  ? FalhaPropriedades::EntalpiaNaoFinita
                                                    : FalhaPropriedades::EntropiaNaoFinita,
                     k);
    }

    const bool soEntalpias = modo == ModoPressaoTemperatura || modo == ModoPressaoEntalpia;
    const Saturacao sat = SaturacaoNaPressao(p, soEntalpias);
    const double hL = sat.liquido.h;
    const double hV = sat.vapor.h;

    // Position of the given value between the saturated states.
    double xi = 0.0;
    switch (modo) {
    case ModoPressaoTemperatura: xi = 0.0; break;
    case ModoPressaoEntalpia: xi = (k - hL) / (hV - hL); break;
    case ModoPressaoEntropia: xi = (k - sat.liquido.s) / (sat.vapor.s - sat.liquido.s); break;
    default: xi = k; break;
    }

    StatePoint r;
    PhaseRegion codigo = 0;
    if (modo == ModoPressaoTemperatura) {
        const double T = k + ZeroCelsius;
        if (!(T >= TMinima && T <= TMaxima)) RecusarTemperatura(T);
        const double tSat = sat.T - ZeroCelsius;  // degC, as the caller sees it
        if (k == tSat) {  // exactly at saturation: the saturated vapour
            r = Saturado(sat.T <= T13 ? Regiao2(p, sat.T) : sat.vapor, p, 1.0);
            codigo = RegiaoMistura;
        } else {
            const bool liquido = k < tSat;
            r = ParaEstado(MonofasicoPT(p, T, liquido), p);
            r.t = k;  // the given temperature, unchanged
            codigo = liquido ? RegiaoLiquido : RegiaoVapor;
        }
    } else if (xi >= 0.0 && xi <= 1.0) {
        // Wet mixture: the lever rule on every slot, between the complete
        // saturated states.
        const Saturacao completa = soEntalpias ? SaturacaoNaPressao(p) : sat;
        const StatePoint liq = Saturado(completa.liquido, p, 0.0);
        const StatePoint vap = Saturado(completa.vapor, p, 1.0);
        for (int i = 0; i <= 9; ++i) Slot(r, i) = (1 - xi) * Slot(liq, i) + xi * Slot(vap, i);
        r.t = sat.T - ZeroCelsius;
        r.p = p;
        codigo = RegiaoMistura;
    } else {
        const bool liquido = xi < 0.0;
        const PontoIF97 e = modo == ModoPressaoEntalpia ? MonofasicoPY<true>(p, k, sat, liquido)
                                                        : MonofasicoPY<false>(p, k, sat, liquido);
        r = ParaEstado(e, p);
        codigo = liquido ? RegiaoLiquido : RegiaoVapor;
    }
    r.r7 = r.r8 = r.r9 = 0.0;
    r.x = (r.h - hL) / (hV - hL);  // enthalpy-based quality
    if (r.t > tCritica) codigo = RegiaoSupercritica;
    estado = r;
    regiao = codigo;
}

double TemperaturaSaturacaoIF97(double p) {
    VerificarPressao(p);
    return TemperaturaSaturacao(p) - ZeroCelsius;
}

double PressaoSaturacaoIF97(double t) {
    if (!(t >= 0.0 && t <= tCritica)) {
        throw ErroPropriedades(FalhaPropriedades::TemperaturaForaDaSaturacao, t);
    }
    return t >= tCritica ? pc : PressaoSaturacao(t + ZeroCelsius);
}

SaturacaoIF97 SaturadosNaPressaoIF97(double p) {
    if (!(p >= PressaoMinimaIF97 && p <= pc)) {
        throw ErroPropriedades(FalhaPropriedades::PressaoForaDaSaturacao, p);
    }
    const Saturacao s = SaturacaoNaPressao(p);
    return {Saturado(s.liquido, p, 0.0), Saturado(s.vapor, p, 1.0)};
}

SaturacaoIF97 SaturadosNaTemperaturaIF97(double t) {
    const double p = PressaoSaturacaoIF97(t);  // refuses t outside 0 to 373.946 degC
    const Saturacao s = SaturacaoNaTemperatura(t + ZeroCelsius);
    SaturacaoIF97 r{Saturado(s.liquido, p, 0.0), Saturado(s.vapor, p, 1.0)};
    r.liquido.t = t;
    r.vapor.t = t;
    return r;
}
