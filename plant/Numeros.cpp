#include "plant/Numeros.h"

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

// |valor| in scientific notation with `casas` digits after the point: the
// mantissa "d.ddd..." and the decimal exponent. Rounded to nearest by
// to_chars, so a carry such as 9.99996 -> 1.0000e+01 lands in the exponent.
struct Cientifico {
    std::string mantissa;
    int expoente = 0;
};

Cientifico EmCientifico(double modulo, int casas) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, modulo, std::chars_format::scientific, casas);
    const std::string s(buf, r.ptr);
    const std::size_t e = s.find('e');
    Cientifico c;
    c.mantissa = s.substr(0, e);
    int exp = 0;
    std::from_chars(s.data() + e + 2, s.data() + s.size(), exp);
    c.expoente = s[e + 1] == '-' ? -exp : exp;
    return c;
}

// "E", the exponent's sign always, and at least `digitos` exponent digits.
std::string Expoente(int expoente, std::size_t digitos) {
    std::string d = std::to_string(expoente < 0 ? -expoente : expoente);
    if (d.size() < digitos) d.insert(0, digitos - d.size(), '0');
    return std::string("E") + (expoente < 0 ? '-' : '+') + d;
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

std::string FormatarCampo(double valor, const std::string& separador) {
    if (!std::isfinite(valor)) return AlinharDireita(NaoFinito(valor), 15);
    // valor < 0 is false for -0.0: a negative zero is shown as plain zero.
    const Cientifico c = EmCientifico(std::fabs(valor), 4);
    std::string s = valor < 0.0 ? "-" : "";
    s += c.mantissa.substr(0, 1) + separador + c.mantissa.substr(2);
    s += Expoente(c.expoente, 3);
    return AlinharDireita(s, 15);
}

std::string FormatarLongo(double valor) {
    if (!std::isfinite(valor)) return AlinharDireita(NaoFinito(valor), 23);
    const Cientifico c = EmCientifico(std::fabs(valor), 14);
    return std::string(valor < 0.0 ? "-" : " ") + c.mantissa + Expoente(c.expoente, 4);
}

std::string FormatarTabela(double valor, const std::string& separador) {
    // The report's tables use the same five-digit form as the fields.
    return FormatarCampo(valor, separador);
}
