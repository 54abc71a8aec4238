#include "io/Windows1252.h"

#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80 to 0x9F; 0 where the code page leaves the
// byte undefined. Bytes 0x00-0x7F and 0xA0-0xFF equal their code points.
constexpr std::array<char32_t, 32> Faixa80a9F = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ByteDe(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < Faixa80a9F.size(); ++i)
        if (Faixa80a9F[i] != 0 && Faixa80a9F[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence starting at texto[i]; advances i. Returns
// 0xFFFFFFFF for an invalid sequence (one byte is consumed).
char32_t Decodificar(std::string_view texto, std::size_t& i) {
    const auto b0 = static_cast<std::uint8_t>(texto[i++]);
    if (b0 < 0x80) return b0;
    int extras = 0;
    char32_t c = 0;
    char32_t minimo = 0;
    if ((b0 & 0xE0) == 0xC0) { extras = 1; c = b0 & 0x1F; minimo = 0x80; }
    else if ((b0 & 0xF0) == 0xE0) { extras = 2; c = b0 & 0x0F; minimo = 0x800; }
    else if ((b0 & 0xF8) == 0xF0) { extras = 3; c = b0 & 0x07; minimo = 0x10000; }
    else return 0xFFFFFFFF;
    std::size_t j = i;
    for (int k = 0; k < extras; ++k, ++j) {
        if (j >= texto.size()) return 0xFFFFFFFF;
        const auto b = static_cast<std::uint8_t>(texto[j]);
        if ((b & 0xC0) != 0x80) return 0xFFFFFFFF;
        c = (c << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0xFFFFFFFF;
    i = j;
    return c;
}

}  // namespace

std::string ParaWindows1252(std::string_view utf8) {
    std::string saida;
    saida.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = Decodificar(utf8, i);
        saida.push_back(c == 0xFFFFFFFF ? '?' : ByteDe(c));
    }
    return saida;
}
