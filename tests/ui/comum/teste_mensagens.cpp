// The core's messages in English: each message the core really composes
// (refused inputs, sweeps, case files, missing results) comes out in English
// with its numbers and names kept, and unchanged in Portuguese. The messages
// are produced by the core itself, so a sentence changed there and not here
// is found.
#include <QRegularExpression>
#include <functional>
#include <limits>
#include <gtest/gtest.h>

#include "io/CasoUsina.h"
#include "plant/ErrosPlanta.h"
#include "plant/ResultadoUsina.h"
#include "plant/ValidacaoEntradas.h"
#include "plant/Varredura.h"
#include "properties/Erros.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/MensagensNucleo.h"

namespace {

std::string Mensagem(const std::function<void()>& acao) {
    try {
        acao();
    } catch (const std::exception& e) {
        return e.what();
    }
    ADD_FAILURE() << "nenhuma mensagem";
    return {};
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
        const QString portugues = QString::fromStdString(Mensagem(acao));
        SCOPED_TRACE(portugues.toStdString());
        EXPECT_EQ(TraduzirMensagem(portugues), portugues);  // Portuguese: as it is
        AplicarIdioma(Idioma::Ingles);
        const QString ingles = TraduzirMensagem(portugues);
        AplicarIdioma(Idioma::Portugues);
        EXPECT_FALSE(ParecePortugues(ingles)) << ingles.toStdString();
        EXPECT_EQ(Numeros(ingles), Numeros(portugues)) << ingles.toStdString();
        ++n;
    }
    EXPECT_EQ(n, 31);
}

// A refused input said from its reason and values is, word for word, the
// message read back through the patterns, in both languages and with either
// separator; the error box, a study's points and the comparison use it.
TEST_F(MensagensTeste, RecusaTipadaComoAMensagemTraduzida) {
    const std::vector<std::function<void(EntradasUsina&)>> mudancas = {
        [](EntradasUsina& e) { e.EficienciaCaldeira = 150.0; },
        [](EntradasUsina& e) { e.CapacidadeUsina = -1.0; },
        [](EntradasUsina& e) { e.BagacoPorTonelada = -0.5; },
        [](EntradasUsina& e) { e.PercentualValvula = 101.0; },
        [](EntradasUsina& e) { e.PressaoProcesso = 0.001; },
        [](EntradasUsina& e) { e.PressaoSaidaTurbinaAlta = 90.0; },
        [](EntradasUsina& e) { e.PressaoProcesso = 30.0; },
        [](EntradasUsina& e) { e.TemperaturaCaldeira = 250.0; },
        [](EntradasUsina& e) { e.TemperaturaCondensado = 150.0; },
        [](EntradasUsina& e) { e.TemperaturaCondensado = -5.0; },
        [](EntradasUsina& e) { e.PciBagaco = std::numeric_limits<double>::quiet_NaN(); },
    };
    for (const auto& muda : mudancas) {
        for (const std::string separador : {",", "."}) {
            EntradasUsina e;
            muda(e);
            try {
                ValidarEntradas(e, separador);
                ADD_FAILURE() << "aceito";
            } catch (const ErroEntradaImpossivel& erro) {
                SCOPED_TRACE(erro.what());
                EXPECT_NE(erro.motivo(), MotivoRecusa::Outro);
                EXPECT_EQ(TextoErroTraduzido(erro).toStdString(), erro.what());
                AplicarIdioma(Idioma::Ingles);
                const QString tipada = TextoErroTraduzido(std::make_exception_ptr(erro));
                const QString lida = TraduzirMensagem(QString::fromUtf8(erro.what()));
                AplicarIdioma(Idioma::Portugues);
                EXPECT_EQ(tipada, lida);
                EXPECT_FALSE(ParecePortugues(tipada)) << tipada.toStdString();
            }
        }
    }
}

TEST_F(MensagensTeste, FrasesConhecidasEOutrasComoSao) {
    AplicarIdioma(Idioma::Ingles);
    const struct {
        const char* portugues;
        const char* ingles;
    } casos[] = {
        {"O campo 'Epstap' só é usado com a turbina de alta pressão.",
         "The field 'Epstap' is used only with the high-pressure turbine."},
        {"Não foi possível ler o arquivo \"a.usina\": o arquivo não existe",
         "The file \"a.usina\" could not be read: the file does not exist"},
        // Files written and files that are not regular ones.
        {"Não foi possível gravar o arquivo \"/x/<h1>r.txt\": a pasta não existe",
         "Could not write the file \"/x/<h1>r.txt\": the folder does not exist"},
        {"Não foi possível ler o arquivo \"f.usina\": é uma FIFO (pipe nomeado), não um arquivo comum",
         "The file \"f.usina\" could not be read: it is a FIFO (named pipe), not a regular file"},
        {"O campo de saída 'Ew12' aparece duas vezes na varredura.",
         "The output field 'Ew12' appears twice in the sweep."},
        // A name that happens to contain a marker stays whole.
        {"O arquivo \"100 %1.usina\" não é um caso válido: está vazio",
         "The file \"100 %1.usina\" is not a valid case: it is empty"},
        // Unknown sentences and the written calculation's own messages.
        {"'abc' is not a valid floating point value", "'abc' is not a valid floating point value"},
        {"Frase que o núcleo ainda não tem", "Frase que o núcleo ainda não tem"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TraduzirMensagem(QString::fromUtf8(c.portugues)).toStdString(), c.ingles);

    // A sweep point's warnings, joined as the point keeps them: each in turn.
    EXPECT_EQ(TraduzirAvisos(QString::fromUtf8(
                  "Vapor úmido no coletor: título 0,89 na saída da turbina de alta pressão  "
                  "Escape da turbomoenda com título 0,87, abaixo de 0,88  Balanço de energia não "
                  "fecha: 12,50 kW"))
                  .toStdString(),
              "Wet steam in the header: quality 0,89 at the high-pressure turbine exhaust  "
              "Mill drive turbine exhaust at quality 0,87, below 0,88  Energy balance does not "
              "close: 12,50 kW");
}

}  // namespace
