// Writing through a temporary file: the target appears only complete, keeps
// its permission bits, and no temporary file outlives the writer.
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>

#include "DiretorioTemporario.h"
#include "io/GravacaoAtomica.h"

namespace {

using GravacaoAtomicaTeste = DiretorioTemporario;

// errno of the failure, 0 on success.
int GravarAtomico(const std::string& caminho, const std::string& texto) {
    try {
        GravacaoAtomica arquivo(caminho);
        arquivo.Escrever(texto.data(), texto.size());
        arquivo.Concluir();
    } catch (const ErroGravacao& erro) {
        return erro.codigo;
    }
    return 0;
}

mode_t Modo(const char* caminho) {
    struct stat info {};
    stat(caminho, &info);
    return info.st_mode & 07777;
}

TEST_F(GravacaoAtomicaTeste, ModosESemTemporario) {
    const mode_t umaskAnterior = umask(027);
    EXPECT_EQ(GravarAtomico("novo.txt", "x"), 0);
    umask(umaskAnterior);
    EXPECT_EQ(Modo("novo.txt"), 0640u);  // as any new file, not 0600

    Gravar("velho.txt", "conteudo antigo e mais longo");
    chmod("velho.txt", 0604);
    EXPECT_EQ(GravarAtomico("velho.txt", "novo"), 0);
    EXPECT_EQ(Ler("velho.txt"), "novo");
    EXPECT_EQ(Modo("velho.txt"), 0604u);

    {
        GravacaoAtomica abandonado("velho.txt");
        abandonado.Escrever("x", 1);
    }
    EXPECT_EQ(Ler("velho.txt"), "novo");
    EXPECT_EQ(Entradas(), (std::vector<std::string>{"novo.txt", "velho.txt"}));
}

// A symbolic link is written through, as opening it would, not replaced.
TEST_F(GravacaoAtomicaTeste, LigacaoSimbolicaEscreveNoArquivoApontado) {
    std::filesystem::create_directory("real");
    Gravar("real/r.txt", "velho");
    std::filesystem::create_symlink("real/r.txt", "ligacao.txt");
    EXPECT_EQ(GravarAtomico("ligacao.txt", "novo"), 0);
    EXPECT_TRUE(std::filesystem::is_symlink("ligacao.txt"));
    EXPECT_EQ(Ler("real/r.txt"), "novo");
    EXPECT_EQ(Entradas("real"), std::vector<std::string>{"r.txt"});
}

// A write that fails halfway (here the file-size limit) leaves the old
// target as it was and removes the temporary file.
TEST_F(GravacaoAtomicaTeste, FalhaNaEscritaPreservaOAlvo) {
    Gravar("r.txt", "original");
    rlimit anterior{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &anterior), 0);
    rlimit limite = anterior;
    limite.rlim_cur = 1000;
    const auto sinalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    const int codigo = GravarAtomico("r.txt", std::string(5000, 'a'));
    setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, sinalAnterior);
    EXPECT_EQ(codigo, EFBIG);
    EXPECT_EQ(Ler("r.txt"), "original");
    EXPECT_EQ(Entradas(), std::vector<std::string>{"r.txt"});
}

// The C library would cut the name at an embedded NUL and write elsewhere.
TEST_F(GravacaoAtomicaTeste, NomeComNulRecusado) {
    EXPECT_EQ(GravarAtomico(std::string("r\0x.txt", 7), "x"), EINVAL);
    EXPECT_TRUE(Entradas().empty());
}

// A rename that fails at the very end (a folder took the target's name in
// the meantime) is an error, and the temporary file goes with it.
TEST_F(GravacaoAtomicaTeste, RenomeacaoQueFalha) {
    int codigo = 0;
    try {
        GravacaoAtomica arquivo("r.txt");
        arquivo.Escrever("novo", 4);
        std::filesystem::create_directory("r.txt");
        Gravar("r.txt/dentro", "x");  // not empty: rename(2) cannot replace it
        arquivo.Concluir();
    } catch (const ErroGravacao& erro) {
        codigo = erro.codigo;
    }
    EXPECT_NE(codigo, 0);
    EXPECT_EQ(Entradas(), std::vector<std::string>{"r.txt"});
    EXPECT_EQ(Entradas("r.txt"), std::vector<std::string>{"dentro"});
}

}  // namespace
