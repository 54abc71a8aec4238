// The study's progress as the bar shows it.
#pragma once

#include <cstddef>

// Whole per cent of the points done, rounded down: 100 only when every point
// is done (999 of 1000 is 99 %, where rounding would say 100 %). 0 without
// points.
constexpr int PercentualConcluido(std::size_t feitos, std::size_t total) {
    if (total == 0) return 0;
    if (feitos >= total) return 100;
    // Whole hundredths and the rest apart, so that no product overflows
    // size_t: feitos = q total + r with r < total, and 100 r / total is taken
    // without forming 100 r when that would not fit.
    const std::size_t q = feitos / total, r = feitos % total;
    const std::size_t parte = r <= static_cast<std::size_t>(-1) / 100u
                                  ? r * 100u / total
                                  : r / (total / 100u + (total % 100u != 0 ? 1u : 0u));
    return static_cast<int>(q * 100u + parte);
}
