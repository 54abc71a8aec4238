// The chart of a parametric study: the chosen output against the first
// swept input, one curve per value of the second. A point without a value
// breaks its curve, so a refused point is a gap and never a straight line
// drawn across it; those points are listed with their messages.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QSize>
#include <QStringList>
#include <cstddef>
#include <string>
#include <vector>

#include "plant/Varredura.h"

class QChart;
class QPainter;
class QPixmap;

struct CurvaEstudo {
    // "Temperatura de saída da caldeira [°C] = 400,0"; the output's caption
    // without a second input.
    QString nome;
    // Runs of consecutive points with a value, in the order of the first input.
    std::vector<std::vector<QPointF>> trechos;  // x: first input, y: output, window units
};

// Captions, names and messages in the window's language, composed when the
// curves are made; the numbers do not depend on it.
struct CurvasEstudo {
    QString tituloX;  // the first input's caption, with its unit
    QString tituloY;  // the output's caption, with its unit
    QString curvasPor;  // "Temperatura de saída da caldeira [°C]"; empty for one input
    std::vector<CurvaEstudo> curvas;  // in the order of the second input's values
    // "Pressão de operação da Caldeira [bar] = 30,0, Temperatura de saída da
    // caldeira [°C] = 250,0: <message>", for each
    // calculated point without a value of the output.
    QStringList falhas;
    std::size_t naoExecutados = 0;  // points a cancellation left out
};

// The curves of output number `saida` of a sweep's result, from the axes
// and outputs it carries. Throws ErroVarredura for an output index out of
// range, or a result without one or two axes.
CurvasEstudo MontarCurvas(const ResultadoVarredura& resultado, std::size_t saida,
                          const std::string& separador);
// The same for a result of pedido that may not carry them (ComEixos); also
// throws for an unknown field name.
CurvasEstudo MontarCurvas(const PedidoVarredura& pedido, const ResultadoVarredura& resultado,
                          std::size_t saida, const std::string& separador);

// Replaces the chart's series and axes by the curves: one QLineSeries per
// run of points, the runs of a curve in one colour under one legend entry;
// titled axes, tick labels with the user's separator.
void PreencherGrafico(QChart& grafico, const CurvasEstudo& curvas);

// How curve number k is told from the others: twelve colours that read
// apart, then, for the next twelve and so on, another dash and marker shape
// with the same colours (twelve times four looks, more than a study draws).
enum class FormaMarcador { Circulo, Quadrado, Triangulo, Losango };
struct EstiloCurva {
    QColor cor;
    Qt::PenStyle traco;
    FormaMarcador forma;
};
inline constexpr std::size_t CoresCurvas = 12;
EstiloCurva EstiloDaCurva(std::size_t k);

// A curve's sample as its legend entry shows it: a piece of its line with
// its marker in the middle, in a pixmap of the given size (pixels).
QPixmap AmostraCurva(const EstiloCurva& estilo, QSize tamanho);

// The legend of a chart drawn into a file: one entry per curve, its sample
// and its name wrapped to the width of area (never cut), top to bottom; the
// font shrinks until every entry fits the height. Draws nothing for one
// curve.
void DesenharLegendaCurvas(QPainter& pintor, const QRectF& area, const CurvasEstudo& curvas);
