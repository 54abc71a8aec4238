#include "ui/comum/GravarArquivo.h"

#include <QDir>
#include <QFile>
#include <optional>

#include "io/ErrosArquivo.h"
#include "io/ExportacaoResultados.h"
#include "io/GravacaoAtomica.h"
#include "properties/Erros.h"

void GravarArquivo(const QString& caminho, const QByteArray& conteudo) {
    GravarArquivo(caminho, [&conteudo] { return conteudo; });
}

void GravarArquivo(const QString& caminho, const std::function<QByteArray()>& gerar) {
    std::optional<GravacaoAtomica> arquivo;
    try {
        // The path as the file system's own bytes.
        arquivo.emplace(QFile::encodeName(caminho).toStdString());
    } catch (const ErroGravacao& erro) {
        LancarErroGravacao(caminho, erro);
    }
    const QByteArray conteudo = gerar();
    try {
        arquivo->Escrever(conteudo.constData(), static_cast<std::size_t>(conteudo.size()));
        arquivo->Concluir();
    } catch (const ErroGravacao& erro) {
        LancarErroGravacao(caminho, erro);
    }
}

void GravarCsv(const QString& caminho, const std::string& csv) {
    QByteArray conteudo(MarcaUtf8.data(), static_cast<qsizetype>(MarcaUtf8.size()));
    conteudo += QByteArray::fromStdString(csv);
    GravarArquivo(caminho, conteudo);
}

void LancarErroGravacao(const QString& caminho, const ErroGravacao& erro) {
    throw ErroArquivoNaoGravado(QDir::toNativeSeparators(caminho).toStdString(), erro);
}
