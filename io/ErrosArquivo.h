// The messages the user sees when a file cannot be created, written, closed
// or read, chosen from the operating system's error code.
#pragma once

#include <string>

#include "properties/Erros.h"

class ErroGravacao;

// A file could not be created, written, closed or read.
class ErroArquivo : public ErroUsina {
public:
    using ErroUsina::ErroUsina;
};

// "Invalid filename", "Too many open files", "File access denied",
// "Disk full", or "I/O error <codigo>" for any other code: the fixed texts
// of the text report and the JPEG picture.
std::string MensagemErroArquivo(int codigo);

// Why a file cannot be read or written.
enum class MotivoArquivo {
    NaoExiste,          // reading: the file does not exist
    PastaNaoExiste,     // writing: the folder does not exist
    ParteNaoEhPasta,    // a part of the path is not a folder
    EhPasta,            // the name is a folder's
    AcessoNegado,
    PastaSemPermissao,  // writing: the folder lets no file be created
    SoLeitura,          // writing: a read-only file system
    DiscoCheio,         // writing
    GrandeDemais,       // writing: past the largest file size allowed
    NomeLongo,
    LigacoesEmCiclo,    // symbolic links in a loop
    AbertosDemais,      // too many open files
    NomeInvalido,
    Fifo,               // not a regular file: a FIFO (named pipe)
    Soquete,            // not a regular file: a socket
    Dispositivo,        // not a regular file: a device
    EntradaSaida,       // any other error: codigo is errno
};

struct FalhaArquivo {
    MotivoArquivo motivo = MotivoArquivo::EntradaSaida;
    int codigo = 0;  // errno

    bool operator==(const FalhaArquivo&) const = default;
};

// Why reading failed, from errno and st_mode's S_IFMT part (ErroAbertura);
// why writing failed (ErroGravacao).
FalhaArquivo FalhaLeitura(int codigo, unsigned tipo = 0);
FalhaArquivo FalhaGravacao(const ErroGravacao& erro);

// The reason in Portuguese, for a sentence that names the file: "acesso
// negado", "é uma FIFO (pipe nomeado), não um arquivo comum"...
std::string TextoFalhaArquivo(FalhaArquivo falha);
std::string MotivoLeitura(int codigo, unsigned tipo = 0);
std::string MotivoGravacao(const ErroGravacao& erro);

// "Não foi possível gravar o arquivo "caminho": <motivo>".
std::string MensagemGravacao(const std::string& caminho, const ErroGravacao& erro);

// A file the user named that could not be written: the message is
// MensagemGravacao's; the path and the reason are kept for a front end that
// says it in its own language.
class ErroArquivoNaoGravado : public ErroArquivo {
public:
    ErroArquivoNaoGravado(std::string caminho, const ErroGravacao& erro);
    const std::string& caminho() const { return caminho_; }  // as the message shows it
    FalhaArquivo falha() const { return falha_; }

private:
    std::string caminho_;
    FalhaArquivo falha_;
};

// A write that failed where the window keeps the fixed texts (the report,
// the JPEG picture): what() is MensagemErroArquivo's text, and the file and
// the full sentence stay at hand for usina-calc.
class ErroArquivoGravado : public ErroArquivo {
public:
    ErroArquivoGravado(const std::string& caminho, const ErroGravacao& erro);
    std::string detalhe;  // MensagemGravacao
};
