// The analysis tools in the "Análise" window: one entry of the "Análise" menu
// each, with its shortcut, which brings the window and the tool forward;
// none of them among the views of the last run; the comparisons of the menu
// open the comparison there; the window follows the case's name and goes
// when the main window closes, a running study stopped first.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCloseEvent>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "teste_janela_apoio.h"
#include "ui/analise/JanelaAnalise.h"
#include "ui/analise/VistaComparacao.h"
#include "ui/analise/VistaEstudo.h"
#include "ui/janela/FerramentasAnalise.h"
#include "ui/vistas/VistaCorrentes.h"

namespace {

using AnaliseTeste = JanelaTeste;

TEST_F(AnaliseTeste, UmaEntradaDoMenuPorFerramentaQueAbreSuaAba) {
    const auto& ferramentas = FerramentasAnalise();
    ASSERT_GE(ferramentas.size(), 2u);
    ASSERT_EQ(janela->Analise->Ferramentas().size(), ferramentas.size());
    ASSERT_EQ(janela->Analise->Abas->count(), static_cast<int>(ferramentas.size()));
    const QList<QAction*> entradas = janela->MenuAnalise->actions();
    for (std::size_t i = 0; i < ferramentas.size(); ++i) {
        const FerramentaAnalise& f = ferramentas[i];
        // In the order of the table, first in the menu.
        ASSERT_GT(entradas.size(), static_cast<qsizetype>(i));
        QAction* acao = entradas[static_cast<qsizetype>(i)];
        EXPECT_EQ(acao->objectName(), f.nomeAcao);
        EXPECT_EQ(acao->shortcut(), f.atalho) << f.nomeAcao;
        EXPECT_EQ(janela->Analise->Abas->tabText(static_cast<int>(i)), QString::fromUtf8(f.titulo));
        VistaAnalise* ferramenta = janela->Analise->Ferramentas()[i];
        // A tool is no view of the last run.
        EXPECT_EQ(janela->Vistas->indexOf(ferramenta), -1) << f.nomeAcao;
        EXPECT_EQ(ferramenta->window(), janela->Analise) << f.nomeAcao;

        acao->trigger();
        QCoreApplication::processEvents();
        EXPECT_TRUE(janela->Analise->isVisible()) << f.nomeAcao;
        EXPECT_EQ(janela->Analise->Abas->currentWidget(), ferramenta) << f.nomeAcao;
    }
    // The actions other code names.
    EXPECT_EQ(janela->AcaoEstudo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_4));
    EXPECT_EQ(janela->AcaoCompararCasos->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_5));
    janela->AcaoEstudo->trigger();
    EXPECT_EQ(janela->Analise->Abas->currentWidget(), janela->Estudo);
    janela->AcaoCompararCasos->trigger();
    EXPECT_EQ(janela->Analise->Abas->currentWidget(), janela->Comparacao);
    // The views of the last run stay where they were.
    janela->ExibirVista(janela->Correntes);
    EXPECT_EQ(janela->Vistas->currentWidget(), static_cast<QWidget*>(janela->Correntes));
    EXPECT_EQ(janela->Analise->Abas->currentWidget(), janela->Comparacao);
}

// The menu's comparisons and the property package still work from the main
// window's menu, their result in the "Análise" window.
TEST_F(AnaliseTeste, ComparacoesDoMenuNaJanelaAnalise) {
    struct Caso {
        QAction* acao;
        QString coluna2;
    };
    for (const Caso& c : {Caso{janela->AcaoCompararConfiguracoes, "Sem turbina de alta pressão"},
                          Caso{janela->AcaoCompararFormulacoes, "IAPWS-IF97"}}) {
        janela->Analise->hide();
        c.acao->trigger();
        QCoreApplication::processEvents();
        ASSERT_TRUE(apresentador.erros.empty()) << Mensagens();
        EXPECT_TRUE(janela->Analise->isVisible()) << c.acao->objectName().toStdString();
        EXPECT_EQ(janela->Analise->Abas->currentWidget(), janela->Comparacao);
        const QTreeWidget* arvore = janela->Comparacao->findChild<QTreeWidget*>("ArvoreComparacao");
        ASSERT_NE(arvore, nullptr);
        EXPECT_GT(arvore->topLevelItemCount(), 0);
        // The other case's column, beside those asked for before.
        QStringList cabecalho;
        // Long case names are broken onto lines of their heading.
        for (int i = 0; i < arvore->columnCount(); ++i)
            cabecalho << arvore->headerItem()->text(i).replace('\n', ' ');
        EXPECT_TRUE(cabecalho.contains(c.coluna2)) << cabecalho.join("|").toStdString();
    }
    // The property package's submenu stays in "Análise".
    auto* propriedades = janela->MenuAnalise->findChild<QMenu*>("MenuPropriedades");
    ASSERT_NE(propriedades, nullptr);
    EXPECT_TRUE(janela->MenuAnalise->actions().contains(propriedades->menuAction()));
}

// The study offers the high-pressure turbine's inputs only while the window's
// configuration has that turbine: at once while the study is shown, and when
// it is shown again after a change made while it was hidden.
TEST_F(AnaliseTeste, EstudoSegueAConfiguracaoDaJanela) {
    const auto oferece = [&] { return janela->Estudo->CampoEntrada1->findData("Epstap") >= 0; };
    janela->AcaoEstudo->trigger();
    QCoreApplication::processEvents();
    ASSERT_TRUE(janela->Estudo->isVisible());
    EXPECT_TRUE(oferece());
    janela->CheckBox1->setChecked(false);
    EXPECT_FALSE(oferece());
    janela->CheckBox1->setChecked(true);
    EXPECT_TRUE(oferece());

    janela->Analise->hide();
    janela->CheckBox1->setChecked(false);
    janela->AcaoEstudo->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(oferece());
    // Another tool in front, the change, then the study's tab again.
    janela->AcaoCompararCasos->trigger();
    janela->CheckBox1->setChecked(true);
    janela->AcaoEstudo->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(oferece());
}

TEST_F(AnaliseTeste, TituloSegueOCaso) {
    EXPECT_EQ(janela->Analise->windowTitle(), QString::fromUtf8("Análise — Sem título"));
    Campo("Eprecal")->setText("70,0");
    QCoreApplication::processEvents();
    EXPECT_TRUE(janela->Analise->windowTitle().endsWith("*")) << janela->Analise->windowTitle().toStdString();
    janela->NovoClick();
    dialogos->resposta = RespostaAlteracoes::Descartar;
    janela->NovoClick();
    EXPECT_FALSE(janela->Analise->windowTitle().endsWith("*"));
}

// Closing the main window stops a running study and takes the "Análise"
// window with it; a close that is cancelled leaves both.
TEST_F(AnaliseTeste, FecharAJanelaEncerraAsFerramentas) {
    janela->AcaoEstudo->trigger();
    QCoreApplication::processEvents();
    ASSERT_TRUE(janela->Analise->isVisible());
    // Many points, so that the study is still running when the window closes.
    janela->Estudo->Pontos1->setValue(100000);
    janela->Estudo->ExecutarClick();
    ASSERT_TRUE(apresentador.erros.empty()) << Mensagens();
    ASSERT_TRUE(janela->Estudo->Executando());

    // Unsaved changes, and the question answered "Cancelar": nothing closes.
    Campo("Eprecal")->setText("70,0");
    dialogos->resposta = RespostaAlteracoes::Cancelar;
    EXPECT_FALSE(janela->close());
    EXPECT_TRUE(janela->Analise->isVisible());
    EXPECT_TRUE(janela->Estudo->Executando());

    dialogos->resposta = RespostaAlteracoes::Descartar;
    EXPECT_TRUE(janela->close());
    EXPECT_FALSE(janela->Analise->isVisible());
    // The study's thread was stopped and joined before the close returned:
    // its end is already waiting in the event queue, with no wait.
    QCoreApplication::processEvents();
    EXPECT_FALSE(janela->Estudo->Executando());
}

}  // namespace
