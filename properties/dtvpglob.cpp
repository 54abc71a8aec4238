#include "properties/dtvpglob.h"

#include <stdexcept>

thread_local constinit PropertyWorkspace propertyWorkspace;

double& Slot(StatePoint& e, int indice) {
    switch (indice) {
    case 0: return e.v;
    case 1: return e.t;
    case 2: return e.p;
    case 3: return e.u;
    case 4: return e.h;
    case 5: return e.s;
    case 6: return e.ex;
    case 7: return e.r7;
    case 8: return e.r8;
    case 9: return e.r9;
    case 10: return e.x;
    default: throw std::out_of_range("StatePoint slot");
    }
}

double Slot(const StatePoint& e, int indice) {
    return Slot(const_cast<StatePoint&>(e), indice);
}
