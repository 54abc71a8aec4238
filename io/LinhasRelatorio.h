// The lines of the text report, in order, as UTF-8 text without line ends.
#pragma once

#include <string>
#include <vector>

#include "plant/ResultadoUsina.h"

// 153 lines with the high-pressure turbine, 145 without, from the plant data
// and the global results of a run. separador is the decimal separator of the
// two tables.
std::vector<std::string> LinhasRelatorio(const ResultadoUsina& resultado, bool comTurbinaAlta,
                                         const std::string& separador);
