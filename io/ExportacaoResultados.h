// A run's results for spreadsheets and scripts: everything as one JSON
// object, the stream table and the global results as CSV. Written with
// nlohmann-json; numbers read back to the same double.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "plant/EntradasUsina.h"
#include "plant/ResultadoUsina.h"

// A field as the run left it: component name and text, in writing order.
using CampoEscrito = std::pair<std::string, std::string>;

// {"entradas": {field: number}, "com_turbina_alta": bool,
//  "resultados": {output field the run wrote: the number it shows, unrounded,
//                 in window units}, "estados": [one object per stream label,
//  keys rotulo, vazao_kg_s, p_bar, t_C, v_m3_kg, h_kJ_kg, s_kJ_kgK, ex_kJ_kg,
//  titulo], "avisos": [texts], "campos": {field: text}}.
// entradas holds the inputs that read as numbers, as typed (before the
// reading limits); estados is empty unless the run finished.
std::string ResultadosJson(const std::vector<std::pair<std::string, double>>& entradas,
                           bool comTurbinaAlta, const ResultadoUsina& resultado,
                           const std::vector<CampoEscrito>& campos,
                           const std::string& separador);

// The stream table: a header row, then one row per stream label. Comma
// delimiters and a decimal point, or semicolons and a decimal comma when
// separadorDecimal is "," (what spreadsheets expect there). CR LF line ends.
std::string CorrentesCsv(const ResultadoUsina& resultado, const std::string& separadorDecimal);

// The stream table, an empty line, then the global results (name, value,
// unit), for the window's export.
std::string ResultadosCsv(const ResultadoUsina& resultado, const std::string& separadorDecimal);
