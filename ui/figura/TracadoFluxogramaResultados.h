// Where each element of the flowsheet with results goes, as plain data in
// logical units: the same plant as the small picture, re-spaced so that a
// value box fits beside every label. The drawing code only walks these
// tables, and the tests check the boxes against them.
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>


// Logical size of the drawing; it is scaled uniformly to the area it is given.
inline constexpr double LarguraTracado = 1100.0;
inline constexpr double AlturaTracado = 640.0;
inline constexpr double RaioEtiqueta = 9.0;  // label circles

// Direction an arrowhead points, i.e. the direction of flow.
enum class Sentido { Direita, Esquerda, Cima, Baixo };

// What a line carries; it chooses the colour.
enum class TipoLinha { Vapor, Agua, Combustivel, Eixo };

// An open polyline. A line of equipment out of service is drawn greyed and
// dashed.
struct LinhaTracado {
    TipoLinha tipo;
    std::vector<QPointF> pontos;
    bool foraDeServico = false;
};

struct SetaTracado {
    QPointF ponta;
    Sentido sentido;
    TipoLinha tipo;
    bool foraDeServico = false;
};

// A piece of equipment: a closed outline, or a circle when raio > 0, with an
// optional symbol ("G") in its middle.
struct EquipamentoTracado {
    QPolygonF contorno;
    QPointF centro;
    double raio = 0.0;
    QString simbolo;
    bool foraDeServico = false;

    QRectF Limites() const;  // the outline's bounding rectangle
};

struct LegendaTracado {
    QString texto;  // Portuguese, as written here
    QRectF caixa;
    int alinhamento;  // Qt::Alignment flags
    bool foraDeServico = false;
    bool pequena = false;  // the smaller font, for a caption inside a small symbol

    // The caption in the window's language: the drawing is read, so it and
    // its exports follow the language shown when they are made.
    QString TextoMostrado() const;
};

// A label: its number in a circle joined to a point of the line or shaft it
// names.
struct EtiquetaTracado {
    int numero;
    QPointF centro;
    QPointF alvo;
    bool foraDeServico = false;
};

// Where a label's values go: one line for a shaft or the fuel, three for a
// stream (flow, pressure, temperature).
struct CaixaTracado {
    int rotulo;
    QRectF caixa;
};

struct TracadoFluxograma {
    std::vector<LinhaTracado> linhas;
    std::vector<SetaTracado> setas;
    std::vector<EquipamentoTracado> equipamentos;
    std::vector<LegendaTracado> legendas;
    std::vector<EtiquetaTracado> etiquetas;
    std::vector<CaixaTracado> caixas;
};

// The plant with the high-pressure turbine, or without it: then the turbine,
// its shaft and generator are drawn out of service, a bypass line carries
// the live steam to the header, and its shaft has no value box.
const TracadoFluxograma& TracadoFluxogramaResultados(bool comTurbinaAlta);
