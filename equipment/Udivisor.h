// Stream splitter: one outlet's flow by mass balance, the inlet state handed
// to every outlet.
#pragma once

#include "equipment/LabelList.h"
#include "equipment/TabelasRotulo.h"

// resto (kg/s) = inlet flow less the flows of the listed outlets other than
// the balancing one; then each of the first n listed outlets becomes a copy
// of the inlet record.
void Divisor(int n, int entrada, int balanco, LabelList saidas, PorRotulo& vazao, double& resto,
             TabelaEstados& estado);
