// An analysis's answer applied to the window: "Executar" on the fields then
// gives the answer's output to the last bit, whatever the configuration, the
// season's inputs and the property package the answer carries.
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QLineEdit>
#include <QPushButton>

#include "io/CasoUsina.h"
#include "plant/AtingirMeta.h"
#include "plant/CamposNomeados.h"
#include "plant/Otimizacao.h"
#include "teste_janela_apoio.h"
#include "ui/analise/JanelaAnalise.h"
#include "ui/analise/VistaOtimizacao.h"

namespace {

using AnaliseAplicada = JanelaTeste;

std::optional<double> Saida(const TFusina& janela, const char* nome) {
    return BuscarSaida(nome).Valor(janela.Resultado());
}

}  // namespace

TEST_F(AnaliseAplicada, ExecutarReproduzOOtimoEAMetaExatamente) {
    struct Caso {
        const char* descricao;
        bool comTurbina;
        Formulacao formulacao;
        std::vector<FaixaEntrada> faixas;
        std::vector<RestricaoOtimizacao> restricoes;
        const char* objetivo;
    };
    const Caso casos[] = {
        {"pressão e temperatura, piso de bagaço ativo", true, Formulacao::Kkhm1969,
         {{"Eprecal", 40.0, 120.0}, {"Etscal", 400.0, 520.0}},
         {{"Eexbag", OperadorRestricao::MaiorOuIgual, 15.0}}, "energia_exportada_MWh"},
        {"sem turbina, IF97, dias de safra e vapor por tonelada", false, Formulacao::If97,
         {{"Evap", 400.0, 560.0}, {"Ediasafra", 150.0, 240.0}},
         {{"Eexbag", OperadorRestricao::MaiorOuIgual, 2.0}}, "receita_total_R"},
    };
    for (const Caso& c : casos) {
        PedidoOtimizacao pedido;
        pedido.base.comTurbinaAlta = c.comTurbina;
        pedido.base.propriedades = c.formulacao;
        pedido.objetivo = c.objetivo;
        pedido.faixas = c.faixas;
        pedido.restricoes = c.restricoes;
        const ResultadoOtimizacao r = ExecutarOtimizacao(pedido);
        ASSERT_EQ(r.situacao, SituacaoOtimizacao::Otimo) << c.descricao;
        janela->AplicarEntradas(*r.entradas);
        EXPECT_EQ(janela->CheckBox1->isChecked(), c.comTurbina);
        janela->BitBtn1->click();
        QCoreApplication::processEvents();
        ASSERT_EQ(janela->Resultado().situacao, SituacaoCalculo::Completo) << c.descricao;
        EXPECT_EQ(janela->Resultado().formulacao, c.formulacao);
        EXPECT_EQ(Saida(*janela, c.objetivo), r.objetivo) << c.descricao;
        EXPECT_EQ(Saida(*janela, "Eexbag"), r.restricoes[0].valor) << c.descricao;
    }

    // Goal seek: the steam per tonne that leaves no bagasse over.
    PedidoMeta meta;
    meta.saida = "Eexbag";
    meta.alvo = 0.0;
    meta.faixa = {"Evap", 400.0, 600.0};
    const ResultadoMeta m = ExecutarMeta(meta);
    ASSERT_EQ(m.situacao, SituacaoMeta::Atingida);
    janela->AplicarEntradas(*m.entradas);
    janela->BitBtn1->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(Saida(*janela, "Eexbag"), m.saida);
}

// From the menu to the fields: the tool opens in the "Análise" window, runs
// from the window's inputs, and its "Aplicar à janela" reaches the fields.
TEST_F(AnaliseAplicada, DoMenuAosCamposPelaVistaDeOtimizacao) {
    QAction* acao = janela->MenuAnalise->findChild<QAction*>("AcaoOtimizacao");
    ASSERT_NE(acao, nullptr);
    ASSERT_NE(janela->MenuAnalise->findChild<QAction*>("AcaoSensibilidade"), nullptr);
    acao->trigger();
    auto* vista = janela->Analise->findChild<VistaOtimizacao*>();
    ASSERT_NE(vista, nullptr);
    EXPECT_TRUE(janela->Analise->isVisible());
    EXPECT_EQ(janela->Analise->Abas->currentWidget(), vista);
    vista->UsarEntrada[2]->setChecked(false);
    vista->UsarEntrada[3]->setChecked(false);
    vista->BotaoOtimizar->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !vista->Executando(); }, 60000));
    ASSERT_TRUE(vista->ResultadoOtimo());
    const ResultadoOtimizacao r = *vista->ResultadoOtimo();
    ASSERT_EQ(r.situacao, SituacaoOtimizacao::Otimo);
    vista->BotaoAplicar->click();
    janela->BitBtn1->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(Saida(*janela, "energia_exportada_MWh"), r.objetivo);
}
