// The comparison of cases against figures worked by hand from usina-calc
// runs of each case, against separate runs of the same inputs, and on the
// awkward cases: a refused case among good ones, a reference of zero, a
// figure one configuration does not have.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "plant/CalculoUsina.h"
#include "plant/ComparacaoCasos.h"
#include "plant/IndicadoresUsina.h"
#include "plant/RetornoInvestimento.h"
#include "plant/TabelaSafra.h"

namespace {

const LinhaComparacao& Linha(const std::vector<LinhaComparacao>& linhas, const std::string& nome) {
    for (const LinhaComparacao& l : linhas)
        if (l.nome == nome) return l;
    throw std::out_of_range("no row " + nome);
}

std::vector<std::string> Nomes(const std::vector<LinhaComparacao>& linhas) {
    std::vector<std::string> nomes;
    for (const LinhaComparacao& l : linhas) nomes.push_back(l.nome);
    return nomes;
}

// Every number of a comparison is finite: no inf or NaN reaches the screen.
void ExigirFinitos(const ComparacaoCasos& c) {
    for (const auto* secao : {&c.entradas, &c.globais, &c.indicadores, &c.safra})
        for (const LinhaComparacao& l : *secao)
            for (const ValorComparado& v : l.valores)
                for (const std::optional<double>& x : {v.valor, v.diferenca, v.porcento})
                    EXPECT_TRUE(!x || std::isfinite(*x)) << l.nome;
}

// Flows and powers scale with the capacity, ratios do not depend on it:
// 400 -> 500 t/h is +25 % on the first, 0 % on the second.
TEST(ComparacaoCasos, CapacidadeEscalaOsResultados) {
    EntradasUsina maior;
    maior.CapacidadeUsina = 500.0;
    const ComparacaoCasos c = CompararCasos({"Atual", EntradasUsina{}}, {{"Maior", maior}});
    ASSERT_EQ(Nomes(c.entradas), std::vector<std::string>{"Capacidade da Usina"});
    EXPECT_EQ(*c.entradas[0].valores[1].porcento, 25.0);
    for (const char* nome : {"Quantidade de vapor", "Potência elétrica", "Potência de moagem",
                             "Consumo de bagaço na caldeira"})
        EXPECT_NEAR(*Linha(c.globais, nome).valores[1].porcento, 25.0, 1e-9) << nome;
    for (const char* nome : {"Excedente de bagaço"})  // % of the bagasse available
        EXPECT_NEAR(*Linha(c.globais, nome).valores[1].porcento, 0.0, 1e-9) << nome;
    EXPECT_NEAR(*Linha(c.indicadores, "Potência elétrica por tonelada de cana").valores[1].porcento,
                0.0, 1e-9);
}

// Boiler at 65 bar and 480 degC against the defaults. Values as
// usina-calc --json --separator . prints them for each case; differences
// and percentages worked out by hand from those.
TEST(ComparacaoCasos, GlobaisContraExecucoesDoUsinaCalc) {
    EntradasUsina b;
    b.PressaoCaldeira = 65.0;
    b.TemperaturaCaldeira = 480.0;
    const ComparacaoCasos c = CompararCasos({"Atual", EntradasUsina{}}, {{"B", b}});
    const struct {
        const char* nome;
        double atual, caso, diferenca, porcento;
    } linhas[] = {
        {"Quantidade de vapor", 192.0, 192.0, 0.0, 0.0},
        {"Consumo de bagaço na caldeira", 86.47069578967992, 89.41907155793852, 2.9483757682586,
         3.409682021560},
        {"Excedente de bagaço", 16.855100202230844, 14.02012350198219, -2.834976700248653,
         -16.81969650867713},
        {"Potência elétrica", 18625.354475442313, 19008.47010699697, 383.1156315546577,
         2.056957530981753},
        {"Potência de bombeamento", 661.8980947467767, 534.7813266925722, -127.1167680542045,
         -19.20488502128651},
    };
    for (const auto& e : linhas) {
        const LinhaComparacao& l = Linha(c.globais, e.nome);
        EXPECT_NEAR(*l.valores[0].valor, e.atual, 1e-9 * e.atual) << e.nome;
        EXPECT_NEAR(*l.valores[1].valor, e.caso, 1e-9 * e.caso) << e.nome;
        EXPECT_NEAR(*l.valores[1].diferenca, e.diferenca, 1e-8 * e.atual) << e.nome;
        EXPECT_NEAR(*l.valores[1].porcento, e.porcento, 1e-8) << e.nome;
    }
    // Exactly the two inputs changed, in panel order.
    ASSERT_EQ(Nomes(c.entradas), (std::vector<std::string>{"Pressão de operação da Caldeira",
                                                           "Temperatura de saída da caldeira"}));
    EXPECT_EQ(*c.entradas[0].valores[1].diferenca, -15.0);  // bar
}

// The two configurations: the same figures as two separate runs; the
// high-pressure turbine's own inputs are not listed as differing, and its
// figures are empty in the column without it.
TEST(ComparacaoCasos, ConfiguracoesContraDuasExecucoes) {
    EntradasUsina e;
    e.PressaoSaidaTurbinaAlta = 25.0;
    const std::vector<CasoComparado> conf = CasosConfiguracoes(e);
    ASSERT_EQ(conf.size(), 2u);
    const ComparacaoCasos c = CompararCasos(conf[0], {conf[1]});
    ResultadoUsina com, sem;
    CalcularUsina(conf[0].entradas, com);
    CalcularUsina(conf[1].entradas, sem);
    const LinhaComparacao& eletrica = Linha(c.globais, "Potência elétrica");
    EXPECT_EQ(*eletrica.valores[0].valor, com.globais.PotenciaEletrica);
    EXPECT_EQ(*eletrica.valores[1].valor, sem.globais.PotenciaEletrica);
    EXPECT_EQ(Nomes(c.entradas), std::vector<std::string>{"Turbina de alta pressão"});

    const LinhaComparacao& consumo =
        Linha(c.indicadores, "Consumo específico de vapor da turbina de alta pressão");
    EXPECT_TRUE(consumo.valores[0].valor && !consumo.valores[1].valor && !consumo.valores[1].diferenca);
    const LinhaComparacao& total = Linha(c.indicadores, "Destruição de exergia: total");
    EXPECT_TRUE(total.estimativa);
    EXPECT_EQ(*total.valores[1].valor, CalcularIndicadores(sem).destruicaoTotal);
    ExigirFinitos(c);
}

// A refused case keeps its message and leaves the others complete; its
// column is empty.
TEST(ComparacaoCasos, CasoRecusadoNaoParaOsOutros) {
    EntradasUsina recusado;
    recusado.EficienciaCaldeira = 0.0;
    EntradasUsina bom;
    bom.VaporPorTonelada = 500.0;
    const ComparacaoCasos c =
        CompararCasos({"Atual", EntradasUsina{}}, {{"Recusado", recusado}, {"Bom", bom}});
    ASSERT_EQ(c.casos.size(), 3u);
    EXPECT_EQ(c.casos[1].situacao, SituacaoCalculo::Recusado);
    EXPECT_NE(c.casos[1].erro.find("Eficiência Térmica da Caldeira"), std::string::npos);
    EXPECT_EQ(c.casos[2].situacao, SituacaoCalculo::Completo);
    for (const LinhaComparacao& l : c.globais) {
        EXPECT_FALSE(l.valores[1].valor || l.valores[1].diferenca) << l.nome;
        EXPECT_TRUE(l.valores[2].valor && l.valores[2].diferenca) << l.nome;
    }
}

// A current case with no milling power: the difference is there, the
// percentage is not (never inf); the input's own percentage likewise.
TEST(ComparacaoCasos, ReferenciaZeroSemPorcentagem) {
    EntradasUsina semMoagem;
    semMoagem.PotenciaMoagemEspecifica = 0.0;
    const ComparacaoCasos c = CompararCasos({"Atual", semMoagem}, {{"Padrão", EntradasUsina{}}});
    const LinhaComparacao& moagem = Linha(c.globais, "Potência de moagem");
    EXPECT_EQ(*moagem.valores[1].diferenca, 6000.0);  // 15 kWh/t x 400 t/h
    EXPECT_FALSE(moagem.valores[1].porcento.has_value());
    EXPECT_FALSE(c.entradas.at(0).valores[1].porcento.has_value());
    ExigirFinitos(c);
}

// Against a bagasse shortfall (a negative reference) a smaller shortfall is
// a positive change; and the total of the exergy destroyed stays the last
// row when a later case brings a piece of equipment the first lacks.
TEST(ComparacaoCasos, ReferenciaNegativaETotalPorUltimo) {
    EntradasUsina falta;
    falta.BagacoPorTonelada = 150.0;  // the boiler burns more than the mill gives
    EntradasUsina menos = falta;
    menos.BagacoPorTonelada = 180.0;
    menos.comTurbinaAlta = true;
    falta.comTurbinaAlta = false;
    const ComparacaoCasos c = CompararCasos({"falta", falta}, {{"menos", menos}});
    const LinhaComparacao& excedente = Linha(c.globais, "Excedente de bagaço");
    ASSERT_LT(*excedente.valores[0].valor, 0.0);
    ASSERT_GT(*excedente.valores[1].valor, *excedente.valores[0].valor);
    EXPECT_GT(*excedente.valores[1].diferenca, 0.0);
    EXPECT_GT(*excedente.valores[1].porcento, 0.0);
    EXPECT_EQ(c.indicadores.back().nome, "Destruição de exergia: total");
    EXPECT_NO_THROW(Linha(c.indicadores, "Destruição de exergia: Turbina de alta pressão"));
}

// 22 bar and 300 degC without the high-pressure turbine against 65 bar and
// 480 degC with it and 40 M R$ invested. usina-calc --json gives the
// seasons' revenues 6 794 043,29 and 17 480 391,61 R$: 40e6 / 10 686 348,32
// = 3,74 seasons. The same plant without the investment has no payback; the
// first plant with 5 M R$ more earns nothing more: "não se paga".
TEST(ComparacaoCasos, SafraERetornoDoInvestimento) {
    EntradasUsina a;
    a.PressaoCaldeira = 22.0;
    a.TemperaturaCaldeira = 300.0;
    a.comTurbinaAlta = false;
    EntradasUsina b;
    b.PressaoCaldeira = 65.0;
    b.TemperaturaCaldeira = 480.0;
    b.safra.Investimento = 40e6;
    EntradasUsina semInvestimento = b;
    semInvestimento.safra.Investimento = 0.0;
    EntradasUsina caro = a;
    caro.safra.Investimento = 5e6;
    const ComparacaoCasos c = CompararCasos(
        {"22 bar", a}, {{"65 bar", b}, {"65 bar sem investimento", semInvestimento}, {"caro", caro}});
    ResultadoUsina ra, rb;
    CalcularUsina(a, ra);
    CalcularUsina(b, rb);

    ASSERT_EQ(c.safra.size(), CamposSaidaSafra().size());
    for (std::size_t i = 0; i < c.safra.size(); ++i) {
        const CampoSaidaSafra& campo = CamposSaidaSafra()[i];
        const LinhaComparacao& l = c.safra[i];
        EXPECT_EQ(l.nome, campo.legenda);
        EXPECT_EQ(*l.valores[0].valor, (*ra.safra).*campo.membro) << l.nome;
        EXPECT_EQ(*l.valores[1].valor, (*rb.safra).*campo.membro) << l.nome;
        EXPECT_EQ(*l.valores[1].diferenca, (*rb.safra).*campo.membro - (*ra.safra).*campo.membro);
    }
    EXPECT_NEAR(*Linha(c.safra, "Receita total da safra").valores[0].valor, 6794043.290151442, 1e-3);
    EXPECT_NEAR(*Linha(c.safra, "Receita total da safra").valores[1].valor, 17480391.60647945, 1e-3);

    // The investment is an input that differs, listed after the plant's.
    EXPECT_EQ(c.entradas.back().nome, "Investimento");
    EXPECT_EQ(*c.entradas.back().valores[1].diferenca, 40e6);

    ASSERT_EQ(c.retornos.size(), 4u);
    EXPECT_FALSE(c.retornos[0].aplicavel);
    ASSERT_TRUE(c.retornos[1].aplicavel);
    EXPECT_NEAR(*c.retornos[1].safras, 3.743, 0.0005);
    EXPECT_EQ(c.retornos[1].safras,
              RetornoSimples(0.0, ra.safra->ReceitaTotal, 40e6, rb.safra->ReceitaTotal));
    EXPECT_FALSE(c.retornos[2].aplicavel);  // the same investment as the current case
    EXPECT_TRUE(c.retornos[3].aplicavel);
    EXPECT_FALSE(c.retornos[3].safras.has_value());
    ExigirFinitos(c);
}

}  // namespace
