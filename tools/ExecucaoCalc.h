// One usina-calc run: the fields, the calculation, the optional report and
// the printing of what the run wrote.
#pragma once

#include <ostream>
#include <string>

#include "tools/OpcoesCalc.h"

// Runs the calculation on fields holding the default texts changed by the
// options, with separador as decimal separator, on fresh plant data.
// Errors and warnings go to erros, the written fields to saida (also after a
// failed run, as they stand). Returns the exit status: 0 success, 1 the run,
// the report or the writing of saida failed.
int ExecutarCalc(const OpcoesCalc& opcoes, const std::string& separador, std::ostream& saida,
                 std::ostream& erros);
