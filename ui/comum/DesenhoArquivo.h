// A drawing as the bytes of an image file: PNG (pixels on white) or SVG
// (vectors on white, text kept as text). The flowsheet with results, the
// views' charts and the study's chart are all written this way.
#pragma once

#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <functional>

// Draws into area, in the painter's device coordinates.
using Desenho = std::function<void(QPainter& pintor, const QRectF& area)>;

// An antialiased PNG of pixels, the drawing filling the whole image. Throws
// std::bad_alloc for an image too large for memory.
QByteArray DesenhoPng(const QSize& pixels, const Desenho& desenhar);

// An SVG document of the given size (its view box from the origin), titled.
QByteArray DesenhoSvg(const QSizeF& tamanho, const QString& titulo, const Desenho& desenhar);
