// The "Executar" run on a holder of named fields (the window, usina-calc's
// fields in memory): every input is read first without writing anything;
// when all read as numbers they are checked, and refused inputs stop the run
// before any field is written. Then the run goes step by step, rewriting each
// input in the number text form as the step reads it and writing each
// panel's results as its equipment model returns. A text that is not a
// number stops the run at that field, with the fields before it rewritten.
#pragma once

#include <string>

#include "plant/Campos.h"
#include "plant/EntradasSafra.h"
#include "plant/EntradasUsina.h"
#include "plant/ResultadoUsina.h"

// separador is the decimal separator used to read and write numbers. Throws
// like CalcularUsina (CalculoUsina.h), or ErroConversao for a text that is
// not a number; resultado.situacao tells afterwards how the run ended. With
// safra, the season's inputs are checked after the fields' and a finished
// run works out its season (resultado.safra); no field is read or written
// for them. Without it, resultado.safra stays empty.
// Returns the inputs the run read, as typed (before the reading limits),
// with the configuration, the property package and the season given;
// without the high-pressure turbine its two inputs, which the run does not
// read, hold their defaults.
EntradasUsina CalcularUsinaNosCampos(Campos& campos, ResultadoUsina& resultado,
                                     const std::string& separador,
                                     const EntradasSafra* safra = nullptr);
