// The texts the main window composes itself, in English and back: the core's
// sentences rebuilt from its typed data say in Portuguese exactly what the
// core says, and in English carry the same numbers; the window composes its
// title, memos, tooltips and warning line again when the language changes,
// and comes back to the written Portuguese byte for byte.
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <cmath>
#include <limits>
#include <map>

#include "EmIngles.h"
#include "plant/TabelaEntradas.h"
#include "plant/ValidacaoEntradas.h"
#include "teste_janela_apoio.h"
#include "ui/comum/AvisosVista.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/TextosNucleoJanela.h"
#include "ui/janela/DefinicaoJanela.h"
#include "ui/janela/Memo.h"

namespace {


// The numbers of a text, in order ("0,006109", "190", "12,35").
QStringList Numeros(const QString& texto) {
    static const QRegularExpression numero(QStringLiteral("-?[0-9]+([.,][0-9]+)*|inf|nan"));
    QStringList numeros;
    for (auto it = numero.globalMatch(texto); it.hasNext();) numeros << it.next().captured();
    return numeros;
}

bool TemAcento(const QString& texto) {
    static const QRegularExpression acentos(QStringLiteral("[ãõçáéíóúâêôàÃÕÇÁÉÍÓÚÂÊÔÀ]"));
    return acentos.match(texto).hasMatch();
}

// Shortfalls of steam: rounding both ways, negative, huge, not finite.
const double Quantidades[] = {0.0,   12.345,      2.675, -0.004,
                              0.005, 1234567.891, 1e300, std::numeric_limits<double>::infinity(),
                              std::nan("")};
const SituacaoCalculo Situacoes[] = {SituacaoCalculo::SemCalculo, SituacaoCalculo::Recusado,
                                     SituacaoCalculo::Interrompido, SituacaoCalculo::Completo};
const TipoAviso TiposAviso[] = {TipoAviso::VaporInsuficiente, TipoAviso::ColetorUmido,
                                TipoAviso::PressaoLimitada,   TipoAviso::TemperaturaLimitada,
                                TipoAviso::NaoConvergiu,      TipoAviso::ProcessoUmido,
                                TipoAviso::EscapeUmido,       TipoAviso::BalancoNaoFecha,
                                TipoAviso::ImportaEnergia,    TipoAviso::FaltaBagaco};
// The labels a warning may name: none, the header, each turbine exhaust.
const int RotulosAviso[] = {0, 2, 8, 9, 10, 19};

TEST(TextosNucleoJanela, EmPortuguesSaoOsTextosDoNucleo) {
    for (const std::string separador : {",", "."}) {
        SCOPED_TRACE(separador);
        for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
            SCOPED_TRACE(c.nome);
            EXPECT_EQ(FaixaPermitidaTraduzida(c, separador).toStdString(), FaixaPermitida(c, separador));
            // The tooltip as the window always wrote it, pressures said absolute.
            const QString unidade = std::string(c.unidade) == "bar" ? "bar (abs.)"
                                                                   : QString::fromUtf8(c.unidade);
            EXPECT_EQ(DicaEntrada(c, separador),
                      QString::fromUtf8(c.legenda) + "\nUnidade: " + unidade +
                          "\nValores aceitos: " +
                          QString::fromStdString(FaixaPermitida(c, separador)) + ".");
        }
        for (TipoAviso tipo : TiposAviso)
            for (double quantidade : Quantidades)
                for (int rotulo : RotulosAviso) {
                    const AvisoUsina aviso{tipo, quantidade, rotulo};
                    EXPECT_EQ(TextoAvisoTraduzido(aviso, separador).toStdString(),
                              TextoAviso(aviso, separador))
                        << quantidade;
                }
    }
    for (SituacaoCalculo situacao : Situacoes)
        EXPECT_EQ(TextoSituacaoTraduzida(situacao).toStdString(), TextoSituacao(situacao));
}

TEST(TextosNucleoJanela, EmInglesComOsMesmosNumeros) {
    std::map<std::string, QString> portugues;
    for (const CampoEntradaUsina& c : CamposEntradaUsina())
        portugues[c.nome] = DicaEntrada(c, ",");
    const EmIngles ingles;
    for (const std::string separador : {",", "."}) {
        SCOPED_TRACE(separador);
        for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
            SCOPED_TRACE(c.nome);
            const QString dica = DicaEntrada(c, separador);
            const QString original = QString::fromStdString(
                std::string(c.legenda) + " " + FaixaPermitida(c, separador));
            EXPECT_EQ(Numeros(dica), Numeros(original)) << dica.toStdString();
            EXPECT_FALSE(TemAcento(dica)) << dica.toStdString();
            EXPECT_TRUE(dica.startsWith(TraduzirNucleo(c.legenda) + "\nUnit: ")) << dica.toStdString();
            EXPECT_TRUE(dica.endsWith(FaixaPermitidaTraduzida(c, separador) + "."));
        }
        for (TipoAviso tipo : TiposAviso)
            for (double quantidade : Quantidades)
                for (int rotulo : RotulosAviso) {
                    const AvisoUsina aviso{tipo, quantidade, rotulo};
                    const QString texto = TextoAvisoTraduzido(aviso, separador);
                    EXPECT_EQ(Numeros(texto),
                              Numeros(QString::fromStdString(TextoAviso(aviso, separador))))
                        << texto.toStdString();
                    EXPECT_FALSE(TemAcento(texto)) << texto.toStdString();
                    EXPECT_NE(texto.toStdString(), TextoAviso(aviso, separador));
                }
    }
    for (SituacaoCalculo situacao : Situacoes) {
        const QString texto = TextoSituacaoTraduzida(situacao);
        EXPECT_EQ(texto.isEmpty(), TextoSituacao(situacao).empty());
        EXPECT_FALSE(TemAcento(texto)) << texto.toStdString();
    }
    // Every input says something of its own in English too.
    EXPECT_EQ(DicaEntrada(*BuscarCampoEntrada("Eprecal"), ",").count("190"), 3);
    EXPECT_NE(DicaEntrada(*BuscarCampoEntrada("Etscal"), ","), portugues["Etscal"]);
}

class JanelaIdioma : public JanelaTeste {
protected:
    void TearDown() override {
        AplicarIdioma(Idioma::Portugues);
        JanelaTeste::TearDown();
    }
    // Everything the window composes itself.
    std::map<QString, QString> Compostos() const {
        std::map<QString, QString> textos;
        textos["título"] = janela->windowTitle();
        textos["Memo1"] = janela->Memo1->toPlainText();
        textos["Memo2"] = janela->Memo2->toPlainText();
        textos["LinhaAviso"] = janela->LinhaAviso->text();
        for (const CampoEntradaUsina& c : CamposEntradaUsina())
            textos[QString("dica ") + c.nome] = Campo(c.nome)->toolTip();
        for (int i = 0; i < janela->Vistas->count(); ++i)
            textos[QString("aba %1").arg(i)] = janela->Vistas->tabText(i);
        return textos;
    }
    // A memo shows each of its lines unbroken.
    static void EsperarLinhasInteiras(const QTextEdit& memo, int largura) {
        const QFontMetrics medidas = memo.fontMetrics();
        const int util = largura - 2 * (memo.frameWidth() + int(memo.document()->documentMargin()));
        for (const QString& linha : LinhasDoMemo(memo))
            EXPECT_LE(medidas.horizontalAdvance(linha), util) << linha.toStdString();
    }
};

TEST_F(JanelaIdioma, TextosCompostosSeguemOIdiomaEVoltamExatos) {
    // A case with a name, changed after saving; then a run with a warning,
    // the warning line's newest message. (The line's other messages, stale
    // results and files written, follow the language in teste_janela_estado.)
    dialogos->salvar = QDir::current().absoluteFilePath("meu.usina");
    ASSERT_TRUE(janela->SalvarComoClick()) << Mensagens();
    Campo("Ecapusi")->setText("451");
    Campo("Emvalv")->setText("95,0");
    janela->BitBtn1->click();
    QCoreApplication::processEvents();
    ASSERT_TRUE(apresentador.erros.empty()) << Mensagens();
    const auto portugues = Compostos();
    ASSERT_TRUE(portugues.at("LinhaAviso").startsWith("Vapor insuficiente: faltam"));
    ASSERT_TRUE(portugues.at("título").startsWith("meu.usina* — Modelagem"));

    {
        const EmIngles ingles;
        const auto traduzidos = Compostos();
        for (const auto& [chave, texto] : portugues) {
            EXPECT_NE(traduzidos.at(chave), texto) << chave.toStdString();
            EXPECT_FALSE(TemAcento(traduzidos.at(chave))) << chave.toStdString();
        }
        EXPECT_EQ(janela->windowTitle(),
                  QString::fromUtf8("meu.usina* — Computer Modelling of a Sugar and Alcohol Mill"));
        const QString linha = janela->LinhaAviso->text();
        EXPECT_TRUE(linha.startsWith("Insufficient steam: ")) << linha.toStdString();
        EXPECT_EQ(Numeros(linha), Numeros(portugues.at("LinhaAviso")));
        for (const CampoEntradaUsina& c : CamposEntradaUsina())
            EXPECT_EQ(Campo(c.nome)->toolTip(), DicaEntrada(c, ",")) << c.nome;
        EXPECT_EQ(janela->Vistas->tabText(0), "Flowsheet with results");
        // The memos are as wide as their English lines.
        EsperarLinhasInteiras(*janela->Memo1,
                              janela->Memo1->minimumWidth() -
                                  janela->Memo1->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
        EsperarLinhasInteiras(*janela->Memo2, janela->Memo2->width());
        // Captions and titles of the panels; the inputs' come from the core.
        for (const DefinicaoPainel& painel : PaineisJanela()) {
            EXPECT_EQ((janela.get()->*painel.titulo)->text(),
                      QCoreApplication::translate(ContextoJanela, painel.textoTitulo));
            for (const LinhaCampo& l : painel.linhas)
                EXPECT_EQ((janela.get()->*l.legenda)->text(),
                          QCoreApplication::translate(l.contexto, l.texto))
                    << l.nomeLegenda;
        }
        EXPECT_EQ(janela->Label2->text(), "Mill capacity [t cane/h]");
    }
    EXPECT_EQ(Compostos(), portugues);
    EXPECT_EQ(janela->Label2->text(), QString::fromUtf8(LegendaEntrada("Ecapusi")));
    EsperarLinhasInteiras(*janela->Memo2, janela->Memo2->width());
}

// A note set in English says so, and follows back to Portuguese.
TEST_F(JanelaIdioma, NotaCompostaNoIdiomaEmQueEMostrada) {
    janela->BitBtn1->click();
    {
        const EmIngles ingles;
        Campo("Ejpeg")->setText("figura");
        janela->Button3->click();
        ASSERT_TRUE(apresentador.erros.empty()) << Mensagens();
        EXPECT_TRUE(janela->LinhaAviso->text().startsWith("Picture saved to "));
        janela->NovoClick();
        EXPECT_EQ(janela->LinhaAviso->text(),
                  "New case: the results shown are from the previous calculation.");
        // A message the window composes itself is in English too.
        Campo("Etxt")->setText(" ");
        janela->Button1->click();
        ASSERT_EQ(apresentador.erros.size(), 1u);
        EXPECT_EQ(apresentador.erros[0].mensagem, "Type the name of the report file before writing it.");
    }
    EXPECT_EQ(janela->LinhaAviso->text(),
              QString::fromUtf8("Caso novo: os resultados mostrados são do cálculo anterior."));
}

}  // namespace
