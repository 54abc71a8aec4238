// What the sensitivity, the goal seek and the optimisation share: the checks
// of the inputs, ranges and outputs they are given, one run of a point on
// the calling thread, and whether a run is a plant at all.
#pragma once

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "plant/CamposNomeados.h"
#include "plant/EntradasUsina.h"
#include "plant/ResultadoUsina.h"

// An input varied over a range, both ends included.
struct FaixaEntrada {
    std::string campo;    // input field name, of the plant ("Eprecal") or the season ("Ediasafra")
    double minimo = 0.0;  // window units (bar, degC, %...)
    double maximo = 0.0;

    bool operator==(const FaixaEntrada&) const = default;
};

// Whether a run on these inputs reads the input: the high-pressure turbine's
// own inputs are read only with it.
bool EntradaUsada(const EntradaNomeada& entrada, const EntradasUsina& base);

// The input of faixa, checked for varying from base: a known input the
// base's configuration reads, a finite range with minimo below maximo, not
// past the input's reading limit (above it a run uses the limit itself, not
// the value asked for). Throws ErroAnalise.
EntradaNomeada EntradaVariada(const FaixaEntrada& faixa, const EntradasUsina& base);

// The output named, checked: a plant output or a season figure, and not one
// the base's configuration leaves blank (the high-pressure turbine's panel
// without it). Throws ErroAnalise.
SaidaNomeada SaidaAnalisada(const std::string& nome, const EntradasUsina& base);

// Whether a run is a plant the analyses may use: it finished, every property
// evaluation converged, the medium-pressure turbine is not short of steam (a
// negative flow to it is no plant), and every output asked for is a finite
// number.
bool PontoValido(SituacaoCalculo situacao, const std::vector<AvisoUsina>& avisos,
                 const std::vector<std::optional<double>>& saidas);

// One run of the analyses, as a sweep makes its points: CalcularUsina on a
// fresh result, the outputs as the window shows them before formatting.
struct AvaliacaoPonto {
    SituacaoCalculo situacao = SituacaoCalculo::SemCalculo;
    std::vector<std::optional<double>> saidas;  // empty where the run did not finish
    std::vector<AvisoUsina> avisos;             // the run's, then the season's
    std::string erro;                           // the message of a refused or failed run
    std::exception_ptr falha;
    bool valido = false;                        // PontoValido
};

// Runs entradas on the calling thread; a refusal or failure is kept, never
// thrown. When resultado is given, the run's whole result goes there.
AvaliacaoPonto AvaliarPonto(const EntradasUsina& entradas, const std::vector<SaidaNomeada>& saidas,
                            const std::string& separador, ResultadoUsina* resultado = nullptr);

// The value of an axis of n points from minimo to maximo, as a sweep steps
// it: minimo + i (maximo - minimo) / (n - 1).
double ValorNaGrade(double minimo, double maximo, int i, int n);
