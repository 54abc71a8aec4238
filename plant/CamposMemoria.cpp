#include "plant/CamposMemoria.h"

#include <stdexcept>

#include "plant/TextosPadrao.h"

CamposMemoria::CamposMemoria(const std::string& separador) {
    for (const CampoEntrada& c : CamposEntrada()) textos_[c.nome] = TextoPadrao(c.nome, separador);
}

std::string CamposMemoria::Texto(const std::string& nome) const {
    const auto it = textos_.find(nome);
    return it == textos_.end() ? std::string() : it->second;
}

void CamposMemoria::DefinirTexto(const std::string& nome, const std::string& texto) {
    textos_[nome] = texto;
    if (jaEscritos_.insert(nome).second) escritos_.push_back(nome);
}

void CamposMemoria::DefinirVisivel(const std::string& nome, bool visivel) {
    if (visivel) ocultos_.erase(nome);
    else ocultos_.insert(nome);
}

bool CamposMemoria::Visivel(const std::string& nome) const { return ocultos_.count(nome) == 0; }

void CamposMemoria::DefinirEntrada(const std::string& nome, const std::string& texto) {
    for (const CampoEntrada& c : CamposEntrada()) {
        if (nome == c.nome) {
            textos_[nome] = texto;
            return;
        }
    }
    throw std::invalid_argument("unknown input field '" + nome + "'");
}

void CamposMemoria::LimparEscritos() {
    escritos_.clear();
    jaEscritos_.clear();
}
