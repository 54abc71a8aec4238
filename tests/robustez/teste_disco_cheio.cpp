// The report and the JPEG picture written to a full disk: a 64 KiB tmpfs
// mounted for each test and filled up. The user gets "Disk full", no partial
// or temporary file is left behind, and an existing file of the same name
// keeps its old content.
//
// The process first moves into a mount namespace of its own (with a user
// namespace when not root), so the mounts are private to it and vanish with
// it even if a test crashes; each test still unmounts its file system. Where
// neither namespace may be created (a container without the capability),
// the tests are skipped with the reason.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "io/Relatorio.h"
#include "plant/CalculoUsina.h"
#include "properties/Erros.h"

#ifdef USINA_COM_FIGURA
#include <QGuiApplication>

#include "ui/figura/Fluxograma.h"
#include "ui/figura/SalvarJpeg.h"
#endif

namespace {

namespace fs = std::filesystem;

// Why mounting is impossible in this process; empty when it is possible.
std::string motivoSemMontagem;

bool GravarArquivoDoSistema(const char* caminho, const std::string& texto) {
    const int fd = open(caminho, O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = write(fd, texto.data(), texto.size()) == static_cast<ssize_t>(texto.size());
    close(fd);
    return ok;
}

// A private mount namespace: as root directly, otherwise inside a new user
// namespace in which this user is root. Runs before anything starts threads.
void IsolarMontagens() {
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    if (unshare(CLONE_NEWNS) != 0) {
        const int semRaiz = errno;
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            motivoSemMontagem = std::string("no mount namespace: ") + std::strerror(semRaiz) +
                                "; no user namespace: " + std::strerror(errno);
            return;
        }
        const std::string mapaU = "0 " + std::to_string(uid) + " 1";
        const std::string mapaG = "0 " + std::to_string(gid) + " 1";
        GravarArquivoDoSistema("/proc/self/setgroups", "deny");
        if (!GravarArquivoDoSistema("/proc/self/uid_map", mapaU) ||
            !GravarArquivoDoSistema("/proc/self/gid_map", mapaG)) {
            motivoSemMontagem = "user namespace without an id map";
            return;
        }
    }
    // Mounts made from here on stay in this namespace.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        motivoSemMontagem = std::string("cannot make mounts private: ") + std::strerror(errno);
}

std::string Ler(const std::string& nome) {
    std::ifstream f(nome, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void Gravar(const std::string& nome, const std::string& texto) {
    std::ofstream(nome, std::ios::binary) << texto;
}

// Names in the working directory, hidden ones included, sorted.
std::vector<std::string> Entradas() {
    std::vector<std::string> nomes;
    for (const auto& e : fs::directory_iterator("."))
        nomes.push_back(e.path().filename().string());
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

// The result of a run with the default inputs: a complete report.
const ResultadoUsina& DadosDeUmaExecucao() {
    static const ResultadoUsina resultado = [] {
        ResultadoUsina r;
        CalcularUsina(EntradasUsina{}, r);
        return r;
    }();
    return resultado;
}

class DiscoCheio : public ::testing::Test {
protected:
    static constexpr std::size_t Pagina = 4096;  // tmpfs allocates whole pages

    void SetUp() override {
        if (!motivoSemMontagem.empty()) GTEST_SKIP() << "cannot mount a tmpfs: " << motivoSemMontagem;
        anterior_ = fs::current_path();
        std::string modelo = (fs::temp_directory_path() / "usina-disco-XXXXXX").string();
        ASSERT_NE(mkdtemp(modelo.data()), nullptr) << std::strerror(errno);
        ponto_ = modelo;
        if (mount("tmpfs", ponto_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0700") != 0) {
            const int erro = errno;
            rmdir(ponto_.c_str());
            ponto_.clear();
            GTEST_SKIP() << "cannot mount a tmpfs: " << std::strerror(erro);
        }
        montado_ = true;
        fs::current_path(ponto_);
    }

    void TearDown() override {
        if (ponto_.empty()) return;
        fs::current_path(anterior_);
        if (montado_) {
            EXPECT_EQ(umount2(ponto_.c_str(), MNT_DETACH), 0) << std::strerror(errno);
        }
        rmdir(ponto_.c_str());
    }

    // Fills the file system, then gives back `livres` pages.
    void Encher(std::size_t livres) {
        const int fd = open("enchimento", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        ASSERT_GE(fd, 0) << std::strerror(errno);
        const std::string bloco(Pagina, 'x');
        off_t tamanho = 0;
        for (;;) {
            const ssize_t n = write(fd, bloco.data(), bloco.size());
            if (n <= 0) {
                ASSERT_EQ(errno, ENOSPC) << std::strerror(errno);
                break;
            }
            tamanho += n;
        }
        ASSERT_EQ(ftruncate(fd, std::max<off_t>(0, tamanho - off_t(livres * Pagina))), 0);
        close(fd);
        ASSERT_EQ(Livres(), livres * Pagina);
    }

    static std::size_t Livres() {
        struct statvfs info {};
        if (statvfs(".", &info) != 0) return 0;
        return static_cast<std::size_t>(info.f_bavail) * info.f_frsize;
    }

private:
    fs::path anterior_;
    std::string ponto_;
    bool montado_ = false;
};

std::string MensagemDoRelatorio() {
    try {
        EscreverRelatorio("dados", DadosDeUmaExecucao(), true, ",");
    } catch (const ErroUsina& e) {
        return e.what();
    }
    return "(sem erro)";
}

const std::string RelatorioAnterior = "relatorio anterior\r\n";

TEST_F(DiscoCheio, RelatorioNaoCabeENaoEstragaOAnterior) {
    Gravar("dados.txt", RelatorioAnterior);
    // Full, then room for less than the report: the write stops part way.
    for (const std::size_t livres : {0u, 1u, 2u}) {
        SCOPED_TRACE(std::to_string(livres) + " páginas livres");
        Encher(livres);
        EXPECT_EQ(MensagemDoRelatorio(), "Disk full");
        EXPECT_EQ(Entradas(), (std::vector<std::string>{"dados.txt", "enchimento"}));
        EXPECT_EQ(Ler("dados.txt"), RelatorioAnterior);
        EXPECT_EQ(Livres(), livres * Pagina);  // nothing kept by a lost temporary file
    }
    // With room again the same call replaces the old report.
    ASSERT_EQ(unlink("enchimento"), 0);
    EXPECT_EQ(MensagemDoRelatorio(), "(sem erro)");
    EXPECT_EQ(Entradas(), std::vector<std::string>{"dados.txt"});
    EXPECT_GT(Ler("dados.txt").size(), 2 * Pagina);  // larger than the room given above
}

TEST_F(DiscoCheio, RelatorioNovoNaoDeixaArquivo) {
    Encher(1);
    EXPECT_EQ(MensagemDoRelatorio(), "Disk full");
    EXPECT_EQ(Entradas(), std::vector<std::string>{"enchimento"});
}

#ifdef USINA_COM_FIGURA

std::string MensagemDaFigura() {
    try {
        SalvarFiguraJpeg(DesenharFluxograma(), "fluxograma");
    } catch (const ErroUsina& e) {
        return e.what();
    }
    return "(sem erro)";
}

TEST_F(DiscoCheio, FiguraNaoCabeENaoEstragaAAnterior) {
    const std::string anterior = "jpeg anterior";
    Gravar("fluxograma.jpg", anterior);
    for (const std::size_t livres : {0u, 1u}) {
        SCOPED_TRACE(std::to_string(livres) + " páginas livres");
        Encher(livres);
        EXPECT_EQ(MensagemDaFigura(), "Disk full");
        EXPECT_EQ(Entradas(), (std::vector<std::string>{"enchimento", "fluxograma.jpg"}));
        EXPECT_EQ(Ler("fluxograma.jpg"), anterior);
        EXPECT_EQ(Livres(), livres * Pagina);
    }
    ASSERT_EQ(unlink("enchimento"), 0);
    EXPECT_EQ(MensagemDaFigura(), "(sem erro)");
    const std::string jpeg = Ler("fluxograma.jpg");
    ASSERT_GT(jpeg.size(), Pagina);
    EXPECT_EQ(jpeg.substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(Entradas(), std::vector<std::string>{"fluxograma.jpg"});
}

TEST_F(DiscoCheio, FiguraNovaNaoDeixaArquivo) {
    Encher(0);
    EXPECT_EQ(MensagemDaFigura(), "Disk full");
    EXPECT_EQ(Entradas(), std::vector<std::string>{"enchimento"});
}

#endif

}  // namespace

int main(int argc, char** argv) {
    IsolarMontagens();
#ifdef USINA_COM_FIGURA
    // The picture's captions need the font database of a GUI application.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacao(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
