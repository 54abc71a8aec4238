// What usina-calc prints in its plain form: the fields a run wrote, in the
// order of their first write. The JSON and CSV forms are the exports of
// io/ExportacaoResultados.h.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "io/ExportacaoResultados.h"
#include "plant/CamposMemoria.h"

// One "Campo=<text exactly as stored>" line per written field.
void EscreverCampos(std::ostream& saida, const CamposMemoria& campos);

// The written fields with their texts, in writing order.
std::vector<CampoEscrito> CamposEscritos(const CamposMemoria& campos);
