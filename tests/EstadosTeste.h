// Test inputs: a state given by its pressure (MPa) and temperature (degC).
#pragma once

#include "properties/dtvpglob.h"

inline StatePoint PT(double p, double t) {
    StatePoint e;
    e.p = p;
    e.t = t;
    return e;
}
