// Fixture of the end-to-end tests of usina-calc: the built program run in a
// fresh directory as the user runs it, its output, errors and exit status.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

struct Resultado {
    int status = -1;
    std::string saida;
    std::string erros;
};

inline std::string Aspas(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string Ler(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

class UsinaCalc : public ::testing::Test {
protected:
    void SetUp() override {
        std::string modelo = (std::filesystem::temp_directory_path() / "usina-calc-XXXXXX").string();
        ASSERT_NE(mkdtemp(modelo.data()), nullptr);
        dir_ = modelo;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Runs the program in the test's directory, under LC_ALL=C unless the
    // arguments set the separator, with standard output sent to `destino`.
    Resultado Executar(const std::vector<std::string>& args, const std::string& ambiente = "LC_ALL=C",
                       const std::string& destino = "") {
        std::string cmd = "cd " + Aspas(dir_.string()) + " && " + ambiente + " " + Aspas(USINA_CALC_EXE);
        for (const auto& a : args) cmd += " " + Aspas(a);
        const std::filesystem::path out = dir_ / "stdout", err = dir_ / "stderr";
        cmd += " >" + Aspas(destino.empty() ? out.string() : destino) + " 2>" + Aspas(err.string());
        const int w = std::system(cmd.c_str());
        Resultado r;
        r.status = WIFEXITED(w) ? WEXITSTATUS(w) : -1;
        r.saida = destino.empty() ? Ler(out) : "";
        r.erros = Ler(err);
        return r;
    }

    std::filesystem::path dir_;
};

inline bool TemLinha(const std::string& saida, const std::string& linha) {
    return ("\n" + saida).find("\n" + linha + "\n") != std::string::npos;
}
