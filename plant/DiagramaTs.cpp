#include "plant/DiagramaTs.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>

#include "if97/EstadoIF97.h"
#include "plant/PapeisRotulos.h"
#include "properties/Erros.h"
#include "properties/dTH2O_1.h"
#include "properties/dtvp03.h"

namespace {

namespace R = Rotulo;

constexpr double RGas = 0.46151;  // kJ/(kg K), the equation's gas constant

// The isotherm is searched between a volume smaller than any liquid's and
// ten times the ideal-gas vapour's, on a geometric grid fine enough to
// separate the liquid root from the middle one until about 0,2 K below the
// critical point.
constexpr double VolumeMinimo = 0.95;  // dm3/kg
constexpr int PassosIsoterma = 6000;
constexpr int PassosBissecao = 80;

// Points of each dome line, and how they crowd towards the critical point:
// t = tc - (tc - t_triple) (1 - u)^3 for u evenly spaced.
constexpr int PontosCupula = 180;
constexpr double ExpoenteCupula = 3.0;

// Points of the curved paths and of the isobars.
constexpr int PontosCaminho = 60;
constexpr int PontosIsobara = 48;
constexpr double TemperaturaInicialIsobara = 10.0;  // degC

// States closer than this (kJ/(kg K) and degC) are one point: the header's
// copies differ from a re-evaluated one in the last bits only.
constexpr double MesmoLugar = 1e-9;

double PressaoHelmholtz(double v, double t) {
    double p = 0.0, u = 0.0, h = 0.0, s = 0.0;
    HelmholtzProperties(v, t, p, u, h, s);
    return p;
}

// The state the fundamental equation gives at (v, t), with its flow exergy.
StatePoint EstadoEm(double v, double t) {
    StatePoint e;
    e.v = v;
    e.t = t;
    HelmholtzProperties(e.v, e.t, e.p, e.u, e.h, e.s);
    e.ex = FlowExergy(e.h, DeadState::h0, DeadState::T0, e.s, DeadState::s0);
    return e;
}

// The root of p(v, t) = p between a and b, where the residual changes sign.
double Bissecao(double a, double b, double t, double p) {
    double fa = PressaoHelmholtz(a, t) - p;
    for (int i = 0; i < PassosBissecao; ++i) {
        const double m = 0.5 * (a + b);
        const double fm = PressaoHelmholtz(m, t) - p;
        if ((fm > 0.0) == (fa > 0.0)) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    return 0.5 * (a + b);
}

PontoTs Ponto(const StatePoint& e) { return {e.s, e.t, e.p}; }

bool Finito(const PontoTs& p) {
    return std::isfinite(p.s) && std::isfinite(p.t) && std::isfinite(p.p);
}

// The package's state at p (MPa) and the value the mode names.
StatePoint Avaliar(const PacotePropriedades& pacote, PropertyMode modo, double p, double valor) {
    StatePoint e;
    e.p = p;
    if (modo == ModoPressaoTemperatura) e.t = valor;
    else if (modo == ModoPressaoEntalpia) e.h = valor;
    else if (modo == ModoPressaoEntropia) e.s = valor;
    else e.x = valor;
    PhaseRegion regiao = 0;
    pacote.Avaliar(modo, regiao, e);
    return e;
}

// The critical point: on the critical isotherm at the critical pressure, the
// volume where the isotherm is flattest (the equation's critical volume).
PontoTs PontoCritico() {
    const double t = TemperaturaCritica;
    double melhorV = 3.0, melhorInclinacao = INFINITY;
    for (double v = 2.5; v <= 4.0; v += 0.001) {
        const double inclinacao =
            std::fabs(PressaoHelmholtz(v + 0.0005, t) - PressaoHelmholtz(v - 0.0005, t));
        if (inclinacao < melhorInclinacao) {
            melhorInclinacao = inclinacao;
            melhorV = v;
        }
    }
    const StatePoint e = EstadoEm(melhorV, t);
    return {e.s, t, PressaoCritica};
}

// IAPWS-IF97's dome: its own saturated states, up to its critical point
// (22,064 MPa, 373,946 degC), which both lines end in.
CupulaSaturacao CalcularCupulaIF97() {
    constexpr double TriploIF97 = 0.01, CriticaIF97 = 373.946;  // degC
    CupulaSaturacao c;
    for (int i = 0; i < PontosCupula; ++i) {
        const double u = static_cast<double>(i) / PontosCupula;
        const double t = std::max(TriploIF97, CriticaIF97 - (CriticaIF97 - TriploIF97) *
                                                                std::pow(1.0 - u, ExpoenteCupula));
        const SaturacaoIF97 sat = SaturadosNaTemperaturaIF97(t);
        c.liquido.push_back(Ponto(sat.liquido));
        c.vapor.push_back(Ponto(sat.vapor));
    }
    c.critico = Ponto(SaturadosNaTemperaturaIF97(CriticaIF97).liquido);
    c.liquido.push_back(c.critico);
    c.vapor.push_back(c.critico);
    return c;
}

CupulaSaturacao CalcularCupula() {
    CupulaSaturacao c;
    for (int i = 0; i < PontosCupula; ++i) {
        const double u = static_cast<double>(i) / PontosCupula;
        // Held at the triple point against the last bit of rounding.
        const double t = std::max(TemperaturaTripla,
                                  TemperaturaCritica - (TemperaturaCritica - TemperaturaTripla) *
                                                           std::pow(1.0 - u, ExpoenteCupula));
        try {
            const SaturacaoTs sat = SaturacaoNaTemperatura(t);
            c.liquido.push_back(Ponto(sat.liquido));
            c.vapor.push_back(Ponto(sat.vapor));
        } catch (const ErroPropriedades&) {
            break;  // the last few tenths of a kelvin: closed by the critical point
        }
    }
    c.critico = PontoCritico();
    c.liquido.push_back(c.critico);
    c.vapor.push_back(c.critico);
    return c;
}

// Points at pressure p from enthalpy h0 to h1 (kJ/kg), ends excluded, with
// the saturated states in between added where the path crosses them, so
// that the corners of the dome are drawn sharp.
std::vector<PontoTs> InteriorIsobarico(const PacotePropriedades& pacote, double p, double h0,
                                       double h1) {
    std::vector<double> entalpias;
    for (int i = 1; i < PontosCaminho; ++i)
        entalpias.push_back(h0 + (h1 - h0) * static_cast<double>(i) / PontosCaminho);
    const StatePoint liq = Avaliar(pacote, ModoPressaoTitulo, p, 0.0);
    const StatePoint vap = Avaliar(pacote, ModoPressaoTitulo, p, 1.0);
    const double menor = std::min(h0, h1), maior = std::max(h0, h1);
    for (const StatePoint& sat : {liq, vap})
        if (sat.h > menor && sat.h < maior) entalpias.push_back(sat.h);
    if (h1 >= h0) std::sort(entalpias.begin(), entalpias.end());
    else std::sort(entalpias.begin(), entalpias.end(), [](double a, double b) { return a > b; });
    std::vector<PontoTs> pontos;
    for (double h : entalpias) pontos.push_back(Ponto(Avaliar(pacote, ModoPressaoEntalpia, p, h)));
    return pontos;
}

void Acrescentar(std::vector<PontoTs>& a, const std::vector<PontoTs>& b) {
    a.insert(a.end(), b.begin(), b.end());
}

// A pressure written for a path's or an isobar's name: "80 bar", "2,5 bar".
std::string TextoBar(double pMPa) {
    const double bar = std::round(pMPa * 10.0 * 1000.0) / 1000.0;
    char texto[32];
    std::snprintf(texto, sizeof texto, "%g bar", bar);
    std::string s(texto);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

IsobaraTs Isobara(const PacotePropriedades& pacote, const std::string& nome, double p,
                  double tMaxima) {
    IsobaraTs iso{nome + " " + TextoBar(p), p, {}};
    const double tSat = pacote.TemperaturaSaturacao(p);
    const double t0 = std::min(TemperaturaInicialIsobara, tSat - 1.0);
    for (int i = 0; i < PontosIsobara; ++i) {
        const double t = t0 + (tSat - t0) * static_cast<double>(i) / PontosIsobara;
        iso.pontos.push_back(Ponto(Avaliar(pacote, ModoPressaoTemperatura, p, t)));
    }
    iso.pontos.push_back(Ponto(Avaliar(pacote, ModoPressaoTitulo, p, 0.0)));
    iso.pontos.push_back(Ponto(Avaliar(pacote, ModoPressaoTitulo, p, 1.0)));
    for (int i = 1; i <= PontosIsobara && tMaxima > tSat; ++i) {
        const double t = tSat + (tMaxima - tSat) * static_cast<double>(i) / PontosIsobara;
        iso.pontos.push_back(Ponto(Avaliar(pacote, ModoPressaoTemperatura, p, t)));
    }
    return iso;
}

}  // namespace

SaturacaoTs SaturacaoNaTemperatura(double t) {
    if (!(t >= TemperaturaTripla && t < TemperaturaCritica))
        throw ErroPropriedades(FalhaPropriedades::ForaDaCurvaSaturacao);
    const double p = PressaoCritica * SaturationPressureRatio(t);  // MPa
    const double vMaximo = 10.0 * RGas * (t + 273.15) / p;        // dm3/kg
    const double razao = std::pow(vMaximo / VolumeMinimo, 1.0 / PassosIsoterma);
    // The first and the last sign change of p(v) - p along the grid.
    double primeiroA = 0.0, primeiroB = 0.0, ultimoA = 0.0, ultimoB = 0.0;
    int trocas = 0;
    double vAnterior = VolumeMinimo;
    double fAnterior = PressaoHelmholtz(vAnterior, t) - p;
    for (int k = 1; k <= PassosIsoterma; ++k) {
        const double v = VolumeMinimo * std::pow(razao, k);
        const double f = PressaoHelmholtz(v, t) - p;
        if ((f > 0.0) != (fAnterior > 0.0)) {
            if (trocas == 0) {
                primeiroA = vAnterior;
                primeiroB = v;
            }
            ultimoA = vAnterior;
            ultimoB = v;
            ++trocas;
        }
        vAnterior = v;
        fAnterior = f;
    }
    if (trocas < 3)
        throw ErroPropriedades(FalhaPropriedades::SemSaturadosSeparados);
    SaturacaoTs sat{EstadoEm(Bissecao(primeiroA, primeiroB, t, p), t),
                    EstadoEm(Bissecao(ultimoA, ultimoB, t, p), t)};
    sat.liquido.x = 0.0;
    sat.vapor.x = 1.0;
    return sat;
}

const CupulaSaturacao& CupulaTs(Formulacao formulacao) {
    if (formulacao == Formulacao::If97) {
        static const CupulaSaturacao cupula = CalcularCupulaIF97();
        return cupula;
    }
    static const CupulaSaturacao cupula = CalcularCupula();
    return cupula;
}

std::string TextoRotulos(const std::vector<int>& rotulos) {
    std::string texto;
    for (std::size_t i = 0; i < rotulos.size();) {
        std::size_t j = i;
        while (j + 1 < rotulos.size() && rotulos[j + 1] == rotulos[j] + 1) ++j;
        if (!texto.empty()) texto += ", ";
        texto += std::to_string(rotulos[i]);
        // Three or more in a row read as a range.
        if (j >= i + 2) texto += "–" + std::to_string(rotulos[j]);
        else if (j == i + 1) texto += ", " + std::to_string(rotulos[j]);
        i = j + 1;
    }
    return texto;
}

DiagramaTs CalcularDiagramaTs(const ResultadoUsina& resultado, double temperaturaMaxima) {
    ExigirResultadoCompleto(resultado);
    const DadosUsina& d = resultado.dados;
    const auto& E = d.Estado;
    const PacotePropriedades& pacote = Pacote(resultado.formulacao);
    DiagramaTs diagrama;

    // With no steam through the valve its outlet is never evaluated and
    // holds pressure 0: a state to leave out, not a point at 0 degC.
    const auto avaliado = [&](int rotulo) { return E[static_cast<std::size_t>(rotulo)].p > 0.0; };
    const bool comValvula = avaliado(R::SaidaValvula);

    for (int rotulo : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 18, 19}) {
        if (!avaliado(rotulo)) continue;
        const PontoTs p = Ponto(E[static_cast<std::size_t>(rotulo)]);
        const auto junto = std::find_if(diagrama.estados.begin(), diagrama.estados.end(),
                                        [&](const EstadoTs& e) {
                                            return std::fabs(e.ponto.s - p.s) <= MesmoLugar &&
                                                   std::fabs(e.ponto.t - p.t) <= MesmoLugar;
                                        });
        if (junto != diagrama.estados.end()) junto->rotulos.push_back(rotulo);
        else diagrama.estados.push_back({{rotulo}, p});
    }

    auto& caminhos = diagrama.caminhos;
    const auto reta = [&](const std::string& nome, TipoCaminhoTs tipo, int de, int para) {
        caminhos.push_back({nome, tipo, {Ponto(E[de]), Ponto(E[para])}});
    };
    const auto turbina = [&](const std::string& nome, int entrada, int saida) {
        reta(nome + " " + std::to_string(entrada) + "→" + std::to_string(saida),
             TipoCaminhoTs::Turbina, entrada, saida);
        const StatePoint isentropico =
            Avaliar(pacote, ModoPressaoEntropia, E[saida].p, E[entrada].s);
        caminhos.push_back({nome + " (isentrópica)", TipoCaminhoTs::Isentropica,
                            {Ponto(E[entrada]), Ponto(isentropico)}});
    };

    // Boiler: the feed water heated, boiled and superheated at its pressure.
    {
        CaminhoTs c{"Caldeira 19→1", TipoCaminhoTs::Caldeira, {Ponto(E[R::AguaAlimentacao])}};
        Acrescentar(c.pontos, InteriorIsobarico(pacote, E[R::VaporVivo].p,
                                                E[R::AguaAlimentacao].h, E[R::VaporVivo].h));
        c.pontos.push_back(Ponto(E[R::VaporVivo]));
        caminhos.push_back(c);
    }
    if (resultado.comTurbinaAlta) turbina("Turbina de alta pressão", R::VaporVivo, R::Coletor);
    if (comValvula) {
        // Throttling keeps the enthalpy while the pressure falls.
        const double p0 = E[R::EntradaValvula].p, p1 = E[R::SaidaValvula].p;  // MPa
        CaminhoTs c{"Válvula 3→7", TipoCaminhoTs::Valvula, {Ponto(E[R::EntradaValvula])}};
        for (int i = 1; i < PontosCaminho; ++i) {
            const double p = p0 * std::pow(p1 / p0, static_cast<double>(i) / PontosCaminho);
            c.pontos.push_back(
                Ponto(Avaliar(pacote, ModoPressaoEntalpia, p, E[R::EntradaValvula].h)));
        }
        c.pontos.push_back(Ponto(E[R::SaidaValvula]));
        caminhos.push_back(c);
    }
    turbina("Turbomoenda", R::EntradaTurbinaMoenda, R::EscapeTurbinaMoenda);
    turbina("Turbina de média pressão", R::EntradaTurbinaMedia, R::EscapeTurbinaMedia);
    turbina("Turbina da bomba", R::EntradaTurbinaBomba, R::EscapeTurbinaBomba);
    for (int entrada : {R::SaidaValvula, R::EscapeTurbinaMoenda, R::EscapeTurbinaMedia,
                        R::EscapeTurbinaBomba}) {
        if (entrada == R::SaidaValvula && !comValvula) continue;
        reta("Misturador " + std::to_string(entrada) + "→11", TipoCaminhoTs::Misturador, entrada,
             R::VaporProcesso);
    }
    // Process: the steam gives up its heat at the process pressure down to
    // the condensate's enthalpy; the condensate returns at its own pressure.
    {
        CaminhoTs c{"Processo 11→18", TipoCaminhoTs::Processo, {Ponto(E[R::VaporProcesso])}};
        Acrescentar(c.pontos, InteriorIsobarico(pacote, E[R::VaporProcesso].p,
                                                E[R::VaporProcesso].h, E[R::CondensadoRetorno].h));
        c.pontos.push_back(Ponto(E[R::CondensadoRetorno]));
        caminhos.push_back(c);
    }
    reta("Bomba 18→19", TipoCaminhoTs::Bomba, R::CondensadoRetorno, R::AguaAlimentacao);

    // The plant's pressures, each once, highest first.
    const std::pair<const char*, int> pressoes[] = {{"Caldeira", R::VaporVivo},
                                                    {"Coletor", R::Coletor},
                                                    {"Processo", R::VaporProcesso},
                                                    {"Condensado", R::CondensadoRetorno}};
    for (const auto& [nome, rotulo] : pressoes) {
        const double p = E[static_cast<std::size_t>(rotulo)].p;
        const bool repetida = std::any_of(diagrama.isobaras.begin(), diagrama.isobaras.end(),
                                          [&](const IsobaraTs& i) { return i.pressao == p; });
        if (!repetida) diagrama.isobaras.push_back(Isobara(pacote, nome, p, temperaturaMaxima));
    }
    std::sort(diagrama.isobaras.begin(), diagrama.isobaras.end(),
              [](const IsobaraTs& a, const IsobaraTs& b) { return a.pressao > b.pressao; });

    // A point the equation could not give a number for is left out, never drawn.
    for (CaminhoTs& c : caminhos)
        c.pontos.erase(std::remove_if(c.pontos.begin(), c.pontos.end(),
                                      [](const PontoTs& p) { return !Finito(p); }),
                       c.pontos.end());
    for (IsobaraTs& i : diagrama.isobaras)
        i.pontos.erase(std::remove_if(i.pontos.begin(), i.pontos.end(),
                                      [](const PontoTs& p) { return !Finito(p); }),
                       i.pontos.end());
    return diagrama;
}
