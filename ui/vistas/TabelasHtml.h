// The stream table and the indicators as HTML tables for a QTextDocument
// (the PDF report), with the numbers as the views show them and the texts
// in the window's language. The indicators leave out every figure that
// rests on the estimated fuel exergy: those are for the screen only. Every
// table's header row is a <thead>, repeated on each page it continues on.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "plant/ResultadoUsina.h"

// The report's type family, and the stream table's size (points).
inline constexpr const char* FamiliaRelatorio = "DejaVu Sans";
inline constexpr double TipoCorrentesPt = 7.0;
// What a cell takes besides its text: cellpadding 3 and a border of 1 CSS
// pixel (1/96 in) on each side come to 5.8 pt; with a little to spare.
inline constexpr double FolgaCelulaPt = 7.0;
// The width of an A4 portrait page within 15 mm margins (points).
inline constexpr double LarguraTextoA4Pt = (210.0 - 2 * 15.0) / 25.4 * 72.0;

// Throw ErroResultadoIncompleto unless the run finished. The stream table
// is laid out for a table larguraTabelaPt wide.
QString CorrentesHtml(const ResultadoUsina& resultado, const std::string& separador,
                      double larguraTabelaPt = LarguraTextoA4Pt);
QString IndicadoresHtml(const ResultadoUsina& resultado, const std::string& separador);

// A cell's text escaped for HTML, a number kept on the line of its unit
// ("38,4&nbsp;K"), so that no unit is left alone on a line.
QString TextoCelulaHtml(const QString& texto);

// A header "Name [unit]" as a cell's HTML: the name wraps only between its
// words, the unit goes whole to a line of its own.
QString CabecalhoCelulaHtml(const QString& cabecalho);

// The pieces of a header no line may break: each word of the name, and the
// unit in brackets whole ("Vazão [t/h]" -> "Vazão", "[t/h]").
QStringList PartesInquebraveis(const QString& cabecalho);

// The stream table's column widths in percent of a table larguraTabelaPt
// wide: each column of numbers, and the label's, wide enough for every
// unbreakable piece of its header and for its widest number; the
// description and the state share the rest.
class ModeloCorrentes;
std::vector<int> LargurasColunasCorrentes(const ModeloCorrentes& modelo, double larguraTabelaPt);
