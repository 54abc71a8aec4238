// "Executar": the window's run writes exactly what the same calculation writes
// into a holder of fields in memory, on every panel, without switching panels.
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <string>
#include <vector>

#include "plant/CalculoCampos.h"
#include "plant/CamposMemoria.h"
#include "plant/TabelaEntradas.h"
#include "plant/SafraUsina.h"
#include "plant/TabelaSaidas.h"
#include "teste_janela_apoio.h"
#include "ui/janela/DefinicaoJanela.h"
#include "ui/vistas/VistaCorrentes.h"

namespace {

// The reference run: same calculation, fields in memory.
struct Referencia {
    explicit Referencia(bool comTurbinaAlta, const char* valvula = "10,0") : campos(",") {
        campos.DefinirCheckBox1(comTurbinaAlta);
        campos.DefinirEntrada("Emvalv", valvula);
        // The window runs the season too: its warnings follow the run's.
        ResultadoUsina resultado;
        const EntradasSafra safra;
        CalcularUsinaNosCampos(campos, resultado, ",", &safra);
        for (const AvisoUsina& aviso : AvisosComSafra(resultado))
            avisos.push_back(TextoAviso(aviso, ","));
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

// Without the high-pressure turbine its two inputs are not read: one that
// is not a number does not stop the run, nor is it taken for an error once
// the run has finished; the views show the run and say that the fields no
// longer hold a run's inputs. (The window used to refuse, after the run, in
// the words of a case that cannot be saved, and left the views as they were.)
TEST_F(ExecucaoTeste, EntradaNaoLidaQueNaoENumeroNaoParaOCalculo) {
    janela->CheckBox1->setChecked(false);
    Campo("Epstap")->setText("x");
    janela->BitBtn1Click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(apresentador.erros.empty()) << Mensagens();
    ASSERT_EQ(janela->Resultado().situacao, SituacaoCalculo::Completo);
    EXPECT_TRUE(janela->ResultadosDesatualizados());
    const auto* semCalculo = janela->Correntes->findChild<QWidget*>("AvisoSemCalculo");
    ASSERT_NE(semCalculo, nullptr);
    EXPECT_FALSE(semCalculo->isVisibleTo(janela->Correntes));
    // The number back: the views match the run again.
    Campo("Epstap")->setText("22");
    EXPECT_FALSE(janela->ResultadosDesatualizados());
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

    // A run that fails replaces them by the plain statement that the
    // results are incomplete, until a run finishes.
    Campo("Emvalv")->setText("95,0");
    Executar();
    Campo("Ecapusi")->setText("x");
    Executar();
    EXPECT_EQ(janela->LinhaAviso->text(),
              "O último cálculo parou com um erro: os resultados mostrados estão incompletos.  "
              "Capacidade da Usina: use vírgula decimal, por exemplo 400,5");
    Escolher(2);
    EXPECT_FALSE(janela->LinhaAviso->text().isEmpty());
    Campo("Ecapusi")->setText("400");
    Campo("Emvalv")->setText("10");
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

// A run that stops with an error is never taken for a result: the report is
// refused before the first run, after a run that stopped half-way (its
// panels partly new, partly old) and after refused inputs, and written again
// once a run finishes.
TEST_F(ExecucaoTeste, RelatorioSoDeUmCalculoCompleto) {
    const QString relatorio = temporario.filePath("dados.txt");
    janela->Button1->click();
    ASSERT_EQ(apresentador.erros.size(), 1u);
    EXPECT_EQ(apresentador.erros[0].mensagem,
              "Ainda não há resultados: execute o cálculo (Executar) antes de gravar.");
    EXPECT_FALSE(QFileInfo::exists(relatorio));

    Executar();
    const QString potenciaAntes = Campo("Ew14")->text();
    Campo("Eefical")->setText("80");
    Campo("Eefitmp")->setText("setenta");
    Executar();
    ASSERT_EQ(apresentador.erros.size(), 2u);
    EXPECT_EQ(Campo("Eefi17")->text(), "    8,0000E+001");  // before it: the new run's
    EXPECT_EQ(Campo("Ew14")->text(), potenciaAntes);  // after the failing field: the old run's
    janela->Button1->click();
    ASSERT_EQ(apresentador.erros.size(), 3u);
    EXPECT_EQ(apresentador.erros[2].mensagem,
              "O último cálculo não terminou: não há resultados completos para gravar.");
    EXPECT_FALSE(QFileInfo::exists(relatorio));

    // Refused inputs: the message names the caption, no field changes.
    Campo("Eefitmp")->setText("70");
    Campo("Eefitap")->setText("150");
    std::vector<QString> antes;
    for (QLineEdit* campo : janela->findChildren<QLineEdit*>()) antes.push_back(campo->text());
    Executar();
    ASSERT_EQ(apresentador.erros.size(), 4u);
    EXPECT_EQ(apresentador.erros[3].mensagem,
              "Valor impossível em \"Eficiência da turbina de alta pressão [%]\": 150. Deve ser "
              "maior que 0 e no máximo 100 %.");
    std::vector<QString> depois;
    for (QLineEdit* campo : janela->findChildren<QLineEdit*>()) depois.push_back(campo->text());
    EXPECT_EQ(depois, antes);
    EXPECT_TRUE(janela->LinhaAviso->text().startsWith("Dados de entrada recusados"));
    janela->Button1->click();
    EXPECT_EQ(apresentador.erros.size(), 5u);
    EXPECT_FALSE(QFileInfo::exists(relatorio));

    Campo("Eefitap")->setText("75");
    Executar();
    janela->Button1->click();
    EXPECT_EQ(apresentador.erros.size(), 5u) << Mensagens();
    EXPECT_TRUE(QFileInfo::exists(relatorio));
    // No warning of the run; the line says where the report went.
    EXPECT_EQ(janela->LinhaAviso->text(),
              QString::fromUtf8("Relatório gravado em ") +
                  QDir::toNativeSeparators(QDir::current().absoluteFilePath("dados.txt")));
}

// The calculation's tables name only fields the window has, with the right
// kind: every output of the table is a shaded field of the window and every
// shaded field is an output of the table; every plant input is an input.
TEST_F(JanelaTeste, TabelasDoCalculoCorrespondemAosCamposDaJanela) {
    QSet<QString> saidasJanela, entradasJanela;
    for (const DefinicaoPainel& painel : PaineisJanela()) {
        for (const LinhaCampo& linha : painel.linhas) {
            (linha.tipo == TipoCampo::Entrada ? entradasJanela : saidasJanela) << linha.nomeCampo;
        }
    }
    QSet<QString> saidasTabela;
    for (const CampoSaida& c : CamposSaida()) {
        EXPECT_NE(Campo(c.nome), nullptr) << c.nome;
        saidasTabela << c.nome;
    }
    EXPECT_EQ(saidasTabela, saidasJanela);
    for (const CampoEntradaUsina& c : CamposEntradaUsina())
        EXPECT_TRUE(entradasJanela.contains(c.nome)) << c.nome;
    EXPECT_EQ(entradasJanela.size(), static_cast<qsizetype>(CamposEntradaUsina().size() + 2));
}
