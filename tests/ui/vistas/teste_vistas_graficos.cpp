// The exergy and T-s chart views: bars against the indicators' figures,
// shares of what is shown, the estimate marked; the diagram's points and
// zoom; notices and exports of both. With USINA_CAPTURAS set to a
// directory, both views filled with the default run are saved there at two
// window sizes.
#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <cmath>
#include <map>

#include "plant/CalculoUsina.h"
#include "plant/DiagramaTs.h"
#include "plant/IndicadoresUsina.h"
#include "plant/Numeros.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/TratadorErros.h"
#include "ui/vistas/VistaDiagramaTs.h"
#include "ui/vistas/VistaExergia.h"

namespace {

ResultadoUsina Rodada(bool comTurbinaAlta) {
    EntradasUsina e;
    e.comTurbinaAlta = comTurbinaAlta;
    ResultadoUsina r;
    CalcularUsina(e, r);
    return r;
}

class ErrosAnotados : public ApresentadorErros {
public:
    ErrosAnotados() { anterior_ = InstalarApresentador(this); }
    ~ErrosAnotados() override { InstalarApresentador(anterior_); }
    void MostrarErro(const QString&, const QString& mensagem) override { erros << mensagem; }
    QStringList erros;

private:
    ApresentadorErros* anterior_;
};

}  // namespace

// A medium-pressure turbine short of steam is no machine: no bar, no share,
// no efficiency, out of the total, listed last in the table as not physical.
TEST(VistaExergia, TurbinaSemVaporNaoEhBarra) {
    EntradasUsina e;
    e.PercentualValvula = 60.0;
    ResultadoUsina r;
    CalcularUsina(e, r);
    ASSERT_TRUE(TurbinaMediaSemVapor(r));
    const IndicadoresUsina ind = CalcularIndicadores(r);
    const std::vector<BarraExergia> barras = BarrasExergia(r, ind, false);
    ASSERT_FALSE(barras.empty());
    const BarraExergia& ultima = barras.back();
    EXPECT_EQ(ultima.equipamento, "Turbina de média pressão");
    EXPECT_TRUE(ultima.naoFisica);
    EXPECT_FALSE(ultima.parcela);
    EXPECT_FALSE(ultima.eficienciaSegundaLei);
    double soma = 0.0;
    for (std::size_t i = 0; i + 1 < barras.size(); ++i) {
        EXPECT_FALSE(barras[i].naoFisica);
        soma += *barras[i].parcela;
    }
    EXPECT_NEAR(soma, 100.0, 1e-9);

    VistaExergia vista;
    vista.resize(1200, 800);
    vista.show();
    vista.MostrarResultado(r);
    const int linhas = vista.Tabela->rowCount();
    ASSERT_EQ(linhas, static_cast<int>(barras.size()) + 1);  // and the total
    EXPECT_EQ(vista.Tabela->item(linhas - 2, 1)->text(), "não físico");
    EXPECT_EQ(vista.Tabela->item(linhas - 2, 3)->text(), "não físico");
    EXPECT_EQ(vista.Barras->count(), static_cast<int>(barras.size()) - 1);
}

// Each bar is the indicators' destruction figure; the shares add up to 100 %
// of the bars shown, and equal the indicators' own shares once the boiler is
// in; the boiler appears only on request, marked and lighter. Both
// configurations.
TEST(VistaExergia, BarrasSaoAsParcelasDosIndicadores) {
    for (bool comTurbina : {true, false}) {
        const ResultadoUsina r = Rodada(comTurbina);
        const IndicadoresUsina ind = CalcularIndicadores(r);
        VistaExergia vista;
        vista.resize(1200, 800);
        vista.show();
        vista.MostrarResultado(r);
        for (bool comCaldeira : {false, true}) {
            SCOPED_TRACE(std::string(comTurbina ? "com" : "sem") + " turbina, caldeira " +
                         (comCaldeira ? "sim" : "não"));
            vista.IncluirCaldeira->setChecked(comCaldeira);
            const std::vector<BarraExergia> barras = BarrasExergia(r, ind, comCaldeira);
            ASSERT_EQ(barras.size(), ind.destruicao.size() - (comCaldeira ? 0 : 1));
            double soma = 0.0;
            for (const BarraExergia& b : barras) {
                const auto parte = std::find_if(
                    ind.destruicao.begin(), ind.destruicao.end(),
                    [&](const ParcelaDestruicao& p) { return p.equipamento == b.equipamento; });
                ASSERT_NE(parte, ind.destruicao.end()) << b.equipamento;
                EXPECT_EQ(b.potencia, parte->potencia);
                EXPECT_EQ(b.estimativa, b.equipamento == "Caldeira");
                if (comCaldeira) {
                    EXPECT_NEAR(*b.parcela, *parte->porcento, 1e-9);
                }
                soma += *b.parcela;
            }
            EXPECT_NEAR(soma, 100.0, 1e-9);
            for (std::size_t i = 1; i < barras.size(); ++i)
                EXPECT_GE(barras[i - 1].potencia, barras[i].potencia);

            // Second-law efficiencies: the machines' own, the boiler's an estimate.
            const std::map<std::string, int> eixos = {{"Turbina de alta pressão", 12},
                                                      {"Turbomoenda", 13},
                                                      {"Turbina de média pressão", 14},
                                                      {"Turbina da bomba", 16},
                                                      {"Bomba de condensado", 20}};
            for (const BarraExergia& b : barras) {
                if (const auto e = eixos.find(b.equipamento); e != eixos.end()) {
                    EXPECT_EQ(b.eficienciaSegundaLei,
                              r.dados.EficienciaSegundaLei[static_cast<std::size_t>(e->second)]);
                } else if (b.estimativa) {
                    ASSERT_TRUE(b.eficienciaSegundaLei);
                    EXPECT_GT(*b.eficienciaSegundaLei, 20.0);
                    EXPECT_LT(*b.eficienciaSegundaLei, 40.0);
                } else {
                    EXPECT_FALSE(b.eficienciaSegundaLei) << b.equipamento;
                }
            }
            EXPECT_EQ(std::any_of(barras.begin(), barras.end(),
                                  [](const BarraExergia& b) {
                                      return b.equipamento == "Turbina de alta pressão";
                                  }),
                      comTurbina);

            // The chart: largest bar on top, so the set runs in reverse.
            ASSERT_EQ(vista.Barras->count(), static_cast<int>(barras.size()));
            auto* categorias = qobject_cast<QBarCategoryAxis*>(
                vista.Grafico->chart()->axes(Qt::Vertical).value(0));
            ASSERT_NE(categorias, nullptr);
            const int n = vista.Barras->count();
            for (int i = 0; i < n; ++i) {
                const BarraExergia& b = barras[static_cast<std::size_t>(n - 1 - i)];
                EXPECT_NEAR(vista.Barras->at(i), b.potencia, 0.05);  // kW, to 0,1 as in the table
                EXPECT_EQ(categorias->at(i).endsWith(" *"), b.estimativa);
                EXPECT_EQ(vista.Barras->isBarSelected(i), b.estimativa);
            }
            EXPECT_EQ(vista.Tabela->rowCount(), n + 1);  // and the total
            EXPECT_EQ(vista.Tabela->item(0, 2)->text(),
                      QString::fromStdString(TextoFixo(*barras[0].parcela, 2, ",")));
            EXPECT_EQ(vista.Tabela->item(n, 2)->text(), "100,00");
            EXPECT_TRUE(vista.NotaEstimativa->text().contains(QString::fromUtf8(FonteFatorExergia)));
        }
    }
}

// Before any run and after a run that did not finish: only the notice.
// After a finished run: the content; the stale line follows the window.
TEST(VistasGraficos, AvisosSemCalculoEDesatualizado) {
    VistaExergia exergia;
    VistaDiagramaTs ts;
    ResultadoUsina interrompido = Rodada(true);
    interrompido.situacao = SituacaoCalculo::Interrompido;
    const auto verificar = [](auto& vista) {
        vista.resize(800, 600);
        vista.show();
        EXPECT_TRUE(vista.AvisoSemCalculo->isVisible());
        EXPECT_FALSE(vista.Conteudo->isVisible());
        vista.MostrarResultado(Rodada(false));
        EXPECT_FALSE(vista.AvisoSemCalculo->isVisible());
        EXPECT_TRUE(vista.Conteudo->isVisible());
        vista.MarcarDesatualizado(true);
        EXPECT_TRUE(vista.AvisoDesatualizado->isVisible());
        vista.MostrarResultado(Rodada(true));
        EXPECT_FALSE(vista.AvisoDesatualizado->isVisible());
    };
    verificar(exergia);
    verificar(ts);
    for (QWidget* w : {static_cast<QWidget*>(&exergia), static_cast<QWidget*>(&ts)}) {
        SCOPED_TRACE(w->objectName().toStdString());
        if (auto* v = qobject_cast<VistaExergia*>(w)) v->MostrarResultado(interrompido);
        if (auto* v = qobject_cast<VistaDiagramaTs*>(w)) v->MostrarResultado(interrompido);
        EXPECT_TRUE(w->findChild<QLabel*>("AvisoSemCalculo")->isVisible());
    }
    EXPECT_EQ(exergia.windowTitle(), "Exergia");
    EXPECT_EQ(ts.windowTitle(), "Diagrama T-s");
}

// One scatter point per group of states, where the diagram puts it; zoom
// narrows the axes, the arrow keys move them, "Restaurar zoom" brings back
// the whole diagram.
TEST(VistaDiagramaTs, PontosZoomEDeslocamento) {
    for (bool comTurbina : {true, false}) {
        const ResultadoUsina r = Rodada(comTurbina);
        VistaDiagramaTs vista;
        vista.resize(1000, 700);
        vista.show();
        vista.MostrarResultado(r);
        QApplication::processEvents();
        const DiagramaTs d = CalcularDiagramaTs(r, vista.Faixa().bottom());
        std::vector<QPointF> pontos;
        for (QAbstractSeries* s : vista.Grafico->chart()->series())
            if (s->name().startsWith("Estado "))
                pontos.push_back(qobject_cast<QScatterSeries*>(s)->at(0));
        ASSERT_EQ(pontos.size(), d.estados.size());
        for (std::size_t i = 0; i < pontos.size(); ++i) {
            EXPECT_EQ(pontos[i].x(), d.estados[i].ponto.s);
            EXPECT_EQ(pontos[i].y(), d.estados[i].ponto.t);
        }

        const QRectF inteira = vista.Faixa();
        EXPECT_EQ(inteira.left(), 0.0);
        EXPECT_GE(inteira.bottom(), 450.0 + 50.0);  // live steam with room above
        vista.Grafico->Ampliar(2.0);
        const QRectF ampliada = vista.Faixa();
        EXPECT_NEAR(ampliada.width(), inteira.width() / 2.0, 1e-6 * inteira.width());
        QTest::keyClick(vista.Grafico, Qt::Key_Right);
        EXPECT_GT(vista.Faixa().left(), ampliada.left());
        EXPECT_NEAR(vista.Faixa().width(), ampliada.width(), 1e-9 * inteira.width());
        vista.BotaoRestaurarZoom->click();
        EXPECT_EQ(vista.Faixa(), inteira);
    }
}

// Both views write PNG and SVG, refuse another suffix through the general
// handler and leave a cancelled export alone.
TEST(VistasGraficos, Exportacao) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ErrosAnotados erros;
    VistaExergia exergia;
    VistaDiagramaTs ts;
    exergia.resize(900, 600);
    ts.resize(900, 600);
    exergia.show();
    ts.show();
    exergia.MostrarResultado(Rodada(true));
    ts.MostrarResultado(Rodada(true));
    QApplication::processEvents();
    QString resposta;
    QStringList sufixosOferecidos;
    const auto escolha = [&](const QString&, const QString&, const QStringList&,
                             const QStringList& sufixos) {
        sufixosOferecidos = sufixos;
        return resposta;
    };
    exergia.DefinirEscolhaArquivo(escolha);
    ts.DefinirEscolhaArquivo(escolha);
    struct Caso {
        QString nome;
        std::function<void()> exportar;
        QChartView* grafico;
    };
    for (const auto& [nome, exportar, grafico] :
         {Caso{"exergia", [&] { exergia.ExportarClick(); }, exergia.Grafico},
          Caso{"ts", [&] { ts.ExportarClick(); }, ts.Grafico}}) {
        SCOPED_TRACE(nome.toStdString());
        resposta = dir.filePath(nome + ".png");
        exportar();
        const QImage png(resposta);
        EXPECT_FALSE(png.isNull());
        EXPECT_EQ(png.size(), grafico->sceneRect().size().toSize() * 2);  // the chart as shown
        EXPECT_EQ(sufixosOferecidos, (QStringList{"png", "svg"}));
        resposta = dir.filePath(nome + ".svg");
        exportar();
        QFile svg(resposta);
        ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
        const QByteArray conteudo = svg.readAll();
        EXPECT_TRUE(conteudo.contains("<svg"));
        resposta.clear();
        exportar();  // cancelled: nothing
        EXPECT_EQ(sufixosOferecidos.first(), "svg");  // the format used last first
        resposta = dir.filePath(nome + ".jpg");
        exportar();
        EXPECT_FALSE(QFile::exists(resposta));
    }
    EXPECT_EQ(erros.erros.size(), 2);
    for (const QString& e : erros.erros) EXPECT_TRUE(e.contains(".png ou .svg")) << e.toStdString();
}

TEST(VistasGraficos, Capturas) {
    const QString capturas = qEnvironmentVariable("USINA_CAPTURAS");
    if (capturas.isEmpty()) GTEST_SKIP() << "USINA_CAPTURAS not set";
    const ResultadoUsina r = Rodada(true);
    for (const QSize tamanho : {QSize(650, 450), QSize(1200, 800)}) {
        VistaExergia exergia;
        VistaDiagramaTs ts;
        for (QWidget* w : {static_cast<QWidget*>(&exergia), static_cast<QWidget*>(&ts)}) {
            w->resize(tamanho);
            w->show();
        }
        exergia.MostrarResultado(r);
        ts.MostrarResultado(r);
        QApplication::processEvents();
        const QString sufixo = QString("-%1x%2.png").arg(tamanho.width()).arg(tamanho.height());
        exergia.grab().save(QDir(capturas).filePath("exergia" + sufixo));
        ts.grab().save(QDir(capturas).filePath("diagrama-ts" + sufixo));
        exergia.IncluirCaldeira->setChecked(true);
        QApplication::processEvents();
        exergia.grab().save(QDir(capturas).filePath("exergia-caldeira" + sufixo));
        ts.Grafico->Ampliar(3.0);
        QApplication::processEvents();
        ts.grab().save(QDir(capturas).filePath("diagrama-ts-zoom" + sufixo));
    }
}

namespace {

// ---------------------------------------------------------------------------
// The charts in English: composed again from the run shown, the figures and
// the zoom untouched, the Portuguese back exactly.

class GraficosIdioma : public ::testing::Test {
protected:
    void TearDown() override { AplicarIdioma(Idioma::Portugues); }
};

// Every text of a chart view: title, axes, series and bar set names, bar
// categories, each series' "info".
QStringList TextosGrafico(const QChartView* vista) {
    const QChart* grafico = vista->chart();
    QStringList textos{grafico->title()};
    for (const QAbstractAxis* eixo : grafico->axes()) {
        textos << eixo->titleText();
        if (const auto* c = qobject_cast<const QBarCategoryAxis*>(eixo))
            textos << const_cast<QBarCategoryAxis*>(c)->categories();  // not const in Qt
    }
    for (const QAbstractSeries* serie : grafico->series()) {
        textos << serie->name() << serie->property("info").toString();
        if (const auto* barras = qobject_cast<const QAbstractBarSeries*>(serie))
            for (const QBarSet* b : barras->barSets()) textos << b->label();
    }
    return textos;
}

QStringList TextosTabela(const QTableWidget* t) {
    QStringList textos;
    for (int c = 0; c < t->columnCount(); ++c)
        textos << t->horizontalHeaderItem(c)->text() << t->horizontalHeaderItem(c)->toolTip();
    for (int l = 0; l < t->rowCount(); ++l)
        for (int c = 0; c < t->columnCount(); ++c) textos << t->item(l, c)->text();
    return textos;
}

TEST_F(GraficosIdioma, ExergiaIdaEVolta) {
    VistaExergia vista;
    vista.resize(1200, 800);
    vista.show();
    vista.MostrarResultado(Rodada(true));
    for (bool comCaldeira : {false, true}) {
        SCOPED_TRACE(comCaldeira ? "com caldeira" : "sem caldeira");
        vista.IncluirCaldeira->setChecked(comCaldeira);
        const QStringList grafico = TextosGrafico(vista.Grafico);
        const QStringList tabela = TextosTabela(vista.Tabela);
        const QString base = vista.Base->text(), nota = vista.NotaEstimativa->text();
        std::vector<double> barras;
        for (int i = 0; i < vista.Barras->count(); ++i) barras.push_back(vista.Barras->at(i));

        AplicarIdioma(Idioma::Ingles);
        if (const QString capturas = qEnvironmentVariable("USINA_CAPTURAS"); !capturas.isEmpty()) {
            QApplication::processEvents();
            vista.grab().save(QDir(capturas).filePath(comCaldeira ? "exergia-caldeira-en.png"
                                                                  : "exergia-en.png"));
        }
        EXPECT_EQ(vista.Grafico->chart()->title(), "Exergy destruction by equipment");
        auto* categorias = qobject_cast<QBarCategoryAxis*>(
            vista.Grafico->chart()->axes(Qt::Vertical).value(0));
        EXPECT_TRUE(categorias->categories().contains("Mill drive turbine"));
        EXPECT_EQ(categorias->categories().contains("Boiler *"), comCaldeira);
        for (const QString& texto : TextosGrafico(vista.Grafico) + TextosTabela(vista.Tabela) +
                                        QStringList{vista.Base->text(), vista.NotaEstimativa->text()})
            EXPECT_FALSE(texto.contains(QRegularExpression("[ãõçáéíóúâêô]|\\b(da|de|do)\\b")))
                << texto.toStdString();
        ASSERT_EQ(vista.Barras->count(), static_cast<int>(barras.size()));
        for (int i = 0; i < vista.Barras->count(); ++i) EXPECT_EQ(vista.Barras->at(i), barras[i]);
        const int colunas = vista.Tabela->columnCount();
        for (int l = 0; l < vista.Tabela->rowCount(); ++l)
            for (int c = 1; c < colunas; ++c)  // the figures
                EXPECT_EQ(vista.Tabela->item(l, c)->text(), tabela[2 * colunas + l * colunas + c]);

        AplicarIdioma(Idioma::Portugues);
        EXPECT_EQ(TextosGrafico(vista.Grafico), grafico);
        EXPECT_EQ(TextosTabela(vista.Tabela), tabela);
        EXPECT_EQ(vista.Base->text(), base);
        EXPECT_EQ(vista.NotaEstimativa->text(), nota);
    }
}

// The T-s diagram renames its series and states in place: a zoomed view
// stays zoomed.
TEST_F(GraficosIdioma, DiagramaTsIdaEVoltaSemPerderOZoom) {
    VistaDiagramaTs vista;
    vista.resize(1000, 700);
    vista.show();
    vista.MostrarResultado(Rodada(true));
    QApplication::processEvents();
    vista.Grafico->Ampliar(2.0);
    const QRectF faixa = vista.Faixa();
    const QStringList portugues = TextosGrafico(vista.Grafico);
    const QString ajuda = vista.InfoPonto->text();

    AplicarIdioma(Idioma::Ingles);
    EXPECT_EQ(vista.Faixa(), faixa);
    if (const QString capturas = qEnvironmentVariable("USINA_CAPTURAS"); !capturas.isEmpty()) {
        QApplication::processEvents();
        vista.grab().save(QDir(capturas).filePath("diagrama-ts-zoom-en.png"));
    }
    const QStringList ingles = TextosGrafico(vista.Grafico);
    ASSERT_EQ(ingles.size(), portugues.size());
    for (const char* nome : {"Saturation", "Isobars", "Boiler", "Turbines", "Isentropic expansion",
                             "Valve", "Mixer", "Process", "Pump", "State 1"})
        EXPECT_TRUE(ingles.contains(nome)) << nome;
    // The isobars' names keep the core's pressure; the points' descriptions
    // their figures.
    const qsizetype isobaras =
        portugues.filter(QRegularExpression("^(Caldeira|Coletor|Processo|Condensado) [0-9,]+ bar$"))
            .size();
    EXPECT_GE(isobaras, 3);
    EXPECT_EQ(
        ingles.filter(QRegularExpression("^(Boiler|Header|Process|Condensate) [0-9,]+ bar$")).size(),
        isobaras);
    const QStringList estados = portugues.filter(QRegularExpression("^Estado .*: T = "));
    EXPECT_GE(estados.size(), 8);
    for (const QString& texto : estados)
        EXPECT_TRUE(ingles.contains(QString(texto).replace("Estado ", "State ")))
            << texto.toStdString();
    for (const QString& texto : ingles)
        EXPECT_FALSE(texto.contains(QRegularExpression("[ãõçáéíóúâêô]|^Estado|Caldeira")))
            << texto.toStdString();
    EXPECT_TRUE(vista.InfoPonto->text().startsWith("Drag a rectangle"));

    AplicarIdioma(Idioma::Portugues);
    EXPECT_EQ(TextosGrafico(vista.Grafico), portugues);
    EXPECT_EQ(vista.InfoPonto->text(), ajuda);
    EXPECT_EQ(vista.Faixa(), faixa);
}

}  // namespace
