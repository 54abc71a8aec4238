// One usina-calc run: the fields, the case file, the calculation, the
// optional report and the printing of what the run wrote.
#pragma once

#include <ostream>
#include <string>

#include "tools/OpcoesCalc.h"

// Runs the calculation on fields holding the default texts, replaced by the
// inputs of the case file if one is given, then changed by the options, with
// separador as decimal separator, on fresh plant data. With --save-case the
// inputs are saved before the run. Errors and warnings go to erros; to saida
// the written fields (also after a failed run, as they stand), or the JSON
// object, or the stream table as CSV (only after a finished run). A case
// file that cannot be read or saved stops everything before the run, with
// nothing on saida. Returns the exit status: 0 success, 1 the case file, the
// run, the report or the writing of saida failed.
int ExecutarCalc(const OpcoesCalc& opcoes, const std::string& separador, std::ostream& saida,
                 std::ostream& erros);
