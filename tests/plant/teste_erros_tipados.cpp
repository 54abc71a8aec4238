// The plant's and the property packages' errors carry what their message
// says: a season input's refusal its reason and limit, a sweep's refusal
// its field and count, missing results their reason, a property failure its
// number; and a compared case keeps its season's warnings typed as well as
// worded. The messages themselves, in both languages, are checked where the
// window says them (tests/ui/comum/teste_mensagens_tipadas.cpp).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "if97/EstadoIF97.h"
#include "plant/ComparacaoCasos.h"
#include "plant/DiagramaTs.h"
#include "plant/ErrosPlanta.h"
#include "plant/TabelaSafra.h"
#include "plant/ValidacaoEntradas.h"
#include "plant/Varredura.h"
#include "properties/dtvp03.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinito = std::numeric_limits<double>::infinity();

template <typename Erro>
Erro Lancado(const std::function<void()>& acao) {
    try {
        acao();
    } catch (const Erro& erro) {
        return erro;
    }
    ADD_FAILURE() << "nada lançado";
    throw std::logic_error("nada lançado");
}

}  // namespace

// Each season rule, its value and the limit where the sentence has one; the
// message as the plant's refusals compose theirs.
TEST(ErrosTipados, RecusasDaSafra) {
    using M = MotivoRecusa;
    const struct {
        std::function<void(EntradasSafra&)> muda;
        const char* campo;
        MotivoRecusa motivo;
        double valor;
        double limite;
    } casos[] = {
        {[](EntradasSafra& s) { s.DiasSafra = 0.0; }, "Ediasafra", M::DiasSafra, 0.0, 366.0},
        {[](EntradasSafra& s) { s.DiasSafra = 366.5; }, "Ediasafra", M::DiasSafra, 366.5, 366.0},
        {[](EntradasSafra& s) { s.AproveitamentoMoagem = 0.0; }, "Eaprov", M::Eficiencia, 0.0, 0.0},
        {[](EntradasSafra& s) { s.RendimentoGerador = 100.25; }, "Eefiger", M::Eficiencia, 100.25,
         0.0},
        {[](EntradasSafra& s) { s.PrecoBagaco = -1.0; }, "Eprecobag", M::Negativo, -1.0, 0.0},
        {[](EntradasSafra& s) { s.Investimento = Infinito; }, "Einvest", M::NaoFinito, Infinito, 0.0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.campo);
        EntradasUsina e;
        c.muda(e.safra);
        const auto erro = Lancado<ErroEntradaImpossivel>([&] { ValidarEntradas(e, "."); });
        EXPECT_EQ(erro.campo(), c.campo);
        EXPECT_EQ(erro.motivo(), c.motivo);
        EXPECT_EQ(erro.valor(), c.valor);
        EXPECT_EQ(erro.limite(), c.limite);
        EXPECT_EQ(erro.separador(), ".");
        const ErroEntradaImpossivel composta = RecusaEntrada(
            c.campo, BuscarCampoEntradaSafra(c.campo)->legenda, c.valor, c.motivo, c.limite, ".");
        EXPECT_STREQ(erro.what(), composta.what());
    }
    // A value of a case file that is not finite, said without it.
    const ErroEntradaImpossivel arquivo = RecusaEntrada(
        "Epstap", "Pressão de saída na turbina de alta pressão [bar]", NaN,
        MotivoRecusa::NaoFinitoNoArquivo, 0.0, ",");
    EXPECT_STREQ(arquivo.what(), "Valor impossível em \"Pressão de saída na turbina de alta pressão "
                                 "[bar]\": não é um número finito.");
    EXPECT_EQ(arquivo.motivo(), MotivoRecusa::NaoFinitoNoArquivo);
}

// Each refusal of a sweep request: the field it names and the count it says.
TEST(ErrosTipados, RecusasDaVarredura) {
    using M = MotivoVarredura;
    const auto pedido = [](std::vector<EixoVarredura> eixos, std::vector<std::string> saidas,
                           bool turbinaAlta = true) {
        PedidoVarredura p;
        p.base.comTurbinaAlta = turbinaAlta;
        p.eixos = std::move(eixos);
        p.saidas = std::move(saidas);
        return p;
    };
    const struct {
        PedidoVarredura pedido;
        MotivoVarredura motivo;
        const char* campo;
        std::int64_t quantidade;
    } casos[] = {
        {pedido({}, {"Epotele"}), M::NumeroDeEixos, "", 0},
        {pedido({{"Etscal", 400, 500, 2}, {"Eefical", 80, 90, 2}, {"Ecapusi", 1, 2, 2}}, {"Epotele"}),
         M::NumeroDeEixos, "", 3},
        {pedido({{"Exyz", 1, 2, 3}}, {"Epotele"}), M::EntradaDesconhecida, "Exyz", 0},
        {pedido({{"Einvest", 0, 1, 2}, {"Einvest", 0, 1, 2}}, {"Epotele"}), M::EntradaRepetida,
         "Einvest", 0},
        {pedido({{"Eefitap", 60, 70, 2}}, {"Epotele"}, false), M::SoComTurbinaAlta, "Eefitap", 0},
        {pedido({{"Eprecal", 100, 191, 2}}, {"Epotele"}), M::PassaDoLimite, "Eprecal", 0},
        {pedido({{"Etscal", 400, 500, 1000}, {"Eefical", 80, 90, 1001}}, {"Epotele"}),
         M::PontosDemais, "", 1'000'000},
        {pedido({{"Etscal", 400, 500, 2}}, {"Exyz"}), M::SaidaDesconhecida, "Exyz", 0},
        {pedido({{"Etscal", 400, 500, 2}}, {"Epotele", "Ew12", "Epotele"}), M::SaidaRepetida,
         "Epotele", 0},
        {pedido({{"Etscal", 400, 500, -3}}, {"Epotele"}), M::PoucosPontos, "Etscal", -3},
        {pedido({{"Etscal", -Infinito, 500, 2}}, {"Epotele"}), M::FaixaNaoFinita, "Etscal", 0},
        {pedido({{"Ecapusi", -1e308, 1e308, 3}}, {"Epotele"}), M::ValoresNaoFinitos, "Ecapusi", 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(static_cast<int>(c.motivo));
        const auto erro = Lancado<ErroVarredura>([&] { VerificarVarredura(c.pedido); });
        EXPECT_EQ(erro.motivo(), c.motivo);
        EXPECT_EQ(erro.campo(), c.campo);
        EXPECT_EQ(erro.quantidade(), c.quantidade);
    }
    // A front end's own sentence is kept as it is, with no kind.
    const ErroVarredura propria("Marque pelo menos uma saída.");
    EXPECT_EQ(propria.motivo(), M::Outro);
    EXPECT_STREQ(propria.what(), "Marque pelo menos uma saída.");
}

TEST(ErrosTipados, ResultadosQueNaoExistem) {
    const struct {
        SituacaoCalculo situacao;
        FaltaResultado falta;
    } casos[] = {
        {SituacaoCalculo::SemCalculo, FaltaResultado::SemCalculo},
        {SituacaoCalculo::Recusado, FaltaResultado::NaoTerminou},
        {SituacaoCalculo::Interrompido, FaltaResultado::NaoTerminou},
    };
    for (const auto& c : casos) {
        ResultadoUsina r;
        r.situacao = c.situacao;
        const auto erro = Lancado<ErroResultadoIncompleto>([&] { ExigirResultadoCompleto(r); });
        EXPECT_EQ(erro.falta(), c.falta);
        EXPECT_STREQ(erro.what(), ErroResultadoIncompleto(c.falta).what());
    }
}

// Each failure of the two property packages and of the T-s diagram: its
// kind, the number it names, and that number as the sentence writes it
// (fixed notation with a decimal comma, the general form far from 1).
TEST(ErrosTipados, FalhasDasPropriedades) {
    using F = FalhaPropriedades;
    const auto estado = [](PropertyMode modo, double p, double k, bool if97) {
        return [=] {
            StatePoint e{};
            e.p = p;
            e.t = e.h = e.s = e.x = k;
            PhaseRegion regiao = 0;
            if (if97) AvaliarEstadoIF97(modo, regiao, e);
            else EvaluateState(modo, regiao, e);
        };
    };
    const struct {
        std::function<void()> acao;
        FalhaPropriedades falha;
        double valor;  // NaN: not compared
        const char* numero;
    } casos[] = {
        {estado(ModoPressaoTemperatura, 19.5, 100.0, false), F::PressaoForaDaFaixa, 19.5, "19,5"},
        {estado(ModoPressaoTemperatura, 2e-10, 100.0, false), F::PressaoForaDaFaixa, 2e-10, "2e-10"},
        {estado(0, 1.0, 0.0, false), F::ModoInvalido, 0.0, "0"},
        {estado(ModoPressaoTitulo, 1.0, -0.5, false), F::TituloForaDoIntervalo, -0.5, "-0,5"},
        {estado(ModoPressaoTemperatura, 1e12, 100.0, true), F::PressaoForaDaFaixa, 1e12, "1e+12"},
        {estado(5, 1.0, 0.0, true), F::ModoInvalido, 5.0, "5"},
        {estado(ModoPressaoTitulo, 1.0, 2.0, true), F::TituloForaDoIntervalo, 2.0, "2"},
        {estado(ModoPressaoTemperatura, 1.0, 3000.0, true), F::TemperaturaForaDaFaixa, 3000.0, "3000"},
        {estado(ModoPressaoTemperatura, 1.0, NaN, true), F::TemperaturaNaoFinita, NaN, "nan"},
        {estado(ModoPressaoEntalpia, 1.0, Infinito, true), F::EntalpiaNaoFinita, Infinito, "inf"},
        {estado(ModoPressaoEntropia, 1.0, -Infinito, true), F::EntropiaNaoFinita, -Infinito, "-inf"},
        {[] { PressaoSaturacaoIF97(-0.25); }, F::TemperaturaForaDaSaturacao, -0.25, "-0,25"},
        {[] { SaturadosNaPressaoIF97(22.5); }, F::PressaoForaDaSaturacao, 22.5, "22,5"},
        {[] { SaturacaoNaTemperatura(400.0); }, F::ForaDaCurvaSaturacao, NaN, ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.numero);
        const auto erro = Lancado<ErroPropriedades>(c.acao);
        EXPECT_EQ(erro.falha(), c.falha);
        if (!std::isnan(c.valor)) {
            EXPECT_EQ(erro.valor(), c.valor);
        }
        EXPECT_EQ(NumeroFalhaPropriedades(erro.falha(), erro.valor()), c.numero);
        EXPECT_STREQ(erro.what(), ErroPropriedades(erro.falha(), erro.valor()).what());
    }
    EXPECT_EQ(NumeroFalhaPropriedades(F::SistemaSingular, 1.0), "");
    EXPECT_EQ(NumeroFalhaPropriedades(F::SemSaturadosSeparados, 1.0), "");
}

// A compared case whose run warns and whose season buys energy keeps both,
// the season's after the run's, typed as it words them: the window says
// the typed ones.
TEST(ErrosTipados, CasoComparadoGuardaOsAvisosDaSafraTipados) {
    EntradasUsina curta;
    curta.PercentualValvula = 90.0;             // the medium-pressure turbine short of steam
    curta.safra.ConsumoEletricoProprio = 1000;  // kWh/t: far more than the mill generates
    EntradasUsina soSafra;
    soSafra.safra.ConsumoEletricoProprio = 1000;
    const ComparacaoCasos c =
        CompararCasos({"Atual", EntradasUsina{}}, {{"curta", curta}, {"safra", soSafra}}, ",");
    ASSERT_EQ(c.casos.size(), 3u);
    for (std::size_t i = 1; i < 3; ++i) {
        const CasoCalculado& caso = c.casos[i];
        SCOPED_TRACE(caso.nome);
        ASSERT_FALSE(caso.avisosTipados.empty());
        EXPECT_EQ(caso.avisosTipados.back().tipo, TipoAviso::ImportaEnergia);
        ASSERT_EQ(caso.avisos.size(), caso.avisosTipados.size());
        for (std::size_t k = 0; k < caso.avisos.size(); ++k)
            EXPECT_EQ(caso.avisos[k], TextoAviso(caso.avisosTipados[k], ","));
    }
    EXPECT_EQ(c.casos[1].avisosTipados.front().tipo, TipoAviso::VaporInsuficiente);
    EXPECT_EQ(c.casos[2].avisosTipados.size(), 1u);
}
