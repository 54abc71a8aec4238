#include "plant/EntradasUsina.h"

#include "properties/dtvp03.h"

double PressaoArmazenada(double bar) {
    const double mpa = bar / BarPorMPa;
    if (mpa < PressaoMinima && bar >= PressaoMinimaBar) return PressaoMinima;
    return mpa;
}
