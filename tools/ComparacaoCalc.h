// usina-calc --compare-properties: the same inputs under both property
// packages, side by side as CSV.
#pragma once

#include <ostream>
#include <string>

#include "tools/OpcoesCalc.h"

// Reads the inputs as a run does (case file, FIELD=TEXT, configuration), runs
// them with the 1969 equation and with IAPWS-IF97, and prints the comparison
// table (ComparacaoCsv): the global results, indicators and each stream's h,
// s and ex under each, with the differences. Returns 0 when both runs
// finished, 1 when the inputs cannot be read or a run did not finish (its
// message on erros; the table is printed all the same once the inputs read).
int ExecutarComparacaoPropriedades(const OpcoesCalc& opcoes, const std::string& separador,
                                   std::ostream& saida, std::ostream& erros);
