// The default texts and the in-memory holder of named fields.
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "plant/CamposMemoria.h"
#include "plant/Numeros.h"
#include "plant/TextosPadrao.h"

namespace {

// Every numeric default must be readable under any separator, or the first
// run with the defaults would stop on a conversion error.
TEST(TextosPadrao, PadroesNumericosSaoLegiveis) {
    for (const std::string sep : {",", ".", "\xD9\xAB"}) {
        for (const auto& c : CamposEntrada()) {
            const std::string nome = c.nome;
            if (nome == "Etxt" || nome == "Ejpeg") continue;
            EXPECT_NO_THROW(LerNumero(TextoPadrao(nome, sep), sep)) << nome << " sep " << sep;
        }
    }
    EXPECT_EQ(LerNumero(TextoPadrao("Epci", "."), "."), 7530.0);
    EXPECT_EQ(TextoPadrao("Eprevap", "\xD9\xAB"), "2\xD9\xAB" "5");
    EXPECT_EQ(TextoPadrao("Etxt", "."), "dados");
    EXPECT_THROW(TextoPadrao("Ep18", ","), std::out_of_range);
}

TEST(CamposMemoria, ComecaComOsPadroes) {
    const CamposMemoria campos(".");
    EXPECT_EQ(campos.Texto("Ecapusi"), "400.0");
    EXPECT_EQ(campos.Texto("Ejpeg"), "fluxograma");
    EXPECT_EQ(campos.Texto("Ep18"), "");  // output fields are empty until written
    EXPECT_TRUE(campos.CheckBox1Marcado());
    EXPECT_TRUE(campos.CamposEscritos().empty());
}

TEST(CamposMemoria, Visibilidade) {
    CamposMemoria campos(",");
    EXPECT_TRUE(campos.Visivel("Epstap"));
    campos.DefinirVisivel("Epstap", false);
    EXPECT_FALSE(campos.Visivel("Epstap"));
    campos.DefinirVisivel("Epstap", true);
    EXPECT_TRUE(campos.Visivel("Epstap"));
}

TEST(CamposMemoria, RegistraAOrdemDaPrimeiraEscrita) {
    CamposMemoria campos(",");
    campos.DefinirTexto("Ecapusi", "    4,0000E+002");
    campos.DefinirTexto("Ep18", "x");
    campos.DefinirTexto("Ecapusi", "second");
    campos.DefinirTexto("Ep1t", " ");
    EXPECT_EQ(campos.CamposEscritos(), (std::vector<std::string>{"Ecapusi", "Ep18", "Ep1t"}));
    EXPECT_EQ(campos.Texto("Ecapusi"), "second");

    campos.LimparEscritos();
    EXPECT_TRUE(campos.CamposEscritos().empty());
    EXPECT_EQ(campos.Texto("Ep18"), "x");  // clearing the record keeps the texts
    campos.DefinirTexto("Ep18", "y");
    EXPECT_EQ(campos.CamposEscritos(), std::vector<std::string>{"Ep18"});
}

TEST(CamposMemoria, EntradaSoParaCamposDeEntrada) {
    CamposMemoria campos(",");
    campos.DefinirEntrada("Eprevap", "2.5");
    EXPECT_EQ(campos.Texto("Eprevap"), "2.5");
    EXPECT_TRUE(campos.CamposEscritos().empty());  // typed by the user, not by a run
    EXPECT_THROW(campos.DefinirEntrada("Ep18", "1"), std::invalid_argument);
    EXPECT_THROW(campos.DefinirEntrada("ecapusi", "1"), std::invalid_argument);
    EXPECT_EQ(campos.Texto("Ep18"), "");
}

// Only the window's fields exist: a misspelt name is an error, whether read,
// written or hidden.
TEST(CamposMemoria, NomeDesconhecidoEErro) {
    CamposMemoria campos(",");
    for (const char* nome : {"Ep99", "ep18", "Eirr13", ""}) {
        EXPECT_THROW(campos.Texto(nome), std::invalid_argument) << nome;
        EXPECT_THROW(campos.DefinirTexto(nome, "1"), std::invalid_argument) << nome;
        EXPECT_THROW(campos.DefinirVisivel(nome, false), std::invalid_argument) << nome;
    }
    EXPECT_TRUE(campos.CamposEscritos().empty());
    EXPECT_NO_THROW(campos.DefinirTexto("Eirr4", "1"));  // the mill drive's, by its inlet label
}

}  // namespace
