#include "plant/Numeros.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "properties/Erros.h"

// The window sets the user's locale for the whole process, so nothing here
// may go through the C library's locale-dependent conversions (strtod,
// printf, streams). The grammar is checked by hand, the separator replaced by
// '.', and std::from_chars / std::to_chars do the locale-independent,
// correctly rounded conversion.

namespace {

bool EDigito(char c) { return c >= '0' && c <= '9'; }

// Digits from position i on; returns them and advances i past them.
std::string LerDigitos(const std::string& s, std::size_t& i) {
    const std::size_t inicio = i;
    while (i < s.size() && EDigito(s[i])) ++i;
    return s.substr(inicio, i - inicio);
}

// Exponent digits as a number, saturated far beyond the range of a double so
// that a long run of digits cannot overflow the integer.
std::int64_t ExpoenteSaturado(const std::string& digitos) {
    std::int64_t e = 0;
    for (char c : digitos) {
        e = e * 10 + (c - '0');
        if (e > 1'000'000'000) return 1'000'000'000;
    }
    return e;
}

// Decimal order of magnitude of int.frac (position of the first non-zero
// digit relative to the point); only its sign matters, to tell an overflow
// from an underflow when from_chars reports the value out of range.
std::int64_t OrdemDosDigitos(const std::string& inteira, const std::string& fracao) {
    const std::size_t p = inteira.find_first_not_of('0');
    if (p != std::string::npos) return static_cast<std::int64_t>(inteira.size() - p);
    const std::size_t q = fracao.find_first_not_of('0');
    if (q != std::string::npos) return -static_cast<std::int64_t>(q);
    return 0;
}

// Length in characters of UTF-8 text (continuation bytes not counted), so a
// multi-byte separator takes one column when padding.
std::size_t Colunas(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string AlinharDireita(const std::string& s, std::size_t largura) {
    const std::size_t n = Colunas(s);
    return n >= largura ? s : std::string(largura - n, ' ') + s;
}

// |valor| in scientific notation with `casas` digits after the mark, then
// "E", the exponent's sign always and at least `digitosExpoente` digits.
// Rounded to nearest by to_chars, so a carry such as 9.99996 -> 1.0000e+01
// lands in the exponent. Padded on the left with spaces to `largura`
// columns, in one string: the plant writes about a hundred numbers a run.
std::string Cientifico(double modulo, int casas, const std::string& marca,
                       std::size_t digitosExpoente, const char* sinal, std::size_t largura) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, modulo, std::chars_format::scientific, casas);
    const char* e = std::find(buf, r.ptr, 'e');
    const char* digitos = e + 2;
    while (digitos + 1 < r.ptr && *digitos == '0') ++digitos;  // to_chars gives at least two
    const std::size_t nDigitos = static_cast<std::size_t>(r.ptr - digitos);
    const std::size_t zeros = nDigitos < digitosExpoente ? digitosExpoente - nDigitos : 0;
    const std::size_t nSinal = std::char_traits<char>::length(sinal);
    const std::size_t nFracao = static_cast<std::size_t>(e - (buf + 2));
    const std::size_t colunas = nSinal + 1 + Colunas(marca) + nFracao + 2 + zeros + nDigitos;
    const std::size_t brancos = colunas < largura ? largura - colunas : 0;

    std::string s(brancos + colunas - Colunas(marca) + marca.size(), ' ');
    char* p = s.data() + brancos;
    p = std::copy_n(sinal, nSinal, p);
    *p++ = buf[0];
    p = std::copy(marca.begin(), marca.end(), p);
    p = std::copy_n(buf + 2, nFracao, p);
    *p++ = 'E';
    *p++ = e[1];  // the exponent's sign
    p = std::fill_n(p, zeros, '0');
    std::copy_n(digitos, nDigitos, p);
    return s;
}

std::string NaoFinito(double valor) {
    if (std::isnan(valor)) return "NAN";
    return valor < 0.0 ? "-INF" : "INF";
}

}  // namespace

double LerNumero(const std::string& texto, const std::string& separador) {
    const std::size_t ini = texto.find_first_not_of(' ');
    if (ini == std::string::npos) throw ErroConversao(texto);
    const std::size_t fim = texto.find_last_not_of(' ');
    const std::string s = texto.substr(ini, fim - ini + 1);

    std::size_t i = 0;
    bool negativo = false;
    if (s[i] == '+' || s[i] == '-') negativo = s[i++] == '-';

    const std::string inteira = LerDigitos(s, i);
    std::string fracao;
    if (!separador.empty() && s.compare(i, separador.size(), separador) == 0) {
        i += separador.size();
        fracao = LerDigitos(s, i);
    }
    if (inteira.empty() && fracao.empty()) throw ErroConversao(texto);

    bool expNegativo = false;
    std::string expDigitos;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) expNegativo = s[i++] == '-';
        expDigitos = LerDigitos(s, i);
        if (expDigitos.empty()) throw ErroConversao(texto);
    }
    if (i != s.size()) throw ErroConversao(texto);

    // The same number in the form from_chars reads: [-]int[.frac][e[-]exp].
    std::string canonico = negativo ? "-" : "";
    canonico += inteira.empty() ? "0" : inteira;
    if (!fracao.empty()) canonico += "." + fracao;
    if (!expDigitos.empty()) canonico += std::string("e") + (expNegativo ? "-" : "") + expDigitos;

    double valor = 0.0;
    const auto r = std::from_chars(canonico.data(), canonico.data() + canonico.size(), valor,
                                   std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        const std::int64_t exp = ExpoenteSaturado(expDigitos);
        const std::int64_t ordem = OrdemDosDigitos(inteira, fracao) + (expNegativo ? -exp : exp);
        // Too large for a double: not a usable value. Too small: it is zero.
        if (ordem > 0) throw ErroConversao(texto);
        return negativo ? -0.0 : 0.0;
    }
    if (r.ec != std::errc() || r.ptr != canonico.data() + canonico.size())
        throw ErroConversao(texto);
    return valor;
}

std::string TextoExato(double valor, const std::string& separador) {
    // to_chars without a format gives the shortest form that reads back to
    // the same double: digits, at most one '.', and "e" with a signed
    // exponent, all within LerNumero's grammar.
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, valor);
    std::string texto;
    for (const char* c = buf; c != r.ptr; ++c) {
        if (*c == '.') texto += separador;
        else texto += *c;
    }
    return texto;
}

std::string FormatarCampo(double valor, const std::string& separador) {
    if (!std::isfinite(valor)) return AlinharDireita(NaoFinito(valor), 15);
    // valor < 0 is false for -0.0: a negative zero is shown as plain zero.
    return Cientifico(std::fabs(valor), 4, separador, 3, valor < 0.0 ? "-" : "", 15);
}

std::string FormatarLongo(double valor) {
    if (!std::isfinite(valor)) return AlinharDireita(NaoFinito(valor), 23);
    return Cientifico(std::fabs(valor), 14, ".", 4, valor < 0.0 ? "-" : " ", 0);
}

std::string FormatarTabela(double valor, const std::string& separador) {
    // The report's tables use the same five-digit form as the fields.
    return FormatarCampo(valor, separador);
}

std::string TextoFixo(double valor, int decimais, const std::string& separador) {
    if (!std::isfinite(valor)) return "—";
    char buffer[400];  // any finite double in fixed notation, up to 60 decimals
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, valor, std::chars_format::fixed,
                                 std::clamp(decimais, 0, 60));
    if (r.ec != std::errc()) return "—";  // not reached: the buffer holds any finite value
    std::string texto;
    bool soZeros = true;
    for (const char* c = buffer; c != r.ptr; ++c) {
        if (*c == '.') texto += separador;
        else texto += *c;
        if (*c >= '1' && *c <= '9') soZeros = false;
    }
    if (soZeros && !texto.empty() && texto.front() == '-') texto.erase(0, 1);
    return texto;
}
