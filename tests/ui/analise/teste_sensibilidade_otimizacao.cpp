// The sensitivity and optimisation views against the core run on its own:
// the tornado's bars and the table's numbers are the core's to the last bit,
// the optimisation's and goal seek's answers are those of the core for the
// same request, a cancelled search keeps and applies nothing, and what the
// controls describe (and refuse) reaches the core as typed.
#include <QApplication>
#include <QBarSet>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "EmIngles.h"
#include "io/ExportacaoAnalise.h"
#include "plant/ErrosAnalise.h"
#include "plant/CamposNomeados.h"
#include "plant/Numeros.h"
#include "plant/Varredura.h"
#include "ui/analise/CamposAnalise.h"
#include "ui/analise/GraficoEstudo.h"
#include "ui/analise/ModeloEstudo.h"
#include "ui/analise/VistaEstudo.h"
#include "ui/analise/VistaOtimizacao.h"
#include "ui/analise/VistaSensibilidade.h"
#include "ui/comum/FormatoResultados.h"
#include "ui/comum/MensagensNucleo.h"
#include "ui/comum/TratadorErros.h"

namespace {

class ErrosGravados : public ApresentadorErros {
public:
    void MostrarErro(const QString&, const QString& mensagem) override { erros << mensagem; }
    QStringList erros;
};

QString Exato(double v) { return QString::fromStdString(TextoExato(v, ",")); }

void Escolher(QComboBox& combo, const char* nome) {
    const int i = combo.findData(QString(nome), PapelCampo);
    ASSERT_GE(i, 0) << nome;
    combo.setCurrentIndex(i);
}

bool EsperarFim(const VistaOtimizacao& vista) {
    return QTest::qWaitFor([&] { return !vista.Executando(); }, 60000);
}

}  // namespace

TEST(VistaSensibilidade, TornadoETabelaSaoOsNumerosDoNucleo) {
    for (const bool comTurbina : {true, false}) {
        VistaSensibilidade vista;
        Escolher(*vista.Saida, "Epotele");
        vista.Passo->setValue(10.0);
        EntradasUsina base;
        base.comTurbinaAlta = comTurbina;
        vista.Calcular(base);

        PedidoSensibilidade pedido;
        pedido.base = base;
        pedido.saida = "Epotele";
        const ResultadoSensibilidade nucleo = ExecutarSensibilidade(pedido);
        ASSERT_TRUE(vista.Resultado());
        ASSERT_EQ(vista.Tabela->rowCount(), static_cast<int>(nucleo.linhas.size()));
        // Bars bottom to top: the smallest swing first, the largest on top.
        // Bars only for inputs that move the output.
        std::vector<const LinhaSensibilidade*> comBarra;
        for (const LinhaSensibilidade& l : nucleo.linhas)
            if (l.motivo == MotivoSemSensibilidade::Nenhum && l.variacao != 0.0) comBarra.push_back(&l);
        ASSERT_EQ(vista.Baixo->count(), static_cast<int>(comBarra.size()));
        for (std::size_t k = 0; k < comBarra.size(); ++k) {
            const LinhaSensibilidade& l = *comBarra[comBarra.size() - 1 - k];
            EXPECT_EQ(vista.Baixo->at(static_cast<int>(k)), *l.baixo - nucleo.base) << l.campo;
            EXPECT_EQ(vista.Alto->at(static_cast<int>(k)), *l.alto - nucleo.base) << l.campo;
        }
        int naoUsadas = 0;
        for (int r = 0; r < vista.Tabela->rowCount(); ++r) {
            const LinhaSensibilidade& l = nucleo.linhas[static_cast<std::size_t>(r)];
            EXPECT_EQ(vista.Tabela->item(r, 0)->toolTip().toStdString(), l.campo);
            EXPECT_EQ(vista.Tabela->item(r, 2)->toolTip(), Exato(nucleo.base));
            if (l.motivo == MotivoSemSensibilidade::Nenhum) {
                // Exact in the tooltips, two decimals on sight.
                EXPECT_EQ(vista.Tabela->item(r, 1)->toolTip(), Exato(*l.baixo)) << l.campo;
                EXPECT_EQ(vista.Tabela->item(r, 3)->toolTip(), Exato(*l.alto)) << l.campo;
                EXPECT_EQ(vista.Tabela->item(r, 4)->toolTip(), Exato(l.variacao)) << l.campo;
                EXPECT_EQ(vista.Tabela->item(r, 1)->text(), TextoAgrupado(*l.baixo, 2, ",")) << l.campo;
                if (r > 0 && nucleo.linhas[static_cast<std::size_t>(r - 1)].motivo ==
                                 MotivoSemSensibilidade::Nenhum) {
                    EXPECT_GE(nucleo.linhas[static_cast<std::size_t>(r - 1)].variacao, l.variacao);
                }
            } else {
                // Listed with the reason, never dropped.
                EXPECT_FALSE(vista.Tabela->item(r, 5)->text().isEmpty()) << l.campo;
                naoUsadas += l.motivo == MotivoSemSensibilidade::NaoUsada;
            }
        }
        // Without the turbine its two inputs move nothing and say so.
        EXPECT_EQ(naoUsadas, comTurbina ? 0 : 2);
    }
}

TEST(VistaOtimizacao, RespostaEAquelaDoNucleoEAplicarEntregaAsEntradasDoOtimo) {
    VistaOtimizacao vista;
    EntradasUsina base;
    vista.DefinirFonteEntradas([base] { return base; });
    // Boiler pressure and temperature with a bagasse-surplus floor that binds.
    Escolher(*vista.Objetivo, "energia_exportada_MWh");
    vista.Sentido->setCurrentIndex(0);
    Escolher(*vista.Entrada[0], "Eprecal");
    vista.Minimo[0]->setText("40");
    vista.Maximo[0]->setText("120");
    Escolher(*vista.Entrada[1], "Etscal");
    vista.Minimo[1]->setText("400");
    vista.Maximo[1]->setText("520");
    vista.UsarEntrada[2]->setChecked(false);
    vista.UsarEntrada[3]->setChecked(false);
    ASSERT_EQ(vista.Restricoes->rowCount(), 1);
    qobject_cast<QLineEdit*>(vista.Restricoes->cellWidget(0, 2))->setText("15");

    const PedidoOtimizacao pedido = vista.PedidoDosControles(base);
    ASSERT_EQ(pedido.faixas.size(), 2u);
    EXPECT_EQ(pedido.faixas[1], (FaixaEntrada{"Etscal", 400.0, 520.0}));
    ASSERT_EQ(pedido.restricoes.size(), 1u);
    EXPECT_EQ(pedido.restricoes[0],
              (RestricaoOtimizacao{"Eexbag", OperadorRestricao::MaiorOuIgual, 15.0}));
    EXPECT_TRUE(pedido.maximizar);

    std::vector<EntradasUsina> aplicadas;
    QObject::connect(&vista, &VistaOtimizacao::aplicar,
                     [&](const EntradasUsina& e) { aplicadas.push_back(e); });
    vista.BotaoOtimizar->click();
    ASSERT_TRUE(EsperarFim(vista));
    ASSERT_TRUE(vista.ResultadoOtimo());
    const ResultadoOtimizacao& r = *vista.ResultadoOtimo();
    const ResultadoOtimizacao nucleo = ExecutarOtimizacao(pedido);
    ASSERT_EQ(r.situacao, SituacaoOtimizacao::Otimo);
    EXPECT_EQ(r.valores, nucleo.valores);
    EXPECT_EQ(r.objetivo, nucleo.objetivo);
    EXPECT_TRUE(r.restricoes[0].ativa);
    // Inputs, objective and constraint, with the answer's exact numbers.
    ASSERT_EQ(vista.Resposta->rowCount(), 4);
    EXPECT_EQ(vista.Resposta->item(0, 2)->toolTip(), Exato(r.valores[0]));
    EXPECT_EQ(vista.Resposta->item(1, 2)->toolTip(), Exato(r.valores[1]));
    EXPECT_EQ(vista.Resposta->item(2, 2)->toolTip(), Exato(*r.objetivo));
    EXPECT_EQ(vista.Resposta->item(1, 2)->text(), TextoAgrupado(r.valores[1], 2, ","));
    EXPECT_EQ(vista.Resposta->item(0, 1)->text(), "80,00");  // the window's boiler pressure
    EXPECT_EQ(vista.Resposta->item(3, 2)->toolTip(), Exato(*r.restricoes[0].valor));
    EXPECT_TRUE(vista.Resposta->item(3, 3)->text().contains("ativa"));

    ASSERT_TRUE(vista.BotaoAplicar->isEnabled());
    vista.BotaoAplicar->click();
    ASSERT_EQ(aplicadas.size(), 1u);
    EXPECT_EQ(aplicadas[0], *r.entradas);
    EXPECT_EQ(aplicadas[0].PressaoCaldeira, r.valores[0]);
    EXPECT_EQ(aplicadas[0].TemperaturaCaldeira, r.valores[1]);
}

TEST(VistaOtimizacao, CanceladaNaoGuardaNemAplicaNada) {
    VistaOtimizacao vista;
    EntradasUsina base;
    vista.DefinirFonteEntradas([base] { return base; });
    for (QCheckBox* usar : vista.UsarEntrada) usar->setChecked(true);  // four inputs: 2401 grid runs
    int aplicadas = 0;
    QObject::connect(&vista, &VistaOtimizacao::aplicar, [&](const EntradasUsina&) { ++aplicadas; });
    QSignalSpy concluida(&vista, &VistaOtimizacao::concluida);
    vista.BotaoOtimizar->click();
    ASSERT_TRUE(vista.Executando());
    EXPECT_FALSE(vista.BotaoOtimizar->isEnabled());
    EXPECT_FALSE(vista.BotaoAplicar->isEnabled());
    vista.BotaoCancelar->click();
    ASSERT_TRUE(EsperarFim(vista));
    ASSERT_TRUE(concluida.count() == 1 || concluida.wait(5000));
    EXPECT_FALSE(vista.ResultadoOtimo());
    EXPECT_FALSE(vista.BotaoAplicar->isEnabled());
    EXPECT_EQ(vista.Resposta->rowCount(), 0);
    vista.AplicarClick();
    EXPECT_EQ(aplicadas, 0);
    EXPECT_TRUE(vista.Situacao->text().contains("nada foi aplicado"));
}

TEST(VistaOtimizacao, MetaAtingidaESemSolucaoNaFaixa) {
    struct Caso {
        const char* alvo;
        const char* minimo;
        const char* maximo;
        SituacaoMeta situacao;
    };
    // Bagasse surplus by the steam per tonne of cane: zero surplus lies
    // inside 400..600 kg/t, a surplus of 90 % nowhere in it.
    for (const Caso& c : {Caso{"0", "400", "600", SituacaoMeta::Atingida},
                          Caso{"90", "400", "600", SituacaoMeta::SemSolucao}}) {
        VistaOtimizacao vista;
        EntradasUsina base;
        vista.DefinirFonteEntradas([base] { return base; });
        Escolher(*vista.SaidaMeta, "Eexbag");
        Escolher(*vista.EntradaMeta, "Evap");
        vista.AlvoMeta->setText(c.alvo);
        vista.MinimoMeta->setText(c.minimo);
        vista.MaximoMeta->setText(c.maximo);
        int aplicadas = 0;
        QObject::connect(&vista, &VistaOtimizacao::aplicar, [&](const EntradasUsina&) { ++aplicadas; });
        vista.BotaoAtingirMeta->click();
        ASSERT_TRUE(EsperarFim(vista));
        ASSERT_TRUE(vista.ResultadoAtingido());
        const ResultadoMeta nucleo = ExecutarMeta(vista.PedidoMetaDosControles(base));
        EXPECT_EQ(vista.ResultadoAtingido()->situacao, c.situacao) << c.alvo;
        EXPECT_EQ(vista.ResultadoAtingido()->valor, nucleo.valor);
        vista.BotaoAplicar->click();
        EXPECT_EQ(aplicadas, c.situacao == SituacaoMeta::Atingida ? 1 : 0);
        if (c.situacao == SituacaoMeta::SemSolucao) {
            EXPECT_TRUE(vista.Situacao->text().startsWith("Sem solução na faixa")) << vista.Situacao->text().toStdString();
        }
    }
}

TEST(VistaOtimizacao, PedidosRecusadosChegamAoTratadorNaLinguaDaJanela) {
    struct Caso {
        const char* minimo;  // of the first input, boiler pressure
        const char* maximo;
        const char* portugues;  // part of the message
        const char* ingles;
    };
    const Caso casos[] = {
        {"40", "abc", "Executar", "Run"},  // not a number: the written conversion error
        {"120", "40", "precisa de um mínimo e um máximo finitos", "needs a finite minimum"},
        {"40", "250", "passa do limite de 190 bar", "passes the limit of 190 bar"},
    };
    for (const bool ingles : {false, true}) {
        std::optional<EmIngles> idioma;
        if (ingles) idioma.emplace();
        for (const Caso& c : casos) {
            ErrosGravados erros;
            ApresentadorErros* anterior = InstalarApresentador(&erros);
            VistaOtimizacao vista;
            vista.DefinirFonteEntradas([] { return EntradasUsina{}; });
            vista.Minimo[0]->setText(c.minimo);
            vista.Maximo[0]->setText(c.maximo);
            vista.BotaoOtimizar->click();
            InstalarApresentador(anterior);
            EXPECT_FALSE(vista.Executando());
            ASSERT_EQ(erros.erros.size(), 1) << c.maximo;
            if (std::string(c.portugues) != "Executar") {
                EXPECT_TRUE(erros.erros[0].contains(QString::fromUtf8(ingles ? c.ingles : c.portugues)))
                    << erros.erros[0].toStdString();
            }
        }
    }
}

TEST(TextosAnalise, CadaMotivoTemFraseInglesaComOCampo) {
    using M = MotivoErroAnalise;
    const std::pair<M, std::string> casos[] = {
        {M::EntradaDesconhecida, "Exyz"}, {M::SaidaDesconhecida, "Sxyz"},
        {M::EntradaRepetida, "Eprecal"},  {M::EntradaNaoUsada, "Epstap"},
        {M::SaidaEmBranco, "Ew12"},       {M::FaixaInvalida, "Eprecal"},
        {M::FaixaAlemDoLimite, "Eprecal"}, {M::ValorInvalido, "Eexbag"},
        {M::NumeroDeEntradas, ""},        {M::GradeGrande, ""},
        {M::PassoInvalido, ""},
    };
    for (const auto& [motivo, campo] : casos) {
        const ErroAnalise erro(motivo, campo, "frase do núcleo");
        EXPECT_EQ(TextoErroTraduzido(erro, Idioma::Portugues), "frase do núcleo");
        const QString ingles = TextoErroTraduzido(erro, Idioma::Ingles);
        // English words, none of the core's Portuguese ones.
        for (const char* palavra : {"campo", "faixa", "otimização", "sensibilidade", "número", " de "})
            EXPECT_FALSE(ingles.contains(QString::fromUtf8(palavra))) << ingles.toStdString();
        if (!campo.empty()) {
            EXPECT_TRUE(ingles.contains(QString::fromStdString(campo))) << ingles.toStdString();
        }
    }
}

TEST(EstudoConfiguracao, SegundaEntradaDaDuasCurvasComESemTurbina) {
    // Boiler pressure by configuration: each curve's points are the single
    // runs with and without the high-pressure turbine.
    PedidoVarredura pedido;
    pedido.eixos = {{"Eprecal", 40.0, 100.0, 4}, {CampoConfiguracao, 1.0, 0.0, 2}};
    pedido.saidas = {"Epotele"};
    const ResultadoVarredura r = ExecutarVarredura(pedido);
    const CurvasEstudo curvas = MontarCurvas(pedido, r, 0, ",");
    ASSERT_EQ(curvas.curvas.size(), 2u);
    EXPECT_EQ(curvas.curvas[0].nome, "Com turbina de alta pressão = sim");
    EXPECT_EQ(curvas.curvas[1].nome, "Com turbina de alta pressão = não");
    for (std::size_t k = 0; k < 2; ++k) {
        ASSERT_EQ(curvas.curvas[k].trechos.size(), 1u);
        const auto& pontos = curvas.curvas[k].trechos[0];
        ASSERT_EQ(pontos.size(), 4u);
        for (const auto& [x, y] : pontos) {
            EntradasUsina e;
            e.PressaoCaldeira = x;
            e.comTurbinaAlta = k == 0;
            const AvaliacaoPonto unico = AvaliarPonto(e, {BuscarSaida("Epotele")}, ",");
            EXPECT_EQ(y, unico.saidas.at(0)) << x << " " << k;
        }
    }
    ModeloEstudo modelo;
    modelo.DefinirResultado(ComEixos(pedido, r), ",");
    EXPECT_EQ(modelo.headerData(1, Qt::Horizontal, Qt::ToolTipRole).toString(), "com_turbina_alta");
    EXPECT_EQ(modelo.data(modelo.index(0, 1)).toString(), "sim");
    EXPECT_EQ(modelo.data(modelo.index(1, 1)).toString(), "não");
}

TEST(EstudoConfiguracao, AVistaOfereceAConfiguracaoComoSegundaEntrada) {
    VistaEstudo vista;
    const int i = vista.CampoEntrada2->findData(QString(CampoConfiguracao), Qt::UserRole);
    ASSERT_GE(i, 0);
    EXPECT_LT(vista.CampoEntrada1->findData(QString(CampoConfiguracao), Qt::UserRole), 0);
    vista.CampoEntrada2->setCurrentIndex(i);
    EXPECT_FALSE(vista.Inicio2->isEnabled());
    EXPECT_FALSE(vista.Pontos2->isEnabled());
    const PedidoVarredura pedido = vista.PedidoDosControles(EntradasUsina{});
    ASSERT_EQ(pedido.eixos.size(), 2u);
    EXPECT_EQ(pedido.eixos[1].campo, CampoConfiguracao);
    EXPECT_EQ(pedido.eixos[1].inicio, 1.0);
    EXPECT_EQ(pedido.eixos[1].fim, 0.0);
    EXPECT_EQ(pedido.eixos[1].pontos, 2);
}

TEST(VistaOtimizacao, InviavelDizPorqueENaoAplicaNada) {
    VistaOtimizacao vista;
    EntradasUsina base;
    vista.DefinirFonteEntradas([base] { return base; });
    vista.UsarEntrada[2]->setChecked(false);
    vista.UsarEntrada[3]->setChecked(false);
    // No plant of the ranges keeps 90 % of its bagasse.
    qobject_cast<QLineEdit*>(vista.Restricoes->cellWidget(0, 2))->setText("90");
    vista.BotaoOtimizar->click();
    ASSERT_TRUE(EsperarFim(vista));
    ASSERT_TRUE(vista.ResultadoOtimo());
    EXPECT_EQ(vista.ResultadoOtimo()->situacao, SituacaoOtimizacao::Inviavel);
    EXPECT_FALSE(vista.BotaoAplicar->isEnabled());
    EXPECT_TRUE(vista.Situacao->text().startsWith("Inviável")) << vista.Situacao->text().toStdString();
    // The constraint's best value reached, and no answer for the inputs.
    ASSERT_EQ(vista.Resposta->rowCount(), 4);
    EXPECT_TRUE(vista.Resposta->item(0, 2)->text().isEmpty());
    EXPECT_FALSE(vista.Resposta->item(3, 2)->text().isEmpty());
}

TEST(TextosAnalise, SemCampoFicaAFraseDoNucleo) {
    // A grid of fewer than two points names no field: the core's sentence.
    const ErroAnalise erro(MotivoErroAnalise::FaixaInvalida, "", "frase do núcleo");
    EXPECT_EQ(TextoErroTraduzido(erro, Idioma::Ingles), "frase do núcleo");
}
