// The stream table and the indicators as HTML tables for a QTextDocument
// (the PDF report), with the numbers as the views show them and the texts
// in the window's language. The indicators leave out every figure that
// rests on the estimated fuel exergy: those are for the screen only.
#pragma once

#include <QString>
#include <string>

#include "plant/ResultadoUsina.h"

// Throw ErroResultadoIncompleto unless the run finished.
QString CorrentesHtml(const ResultadoUsina& resultado, const std::string& separador);
QString IndicadoresHtml(const ResultadoUsina& resultado, const std::string& separador);
