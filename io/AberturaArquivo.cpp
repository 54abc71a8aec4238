#include "io/AberturaArquivo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ErroAbertura::ErroAbertura(int erro, unsigned tipoArquivo)
    : std::runtime_error(std::strerror(erro)), codigo(erro), tipo(tipoArquivo) {}

namespace {

[[noreturn]] void Recusar(unsigned tipo) {
    throw ErroAbertura((tipo & S_IFMT) == S_IFDIR ? EISDIR : EACCES, tipo & S_IFMT);
}

}  // namespace

ArquivoLido::ArquivoLido(const std::string& caminho) {
    // The C library would silently cut the name at an embedded NUL.
    if (caminho.find('\0') != std::string::npos) throw ErroAbertura(EINVAL, 0);
    // O_NONBLOCK: a FIFO opens at once instead of waiting for a writer, and
    // is then refused; a regular file ignores the flag.
    fd_ = open(caminho.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) {
        const int codigo = errno;
        // A socket cannot be opened at all (ENXIO): say what it is.
        struct stat info {};
        if (codigo == ENXIO && stat(caminho.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
            Recusar(info.st_mode);
        throw ErroAbertura(codigo, 0);
    }
    struct stat info {};
    if (fstat(fd_, &info) != 0) {
        const int codigo = errno;
        close(fd_);
        throw ErroAbertura(codigo, 0);
    }
    if (!S_ISREG(info.st_mode)) {
        close(fd_);
        Recusar(info.st_mode);
    }
    tamanho_ = static_cast<std::size_t>(info.st_size);
}

ArquivoLido::~ArquivoLido() {
    if (fd_ >= 0) close(fd_);
}

std::string ArquivoLido::Ler(std::size_t maximo) {
    std::string texto(maximo, '\0');
    std::size_t lidos = 0;
    while (lidos < texto.size()) {
        const ssize_t n = read(fd_, texto.data() + lidos, texto.size() - lidos);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw ErroAbertura(errno, 0);
        }
        if (n == 0) break;
        lidos += static_cast<std::size_t>(n);
    }
    texto.resize(lidos);
    return texto;
}
