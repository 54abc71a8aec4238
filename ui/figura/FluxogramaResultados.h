// The flowsheet with results: the plant drawn as vectors with a value box at
// every label (flow, pressure and temperature of a stream, power of a shaft,
// bagasse burnt), scaled to whatever it is drawn into, and its exports to
// PNG, SVG and PDF files.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <string>
#include <utility>
#include <vector>

#include "plant/ResultadoUsina.h"

// Draws into area (device coordinates of pintor), scaled uniformly to fit
// and centred; nothing is painted outside the rectangle
// RetanguloFluxogramaResultados(area), and the background is the caller's.
// resultado may be null (no run): the plant with the high-pressure turbine,
// without values. A run that did not finish shows its configuration, without
// values. desatualizado draws the values greyed: they no longer match the
// inputs.
void DesenharFluxogramaResultados(QPainter& pintor, const QRectF& area,
                                  const ResultadoUsina* resultado, const std::string& separador,
                                  bool desatualizado = false);

// Logical size of the drawing, for its aspect ratio.
QSizeF TamanhoNaturalFluxogramaResultados();

// The part of area the drawing takes: the largest rectangle of its aspect
// ratio, centred.
QRectF RetanguloFluxogramaResultados(const QRectF& area);

// The value boxes drawn for resultado, in logical coordinates: label and
// rectangle, in label order. None unless the run finished.
std::vector<std::pair<int, QRectF>> CaixasValores(const ResultadoUsina& resultado);

// The label whose value box, drawn into area as DesenharFluxogramaResultados
// draws it, holds posicao (device coordinates); -1 outside every box or
// without boxes (a run that did not finish).
int RotuloNaPosicao(const ResultadoUsina& resultado, const QRectF& area, const QPointF& posicao);
// That box's rectangle in device coordinates; empty for a label without one.
QRectF CaixaNaArea(const ResultadoUsina& resultado, const QRectF& area, int rotulo);

// The lines of one label's value box: "192,0 t/h", "80,00 bar", "450,0 °C"
// for a stream, "6000 kW" for a shaft, "86,5 t/h" for the fuel.
QStringList TextosCaixaValores(const ResultadoUsina& resultado, int rotulo,
                               const std::string& separador);

// A number with a fixed count of decimals and the given separator, without
// a sign on a value that rounds to zero: (-0.04, 1, ",") -> "0,0".
std::string TextoDecimais(double valor, int casas, const std::string& separador);

// The exports write a complete file or none: by way of a temporary file
// renamed over the target, so a failure leaves an existing file intact.
// They throw ErroArquivo with the system's message when the file cannot be
// written. resultado may be null, as for the drawing.

// A white-background PNG larguraPx wide, the height in proportion.
void ExportarFluxogramaPng(const QString& caminho, const ResultadoUsina* resultado,
                           const std::string& separador, int larguraPx = 2000);
// An SVG drawing of the logical size, text kept as text.
void ExportarFluxogramaSvg(const QString& caminho, const ResultadoUsina* resultado,
                           const std::string& separador);
// One landscape A4 page with the drawing fitted inside 10 mm margins.
void ExportarFluxogramaPdf(const QString& caminho, const ResultadoUsina* resultado,
                           const std::string& separador);
