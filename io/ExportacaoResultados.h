// A run's results for spreadsheets and scripts: everything as one JSON
// object, the stream table and the global results as CSV. Written with
// nlohmann-json; numbers read back to the same double.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "plant/EntradasUsina.h"
#include "plant/ResultadoUsina.h"

// A field as the run left it: component name and text, in writing order.
using CampoEscrito = std::pair<std::string, std::string>;

// {"entradas": {field: number}, "com_turbina_alta": bool, "propriedades":
//  the property package's code ("kkhm", "if97"),
//  "resultados": {output field the run wrote: the number it shows, unrounded,
//                 in window units}, "estados": [one object per stream label,
//  keys rotulo, vazao_kg_s, p_bar, t_C, v_m3_kg, h_kJ_kg, s_kJ_kgK, ex_kJ_kg,
//  titulo], "balancos": {massa_coletor_kg_s, massa_misturador_kg_s,
//  energia_coletor_kW, energia_usina_kW, calor_caldeira_kW}, "safra":
//  {the season's figures by their names, TabelaSafra.h}, "avisos": [texts],
//  "campos": {field: text}}, on one line ending with a newline, keys in the
// order given; "balancos" only for a finished run, "safra" only for a
// finished run with its season, whose warnings then follow the run's in
// "avisos". When the
// medium-pressure turbine is left negative steam, its power, irreversibility
// and second-law efficiency are null in resultados and listed after it in
// "nao_fisicos": [field names]. entradas holds the inputs that
// read as numbers, as typed (before the reading limits); resultados leaves
// out the blank panel of the high-pressure turbine when comTurbinaAlta is
// false; estados is empty unless the run finished. A number that is not
// finite (none in a finished run) is null. Bytes of a text that are not
// UTF-8 become U+FFFD.
std::string ResultadosJson(const std::vector<std::pair<std::string, double>>& entradas,
                           bool comTurbinaAlta, const ResultadoUsina& resultado,
                           const std::vector<CampoEscrito>& campos,
                           const std::string& separador);

// How the stream table's pressure header names its unit: "Pressão [bar]" as
// usina-calc has always printed it (scripts pick columns by that name), or
// "Pressão [bar (abs.)]", saying the basis, in the window's exports.
enum class CabecalhoPressao { Bar, BarAbsoluto };

// The stream table: a header row with the units, then one row per stream
// label (label, description, then the numbers of "estados"). Comma
// delimiters and a decimal point, or semicolons and a decimal comma when
// separadorDecimal is "," (what spreadsheets expect there); any other
// separator gets the decimal point. Numbers in the shortest form that reads
// back exactly; a text is quoted only when it holds the delimiter, a quote
// or a line end (RFC 4180). UTF-8, CR LF line ends. Throws
// ErroResultadoIncompleto unless the run finished.
std::string CorrentesCsv(const ResultadoUsina& resultado, const std::string& separadorDecimal,
                         CabecalhoPressao pressao = CabecalhoPressao::Bar);

// The stream table, an empty line, then the global results (name, value,
// unit) and, for a run not of the 1969 equation, a row "Propriedades da
// água" with its package's code, for the window's export; for a run with its
// season, an empty line and the season's table (SafraCsv) after them. Throws
// like CorrentesCsv.
std::string ResultadosCsv(const ResultadoUsina& resultado, const std::string& separadorDecimal,
                          CabecalhoPressao pressao = CabecalhoPressao::Bar);

// The season's figures: a header row, then one row each (caption, value,
// unit), in the CSV form of CorrentesCsv; empty for a run without its
// season. Throws like CorrentesCsv.
std::string SafraCsv(const ResultadoUsina& resultado, const std::string& separadorDecimal);

// The UTF-8 byte-order mark the window's CSV files start with, so that a
// spreadsheet set to another code page reads "Rótulo", not "RÃ³tulo".
inline constexpr std::string_view MarcaUtf8 = "\xEF\xBB\xBF";

// The delimiter of the CSV files: ';' when separadorDecimal is ",", else ','.
char DelimitadorCsv(const std::string& separadorDecimal);

// One CSV field: the text as is, or in double quotes with its quotes doubled
// when it holds the delimiter, a quote, CR or LF.
std::string CampoCsv(std::string_view texto, char delimitador);

// One CSV row of these cells, ending with CR LF.
std::string LinhaCsv(const std::vector<std::string>& celulas, char delimitador);
