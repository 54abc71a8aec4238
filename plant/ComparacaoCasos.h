// Several cases of the mill side by side: the current inputs and other
// cases (saved files, the other configuration) are each run on their own,
// and their inputs that differ, global results and indicators are set
// against the current case's, as absolute and percentage differences.
#pragma once

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "plant/EntradasUsina.h"
#include "plant/ResultadoUsina.h"

// A case to compare: the name it is shown under and its inputs.
struct CasoComparado {
    std::string nome;  // "Atual", "safra-2024.usina"
    EntradasUsina entradas;
};

// One case's figure in a row, with its differences to the current case's.
struct ValorComparado {
    std::optional<double> valor;      // empty: the case did not finish, does not use the
                                      // input or has no such figure, or it is not defined
    std::optional<double> diferenca;  // valor - current case's, in the row's unit
    std::optional<double> porcento;   // 100 diferenca / |current case's|; empty when the
                                      // current case's figure is 0
    bool naoFisico = false;           // the figure exists but describes no machine (a
                                      // turbine short of steam): valor is empty
};

enum class TipoLinhaComparacao {
    Numero,
    SimNao,  // the configuration: valor 1 with the high-pressure turbine, 0 without
};

struct LinhaComparacao {
    std::string nome;      // caption without its unit: "Potência elétrica"
    std::string unidade;   // "kW"; empty for a figure without a unit
    bool estimativa = false;  // rests on the estimated bagasse exergy: on screen only
    TipoLinhaComparacao tipo = TipoLinhaComparacao::Numero;
    std::vector<ValorComparado> valores;  // one per case, the current case first
};

// How one case's run went.
struct CasoCalculado {
    std::string nome;
    EntradasUsina entradas;
    SituacaoCalculo situacao = SituacaoCalculo::SemCalculo;  // Completo, Recusado or Interrompido
    std::string erro;                  // the message of a refused or failed run
    std::vector<std::string> avisos;   // warnings of a finished run, as the window words them
    // The same error and warnings as the run raised them, for a front end
    // that says them in its own language.
    std::exception_ptr falha;
    std::vector<AvisoUsina> avisosTipados;
};

struct ComparacaoCasos {
    std::vector<CasoCalculado> casos;        // the current case first, then the others in order
    std::vector<LinhaComparacao> entradas;   // only the inputs where some case differs
    std::vector<LinhaComparacao> globais;    // the global results panel, in its order
    std::vector<LinhaComparacao> indicadores;  // indicators, then the exergy destroyed
};

// Runs the current case and every other one, each on a fresh result, and sets
// them side by side. A case that is refused or fails keeps its message and
// has no figures; the others go on. An input is listed when, in some case that
// uses it as the current case does, its value differs (the high-pressure
// turbine's inputs are not used without it); the configuration is listed
// when it differs. Indicators are matched by name: one a configuration lacks
// is empty in that case's column. Numbers in messages use separador.
ComparacaoCasos CompararCasos(const CasoComparado& atual, const std::vector<CasoComparado>& outros,
                              const std::string& separador = ",");

// The current inputs in its two configurations: with the high-pressure
// turbine first, then without it; every input kept as it is.
std::vector<CasoComparado> CasosConfiguracoes(const EntradasUsina& entradas);
