// The full stop rule of the error messages.
#include <string>

#include <gtest/gtest.h>

#include "plant/MensagemErro.h"

namespace {

struct Caso {
    std::string mensagem;
    std::string esperada;
};

const Caso Casos[] = {
    {"'2.5' is not a valid floating point value", "'2.5' is not a valid floating point value."},
    {"Floating point division by zero", "Floating point division by zero."},
    {"I/O error 105", "I/O error 105."},
    {"Already a sentence.", "Already a sentence."},
    {"Done!", "Done!"},          // '!' sorts before '.'
    {"trailing space ", "trailing space "},
    {"dash-", "dash-"},          // '-' is just before '.'
    {"quote'", "quote'"},
    {"slash/", "slash/."},       // '/' is just after '.'
    {"line\n", "line\n"},
    {"Temperatura [\xC2\xB0" "C]", "Temperatura [\xC2\xB0" "C]."},
    {"acentua\xC3\xA7\xC3\xA3", "acentua\xC3\xA7\xC3\xA3."},  // ends in a multi-byte letter
    {"", ""},
};

TEST(MensagemComPonto, PontoFinalSoQuandoFalta) {
    for (const Caso& c : Casos) EXPECT_EQ(MensagemComPonto(c.mensagem), c.esperada);
}

}  // namespace
