// The stream table against the output fields of the same run, which reach
// the same states by another path (the table of output fields).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plant/CalculoUsina.h"
#include "plant/TabelaCorrentes.h"
#include "plant/TabelaSaidas.h"

namespace {

double Campo(const char* nome, const ResultadoUsina& r) {
    return ValorExibido(*BuscarCampoSaida(nome), r);
}

TEST(TabelaCorrentes, ConcordaComOsCamposDeSaida) {
    for (bool comTurbina : {true, false}) {
        SCOPED_TRACE(comTurbina);
        EntradasUsina e;
        e.comTurbinaAlta = comTurbina;
        ResultadoUsina r;
        CalcularUsina(e, r);
        const std::vector<LinhaCorrente> linhas = TabelaCorrentes(r);

        std::vector<int> rotulos;
        for (const LinhaCorrente& l : linhas) rotulos.push_back(l.rotulo);
        EXPECT_EQ(rotulos, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 18, 19}));
        const auto linha = [&](int rotulo) {
            for (const LinhaCorrente& l : linhas)
                if (l.rotulo == rotulo) return l;
            throw std::logic_error("no row " + std::to_string(rotulo));
        };

        // Pressure in bar and temperature as the fields show them.
        const struct {
            int rotulo;
            const char *p, *t;
        } estados[] = {{1, "Ep1c", "Et1c"}, {6, "Ep6", "Et6"},    {10, "Ep10", "Et10"},
                       {4, "Ep4", "Et4"},   {8, "Ep8", "Et8"},    {5, "Ep5", "Et5"},
                       {9, "Ep9", "Et9"},   {11, "Ep11", "Et11"}, {18, "Ep18", "Et18"},
                       {19, "Ep19c", "Et19c"}};
        for (const auto& c : estados) {
            EXPECT_EQ(linha(c.rotulo).pressao, Campo(c.p, r)) << c.rotulo;
            EXPECT_EQ(linha(c.rotulo).temperatura, Campo(c.t, r)) << c.rotulo;
        }
        EXPECT_EQ(linha(11).titulo, Campo("Etit11", r));
        EXPECT_EQ(linha(18).vazao, Campo("Em18", r));
        EXPECT_EQ(linha(6).vazao, Campo("Em6", r));
        EXPECT_EQ(linha(4).vazao, Campo("Em4", r));
        EXPECT_EQ(linha(5).vazao, Campo("Em5", r));
        // Mass is kept: the boiler makes the process steam, the pump moves
        // all the condensate, the header feeds the valve and the turbines.
        EXPECT_EQ(linha(1).vazao * 3.6, Campo("Em1c", r));
        EXPECT_EQ(linha(19).vazao, linha(18).vazao);
        EXPECT_NEAR(linha(3).vazao + linha(4).vazao + linha(5).vazao + linha(6).vazao,
                    linha(2).vazao, 1e-12 * linha(2).vazao);
        EXPECT_EQ(linha(1).descricao, std::string("Vapor vivo"));
        // The default run's live steam: 0.038166 m3/kg in the report.
        EXPECT_NEAR(linha(1).volume, 3.8166e-2, 5e-7);
        EXPECT_NEAR(linha(1).pressao, 80.0, 1e-9);
    }
}

}  // namespace
