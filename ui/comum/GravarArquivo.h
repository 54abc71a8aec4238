// Writing a whole file the window produces (exports, pictures, PDF) through
// the atomic write: complete or not at all, an existing file kept on failure.
#pragma once

#include <QByteArray>
#include <QString>

class ErroGravacao;

// Throws ErroArquivo naming the file and the reason when it cannot be written.
void GravarArquivo(const QString& caminho, const QByteArray& conteudo);

// The ErroArquivo for a failed write of caminho: which file and why, in the
// core's Portuguese (the error box translates it).
[[noreturn]] void LancarErroGravacao(const QString& caminho, const ErroGravacao& erro);
