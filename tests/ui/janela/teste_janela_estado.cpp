// What the window shows of its own state: the high-pressure turbine's inputs
// shown as CheckBox1 says, the same number as the same text whether typed by
// default or opened from a case.
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <map>
#include <vector>

#include "plant/TabelaEntradas.h"
#include "teste_janela_apoio.h"
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

}  // namespace
