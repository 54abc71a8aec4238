// Reading a field's text as a number.
#include <bit>
#include <cfenv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "plant/Numeros.h"
#include "plant/TabelaEntradas.h"
#include "plant/TextosPadrao.h"
#include "properties/Erros.h"

namespace {

// U+066B ARABIC DECIMAL SEPARATOR: two bytes in UTF-8.
const std::string SeparadorArabe = "\xD9\xAB";

struct Aceito {
    std::string texto;
    std::string separador;
    double valor;
};

// Expected values are the correctly rounded doubles of the literals.
const Aceito CasosAceitos[] = {
    {"400,0", ",", 400.0},
    {" 12,5 ", ",", 12.5},
    {"    4,0000E+002", ",", 400.0},  // a field as the calculation rewrites it
    {"+1e3", ",", 1000.0},
    {"-2,5E-3", ",", -0.0025},
    {",5", ",", 0.5},
    {"5,", ",", 5.0},
    {"0,1", ",", 0.1},
    {"00012", ",", 12.0},
    {"1E+05", ",", 1e5},
    {"1,7976931348623157E308", ",", DBL_MAX},
    {"4,9406564584124654E-324", ",", 4.9406564584124654e-324},
    {"2.5", ".", 2.5},
    {"12\xD9\xAB" "5", SeparadorArabe, 12.5},
    {"0E999999999999999999999", ",", 0.0},  // huge exponent on zero
};

TEST(LerNumero, AceitaAGramaticaDoCampo) {
    for (const Aceito& c : CasosAceitos) {
        SCOPED_TRACE("texto: '" + c.texto + "'");
        EXPECT_EQ(LerNumero(c.texto, c.separador), c.valor);
    }
}

TEST(LerNumero, ValorAbaixoDaFaixaViraZeroComSinal) {
    EXPECT_EQ(LerNumero("1E-400", ","), 0.0);
    EXPECT_TRUE(std::signbit(LerNumero("-1E-400", ",")));
    EXPECT_EQ(LerNumero("0,00001E-99999999999999999999", ","), 0.0);
    EXPECT_TRUE(std::signbit(LerNumero("-0", ",")));
}

struct Rejeitado {
    std::string texto;
    std::string separador;
};

const Rejeitado CasosRejeitados[] = {
    {"", ","}, {"   ", ","},
    {"2.5", ","}, {"1.000,5", ","}, {"1 000", ","}, {"2,5", "."},
    {"1E", ","}, {"1e+", ","}, {"E5", ","}, {"1e 5", ","}, {"1E5,0", ","},
    {",", ","}, {"+", ","}, {"-,", ","}, {"1,2,3", ","}, {"+-1", ","}, {"--1", ","},
    {"1E400", ","}, {"-1E400", ","}, {"1,7976931348623159E308", ","},
    {"1E99999999999999999999", ","},
    {"\t1", ","}, {"1\t", ","}, {"abc", ","}, {"0x10", ","}, {"inf", ","}, {"nan", ","},
    {"12,5", SeparadorArabe}, {"12\xD9" "5", SeparadorArabe},  // half a separator
    {"1,5", ""},  // no separator at all: only integers read
};

TEST(LerNumero, RejeitaOResto) {
    for (const Rejeitado& c : CasosRejeitados) {
        SCOPED_TRACE("texto: '" + c.texto + "'");
        EXPECT_THROW(LerNumero(c.texto, c.separador), ErroConversao);
    }
}

TEST(LerNumero, MensagemTrazOTextoComoDigitado) {
    try {
        LerNumero(" 2.5 ", ",");
        FAIL() << "2.5 accepted with a comma separator";
    } catch (const ErroConversao& e) {
        EXPECT_STREQ(e.what(), "' 2.5 ' is not a valid floating point value");
    }
}

// The calculation reads and formats with floating-point traps armed: neither
// an out-of-range text nor an extreme value may raise a trapped flag.
TEST(LerNumero, NaoLevantaExcecoesDePontoFlutuante) {
    constexpr int Armadas = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;
    std::feclearexcept(FE_ALL_EXCEPT);
    for (const char* t : {"1E400", "-1E400", "1E-400", "1,7976931348623157E308", "4,9E-324"}) {
        try {
            LerNumero(t, ",");
        } catch (const ErroConversao&) {
        }
    }
    FormatarCampo(DBL_MAX, ",");
    FormatarLongo(-DBL_MAX);
    FormatarTabela(4.9e-324, ",");
    EXPECT_EQ(std::fetestexcept(Armadas), 0);
}

}  // namespace

namespace {

// TextoExato is the inverse of LerNumero: for doubles of every kind (random
// bit patterns cover subnormals and the largest values), with one- and
// two-byte separators, the text reads back to the very same bits.
TEST(TextoExato, LidoDeVoltaBitABit) {
    std::mt19937_64 gerador(7);
    std::vector<double> valores = {0.0, -0.0, 0.1, 400.0, 1e-7, DBL_MAX, -DBL_MAX, DBL_MIN,
                                   DBL_TRUE_MIN, 4.9406564584124654e-324, 2.2250738585072009e-308};
    while (valores.size() < 20000) {
        const double x = std::bit_cast<double>(gerador());
        if (std::isfinite(x)) valores.push_back(x);
    }
    for (const std::string& separador : std::vector<std::string>{",", ".", SeparadorArabe}) {
        for (double x : valores) {
            const std::string texto = TextoExato(x, separador);
            const double lido = LerNumero(texto, separador);
            ASSERT_EQ(std::bit_cast<std::uint64_t>(lido), std::bit_cast<std::uint64_t>(x)) << texto;
        }
    }
    EXPECT_EQ(TextoExato(400.0, ","), "400");
    EXPECT_EQ(TextoExato(0.1, ","), "0,1");
    EXPECT_EQ(TextoExato(-2.5e-7, "."), "-2.5e-07");
}

}  // namespace

namespace {

// An input's text is written as the defaults are: one decimal when that is
// the number exactly, the shortest exact text otherwise; either way it reads
// back to the very same bits.
TEST(TextoEntrada, UmaCasaComoOsPadroesSenaoExato) {
    const struct {
        double valor;
        const char* virgula;
        const char* ponto;
    } casos[] = {
        {400.0, "400,0", "400.0"},     {21.5, "21,5", "21.5"},      {0.0, "0,0", "0.0"},
        {-0.0, "-0", "-0"},            {-3.5, "-3,5", "-3.5"},      {0.035, "0,035", "0.035"},
        {0.1, "0,1", "0.1"},           {80.25, "80,25", "80.25"},   {1e-7, "1e-07", "1e-07"},
        {100000.0, "100000,0", "100000.0"}, {1e20, "1e+20", "1e+20"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(TextoEntrada(c.valor, ","), c.virgula) << c.virgula;
        EXPECT_EQ(TextoEntrada(c.valor, "."), c.ponto) << c.ponto;
    }
    std::mt19937_64 gerador(11);
    std::uniform_real_distribution<double> faixa(-1e6, 1e6);
    for (int i = 0; i < 20000; ++i) {
        // Half of them on tenths, as typed numbers mostly are.
        const double x = i % 2 ? faixa(gerador) : std::round(faixa(gerador) * 10) / 10;
        for (const std::string& separador : {std::string(","), std::string(".")}) {
            const std::string texto = TextoEntrada(x, separador);
            ASSERT_EQ(std::bit_cast<std::uint64_t>(LerNumero(texto, separador)),
                      std::bit_cast<std::uint64_t>(x))
                << texto;
        }
    }
}

// The defaults are written by the same rule: a number opened from a case
// shows the text the field had at start.
TEST(TextoEntrada, PadroesSaoSeusProprios) {
    const EntradasUsina padrao;
    for (const CampoEntradaUsina& c : CamposEntradaUsina())
        EXPECT_EQ(TextoPadrao(c.nome, ","), TextoEntrada(padrao.*c.membro, ",")) << c.nome;
    EXPECT_EQ(TextoPadrao("Ecapusi", ","), "400,0");
}

}  // namespace
