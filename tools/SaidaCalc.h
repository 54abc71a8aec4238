// What usina-calc prints: the fields a run wrote, in the order of their
// first write, as text lines or as one JSON object.
#pragma once

#include <ostream>
#include <string>

#include "plant/CamposMemoria.h"

// One "Campo=<text exactly as stored>" line per written field.
void EscreverCampos(std::ostream& saida, const CamposMemoria& campos);

// {"Campo":"text",...} on one line, keys in writing order.
void EscreverJson(std::ostream& saida, const CamposMemoria& campos);

// A JSON string literal (with its quotes) for UTF-8 text. Control characters
// are escaped; bytes that are not valid UTF-8 become U+FFFD so the output is
// always valid JSON.
std::string TextoJson(const std::string& texto);
