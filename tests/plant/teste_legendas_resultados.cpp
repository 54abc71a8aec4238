// The result panels' table: every output the run writes has its one row
// there, under the panel that shows it, and a name is found with the very
// caption and title the window writes.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <tuple>

#include "plant/LegendasResultados.h"
#include "plant/TabelaSaidas.h"

TEST(LegendasResultados, CadaSaidaNumaSoLinha) {
    std::map<std::string, int> linhas;
    for (const PainelResultados& p : PaineisResultados())
        for (const LinhaResultado& l : p.linhas) {
            ++linhas[l.nome];
            EXPECT_NE(BuscarCampoSaida(l.nome), nullptr) << l.nome;
        }
    for (const CampoSaida& s : CamposSaida()) EXPECT_EQ(linhas[s.nome], 1) << s.nome;
    EXPECT_EQ(linhas.size(), CamposSaida().size());
}

// Captions two panels share (and the slips the panels have always had) come
// back with the right panel's title.
TEST(LegendasResultados, LegendaETituloPorNome) {
    // Name, caption, panel title.
    const std::tuple<const char*, const char*, const char*> casos[] = {
        {"Ew12", "Potência Fornecida [kW]", "Turbina de alta pressão"},
        {"Ew14", "Potência fornecida [kW]", "Turbina de Média Pressão"},
        {"Em1c", "Producão de vapor [ton/h]", "Caldeira"},
        {"Et18", "temperatura na entrada [°C]", "Bombeamento de condensado"},
        {"Etit11", "Título", "Vapor para Processo"},
        {"Eirrvalv", "Taxa de Irreversibilidade na válvula de Expansão [kW]", "Resultados Globais"},
    };
    for (const auto& [nome, legenda, titulo] : casos) {
        SCOPED_TRACE(nome);
        EXPECT_STREQ(LegendaResultado(nome), legenda);
        EXPECT_STREQ(TituloPainelResultado(nome), titulo);
        const ResultadoNoPainel achado = BuscarResultadoNoPainel(nome);
        ASSERT_NE(achado.linha, nullptr);
        EXPECT_STREQ(achado.painel->titulo, titulo);
    }
    // An input, or no field at all, is on no result panel.
    for (const char* nome : {"Ecapusi", "Etxt", ""}) {
        EXPECT_EQ(BuscarResultadoNoPainel(nome).linha, nullptr) << nome;
        EXPECT_THROW(LegendaResultado(nome), std::out_of_range) << nome;
        EXPECT_THROW(TituloPainelResultado(nome), std::out_of_range) << nome;
    }
}
