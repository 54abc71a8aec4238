#include "plant/ValidacaoSafra.h"

#include <charconv>
#include <cmath>

#include "plant/EntradasUsina.h"
#include "plant/ErrosPlanta.h"
#include "plant/TabelaSafra.h"

namespace {

// A number for a message: as short as reads back exactly ("inf" and "nan"
// as they are), with the user's separator.
std::string Numero(double valor, const std::string& separador) {
    char buffer[400];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, valor);
    std::string texto;
    for (const char* c = buffer; c != r.ptr; ++c) {
        if (*c == '.') texto += separador;
        else texto += *c;
    }
    return texto;
}

// What a field's rule allows, or "" when the value keeps it.
std::string ForaDaRegra(RegraSafra regra, double v, const std::string& separador) {
    if (!std::isfinite(v)) return "Deve ser um número finito";
    switch (regra) {
    case RegraSafra::Dias:
        if (!(v > 0.0 && v <= DiasMaximosSafra))
            return "Deve ser maior que 0 e no máximo " + Numero(DiasMaximosSafra, separador) +
                   " dias";
        break;
    case RegraSafra::Porcentagem:
        if (!(v > 0.0 && v <= Porcento)) return "Deve ser maior que 0 e no máximo 100 %";
        break;
    case RegraSafra::NaoNegativa:
        if (!(v >= 0.0)) return "Deve ser zero ou maior";
        break;
    }
    return "";
}

}  // namespace

void ValidarEntradasSafra(const EntradasSafra& safra, const std::string& separador) {
    for (const CampoEntradaSafra& c : CamposEntradaSafra()) {
        const double valor = safra.*c.membro;
        const std::string fora = ForaDaRegra(c.regra, valor, separador);
        if (fora.empty()) continue;
        throw ErroEntradaImpossivel(c.nome, "Valor impossível em \"" + std::string(c.legenda) +
                                                "\": " + Numero(valor, separador) + ". " + fora +
                                                ".");
    }
}

std::string FaixaPermitidaSafra(const CampoEntradaSafra& campo, const std::string& separador) {
    switch (campo.regra) {
    case RegraSafra::Dias:
        return "Maior que 0 e no máximo " + Numero(DiasMaximosSafra, separador) + " dias";
    case RegraSafra::Porcentagem: return "Maior que 0 e no máximo 100 %";
    case RegraSafra::NaoNegativa: return "Zero ou maior";
    }
    return "";
}
