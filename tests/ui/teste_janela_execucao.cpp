// "Executar": the window's run writes exactly what the same calculation writes
// into a holder of fields in memory, on every panel, without switching panels.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <string>
#include <vector>

#include "plant/CalculoUsina.h"
#include "plant/CamposMemoria.h"
#include "plant/DadosUsina.h"
#include "teste_janela_apoio.h"
#include "ui/DefinicaoJanela.h"

namespace {

// The reference run: same calculation, fields in memory.
struct Referencia {
    explicit Referencia(bool comTurbinaAlta, const char* valvula = "10,0") : campos(",") {
        campos.DefinirCheckBox1(comTurbinaAlta);
        campos.DefinirEntrada("Emvalv", valvula);
        DadosUsina dados;
        CalcularUsina(campos, dados, ",", avisos);
    }
    CamposMemoria campos;
    std::vector<std::string> avisos;
};

const char* const camposTurbinaAlta[] = {"Ep1t", "Et1t", "Em2",    "Ep2",   "Et2",
                                         "Eefi12", "Ew12", "Eirr12", "Ee2l12"};

}  // namespace

class ExecucaoTeste : public JanelaTeste {
protected:
    void Executar() {
        janela->BitBtn1->click();
        QCoreApplication::processEvents();
    }
    void EsperarIgualA(const Referencia& referencia) {
        ASSERT_FALSE(referencia.campos.CamposEscritos().empty());
        for (const std::string& nome : referencia.campos.CamposEscritos()) {
            QLineEdit* campo = Campo(nome.c_str());
            ASSERT_NE(campo, nullptr) << nome;
            EXPECT_EQ(campo->text().toStdString(), referencia.campos.Texto(nome)) << nome;
        }
    }
};

TEST_F(ExecucaoTeste, PadroesPreenchemTodasAsSaidasComoEmMemoria) {
    Executar();
    EXPECT_TRUE(apresentador.erros.empty());
    const Referencia referencia(true);
    EsperarIgualA(referencia);
    for (const DefinicaoPainel& painel : PaineisJanela()) {
        for (const LinhaCampo& linha : painel.linhas) {
            if (linha.tipo == TipoCampo::Entrada) continue;
            EXPECT_FALSE(Campo(linha.nomeCampo)->text().trimmed().isEmpty()) << linha.nomeCampo;
        }
    }
}

TEST_F(ExecucaoTeste, ExecutarNaoTrocaDePainel) {
    Escolher(3);  // "Caldeira"
    Executar();
    EXPECT_TRUE(janela->Panel5->isVisible());
    EXPECT_FALSE(janela->Panel11->isVisible());
    EXPECT_FALSE(Campo("Emcomb")->text().trimmed().isEmpty());
    EXPECT_TRUE(janela->RadioGroup1->findChildren<QRadioButton*>().at(3)->isChecked());
}

TEST_F(ExecucaoTeste, SemTurbinaDeAltaEDepoisComEla) {
    janela->CheckBox1->setChecked(false);
    Executar();
    EXPECT_TRUE(Campo("Epstap")->isHidden());
    EXPECT_TRUE(Campo("Eefitap")->isHidden());
    EXPECT_FALSE(janela->Label12->isHidden());  // their captions stay
    EXPECT_FALSE(janela->Label13->isHidden());
    for (const char* nome : camposTurbinaAlta) EXPECT_EQ(Campo(nome)->text(), " ") << nome;
    EsperarIgualA(Referencia(false));

    janela->CheckBox1->setChecked(true);
    Executar();
    EXPECT_FALSE(Campo("Epstap")->isHidden());
    EXPECT_FALSE(Campo("Eefitap")->isHidden());
    EsperarIgualA(Referencia(true));
    for (const char* nome : camposTurbinaAlta)
        EXPECT_FALSE(Campo(nome)->text().trimmed().isEmpty()) << nome;
}

TEST_F(ExecucaoTeste, AvisosFicamNaLinhaDeAvisoAteAProximaExecucao) {
    // Nearly all the steam through the valve leaves too little for the
    // medium-pressure turbine.
    Campo("Emvalv")->setText("95,0");
    Executar();
    const Referencia referencia(true, "95,0");
    ASSERT_FALSE(referencia.avisos.empty());
    QStringList esperado;
    for (const std::string& aviso : referencia.avisos) esperado << QString::fromStdString(aviso);
    EXPECT_EQ(janela->LinhaAviso->text(), esperado.join("  "));
    EsperarIgualA(referencia);

    Escolher(9);  // still there on another panel
    EXPECT_EQ(janela->LinhaAviso->text(), esperado.join("  "));

    Campo("Emvalv")->setText("10,0");
    Executar();
    EXPECT_EQ(janela->LinhaAviso->text(), "");

    // A run that fails clears them too.
    Campo("Emvalv")->setText("95,0");
    Executar();
    Campo("Ecapusi")->setText("x");
    Executar();
    EXPECT_EQ(janela->LinhaAviso->text(), "");
}

TEST_F(ExecucaoTeste, NumeroInvalidoMostraErroEAJanelaContinua) {
    Campo("Eprevap")->setText("2.5");
    Executar();
    ASSERT_EQ(apresentador.erros.size(), 1u);
    EXPECT_EQ(apresentador.erros[0].mensagem, "'2.5' is not a valid floating point value.");
    EXPECT_EQ(apresentador.erros[0].titulo, "Usina");
    EXPECT_TRUE(janela->isVisible());

    Campo("Eprevap")->setText("2,5");
    Executar();
    EXPECT_EQ(apresentador.erros.size(), 1u);
    EsperarIgualA(Referencia(true));
}
