#include "plant/TextosPadrao.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "plant/Numeros.h"
#include "plant/TabelaEntradas.h"

namespace {

// Fixed notation only below this size (the field shows 15 characters);
// larger numbers keep the shortest text, with its exponent.
constexpr double MaiorComUmaCasa = 1e15;

}  // namespace

std::string TextoEntrada(double valor, const std::string& separador) {
    if (std::isfinite(valor) && std::fabs(valor) < MaiorComUmaCasa) {
        const std::string uma = TextoFixo(valor, 1, separador);
        // Bit for bit: a negative zero stays one.
        if (std::bit_cast<std::uint64_t>(LerNumero(uma, separador)) ==
            std::bit_cast<std::uint64_t>(valor))
            return uma;
    }
    return TextoExato(valor, separador);
}

const std::vector<CampoEntrada>& CamposEntrada() {
    static const std::vector<CampoEntrada> campos = [] {
        const EntradasUsina padrao;
        std::vector<CampoEntrada> c;
        for (const CampoEntradaUsina& entrada : CamposEntradaUsina())
            c.push_back({entrada.nome, TextoEntrada(padrao.*entrada.membro, ",")});
        // File names of the report and of the picture (extension added later).
        c.push_back({"Etxt", "dados"});
        c.push_back({"Ejpeg", "fluxograma"});
        return c;
    }();
    return campos;
}

std::string TextoPadrao(const std::string& nome, const std::string& separador) {
    for (const CampoEntrada& c : CamposEntrada()) {
        if (nome != c.nome) continue;
        std::string texto;
        for (char ch : c.padrao) {
            if (ch == ',') texto += separador;
            else texto += ch;
        }
        return texto;
    }
    throw std::out_of_range("unknown input field: " + nome);
}
