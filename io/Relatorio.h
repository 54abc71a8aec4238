// The text report of the last run (button "OK" on the report panel and
// usina-calc --report). Qt-free.
#pragma once

#include <string>

#include "io/ErrosArquivo.h"
#include "plant/ResultadoUsina.h"

// Writes the report of the last run to nomeDigitado + ".txt", relative to
// the process's working directory: Windows-1252 bytes, CR LF after every
// line. Refuses (ErroResultadoIncompleto, nothing touched) when the last run
// did not finish or there was none. The file appears only when complete; on
// any error the target is left as it was and ErroArquivo is thrown with the
// user's message. comTurbinaAlta is CheckBox1; separador is the user's
// decimal separator.
void EscreverRelatorio(const std::string& nomeDigitado, const ResultadoUsina& resultado,
                       bool comTurbinaAlta, const std::string& separador);
