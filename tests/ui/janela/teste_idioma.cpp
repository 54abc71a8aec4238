// The window's language: every text the window and its views show, menus and
// dialogues included, changes to English and comes back to the written
// Portuguese exactly; in English nothing Portuguese is left. The texts are
// gathered from the widgets as Qt shows them, so a text that was never
// marked for translation is found wherever it is.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTreeWidget>
#include <QAbstractAxis>
#include <QAbstractSeries>
#include <QLegendMarker>
#include <map>

#include "teste_janela_apoio.h"
#include "ui/ajuda/DialogoSobre.h"
#include "ui/analise/JanelaAnalise.h"
#include "ui/analise/VistaEstudo.h"
#include "ui/comum/Idioma.h"
#include "ui/figura/DialogoConfiguracaoImpressora.h"
#include "ui/janela/LinhaComando.h"

namespace {

// Every shown text under raiz, keyed by the object's path and what the text
// is (text, title, tool tip, a tab, a header section, a chart's axis...).
using Textos = std::map<QString, QString>;

QString Caminho(const QObject* objeto) {
    QString caminho;
    for (const QObject* o = objeto; o != nullptr; o = o->parent())
        caminho.prepend("/" + (o->objectName().isEmpty() ? QString(o->metaObject()->className())
                                                         : o->objectName()));
    return caminho;
}

void Guardar(Textos& textos, const QObject* objeto, const QString& o_que, const QString& texto) {
    if (texto.trimmed().isEmpty()) return;
    QString chave = Caminho(objeto) + " " + o_que;
    // Siblings without names share a path; number them in the order found.
    for (int n = 2; textos.contains(chave); ++n) chave = Caminho(objeto) + " " + o_que + QString("#%1").arg(n);
    textos[chave] = texto;
}

void Cabecalhos(Textos& textos, const QAbstractItemView* vista) {
    const QAbstractItemModel* modelo = vista->model();
    if (modelo == nullptr) return;
    for (int c = 0; c < modelo->columnCount(); ++c)
        Guardar(textos, vista, QString("coluna %1").arg(c),
                modelo->headerData(c, Qt::Horizontal).toString());
}

Textos TextosVisiveis(const QWidget* raiz) {
    Textos textos;
    QList<QObject*> objetos = raiz->findChildren<QObject*>();
    objetos.prepend(const_cast<QWidget*>(raiz));
    for (const QObject* objeto : objetos) {
        if (const auto* acao = qobject_cast<const QAction*>(objeto)) {
            Guardar(textos, acao, "texto", acao->text());
            if (acao->toolTip() != QString(acao->text()).remove('&').remove("…"))
                Guardar(textos, acao, "dica", acao->toolTip());
            continue;
        }
        const auto* w = qobject_cast<const QWidget*>(objeto);
        if (w == nullptr) continue;
        if (w->isWindow()) Guardar(textos, w, "título", w->windowTitle());
        Guardar(textos, w, "dica", w->toolTip());
        Guardar(textos, w, "o que é", w->whatsThis());
        if (const auto* rotulo = qobject_cast<const QLabel*>(w)) Guardar(textos, w, "texto", rotulo->text());
        if (const auto* botao = qobject_cast<const QAbstractButton*>(w))
            Guardar(textos, w, "texto", botao->text());
        if (const auto* grupo = qobject_cast<const QGroupBox*>(w)) Guardar(textos, w, "título", grupo->title());
        if (const auto* menu = qobject_cast<const QMenu*>(w)) Guardar(textos, w, "título", menu->title());
        if (const auto* campo = qobject_cast<const QLineEdit*>(w))
            Guardar(textos, w, "exemplo", campo->placeholderText());
        if (const auto* memo = qobject_cast<const QTextEdit*>(w);
            memo != nullptr && qobject_cast<const QTextBrowser*>(w) == nullptr)
            Guardar(textos, w, "texto", memo->toPlainText());
        if (const auto* abas = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < abas->count(); ++i) {
                Guardar(textos, w, QString("aba %1").arg(i), abas->tabText(i));
                Guardar(textos, w, QString("dica da aba %1").arg(i), abas->tabToolTip(i));
            }
        if (const auto* lista = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < lista->count(); ++i)
                Guardar(textos, w, QString("item %1").arg(i), lista->itemText(i));
        if (const auto* arvore = qobject_cast<const QTreeWidget*>(w)) {
            for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(arvore)); *it; ++it)
                Guardar(textos, w, "item " + (*it)->data(0, Qt::UserRole).toString() + (*it)->text(0),
                        (*it)->text(0));
        } else if (const auto* vista = qobject_cast<const QAbstractItemView*>(w)) {
            Cabecalhos(textos, vista);
        }
        if (const auto* grafico = qobject_cast<const QChartView*>(w)) {
            const QChart* chart = grafico->chart();
            Guardar(textos, w, "título do gráfico", chart->title());
            int n = 0;
            for (const QAbstractAxis* eixo : chart->axes())
                Guardar(textos, w, QString("eixo %1").arg(n++), eixo->titleText());
            n = 0;
            for (const QAbstractSeries* serie : chart->series())
                Guardar(textos, w, QString("série %1").arg(n++), serie->name());
        }
    }
    return textos;
}

// The texts of the main window and of its "Análise" window, which holds the
// analysis tools.
Textos TextosDasJanelas(const TFusina& janela) {
    Textos textos = TextosVisiveis(&janela);
    textos.merge(TextosVisiveis(janela.Analise));
    return textos;
}

// Portuguese in a text meant to be English: its accented letters, or one of
// its common words.
bool ParecePortugues(const QString& texto) {
    static const QRegularExpression acentos(QStringLiteral("[ãõçáéíóúâêôàÃÕÇÁÉÍÓÚÂÊÔÀ]"));
    static const QRegularExpression palavras(QStringLiteral(
        "\\b(de|da|do|das|dos|para|com|não|em|entrada|saída|vapor|pressão|potência|turbina|"
        "caldeira|arquivo|salvar|abrir|exibir|vazão|bomba|eficiência|calcular|resultados?|"
        "estudo|casos?|idioma|ajuda)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    QString limpo = texto;
    // Names that are the same in every language: the languages' own names
    // in the language menu, the program, the authors of the equation and of
    // the fuel exergy correlation, the field names.
    // The title of the steam tables' book in "Sobre" is English already.
    for (const char* nome : {"Português", "usina-calc", "usina", "Keenan", "Keyes", "Hill", "Moore",
                             "Szargut", "Styrylska", "Including Vapor"})
        limpo.remove(QString::fromUtf8(nome));
    return acentos.match(limpo).hasMatch() || palavras.match(limpo).hasMatch();
}

class IdiomaTeste : public JanelaTeste {
protected:
    void TearDown() override {
        AplicarIdioma(Idioma::Portugues);
        JanelaTeste::TearDown();
    }
    // The window after a run, with every view filled and the dialogues that
    // stay open beside it.
    void Preparar() {
        janela->BitBtn1->click();
        QCoreApplication::processEvents();
        janela->AcaoCompararConfiguracoes->trigger();
        janela->Estudo->ExecutarClick();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !janela->Estudo->Executando(); }, 60000));
        for (int i = 0; i < janela->Vistas->count(); ++i) janela->Vistas->setCurrentIndex(i);
        QCoreApplication::processEvents();
        new DialogoSobre(janela.get());
        new DialogoConfiguracaoImpressora(janela->Impressora(), janela.get());
        janela->findChild<QAction*>("AcaoManual")->trigger();
        QCoreApplication::processEvents();
    }
};

TEST_F(IdiomaTeste, InglesTraduzTudoEPortuguesVoltaExato) {
    Preparar();
    const Textos portugues = TextosDasJanelas(*janela);
    ASSERT_GT(portugues.size(), 300u);

    AplicarIdioma(Idioma::Ingles);
    const Textos ingles = TextosDasJanelas(*janela);
    EXPECT_EQ(ingles.size(), portugues.size());
    int portuguesRestante = 0;
    for (const auto& [chave, texto] : ingles)
        if (ParecePortugues(texto)) {
            ADD_FAILURE() << "não traduzido: " << chave.toStdString() << " = \"" << texto.toStdString() << '"';
            ++portuguesRestante;
        }
    EXPECT_EQ(portuguesRestante, 0);
    // Examples of each kind of text in English.
    EXPECT_EQ(janela->MenuArquivo->title(), "&File");
    EXPECT_EQ(janela->BitBtn1->text(), "Run");
    EXPECT_EQ(janela->findChild<QMenu*>("MenuIdioma")->title(), "&Language");

    AplicarIdioma(Idioma::Portugues);
    const Textos devolta = TextosDasJanelas(*janela);
    for (const auto& [chave, texto] : portugues) {
        const auto achado = devolta.find(chave);
        ASSERT_NE(achado, devolta.end()) << chave.toStdString();
        EXPECT_EQ(achado->second, texto) << chave.toStdString();
    }
    EXPECT_EQ(devolta.size(), portugues.size());
    EXPECT_EQ(janela->BitBtn1->text(), "Executar");
}

// A window built while English is on is the same as one switched to it.
TEST_F(IdiomaTeste, JanelaCriadaEmInglesIgualAJanelaTraduzida) {
    AplicarIdioma(Idioma::Ingles);
    TFusina nova;
    nova.show();
    QCoreApplication::processEvents();
    const Textos criada = TextosDasJanelas(nova);
    AplicarIdioma(Idioma::Portugues);
    AplicarIdioma(Idioma::Ingles);
    EXPECT_EQ(TextosDasJanelas(nova), criada);
}

// The menu applies the language and keeps it for the next start; --lang
// chooses one for a run only.
TEST_F(IdiomaTeste, MenuIdiomaGuardaEscolhaELinhaDeComando) {
    EXPECT_EQ(IdiomaGuardado(), Idioma::Portugues);
    janela->findChild<QAction*>("AcaoIngles")->trigger();
    EXPECT_EQ(IdiomaAtual(), Idioma::Ingles);
    EXPECT_EQ(IdiomaGuardado(), Idioma::Ingles);
    EXPECT_EQ(janela->BitBtn1->text(), "Run");
    janela->findChild<QAction*>("AcaoPortugues")->trigger();
    EXPECT_EQ(IdiomaGuardado(), Idioma::Portugues);
    EXPECT_EQ(janela->BitBtn1->text(), "Executar");

    QSettings().setValue("interface/idioma", "xx");
    EXPECT_EQ(IdiomaGuardado(), Idioma::Portugues);

    struct Caso {
        QStringList argumentos;
        std::optional<Idioma> idioma;
        int codigo;
    };
    for (const Caso& caso : {Caso{{"usina", "--lang", "en"}, Idioma::Ingles, 0},
                             Caso{{"usina", "--lang=pt", "x.usina"}, Idioma::Portugues, 0},
                             Caso{{"usina"}, std::nullopt, 0},
                             Caso{{"usina", "--lang", "de"}, std::nullopt, 2},
                             Caso{{"usina", "--lang"}, std::nullopt, 2}}) {
        const OpcoesJanela opcoes = LerOpcoesJanela(caso.argumentos);
        EXPECT_EQ(opcoes.idioma, caso.idioma) << caso.argumentos.join(' ').toStdString();
        EXPECT_EQ(opcoes.codigo, caso.codigo) << caso.argumentos.join(' ').toStdString();
    }
    QSettings().remove("interface/idioma");
}

}  // namespace

namespace {

// A refused input reaches the error box in the window's language, and
// exactly as before in Portuguese.
TEST_F(IdiomaTeste, MensagemDoCalculoNaCaixaDeErroSegueOIdioma) {
    Campo("Eefical")->setText("150");
    janela->BitBtn1->click();
    AplicarIdioma(Idioma::Ingles);
    janela->BitBtn1->click();
    ASSERT_EQ(apresentador.erros.size(), 2u);
    const QString portugues = apresentador.erros[0].mensagem;
    const QString ingles = apresentador.erros[1].mensagem;
    EXPECT_TRUE(portugues.startsWith("Valor impossível em \"")) << portugues.toStdString();
    EXPECT_TRUE(ingles.startsWith("Impossible value in \"")) << ingles.toStdString();
    EXPECT_TRUE(ingles.endsWith("150. Must be greater than 0 and at most 100 %.")) << ingles.toStdString();
    EXPECT_FALSE(ParecePortugues(ingles)) << ingles.toStdString();
}

}  // namespace
