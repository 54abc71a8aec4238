// From a finished run's kilowatts to a crushing season: hours and cane,
// power at the generators' terminals, the mill's own load, exported power
// and energy, the bagasse left over and the season's revenue. The run's
// steps never read the season; it is worked out afterwards from the run's
// global results and the season's inputs.
#pragma once

#include <vector>

#include "plant/EntradasSafra.h"
#include "plant/ResultadoUsina.h"
#include "plant/ResultadosSafra.h"

inline constexpr double HorasPorDia = 24.0;
inline constexpr double KWhPorMWh = 1000.0;

// The season of a finished run, each figure by its formula in the order
// written (H the crushing hours, Pg, Pp, Pe the generated, own and
// exportable power):
//   H = days x 24 x utilisation / 100; cane = capacity x H;
//   Pg = Epotele x generator efficiency / 100; Pp = own load x capacity;
//   Pe = Pg - Pp; exported per tonne = Pe / capacity;
//   energies = Pg, Pp, Pe x H / 1000;
//   surplus bagasse = (Eprodbag - Econbag) x H;
//   revenues = exported MWh x energy price, surplus t x bagasse price, and
//   their sum.
// A negative export or surplus stays negative (energy bought, bagasse
// missing, at the same prices). Worked out with the floating-point traps
// off: an absurd plant may overflow a product, which must not fail a run
// that finished; such a figure is infinite.
ResultadosSafra CalcularSafra(const EntradasSafra& safra, const ResultadoUsina& resultado);

// Stores the season in resultado.safra when the run finished; leaves it
// empty otherwise.
void CompletarSafra(const EntradasSafra& safra, ResultadoUsina& resultado);

// The season's warnings of a finished run with its season worked out:
// energy bought (ImportaEnergia, MWh in the season) when the exportable
// power is negative, bagasse missing (FaltaBagaco, t in the season) when the
// surplus is negative. Empty otherwise.
std::vector<AvisoUsina> AvisosSafra(const ResultadoUsina& resultado);

// The run's warnings, then the season's: what goes with the season's
// figures wherever they are shown or written.
std::vector<AvisoUsina> AvisosComSafra(const ResultadoUsina& resultado);
