// Writes a file by way of a temporary file in the target's directory that is
// renamed over the target only when complete, so a failed write never leaves
// a partial file nor destroys an existing one.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

// A system call failed; codigo is errno (ENOSPC also for a short write).
class ErroGravacao : public std::runtime_error {
public:
    ErroGravacao(int erro, const std::string& etapa);
    int codigo;
};

class GravacaoAtomica {
public:
    // Creates the temporary file beside caminho (relative to the working
    // directory). Throws ErroGravacao.
    explicit GravacaoAtomica(const std::string& caminho);
    // Removes the temporary file unless Concluir succeeded.
    ~GravacaoAtomica();
    GravacaoAtomica(const GravacaoAtomica&) = delete;
    GravacaoAtomica& operator=(const GravacaoAtomica&) = delete;

    void Escrever(const void* dados, std::size_t tamanho);  // throws ErroGravacao
    void Concluir();  // flush, close, rename over the target; throws ErroGravacao

private:
    std::string caminho_;
    std::string temporario_;
    int descritor_ = -1;
    bool concluido_ = false;
};
