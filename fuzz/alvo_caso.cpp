// libFuzzer target: the case file reader on arbitrary bytes.
#include <cstdio>
#include <cstdlib>

#include "fuzz/EntradasFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string falha = ExercitarCaso(dados, tamanho);
    if (!falha.empty()) {
        std::fprintf(stderr, "REGRA VIOLADA: %s\n", falha.c_str());
        std::abort();
    }
    return 0;
}
