// Writing a whole file the window produces (exports, pictures, PDF) through
// the atomic write: complete or not at all, an existing file kept on failure.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <string>

#include "io/ErrosArquivo.h"

// Throws ErroArquivoNaoGravado naming the file and the reason when it cannot
// be written.
void GravarArquivo(const QString& caminho, const QByteArray& conteudo);
// The same with the file created before gerar makes its contents, so that a
// name the system refuses is said before any long drawing work; what gerar
// throws leaves nothing behind.
void GravarArquivo(const QString& caminho, const std::function<QByteArray()>& gerar);

// A CSV table the window exports: the UTF-8 byte-order mark, then csv (UTF-8),
// through GravarArquivo.
void GravarCsv(const QString& caminho, const std::string& csv);

// The ErroArquivoNaoGravado for a failed write of caminho: which file and
// why (the error box says it in the window's language).
[[noreturn]] void LancarErroGravacao(const QString& caminho, const ErroGravacao& erro);
