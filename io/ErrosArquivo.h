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

// What a path is when it is not a regular file ("uma FIFO (pipe nomeado)",
// "um soquete", "um dispositivo", "uma pasta"); tipo is st_mode's S_IFMT
// part. Empty for a regular file or an unknown kind.
std::string TipoNaoComum(unsigned tipo);

// Why a file cannot be read or written, in Portuguese, for a sentence that
// names the file: "acesso negado", "é uma FIFO (pipe nomeado), não um
// arquivo comum"...
std::string MotivoLeitura(int codigo, unsigned tipo = 0);
std::string MotivoGravacao(const ErroGravacao& erro);

// "Não foi possível gravar o arquivo "caminho": <motivo>".
std::string MensagemGravacao(const std::string& caminho, const ErroGravacao& erro);

// A write that failed where the window keeps the fixed texts (the report,
// the JPEG picture): what() is MensagemErroArquivo's text, and the file and
// the full sentence stay at hand for usina-calc.
class ErroArquivoGravado : public ErroArquivo {
public:
    ErroArquivoGravado(const std::string& caminho, const ErroGravacao& erro);
    std::string detalhe;  // MensagemGravacao
};
