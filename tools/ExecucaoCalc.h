// One usina-calc run: the fields, the case file, the calculation, the
// optional report and the printing of what the run wrote.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "plant/CamposMemoria.h"
#include "plant/EntradasSafra.h"
#include "plant/EntradasUsina.h"
#include "tools/OpcoesCalc.h"

// The input fields of a run: default texts, replaced by the inputs and
// configuration of the case file if one is given, then changed by FIELD=TEXT
// and --without-hp-turbine; descricao gets the case's description. The
// season's inputs, which are no window field, go to safra the same way
// (defaults, the case's, then FIELD=TEXT). False, with the message on erros,
// when the case file cannot be read or a season text is not a number; the
// case's warnings go to erros too.
bool CamposDaLinhaDeComando(const OpcoesCalc& opcoes, const std::string& separador,
                            CamposMemoria& campos, EntradasSafra& safra, std::string& descricao,
                            std::ostream& erros);

// --save-case: the fields' inputs and configuration and the season's
// inputs, with descricao. True when saved or not asked for; false, with the
// message on erros, when a text is not a number, the inputs are refused or
// the file cannot be written.
bool SalvarCasoPedido(const OpcoesCalc& opcoes, const CamposMemoria& campos,
                      const EntradasSafra& safra, const std::string& descricao,
                      const std::string& separador, std::ostream& erros);

// The inputs of a run from the fields as a run reads them, with the season's
// inputs and the configuration. Fields a run would not read (those named in
// variados, which a sweep or an analysis replaces, and the high-pressure
// turbine's without it unless todasConfiguracoes) keep their defaults when
// their text is not a number. Throws ErroConversao like a run.
EntradasUsina EntradasDosCampos(const CamposMemoria& campos, const EntradasSafra& safra,
                                const std::vector<std::string>& variados, bool todasConfiguracoes,
                                const std::string& separador);

// Runs the calculation on fields holding the default texts, replaced by the
// inputs of the case file if one is given, then changed by the options, with
// separador as decimal separator, on fresh plant data, with the season's
// inputs (checked with the fields'). With --save-case the inputs are saved
// before the run. Errors and warnings go to erros (the season's after the
// run's with --json and --csv, which print the season); to saida the
// written fields (also after a failed run, as they stand), or the JSON
// object, or the stream table and the season's figures as CSV (only after a
// finished run). A case
// file that cannot be read or saved stops everything before the run, with
// nothing on saida. Returns the exit status: 0 success, 1 the case file, the
// run, the report or the writing of saida failed. A sweep (--sweep) is
// ExecutarVarreduraCalc's (VarreduraCalc.h), which builds its base case
// with the functions above.
int ExecutarCalc(const OpcoesCalc& opcoes, const std::string& separador, std::ostream& saida,
                 std::ostream& erros);
