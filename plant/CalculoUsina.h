// The whole plant in one pass through the flowsheet: the typed entry that
// takes the inputs and fills a result, with no global state the caller must
// know about. An observer hears each step begin and end, in order; the
// window's fields are written that way (CalculoCampos.h).
#pragma once

#include <string>
#include <vector>

#include "plant/EntradasUsina.h"
#include "plant/EtapasCalculo.h"
#include "plant/ResultadoUsina.h"

class ObservadorCalculo {
public:
    virtual ~ObservadorCalculo() = default;
    // The step is about to read its inputs and compute. Throwing here stops
    // the run before the step.
    virtual void AntesDaEtapa(EtapaCalculo etapa);
    // The step has stored its results in resultado.
    virtual void DepoisDaEtapa(EtapaCalculo etapa, const ResultadoUsina& resultado);
};

// Applies the reading limits, checks the inputs (ValidacaoEntradas.h), then
// runs the sequence with floating-point traps on. resultado is updated in
// place: entries a run does not reach keep what they held, as in the window,
// where one result lives from run to run (use a fresh ResultadoUsina for
// independent runs). On refused inputs nothing is computed: situacao
// becomes Recusado and the warnings are cleared, the rest stays; on an error part of the way the
// data stay as far as the run got and situacao is Interrompido. Throws
// ErroEntradaImpossivel, or the ErroUsina of the failing step. Numbers in a
// refusal use separador. A finished run also works out its crushing season
// (resultado.safra, SafraUsina.h) from entradas.safra.
void CalcularUsina(const EntradasUsina& entradas, ResultadoUsina& resultado,
                   ObservadorCalculo* observador = nullptr, const std::string& separador = ",");

// The sequence alone, without limits or checks, and without the season. Only for the run driven by
// the window's fields, which must go as far as a field that is not a number
// whatever the other fields hold. avisosLeitura, the warnings of reading the
// inputs (a limit applied), come first in the run's warnings.
void ExecutarSequencia(const EntradasUsina& entradas, ResultadoUsina& resultado,
                       ObservadorCalculo* observador,
                       const std::vector<AvisoUsina>& avisosLeitura = {});

struct CampoEntradaUsina;

// The warning that the reading limit of campo replaced a larger value.
AvisoUsina AvisoLimite(const CampoEntradaUsina& campo);

// The warnings of the reading limits for inputs as typed: one per field whose
// value the limit replaces.
std::vector<AvisoUsina> AvisosLimites(const EntradasUsina& digitadas);
