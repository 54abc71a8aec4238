#include "plant/EntradasCampos.h"

#include <algorithm>

#include "plant/Numeros.h"

EntradasUsina EntradasDosCampos(const Campos& campos, const std::string& separador) {
    EntradasUsina entradas;
    entradas.comTurbinaAlta = campos.CheckBox1Marcado();
    entradas.propriedades = campos.Propriedades();
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        const std::string texto = campos.Texto(c.nome);
        try {
            entradas.*c.membro = LerNumero(texto, separador);
        } catch (const ErroConversao&) {
            throw ErroEntradaNaoNumerica(c, texto);
        }
    }
    return entradas;
}

std::vector<std::pair<std::string, double>> EntradasLidasPorNome(const EntradasUsina& entradas) {
    std::vector<std::pair<std::string, double>> lidas;
    for (const CampoEntradaUsina& c : CamposEntradaUsina())
        if (entradas.comTurbinaAlta || !c.soComTurbinaAlta) lidas.emplace_back(c.nome, entradas.*c.membro);
    return lidas;
}

EntradasCampos::EntradasCampos(const Campos& campos, std::string separador)
    : separador_(std::move(separador)),
      legivel_(CamposEntradaUsina().size(), false),
      legivelSafra_(CamposEntradaSafra().size(), true) {
    entradas_.comTurbinaAlta = campos.CheckBox1Marcado();
    entradas_.propriedades = campos.Propriedades();
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) TextoMudou(c.nome, campos.Texto(c.nome));
}

void EntradasCampos::TextoMudou(const std::string& nome, const std::string& texto) {
    const auto& safra = CamposEntradaSafra();
    const auto deSafra = std::find_if(safra.begin(), safra.end(),
                                      [&](const CampoEntradaSafra& c) { return nome == c.nome; });
    if (deSafra != safra.end()) {
        const auto indice = static_cast<std::size_t>(deSafra - safra.begin());
        try {
            entradas_.safra.*deSafra->membro = LerNumero(texto, separador_);
            legivelSafra_[indice] = true;
        } catch (const ErroConversao&) {
            legivelSafra_[indice] = false;
        }
        return;
    }
    const auto& tabela = CamposEntradaUsina();
    const auto campo = std::find_if(tabela.begin(), tabela.end(),
                                    [&](const CampoEntradaUsina& c) { return nome == c.nome; });
    if (campo == tabela.end()) return;
    const auto indice = static_cast<std::size_t>(campo - tabela.begin());
    try {
        entradas_.*campo->membro = LerNumero(texto, separador_);
        legivel_[indice] = true;
    } catch (const ErroConversao&) {
        legivel_[indice] = false;
    }
}

void EntradasCampos::TurbinaAltaMudou(bool comTurbinaAlta) { entradas_.comTurbinaAlta = comTurbinaAlta; }

void EntradasCampos::PropriedadesMudou(Formulacao formulacao) { entradas_.propriedades = formulacao; }

bool EntradasCampos::Legiveis() const {
    const auto sim = [](bool l) { return l; };
    return std::all_of(legivel_.begin(), legivel_.end(), sim) &&
           std::all_of(legivelSafra_.begin(), legivelSafra_.end(), sim);
}

const CampoEntradaSafra* EntradasCampos::SafraIlegivel() const {
    for (std::size_t i = 0; i < legivelSafra_.size(); ++i)
        if (!legivelSafra_[i]) return &CamposEntradaSafra()[i];
    return nullptr;
}
