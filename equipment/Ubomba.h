// Condensate pump: compression of liquid water to the outlet pressure with an
// isentropic efficiency.
#pragma once

#include "equipment/PacotePropriedades.h"

// entrada: p and t set; saida: p set; both evaluated on return. potencia in
// kW comes out negative (absorbed); vazao in kg/s; eficiencia in %.
void Bomba(StatePoint& entrada, StatePoint& saida, double& potencia, double vazao,
           double eficiencia, double& irreversibilidade, double& eficienciaSegundaLei,
           const PacotePropriedades& pacote = PacotePadrao());
