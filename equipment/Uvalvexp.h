// Isenthalpic expansion valve between two labels of the state table.
#pragma once

#include "equipment/PacotePropriedades.h"
#include "equipment/TabelasRotulo.h"

// The outlet takes the inlet's flow and enthalpy at its own (preset)
// pressure and is evaluated from them when the flow is not zero.
void ValvulaExpansao(int entrada, int saida, PorRotulo& vazao, TabelaEstados& estado,
                     const PacotePropriedades& pacote = PacotePadrao());
