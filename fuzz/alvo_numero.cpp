// libFuzzer target: the number reader and the field format.
#include <cstdio>
#include <cstdlib>

#include "fuzz/EntradasFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string falha = ExercitarNumero(dados, tamanho);
    if (!falha.empty()) {
        std::fprintf(stderr, "REGRA VIOLADA: %s\n", falha.c_str());
        std::abort();
    }
    return 0;
}
