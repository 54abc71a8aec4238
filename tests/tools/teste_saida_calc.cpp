// What usina-calc prints for the fields a run wrote.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tools/SaidaCalc.h"

namespace {

CamposMemoria CamposDeExemplo() {
    CamposMemoria campos(",");
    campos.DefinirTexto("Ecapusi", "    4,0000E+002");
    campos.DefinirTexto("Ep1t", " ");
    campos.DefinirTexto("Et2", "");
    campos.DefinirTexto("Ecapusi", "    5,0000E+002");  // rewritten: keeps its place
    return campos;
}

TEST(SaidaCalc, LinhasNaOrdemDeEscrita) {
    std::ostringstream s;
    EscreverCampos(s, CamposDeExemplo());
    EXPECT_EQ(s.str(), "Ecapusi=    5,0000E+002\nEp1t= \nEt2=\n");
}

}  // namespace
