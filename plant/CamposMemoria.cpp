#include "plant/CamposMemoria.h"

#include <stdexcept>

#include "plant/TabelaSaidas.h"
#include "plant/TextosPadrao.h"

CamposMemoria::CamposMemoria(const std::string& separador) {
    // Room to spare: a run looks up about a hundred names.
    campos_.reserve(4 * (CamposEntrada().size() + CamposSaida().size()));
    for (const CampoEntrada& c : CamposEntrada()) campos_[c.nome].texto = TextoPadrao(c.nome, separador);
    for (const CampoSaida& c : CamposSaida()) campos_[c.nome];
}

CamposMemoria::Campo& CamposMemoria::Buscar(const std::string& nome) {
    const auto it = campos_.find(nome);
    if (it == campos_.end()) throw std::invalid_argument("unknown field '" + nome + "'");
    return it->second;
}

const CamposMemoria::Campo& CamposMemoria::Buscar(const std::string& nome) const {
    return const_cast<CamposMemoria&>(*this).Buscar(nome);
}

std::string CamposMemoria::Texto(const std::string& nome) const { return Buscar(nome).texto; }

void CamposMemoria::DefinirTexto(const std::string& nome, const std::string& texto) {
    Campo& campo = Buscar(nome);
    campo.texto = texto;
    if (!campo.escrito) {
        campo.escrito = true;
        escritos_.push_back(nome);
    }
}

void CamposMemoria::DefinirVisivel(const std::string& nome, bool visivel) {
    Buscar(nome).oculto = !visivel;
}

bool CamposMemoria::Visivel(const std::string& nome) const { return !Buscar(nome).oculto; }

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
