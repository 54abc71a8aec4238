// The stream table: one row for each flowsheet label that carries water or
// steam (1 to 11, 18 and 19), in label order, from a run's results. The
// exports, usina-calc --json/--csv and the window's stream table share it.
#pragma once

#include <vector>

#include "plant/ResultadoUsina.h"

struct LinhaCorrente {
    int rotulo;
    const char* descricao;  // the label's role: "Vapor vivo"
    double vazao;           // kg/s; the feed water (19) carries the condensate's (18)
    double pressao;         // bar
    double temperatura;     // degC
    double volume;          // m3/kg
    double entalpia;        // kJ/kg
    double entropia;        // kJ/(kg K)
    double exergia;         // kJ/kg, flow exergy relative to the dead state
    double titulo;          // enthalpy-based quality: < 0 subcooled, > 1 superheated
};

std::vector<LinhaCorrente> TabelaCorrentes(const ResultadoUsina& resultado);
