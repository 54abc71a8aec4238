#include "ui/comum/GravarArquivo.h"

#include <QDir>
#include <QFile>

#include "io/ErrosArquivo.h"
#include "io/GravacaoAtomica.h"
#include "properties/Erros.h"

void GravarArquivo(const QString& caminho, const QByteArray& conteudo) {
    try {
        // The path as the file system's own bytes.
        GravacaoAtomica arquivo(QFile::encodeName(caminho).toStdString());
        arquivo.Escrever(conteudo.constData(), static_cast<std::size_t>(conteudo.size()));
        arquivo.Concluir();
    } catch (const ErroGravacao& erro) {
        LancarErroGravacao(caminho, erro);
    }
}

void LancarErroGravacao(const QString& caminho, const ErroGravacao& erro) {
    throw ErroArquivo(MensagemGravacao(QDir::toNativeSeparators(caminho).toStdString(), erro));
}
