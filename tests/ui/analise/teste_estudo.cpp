// The parametric study view: its chart and table against the sweep engine
// run on its own, curves broken where the plant refuses a point, a long
// study cancelled and a view destroyed while one runs, range fields that are
// not numbers reaching the window's handler, and the exports read back.
#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QChartView>
#include <QGroupBox>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTest>
#include <gtest/gtest.h>
#include "EmIngles.h"
#include <map>

#include "plant/Numeros.h"
#include "plant/TabelaSaidas.h"
#include "properties/Erros.h"
#include "properties/dtvp03.h"
#include "ui/analise/GraficoEstudo.h"
#include "ui/analise/ModeloEstudo.h"
#include "ui/analise/VistaEstudo.h"
#include "ui/comum/FormatoResultados.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/TratadorErros.h"

namespace {

class ErrosGravados : public ApresentadorErros {
public:
    void MostrarErro(const QString&, const QString& mensagem) override { erros << mensagem; }
    QStringList erros;
};

bool EsperarFim(const VistaEstudo& vista) {
    return QTest::qWaitFor([&] { return !vista.Executando(); }, 120000);
}

// Boiler outlet 250 to 450 degC, one curve per boiler pressure: the low
// temperatures are below saturation at the higher pressures.
PedidoVarredura PedidoSaturacao() {
    PedidoVarredura p;
    p.eixos = {{"Etscal", 250.0, 450.0, 9}, {"Eprecal", 40.0, 120.0, 3}};
    p.saidas = {"Epotele", "Ew14"};
    p.separador = ",";
    return p;
}

// Long enough (seconds) that the progress bar shows before the end.
PedidoVarredura PedidoLongo() {  // 100 000 points
    PedidoVarredura p;
    p.eixos = {{"Ecapusi", 300.0, 500.0, 5000}, {"Etscal", 400.0, 500.0, 20}};
    p.saidas = {"Epotele"};
    p.separador = ",";
    return p;
}

class Estudo : public ::testing::Test {
protected:
    void SetUp() override { anterior_ = InstalarApresentador(&erros); }
    void TearDown() override { InstalarApresentador(anterior_); }
    ErrosGravados erros;

private:
    ApresentadorErros* anterior_ = nullptr;
};

}  // namespace

// Every series point is the engine's value for that point; the curves break
// exactly where the engine left the output blank, and those points are
// listed with their messages.
TEST_F(Estudo, GraficoETabelaSaoOsResultadosDoMotor) {
    const PedidoVarredura pedido = PedidoSaturacao();
    const ResultadoVarredura motor = ExecutarVarredura(pedido);
    VistaEstudo vista;
    vista.show();  // the legend's markers are items of a shown scene
    QSignalSpy concluido(&vista, &VistaEstudo::estudoConcluido);
    vista.ExecutarEstudo(pedido);
    ASSERT_TRUE(EsperarFim(vista));
    EXPECT_EQ(concluido.size(), 1);
    ASSERT_EQ(vista.UltimoResultado().pontos.size(), 27u);

    // Independent of the engine's messages: below saturation there is no
    // steam to drive the turbines (Tsat 250,4 / 295,0 / 324,7 degC).
    int lacunas = 0;
    for (const PontoVarredura& p : motor.pontos) {
        const bool abaixo = p.valores[0] <= TemperaturaSaturacao(p.valores[1] / 10.0);
        EXPECT_EQ(!p.saidas[0].has_value(), abaixo) << p.valores[0] << " " << p.valores[1];
        lacunas += abaixo;
    }
    EXPECT_GE(lacunas, 3);

    // The series by curve, runs in order.
    std::map<QString, std::vector<QPointF>> porCurva;
    std::map<QString, int> trechos, entradasLegenda;
    for (QAbstractSeries* s : vista.Grafico()->series()) {
        auto* linha = qobject_cast<QLineSeries*>(s);
        ASSERT_NE(linha, nullptr);
        if (linha->count() > 0) ++trechos[linha->name()];
        for (const QPointF& p : linha->points()) porCurva[linha->name()].push_back(p);
    }
    // The legend beside the chart: one whole name per curve, in order.
    ASSERT_TRUE(vista.LegendaCurvas->isVisible());
    for (int k = 0; k < 3; ++k) {
        const auto* rotulo = vista.LegendaCurvas->findChild<QLabel*>(QString("Legenda%1").arg(k));
        ASSERT_NE(rotulo, nullptr);
        ++entradasLegenda[rotulo->text()];
    }
    // The inputs' captions with their units, never the field names.
    const char* const nomes[] = {"Pressão de operação da Caldeira [bar] = 40,0",
                                 "Pressão de operação da Caldeira [bar] = 80,0",
                                 "Pressão de operação da Caldeira [bar] = 120,0"};
    for (std::size_t k = 0; k < 3; ++k) {
        const QString nome = nomes[k];
        EXPECT_EQ(entradasLegenda[nome], 1) << nome.toStdString();
        std::vector<QPointF> esperado;
        for (std::size_t i = 0; i < 9; ++i) {
            const PontoVarredura& p = motor.pontos[i * 3 + k];
            if (p.saidas[0]) esperado.emplace_back(p.valores[0], *p.saidas[0]);
        }
        EXPECT_EQ(porCurva[nome], esperado) << nome.toStdString();
        EXPECT_EQ(trechos[nome], 1);  // the gaps are at the start of each curve
    }
    ASSERT_EQ(vista.ListaFalhas->count(), lacunas);
    const QString primeira = vista.ListaFalhas->item(0)->text();
    EXPECT_TRUE(primeira.startsWith("Temperatura de saída da caldeira [°C] = 250,0, "
                                    "Pressão de operação da Caldeira [bar] = 40,0: " +
                                    QString::fromStdString(motor.pontos[0].erro)))
        << primeira.toStdString();

    // The table: one row per point, the engine's numbers and messages.
    const ModeloEstudo& m = vista.Modelo();
    ASSERT_EQ(m.rowCount(), 27);
    ASSERT_EQ(m.columnCount(), 6);
    for (int l = 0; l < 27; ++l) {
        const PontoVarredura& p = motor.pontos[static_cast<std::size_t>(l)];
        EXPECT_EQ(m.data(m.index(l, 0), PapelValorBruto).toDouble(), p.valores[0]);
        EXPECT_EQ(m.data(m.index(l, 1), PapelValorBruto).toDouble(), p.valores[1]);
        EXPECT_EQ(m.Texto(l, 2), p.saidas[0] ? QString::fromStdString(TextoFixo(*p.saidas[0], 1, ","))
                                             : QString());
        EXPECT_EQ(m.Texto(l, 3).isEmpty(), !p.saidas[1].has_value());
        EXPECT_EQ(m.Texto(l, 4).toStdString(), p.aviso);
        EXPECT_EQ(m.Texto(l, 5).toStdString(), p.erro);
    }
    EXPECT_EQ(m.Texto(0, 0), "250,0");
    EXPECT_EQ(m.headerData(0, Qt::Horizontal).toString(), "Temperatura de saída\nda caldeira [°C]");
    EXPECT_EQ(m.headerData(2, Qt::Horizontal).toString(), "Potência Elétrica [kW]");
    // Captions two panels share name their panel.
    PedidoVarredura turbinas = pedido;
    turbinas.saidas = {"Ew12", "Ew14"};
    ModeloEstudo cabecalhos;
    cabecalhos.DefinirResultado(turbinas, {}, ",");
    EXPECT_EQ(cabecalhos.headerData(2, Qt::Horizontal).toString(),
              "Turbina de alta pressão:\nPotência Fornecida [kW]");
    EXPECT_EQ(cabecalhos.headerData(3, Qt::Horizontal).toString(),
              "Turbina de Média Pressão:\nPotência fornecida [kW]");
}

// Hand-made sweeps: a refused point in the middle breaks the line, a point a
// cancellation left out too, without being listed as refused.
TEST(GraficoEstudo, LacunasPartemACurva) {
    PedidoVarredura pedido;
    pedido.eixos = {{"Eefical", 60.0, 100.0, 5}};
    pedido.saidas = {"Epotele"};
    struct Caso {
        std::vector<int> estado;  // 1 value, 0 refused, -1 not run
        std::vector<std::size_t> tamanhos;
        int falhas, naoExecutados;
    };
    const Caso casos[] = {
        {{1, 1, 1, 1, 1}, {5}, 0, 0},
        {{1, 1, 0, 1, 1}, {2, 2}, 1, 0},
        {{0, 1, -1, 1, 0}, {1, 1}, 2, 1},
        {{0, 0, 0, 0, 0}, {}, 5, 0},
    };
    for (const Caso& caso : casos) {
        ResultadoVarredura r;
        for (int i = 0; i < 5; ++i) {
            PontoVarredura p;
            p.valores = {60.0 + 10.0 * i};
            p.calculado = caso.estado[static_cast<std::size_t>(i)] >= 0;
            p.saidas = {caso.estado[static_cast<std::size_t>(i)] == 1 ? std::optional(100.0 * i)
                                                                      : std::nullopt};
            if (caso.estado[static_cast<std::size_t>(i)] == 0) p.erro = "recusado";
            r.pontos.push_back(p);
        }
        const CurvasEstudo c = MontarCurvas(pedido, r, 0, ",");
        ASSERT_EQ(c.curvas.size(), 1u);
        std::vector<std::size_t> tamanhos;
        for (const auto& t : c.curvas[0].trechos) tamanhos.push_back(t.size());
        EXPECT_EQ(tamanhos, caso.tamanhos);
        EXPECT_EQ(c.falhas.size(), caso.falhas);
        EXPECT_EQ(static_cast<int>(c.naoExecutados), caso.naoExecutados);
        if (caso.falhas > 0) {
            EXPECT_TRUE(c.falhas.front().endsWith(": recusado"));
        }

        QChart grafico;
        PreencherGrafico(grafico, c);
        const QList<QAbstractSeries*> series = grafico.series();
        ASSERT_EQ(series.size(), std::max<qsizetype>(1, static_cast<qsizetype>(tamanhos.size())));
        for (QAbstractSeries* s : series)
            EXPECT_EQ(static_cast<QLineSeries*>(s)->color(),
                      static_cast<QLineSeries*>(series.front())->color());
        EXPECT_EQ(grafico.axes(Qt::Horizontal).front()->titleText(),
                  "Eficiência Térmica da Caldeira [%]");
        EXPECT_EQ(grafico.axes(Qt::Vertical).front()->titleText(), "Potência Elétrica [kW]");
    }
}

// A long study shows its progress and stops when cancelled: the
// points not run have no row and no curve point, and a new study runs.
TEST_F(Estudo, CancelamentoDeEstudoLongo) {
    VistaEstudo vista;
    vista.resize(1000, 700);
    vista.show();
    vista.ExecutarEstudo(PedidoLongo());
    EXPECT_TRUE(vista.Executando());
    EXPECT_FALSE(vista.BotaoExecutar->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return vista.Progresso->isVisible(); }, 20000));
    EXPECT_GT(vista.Progresso->value(), 0);
    QElapsedTimer relogio;
    relogio.start();
    vista.BotaoCancelar->click();
    ASSERT_TRUE(EsperarFim(vista));
    EXPECT_LT(relogio.elapsed(), 5000);  // ms: the points under way finish, no more start
    const ResultadoVarredura& r = vista.UltimoResultado();
    ASSERT_TRUE(r.cancelada);
    std::size_t calculados = 0, pontosNoGrafico = 0;
    for (const PontoVarredura& p : r.pontos) calculados += p.calculado;
    for (QAbstractSeries* s : vista.Grafico()->series())
        pontosNoGrafico += static_cast<std::size_t>(static_cast<QLineSeries*>(s)->count());
    EXPECT_LT(calculados, 100000u);
    EXPECT_EQ(static_cast<std::size_t>(vista.Modelo().rowCount()), calculados);
    EXPECT_EQ(pontosNoGrafico, calculados);  // every one of these points calculates
    EXPECT_TRUE(vista.Situacao->text().startsWith("Estudo cancelado"));
    EXPECT_TRUE(vista.BotaoExecutar->isEnabled());
    EXPECT_FALSE(vista.Progresso->isVisible());

    vista.ExecutarClick();  // the controls' default study
    ASSERT_TRUE(EsperarFim(vista));
    EXPECT_FALSE(vista.UltimoResultado().cancelada);
    EXPECT_EQ(vista.Modelo().rowCount(), 11);
    EXPECT_TRUE(erros.erros.isEmpty()) << erros.erros.join("\n").toStdString();
}

// Destroying or closing the view mid-study stops and joins the workers.
TEST_F(Estudo, FecharOuDestruirDuranteEstudo) {
    for (int espera : {0, 50}) {
        auto* vista = new VistaEstudo;
        vista->ExecutarEstudo(PedidoLongo());
        QTest::qWait(espera);
        delete vista;
        QCoreApplication::sendPostedEvents();
    }
    VistaEstudo vista;
    vista.show();
    vista.ExecutarEstudo(PedidoLongo());
    vista.close();
    ASSERT_TRUE(EsperarFim(vista));
    EXPECT_TRUE(vista.UltimoResultado().cancelada);
    EXPECT_TRUE(erros.erros.isEmpty());
}

// A range field that is not a number, a base case that cannot be read, no
// output: the message reaches the handler and nothing runs.
TEST_F(Estudo, ErrosDosControles) {
    struct Caso {
        QLineEdit* VistaEstudo::* campo;
        const char* texto;
        bool segunda;
        const char* mensagem;
    };
    const Caso casos[] = {
        {&VistaEstudo::Inicio1, "abc", false, "'abc' is not a valid floating point value."},
        {&VistaEstudo::Fim1, "30.5", false, "'30.5' is not a valid floating point value."},
        {&VistaEstudo::Fim2, "", true, "'' is not a valid floating point value."},
        {&VistaEstudo::Inicio2, "1e400", true, "'1e400' is not a valid floating point value."},
    };
    for (const Caso& caso : casos) {
        VistaEstudo vista;
        if (caso.segunda) vista.CampoEntrada2->setCurrentIndex(vista.CampoEntrada2->findText(
            "Temperatura de saída da caldeira [°C]"));
        (vista.*caso.campo)->setText(caso.texto);
        erros.erros.clear();
        vista.ExecutarClick();
        EXPECT_FALSE(vista.Executando());
        EXPECT_EQ(erros.erros, QStringList{caso.mensagem}) << caso.texto;
    }
    VistaEstudo vista;
    vista.DefinirFonteEntradas([]() -> EntradasUsina { throw ErroConversao("4OO"); });
    erros.erros.clear();
    vista.ExecutarClick();
    EXPECT_EQ(erros.erros, QStringList{"'4OO' is not a valid floating point value."});
    vista.MarcarSaidas({});
    vista.DefinirFonteEntradas([] { return EntradasUsina{}; });
    erros.erros.clear();
    vista.ExecutarClick();
    EXPECT_EQ(erros.erros, QStringList{"Marque pelo menos uma saída para o estudo."});
    EXPECT_FALSE(vista.Executando());
}

// The high-pressure turbine's inputs are offered only with that turbine.
TEST(EstudoCampos, DaTurbinaAltaSoComEla) {
    for (bool comTurbina : {true, false}) {
        VistaEstudo vista;
        vista.DefinirFonteEntradas([comTurbina] {
            EntradasUsina e;
            e.comTurbinaAlta = comTurbina;
            return e;
        });
        EXPECT_EQ(vista.CampoEntrada1->count(), comTurbina ? 18 : 16);
        // and "nenhuma" and the configuration
        EXPECT_EQ(vista.CampoEntrada2->count(), comTurbina ? 20 : 18);
        EXPECT_EQ(vista.CampoEntrada1->findData("Epstap") >= 0, comTurbina);
    }
}

// The CSV export reads back to the engine's numbers, bit for bit; the chart
// exports are a PNG of the export size and an SVG document.
TEST_F(Estudo, ExportacoesLidasDeVolta) {
    QTemporaryDir pasta;
    const PedidoVarredura pedido = PedidoSaturacao();
    VistaEstudo vista;
    vista.ExecutarEstudo(pedido);
    ASSERT_TRUE(EsperarFim(vista));
    QString pedidoArquivo;
    vista.DefinirEscolhaArquivo([&](const QString&, const QString&, const QStringList&,
                                    const QStringList&) { return pedidoArquivo; });
    pedidoArquivo = pasta.filePath("estudo");  // the suffix is added
    vista.ExportarCsvClick();
    QFile csv(pasta.filePath("estudo.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList linhas = QString::fromUtf8(csv.readAll()).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(linhas.size(), 28);
    // The window's header speaks the window's language; usina-calc keeps the names.
    EXPECT_EQ(linhas[0], "Temperatura de saída da caldeira [°C];Pressão de operação da Caldeira "
                         "[bar];Potência Elétrica [kW];Potência fornecida [kW];Aviso;Erro");
    const ResultadoVarredura& r = vista.UltimoResultado();
    for (std::size_t i = 0; i < r.pontos.size(); ++i) {
        const QStringList celulas = linhas[static_cast<qsizetype>(i) + 1].split(';');
        const PontoVarredura& p = r.pontos[i];
        EXPECT_EQ(LerNumero(celulas[0].toStdString(), ","), p.valores[0]);
        EXPECT_EQ(LerNumero(celulas[1].toStdString(), ","), p.valores[1]);
        if (p.saidas[0]) EXPECT_EQ(LerNumero(celulas[2].toStdString(), ","), *p.saidas[0]);
        else EXPECT_TRUE(celulas[2].isEmpty());
    }

    pedidoArquivo = pasta.filePath("grafico.png");
    vista.ExportarGraficoClick();
    const QImage png(pedidoArquivo);
    EXPECT_EQ(png.size(), QSize(2 * VistaEstudo::LarguraExportacao, 2 * VistaEstudo::AlturaExportacao));
    vista.ExportarGrafico(pasta.filePath("grafico.svg"));
    QFile svg(pasta.filePath("grafico.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray texto = svg.readAll();
    EXPECT_TRUE(texto.contains("<svg")) << texto.left(200).toStdString();
    EXPECT_TRUE(texto.contains("Potência Elétrica [kW]"));
    EXPECT_TRUE(erros.erros.isEmpty()) << erros.erros.join("\n").toStdString();

    pedidoArquivo = pasta.filePath("grafico.jpg");
    vista.ExportarGraficoClick();
    EXPECT_EQ(erros.erros,
              QStringList{"Escolha um nome terminado em .png ou .svg para exportar o gráfico."});
}

// The study typed into the controls, at a wide and a narrow size: beside
// the results or in a tab of their own, the chart shown once it ends. With
// USINA_CAPTURAS set, the view is saved there as pictures.
TEST_F(Estudo, DisposicaoECapturas) {
    const QString capturas = qEnvironmentVariable("USINA_CAPTURAS");
    for (const QSize tamanho : {QSize(1200, 800), QSize(650, 450)}) {
        SCOPED_TRACE(tamanho.width());
        VistaEstudo vista;
        vista.resize(tamanho);
        vista.show();
        QApplication::processEvents();
        const bool larga = tamanho.width() >= VistaEstudo::LarguraLadoALado;
        EXPECT_EQ(vista.Abas->count(), larga ? 2 : 3);
        const auto nome = [&](const QString& parte) {
            return QDir(capturas).filePath(QString("estudo-%1-%2.png").arg(tamanho.width()).arg(parte));
        };
        if (!capturas.isEmpty()) vista.grab().save(nome("controles"));
        vista.CampoEntrada1->setCurrentIndex(vista.CampoEntrada1->findData("Eprecal"));
        vista.Inicio1->setText("30");
        vista.Fim1->setText("120");
        vista.Pontos1->setValue(10);
        vista.CampoEntrada2->setCurrentIndex(vista.CampoEntrada2->findData("Etscal"));
        vista.Inicio2->setText("400");
        vista.Fim2->setText("540");
        vista.Pontos2->setValue(4);
        vista.SaidaGrafico->setCurrentIndex(vista.SaidaGrafico->findData("Epotele"));
        vista.ExecutarClick();
        ASSERT_TRUE(EsperarFim(vista));
        QApplication::processEvents();
        ASSERT_EQ(vista.Modelo().rowCount(), 40);
        EXPECT_EQ(vista.Grafico()->series().size(), 4);
        EXPECT_TRUE(vista.VistaGrafico->isVisible());
        EXPECT_FALSE(vista.ListaFalhas->isVisible());  // all superheated
        EXPECT_TRUE(erros.erros.isEmpty()) << erros.erros.join("\n").toStdString();
        if (capturas.isEmpty()) continue;
        vista.grab().save(nome("grafico"));
        vista.Abas->setCurrentWidget(vista.Tabela);
        QApplication::processEvents();
        vista.grab().save(nome("tabela"));
    }
}

namespace {

// What the study view shows and what the user chose, apart.
struct FotoEstudo {
    QStringList textos;
    std::vector<std::pair<QString, QList<QPointF>>> series;
    QStringList falhas;  // the points' values and the plant's messages
    QStringList escolhas;
};

FotoEstudo Fotografar(const VistaEstudo& v) {
    FotoEstudo f;
    for (const QComboBox* c : {v.CampoEntrada1, v.CampoEntrada2, v.SaidaGrafico}) {
        for (int i = 0; i < c->count(); ++i)
            f.textos << c->itemText(i) << c->itemData(i, Qt::ToolTipRole).toString();
        f.escolhas << c->currentData().toString();
    }
    for (QTreeWidgetItemIterator it(v.ListaSaidas); *it; ++it)
        f.textos << (*it)->text(0) << (*it)->toolTip(0);
    for (int i = 0; i < v.Abas->count(); ++i) f.textos << v.Abas->tabText(i);
    for (const QGroupBox* g : v.findChildren<QGroupBox*>()) f.textos << g->title();
    for (const QLabel* l : v.findChildren<QLabel*>()) f.textos << l->text();
    f.textos << v.BotaoExecutar->text() << v.BotaoExportarGrafico->text() << v.Inicio1->toolTip()
             << v.Pontos1->toolTip() << v.windowTitle();
    for (int i = 0; i < v.ListaFalhas->count(); ++i) f.falhas << v.ListaFalhas->item(i)->text();
    for (int c = 0; c < v.Modelo().columnCount(); ++c)
        f.textos << v.Modelo().headerData(c, Qt::Horizontal).toString()
                 << v.Modelo().headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString();
    f.textos << v.Grafico()->title();
    for (const QAbstractAxis* eixo : v.Grafico()->axes()) f.textos << eixo->titleText();
    // A curve's name is its input's caption: a text; its points are not.
    for (QAbstractSeries* s : v.Grafico()->series()) {
        f.textos << s->name();
        f.series.emplace_back(QString(), static_cast<QLineSeries*>(s)->points());
    }
    f.escolhas << v.Inicio1->text() << v.Fim1->text() << v.Inicio2->text() << v.Fim2->text()
               << QString::number(v.Pontos1->value()) << QString::number(v.Pontos2->value())
               << v.SaidasMarcadas() << QString::number(v.Abas->currentIndex());
    return f;
}

}  // namespace

// A study on screen follows the language: every text the view composed
// itself changes, the plant's messages in the list of failures excepted;
// the curves, the table and the user's choices do not, and nothing runs
// again. Back in Portuguese every text is what it was.
TEST_F(Estudo, IdiomaTrocadoComEstudoNaTela) {
    VistaEstudo vista;
    vista.resize(650, 450);  // narrow: the controls in a tab of their own
    vista.show();
    vista.CampoEntrada1->setCurrentIndex(vista.CampoEntrada1->findData("Etscal"));
    vista.Inicio1->setText("250");
    vista.Fim1->setText("450");
    vista.Pontos1->setValue(9);
    vista.CampoEntrada2->setCurrentIndex(vista.CampoEntrada2->findData("Eprecal"));
    vista.Inicio2->setText("40");
    vista.Fim2->setText("120");
    vista.MarcarSaidas({"Epotele", "Ew12", "Ew14"});
    vista.SaidaGrafico->setCurrentIndex(vista.SaidaGrafico->findData("Ew14"));
    QSignalSpy concluido(&vista, &VistaEstudo::estudoConcluido);
    vista.ExecutarClick();
    ASSERT_TRUE(EsperarFim(vista));
    ASSERT_GT(vista.ListaFalhas->count(), 0);
    const FotoEstudo portugues = Fotografar(vista);

    FotoEstudo ingles;
    {
        EmIngles idioma;
        ingles = Fotografar(vista);
        EXPECT_EQ(ingles.series, portugues.series);
        EXPECT_EQ(ingles.escolhas, portugues.escolhas);
        // The same failed points, each message now in English.
        ASSERT_EQ(ingles.falhas.size(), portugues.falhas.size());
        for (qsizetype i = 0; i < ingles.falhas.size(); ++i) {
            // The points' values at the same places, under their captions in English.
            static const QRegularExpression valores(" = [0-9,]+");
            const auto numeros = [](const QString& falha) {
                QStringList n;
                for (const auto& m : valores.globalMatch(falha.section(": ", 0, 0))) n << m.captured();
                return n;
            };
            EXPECT_EQ(numeros(ingles.falhas[i]), numeros(portugues.falhas[i]));
            EXPECT_EQ(numeros(ingles.falhas[i]).size(), 2);
            EXPECT_TRUE(ingles.falhas[i].startsWith("Boiler outlet temperature [°C] = "))
                << ingles.falhas[i].toStdString();
            EXPECT_TRUE(ingles.falhas[i].contains("Impossible value in")) << ingles.falhas[i].toStdString();
        }
        EXPECT_EQ(concluido.size(), 1);
        // Examples of each kind: axes, the curves' caption, headers that
        // name their panel, counts, the failure's frame around the plant's
        // message, the tabs.
        const QList<QAbstractAxis*> eixos = vista.Grafico()->axes();
        EXPECT_EQ(eixos[0]->titleText(), "Boiler outlet temperature [°C]");
        EXPECT_EQ(eixos[1]->titleText(), "Power delivered [kW]");
        EXPECT_TRUE(vista.Grafico()->title().endsWith("<br>Curves: Boiler operating pressure [bar]"))
            << vista.Grafico()->title().toStdString();
        EXPECT_EQ(vista.Modelo().headerData(2, Qt::Horizontal).toString(),
                  "High-Pressure Turbine:\nPower delivered [kW]");
        EXPECT_EQ(vista.Modelo().headerData(5, Qt::Horizontal).toString(), "Warning");
        EXPECT_EQ(vista.Situacao->text(), "Study finished: 27 of 27 points.");
        EXPECT_TRUE(vista.ResumoFalhas->text().endsWith("points not calculated (gaps in the curves):"));
        EXPECT_EQ(vista.Abas->tabText(0), "Study");
        EXPECT_EQ(vista.CampoEntrada2->itemText(0), "none");
        // Nothing Portuguese left.
        static const QRegularExpression palavras(
            QStringLiteral("[ãõçáéíóúâêôà]|\\b(de|da|das|em|para|com|não|saída|pontos?)\\b"),
            QRegularExpression::CaseInsensitiveOption);
        for (const QString& texto : ingles.textos)
            EXPECT_FALSE(palavras.match(texto).hasMatch()) << texto.toStdString();
    }
    const FotoEstudo devolta = Fotografar(vista);
    EXPECT_EQ(devolta.textos, portugues.textos);
    EXPECT_EQ(devolta.series, portugues.series);
    EXPECT_EQ(devolta.escolhas, portugues.escolhas);
    EXPECT_EQ(devolta.falhas, portugues.falhas);
    EXPECT_NE(ingles.textos, portugues.textos);
    EXPECT_EQ(concluido.size(), 1);
}

// Every caption the study can show has its English: the inputs' and the
// outputs' (the catalogue lists them by hand, the tables may grow).
TEST(EstudoIdioma, LegendasDoNucleoTraduzidas) {
    QStringList portugues;
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) portugues << LegendaEntradaTraduzida(c);
    for (const CampoSaida& s : CamposSaida())
        if (!PainelSaida(s).isEmpty()) portugues << LegendaSaida(s) << PainelSaida(s);
    ASSERT_GT(portugues.size(), 100);
    EmIngles idioma;
    qsizetype i = 0;
    for (const CampoEntradaUsina& c : CamposEntradaUsina())
        EXPECT_NE(LegendaEntradaTraduzida(c), portugues[i++]) << c.nome;
    for (const CampoSaida& s : CamposSaida()) {
        if (PainelSaida(s).isEmpty()) continue;
        EXPECT_NE(LegendaSaida(s), portugues[i++]) << s.nome;
        EXPECT_NE(PainelSaida(s), portugues[i++]) << s.nome;
    }
}
