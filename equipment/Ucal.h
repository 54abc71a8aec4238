// Bagasse-fired boiler: fuel consumption from the steam production.
#pragma once

#include "equipment/PacotePropriedades.h"

// producao in t/h; aguaAlimentacao and vapor with p and t set (both evaluated
// on return); eficiencia (thermal) in %; pci (lower heating value) in kJ/kg;
// consumo (fuel) in kg/s.
void Caldeira(double& producao, StatePoint& aguaAlimentacao, StatePoint& vapor,
              double& eficiencia, double& pci, double& consumo,
              const PacotePropriedades& pacote = PacotePadrao());
