// The study's curves told apart and named by the inputs' captions: the
// palette, the configuration as an axis, the legend beside the chart and in
// the exported picture, the window's CSV header.
#include <QApplication>
#include <QChart>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>
#include <cmath>
#include <set>
#include <tuple>

#include "EmIngles.h"
#include "io/ExportacaoVarredura.h"
#include "ui/analise/GraficoEstudo.h"
#include "ui/analise/ModeloEstudo.h"
#include "ui/analise/VistaEstudo.h"

namespace {

// A hand-made result of pedido: every point calculated, output = i.
ResultadoVarredura Preenchido(const PedidoVarredura& pedido) {
    ResultadoVarredura r;
    DescreverVarredura(pedido, r);
    const std::size_t nx = r.eixos[0].valores.size();
    const std::size_t nz = r.eixos.size() > 1 ? r.eixos[1].valores.size() : 1;
    for (std::size_t i = 0; i < nx; ++i)
        for (std::size_t k = 0; k < nz; ++k) {
            PontoVarredura p;
            p.calculado = true;
            p.valores = {r.eixos[0].valores[i]};
            if (nz > 1 || r.eixos.size() > 1) p.valores.push_back(r.eixos[1].valores[k]);
            p.saidas = {static_cast<double>(i * nz + k)};
            p.situacao = SituacaoCalculo::Completo;
            r.pontos.push_back(p);
        }
    return r;
}

}  // namespace

// Twelve colours apart from each other, then the same colours with another
// dash and marker: more looks than a study draws curves, none repeated.
TEST(EstudoLegendas, PaletaDozeCoresDepoisTracos) {
    for (std::size_t a = 0; a < CoresCurvas; ++a)
        for (std::size_t b = a + 1; b < CoresCurvas; ++b) {
            const QColor ca = EstiloDaCurva(a).cor, cb = EstiloDaCurva(b).cor;
            const double d = std::hypot(ca.red() - cb.red(), ca.green() - cb.green(),
                                        ca.blue() - cb.blue());
            EXPECT_GT(d, 60.0) << a << " " << b;
        }
    std::set<std::tuple<QRgb, int, int>> vistos;
    for (std::size_t k = 0; k < 4 * CoresCurvas; ++k) {
        const EstiloCurva e = EstiloDaCurva(k);
        EXPECT_TRUE(vistos.insert({e.cor.rgb(), e.traco, static_cast<int>(e.forma)}).second) << k;
    }
    EXPECT_GE(vistos.size(), static_cast<std::size_t>(VistaEstudo::MaximoCurvas));
    EXPECT_EQ(EstiloDaCurva(0).traco, Qt::SolidLine);
    EXPECT_EQ(EstiloDaCurva(CoresCurvas).cor, EstiloDaCurva(0).cor);
    EXPECT_NE(EstiloDaCurva(CoresCurvas).traco, EstiloDaCurva(0).traco);
}

// Axes of every kind named by caption and unit: a plant input, a season
// input, the configuration (which has no input of its own), first or second.
TEST(EstudoLegendas, EixosPelasLegendas) {
    struct Caso {
        std::vector<EixoVarredura> eixos;
        const char* tituloX;
        const char* curvasPor;
        std::vector<const char*> nomes;
        std::vector<const char*> cabecalho;  // the CSV's header cells
    };
    const Caso casos[] = {
        {{{"Eprecal", 60.0, 100.0, 3}, {CampoConfiguracao, 1.0, 0.0, 2}},
         "Pressão de operação da Caldeira [bar]",
         "Com turbina de alta pressão",
         {"Com turbina de alta pressão = sim", "Com turbina de alta pressão = não"},
         {"Pressão de operação da Caldeira [bar]", "Com turbina de alta pressão",
          "Potência Elétrica [kW]", "Aviso", "Erro"}},
        {{{CampoConfiguracao, 0.0, 1.0, 2}, {"Etscal", 400.0, 500.0, 3}},
         "Com turbina de alta pressão",
         "Temperatura de saída da caldeira [°C]",
         {"Temperatura de saída da caldeira [°C] = 400,0",
          "Temperatura de saída da caldeira [°C] = 450,0",
          "Temperatura de saída da caldeira [°C] = 500,0"},
         {"Com turbina de alta pressão", "Temperatura de saída da caldeira [°C]",
          "Potência Elétrica [kW]", "Aviso", "Erro"}},
        {{{"Ediasafra", 180.0, 220.0, 3}},
         "Duração da safra [dias]",
         "",
         {"Potência Elétrica"},
         {"Duração da safra [dias]", "Potência Elétrica [kW]", "Aviso", "Erro"}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.tituloX);
        PedidoVarredura pedido;
        pedido.eixos = caso.eixos;
        pedido.saidas = {"Epotele"};
        const ResultadoVarredura r = Preenchido(pedido);
        const CurvasEstudo c = MontarCurvas(r, 0, ",");
        EXPECT_EQ(c.tituloX, QString::fromUtf8(caso.tituloX));
        EXPECT_EQ(c.curvasPor, QString::fromUtf8(caso.curvasPor));
        ASSERT_EQ(c.curvas.size(), caso.nomes.size());
        for (std::size_t k = 0; k < c.curvas.size(); ++k)
            EXPECT_EQ(c.curvas[k].nome, QString::fromUtf8(caso.nomes[k]));
        QStringList cabecalho;
        for (const char* t : caso.cabecalho) cabecalho << QString::fromUtf8(t);
        EXPECT_EQ(TitulosColunasEstudo(r), cabecalho);

        // The window's CSV: that header, then the very rows usina-calc writes.
        for (const std::string separador : {",", "."}) {
            const std::string csv = CsvEstudo(pedido, r, separador);
            const std::string motor = VarreduraCsv(pedido, r, separador);
            const QString delimitador = separador == "," ? ";" : ",";
            const std::size_t fim = csv.find("\r\n");
            EXPECT_EQ(QString::fromStdString(csv.substr(0, fim)), cabecalho.join(delimitador));
            EXPECT_EQ(csv.substr(fim), motor.substr(motor.find("\r\n")));
        }

        // The table: the configuration's cells say yes or no.
        ModeloEstudo m;
        m.DefinirResultado(r, ",");
        for (int col = 0; col < m.NumeroEixos(); ++col) {
            const QString cabecalhoTabela = m.headerData(col, Qt::Horizontal).toString();
            EXPECT_EQ(cabecalhoTabela.simplified(), cabecalho[col]);
            const bool configuracao = r.eixos[static_cast<std::size_t>(col)].configuracao;
            const QString celula = m.Texto(0, col);
            if (configuracao) EXPECT_TRUE(celula == "sim" || celula == "não") << celula.toStdString();
            else EXPECT_TRUE(celula.front().isDigit()) << celula.toStdString();
        }
    }
    // In English, header and names follow.
    EmIngles idioma;
    PedidoVarredura pedido;
    pedido.eixos = {{"Eprecal", 60.0, 100.0, 3}, {CampoConfiguracao, 1.0, 0.0, 2}};
    pedido.saidas = {"Epotele"};
    const ResultadoVarredura r = Preenchido(pedido);
    const CurvasEstudo c = MontarCurvas(r, 0, ".");
    EXPECT_EQ(c.tituloX, "Boiler operating pressure [bar]");
    EXPECT_FALSE(c.curvas[0].nome.contains("turbina")) << c.curvas[0].nome.toStdString();
    const std::string csv = CsvEstudo(pedido, r, ".");
    EXPECT_EQ(csv.substr(0, csv.find(',')), "Boiler operating pressure [bar]");
}

// Twenty curves: the legend beside the chart has every name whole (a label
// tall enough for its wrapped text), samples in the curves' looks; the
// exported picture's legend fits its column whatever the names' length.
TEST(EstudoLegendas, LegendaNuncaCorta) {
    PedidoVarredura pedido;
    pedido.eixos = {{"Eprecal", 60.0, 100.0, 3}, {"Etscal", 360.0, 540.0, VistaEstudo::MaximoCurvas}};
    pedido.saidas = {"Epotele"};
    const ResultadoVarredura r = Preenchido(pedido);
    const CurvasEstudo curvas = MontarCurvas(r, 0, ",");
    ASSERT_EQ(curvas.curvas.size(), static_cast<std::size_t>(VistaEstudo::MaximoCurvas));

    QChart grafico;
    PreencherGrafico(grafico, curvas);
    std::set<std::pair<QRgb, int>> aparencias;
    for (QAbstractSeries* s : grafico.series()) {
        const auto* linha = static_cast<QLineSeries*>(s);
        aparencias.insert({linha->pen().color().rgb(), linha->pen().style()});
    }
    EXPECT_EQ(aparencias.size(), curvas.curvas.size());

    // Drawn into a column: nothing below it, the last entry drawn too.
    QImage imagem(400, 500, QImage::Format_RGB32);
    imagem.fill(Qt::white);
    {
        QPainter pintor(&imagem);
        DesenharLegendaCurvas(pintor, QRectF(10, 10, 220, 300), curvas);
    }
    const auto linhaTemTinta = [&](int y, int x0, int x1) {
        for (int x = x0; x < x1; ++x)
            if (imagem.pixel(x, y) != qRgb(255, 255, 255)) return true;
        return false;
    };
    bool abaixo = false, foraDaColuna = false;
    for (int y = 312; y < imagem.height(); ++y) abaixo = abaixo || linhaTemTinta(y, 0, 400);
    for (int y = 0; y < imagem.height(); ++y) foraDaColuna = foraDaColuna || linhaTemTinta(y, 232, 400);
    EXPECT_FALSE(abaixo);
    EXPECT_FALSE(foraDaColuna);
    bool ultima = false;
    for (int y = 200; y < 312; ++y) ultima = ultima || linhaTemTinta(y, 10, 40);
    EXPECT_TRUE(ultima);  // the last samples are near the bottom

    // On screen, in a study view: every label whole.
    VistaEstudo vista;
    vista.resize(1366, 700);
    vista.show();
    vista.ExecutarEstudo(pedido);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !vista.Executando(); }, 120000));
    QApplication::processEvents();
    const CurvasEstudo mostradas = MontarCurvas(vista.UltimoResultado(), 0, ",");
    ASSERT_TRUE(vista.LegendaCurvas->isVisible());
    for (int k = 0; k < VistaEstudo::MaximoCurvas; ++k) {
        const auto* rotulo = vista.LegendaCurvas->findChild<QLabel*>(QString("Legenda%1").arg(k));
        ASSERT_NE(rotulo, nullptr);
        EXPECT_EQ(rotulo->text(), mostradas.curvas[static_cast<std::size_t>(k)].nome);
        EXPECT_TRUE(rotulo->wordWrap());
        EXPECT_GE(rotulo->height(), rotulo->heightForWidth(rotulo->width())) << k;
        EXPECT_LE(rotulo->geometry().right(), vista.LegendaCurvas->viewport()->width());
    }
}
