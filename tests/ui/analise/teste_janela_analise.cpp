// The "Análise" window on its own, with tools that record what they are
// told: every tool gets the inputs and dialogues whenever it joins, hears
// each change and the end; its tabs' titles stay whole with ten tools at
// 1366 x 768 and on a narrow window, and a click on a title shows its tool.
#include <QAbstractButton>
#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "ui/analise/JanelaAnalise.h"
#include "ui/comum/AbasEmLinhas.h"

namespace {

// A tool that only counts what the window tells it and answers with what it
// was given.
class FerramentaGravada : public VistaAnalise {
public:
    explicit FerramentaGravada(const QString& nome) { setObjectName(nome); }
    void DefinirFonteEntradas(FonteEntradas f) override { fonte = std::move(f); }
    void DefinirEscolhaArquivo(EscolhaArquivo e) override { escolha = std::move(e); }
    void DefinirConfirmacaoSubstituir(ConfirmacaoSubstituir c) override { confirmacao = std::move(c); }
    void EntradasMudaram() override { ++mudancas; }
    void Encerrar() override { ++encerramentos; }

    FonteEntradas fonte;
    EscolhaArquivo escolha;
    ConfirmacaoSubstituir confirmacao;
    int mudancas = 0;
    int encerramentos = 0;
};

// Titles as long as the tools' real ones, in either language, and longer.
const char* const Titulos[] = {
    "Estudo paramétrico",        "Comparar casos",
    "Sensibilidade",             "Otimização",
    "Parametric study of the plant", "Compare saved cases side by side",
    "Sensitivity of every output",   "Optimisation of the chosen inputs",
    "Uma ferramenta com um título bem comprido", "Another tool whose title is long too",
};

// Every button of the tabs visible, at least as wide and tall as its text
// asks, inside the window and overlapping no other.
void ExpectTitulosInteiros(const JanelaAnalise& janela, const AbasEmLinhas& abas, int n,
                           const std::string& onde) {
    std::vector<QRect> ocupados;
    for (int i = 0; i < n; ++i) {
        const QAbstractButton* botao = abas.Botao(i);
        ASSERT_NE(botao, nullptr) << onde << " " << i;
        EXPECT_TRUE(botao->isVisibleTo(&janela)) << onde << " " << i;
        EXPECT_GE(botao->width(), botao->sizeHint().width()) << onde << " " << i;
        EXPECT_GE(botao->height(), botao->sizeHint().height()) << onde << " " << i;
        const QRect naJanela(botao->mapTo(&janela, QPoint(0, 0)), botao->size());
        EXPECT_TRUE(janela.rect().contains(naJanela)) << onde << " " << botao->text().toStdString();
        for (const QRect& outro : ocupados)
            EXPECT_FALSE(outro.intersects(naJanela)) << onde << " " << botao->text().toStdString();
        ocupados.push_back(naJanela);
        // Nothing of the page may cover a title.
        const QRect pagina(janela.Abas->mapTo(&janela, QPoint(0, 0)), janela.Abas->size());
        EXPECT_FALSE(pagina.intersects(naJanela)) << onde << " " << i;
    }
}

TEST(JanelaAnalise, CadaFerramentaRecebeFonteDialogosMudancasEFim) {
    JanelaAnalise janela;
    auto* antes = new FerramentaGravada("Antes");
    janela.Adicionar(antes, "Teste", "Antes");
    janela.DefinirFonteEntradas([] {
        EntradasUsina e;
        e.comTurbinaAlta = false;
        return e;
    });
    janela.DefinirEscolhaArquivo([](const QString&, const QString&, const QStringList&,
                                    const QStringList&) { return QString("escolhido.csv"); });
    janela.DefinirConfirmacaoSubstituir([](const QString& caminho) { return caminho == "sim"; });
    // A tool added after the window was given them gets them too.
    auto* depois = new FerramentaGravada("Depois");
    janela.Adicionar(depois, "Teste", "Depois");
    ASSERT_EQ(janela.Ferramentas().size(), 2u);
    for (FerramentaGravada* f : {antes, depois}) {
        const std::string nome = f->objectName().toStdString();
        ASSERT_TRUE(f->fonte) << nome;
        EXPECT_FALSE(f->fonte().comTurbinaAlta) << nome;
        ASSERT_TRUE(f->escolha) << nome;
        EXPECT_EQ(f->escolha("", "", {}, {}), "escolhido.csv") << nome;
        ASSERT_TRUE(f->confirmacao) << nome;
        EXPECT_TRUE(f->confirmacao("sim")) << nome;
        EXPECT_FALSE(f->confirmacao("não")) << nome;
    }
    janela.EntradasMudaram();
    janela.EntradasMudaram();
    janela.Encerrar();
    for (FerramentaGravada* f : {antes, depois}) {
        EXPECT_EQ(f->mudancas, 2) << f->objectName().toStdString();
        EXPECT_EQ(f->encerramentos, 1) << f->objectName().toStdString();
    }
}

TEST(JanelaAnalise, DezTitulosInteirosEmCadaLargura) {
    JanelaAnalise janela;
    std::vector<FerramentaGravada*> ferramentas;
    for (int i = 0; i < 10; ++i) {
        ferramentas.push_back(new FerramentaGravada(QString("Ferramenta%1").arg(i)));
        janela.Adicionar(ferramentas.back(), "Teste", Titulos[i]);
    }
    auto* abas = janela.findChild<AbasEmLinhas*>();
    ASSERT_NE(abas, nullptr);
    janela.show();
    // The screen 1366 x 768 less a title bar, a half screen, a narrow window.
    for (const QSize tamanho : {QSize(1366, 740), QSize(683, 740), QSize(420, 600)}) {
        janela.resize(tamanho);
        QApplication::processEvents();
        const std::string onde = std::to_string(tamanho.width()) + "x" + std::to_string(tamanho.height());
        ExpectTitulosInteiros(janela, *abas, 10, onde);
    }
    // A title's button is named for its tool, reads as its tab, shows it.
    for (int i = 9; i >= 0; --i) {
        QAbstractButton* botao = abas->Botao(i);
        EXPECT_EQ(botao->objectName(), "AbaFerramenta" + QString::number(i));
        EXPECT_EQ(botao->text(), janela.Abas->tabText(i));
        EXPECT_EQ(botao->text(), Titulos[i]);
        botao->click();
        EXPECT_EQ(janela.Abas->currentWidget(), ferramentas[static_cast<std::size_t>(i)]);
        // One title pressed at a time.
        for (int j = 0; j < 10; ++j) EXPECT_EQ(abas->Botao(j)->isChecked(), j == i) << i << " " << j;
    }
    EXPECT_EQ(abas->Botao(10), nullptr);
    EXPECT_EQ(abas->Botao(-1), nullptr);
}

TEST(JanelaAnalise, MostrarTrazAFerramentaETituloDizOCaso) {
    JanelaAnalise janela;
    auto* primeira = new FerramentaGravada("Primeira");
    auto* segunda = new FerramentaGravada("Segunda");
    janela.Adicionar(primeira, "Teste", "Primeira");
    janela.Adicionar(segunda, "Teste", "Segunda");
    EXPECT_FALSE(janela.isVisible());
    janela.Mostrar(segunda);
    QApplication::processEvents();
    EXPECT_TRUE(janela.isVisible());
    EXPECT_EQ(janela.Abas->currentWidget(), segunda);
    auto* abas = janela.findChild<AbasEmLinhas*>();
    EXPECT_TRUE(abas->Botao(1)->isChecked());
    EXPECT_FALSE(abas->Botao(0)->isChecked());
    // Hidden again, it comes back with the tool asked for.
    janela.hide();
    janela.Mostrar(primeira);
    EXPECT_TRUE(janela.isVisible());
    EXPECT_EQ(janela.Abas->currentWidget(), primeira);

    EXPECT_EQ(janela.windowTitle(), "Análise");
    janela.DefinirNomeCaso("exemplo.usina*");
    EXPECT_EQ(janela.windowTitle(), QString::fromUtf8("Análise — exemplo.usina*"));
    janela.DefinirNomeCaso("");
    EXPECT_EQ(janela.windowTitle(), "Análise");
}

// A tool's shortcut works in this window too: the main window's menu is not
// there to take it.
TEST(JanelaAnalise, AtalhoDeCadaFerramentaNaJanela) {
    JanelaAnalise janela;
    auto* estudo = new FerramentaGravada("Estudo");
    auto* comparacao = new FerramentaGravada("Comparacao");
    auto* semAtalho = new FerramentaGravada("SemAtalho");
    janela.Adicionar(estudo, "Teste", "Estudo", QKeySequence(Qt::CTRL | Qt::Key_4));
    janela.Adicionar(comparacao, "Teste", "Comparacao", QKeySequence(Qt::CTRL | Qt::Key_5));
    janela.Adicionar(semAtalho, "Teste", "Sem atalho");
    janela.Mostrar(semAtalho);
    QApplication::setActiveWindow(&janela);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    QTest::keyClick(&janela, Qt::Key_5, Qt::ControlModifier);
    EXPECT_EQ(janela.Abas->currentWidget(), comparacao);
    QTest::keyClick(&janela, Qt::Key_4, Qt::ControlModifier);
    EXPECT_EQ(janela.Abas->currentWidget(), estudo);
    // One action per shortcut, none for the tool without one.
    EXPECT_EQ(janela.actions().size(), 2);
}

}  // namespace
