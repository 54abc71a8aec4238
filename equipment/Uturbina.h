// Steam turbine: expansion from the inlet state to the outlet pressure with
// an isentropic efficiency.
#pragma once

#include "equipment/PacotePropriedades.h"

// entrada: p and t set (evaluated on return); saida: p set (evaluated on
// return); eficiencia in %; potencia in kW: 0 on entry asks for it to be
// computed from vazao (kg/s), any other value is the required power and the
// flow is computed; irreversibilidade in kW; eficienciaSegundaLei in %.
// modoEntrada names the pair the inlet is evaluated from (pressure and
// temperature as a rule), or is EntradaAvaliada for an inlet that is already
// a whole evaluated state and is taken as it is: wet steam, whose pressure
// and temperature do not tell how wet it is.
inline constexpr PropertyMode EntradaAvaliada = 0;
void Turbina(StatePoint& entrada, StatePoint& saida, double& eficiencia, double& potencia,
             double& vazao, double& irreversibilidade, double& eficienciaSegundaLei,
             PropertyMode modoEntrada = ModoPressaoTemperatura,
             const PacotePropriedades& pacote = PacotePadrao());
