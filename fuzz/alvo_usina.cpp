// libFuzzer target: whole plant runs on texts typed by the fuzzer.
#include <cstdio>
#include <cstdlib>

#include "fuzz/EntradasFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string falha = ExercitarUsina(dados, tamanho);
    if (!falha.empty()) {
        std::fprintf(stderr, "REGRA VIOLADA: %s\n", falha.c_str());
        std::abort();
    }
    return 0;
}
