// The labels of the T-s diagram's points never overlap: the placement alone
// on hand-made crowds and on the diagrams of real runs, and the view as it
// draws them, at two sizes and zoomed.
#include <QApplication>
#include <QChart>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "plant/CalculoUsina.h"
#include "plant/DiagramaTs.h"
#include "ui/vistas/GraficoInterativo.h"
#include "ui/vistas/RotulosSemSobreposicao.h"
#include "ui/vistas/VistaDiagramaTs.h"

namespace {

bool Cruzam(const QRectF& a, const QRectF& b) {
    return a.left() < b.right() && b.left() < a.right() && a.top() < b.bottom() &&
           b.top() < a.bottom();
}

// No two labels overlap, none covers a point; returns how many lie outside area.
int Verificar(const std::vector<RotuloAPosicionar>& pedidos, const std::vector<QRectF>& postos,
              const QRectF& area, double raio, const std::string& caso) {
    EXPECT_EQ(postos.size(), pedidos.size()) << caso;
    int fora = 0;
    for (std::size_t i = 0; i < postos.size(); ++i) {
        EXPECT_EQ(postos[i].size(), pedidos[i].tamanho) << caso;
        fora += !area.contains(postos[i]);
        for (std::size_t j = i + 1; j < postos.size(); ++j)
            EXPECT_FALSE(Cruzam(postos[i], postos[j])) << caso << ": " << i << " and " << j;
        for (const RotuloAPosicionar& p : pedidos)
            EXPECT_FALSE(Cruzam(postos[i], QRectF(p.ponto - QPointF(raio, raio),
                                                 QSizeF(2 * raio, 2 * raio))))
                << caso << ": label " << i;
    }
    return fora;
}

EntradasUsina Caso(double pressaoBar, bool comTurbina) {
    EntradasUsina e;
    e.PressaoCaldeira = pressaoBar;
    e.comTurbinaAlta = comTurbina;
    if (pressaoBar > 150.0) e.TemperaturaCaldeira = 540.0;  // superheated at 190 bar
    return e;
}

}  // namespace

// Crowds made by hand: many labels on one point, a row of points closer than
// a label is wide, points in the corners of the area and outside it.
TEST(RotulosSemSobreposicao, AglomeradosFeitosAMao) {
    const QRectF area(0, 0, 400, 300);
    const QSizeF t(40, 14);
    struct Caso {
        std::string nome;
        std::vector<QPointF> pontos;
        int foraMaximo;  // labels that may end outside the area
    };
    std::vector<Caso> casos;
    casos.push_back({"ten on one point", std::vector<QPointF>(10, QPointF(200, 150)), 0});
    std::vector<QPointF> fila;
    for (int i = 0; i < 12; ++i) fila.emplace_back(150 + 6 * i, 150);
    casos.push_back({"a row", fila, 0});
    casos.push_back({"corners", {{0, 0}, {400, 0}, {0, 300}, {400, 300}, {1, 1}, {399, 299}}, 0});
    casos.push_back({"outside", {{-50, 150}, {450, 150}}, 2});
    std::vector<QPointF> grade;  // denser than the area can hold
    for (int x = 0; x <= 400; x += 20)
        for (int y = 0; y <= 300; y += 20) grade.emplace_back(x, y);
    casos.push_back({"dense grid", grade, static_cast<int>(grade.size())});
    for (const Caso& c : casos) {
        std::vector<RotuloAPosicionar> pedidos;
        for (const QPointF& p : c.pontos) pedidos.push_back({p, t});
        const std::vector<QRectF> postos = PosicionarRotulos(pedidos, area, 4.0);
        EXPECT_LE(Verificar(pedidos, postos, area, 4.0, c.nome), c.foraMaximo) << c.nome;
    }
    // Alone, a label sits right beside its point, centred on it.
    const std::vector<QRectF> so = PosicionarRotulos({{QPointF(100, 100), t}}, area, 4.0);
    EXPECT_EQ(so[0], QRectF(QPointF(106, 93), t));
    // The same request, the same places.
    std::vector<RotuloAPosicionar> pedidos;
    for (const QPointF& p : fila) pedidos.push_back({p, t});
    EXPECT_EQ(PosicionarRotulos(pedidos, area, 4.0), PosicionarRotulos(pedidos, area, 4.0));
}

// The states of real runs, mapped to the pixels of a plot as the view maps
// them, at a roomy and a cramped size: the default case, 190 bar, without
// the high-pressure turbine.
TEST(RotulosSemSobreposicao, DiagramasDeRodadas) {
    struct Rodada {
        std::string nome;
        EntradasUsina entradas;
    };
    const Rodada rodadas[] = {{"default", Caso(80.0, true)},
                              {"190 bar", Caso(190.0, true)},
                              {"no HP turbine", Caso(80.0, false)},
                              {"30 bar", Caso(30.0, true)}};
    for (const Rodada& rodada : rodadas) {
        ResultadoUsina r;
        CalcularUsina(rodada.entradas, r);
        ASSERT_EQ(r.situacao, SituacaoCalculo::Completo) << rodada.nome;
        const DiagramaTs d = CalcularDiagramaTs(r, 600.0);
        for (const QSizeF tamanho : {QSizeF(700, 500), QSizeF(300, 220)}) {
            const QRectF area(QPointF(40, 10), tamanho);
            std::vector<RotuloAPosicionar> pedidos;
            for (const EstadoTs& e : d.estados) {
                const QPointF p(area.left() + e.ponto.s / 10.0 * area.width(),
                                area.bottom() - e.ponto.t / 600.0 * area.height());
                const auto letras = static_cast<double>(TextoRotulos(e.rotulos).size());
                pedidos.push_back({p, QSizeF(8.0 * letras + 2.0, 15.0)});
            }
            const std::vector<QRectF> postos = PosicionarRotulos(pedidos, area, 5.0);
            const std::string caso = rodada.nome + " " + std::to_string(tamanho.width());
            EXPECT_EQ(Verificar(pedidos, postos, area, 5.0, caso), 0) << caso;
            // Near their points: within a few label heights.
            for (std::size_t i = 0; i < postos.size(); ++i) {
                const QPointF p = pedidos[i].ponto;
                const QPointF perto(std::clamp(p.x(), postos[i].left(), postos[i].right()),
                                    std::clamp(p.y(), postos[i].top(), postos[i].bottom()));
                EXPECT_LT(QLineF(p, perto).length(), 60.0) << caso << " " << i;
            }
        }
    }
}

// The view itself: its labels as drawn, none over another, every state's
// label shown on the whole diagram, a zoom placing them again; the legend
// draws each kind as a piece of its line (dashed, dotted or solid).
TEST(RotulosSemSobreposicao, VistaDesenhaSemSobrepor) {
    for (const EntradasUsina& entradas : {Caso(80.0, true), Caso(190.0, true), Caso(80.0, false)}) {
        ResultadoUsina r;
        CalcularUsina(entradas, r);
        for (const QSize tamanho : {QSize(1000, 700), QSize(560, 420)}) {
            VistaDiagramaTs vista;
            vista.resize(tamanho);
            vista.show();
            vista.MostrarResultado(r);
            QApplication::processEvents();
            const auto rotulos = [&] {
                std::vector<std::pair<QString, QRectF>> lista;
                for (QGraphicsItem* item : vista.Grafico->chart()->childItems())
                    if (auto* t = qgraphicsitem_cast<QGraphicsSimpleTextItem*>(item); t && t->isVisible())
                        lista.emplace_back(t->text(), t->sceneBoundingRect());
                return lista;
            };
            const auto verificar = [&](const std::string& onde) {
                const auto lista = rotulos();
                // On the plot, whatever the zoom: a point off it has no label.
                QChart* grafico = vista.Grafico->chart();
                const QRectF plano = grafico->mapRectToScene(grafico->plotArea());
                for (const auto& [texto, caixa] : lista)
                    EXPECT_TRUE(plano.contains(caixa)) << onde << ": " << texto.toStdString();
                for (std::size_t i = 0; i < lista.size(); ++i)
                    for (std::size_t j = i + 1; j < lista.size(); ++j)
                        EXPECT_FALSE(Cruzam(lista[i].second, lista[j].second))
                            << onde << ": " << lista[i].first.toStdString() << " / "
                            << lista[j].first.toStdString();
                return lista.size();
            };
            const std::string onde = std::to_string(entradas.PressaoCaldeira) + " bar, " +
                                     (entradas.comTurbinaAlta ? "HP, " : "no HP, ") +
                                     std::to_string(tamanho.width());
            const DiagramaTs d = CalcularDiagramaTs(r, vista.Faixa().bottom());
            EXPECT_GE(verificar(onde), d.estados.size()) << onde;
            vista.Grafico->Ampliar(2.0);
            QApplication::processEvents();
            verificar(onde + " zoomed");
            // Only the states in sight have their labels.
            std::size_t estadosVistos = 0, rotulosDeEstados = 0;
            for (const EstadoTs& e : d.estados)
                estadosVistos += vista.Faixa().contains(QPointF(e.ponto.s, e.ponto.t));
            for (const auto& [texto, caixa] : rotulos()) rotulosDeEstados += !texto.endsWith(" bar");
            EXPECT_LT(estadosVistos, d.estados.size()) << onde;
            EXPECT_EQ(rotulosDeEstados, estadosVistos) << onde;
            EXPECT_EQ(vista.Grafico->chart()->legend()->markerShape(), QLegend::MarkerShapeFromSeries);
        }
    }
}
