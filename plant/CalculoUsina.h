// The "Executar" run: reads the inputs from the fields, calculates the whole
// plant in flowsheet order and writes each panel's results as soon as its
// equipment model returns.
#pragma once

#include <string>
#include <vector>

#include "plant/Campos.h"
#include "plant/DadosUsina.h"

// Runs the calculation with floating-point traps on. Throws ErroUsina (or a
// subclass) on a bad input or a fault; fields and data written before the
// failing step stay as they are. Non-fatal findings (such as a steam demand
// above the boiler's production) are appended to avisos.
// separador is the decimal separator used to read and write numbers.
void CalcularUsina(Campos& campos, DadosUsina& dados, const std::string& separador,
                   std::vector<std::string>& avisos);
