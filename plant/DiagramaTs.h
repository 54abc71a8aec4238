// The temperature-entropy diagram of a finished run, as numbers: the
// saturation dome of the property package, the plant's states, the path
// each piece of equipment takes the water along and a few isobars at the
// plant's pressures. The window draws it; nothing here knows how.
#pragma once

#include <string>
#include <vector>

#include "plant/ResultadoUsina.h"
#include "properties/dtvpglob.h"

// One point of the diagram.
struct PontoTs {
    double s = 0.0;  // kJ/(kg K)
    double t = 0.0;  // degC
    double p = 0.0;  // MPa
};

// Saturated liquid and vapour at one temperature.
struct SaturacaoTs {
    StatePoint liquido;
    StatePoint vapor;
};

// Lowest temperature of the dome: the triple point.
inline constexpr double TemperaturaTripla = 0.01;  // degC

// The two saturated states at t (degC, from the triple point to just below
// the critical point): the pressure from the package's vapour-pressure
// equation, the two volumes as the outermost roots of the fundamental
// equation's isotherm at that pressure, as the package's own saturated
// states are found. Reaches above the 19 MPa that state evaluations accept.
// Throws ErroPropriedades when the isotherm has no separate liquid and
// vapour roots there (within about 0,2 K of the critical point).
SaturacaoTs SaturacaoNaTemperatura(double t);

// The dome from the triple point to the critical point: the saturated
// liquid line upwards, then the saturated vapour line downwards, both
// ending in the critical point (22,088 MPa, 374,136 degC, its entropy where
// the critical isotherm is flattest). Points crowd towards the top, where
// the lines turn fastest. Computed once per program and package; IAPWS-IF97's
// from its own saturated states, ending in its critical point (22,064 MPa,
// 373,946 degC).
struct CupulaSaturacao {
    std::vector<PontoTs> liquido;  // rising temperature, last = critico
    std::vector<PontoTs> vapor;    // rising temperature, last = critico
    PontoTs critico;
};
const CupulaSaturacao& CupulaTs(Formulacao formulacao = Formulacao::Kkhm1969);

// A plant state shown as one point; states at the very same place (the
// header's copies, two exhausts alike) share it.
struct EstadoTs {
    std::vector<int> rotulos;  // flowsheet labels, ascending
    PontoTs ponto;
};

// "2–6", "8, 10": the labels of a point as written beside it.
std::string TextoRotulos(const std::vector<int>& rotulos);

enum class TipoCaminhoTs {
    Caldeira,     // along the boiler's isobar, through the dome
    Turbina,      // inlet to exhaust, a straight line
    Isentropica,  // a turbine's reference: the inlet's entropy down to the exhaust pressure
    Valvula,      // constant enthalpy from the header to the process pressure
    Misturador,   // each inlet to the mixed stream
    Processo,     // along the process isobar down to the condensate
    Bomba,        // condensate to feed water
};

struct CaminhoTs {
    std::string nome;  // "Turbomoenda 4→8"
    TipoCaminhoTs tipo;
    std::vector<PontoTs> pontos;
};

struct IsobaraTs {
    std::string nome;      // "Caldeira"
    double pressao = 0.0;  // MPa
    std::vector<PontoTs> pontos;  // rising entropy
};

struct DiagramaTs {
    std::vector<EstadoTs> estados;     // ascending first label
    std::vector<CaminhoTs> caminhos;   // flowsheet order
    std::vector<IsobaraTs> isobaras;   // falling pressure, one per distinct pressure
};

// The diagram of a finished run (throws ErroResultadoIncompleto otherwise).
// Without the high-pressure turbine its paths are absent; with no steam
// through the valve (its outlet never evaluated) the valve and its outlet
// are absent. The isobars run from the lowest temperature shown up to
// temperaturaMaxima (degC).
DiagramaTs CalcularDiagramaTs(const ResultadoUsina& resultado, double temperaturaMaxima);
