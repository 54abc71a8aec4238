#include "plant/TextosPadrao.h"

#include <charconv>
#include <stdexcept>

#include "plant/TabelaEntradas.h"

namespace {

// A default value as the window shows it: one decimal, decimal comma.
std::string TextoComUmaCasa(double valor) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, valor, std::chars_format::fixed, 1);
    std::string texto(buffer, r.ptr);
    texto[texto.find('.')] = ',';
    return texto;
}

}  // namespace

const std::vector<CampoEntrada>& CamposEntrada() {
    static const std::vector<CampoEntrada> campos = [] {
        const EntradasUsina padrao;
        std::vector<CampoEntrada> c;
        for (const CampoEntradaUsina& entrada : CamposEntradaUsina())
            c.push_back({entrada.nome, TextoComUmaCasa(padrao.*entrada.membro)});
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
