// The plant's input fields as one table: component name, caption as the
// window shows it, unit, the member of EntradasUsina it fills, what values
// make sense, and the limit the reading applies; and the order in which a
// run reads them.
#pragma once

#include <string_view>
#include <vector>

#include "plant/EntradasUsina.h"
#include "plant/EtapasCalculo.h"

// What values of a field make sense, in the window's units.
enum class RegraEntrada {
    Positiva,     // greater than 0
    NaoNegativa,  // 0 or more
    Eficiencia,   // greater than 0, at most 100 %
    Percentual,   // 0 to 100 %
    Pressao,      // within the property range, PressaoMinimaBar to PressaoMaximaBar
    Livre,        // no range of its own (temperatures: checked against saturation)
};

struct CampoEntradaUsina {
    const char* nome;     // component name: "Ecapusi"
    const char* legenda;  // caption: "Capacidade da Usina [ton cana/h]"
    const char* unidade;  // "t cana/h"
    double EntradasUsina::* membro;
    RegraEntrada regra;
    bool pressao;           // typed in bar, kept in MPa
    bool soComTurbinaAlta;  // read (and checked) only with the high-pressure turbine
    // Reading limit: when the value divided by divisorLimite exceeds limite,
    // the field's text becomes textoLimite + separator + "0" and is read
    // again. limite 0: no limit.
    double limite;
    double divisorLimite;
    const char* textoLimite;
};

// The 18 inputs in the order of the two input panels.
const std::vector<CampoEntradaUsina>& CamposEntradaUsina();

// nullptr for a name that is not a plant input.
const CampoEntradaUsina* BuscarCampoEntrada(std::string_view nome);

// Caption of an input field; throws std::out_of_range for an unknown name.
const char* LegendaEntrada(std::string_view nome);

// One reading of a field by a run, in the run's order. The boiler pressure is
// read twice: once for the pump's outlet, without rewriting the field, and
// once for the boiler, rewriting it.
struct LeituraEntrada {
    EtapaCalculo etapa;
    const CampoEntradaUsina* campo;
    bool reescrever;  // rewrite the field in the number text form once read
};
const std::vector<LeituraEntrada>& SequenciaLeitura();
