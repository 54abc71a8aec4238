// The "Ajuda" menu: the manual in both languages as the window shows it (its
// links, its inputs table against the checks), the window's what's-this
// texts, the keys that open the manual and the "Sobre" dialogue.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextTable>
#include <QToolButton>
#include <map>

#include "plant/TabelaEntradas.h"
#include "plant/TabelaSaidas.h"
#include "plant/TextosPadrao.h"
#include "plant/ValidacaoEntradas.h"
#include "teste_janela_apoio.h"
#include "ui/ajuda/DialogoSobre.h"
#include "ui/ajuda/JanelaAjuda.h"
#include "ui/ajuda/ManualUsina.h"
#include "ui/ajuda/MenuAjuda.h"
#include "ui/ajuda/OQueE.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/TextosNucleoJanela.h"
#include "ui/figura/DialogoConfiguracaoImpressora.h"

namespace {

// Anchor names and link targets of a document as Qt laid it out.
struct Ligacoes {
    QSet<QString> ancoras;
    QStringList links;
};

Ligacoes LigacoesDoDocumento(const QTextDocument& documento) {
    Ligacoes l;
    for (QTextBlock bloco = documento.begin(); bloco.isValid(); bloco = bloco.next()) {
        for (auto it = bloco.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat formato = it.fragment().charFormat();
            for (const QString& nome : formato.anchorNames()) l.ancoras.insert(nome);
            if (formato.isAnchor() && !formato.anchorHref().isEmpty())
                l.links << formato.anchorHref();
        }
    }
    return l;
}

// The table of a document whose first header cell reads primeiro.
QTextTable* TabelaComCabecalho(QTextDocument& documento, const QString& primeiro) {
    for (QTextBlock bloco = documento.begin(); bloco.isValid(); bloco = bloco.next()) {
        QTextCursor cursor(bloco);
        if (QTextTable* tabela = cursor.currentTable())
            if (tabela->cellAt(0, 0).firstCursorPosition().block().text() == primeiro)
                return tabela;
    }
    return nullptr;
}

QString TextoCelula(QTextTable& tabela, int linha, int coluna) {
    const QTextTableCell celula = tabela.cellAt(linha, coluna);
    QTextCursor cursor = celula.firstCursorPosition();
    cursor.setPosition(celula.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

// Clicks, as a reader does, the first link to href on the page shown.
void ClicarLink(QTextBrowser& navegador, const QString& href) {
    const QTextDocument& documento = *navegador.document();
    for (QTextBlock bloco = documento.begin(); bloco.isValid(); bloco = bloco.next()) {
        for (auto it = bloco.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragmento = it.fragment();
            if (fragmento.charFormat().anchorHref() != href) continue;
            QTextCursor cursor(navegador.document());
            cursor.setPosition(fragmento.position() + fragmento.length() / 2);
            navegador.setTextCursor(cursor);
            navegador.ensureCursorVisible();
            const QPoint ponto = navegador.cursorRect(cursor).center();
            QTest::mouseClick(navegador.viewport(), Qt::LeftButton, {}, ponto);
            QCoreApplication::processEvents();  // another page loads after the click
            return;
        }
    }
    ADD_FAILURE() << "no link to " << href.toStdString();
}

// --- The manual ---------------------------------------------------------------

class ManualAjuda : public ::testing::Test {
protected:
    void SetUp() override { ajuda.show(); }
    JanelaAjuda ajuda;
};

// Every link of either page lands somewhere: an anchor of the same page, the
// other language's page, or a picture compiled in; and both pages have the
// same sections, so neither language misses one.
TEST_F(ManualAjuda, CadaLinkDasDuasPaginasLevaAAlgumLugar) {
    QSet<QString> secoes[2];
    for (Idioma idioma : {Idioma::Portugues, Idioma::Ingles}) {
        SCOPED_TRACE(idioma == Idioma::Portugues ? "pt" : "en");
        ajuda.MostrarIdioma(idioma);
        ASSERT_EQ(ajuda.Navegador->source(), EnderecoManual(idioma));
        QTextDocument& documento = *ajuda.Navegador->document();
        ASSERT_FALSE(documento.isEmpty());
        const Ligacoes l = LigacoesDoDocumento(documento);
        EXPECT_GE(l.links.size(), 11);  // the contents and the other language
        for (const QString& link : l.links) {
            if (link.startsWith('#')) {
                EXPECT_TRUE(l.ancoras.contains(link.mid(1))) << link.toStdString();
            } else {
                const auto outro = IdiomaDoEndereco(ajuda.Navegador->source().resolved(link));
                ASSERT_TRUE(outro.has_value()) << link.toStdString();
                EXPECT_NE(*outro, idioma);
            }
        }
        for (const char* figura : {"fluxograma.jpg", "vista-fluxograma.png"}) {
            const QVariant imagem = documento.resource(
                QTextDocument::ImageResource, EnderecoManual(idioma).resolved(QUrl(figura)));
            EXPECT_TRUE(imagem.isValid()) << figura;
        }
        secoes[idioma == Idioma::Ingles] = l.ancoras;
        EXPECT_FALSE(TextoManual(idioma, ",").contains(MarcadorTabelaEntradas));
    }
    EXPECT_EQ(secoes[0], secoes[1]);
    EXPECT_GE(secoes[0].size(), 12);
}

// The inputs table as the browser shows it: the 18 inputs in the panels'
// order, each with its default text, and in the Portuguese page the core's
// caption, unit and exactly the sentence the field's checks give (the
// window's decimal comma). The English page's own texts are compared with
// the English window's below.
TEST_F(ManualAjuda, TabelaDeEntradasRepeteAsVerificacoes) {
    const struct {
        Idioma idioma;
        const char* cabecalho;
    } paginas[] = {{Idioma::Portugues, "Campo"}, {Idioma::Ingles, "Field"}};
    for (const auto& pagina : paginas) {
        ajuda.MostrarIdioma(pagina.idioma);
        QTextTable* tabela = TabelaComCabecalho(*ajuda.Navegador->document(), pagina.cabecalho);
        ASSERT_NE(tabela, nullptr) << pagina.cabecalho;
        const auto& campos = CamposEntradaUsina();
        ASSERT_EQ(tabela->rows(), 1 + int(campos.size()));
        ASSERT_EQ(tabela->columns(), 5);
        for (int i = 0; i < int(campos.size()); ++i) {
            const CampoEntradaUsina& c = campos[std::size_t(i)];
            SCOPED_TRACE(c.nome);
            const QString nome = QString::fromUtf8(c.nome) + (c.soComTurbinaAlta ? " †" : "");
            EXPECT_EQ(TextoCelula(*tabela, i + 1, 0), nome);
            EXPECT_EQ(TextoCelula(*tabela, i + 1, 3), QString::fromStdString(TextoPadrao(c.nome, ",")));
            if (pagina.idioma != Idioma::Portugues) continue;
            EXPECT_EQ(TextoCelula(*tabela, i + 1, 1), QString::fromUtf8(c.legenda));
            // Pressures are absolute, and the manual says so.
            EXPECT_EQ(TextoCelula(*tabela, i + 1, 2),
                      QString::fromUtf8(c.unidade) +
                          (std::string(c.unidade) == "bar" ? " (abs.)" : ""));
            EXPECT_EQ(TextoCelula(*tabela, i + 1, 4),
                      QString::fromStdString(FaixaPermitida(c, ",") + "."));
        }
    }
    // Worked by hand from the boiler's limits (the reading's 190 bar and the
    // property range), in each page's language beside the Portuguese window.
    const QString pt = LinhasTabelaEntradas(Idioma::Portugues, ".");
    const QString en = LinhasTabelaEntradas(Idioma::Ingles, ".");
    EXPECT_TRUE(pt.contains(
        "<td valign=\"top\">De 0.006109 a 190 bar; acima de 190 bar é lido como 190.</td>"));
    EXPECT_TRUE(en.contains("<td valign=\"top\">Boiler operating pressure [bar]</td>"));
    EXPECT_TRUE(en.contains(
        "<td valign=\"top\">From 0.006109 to 190 bar; above 190 bar it is read as 190.</td>"));
}

// Links between the languages, back, forward, start and search, as a reader
// uses them.
TEST_F(ManualAjuda, NavegaEntreIdiomasEVolta) {
    EXPECT_EQ(ajuda.objectName(), "JanelaAjuda");
    EXPECT_EQ(ajuda.windowTitle(), "Manual do usina");
    EXPECT_FALSE(ajuda.isModal());
    EXPECT_EQ(ajuda.IdiomaAtual(), Idioma::Portugues);
    EXPECT_FALSE(ajuda.BotaoVoltar->isEnabled());

    ClicarLink(*ajuda.Navegador, "manual.en.html");
    EXPECT_EQ(ajuda.IdiomaAtual(), Idioma::Ingles);
    EXPECT_EQ(ajuda.EscolhaIdioma->currentText(), "English");
    ASSERT_TRUE(ajuda.BotaoVoltar->isEnabled());
    ClicarLink(*ajuda.Navegador, "#linha-comando");
    EXPECT_EQ(ajuda.Navegador->source().fragment(), "linha-comando");
    EXPECT_GT(ajuda.Navegador->verticalScrollBar()->value(), 0);
    EXPECT_EQ(ajuda.IdiomaAtual(), Idioma::Ingles);

    ajuda.BotaoVoltar->click();
    ajuda.BotaoVoltar->click();
    EXPECT_EQ(ajuda.IdiomaAtual(), Idioma::Portugues);
    EXPECT_EQ(ajuda.EscolhaIdioma->currentText(), "Português");
    EXPECT_TRUE(ajuda.BotaoAvancar->isEnabled());
    ajuda.BotaoAvancar->click();
    EXPECT_EQ(ajuda.IdiomaAtual(), Idioma::Ingles);
    ajuda.BotaoInicio->click();
    EXPECT_EQ(ajuda.Navegador->source(), EnderecoManual(Idioma::Ingles));

    // Found twice over: the second search starts after the first find and
    // wraps to the top past the last one.
    EXPECT_TRUE(ajuda.Localizar("Keenan"));
    const int primeira = ajuda.Navegador->textCursor().position();
    EXPECT_TRUE(ajuda.Localizar("Keenan"));
    EXPECT_TRUE(ajuda.Localizar("Keenan"));
    EXPECT_TRUE(ajuda.Navegador->textCursor().hasSelection());
    EXPECT_FALSE(ajuda.Localizar("xyzzy"));
    EXPECT_GT(primeira, 0);

    // Typed as a reader does: Enter searches and leaves the manual open.
    ajuda.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ajuda));
    ajuda.CampoLocalizar->setFocus();
    QTest::keyClicks(ajuda.CampoLocalizar, "Keenan");
    QTest::keyClick(ajuda.CampoLocalizar, Qt::Key_Return);
    EXPECT_TRUE(ajuda.isVisible());
    EXPECT_EQ(ajuda.Navegador->textCursor().selectedText(), "Keenan");
}

// --- The window's help --------------------------------------------------------

class AjudaJanela : public JanelaTeste {
protected:
    void SetUp() override {
        JanelaTeste::SetUp();
        menu = janela->BarraMenus->findChild<QMenu*>("MenuAjuda");
    }
    QAction* Acao(const char* nome) const { return menu->findChild<QAction*>(nome); }

    QMenu* menu = nullptr;
};

// Every input and output field explains itself: caption, a sentence of its
// own (not only the unit) and, for inputs, what the checks accept.
TEST_F(AjudaJanela, TodoCampoDaJanelaTemOQueE) {
    const auto explicado = [&](const char* nome) {
        QLineEdit* campo = Campo(nome);
        ASSERT_NE(campo, nullptr) << nome;
        const QStringList linhas = campo->whatsThis().split("<br>");
        ASSERT_GE(linhas.size(), 2) << nome;
        EXPECT_TRUE(linhas[0].startsWith("<b>")) << nome;
        EXPECT_FALSE(linhas[1].startsWith("Unidade")) << nome << ": no sentence of its own";
        EXPECT_TRUE(linhas[1].endsWith('.')) << nome;
    };
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        explicado(c.nome);
        EXPECT_TRUE(Campo(c.nome)->whatsThis().contains(
            QString::fromStdString(FaixaPermitida(c, ",")).toHtmlEscaped()))
            << c.nome;
    }
    for (const CampoSaida& c : CamposSaida()) explicado(c.nome);
}

// The label an output belongs to comes from where its value is kept: the
// mill turbine's "Eirr4" is its shaft's (13), not its inlet stream's.
TEST_F(AjudaJanela, OQueEDasSaidasNomeiaUnidadeERotulo) {
    const struct {
        const char* nome;
        const char* contem;
        const char* naoContem;
    } casos[] = {
        {"Ep18", "Unidade: bar (abs.).<br>Rótulo 18 do fluxograma: Condensado de retorno.", nullptr},
        {"Eirr4", "Rótulo 13 do fluxograma: Eixo da turbomoenda.", "Rótulo 4 "},
        {"Ew20", "Unidade: kW.<br>Rótulo 20 do fluxograma: Eixo da bomba de condensado.", nullptr},
        {"Etit11", "Rótulo 11 do fluxograma", "Unidade"},
        {"Em1c", "Unidade: t/h.", "Rótulo"},
        {"Eprodvap", "<b>Quantidade de vapor [ton/h]</b>", "Rótulo"},
        {"Epstap", "Lido só com a turbina de alta pressão.", nullptr},
        {"Eprecal", "Unidade: bar (abs.). Valores aceitos: De 0,006109 a 190 bar; acima de 190 bar é "
                    "lido como 190.", "turbina de alta"},
    };
    for (const auto& caso : casos) {
        const QString texto = TextoOQueE(caso.nome, ",");
        EXPECT_TRUE(texto.contains(QString::fromUtf8(caso.contem))) << caso.nome << ": "
                                                                     << texto.toStdString();
        if (caso.naoContem != nullptr) {
            EXPECT_FALSE(texto.contains(QString::fromUtf8(caso.naoContem))) << caso.nome;
        }
    }
    EXPECT_TRUE(TextoOQueE("Etxt", ",").isEmpty());
    EXPECT_TRUE(TextoOQueE("nada", ",").isEmpty());
}

// F1 opens the manual, once however often it is pressed; Shift+F1 is
// "O que é isto?"; "Sobre" shows the version and the licence.
TEST_F(AjudaJanela, F1AbreOManualESobreMostraVersaoELicenca) {
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(janela->BarraMenus->actions().last(), menu->menuAction());
    ASSERT_NE(Acao("AcaoManual"), nullptr);
    ASSERT_NE(Acao("AcaoOQueE"), nullptr);
    ASSERT_NE(Acao("AcaoSobre"), nullptr);
    EXPECT_EQ(Acao("AcaoManual")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(Acao("AcaoOQueE")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));

    janela->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
    EXPECT_EQ(janela->findChild<JanelaAjuda*>(), nullptr);
    QTest::keyClick(janela.get(), Qt::Key_F1);
    auto* ajuda = janela->findChild<JanelaAjuda*>();
    ASSERT_NE(ajuda, nullptr);
    EXPECT_TRUE(ajuda->isVisible());
    EXPECT_EQ(ajuda->IdiomaAtual(), Idioma::Portugues);
    ajuda->close();
    janela->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
    QTest::keyClick(Campo("Ecapusi"), Qt::Key_F1);
    EXPECT_EQ(janela->findChildren<JanelaAjuda*>().size(), 1);
    EXPECT_TRUE(ajuda->isVisible());

    Acao("AcaoSobre")->trigger();
    auto* sobre = janela->findChild<DialogoSobre*>();
    ASSERT_NE(sobre, nullptr);
    EXPECT_TRUE(sobre->isVisible());
    EXPECT_EQ(VersaoUsina(), USINA_VERSAO_ESPERADA);
    EXPECT_TRUE(sobre->Texto->text().contains("usina " USINA_VERSAO_ESPERADA));
    EXPECT_TRUE(sobre->Texto->text().contains("Keenan, J. H.; Keyes, F. G.; Hill, P. G.; Moore"));
    EXPECT_TRUE(sobre->Texto->text().contains(qVersion()));
    const QString licenca = sobre->Licenca->toPlainText();
    EXPECT_TRUE(licenca.startsWith("Permission is hereby granted, free of charge"));
    EXPECT_TRUE(licenca.endsWith("DEALINGS IN THE SOFTWARE."));
    EXPECT_TRUE(licenca.contains("conditions:\n\nThe above copyright notice"));
    EXPECT_FALSE(licenca.contains("\n ."));
}

// --- The help in English --------------------------------------------------------

class AjudaIdioma : public AjudaJanela {
protected:
    void TearDown() override {
        AplicarIdioma(Idioma::Portugues);
        AjudaJanela::TearDown();
    }
    JanelaAjuda* AbrirManual() {
        Acao("AcaoManual")->trigger();
        return janela->findChild<JanelaAjuda*>();
    }
};

// F1 in English opens the English page; the open manual follows the window
// both ways, but the language picked in its own list stays until the window
// changes language again.
TEST_F(AjudaIdioma, ManualAbreNoIdiomaDaJanelaEAcompanhaATroca) {
    AplicarIdioma(Idioma::Ingles);
    EXPECT_EQ(menu->title(), "&Help");
    EXPECT_EQ(Acao("AcaoSobre")->text(), "&About usina…");
    JanelaAjuda* ajuda = AbrirManual();
    ASSERT_NE(ajuda, nullptr);
    EXPECT_EQ(ajuda->Navegador->source(), EnderecoManual(Idioma::Ingles));
    EXPECT_EQ(ajuda->IdiomaAtual(), Idioma::Ingles);
    EXPECT_EQ(ajuda->windowTitle(), "usina manual");
    EXPECT_NE(TabelaComCabecalho(*ajuda->Navegador->document(), "Field"), nullptr);

    AplicarIdioma(Idioma::Portugues);
    EXPECT_EQ(ajuda->Navegador->source(), EnderecoManual(Idioma::Portugues));
    EXPECT_EQ(ajuda->EscolhaIdioma->currentText(), "Português");
    EXPECT_EQ(ajuda->windowTitle(), "Manual do usina");
    EXPECT_EQ(ajuda->BotaoVoltar->text(), "Voltar");
    EXPECT_EQ(menu->title(), "Aj&uda");

    // The reader's own choice: English beside the Portuguese window, kept
    // by a second F1 and by a change that leaves the language as it was.
    ajuda->EscolhaIdioma->setCurrentIndex(1);
    emit ajuda->EscolhaIdioma->activated(1);
    EXPECT_EQ(ajuda->IdiomaAtual(), Idioma::Ingles);
    EXPECT_EQ(AbrirManual(), ajuda);
    EXPECT_EQ(ajuda->IdiomaAtual(), Idioma::Ingles);
    AplicarIdioma(Idioma::Portugues);
    EXPECT_EQ(ajuda->IdiomaAtual(), Idioma::Ingles);
    // In English the page is already English: no page is added to the
    // history, and "back" still leads to the Portuguese one.
    AplicarIdioma(Idioma::Ingles);
    EXPECT_EQ(ajuda->IdiomaAtual(), Idioma::Ingles);
    ajuda->BotaoVoltar->click();
    EXPECT_EQ(ajuda->IdiomaAtual(), Idioma::Portugues);
    // A search's "not found" changes language with the rest.
    EXPECT_FALSE(ajuda->Localizar("xyzzy"));
    AplicarIdioma(Idioma::Portugues);
    EXPECT_EQ(ajuda->findChild<QLabel*>("ResultadoBusca")->text(), "Não encontrado");
    EXPECT_EQ(ajuda->findChild<QPushButton*>("BotaoFechar")->text(), "Fechar");
}

// Every field's what's-this text changes to English, with the locale's
// decimal comma kept and no Portuguese of its own left, and comes back to
// the Portuguese exactly.
TEST_F(AjudaIdioma, OQueEMudaDeIdiomaEVoltaExato) {
    std::map<std::string, QString> portugues;
    const auto todos = [&](const auto& funcao) {
        for (const CampoEntradaUsina& c : CamposEntradaUsina()) funcao(std::string(c.nome));
        for (const CampoSaida& c : CamposSaida()) funcao(std::string(c.nome));
    };
    todos([&](const std::string& nome) { portugues[nome] = Campo(nome.c_str())->whatsThis(); });
    ASSERT_EQ(portugues.size(), CamposEntradaUsina().size() + CamposSaida().size());

    AplicarIdioma(Idioma::Ingles);
    todos([&](const std::string& nome) {
        const QString ingles = Campo(nome.c_str())->whatsThis();
        EXPECT_NE(ingles, portugues[nome]) << nome;
        EXPECT_FALSE(ingles.contains("Unidade") || ingles.contains("Rótulo")) << nome;
    });
    EXPECT_TRUE(Campo("Eprecal")->whatsThis().endsWith(
        "Unit: bar (abs.). Accepted values: From 0,006109 to 190 bar; above 190 bar it is read as 190."));
    EXPECT_TRUE(Campo("Ecapusi")->whatsThis().contains("Unit: t cane/h."));
    EXPECT_TRUE(Campo("Ep18")->whatsThis().endsWith("Flowsheet label 18: Return condensate."));
    // The sentences after the caption (which the window's own panels
    // translate) hold nothing Portuguese.
    const auto semLegenda = [](const QString& texto) { return texto.section("<br>", 1); };
    for (const char* nome : {"Eprevap", "Etcon", "Epstap", "Eirr4", "Etit11", "Eexbag"})
        EXPECT_FALSE(semLegenda(TextoOQueE(nome, ",")).contains(
            QRegularExpression("[ãõçáéíóúâêô]|\\b(de|da|do|que|vapor|turbina)\\b")))
            << nome << ": " << TextoOQueE(nome, ",").toStdString();

    AplicarIdioma(Idioma::Portugues);
    todos([&](const std::string& nome) {
        EXPECT_EQ(Campo(nome.c_str())->whatsThis(), portugues[nome]) << nome;
    });
}

// The English page's inputs table says what the English window says: each
// row makes up the field's tooltip (caption, unit, values accepted) with no
// Portuguese left, whichever language the window is in; beside the English
// window the Portuguese page keeps the core's texts.
TEST_F(AjudaIdioma, TabelaDeEntradasDoManualSegueAJanelaEmIngles) {
    const auto& campos = CamposEntradaUsina();
    AplicarIdioma(Idioma::Ingles);
    std::map<std::string, QString> dicas;
    for (const CampoEntradaUsina& c : campos) dicas[c.nome] = Campo(c.nome)->toolTip();
    JanelaAjuda* ajuda = AbrirManual();
    ASSERT_NE(ajuda, nullptr);
    const QRegularExpression portugues("[ãõçáéíóúâêô]|\\b(de|da|do|que|ou|cana|acima)\\b");
    for (Idioma janelaEm : {Idioma::Ingles, Idioma::Portugues}) {
        AplicarIdioma(janelaEm);
        SCOPED_TRACE(janelaEm == Idioma::Ingles ? "janela em inglês" : "janela em português");
        for (Idioma pagina : {Idioma::Portugues, Idioma::Ingles}) {
            ajuda->MostrarIdioma(pagina);
            QTextTable* tabela = TabelaComCabecalho(*ajuda->Navegador->document(),
                                                    pagina == Idioma::Ingles ? "Field" : "Campo");
            ASSERT_NE(tabela, nullptr);
            ASSERT_EQ(tabela->rows(), 1 + int(campos.size()));
            for (int i = 0; i < int(campos.size()); ++i) {
                const CampoEntradaUsina& c = campos[std::size_t(i)];
                const QString legenda = TextoCelula(*tabela, i + 1, 1);
                const QString faixa = TextoCelula(*tabela, i + 1, 4);
                if (pagina == Idioma::Portugues) {
                    EXPECT_EQ(legenda, QString::fromUtf8(c.legenda)) << c.nome;
                    EXPECT_EQ(faixa, QString::fromStdString(FaixaPermitida(c, ",") + ".")) << c.nome;
                    continue;
                }
                const QString unidade = TextoCelula(*tabela, i + 1, 2);
                EXPECT_EQ(legenda + "\nUnit: " + unidade + "\nAccepted values: " + faixa,
                          dicas[c.nome]);
                EXPECT_FALSE((legenda + " " + unidade + " " + faixa).contains(portugues))
                    << c.nome << ": " << (legenda + " | " + faixa).toStdString();
            }
        }
    }
}

// The accepted values composed in the window's language are, in
// Portuguese, the core's sentence exactly, for every input and both
// separators.
TEST(FaixaPermitidaTraduzida, EmPortuguesIgualAoNucleo) {
    for (const std::string separador : {",", "."})
        for (const CampoEntradaUsina& c : CamposEntradaUsina())
            EXPECT_EQ(FaixaPermitidaTraduzida(c, separador),
                      QString::fromStdString(FaixaPermitida(c, separador)))
                << c.nome << " " << separador;
}

// The printer set-up dialogue changes language with a warning shown and
// the paper and printer chosen kept.
TEST_F(AjudaIdioma, ConfiguracaoDaImpressoraMudaDeIdiomaSemPerderAEscolha) {
    QPrinter impressora(QPrinter::HighResolution);
    DialogoConfiguracaoImpressora dialogo(impressora, QStringList{"Sala 2"});
    dialogo.Impressoras->setCurrentIndex(1);
    dialogo.Papel->setCurrentIndex(dialogo.Papel->findText(QPageSize(QPageSize::A5).name()));
    dialogo.Paisagem->setChecked(true);
    dialogo.ArquivoPdf->clear();
    dialogo.accept();
    AplicarIdioma(Idioma::Ingles);
    EXPECT_EQ(dialogo.windowTitle(), "Printer setup");
    EXPECT_EQ(dialogo.Impressoras->currentText(), "PDF file");
    EXPECT_EQ(dialogo.Aviso->text(), "Choose the PDF file to print to.");
    EXPECT_EQ(dialogo.Papel->currentText(), QPageSize(QPageSize::A5).name());
    EXPECT_TRUE(dialogo.Paisagem->isChecked());
    EXPECT_EQ(dialogo.ArquivoPdf->text(), "");  // as typed, not the earlier name
    AplicarIdioma(Idioma::Portugues);
    EXPECT_EQ(dialogo.Impressoras->currentText(), "Arquivo PDF");
    EXPECT_EQ(dialogo.Aviso->text(), "Escolha o arquivo PDF em que imprimir.");
    EXPECT_EQ(dialogo.Impressoras->itemText(0), "Sala 2");
}

}  // namespace
