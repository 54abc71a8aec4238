// usina-calc --sweep: the base case from the command line, the sweep on
// several threads, its table as CSV on standard output.
#pragma once

#include <ostream>
#include <string>

#include "tools/OpcoesCalc.h"

// The outputs of a sweep when --outputs is not given.
inline constexpr const char* SaidasPadraoVarredura = "Epotele,Eexbag,Econbag,Emcomb,Ew12,Ew14";

// The base case is made as for a single run (defaults, case file, FIELD=TEXT,
// --without-hp-turbine; saved first with --save-case); START and END are read
// with separador like a field's text. Prints VarreduraCsv on saida; the
// property package's diagnostic lines go to standard error. Returns 0 when
// the sweep ran, whatever its points gave; 1 when it could not run (an
// unknown input or output, fewer than two points, a number that cannot be
// read, a case file that cannot be read or saved) or saida could not be
// written, with the message on erros; 2 for a separator holding ':'.
int ExecutarVarreduraCalc(const OpcoesCalc& opcoes, const std::string& separador,
                          std::ostream& saida, std::ostream& erros);
