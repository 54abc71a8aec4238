// The lines of the text report, in order, as UTF-8 text without line ends.
#pragma once

#include <string>
#include <vector>

#include "plant/DadosUsina.h"

// 153 lines with the high-pressure turbine, 145 without. Every value is
// worked out with floating-point traps on, so a bagasse surplus over zero
// bagasse throws ErroPontoFlutuante before anything is written.
// separador is the decimal separator of the two tables.
std::vector<std::string> LinhasRelatorio(const DadosUsina& dados, bool comTurbinaAlta,
                                         const std::string& separador);
