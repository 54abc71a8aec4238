// The window's property package and crushing season: the menu chooses the
// package of every run, the title shows it while it is not the default, a
// case keeps both; the season's form feeds the run, stales the views, and
// its figures show as the core works them out, money as money; the two
// formulations side by side in the comparison.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

#include "io/CasoUsina.h"
#include "plant/CalculoUsina.h"
#include "plant/TabelaSafra.h"
#include "teste_janela_apoio.h"
#include "ui/analise/VistaComparacao.h"
#include "ui/comum/FormatoResultados.h"
#include "ui/vistas/VistaSafra.h"

namespace {

using SafraTeste = JanelaTeste;

void Executar(TFusina& janela) {
    janela.BitBtn1->click();
    QCoreApplication::processEvents();
}

// Money and grouped figures in both decimal marks, rounding and signs.
TEST(FormatoResultados, DinheiroEAgrupados) {
    const struct {
        double valor;
        const char* virgula;
        const char* ponto;
    } casos[] = {
        {12345678.9, "R$ 12.345.678,90", "R$ 12,345,678.90"},
        {-3766.956, "-R$ 3.766,96", "-R$ 3,766.96"},
        {999.995, "R$ 1.000,00", "R$ 1,000.00"},
        {-0.004, "R$ 0,00", "R$ 0.00"},
        {0.0, "R$ 0,00", "R$ 0.00"},
        {123.0, "R$ 123,00", "R$ 123.00"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(TextoDinheiro(c.valor, ",").toStdString(), c.virgula) << c.valor;
        EXPECT_EQ(TextoDinheiro(c.valor, ".").toStdString(), c.ponto) << c.valor;
    }
    EXPECT_EQ(TextoAgrupado(54127.701, 2, ",").toStdString(), "54.127,70");
    EXPECT_EQ(TextoAgrupado(1e300 * 1e300, 2, ","), "—");
}

TEST_F(SafraTeste, PacoteDePropriedadesNoMenuNoTituloENoCaso) {
    EXPECT_TRUE(janela->AcaoPropriedades1969->isChecked());
    EXPECT_FALSE(janela->windowTitle().contains("IAPWS-IF97"));
    Executar(*janela);
    EXPECT_EQ(janela->Resultado().formulacao, Formulacao::Kkhm1969);

    janela->AcaoPropriedadesIf97->trigger();
    EXPECT_TRUE(janela->windowTitle().contains("IAPWS-IF97")) << janela->windowTitle().toStdString();
    EXPECT_TRUE(janela->ResultadosDesatualizados());  // the run was of the other package
    EXPECT_TRUE(janela->CasoAlterado());
    Executar(*janela);
    ASSERT_TRUE(apresentador.erros.empty()) << Mensagens();
    EXPECT_EQ(janela->Resultado().formulacao, Formulacao::If97);
    EXPECT_FALSE(janela->ResultadosDesatualizados());
    // The very run the core makes of these inputs under IAPWS-IF97.
    EntradasUsina e;
    e.propriedades = Formulacao::If97;
    ResultadoUsina r;
    CalcularUsina(e, r);
    EXPECT_EQ(janela->Resultado().globais, r.globais);

    // Saved with the case, and back from it.
    dialogos->salvar = temporario.filePath("if97.usina");
    ASSERT_TRUE(janela->SalvarComoClick());
    QFile arquivo(dialogos->salvar);
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    EXPECT_TRUE(arquivo.readAll().contains("\"propriedades\": \"if97\""));
    janela->AcaoPropriedades1969->trigger();
    EXPECT_TRUE(janela->CasoAlterado());
    dialogos->resposta = RespostaAlteracoes::Descartar;
    ASSERT_TRUE(janela->AbrirCaso(dialogos->salvar));
    EXPECT_TRUE(janela->AcaoPropriedadesIf97->isChecked());
    EXPECT_FALSE(janela->CasoAlterado());
    janela->NovoClick();
    EXPECT_TRUE(janela->AcaoPropriedades1969->isChecked());
}

TEST_F(SafraTeste, FormularioDaSafraEFigurasDaUltimaExecucao) {
    VistaSafra& safra = *janela->Safra;
    ASSERT_EQ(safra.CamposSafra.size(), CamposEntradaSafra().size());
    EXPECT_EQ(safra.Texto("Ediasafra"), "200,0");
    EXPECT_TRUE(safra.CamposSafra[0]->toolTip().contains("Maior que 0 e no máximo 366 dias"));
    safra.CamposSafra[6]->setText("1E6");  // Einvest
    Executar(*janela);
    ASSERT_TRUE(apresentador.erros.empty()) << Mensagens();
    ASSERT_TRUE(janela->Resultado().safra.has_value());
    const ResultadosSafra& s = *janela->Resultado().safra;
    ASSERT_EQ(safra.TabelaSafra->rowCount(), static_cast<int>(CamposSaidaSafra().size()));
    const int total = safra.TabelaSafra->rowCount() - 1;
    EXPECT_EQ(safra.TabelaSafra->item(total, 1)->text(), TextoDinheiro(s.ReceitaTotal, ","));
    EXPECT_EQ(safra.TabelaSafra->item(total, 1)->data(PapelValorBruto).toDouble(), s.ReceitaTotal);

    // A season input stales the views and the case; 400 days is refused
    // naming the field; a text that is no number stops the run as the
    // written fields do.
    safra.CamposSafra[0]->setText("180");
    EXPECT_TRUE(janela->ResultadosDesatualizados());
    EXPECT_TRUE(janela->CasoAlterado());
    safra.CamposSafra[0]->setText("400");
    Executar(*janela);
    ASSERT_EQ(apresentador.erros.size(), 1u);
    EXPECT_TRUE(apresentador.erros.back().mensagem.contains("Duração da safra [dias]"))
        << apresentador.erros.back().mensagem.toStdString();
    safra.CamposSafra[0]->setText("abc");
    Executar(*janela);
    ASSERT_EQ(apresentador.erros.size(), 2u);
    EXPECT_EQ(apresentador.erros.back().mensagem, "'abc' is not a valid floating point value.");
    safra.CamposSafra[0]->setText("180");

    // Saved and opened again: the season comes back, nothing unsaved.
    dialogos->salvar = temporario.filePath("safra.usina");
    ASSERT_TRUE(janela->SalvarComoClick());
    janela->NovoClick();
    EXPECT_EQ(safra.Texto("Ediasafra"), "200,0");
    ASSERT_TRUE(janela->AbrirCaso(dialogos->salvar));
    EXPECT_EQ(safra.Texto("Ediasafra"), "180,0");
    EXPECT_EQ(safra.Texto("Einvest"), "1000000,0");
    EXPECT_FALSE(janela->CasoAlterado());
}

TEST_F(SafraTeste, CompararFormulacoes) {
    janela->AcaoCompararFormulacoes->trigger();
    QCoreApplication::processEvents();
    ASSERT_TRUE(apresentador.erros.empty()) << Mensagens();
    QTreeWidget* arvore = janela->Comparacao->findChild<QTreeWidget*>("ArvoreComparacao");
    ASSERT_NE(arvore, nullptr);
    EXPECT_EQ(arvore->headerItem()->text(2), "IAPWS-IF97");
    QStringList secoes;
    for (int i = 0; i < arvore->topLevelItemCount(); ++i) secoes << arvore->topLevelItem(i)->text(0);
    EXPECT_TRUE(secoes.contains("Correntes"));
    EXPECT_TRUE(secoes.contains("Propriedades da água"));
    EXPECT_TRUE(secoes.contains("h 1 Vapor vivo [kJ/kg]")) << secoes.join("|").toStdString();
    // Asked twice, still one column for the other package.
    janela->AcaoCompararFormulacoes->trigger();
    EXPECT_EQ(arvore->columnCount(), 5);
}

}  // namespace
