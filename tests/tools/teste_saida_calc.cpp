// What usina-calc prints for the fields a run wrote.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tools/SaidaCalc.h"

namespace {

CamposMemoria CamposEscritos() {
    CamposMemoria campos(",");
    campos.DefinirTexto("Ecapusi", "    4,0000E+002");
    campos.DefinirTexto("Ep1t", " ");
    campos.DefinirTexto("Et2", "");
    campos.DefinirTexto("Ecapusi", "    5,0000E+002");  // rewritten: keeps its place
    return campos;
}

TEST(SaidaCalc, LinhasNaOrdemDeEscrita) {
    std::ostringstream s;
    EscreverCampos(s, CamposEscritos());
    EXPECT_EQ(s.str(), "Ecapusi=    5,0000E+002\nEp1t= \nEt2=\n");
}

TEST(SaidaCalc, JsonNaOrdemDeEscrita) {
    std::ostringstream s;
    EscreverJson(s, CamposEscritos());
    EXPECT_EQ(s.str(), R"({"Ecapusi":"    5,0000E+002","Ep1t":" ","Et2":""})" "\n");
}

TEST(SaidaCalc, JsonSemCamposEscritos) {
    std::ostringstream json;
    EscreverJson(json, CamposMemoria(","));
    EXPECT_EQ(json.str(), "{}\n");
}

struct CasoJson {
    std::string texto;
    std::string json;
};

const CasoJson CasosJson[] = {
    {"4,0000E+002", R"("4,0000E+002")"},
    {"a\"b\\c", R"("a\"b\\c")"},
    {"l1\nl2\r\t", R"("l1\nl2\r\t")"},
    {std::string("\x01\x1f\x7f", 3), R"("\u0001\u001f)" "\x7f\""},
    {"\xC2\xB0" "C \xF0\x9F\x98\x80", "\"\xC2\xB0" "C \xF0\x9F\x98\x80\""},  // valid UTF-8 kept
    {"a\xFF" "b", R"("a\ufffdb")"},                   // not UTF-8
    {"\xC3", R"("\ufffd")"},                         // truncated sequence
    {"\xC0\xAF", R"("\ufffd\ufffd")"},               // overlong '/'
    {"\xED\xA0\x80", R"("\ufffd\ufffd\ufffd")"},     // surrogate
    {"\xF4\x90\x80\x80", R"("\ufffd\ufffd\ufffd\ufffd")"},  // above U+10FFFF
};

TEST(SaidaCalc, TextoJsonSempreValido) {
    for (const CasoJson& c : CasosJson) EXPECT_EQ(TextoJson(c.texto), c.json) << c.json;
}

}  // namespace
