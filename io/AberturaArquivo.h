// Opening a file the user named for reading, when it may be anything: a
// FIFO given as a case would block open() until a writer came (and the
// window with it), a device would be read without end. Only regular files
// are opened for good.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

// The file could not be opened or read: codigo is errno, tipo the S_IFMT
// kind of a path that is not a regular file (codigo is then EACCES, or
// EISDIR for a directory). MotivoLeitura(codigo, tipo) says why.
class ErroAbertura : public std::runtime_error {
public:
    ErroAbertura(int erro, unsigned tipoArquivo);
    int codigo;
    unsigned tipo;
};

// A descriptor of a regular file open for reading, closed with the object.
class ArquivoLido {
public:
    // Opens without blocking and refuses what is not a regular file.
    // Throws ErroAbertura (EINVAL for a name holding a NUL).
    explicit ArquivoLido(const std::string& caminho);
    ~ArquivoLido();
    ArquivoLido(const ArquivoLido&) = delete;
    ArquivoLido& operator=(const ArquivoLido&) = delete;

    // The file's size when it was opened, in bytes.
    std::size_t Tamanho() const { return tamanho_; }
    // At most maximo bytes from the start (fewer at the end of the file).
    // Throws ErroAbertura.
    std::string Ler(std::size_t maximo);

private:
    int fd_ = -1;
    std::size_t tamanho_ = 0;
};
