// The T-s diagram's numbers: the dome against the package's own saturated
// states, the plant's points against the stream table, the isobars and the
// isentropic references against the pressures they stand for, in both
// configurations and with no steam through the valve.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "plant/CalculoUsina.h"
#include "plant/DiagramaTs.h"
#include "plant/ErrosPlanta.h"
#include "plant/TabelaCorrentes.h"
#include "properties/dTH2O_1.h"
#include "properties/dtvp03.h"

namespace {

ResultadoUsina Calculado(const EntradasUsina& e) {
    ResultadoUsina r;
    CalcularUsina(e, r);
    return r;
}

StatePoint Saturado(double p, double titulo) {
    StatePoint e;
    e.p = p;
    e.x = titulo;
    PhaseRegion regiao = 0;
    EvaluateState(ModoPressaoTitulo, regiao, e);
    return e;
}

// Linear interpolation of a dome line at temperature t (degC).
double EntropiaNaLinha(const std::vector<PontoTs>& linha, double t) {
    for (std::size_t i = 1; i < linha.size(); ++i)
        if (linha[i].t >= t) {
            const PontoTs& a = linha[i - 1];
            const PontoTs& b = linha[i];
            return a.s + (b.s - a.s) * (t - a.t) / (b.t - a.t);
        }
    ADD_FAILURE() << "no dome point at " << t;
    return 0.0;
}

const CaminhoTs* Caminho(const DiagramaTs& d, const std::string& nome) {
    for (const CaminhoTs& c : d.caminhos)
        if (c.nome == nome) return &c;
    return nullptr;
}

// The isobars from the highest pressure down, each once.
TEST(DiagramaTs, IsobarasDaMaiorPressao) {
    const DiagramaTs d = CalcularDiagramaTs(Calculado(EntradasUsina{}), 500.0);
    ASSERT_EQ(d.isobaras.size(), 4u);
    for (std::size_t i = 1; i < d.isobaras.size(); ++i)
        EXPECT_GT(d.isobaras[i - 1].pressao, d.isobaras[i].pressao);
}

}  // namespace

// The independent evaluation: EvaluateState's saturated liquid and vapour
// at a table of pressures over the whole range (the plant's condensate,
// process, header and boiler pressures among them). The saturated states
// by temperature find the same volumes to the solver's tolerance, and the
// drawn dome, interpolated between its points, lies on them.
TEST(DiagramaTs, CupulaSobreOsEstadosSaturadosDoPacote) {
    const CupulaSaturacao& cupula = CupulaTs();
    for (double p : {0.00062, 0.002, 0.0101, 0.1, 0.2, 0.25, 1.0, 2.2, 8.0, 15.0, 19.0}) {
        SCOPED_TRACE(p);
        const double t = TemperaturaSaturacao(p);
        const StatePoint liq = Saturado(p, 0.0), vap = Saturado(p, 1.0);
        const SaturacaoTs sat = SaturacaoNaTemperatura(t);
        EXPECT_NEAR(sat.liquido.p, p, 1e-6 * p + 1e-7);
        EXPECT_NEAR(sat.liquido.s, liq.s, 2e-4);
        EXPECT_NEAR(sat.vapor.s, vap.s, 2e-4);
        EXPECT_NEAR(sat.liquido.h, liq.h, 0.05);  // kJ/kg
        EXPECT_NEAR(sat.vapor.h, vap.h, 0.05);
        EXPECT_NEAR(EntropiaNaLinha(cupula.liquido, t), liq.s, 2e-3);
        EXPECT_NEAR(EntropiaNaLinha(cupula.vapor, t), vap.s, 2e-3);
    }
}

// From the triple point to the critical point: liquid entropy rising and
// vapour entropy falling with temperature, liquid always left of vapour,
// the two meeting at the critical point and nowhere else.
TEST(DiagramaTs, FormaDaCupula) {
    const CupulaSaturacao& c = CupulaTs();
    ASSERT_EQ(c.liquido.size(), c.vapor.size());
    ASSERT_GT(c.liquido.size(), 100u);
    EXPECT_DOUBLE_EQ(c.liquido.front().t, TemperaturaTripla);
    EXPECT_NEAR(c.liquido.front().s, 0.0, 1e-3);  // the reference state of entropy
    EXPECT_NEAR(c.vapor.front().s, 9.156, 2e-3);  // steam tables at 0,01 degC
    EXPECT_DOUBLE_EQ(c.critico.t, TemperaturaCritica);
    EXPECT_DOUBLE_EQ(c.critico.p, PressaoCritica);
    EXPECT_NEAR(c.critico.s, 4.43, 0.03);  // steam tables: about 4,41 to 4,44
    const std::size_t n = c.liquido.size();
    EXPECT_DOUBLE_EQ(c.liquido.back().s, c.critico.s);
    EXPECT_DOUBLE_EQ(c.vapor.back().s, c.critico.s);
    // Within a kelvin of the top, so that the dome closes smoothly.
    EXPECT_GT(c.liquido[n - 2].t, TemperaturaCritica - 1.0);
    for (std::size_t i = 1; i < n; ++i) {
        SCOPED_TRACE(c.liquido[i].t);
        EXPECT_GT(c.liquido[i].t, c.liquido[i - 1].t);
        EXPECT_EQ(c.liquido[i].t, c.vapor[i].t);
        EXPECT_GT(c.liquido[i].s, c.liquido[i - 1].s);
        EXPECT_LT(c.vapor[i].s, c.vapor[i - 1].s);
        if (i + 1 < n) {
            EXPECT_LT(c.liquido[i].s, c.vapor[i].s);
        }
        EXPECT_TRUE(std::isfinite(c.liquido[i].s) && std::isfinite(c.vapor[i].s));
    }
    EXPECT_THROW(SaturacaoNaTemperatura(TemperaturaCritica), ErroPropriedades);
    EXPECT_THROW(SaturacaoNaTemperatura(-1.0), ErroPropriedades);
}

// Each stream of the stream table is one point of the diagram with its
// temperature and entropy; the isobars keep their pressure; each turbine's
// isentropic reference keeps the inlet's entropy down to the exhaust's
// pressure. Both configurations, and a run with no steam through the valve.
TEST(DiagramaTs, PontosIsobarasEIsentropicas) {
    EntradasUsina semTurbina;
    semTurbina.comTurbinaAlta = false;
    EntradasUsina semValvula;
    semValvula.PercentualValvula = 0.0;
    struct Caso {
        const char* nome;
        EntradasUsina entradas;
        std::size_t isobaras;  // distinct plant pressures
    };
    for (const Caso& caso : {Caso{"padrão", EntradasUsina{}, 4}, Caso{"sem turbina", semTurbina, 3},
                             Caso{"sem válvula", semValvula, 4}}) {
        SCOPED_TRACE(caso.nome);
        const ResultadoUsina r = Calculado(caso.entradas);
        const DiagramaTs d = CalcularDiagramaTs(r, 500.0);
        const bool comValvula = caso.entradas.PercentualValvula > 0.0;

        std::vector<int> vistos;
        for (const LinhaCorrente& linha : TabelaCorrentes(r)) {
            if (linha.rotulo == 7 && !comValvula) continue;
            SCOPED_TRACE(linha.rotulo);
            const EstadoTs* ponto = nullptr;
            for (const EstadoTs& e : d.estados)
                for (int rotulo : e.rotulos)
                    if (rotulo == linha.rotulo) ponto = &e;
            ASSERT_NE(ponto, nullptr);
            EXPECT_NEAR(ponto->ponto.t, linha.temperatura, 1e-9);
            EXPECT_NEAR(ponto->ponto.s, linha.entropia, 1e-9);
            vistos.push_back(linha.rotulo);
        }
        std::size_t contados = 0;
        for (const EstadoTs& e : d.estados) contados += e.rotulos.size();
        EXPECT_EQ(contados, vistos.size());  // no point for a state the table lacks

        ASSERT_EQ(d.isobaras.size(), caso.isobaras);
        for (const IsobaraTs& iso : d.isobaras) {
            SCOPED_TRACE(iso.nome);
            ASSERT_GT(iso.pontos.size(), 50u);
            for (std::size_t i = 0; i < iso.pontos.size(); ++i) {
                EXPECT_NEAR(iso.pontos[i].p, iso.pressao, 1e-4 * iso.pressao);
                if (i > 0) {
                    EXPECT_GE(iso.pontos[i].s, iso.pontos[i - 1].s);
                }
            }
            EXPECT_NEAR(iso.pontos.back().t, 500.0, 1e-6);
        }

        const auto isentropica = [&](const std::string& nome, int entrada, int saida) {
            SCOPED_TRACE(nome);
            const CaminhoTs* c = Caminho(d, nome + " (isentrópica)");
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(c->tipo, TipoCaminhoTs::Isentropica);
            const StatePoint& in = r.dados.Estado[static_cast<std::size_t>(entrada)];
            const StatePoint& out = r.dados.Estado[static_cast<std::size_t>(saida)];
            EXPECT_EQ(c->pontos.front().s, in.s);
            EXPECT_NEAR(c->pontos.back().s, in.s, 1e-4);
            EXPECT_NEAR(c->pontos.back().p, out.p, 1e-4 * out.p);
            // An expansion with losses ends hotter and at higher entropy
            // than the isentropic one.
            EXPECT_LE(c->pontos.back().t, out.t + 1e-6);  // equal when both are wet
            EXPECT_LT(c->pontos.back().s, out.s);
        };
        if (caso.entradas.comTurbinaAlta) {
            isentropica("Turbina de alta pressão", 1, 2);
        } else {
            EXPECT_EQ(Caminho(d, "Turbina de alta pressão 1→2"), nullptr);
        }
        isentropica("Turbomoenda", 4, 8);
        isentropica("Turbina de média pressão", 5, 9);
        isentropica("Turbina da bomba", 6, 10);
        EXPECT_EQ(Caminho(d, "Válvula 3→7") != nullptr, comValvula);
        EXPECT_EQ(Caminho(d, "Misturador 7→11") != nullptr, comValvula);

        // The boiler's path runs along its isobar from the feed water to the
        // live steam, through the saturated liquid and vapour.
        const CaminhoTs* caldeira = Caminho(d, "Caldeira 19→1");
        ASSERT_NE(caldeira, nullptr);
        const double p1 = r.dados.Estado[1].p;
        EXPECT_EQ(caldeira->pontos.front().t, r.dados.Estado[19].t);
        EXPECT_EQ(caldeira->pontos.back().t, r.dados.Estado[1].t);
        bool passaLiquido = false, passaVapor = false;
        for (const PontoTs& p : caldeira->pontos) {
            EXPECT_NEAR(p.p, p1, 1e-4 * p1);
            passaLiquido = passaLiquido || std::fabs(p.s - Saturado(p1, 0.0).s) < 1e-9;
            passaVapor = passaVapor || std::fabs(p.s - Saturado(p1, 1.0).s) < 1e-9;
        }
        EXPECT_TRUE(passaLiquido);
        EXPECT_TRUE(passaVapor);
        for (const CaminhoTs& c : d.caminhos)
            for (const PontoTs& p : c.pontos)
                EXPECT_TRUE(std::isfinite(p.s) && std::isfinite(p.t)) << c.nome;
    }
}

TEST(DiagramaTs, RotulosDosPontos) {
    const struct {
        std::vector<int> rotulos;
        const char* texto;
    } casos[] = {{{1}, "1"},
                 {{8, 10}, "8, 10"},
                 {{1, 2}, "1, 2"},
                 {{2, 3, 4, 5, 6}, "2–6"},
                 {{1, 2, 3, 5}, "1–3, 5"},
                 {{7, 8, 9, 11, 18, 19}, "7–9, 11, 18, 19"}};
    for (const auto& c : casos) EXPECT_EQ(TextoRotulos(c.rotulos), c.texto);

    // The header's copies and the two alike exhausts of the default run.
    const DiagramaTs d = CalcularDiagramaTs(Calculado(EntradasUsina{}), 500.0);
    std::vector<std::string> textos;
    for (const EstadoTs& e : d.estados) textos.push_back(TextoRotulos(e.rotulos));
    EXPECT_EQ(textos, (std::vector<std::string>{"1", "2–6", "7", "8, 10", "9", "11", "18", "19"}));

    EXPECT_THROW(CalcularDiagramaTs(ResultadoUsina{}, 500.0), ErroResultadoIncompleto);
}
