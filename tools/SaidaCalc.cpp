#include "tools/SaidaCalc.h"

void EscreverCampos(std::ostream& saida, const CamposMemoria& campos) {
    for (const std::string& nome : campos.CamposEscritos())
        saida << nome << '=' << campos.Texto(nome) << '\n';
}

std::vector<CampoEscrito> CamposEscritos(const CamposMemoria& campos) {
    std::vector<CampoEscrito> escritos;
    for (const std::string& nome : campos.CamposEscritos()) escritos.emplace_back(nome, campos.Texto(nome));
    return escritos;
}
