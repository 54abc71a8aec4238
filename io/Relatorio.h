// The text report of the last run (button "OK" on the report panel and
// usina-calc --report). Qt-free.
#pragma once

#include <string>

#include "plant/DadosUsina.h"

// Writes the report to nomeDigitado + ".txt", relative to the process's
// working directory: Windows-1252 bytes, CR LF after every line. The file
// appears only when complete; on any error the target is left as it was and
// ErroArquivo / ErroPontoFlutuante is thrown with the user's message.
// comTurbinaAlta is CheckBox1; separador is the user's decimal separator.
void EscreverRelatorio(const std::string& nomeDigitado, const DadosUsina& dados,
                       bool comTurbinaAlta, const std::string& separador);
