// The state as read from a stream: states made by the property package on
// and around the saturation line, where rounding decides between
// "saturated" and "superheated by 0,0 K", and the texts.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "plant/CalculoUsina.h"
#include "plant/EstadoLegivel.h"
#include "plant/PapeisRotulos.h"
#include "plant/TabelaCorrentes.h"
#include "properties/dtvp03.h"

namespace {

StatePoint Avaliado(PropertyMode modo, double p, double valor) {
    StatePoint e;
    e.p = p;
    Slot(e, modo == ModoPressaoTitulo ? 10 : modo == ModoPressaoEntalpia ? 4 : 1) = valor;
    PhaseRegion regiao = 0;
    EvaluateState(modo, regiao, e);
    return e;
}

TEST(EstadoLegivel, EstadosNaLinhaDeSaturacaoEPertoDela) {
    const double p = 0.2;  // MPa
    const double tSat = TemperaturaSaturacao(p);
    // Steam tables give 120,2 degC at 2 bar; the package's own equation
    // agrees to a few hundredths.
    ASSERT_NEAR(tSat, 120.2, 0.1);
    const StatePoint liquido = Avaliado(ModoPressaoTitulo, p, 0.0);
    const StatePoint vapor = Avaliado(ModoPressaoTitulo, p, 1.0);

    const struct {
        const char* caso;
        StatePoint estado;
        Fase fase;
        double grausK;  // K
        double titulo;
    } casos[] = {
        {"título 0", liquido, Fase::LiquidoSaturado, 0.0, 0.0},
        {"título 1", vapor, Fase::VaporSaturado, 0.0, 1.0},
        {"úmido", Avaliado(ModoPressaoTitulo, p, 0.953), Fase::Umido, 0.0, 0.953},
        // Within half the last digit shown of the ends: the end itself.
        {"título 0,9996", Avaliado(ModoPressaoTitulo, p, 0.9996), Fase::VaporSaturado, 0.0, 1.0},
        {"título 0,0004", Avaliado(ModoPressaoTitulo, p, 0.0004), Fase::LiquidoSaturado, 0.0, 0.0},
        {"título 0,9994", Avaliado(ModoPressaoTitulo, p, 0.9994), Fase::Umido, 0.0, 0.9994},
        // A hair beyond the saturated enthalpies: the solver puts the state
        // off the line by far less than the tolerance, the enthalpy-based
        // quality just outside 0 to 1.
        {"h = hg + 0,001", Avaliado(ModoPressaoEntalpia, p, vapor.h + 0.001), Fase::VaporSaturado,
         0.0, 1.0},
        {"h = hf - 0,001", Avaliado(ModoPressaoEntalpia, p, liquido.h - 0.001),
         Fase::LiquidoSaturado, 0.0, 0.0},
        // By temperature, just inside and just outside the band.
        {"t_sat + 0,04", Avaliado(ModoPressaoTemperatura, p, tSat + 0.04), Fase::VaporSaturado, 0.0,
         1.0},
        {"t_sat - 0,04", Avaliado(ModoPressaoTemperatura, p, tSat - 0.04), Fase::LiquidoSaturado,
         0.0, 0.0},
        {"t_sat + 0,06", Avaliado(ModoPressaoTemperatura, p, tSat + 0.06), Fase::Superaquecido,
         0.06, 1.0},
        {"t_sat - 0,06", Avaliado(ModoPressaoTemperatura, p, tSat - 0.06), Fase::Subresfriado, 0.06,
         0.0},
        {"300 degC", Avaliado(ModoPressaoTemperatura, p, 300.0), Fase::Superaquecido, 300.0 - tSat,
         1.0},
        {"25 degC", Avaliado(ModoPressaoTemperatura, p, 25.0), Fase::Subresfriado, tSat - 25.0, 0.0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const std::optional<EstadoLegivel> e = LerEstado(c.estado);
        ASSERT_TRUE(e.has_value());
        EXPECT_EQ(e->fase, c.fase);
        // A liquid's temperature comes back from the solver within 1e-5 K.
        EXPECT_NEAR(e->grausK, c.grausK, 1e-4);
        EXPECT_NEAR(e->titulo, c.titulo, 1e-6);
    }
    // The enthalpy-based quality of the two hair-off states is really
    // outside 0 to 1, and their temperature off t_sat: the case is real.
    EXPECT_GT(Avaliado(ModoPressaoEntalpia, p, vapor.h + 0.001).x, 1.0);
    EXPECT_LT(Avaliado(ModoPressaoEntalpia, p, liquido.h - 0.001).x, 0.0);
}

TEST(EstadoLegivel, SemEstadoForaDaFaixaDePressao) {
    EXPECT_FALSE(LerEstado(StatePoint{}).has_value());                // nothing through it
    EXPECT_FALSE(LerEstado(0.0, 0.0, 0.0).has_value());
    EXPECT_FALSE(LerEstado(PressaoMaxima * 1.01, 400.0, 1.2).has_value());
    EXPECT_FALSE(LerEstado(0.2, std::nan(""), 1.2).has_value());
    EXPECT_TRUE(LerEstado(PressaoMaxima, 400.0, 1.2).has_value());    // both ends are in range
    EXPECT_TRUE(LerEstado(PressaoMinima, 20.0, 1.2).has_value());
    EXPECT_EQ(TextoEstado(std::nullopt, ","), "—");
}

TEST(EstadoLegivel, Textos) {
    const struct {
        EstadoLegivel estado;
        const char* separador;
        const char* texto;
    } casos[] = {
        {{Fase::Subresfriado, 12.34, 0.0}, ",", "subresfriado 12,3 K"},
        {{Fase::Superaquecido, 85.35, 1.0}, ",", "superaquecido 85,3 K"},  // 85.35 is 85.3499...
        {{Fase::Superaquecido, 85.36, 1.0}, ".", "superaquecido 85.4 K"},
        {{Fase::Superaquecido, 0.0500001, 1.0}, ",", "superaquecido 0,1 K"},  // never "0,0 K"
        {{Fase::Umido, 0.0, 0.9526}, ",", "úmido, título 0,953"},
        {{Fase::Umido, 0.0, 0.9526}, ".", "úmido, título 0.953"},
        {{Fase::LiquidoSaturado, 0.0, 0.0}, ",", "líquido saturado"},
        {{Fase::VaporSaturado, 0.0, 1.0}, ",", "vapor saturado"},
    };
    for (const auto& c : casos) EXPECT_EQ(TextoEstado(c.estado, c.separador), c.texto);
}

// The default run, read from its stream table: worked by hand from the
// states usina-calc --json prints (t11 165,8 degC at 2,5 bar, t_sat 127,4;
// condensate 90 degC at 2 bar, t_sat 120,2).
TEST(EstadoLegivel, CorridaPadrao) {
    ResultadoUsina r;
    CalcularUsina(EntradasUsina{}, r);
    for (const LinhaCorrente& l : TabelaCorrentes(r)) {
        SCOPED_TRACE(l.rotulo);
        const std::string texto = TextoEstado(LerEstado(l), ",");
        if (l.rotulo == Rotulo::AguaAlimentacao || l.rotulo == Rotulo::CondensadoRetorno)
            EXPECT_EQ(texto.rfind("subresfriado ", 0), 0u) << texto;
        else if (l.rotulo == Rotulo::EscapeTurbinaMedia)  // x = 0,99690 at 2,5 bar
            EXPECT_EQ(texto, "úmido, título 0,997");
        else
            EXPECT_EQ(texto.rfind("superaquecido ", 0), 0u) << texto;
        // The row (pressure in bar) and the plant's state (MPa) read alike.
        const auto daLinha = LerEstado(l);
        const auto doEstado = LerEstado(r.dados.Estado[static_cast<std::size_t>(l.rotulo)]);
        ASSERT_TRUE(daLinha && doEstado);
        EXPECT_EQ(daLinha->fase, doEstado->fase);
        EXPECT_NEAR(daLinha->grausK, doEstado->grausK, 1e-9);
    }
    EXPECT_EQ(TextoEstado(LerEstado(r.dados.Estado[Rotulo::VaporProcesso]), ","),
              "superaquecido 38,4 K");
    EXPECT_EQ(TextoEstado(LerEstado(r.dados.Estado[Rotulo::CondensadoRetorno]), ","),
              "subresfriado 30,2 K");

    // A closed valve leaves its outlet without a state (its inlet still
    // holds the header's, with no flow).
    EntradasUsina semValvula;
    semValvula.PercentualValvula = 0.0;
    ResultadoUsina r0;
    CalcularUsina(semValvula, r0);
    EXPECT_EQ(TextoEstado(LerEstado(r0.dados.Estado[Rotulo::SaidaValvula]), ","), "—");
    EXPECT_EQ(LerEstado(r0.dados.Estado[Rotulo::EntradaValvula]),
              LerEstado(r0.dados.Estado[Rotulo::Coletor]));
}

}  // namespace
