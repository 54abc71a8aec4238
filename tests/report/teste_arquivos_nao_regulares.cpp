// Paths that are not regular files and folders the user may not write in: what reading a case and the atomic write do with them. A
// FIFO must never block the caller (the window's thread): each attempt runs
// on a side thread that the test unblocks itself if the code under test
// hangs, and must end within a second.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <future>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "DiretorioTemporario.h"
#include "io/CasoUsina.h"
#include "io/ErrosArquivo.h"
#include "io/GravacaoAtomica.h"

namespace fs = std::filesystem;

namespace {

using ArquivosNaoRegulares = DiretorioTemporario;

// A listening-less Unix socket bound at nome.
void CriarSoquete(const std::string& nome) {
    const int s = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(s, 0);
    sockaddr_un endereco{};
    endereco.sun_family = AF_UNIX;
    nome.copy(endereco.sun_path, sizeof endereco.sun_path - 1);
    ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco), 0);
    close(s);
}

// The message of what acao throws, or "" when it throws nothing; fails the
// test when it takes a second or more (a FIFO is then opened at both ends
// so that the blocked call returns and the test can end).
std::string Mensagem(const std::function<void()>& acao, const std::string& fifo) {
    auto tarefa = std::async(std::launch::async, [&]() -> std::string {
        try {
            acao();
        } catch (const ErroGravacao& e) {
            return MensagemGravacao("x", e);
        } catch (const std::exception& e) {
            return e.what();
        }
        return "";
    });
    if (tarefa.wait_for(std::chrono::seconds(1)) != std::future_status::ready) {
        ADD_FAILURE() << "blocked for a second or more";
        const int fd = open(fifo.c_str(), O_RDWR | O_NONBLOCK);  // frees a blocked open
        const std::string m = tarefa.get();
        if (fd >= 0) close(fd);
        return m;
    }
    return tarefa.get();
}

void GravarAtomico(const std::string& caminho, const std::string& texto) {
    GravacaoAtomica arquivo(caminho);
    arquivo.Escrever(texto.data(), texto.size());
    arquivo.Concluir();
}

TEST_F(ArquivosNaoRegulares, FifoSoqueteEDispositivoRecusadosSemBloquear) {
    ASSERT_EQ(mkfifo("f.usina", 0600), 0);
    CriarSoquete("s.usina");
    fs::create_symlink("/dev/null", "nulo.txt");
    // The device is only read and looked at: were the refusal to fail, a
    // write through the link would replace the system's /dev/null.
    const struct {
        const char* caminho;
        const char* motivo;
        bool gravar;
    } casos[] = {
        {"f.usina", "é uma FIFO (pipe nomeado), não um arquivo comum", true},
        {"s.usina", "é um soquete, não um arquivo comum", true},
        {"nulo.txt", "é um dispositivo, não um arquivo comum", false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caminho);
        EXPECT_EQ(Mensagem([&] { LerCaso(c.caminho); }, "f.usina"),
                  std::string("Não foi possível ler o arquivo \"") + c.caminho + "\": " + c.motivo);
        EXPECT_EQ(Mensagem([&] { ExigirDestinoComum(c.caminho); }, "f.usina"),
                  std::string("Não foi possível gravar o arquivo \"x\": ") + c.motivo);
        // Written over, the FIFO, socket or device would be replaced by a regular one
        // (or, opened, block): refused, and left as it was.
        if (c.gravar) {
            EXPECT_EQ(Mensagem([&] { GravarAtomico(c.caminho, "x"); }, "f.usina"),
                      std::string("Não foi possível gravar o arquivo \"x\": ") + c.motivo);
        }
    }
    EXPECT_TRUE(fs::is_fifo("f.usina"));
    EXPECT_TRUE(fs::is_socket("s.usina"));
    EXPECT_EQ(Entradas(), (std::vector<std::string>{"f.usina", "nulo.txt", "s.usina"}));
}

// A file the user may write in a folder the user may not: the temporary
// file cannot be made there, so the file is written in place; a new file in
// that folder is refused with the reason. Root writes anywhere: the checks
// then run in a child process as "nobody".
TEST_F(ArquivosNaoRegulares, PastaSemPermissaoGravaDiretoNoArquivo) {
    fs::create_directory("fechada");
    Gravar("fechada/r.txt", "conteúdo antigo e mais longo");
    chmod("fechada/r.txt", 0666);
    chmod(".", 0755);
    chmod("fechada", 0555);
    const auto verificar = [&]() -> int {
        int falhas = 0;
        try {
            GravacaoAtomica arquivo("fechada/r.txt");
            falhas |= arquivo.Direta() ? 0 : 1;
            arquivo.Escrever("novo", 4);
            arquivo.Concluir();
        } catch (const ErroGravacao&) {
            falhas |= 2;
        }
        falhas |= Ler("fechada/r.txt") == "novo" ? 0 : 4;
        falhas |= Entradas("fechada") == std::vector<std::string>{"r.txt"} ? 0 : 8;
        try {
            GravarAtomico("fechada/outro.txt", "x");
            falhas |= 16;
        } catch (const ErroGravacao& e) {
            falhas |= MensagemGravacao("fechada/outro.txt", e) ==
                              "Não foi possível gravar o arquivo \"fechada/outro.txt\": não há "
                              "permissão para criar arquivos na pasta"
                          ? 0
                          : 32;
        }
        return falhas;
    };
    int falhas = 0;
    if (geteuid() != 0) {
        falhas = verificar();
    } else {
        const pid_t filho = fork();
        ASSERT_GE(filho, 0);
        if (filho == 0) {
            if (setgid(65534) != 0 || setuid(65534) != 0) _exit(64);
            _exit(verificar());
        }
        int estado = 0;
        ASSERT_EQ(waitpid(filho, &estado, 0), filho);
        ASSERT_TRUE(WIFEXITED(estado));
        falhas = WEXITSTATUS(estado);
    }
    chmod("fechada", 0755);
    EXPECT_EQ(falhas, 0) << "1: not direct, 2: refused, 4: content, 8: files left, "
                            "16: new file made, 32: message";
}

}  // namespace
