// The crushing season's fields, as tables beside the plant's: the seven
// inputs (component name, caption, unit, member of EntradasSafra, what
// values make sense) and the thirteen figures of a season (name as files and
// usina-calc key them, caption, unit, member of ResultadosSafra).
#pragma once

#include <string_view>
#include <vector>

#include "plant/EntradasSafra.h"
#include "plant/ResultadosSafra.h"

// What values of a season input make sense.
enum class RegraSafra {
    Dias,         // greater than 0, at most DiasMaximosSafra
    Porcentagem,  // greater than 0, at most 100 %
    NaoNegativa,  // 0 or more
};

inline constexpr double DiasMaximosSafra = 366.0;  // days, a leap year

struct CampoEntradaSafra {
    const char* nome;     // component name: "Ediasafra"
    const char* legenda;  // caption: "Duração da safra [dias]"
    const char* unidade;  // "dias"
    double EntradasSafra::* membro;
    RegraSafra regra;
};

// The seven season inputs, in the order of their form.
const std::vector<CampoEntradaSafra>& CamposEntradaSafra();

// nullptr for a name that is not a season input.
const CampoEntradaSafra* BuscarCampoEntradaSafra(std::string_view nome);

struct CampoSaidaSafra {
    const char* nome;     // "energia_exportada_MWh", its key in files
    const char* legenda;  // "Energia exportada na safra"
    const char* unidade;  // "MWh"
    double ResultadosSafra::* membro;
};

// The thirteen season figures, in the order they are worked out.
const std::vector<CampoSaidaSafra>& CamposSaidaSafra();

// nullptr for a name that is not a season figure.
const CampoSaidaSafra* BuscarCampoSaidaSafra(std::string_view nome);
