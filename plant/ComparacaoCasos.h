// Several cases of the mill side by side: the current inputs and other
// cases (saved files, the other configuration) are each run on their own,
// and their inputs that differ, global results, indicators and crushing
// seasons are set against the current case's, as absolute and percentage
// differences, with the simple payback of a different investment.
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
    SimNao,      // the configuration: valor 1 with the high-pressure turbine, 0 without
    Formulacao,  // the property package: valor is the Formulacao's number
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
    std::vector<std::string> avisos;   // warnings of a finished run, as the window words them,
                                       // the season's after the run's
    // The same error and warnings as the run raised them, for a front end
    // that says them in its own language.
    std::exception_ptr falha;
    std::vector<AvisoUsina> avisosTipados;
};

// The payback of a case's investment against the current case's
// (RetornoInvestimento.h), from their total revenues per season.
struct RetornoComparado {
    bool aplicavel = false;        // both cases finished and their investments differ
    std::optional<double> safras;  // seasons; empty while aplicavel: "não se paga"
};

struct ComparacaoCasos {
    std::vector<CasoCalculado> casos;        // the current case first, then the others in order
    std::vector<LinhaComparacao> entradas;   // only the inputs where some case differs, the
                                             // season's after the plant's
    std::vector<LinhaComparacao> globais;    // the global results panel, in its order
    std::vector<LinhaComparacao> indicadores;  // indicators, then the exergy destroyed
    // Asked for: each stream's h, s and ex (labels in the stream table's
    // order, "h 1 Vapor vivo"...), only where every case finished.
    std::vector<LinhaComparacao> correntes;
    std::vector<LinhaComparacao> safra;      // the season's figures (TabelaSafra.h), in order
    std::vector<RetornoComparado> retornos;  // one per case; never aplicavel for the current
};

// Runs the current case and every other one, each on a fresh result, and sets
// them side by side. A case that is refused or fails keeps its message and
// has no figures; the others go on. An input is listed when, in some case that
// uses it as the current case does, its value differs (the high-pressure
// turbine's inputs are not used without it); the configuration is listed
// when it differs. Indicators are matched by name: one a configuration lacks
// is empty in that case's column. Numbers in messages use separador.
// The property package is listed as the configuration is. With correntes,
// the streams' states are set side by side too.
ComparacaoCasos CompararCasos(const CasoComparado& atual, const std::vector<CasoComparado>& outros,
                              const std::string& separador = ",", bool correntes = false);

// The current inputs in its two configurations: with the high-pressure
// turbine first, then without it; every input kept as it is.
std::vector<CasoComparado> CasosConfiguracoes(const EntradasUsina& entradas);

// The current inputs under each property package: the 1969 equation first,
// then IAPWS-IF97; every input and the configuration kept.
std::vector<CasoComparado> CasosFormulacoes(const EntradasUsina& entradas);
