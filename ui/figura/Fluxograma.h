// The flowsheet picture: a fixed 538 x 317 black-on-white line drawing of the
// plant with its numbered labels, drawn by our own code.
#pragma once

#include <QImage>

inline constexpr int LarguraFluxograma = 538;  // pixels
inline constexpr int AlturaFluxograma = 317;   // pixels

// Draws the picture into a new 24-bit image (96 dots per inch), black lines
// one pixel wide on white, without antialiasing.
QImage DesenharFluxograma();
