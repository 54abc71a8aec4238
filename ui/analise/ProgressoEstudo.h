// The study's progress as the bar shows it.
#pragma once

#include <cstddef>

// Whole per cent of the points done, rounded down: 100 only when every point
// is done (999 of 1000 is 99 %, where rounding would say 100 %). 0 without
// points.
constexpr int PercentualConcluido(std::size_t feitos, std::size_t total) {
    if (total == 0) return 0;
    if (feitos >= total) return 100;
    // In 128 bits, so that a count near the top of size_t cannot overflow.
    return static_cast<int>(static_cast<unsigned __int128>(feitos) * 100u / total);
}
