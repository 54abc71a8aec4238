// The plant's inputs between a holder of named fields and the typed record,
// as a case file is opened into the window and saved from it: every field
// written so that it reads back as exactly the number kept, and every field
// read as the number it shows, without the run's rewriting.
#pragma once

#include <optional>
#include <string>

#include "plant/Campos.h"
#include "plant/EntradasUsina.h"

// The shortest text that LerNumero reads back as exactly valor, with
// separador for the point: 400 -> "400", 7530.123 -> "7530,123",
// 1e-7 -> "1e-07".
std::string TextoExato(double valor, const std::string& separador);

// Writes the 18 input fields with TextoExato (the check box is the caller's:
// Campos only reads it).
void EscreverEntradas(Campos& campos, const EntradasUsina& entradas, const std::string& separador);

// The 18 inputs as the fields show them and the check box; the high-pressure
// turbine's fields are read also without it. nullopt when a field does not
// read as a number.
std::optional<EntradasUsina> LerEntradas(const Campos& campos, const std::string& separador);

// As LerEntradas, for saving: a field that is not a number throws ErroUsina
// naming its caption; the inputs are then checked as a run checks them
// (ComLimites, ValidarEntradas: ErroEntradaImpossivel). Returns the numbers
// as typed, before the limits.
EntradasUsina EntradasParaSalvar(const Campos& campos, const std::string& separador);
