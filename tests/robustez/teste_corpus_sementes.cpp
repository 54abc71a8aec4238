// Every input of the fuzzing seed corpus, replayed through the same entry
// functions the fuzz targets call, so the normal test run checks the corpus
// (and any failing input a fuzzing run once found, kept there as a seed).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/EntradasFuzz.h"

namespace {

namespace fs = std::filesystem;

// The corpus files of one target, sorted by name: the plant entry may use
// the program's persistent data, so the order is fixed.
std::vector<fs::path> Sementes(const std::string& alvo) {
    std::vector<fs::path> arquivos;
    for (const auto& e : fs::directory_iterator(fs::path(USINA_CORPUS_FUZZ) / alvo))
        if (e.is_regular_file()) arquivos.push_back(e.path());
    std::sort(arquivos.begin(), arquivos.end());
    return arquivos;
}

std::string Ler(const fs::path& arquivo) {
    std::ifstream f(arquivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void Reproduzir(const std::string& alvo,
                std::string (*entrada)(const std::uint8_t*, std::size_t)) {
    const std::vector<fs::path> sementes = Sementes(alvo);
    // A moved or emptied corpus must not pass unnoticed.
    ASSERT_GE(sementes.size(), 20u) << fs::path(USINA_CORPUS_FUZZ) / alvo;
    for (const fs::path& arquivo : sementes) {
        const std::string bytes = Ler(arquivo);
        EXPECT_EQ(entrada(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "")
            << arquivo.filename();
    }
}

TEST(CorpusSementes, LeituraEFormatoDosNumeros) { Reproduzir("numero", ExercitarNumero); }

TEST(CorpusSementes, ExecucoesDaUsina) { Reproduzir("usina", ExercitarUsina); }

TEST(CorpusSementes, ArquivosDeCaso) { Reproduzir("caso", ExercitarCaso); }

}  // namespace
