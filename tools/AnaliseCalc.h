// usina-calc --sensitivity, --goal and --optimize: the base case from the
// command line as for a sweep, the analysis on the core, its answer as CSV
// (or JSON with --json) on standard output.
#pragma once

#include <ostream>
#include <string>

#include "tools/OpcoesCalc.h"

// Runs the analysis the options ask for (one of sensibilidade, meta,
// otimizar is set). The base case is made as for a sweep (defaults, case
// file, FIELD=TEXT, --without-hp-turbine, --propriedades; saved first with
// --save-case); the numbers of --step, --goal, --vary and --constraint are
// read with separador like a field's text. The base case's warnings (the
// sensitivity's) or the answer's go to erros, and so does the property
// package's diagnostic output. Returns 0 when the analysis ran, whatever its
// answer (also "inviável" or "sem solução na faixa"); 1 when it could not
// run (an unknown field or output, an unusable range or number, a base case
// refused, a case file that cannot be read or saved) or saida could not be
// written, with the message on erros; 2 for --vary with a separator holding
// ':'.
int ExecutarAnaliseCalc(const OpcoesCalc& opcoes, const std::string& separador,
                        std::ostream& saida, std::ostream& erros);
