// Tables indexed by flowsheet label: the equipment procedures read and write
// the plant's flows and states through these, the plant data holds them.
#pragma once

#include <array>

#include "properties/dtvpglob.h"

inline constexpr int NumeroRotulos = 20;  // flowsheet labels 1 to 20

// Per-label array indexed by label 1 to 20 (index 0 unused).
using PorRotulo = std::array<double, NumeroRotulos + 1>;
// State table indexed by label 1 to 20 (index 0 unused).
using TabelaEstados = std::array<StatePoint, NumeroRotulos + 1>;
