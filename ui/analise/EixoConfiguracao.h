// The configuration as a study's input: the plant run with (1) and without
// (0) the high-pressure turbine, one curve each. Its caption and the name of
// each value, in the window's language.
#pragma once

#include <QString>

// "Configuração: com e sem turbina de alta pressão", for the input's list.
QString OpcaoConfiguracao();
// "Turbina de alta pressão", for a column or a legend's title.
QString LegendaConfiguracao();
// "Com turbina de alta pressão" for 1, "Sem turbina de alta pressão" for 0.
QString TextoConfiguracao(double valor);
