#include "tools/SaidaCalc.h"

#include <cstdint>

namespace {

// Length of the valid UTF-8 sequence starting at s[i], or 0 if the bytes
// there are not one (stray continuation byte, overlong form, surrogate,
// beyond U+10FFFF, truncated).
std::size_t SequenciaUtf8(const std::string& s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    std::size_t n = 0;
    std::uint32_t cp = 0;
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) { n = 2; cp = c & 0x1F; }
    else if (c >= 0xE0 && c <= 0xEF) { n = 3; cp = c & 0x0F; }
    else if (c >= 0xF0 && c <= 0xF4) { n = 4; cp = c & 0x07; }
    else return 0;
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    if ((n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000)) return 0;  // overlong
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return 0;
    return n;
}

}  // namespace

std::string TextoJson(const std::string& texto) {
    static const char hex[] = "0123456789abcdef";
    std::string j = "\"";
    for (std::size_t i = 0; i < texto.size();) {
        const auto c = static_cast<unsigned char>(texto[i]);
        const std::size_t n = SequenciaUtf8(texto, i);
        if (n == 0) {
            j += "\\ufffd";
            ++i;
            continue;
        }
        if (n > 1) {
            j.append(texto, i, n);
        } else if (c == '"' || c == '\\') {
            j += '\\';
            j += static_cast<char>(c);
        } else if (c == '\n') {
            j += "\\n";
        } else if (c == '\t') {
            j += "\\t";
        } else if (c == '\r') {
            j += "\\r";
        } else if (c < 0x20) {
            j += "\\u00";
            j += hex[c >> 4];
            j += hex[c & 0xF];
        } else {
            j += static_cast<char>(c);
        }
        i += n;
    }
    return j + "\"";
}

void EscreverCampos(std::ostream& saida, const CamposMemoria& campos) {
    for (const std::string& nome : campos.CamposEscritos())
        saida << nome << '=' << campos.Texto(nome) << '\n';
}

void EscreverJson(std::ostream& saida, const CamposMemoria& campos) {
    saida << '{';
    bool primeiro = true;
    for (const std::string& nome : campos.CamposEscritos()) {
        if (!primeiro) saida << ',';
        primeiro = false;
        saida << TextoJson(nome) << ':' << TextoJson(campos.Texto(nome));
    }
    saida << "}\n";
}
