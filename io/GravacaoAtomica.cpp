#include "io/GravacaoAtomica.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

ErroGravacao::ErroGravacao(int erro, const std::string& etapa, unsigned tipoArquivo,
                           bool pastaRecusou)
    : std::runtime_error(etapa + ": " + std::strerror(erro)), codigo(erro), tipo(tipoArquivo),
      naPasta(pastaRecusou) {}

namespace {

// Directory part of a path, with its trailing '/', or "" for the working
// directory.
std::string Diretorio(const std::string& caminho) {
    const auto barra = caminho.rfind('/');
    return barra == std::string::npos ? std::string() : caminho.substr(0, barra + 1);
}

}  // namespace

// A symbolic link is written through, as opening it would: the rename then
// replaces the file it points to and the link stays.
std::string DestinoGravacao(const std::string& caminhoDado) {
    std::string caminho = caminhoDado;
    for (int salto = 0; salto < 40; ++salto) {
        struct stat info {};
        if (lstat(caminho.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return caminho;
        std::string alvo(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t n = readlink(caminho.c_str(), alvo.data(), alvo.size());
        if (n < 0 || static_cast<std::size_t>(n) >= alvo.size()) return caminho;
        alvo.resize(static_cast<std::size_t>(n));
        caminho = alvo.starts_with('/') ? alvo : Diretorio(caminho) + alvo;
    }
    throw ErroGravacao(ELOOP, "ligação simbólica");
}

void ExigirDestinoComum(const std::string& caminho) {
    struct stat info {};
    if (stat(DestinoGravacao(caminho).c_str(), &info) != 0 || S_ISREG(info.st_mode)) return;
    throw ErroGravacao(S_ISDIR(info.st_mode) ? EISDIR : EACCES, "destino", info.st_mode & S_IFMT);
}

namespace {

// Letters for the temporary name, varied by time, process and call count so
// concurrent writers in one directory do not collide; O_EXCL settles the rest.
std::string Sufixo(unsigned tentativa) {
    static unsigned chamadas = 0;
    auto semente = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    semente ^= (static_cast<unsigned long long>(getpid()) << 32) ^ (++chamadas * 7919ULL) ^ tentativa;
    constexpr std::string_view letras = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string s;
    for (int i = 0; i < 8; ++i) {
        semente = semente * 6364136223846793005ULL + 1442695040888963407ULL;
        s.push_back(letras[(semente >> 33) % letras.size()]);
    }
    return s;
}

}  // namespace

GravacaoAtomica::GravacaoAtomica(const std::string& caminho) {
    // The C library would silently cut the name at an embedded NUL.
    if (caminho.find('\0') != std::string::npos) throw ErroGravacao(EINVAL, "nome");
    caminho_ = DestinoGravacao(caminho);

    // An existing target must be one that opening for writing would accept;
    // the new file then takes over its permission bits.
    mode_t modoAnterior = 0;
    bool existe = false;
    struct stat info {};
    if (stat(caminho_.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) throw ErroGravacao(EISDIR, "destino");
        // A FIFO, socket or device is not replaced by a file (nor opened:
        // a FIFO would block until a reader came).
        if (!S_ISREG(info.st_mode)) throw ErroGravacao(EACCES, "destino", info.st_mode & S_IFMT);
        if (faccessat(AT_FDCWD, caminho_.c_str(), W_OK, AT_EACCESS) != 0)
            throw ErroGravacao(errno, "destino");
        existe = true;
        modoAnterior = info.st_mode & 0777;
    } else if (errno != ENOENT) {
        throw ErroGravacao(errno, "destino");
    }

    // The temporary file lives beside the target so the rename stays on one
    // file system. Mode 0666 lets the umask act as for any new file. The
    // target's own name is cut short so the temporary name fits where the
    // target's does.
    const std::string diretorio = Diretorio(caminho_);
    const std::string base = caminho_.substr(diretorio.size()).substr(0, 100);
    for (unsigned tentativa = 0; descritor_ < 0; ++tentativa) {
        temporario_ = diretorio + "." + base + "." + Sufixo(tentativa) + ".tmp";
        descritor_ = open(temporario_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descritor_ < 0 && (errno != EEXIST || tentativa >= 100)) {
            const int codigo = errno;
            temporario_.clear();
            const bool pastaRecusou = codigo == EACCES || codigo == EPERM;
            // A file the user may write in a folder the user may not: written
            // in place at Concluir.
            if (pastaRecusou && existe) {
                direta_ = true;
                return;
            }
            throw ErroGravacao(codigo, "criar", 0, pastaRecusou);
        }
    }
    if (existe) (void)fchmod(descritor_, modoAnterior);  // best effort
}

GravacaoAtomica::~GravacaoAtomica() {
    if (descritor_ >= 0) close(descritor_);
    if (!concluido_ && !temporario_.empty()) unlink(temporario_.c_str());
}

void GravacaoAtomica::Escrever(const void* dados, std::size_t tamanho) {
    const char* p = static_cast<const char*>(dados);
    if (direta_) {
        conteudo_.append(p, tamanho);
        return;
    }
    while (tamanho > 0) {
        const ssize_t n = write(descritor_, p, tamanho);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw ErroGravacao(errno, "escrever");
        }
        // No byte stored and no error reported: the device is full.
        if (n == 0) throw ErroGravacao(ENOSPC, "escrever");
        p += n;
        tamanho -= static_cast<std::size_t>(n);
    }
}

void GravacaoAtomica::Concluir() {
    if (direta_) {
        ConcluirDireta();
        return;
    }
    // The data must be on disk before the rename makes them the target, or
    // a crash could leave an empty report in place of the old one. EINVAL:
    // the file system has no use for fsync.
    if (fsync(descritor_) != 0 && errno != EINVAL) throw ErroGravacao(errno, "fsync");
    const int descritor = descritor_;
    descritor_ = -1;
    // After close on Linux the descriptor is gone even on EINTR, and fsync
    // has already stored the data.
    if (close(descritor) != 0 && errno != EINTR) throw ErroGravacao(errno, "fechar");
    if (rename(temporario_.c_str(), caminho_.c_str()) != 0) throw ErroGravacao(errno, "renomear");
    concluido_ = true;
}

namespace {

// Closes a descriptor on every way out.
struct Fechar {
    int fd;
    ~Fechar() {
        if (fd >= 0) close(fd);
    }
};

}  // namespace

void GravacaoAtomica::ConcluirDireta() {
    // The target named at the start, and no other: a link put in its place
    // since is refused (O_NOFOLLOW), and so is anything but a regular file.
    Fechar arquivo{open(caminho_.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | O_NOFOLLOW)};
    if (arquivo.fd < 0) throw ErroGravacao(errno, "abrir");
    struct stat info {};
    if (fstat(arquivo.fd, &info) != 0) throw ErroGravacao(errno, "destino");
    if (!S_ISREG(info.st_mode)) throw ErroGravacao(EACCES, "destino", info.st_mode & S_IFMT);
    if (ftruncate(arquivo.fd, 0) != 0) throw ErroGravacao(errno, "truncar");
    descritor_ = arquivo.fd;
    direta_ = false;  // Escrever now writes to the descriptor
    try {
        Escrever(conteudo_.data(), conteudo_.size());
    } catch (...) {
        descritor_ = -1;
        throw;
    }
    descritor_ = -1;
    if (fsync(arquivo.fd) != 0 && errno != EINVAL) throw ErroGravacao(errno, "fsync");
    const int fd = arquivo.fd;
    arquivo.fd = -1;
    if (close(fd) != 0 && errno != EINTR) throw ErroGravacao(errno, "fechar");
    direta_ = true;
    concluido_ = true;
    conteudo_.clear();
}
