#include "plant/ValidacaoSafra.h"

#include <charconv>
#include <cmath>

#include "plant/EntradasUsina.h"
#include "plant/ErrosPlanta.h"
#include "plant/TabelaSafra.h"
#include "plant/ValidacaoEntradas.h"

namespace {

// A number for a message: as short as reads back exactly, with the user's
// separator.
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

// The field's rule that the value breaks, or Outro when it keeps it.
MotivoRecusa ForaDaRegra(RegraSafra regra, double v) {
    if (!std::isfinite(v)) return MotivoRecusa::NaoFinito;
    switch (regra) {
    case RegraSafra::Dias:
        if (!(v > 0.0 && v <= DiasMaximosSafra)) return MotivoRecusa::DiasSafra;
        break;
    case RegraSafra::Porcentagem:
        // The plant's efficiencies' rule: "greater than 0 and at most 100 %".
        if (!(v > 0.0 && v <= Porcento)) return MotivoRecusa::Eficiencia;
        break;
    case RegraSafra::NaoNegativa:
        if (!(v >= 0.0)) return MotivoRecusa::Negativo;
        break;
    }
    return MotivoRecusa::Outro;
}

}  // namespace

void ValidarEntradasSafra(const EntradasSafra& safra, const std::string& separador) {
    for (const CampoEntradaSafra& c : CamposEntradaSafra()) {
        const double valor = safra.*c.membro;
        const MotivoRecusa fora = ForaDaRegra(c.regra, valor);
        if (fora == MotivoRecusa::Outro) continue;
        const double limite = fora == MotivoRecusa::DiasSafra ? DiasMaximosSafra : 0.0;
        throw RecusaEntrada(c.nome, c.legenda, valor, fora, limite, separador);
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
