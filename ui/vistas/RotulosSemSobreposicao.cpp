#include "ui/vistas/RotulosSemSobreposicao.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Around the point: right, above, left, below, then the corners, in units
// of the distance from the point to the label's nearest edge.
constexpr double Direcoes[][2] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1},
                                  {1, -1}, {-1, -1}, {1, 1}, {-1, 1}};
constexpr double Folga = 2.0;        // pixels between a marker and a label
constexpr int Aneis = 60;            // distances tried, each a label's height further

// The label's rectangle with its nearest edge at distancia from the point
// in direction (dx, dy): centred on that axis when the other is zero.
QRectF Candidato(const QPointF& p, const QSizeF& t, double distancia, double dx, double dy) {
    const double x = dx > 0 ? p.x() + distancia : dx < 0 ? p.x() - distancia - t.width()
                                                         : p.x() - t.width() / 2.0;
    const double y = dy > 0 ? p.y() + distancia : dy < 0 ? p.y() - distancia - t.height()
                                                         : p.y() - t.height() / 2.0;
    return QRectF(QPointF(x, y), t);
}

// Strict overlap: rectangles that only touch along an edge do not overlap.
bool Cruzam(const QRectF& a, const QRectF& b) {
    return a.left() < b.right() && b.left() < a.right() && a.top() < b.bottom() &&
           b.top() < a.bottom();
}

}  // namespace

std::vector<QRectF> PosicionarRotulos(const std::vector<RotuloAPosicionar>& rotulos,
                                      const QRectF& area, double raioMarcador) {
    std::vector<QRectF> marcadores;
    marcadores.reserve(rotulos.size());
    for (const RotuloAPosicionar& r : rotulos)
        marcadores.emplace_back(r.ponto - QPointF(raioMarcador, raioMarcador),
                                QSizeF(2 * raioMarcador, 2 * raioMarcador));

    std::vector<QRectF> postos;
    postos.reserve(rotulos.size());
    const auto livre = [&](const QRectF& c) {
        return std::none_of(postos.begin(), postos.end(), [&](const QRectF& o) { return Cruzam(c, o); }) &&
               std::none_of(marcadores.begin(), marcadores.end(),
                            [&](const QRectF& m) { return Cruzam(c, m); });
    };
    for (const RotuloAPosicionar& r : rotulos) {
        std::optional<QRectF> escolhido;
        // First inside the area, then anywhere.
        for (bool dentro : {true, false}) {
            for (int anel = 0; anel < Aneis && !escolhido; ++anel) {
                const double distancia = raioMarcador + Folga + anel * r.tamanho.height() / 2.0;
                for (const auto& [dx, dy] : Direcoes) {
                    const QRectF c = Candidato(r.ponto, r.tamanho, distancia, dx, dy);
                    if (dentro && !area.contains(c)) continue;
                    if (livre(c)) {
                        escolhido = c;
                        break;
                    }
                }
            }
            if (escolhido) break;
        }
        if (!escolhido) {
            // Crowded beyond every distance tried: below everything placed.
            double fundo = r.ponto.y() + raioMarcador + Folga;
            for (const QRectF& o : postos) fundo = std::max(fundo, o.bottom());
            for (const QRectF& m : marcadores) fundo = std::max(fundo, m.bottom());
            escolhido = QRectF(QPointF(r.ponto.x() - r.tamanho.width() / 2.0, fundo + Folga), r.tamanho);
        }
        postos.push_back(*escolhido);
    }
    return postos;
}
