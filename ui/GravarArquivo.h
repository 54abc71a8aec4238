// Writing a whole file the window produces (exports, pictures, PDF) through
// the atomic write: complete or not at all, an existing file kept on failure.
#pragma once

#include <QByteArray>
#include <QString>

// Throws ErroArquivo with the system's message when the file cannot be written.
void GravarArquivo(const QString& caminho, const QByteArray& conteudo);
