// Fixture: each test runs in a fresh empty working directory, removed
// afterwards, with the previous working directory restored.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class DiretorioTemporario : public ::testing::Test {
protected:
    void SetUp() override {
        anterior_ = std::filesystem::current_path();
        std::string modelo = (std::filesystem::temp_directory_path() / "usina-teste-XXXXXX").string();
        ASSERT_NE(mkdtemp(modelo.data()), nullptr);
        diretorio_ = modelo;
        std::filesystem::current_path(diretorio_);
    }
    void TearDown() override {
        std::filesystem::current_path(anterior_);
        std::filesystem::remove_all(diretorio_);
    }

    // Names in the working directory, hidden ones included, sorted.
    static std::vector<std::string> Entradas(const std::string& onde = ".") {
        std::vector<std::string> nomes;
        for (const auto& e : std::filesystem::directory_iterator(onde))
            nomes.push_back(e.path().filename().string());
        std::sort(nomes.begin(), nomes.end());
        return nomes;
    }
    static std::string Ler(const std::string& nome) {
        std::ifstream f(nome, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    static void Gravar(const std::string& nome, const std::string& texto) {
        std::ofstream(nome, std::ios::binary) << texto;
    }

private:
    std::filesystem::path anterior_;
    std::filesystem::path diretorio_;
};
