#include "plant/CamposMemoria.h"

#include <stdexcept>

#include "plant/TextosPadrao.h"

CamposMemoria::CamposMemoria(const std::string& separador) {
    for (const CampoEntrada& c : CamposEntrada()) campos_[c.nome].texto = TextoPadrao(c.nome, separador);
}

std::string CamposMemoria::Texto(const std::string& nome) const {
    const auto it = campos_.find(nome);
    return it == campos_.end() ? std::string() : it->second.texto;
}

void CamposMemoria::DefinirTexto(const std::string& nome, const std::string& texto) {
    Campo& campo = campos_[nome];
    campo.texto = texto;
    if (!campo.escrito) {
        campo.escrito = true;
        escritos_.push_back(nome);
    }
}

void CamposMemoria::DefinirVisivel(const std::string& nome, bool visivel) {
    campos_[nome].oculto = !visivel;
}

bool CamposMemoria::Visivel(const std::string& nome) const {
    const auto it = campos_.find(nome);
    return it == campos_.end() || !it->second.oculto;
}

void CamposMemoria::DefinirEntrada(const std::string& nome, const std::string& texto) {
    for (const CampoEntrada& c : CamposEntrada()) {
        if (nome == c.nome) {
            campos_[nome].texto = texto;
            return;
        }
    }
    throw std::invalid_argument("unknown input field '" + nome + "'");
}

void CamposMemoria::LimparEscritos() {
    for (const std::string& nome : escritos_) campos_[nome].escrito = false;
    escritos_.clear();
}
