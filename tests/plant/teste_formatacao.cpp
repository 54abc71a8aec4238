// The field's number text form and the report's long and table formats.
#include <cfloat>
#include <cmath>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "plant/Numeros.h"

namespace {

struct Caso {
    double valor;
    std::string texto;
};

// Examples of the number text form, plus rounding carries and the ends of
// the double range; every text is 15 columns.
const Caso CasosCampo[] = {
    {400.0, "    4,0000E+002"},
    {-400.0, "   -4,0000E+002"},
    {0.25, "    2,5000E-001"},
    {0.0, "    0,0000E+000"},
    {-0.0, "    0,0000E+000"},  // negative zero shown as zero
    {12.5, "    1,2500E+001"},
    {-0.001234, "   -1,2340E-003"},
    {9.99996, "    1,0000E+001"},  // carry into the exponent
    {9.99994, "    9,9999E+000"},
    {-9.99996, "   -1,0000E+001"},
    {99999.6, "    1,0000E+005"},
    {0.99999999, "    1,0000E+000"},  // carry from a negative exponent to zero
    {7530.0, "    7,5300E+003"},
    {1e100, "    1,0000E+100"},
    {-1.5e-100, "   -1,5000E-100"},
    {DBL_MAX, "    1,7977E+308"},
    {-DBL_MAX, "   -1,7977E+308"},
    {4.9406564584124654e-324, "    4,9407E-324"},
};

TEST(FormatarCampo, FormaDeTextoDosNumeros) {
    for (const Caso& c : CasosCampo) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(FormatarCampo(c.valor, ","), c.texto);
        EXPECT_EQ(FormatarTabela(c.valor, ","), c.texto);
    }
}

TEST(FormatarCampo, UsaOSeparadorDado) {
    EXPECT_EQ(FormatarCampo(400.0, "."), "    4.0000E+002");
    EXPECT_EQ(FormatarTabela(-0.001234, "."), "   -1.2340E-003");
    // A two-byte separator counts as one column: still 4 leading spaces.
    EXPECT_EQ(FormatarCampo(400.0, "\xD9\xAB"), "    4\xD9\xAB" "0000E+002");
}

// Every run reads back what the previous run wrote into the fields.
TEST(FormatarCampo, TextoReLidoDaOValorArredondado) {
    // value written -> value the next run reads from the field
    const std::pair<double, double> casos[] = {{400.0, 400.0},     {-7530.0, -7530.0},
                                               {0.0, 0.0},         {0.123456, 0.12346},
                                               {9.99996, 10.0},    {1.234567e-200, 1.2346e-200}};
    for (const std::string sep : {",", ".", "\xD9\xAB"}) {
        for (const auto& [escrito, lido] : casos)
            EXPECT_EQ(LerNumero(FormatarCampo(escrito, sep), sep), lido) << escrito << " sep " << sep;
    }
}

// The report's long format: 23 characters, always a point.
const Caso CasosLongo[] = {
    {400.0, " 4.00000000000000E+0002"},
    {-12.5, "-1.25000000000000E+0001"},
    {0.85, " 8.50000000000000E-0001"},
    {0.0, " 0.00000000000000E+0000"},
    {-0.0, " 0.00000000000000E+0000"},
    {1.0 / 3.0, " 3.33333333333333E-0001"},
    {9.999999999999999, " 1.00000000000000E+0001"},  // carry at 15 digits
    {DBL_MAX, " 1.79769313486232E+0308"},
    {-4.9406564584124654e-324, "-4.94065645841247E-0324"},
};

TEST(FormatarLongo, FormatoLongoDoRelatorio) {
    for (const Caso& c : CasosLongo) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(FormatarLongo(c.valor), c.texto);
        EXPECT_EQ(FormatarLongo(c.valor).size(), 23u);
    }
}

// The tables' fixed decimals: rounding of the exact binary value, no sign
// on a rounded zero, a dash for what is not a number.
TEST(TextoFixo, DecimaisFixosDasTabelas) {
    const struct {
        double valor;
        int decimais;
        const char* separador;
        const char* texto;
    } casos[] = {
        {85.36, 1, ",", "85,4"},
        {85.35, 1, ",", "85,3"},  // 85.349999... in binary
        {3272.0048720932427, 1, ".", "3272.0"},
        {-0.04, 1, ",", "0,0"},
        {-0.0, 2, ",", "0,00"},
        {-0.06, 1, ",", "-0,1"},
        {-661.898, 0, ",", "-662"},
        {1e20, 2, ",", "100000000000000000000,00"},
        {std::nan(""), 2, ",", "—"},
        {INFINITY, 2, ",", "—"},
    };
    for (const auto& c : casos) EXPECT_EQ(TextoFixo(c.valor, c.decimais, c.separador), c.texto);
}

}  // namespace
