// The core's messages in English: each error the core really raises
// (refused inputs, sweeps, case files, missing results) is said in English
// from its kind and values, with its numbers and names kept, and in
// Portuguese is the core's own message. The errors are raised by the core
// itself, so a kind added there and not said here is found; errors that
// carry no kind are shown as they are.
#include <QRegularExpression>
#include <cerrno>
#include <functional>
#include <limits>
#include <gtest/gtest.h>

#include "io/CasoUsina.h"
#include "io/GravacaoAtomica.h"
#include "plant/ErrosPlanta.h"
#include "plant/ResultadoUsina.h"
#include "plant/ValidacaoEntradas.h"
#include "plant/Varredura.h"
#include "properties/Erros.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/MensagensNucleo.h"

namespace {

std::exception_ptr Lancado(const std::function<void()>& acao) {
    try {
        acao();
    } catch (...) {
        return std::current_exception();
    }
    ADD_FAILURE() << "nenhuma mensagem";
    return nullptr;
}

std::string What(const std::exception_ptr& erro) {
    try {
        std::rethrow_exception(erro);
    } catch (const std::exception& e) {
        return e.what();
    }
}

std::function<void()> Entradas(const std::function<void(EntradasUsina&)>& muda) {
    return [muda] {
        EntradasUsina e;
        muda(e);
        ValidarEntradas(e, ",");
    };
}

std::function<void()> Varredura(std::vector<EixoVarredura> eixos, std::vector<std::string> saidas,
                                 bool turbinaAlta = true) {
    return [=] {
        PedidoVarredura p;
        p.base.comTurbinaAlta = turbinaAlta;
        p.eixos = eixos;
        p.saidas = saidas;
        VerificarVarredura(p);
    };
}

std::function<void()> Caso(std::string json) {
    return [json] { CasoDeJson(json, "planta.usina", ","); };
}

const std::string Valido =
    R"({"formato":"usina-caso","versao":1,"com_turbina_alta":true,"entradas":{}})";

QStringList Numeros(const QString& texto) {
    static const QRegularExpression numero(QStringLiteral("\\d+(,\\d+)?"));
    QStringList encontrados;
    for (const auto& m : numero.globalMatch(texto)) encontrados << m.captured();
    return encontrados;
}

bool ParecePortugues(const QString& texto) {
    static const QRegularExpression marcas(QStringLiteral(
        "[ãõçáéíóúâêô]|\\b(de|da|do|não|deve|entre|arquivo|campo|varredura|falta|chave)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return marcas.match(texto).hasMatch();
}

class MensagensTeste : public ::testing::Test {
protected:
    void TearDown() override { AplicarIdioma(Idioma::Portugues); }
};

TEST_F(MensagensTeste, MensagensDoNucleoEmInglesComOsMesmosNumeros) {
    const std::vector<std::function<void()>> acoes = {
        Entradas([](EntradasUsina& e) { e.EficienciaCaldeira = 150.0; }),
        Entradas([](EntradasUsina& e) { e.CapacidadeUsina = -1.0; }),
        Entradas([](EntradasUsina& e) { e.BagacoPorTonelada = -0.5; }),
        Entradas([](EntradasUsina& e) { e.PercentualValvula = 101.0; }),
        Entradas([](EntradasUsina& e) { e.PressaoCaldeira = 250.0; }),
        Entradas([](EntradasUsina& e) { e.PressaoSaidaTurbinaAlta = 90.0; }),
        Entradas([](EntradasUsina& e) { e.PressaoProcesso = 30.0; }),
        Entradas([](EntradasUsina& e) {
            e.comTurbinaAlta = false;
            e.PressaoProcesso = 85.0;
        }),
        Entradas([](EntradasUsina& e) { e.TemperaturaCaldeira = 250.0; }),
        Entradas([](EntradasUsina& e) { e.TemperaturaCondensado = 150.0; }),
        Entradas([](EntradasUsina& e) { e.TemperaturaCondensado = -5.0; }),
        Varredura({}, {"Epotele"}),
        Varredura({{"Exyz", 1.0, 2.0, 3}}, {"Epotele"}),
        Varredura({{"Etscal", 400.0, 500.0, 3}, {"Etscal", 400.0, 500.0, 3}}, {"Epotele"}),
        Varredura({{"Epstap", 10.0, 20.0, 3}}, {"Epotele"}, false),
        Varredura({{"Etscal", 400.0, 500.0, 1}}, {"Epotele"}),
        Varredura({{"Etscal", 400.0, std::numeric_limits<double>::infinity(), 3}}, {"Epotele"}),
        Varredura({{"Etscal", 400.0, 500.0, 3}}, {"Exyz"}),
        Varredura({{"Eprecal", 100.0, 250.0, 3}}, {"Epotele"}),
        Caso(""),
        Caso("[1]"),
        Caso("{\"formato\":"),
        Caso("{\"a\":1,\"a\":2}"),
        Caso("{\"formato\":\"x\"}"),
        Caso("{}"),
        Caso(R"({"formato":"usina-caso","versao":"1"})"),
        Caso(R"({"formato":"usina-caso","versao":7})"),
        Caso(R"({"formato":"usina-caso","versao":1,"entradas":{"Ecapusi":"400"}})"),
        Caso("{\"formato\": nan}"),
        [] { LerCaso("/nao/existe/caso.usina", ","); },
        [] { ExigirResultadoCompleto(ResultadoUsina{}); },
    };
    int n = 0;
    for (const auto& acao : acoes) {
        const std::exception_ptr erro = Lancado(acao);
        ASSERT_NE(erro, nullptr);
        const QString portugues = QString::fromStdString(What(erro));
        SCOPED_TRACE(portugues.toStdString());
        EXPECT_EQ(TextoErroTraduzido(erro), portugues);  // Portuguese: the core's own
        AplicarIdioma(Idioma::Ingles);
        const QString ingles = TextoErroTraduzido(erro);
        AplicarIdioma(Idioma::Portugues);
        EXPECT_FALSE(ParecePortugues(ingles)) << ingles.toStdString();
        EXPECT_EQ(Numeros(ingles), Numeros(portugues)) << ingles.toStdString();
        ++n;
    }
    EXPECT_EQ(n, 31);
}

// Errors that carry no kind are said as they are: the written calculation's
// own English texts and the window's own sentences, already in its
// language; a point or a case that kept no error keeps its text.
TEST_F(MensagensTeste, ErrosSemTipoComoSao) {
    AplicarIdioma(Idioma::Ingles);
    const std::vector<std::pair<std::exception_ptr, std::string>> casos = {
        {std::make_exception_ptr(ErroConversao("abc")), "'abc' is not a valid floating point value"},
        {std::make_exception_ptr(ErroPontoFlutuante(ErroPontoFlutuante::Tipo::DivisaoPorZero)),
         "Floating point division by zero"},
        {std::make_exception_ptr(ErroArquivoGravado("r.txt", ErroGravacao(EACCES, "criar"))),
         "File access denied"},
        {std::make_exception_ptr(ErroVarredura("Check at least one output for the study.")),
         "Check at least one output for the study."},
        {std::make_exception_ptr(ErroResultadoIncompleto("Run a study first.")), "Run a study first."},
        {std::make_exception_ptr(ErroEntradaImpossivel("Ecapusi", "Frase de fora")), "Frase de fora"},
        {std::make_exception_ptr(std::runtime_error("Frase que o núcleo não tem")),
         "Frase que o núcleo não tem"},
        {std::make_exception_ptr(42), "Unknown error"},
    };
    for (const auto& [erro, texto] : casos) EXPECT_EQ(TextoErroTraduzido(erro).toStdString(), texto);

    // A point's or a case's error: composed from what was thrown, with the
    // full stop the core's text has; the text itself when nothing was kept.
    const std::exception_ptr pressao =
        std::make_exception_ptr(ErroPropriedades(FalhaPropriedades::PressaoForaDaFaixa, 25.0));
    EXPECT_EQ(TextoFalhaTraduzido(pressao, "ignorado").toStdString(),
              "Pressure outside the range of the water properties (0,0006109 to 19 MPa): 25.");
    EXPECT_EQ(TextoFalhaTraduzido(nullptr, "Unknown error.").toStdString(), "Unknown error.");
    AplicarIdioma(Idioma::Portugues);
    EXPECT_EQ(TextoFalhaTraduzido(pressao, "ignorado").toStdString(),
              "Pressão fora da faixa das propriedades da água (0,0006109 a 19 MPa): 25.");
}

// A run's warnings joined as a sweep point and the warning line join them,
// each said from its kind.
TEST_F(MensagensTeste, AvisosJuntosCadaUmDoSeuTipo) {
    const std::vector<AvisoUsina> avisos = {{TipoAviso::ColetorUmido, 0.899},
                                            {TipoAviso::EscapeUmido, 0.871, 8},
                                            {TipoAviso::BalancoNaoFecha, 12.5}};
    EXPECT_EQ(TextoAvisosTraduzidos(avisos, ",").toStdString(),
              "Vapor úmido no coletor: título 0,89 na saída da turbina de alta pressão  "
              "Escape da turbomoenda com título 0,87, abaixo de 0,88  Balanço de energia não "
              "fecha: 12,50 kW");
    AplicarIdioma(Idioma::Ingles);
    EXPECT_EQ(TextoAvisosTraduzidos(avisos, ",").toStdString(),
              "Wet steam in the header: quality 0,89 at the high-pressure turbine exhaust  "
              "Mill drive turbine exhaust at quality 0,87, below 0,88  Energy balance does not "
              "close: 12,50 kW");
    EXPECT_EQ(TextoAvisosTraduzidos(avisos, ".").toStdString(),
              "Wet steam in the header: quality 0.89 at the high-pressure turbine exhaust  "
              "Mill drive turbine exhaust at quality 0.87, below 0.88  Energy balance does not "
              "close: 12.50 kW");
}

}  // namespace
