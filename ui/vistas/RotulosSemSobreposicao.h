// Where the labels of a chart's points go so that no two of them overlap:
// a small deterministic placement, the first free place near each point in
// a fixed order of places and of distances. For the T-s diagram, whose
// states crowd together near the exhausts.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <vector>

struct RotuloAPosicionar {
    QPointF ponto;    // pixels
    QSizeF tamanho;   // of the label's text, pixels
};

// One rectangle per label, in their order (the earlier labels get the
// nearer places): none intersects another, nor a square of side
// 2 * raioMarcador around any point (its own included). Each label goes to
// the first place around its point, right, above, left, below and the four
// corners, at growing distances, that is free and inside area; when no place
// inside area is free, the first free place outside it. Points need not be
// inside area.
std::vector<QRectF> PosicionarRotulos(const std::vector<RotuloAPosicionar>& rotulos,
                                      const QRectF& area, double raioMarcador);
