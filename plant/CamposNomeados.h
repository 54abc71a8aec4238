// Inputs and outputs named by their fields, the plant's and the crushing
// season's alike: what sweeps, usina-calc's FIELD=TEXT and other studies
// look up by name.
#pragma once

#include <optional>
#include <string_view>

#include "plant/EntradasUsina.h"
#include "plant/ResultadoUsina.h"

struct CampoEntradaUsina;
struct CampoEntradaSafra;
struct CampoSaida;
struct CampoSaidaSafra;

// One input: a field of the plant's table or of the season's.
struct EntradaNomeada {
    const CampoEntradaUsina* usina = nullptr;
    const CampoEntradaSafra* safra = nullptr;

    explicit operator bool() const { return usina != nullptr || safra != nullptr; }
    // The input's member in a record of inputs.
    double& Em(EntradasUsina& entradas) const;

    bool operator==(const EntradaNomeada&) const = default;
};

// Empty (false) for a name that is neither a plant nor a season input.
EntradaNomeada BuscarEntrada(std::string_view nome);

// The caption of a plant's or a season's input; nullptr for neither.
const char* LegendaEntradaNomeada(std::string_view nome);

// One output: a field of the plant's table or a season figure.
struct SaidaNomeada {
    const CampoSaida* usina = nullptr;
    const CampoSaidaSafra* safra = nullptr;

    explicit operator bool() const { return usina != nullptr || safra != nullptr; }
    // The value of a finished run as the window shows it before formatting
    // (ValorExibido), or the season's figure; empty where the window leaves
    // the field blank (the high-pressure turbine's panel without it) and for
    // a season figure of a run without its season.
    std::optional<double> Valor(const ResultadoUsina& resultado) const;

    bool operator==(const SaidaNomeada&) const = default;
};

// Empty (false) for a name that is neither a plant output nor a season figure.
SaidaNomeada BuscarSaida(std::string_view nome);
