// A sweep: one or two inputs stepped over a range, every other input and the
// configuration from a base case, one whole plant calculation per point. The
// points run on several threads; each point's result is stored at its index,
// and every calculation is independent of the others, so the results are the
// same bits whatever the number of threads. For usina-calc's --sweep and the
// window's studies.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "plant/EntradasUsina.h"
#include "plant/ResultadoUsina.h"

// One swept input: its values are inicio + i * (fim - inicio) / (pontos - 1),
// i = 0 .. pontos - 1, evaluated in that order in double precision. The
// first value is inicio exactly; the last is fim up to the rounding of that
// expression (for some ranges one unit in the last place away from it).
struct EixoVarredura {
    std::string campo;  // input field name, of the plant ("Eprecal") or the season ("Ediasafra")
    double inicio = 0.0;  // window units (bar, degC, %...)
    double fim = 0.0;
    int pontos = 2;  // 2 or more
};

// The configuration as a swept input: an axis named so runs its points with
// (value 1) and without (value 0) the high-pressure turbine, in the order
// inicio, fim; it has exactly these two points. Beside an input of that
// turbine alone (Epstap, Eefitap) the points without it all read the same.
inline constexpr const char* CampoConfiguracao = "com_turbina_alta";

// Points of a sweep at most (both axes together): enough for any chart, and a
// typing slip cannot ask for more memory than the machine has.
inline constexpr std::size_t MaximoPontosVarredura = 1'000'000;

// Called with the points finished so far and the total. Called from the
// worker threads (one call at a time, never more often than the request's
// interval) and once more from the calling thread when the sweep ends; the
// counts never go down.
using ProgressoVarredura = std::function<void(std::size_t feitos, std::size_t total)>;

struct PontoVarredura;

// Called with each finished point in sweep order (indices 0, 1, 2...), one
// call at a time, from the worker threads.
using EntregaVarredura = std::function<void(std::size_t indice, const PontoVarredura& ponto)>;

struct PedidoVarredura {
    EntradasUsina base;  // every input not swept, and the configuration
    std::vector<EixoVarredura> eixos;  // one or two; the second is the inner loop
    // Output names: plant fields ("Epotele") or season figures
    // ("energia_exportada_MWh", as usina-calc --json keys them).
    std::vector<std::string> saidas;
    std::string separador = ",";       // decimal separator of the messages
    unsigned tarefas = 0;              // threads; 0: std::thread::hardware_concurrency()
    ProgressoVarredura progresso;      // may be empty
    std::chrono::milliseconds intervaloProgresso{100};
    // Checked between points: once set, no further point starts.
    const std::atomic<bool>* cancelar = nullptr;
    // When set, each point goes here as soon as it and every earlier point
    // are done, and is not kept (ResultadoVarredura::pontos stays empty):
    // memory is bounded by the points the threads have in hand, not by the
    // sweep's size. Delivery stops at the first point a cancellation left
    // out. What it throws stops the sweep and is rethrown.
    EntregaVarredura entregar;
};

struct PontoVarredura {
    bool calculado = false;  // false only for points a cancellation left out
    std::vector<double> valores;  // the swept inputs, in the order of the axes
    // The requested outputs as the window shows them before formatting (the
    // number behind the field's text, e.g. pressures in bar); empty where
    // the window leaves the field blank: every output of a point that did not
    // finish, and the high-pressure turbine's panel without that turbine.
    std::vector<std::optional<double>> saidas;
    SituacaoCalculo situacao = SituacaoCalculo::SemCalculo;
    // The warnings as the window's status line joins them; the season's
    // (SafraUsina.h) after the run's when a season figure is asked for.
    std::string aviso;
    std::string erro;   // the message box's text of a refused or failed point
    // The same warnings and error as the run raised them, for a front end
    // that says them in its own language.
    std::vector<AvisoUsina> avisos;
    std::exception_ptr falha;
};

struct CampoEntradaUsina;
struct CampoSaida;

// A swept input as the sweep steps it: its field, its values in order, and
// the fewest decimals (1 to 6) that tell consecutive values apart, for the
// tables and legends that show them.
struct CampoEntradaSafra;
struct CampoSaidaSafra;

struct EixoCalculado {
    const CampoEntradaUsina* campo = nullptr;  // a plant input, or
    const CampoEntradaSafra* safra = nullptr;  // a season input
    std::vector<double> valores;
    int decimais = 1;
    bool configuracao = false;  // neither: the configuration (CampoConfiguracao)
};

struct ResultadoVarredura {
    std::vector<PontoVarredura> pontos;  // first axis outer, second inner
    bool cancelada = false;
    // The axes and the outputs the sweep ran, in the request's order, so
    // that whoever shows its points looks nothing up again.
    std::vector<EixoCalculado> eixos;
    // Per output, one of the two: the plant's field or the season's figure.
    std::vector<const CampoSaida*> saidas;
    std::vector<const CampoSaidaSafra*> saidasSafra;
};

// The values of an axis, in order. Throws ErroVarredura for fewer than two
// points or a value that is not finite.
std::vector<double> ValoresEixo(const EixoVarredura& eixo);

// Throws what ExecutarVarredura throws before anything runs, and calculates
// nothing: for checking a request before acting on it.
void VerificarVarredura(const PedidoVarredura& pedido);

// Fills resultado's axes and outputs from pedido, as ExecutarVarredura does
// (for a result made by other means). Throws like VerificarVarredura.
void DescreverVarredura(const PedidoVarredura& pedido, ResultadoVarredura& resultado);

// The fewest decimals, 1 to 6, at which consecutive values read apart.
int DecimaisValores(const std::vector<double>& valores);

// Runs the sweep. Each point is CalcularUsina on the base with the swept
// inputs replaced, on a fresh result: the reading limits and the input checks
// apply as in a single run. A refused or failed point keeps its message and
// the sweep goes on. Throws ErroVarredura before anything runs for an
// unknown input or output name, an output asked for twice, an input swept twice or one the
// configuration does not use (unless the configuration is swept too), a
// configuration axis that is not 1 and 0 (or 0 and 1) in two points, fewer
// than two points on an axis, a range that is not finite or that goes past an input's reading limit (190 bar, 1300
// degC), more than MaximoPontosVarredura points; rethrows, after
// every thread has stopped, what the progress callback threw.
ResultadoVarredura ExecutarVarredura(const PedidoVarredura& pedido);
