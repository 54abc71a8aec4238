// The checks of the crushing season's inputs, in the style of the plant's:
// a refusal names the field by its caption and says what is allowed.
#pragma once

#include <string>

#include "plant/EntradasSafra.h"

struct CampoEntradaSafra;

// Throws ErroEntradaImpossivel for the first season input, in the order of
// the season's form, that makes no sense. Numbers in the message use
// separador.
void ValidarEntradasSafra(const EntradasSafra& safra, const std::string& separador);

// What the checks allow in a season field, as one Portuguese sentence for
// its tooltip. Numbers use separador.
std::string FaixaPermitidaSafra(const CampoEntradaSafra& campo, const std::string& separador);
