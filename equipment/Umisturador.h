// Adiabatic mixer: several streams joined at the outlet's (preset) pressure
// with the flow-weighted mean enthalpy.
#pragma once

#include "equipment/LabelList.h"
#include "equipment/PacotePropriedades.h"
#include "equipment/TabelasRotulo.h"

void Misturador(int n, int saida, LabelList entradas, PorRotulo& vazao, TabelaEstados& estado,
                const PacotePropriedades& pacote = PacotePadrao());
