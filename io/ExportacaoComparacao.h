// A comparison of cases as CSV, for spreadsheets: the window's comparison
// view saves it.
#pragma once

#include <string>

#include "plant/ComparacaoCasos.h"

// A header row (section, quantity, unit, the current case's name, then for
// each other case its name, "Diferença" and "Diferença [%]" after it); a
// row "Situação" saying for each case "calculado" or the message of its run;
// then the inputs that differ, the global results, the indicators and the
// season's figures, one row each; and, when some case's investment differs
// from the current case's, a row "Retorno simples do investimento" with
// each such case's payback in seasons or "não se paga". The figures resting on the estimated bagasse exergy are left
// out: they are for the screen only. The configuration reads "sim" or "não";
// a figure a case lacks is an empty cell. Comma delimiters and a decimal
// point, or semicolons and a decimal comma when separadorDecimal is ",";
// numbers in the shortest form that reads back exactly; RFC 4180 quoting;
// CR LF line ends.
std::string ComparacaoCsv(const ComparacaoCasos& comparacao, const std::string& separadorDecimal);
