#include "plant/EntradasCampos.h"

#include <charconv>

#include "plant/Numeros.h"
#include "plant/TabelaEntradas.h"
#include "plant/ValidacaoEntradas.h"
#include "properties/Erros.h"

std::string TextoExato(double valor, const std::string& separador) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, valor);
    std::string texto;
    for (const char* c = buffer; c != r.ptr; ++c) {
        if (*c == '.') texto += separador;
        else texto += *c;
    }
    return texto;
}

void EscreverEntradas(Campos& campos, const EntradasUsina& entradas,
                      const std::string& separador) {
    for (const CampoEntradaUsina& c : CamposEntradaUsina())
        campos.DefinirTexto(c.nome, TextoExato(entradas.*c.membro, separador));
}

std::optional<EntradasUsina> LerEntradas(const Campos& campos, const std::string& separador) {
    EntradasUsina entradas;
    entradas.comTurbinaAlta = campos.CheckBox1Marcado();
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        try {
            entradas.*c.membro = LerNumero(campos.Texto(c.nome), separador);
        } catch (const ErroConversao&) {
            return std::nullopt;
        }
    }
    return entradas;
}

EntradasUsina EntradasParaSalvar(const Campos& campos, const std::string& separador) {
    EntradasUsina entradas;
    entradas.comTurbinaAlta = campos.CheckBox1Marcado();
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        const std::string texto = campos.Texto(c.nome);
        try {
            entradas.*c.membro = LerNumero(texto, separador);
        } catch (const ErroConversao&) {
            throw ErroUsina("O texto \"" + texto + "\" em \"" + std::string(c.legenda) +
                            "\" não é um número");
        }
    }
    ValidarEntradas(ComLimites(entradas), separador);
    return entradas;
}
