// Where each element of the flowsheet picture goes, as plain data: the
// drawing code only walks these tables.
#pragma once

#include <QPoint>
#include <QRect>
#include <vector>

// Direction an arrowhead points, i.e. the direction of flow.
enum class Direcao { Direita, Esquerda, Cima, Baixo };

// A filled arrowhead whose tip touches the inlet it marks.
struct Seta {
    QPoint ponta;
    Direcao direcao;
};

// A label: the number in a small circle, joined by a short stroke from the
// circle's rim to a point of the line or shaft it names.
struct Rotulo {
    int numero;
    QPoint centro;
    QPoint alvo;
};

// A caption inside a box; several lines are separated by '\n'.
struct Legenda {
    const char* texto;  // UTF-8
    QRect caixa;
    int alinhamento;    // Qt::Alignment flags
};

struct Circulo {
    QPoint centro;
    int raio;
};

struct GeometriaFluxograma {
    std::vector<std::vector<QPoint>> linhas;  // open or closed polylines
    std::vector<Circulo> circulos;
    std::vector<Seta> setas;
    std::vector<Rotulo> rotulos;
    std::vector<Legenda> legendas;
};

inline constexpr int RaioRotulo = 7;  // pixels

// The one fixed flowsheet of the plant.
const GeometriaFluxograma& Geometria();
