// What each flowsheet label is: a stream of water or steam, a machine shaft,
// the boiler's fuel, or unused, with a short description. The calculation
// names labels by these constants, never by bare numbers.
#pragma once

#include <array>

#include "equipment/TabelasRotulo.h"

namespace Rotulo {
inline constexpr int VaporVivo = 1;              // boiler outlet
inline constexpr int Coletor = 2;                // high-pressure turbine exhaust, the steam header
inline constexpr int EntradaValvula = 3;
inline constexpr int EntradaTurbinaMoenda = 4;
inline constexpr int EntradaTurbinaMedia = 5;
inline constexpr int EntradaTurbinaBomba = 6;
inline constexpr int SaidaValvula = 7;
inline constexpr int EscapeTurbinaMoenda = 8;
inline constexpr int EscapeTurbinaMedia = 9;
inline constexpr int EscapeTurbinaBomba = 10;
inline constexpr int VaporProcesso = 11;         // the mixed exhausts
inline constexpr int EixoTurbinaAlta = 12;
inline constexpr int EixoTurbinaMoenda = 13;
inline constexpr int EixoTurbinaMedia = 14;
inline constexpr int NaoUsado = 15;
inline constexpr int EixoTurbinaBomba = 16;
inline constexpr int Combustivel = 17;           // bagasse; the boiler's efficiency is kept here
inline constexpr int CondensadoRetorno = 18;     // pump inlet
inline constexpr int AguaAlimentacao = 19;       // pump outlet, boiler feed water
inline constexpr int EixoBomba = 20;
}  // namespace Rotulo

enum class TipoRotulo {
    Corrente,     // water or steam: a state and a mass flow
    Eixo,         // a machine's shaft: power, efficiencies, irreversibility
    Combustivel,  // the boiler's fuel
    NaoUsado,
};

struct PapelRotulo {
    int rotulo;
    TipoRotulo tipo;
    const char* descricao;  // short, Portuguese: "Vapor vivo"
};

// Labels 1 to 20, in order (entry i - 1 is label i).
const std::array<PapelRotulo, NumeroRotulos>& PapeisRotulos();

const PapelRotulo& PapelDoRotulo(int rotulo);  // throws std::out_of_range outside 1 to 20
