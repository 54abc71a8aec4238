#include "ui/figura/FluxogramaGeometria.h"

#include <Qt>

namespace {

using P = QPoint;

// Outline of a turbine: narrow side on the left (esquerda, from y1 to y2), wide
// side on the right (direita, from y3 to y4), closed.
std::vector<QPoint> Turbina(int esquerda, int y1, int y2, int direita, int y3, int y4) {
    return {P(esquerda, y1), P(direita, y3), P(direita, y4), P(esquerda, y2), P(esquerda, y1)};
}

std::vector<QPoint> Retangulo(int x1, int y1, int x2, int y2) {
    return {P(x1, y1), P(x2, y1), P(x2, y2), P(x1, y2), P(x1, y1)};
}

GeometriaFluxograma Montar() {
    GeometriaFluxograma g;
    auto& l = g.linhas;

    // Boiler, fuel (17), feed water (19) and live steam (1).
    l.push_back(Retangulo(42, 14, 100, 96));
    l.push_back({P(0, 77), P(42, 77)});
    l.push_back({P(71, 198), P(71, 96)});
    l.push_back({P(100, 23), P(189, 23), P(189, 41)});

    // High-pressure turbine, its exhaust (2) and its generator shaft (12).
    l.push_back(Turbina(178, 43, 68, 225, 34, 77));
    l.push_back({P(220, 76), P(220, 93)});
    l.push_back({P(225, 53), P(256, 53)});
    l.push_back({P(225, 58), P(256, 58)});
    l.push_back({P(256, 39), P(256, 72)});
    l.push_back({P(258, 39), P(258, 72)});

    // Steam header and its branch (6) to the pump-drive turbine.
    l.push_back({P(217, 93), P(456, 93)});
    l.push_back({P(247, 93), P(247, 145), P(132, 145), P(132, 183)});

    // Expansion valve: inlet 3, two triangles apex to apex, outlet 7.
    l.push_back({P(290, 93), P(290, 128)});
    l.push_back({P(277, 128), P(303, 128), P(290, 146), P(277, 128)});
    l.push_back({P(277, 165), P(303, 165), P(290, 147), P(277, 165)});
    l.push_back({P(290, 165), P(290, 244)});

    // Mill-drive turbine: inlet 4, exhaust 8, shaft 13.
    l.push_back({P(347, 93), P(347, 131)});
    l.push_back(Turbina(336, 133, 159, 383, 125, 167));
    l.push_back({P(377, 166), P(377, 244)});
    l.push_back({P(383, 144), P(414, 144)});
    l.push_back({P(383, 149), P(414, 149)});
    l.push_back({P(414, 130), P(414, 163)});
    l.push_back({P(417, 130), P(417, 163)});

    // Medium-pressure turbine: inlet 5, exhaust 9, shaft 14.
    l.push_back({P(456, 93), P(456, 131)});
    l.push_back(Turbina(445, 133, 159, 492, 125, 167));
    l.push_back({P(485, 166), P(485, 244)});
    l.push_back({P(492, 144), P(523, 144)});
    l.push_back({P(492, 149), P(523, 149)});
    l.push_back({P(523, 130), P(523, 163)});
    l.push_back({P(526, 130), P(526, 163)});

    // Pump-drive turbine: exhaust 10 and the shaft (20) to the pump.
    l.push_back(Turbina(121, 185, 211, 168, 177, 219));
    l.push_back({P(163, 218), P(163, 244)});
    l.push_back({P(121, 195), P(95, 195)});
    l.push_back({P(121, 200), P(95, 200)});
    g.circulos.push_back({P(83, 198), 12});

    // Exhaust collector (11) down to the process, process box, return (18).
    l.push_back({P(158, 244), P(529, 244), P(529, 288), P(353, 288)});
    l.push_back(Retangulo(240, 268, 353, 308));
    l.push_back({P(240, 288), P(83, 288), P(83, 210)});

    g.setas = {
        {P(42, 77), Direcao::Direita},  {P(71, 96), Direcao::Cima},
        {P(189, 41), Direcao::Baixo},   {P(220, 93), Direcao::Baixo},
        {P(290, 128), Direcao::Baixo},  {P(347, 131), Direcao::Baixo},
        {P(456, 131), Direcao::Baixo},  {P(132, 183), Direcao::Baixo},
        {P(163, 244), Direcao::Baixo},  {P(290, 244), Direcao::Baixo},
        {P(377, 244), Direcao::Baixo},  {P(485, 244), Direcao::Baixo},
        {P(353, 288), Direcao::Esquerda}, {P(83, 210), Direcao::Cima},
    };

    g.rotulos = {
        {1, P(145, 12), P(145, 23)},   {2, P(207, 85), P(220, 85)},
        {3, P(302, 110), P(290, 110)}, {4, P(335, 110), P(347, 110)},
        {5, P(444, 110), P(456, 110)}, {6, P(259, 120), P(247, 120)},
        {6, P(118, 165), P(132, 165)}, {7, P(278, 205), P(290, 205)},
        {8, P(389, 205), P(377, 205)}, {9, P(497, 200), P(485, 200)},
        {10, P(175, 231), P(163, 231)}, {11, P(512, 230), P(512, 244)},
        {12, P(240, 43), P(240, 53)},  {13, P(399, 134), P(399, 144)},
        {14, P(508, 134), P(508, 144)}, {16, P(157, 160), P(157, 179)},
        {17, P(21, 65), P(21, 77)},    {18, P(160, 301), P(160, 288)},
        {19, P(56, 140), P(71, 140)},  {20, P(108, 181), P(108, 195)},
    };

    const int centro = Qt::AlignCenter;
    const int direita = Qt::AlignRight | Qt::AlignVCenter;
    const int esquerda = Qt::AlignLeft | Qt::AlignVCenter;
    g.legendas = {
        {"CALDEIRA", QRect(43, 38, 57, 14), centro},
        {"Tubina alta pressão", QRect(196, 18, 140, 12), esquerda},
        {"Turbina da\nmoenda", QRect(300, 172, 73, 24), direita},
        {"Turbina baixa\npressão", QRect(400, 172, 81, 24), direita},
        {"Turbina da Bomba", QRect(174, 196, 95, 12), esquerda},
        {"Processo da Usina", QRect(241, 269, 112, 39), centro},
    };
    return g;
}

}  // namespace

const GeometriaFluxograma& Geometria() {
    static const GeometriaFluxograma geometria = Montar();
    return geometria;
}
