// A sweep's results as CSV, for spreadsheets and scripts: usina-calc's
// --sweep prints it, and the window's studies can save it.
#pragma once

#include <string>

#include "plant/Varredura.h"

// A header row (the swept fields, the outputs, "aviso", "erro"), then one
// row per calculated point in sweep order: the swept values, the outputs,
// the warning text, the message of a refused or failed point. A blank
// output (a point that did not finish, the high-pressure turbine's panel
// without it) is an empty cell; points a cancellation left out have no row.
// Comma delimiters and a decimal point, or semicolons and a decimal comma
// when separadorDecimal is ","; numbers in the shortest form that reads back
// exactly; RFC 4180 quoting; CR LF line ends.
std::string VarreduraCsv(const PedidoVarredura& pedido, const ResultadoVarredura& resultado,
                         const std::string& separadorDecimal);

// The same table a piece at a time, for writing rows as the points finish:
// the header row, and the row of one calculated point.
std::string CabecalhoVarreduraCsv(const PedidoVarredura& pedido, const std::string& separadorDecimal);
std::string LinhaVarreduraCsv(const PontoVarredura& ponto, const std::string& separadorDecimal);
