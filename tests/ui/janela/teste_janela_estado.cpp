// What the window shows of its own state: the warning line's one message at
// a time, the panels' outputs greyed while they are not the inputs' results,
// the high-pressure turbine's inputs shown as CheckBox1 says, the same number
// as the same text whether typed by default or opened from a case.
#include <QAction>
#include <QCheckBox>
#include <QColor>
#include <QFile>
#include <QPalette>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <map>
#include <vector>

#include "plant/TabelaEntradas.h"
#include "EmIngles.h"
#include "teste_janela_apoio.h"
#include "ui/comum/AvisosVista.h"
#include "ui/vistas/VistaSafra.h"

namespace {

using EstadoTeste = JanelaTeste;

// Every input text of the window, the season's included.
std::map<QString, QString> TextosEntrada(const TFusina& janela) {
    std::map<QString, QString> textos;
    for (const CampoEntradaUsina& c : CamposEntradaUsina())
        textos[c.nome] = janela.findChild<QLineEdit*>(c.nome)->text();
    for (const QLineEdit* campo : janela.Safra->CamposSafra) textos[campo->objectName()] = campo->text();
    return textos;
}

// The defaults saved as a case and opened again come back as the very texts
// they started as ("400,0", never "400"), after other texts were typed.
TEST_F(EstadoTeste, PadroesSalvosEAbertosVoltamComOsMesmosTextos) {
    const auto padroes = TextosEntrada(*janela);
    ASSERT_EQ(padroes.at("Ecapusi"), "400,0");
    dialogos->salvar = QDir::current().absoluteFilePath("padrao.usina");
    ASSERT_TRUE(janela->SalvarComoClick()) << Mensagens();
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) Campo(c.nome)->setText("1");
    for (QLineEdit* campo : janela->Safra->CamposSafra) campo->setText("2");
    dialogos->resposta = RespostaAlteracoes::Descartar;
    ASSERT_TRUE(janela->AbrirCaso(dialogos->salvar)) << Mensagens();
    EXPECT_EQ(TextosEntrada(*janela), padroes);
}

// Ticking or unticking "Sim" shows or hides the turbine's two inputs at
// once, with no run; hidden they keep their place: every row below them
// stays where it was, and so does the panel.
TEST_F(EstadoTeste, CamposDaTurbinaDeAltaSeguemSimNaHoraSemMoverAsLinhas) {
    Escolher(1);  // "Dados de Entrada"
    const auto posicoes = [&] {
        std::vector<QRect> r;
        for (const char* nome : {"Eprecon", "Etcon", "Eefibom", "Eefitb", "Eefitm", "Emvalv",
                                 "Eefitmp", "Label14", "Label20"}) {
            const QWidget* w = janela->Panel2->findChild<QWidget*>(nome);
            r.push_back(QRect(w->mapTo(janela->Panel2, QPoint(0, 0)), w->size()));
        }
        r.push_back(janela->Panel2->geometry());
        return r;
    };
    const auto esperar = [&] {
        QCoreApplication::processEvents();
        janela->Panel2->layout()->activate();
    };
    esperar();
    const std::vector<QRect> antes = posicoes();
    for (const bool marcado : {false, true, false}) {
        janela->CheckBox1->setChecked(marcado);
        esperar();
        for (const char* nome : {"Epstap", "Eefitap"}) {
            EXPECT_EQ(Campo(nome)->isVisible(), marcado) << nome;
            EXPECT_EQ(Campo(nome)->isHidden(), !marcado) << nome;
        }
        EXPECT_TRUE(janela->Label12->isVisible());  // the captions stay
        EXPECT_TRUE(janela->Label13->isVisible());
        EXPECT_EQ(posicoes(), antes) << "marcado " << marcado;
    }
    // Another panel chosen meanwhile: still hidden when shown again.
    Escolher(0);
    Escolher(1);
    EXPECT_TRUE(Campo("Epstap")->isHidden());
    EXPECT_EQ(posicoes(), antes);
    // The run agrees with the box.
    janela->BitBtn1->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Campo("Eefitap")->isHidden());
    janela->CheckBox1->setChecked(true);
    EXPECT_FALSE(Campo("Eefitap")->isHidden());
}

const QColor Vermelho(0xa0, 0x00, 0x00);

QColor CorLinha(const TFusina& janela) { return janela.LinhaAviso->palette().color(QPalette::WindowText); }

QString Absoluto(const char* nome) {
    return QDir::toNativeSeparators(QDir::current().absoluteFilePath(nome));
}

// The line says one thing at a time, the newest: never the run's warnings
// or the stale results joined to the file just written; warnings, stale
// results and failures in red, files written in the window's text colour.
TEST_F(EstadoTeste, LinhaDeAvisoMostraSoAMensagemMaisNova) {
    const QColor normal = janela->palette().color(QPalette::WindowText);
    ASSERT_NE(normal, Vermelho);
    const auto esperar = [&](const QString& texto, bool vermelho, int passo) {
        EXPECT_EQ(janela->LinhaAviso->text(), texto) << "passo " << passo;
        EXPECT_EQ(CorLinha(*janela), vermelho ? Vermelho : normal) << "passo " << passo;
    };
    Campo("Emvalv")->setText("95,0");
    janela->BitBtn1->click();
    const QString avisos = janela->LinhaAviso->text();
    ASSERT_TRUE(avisos.startsWith("Vapor insuficiente")) << avisos.toStdString();
    esperar(avisos, true, 1);

    Campo("Etxt")->setText("rel");
    janela->Button1->click();
    esperar(QString::fromUtf8("Relatório gravado em ") + Absoluto("rel.txt"), false, 2);

    const QString desatualizado = QString::fromUtf8(TextoDesatualizado);
    Campo("Ecapusi")->setText("451");
    esperar(desatualizado, true, 3);
    const QString bagaco = Campo("Ebag")->text();
    Campo("Ebag")->setText("260");  // still stale: no news
    esperar(desatualizado, true, 4);
    {
        const EmIngles ingles;
        esperar(TextoDesatualizadoTraduzido(), true, 5);
    }
    Campo("Ebag")->setText(bagaco);
    Campo("Ecapusi")->setText("400");  // the run's inputs again: its warnings
    esperar(avisos, true, 6);

    dialogos->gravar = QDir::current().absoluteFilePath("relatorio.pdf");
    janela->RelatorioPdfClick();
    ASSERT_TRUE(apresentador.erros.empty()) << Mensagens();
    esperar(QString::fromUtf8("Relatório PDF gravado em ") + Absoluto("relatorio.pdf"), false, 7);

    Campo("Ecapusi")->setText("451");
    esperar(desatualizado, true, 8);
    Campo("Ejpeg")->setText("figura");
    janela->Button3->click();
    esperar(QString::fromUtf8("Figura salva em ") + Absoluto("figura.jpg"), false, 9);
    {
        const EmIngles ingles;
        esperar("Picture saved to " + Absoluto("figura.jpg"), false, 10);
    }

    Campo("Ecapusi")->setText("x");
    janela->BitBtn1->click();
    esperar(QString::fromUtf8(
                "O último cálculo parou com um erro: os resultados mostrados estão incompletos.  "
                "Capacidade da Usina: use vírgula decimal, por exemplo 400,5"),
            true, 11);
    Campo("Ecapusi")->setText("400");
    Campo("Emvalv")->setText("10,0");
    janela->BitBtn1->click();  // a clean run: nothing to say
    esperar("", false, 12);
    ASSERT_EQ(apresentador.erros.size(), 1u) << Mensagens();

    // A run that leaves the results stale from the start (an input it does
    // not read is no number) says so, though they were stale before it too.
    janela->CheckBox1->setChecked(false);
    Campo("Epstap")->setText("x");
    esperar(desatualizado, true, 13);
    janela->BitBtn1->click();
    esperar(desatualizado, true, 14);
    Campo("Epstap")->setText("22,0");
    janela->CheckBox1->setChecked(true);
    janela->BitBtn1->click();
    esperar("", false, 15);

    // A case opened: a note, not red; red when its reading warns of
    // something (a key the program does not know).
    dialogos->salvar = QDir::current().absoluteFilePath("c.usina");
    ASSERT_TRUE(janela->SalvarComoClick()) << Mensagens();
    ASSERT_TRUE(janela->AbrirCaso(dialogos->salvar)) << Mensagens();
    esperar(QString::fromUtf8("Caso aberto: os resultados mostrados são do cálculo anterior."),
            false, 16);
    QFile arquivo(dialogos->salvar);
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    QByteArray texto = arquivo.readAll();
    arquivo.close();
    ASSERT_TRUE(texto.startsWith("{"));
    texto.insert(1, "\"operador\": \"Ana\", ");
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    arquivo.write(texto);
    arquivo.close();
    ASSERT_TRUE(janela->AbrirCaso(dialogos->salvar)) << Mensagens();
    EXPECT_TRUE(janela->LinhaAviso->text().contains("operador")) << janela->LinhaAviso->text().toStdString();
    EXPECT_EQ(CorLinha(*janela), Vermelho);
    ASSERT_EQ(apresentador.erros.size(), 1u) << Mensagens();
}

// The panels' outputs greyed, with the same texts, after an input changed,
// a case opened (even one with the very inputs of the run), a case started
// anew, or a run refused; in the text's colour again after a run that
// finished, and only then for the last two.
TEST_F(EstadoTeste, SaidasDosPaineisCinzentasAteUmCalculoTerminar) {
    const QColor preto = janela->palette().color(QPalette::Active, QPalette::Text);
    const QColor cinza = janela->palette().color(QPalette::Disabled, QPalette::Text);
    ASSERT_NE(preto, cinza);
    const std::vector<QLineEdit*> saidas = {Campo("Em11"), Campo("Emcomb"), Campo("Ew12"),
                                            Campo("Ep6"),  Campo("Ew13"),   Campo("Epotele"),
                                            Campo("Eirrvalv")};
    const auto textos = [&] {
        std::vector<QString> t;
        for (const QLineEdit* campo : saidas) t.push_back(campo->text());
        return t;
    };
    const auto esperarCor = [&](const QColor& cor, const char* quando) {
        for (const QLineEdit* campo : saidas)
            EXPECT_EQ(campo->palette().color(QPalette::Text), cor)
                << quando << ": " << campo->objectName().toStdString();
        // The inputs are never greyed.
        EXPECT_EQ(Campo("Ecapusi")->palette().color(QPalette::Text), preto) << quando;
    };
    const auto executar = [&] {
        janela->BitBtn1->click();
        QCoreApplication::processEvents();
    };
    executar();
    const std::vector<QString> calculados = textos();
    esperarCor(preto, "calculado");

    // An input changed, and changed back.
    Campo("Ecapusi")->setText("451");
    esperarCor(cinza, "entrada mudada");
    EXPECT_EQ(textos(), calculados);
    Campo("Ecapusi")->setText("400");
    esperarCor(preto, "entrada de volta");

    // A case opened that holds the run's very inputs: still from before it.
    dialogos->salvar = QDir::current().absoluteFilePath("igual.usina");
    ASSERT_TRUE(janela->SalvarComoClick()) << Mensagens();
    ASSERT_TRUE(janela->AbrirCaso(dialogos->salvar)) << Mensagens();
    esperarCor(cinza, "caso aberto");
    EXPECT_EQ(textos(), calculados);
    executar();
    esperarCor(preto, "calculado depois de abrir");

    janela->NovoClick();
    esperarCor(cinza, "caso novo");
    executar();
    esperarCor(preto, "calculado depois de novo");

    // A refused run, then the input as it was: still greyed until a run
    // finishes.
    Campo("Eefitap")->setText("150");
    executar();
    ASSERT_EQ(apresentador.erros.size(), 1u) << Mensagens();
    Campo("Eefitap")->setText("75,0");
    esperarCor(cinza, "cálculo recusado");
    EXPECT_EQ(textos(), calculados);
    executar();
    esperarCor(preto, "calculado de novo");
    EXPECT_EQ(textos(), calculados);
    ASSERT_EQ(apresentador.erros.size(), 1u) << Mensagens();
}

}  // namespace
