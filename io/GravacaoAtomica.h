// Writes a file by way of a temporary file in the target's directory that is
// renamed over the target only when complete, so a failed write never leaves
// a partial file nor destroys an existing one.
//
// A symbolic link is written through: the temporary file is made beside the
// file the link points to and renamed over that file, so the link stays a
// link (DestinoGravacao names that file, for the question before replacing
// it). A target that is not a regular file (a FIFO, a socket, a device) is
// refused without being opened. When the target's directory does not let a
// file be created there but the target itself may be written, the content is
// kept in memory and written straight into the target at Concluir: that
// write is not atomic (a full disk halfway leaves the file cut short), which
// is the price of saving at all in such a folder.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

// A system call failed; codigo is errno (ENOSPC also for a short write).
// tipo is the S_IFMT kind of a target that is not a regular file (codigo is
// then EACCES); naPasta tells that the directory refused the new file.
class ErroGravacao : public std::runtime_error {
public:
    ErroGravacao(int erro, const std::string& etapa, unsigned tipoArquivo = 0,
                 bool pastaRecusou = false);
    int codigo;
    unsigned tipo = 0;
    bool naPasta = false;
};

// The file a write to caminho replaces: caminho itself, or the end of the
// chain of symbolic links it starts (relative links resolved from the
// link's directory). Throws ErroGravacao(ELOOP) for a loop.
std::string DestinoGravacao(const std::string& caminho);

// Throws ErroGravacao (with tipo) when the file a write to caminho would
// replace exists and is not a regular file: for writers that open the file
// themselves (a print job to a PDF file).
void ExigirDestinoComum(const std::string& caminho);

class GravacaoAtomica {
public:
    // Creates the temporary file beside the target (relative to the working
    // directory). Throws ErroGravacao.
    explicit GravacaoAtomica(const std::string& caminho);
    // Removes the temporary file unless Concluir succeeded.
    ~GravacaoAtomica();
    GravacaoAtomica(const GravacaoAtomica&) = delete;
    GravacaoAtomica& operator=(const GravacaoAtomica&) = delete;

    void Escrever(const void* dados, std::size_t tamanho);  // throws ErroGravacao
    void Concluir();  // flush, close, rename over the target; throws ErroGravacao

    // Whether the folder refused the temporary file and the target is
    // written directly (see above).
    bool Direta() const { return direta_; }

private:
    void ConcluirDireta();

    std::string caminho_;
    std::string temporario_;
    int descritor_ = -1;
    bool concluido_ = false;
    bool direta_ = false;
    std::string conteudo_;  // the direct write's content, until Concluir
};
