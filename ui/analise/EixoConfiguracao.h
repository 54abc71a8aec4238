// The configuration as a study's second input, as the input list offers it:
// the plant run with (1) and without (0) the high-pressure turbine, one curve
// each.
#pragma once

#include <QString>

// "Configuração: com e sem turbina de alta pressão", in the window's language.
QString OpcaoConfiguracao();
