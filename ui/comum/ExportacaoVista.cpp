#include "ui/comum/ExportacaoVista.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "io/ErrosArquivo.h"
#include "io/GravacaoAtomica.h"

bool PodeGravar(DialogosArquivo& dialogos, const QString& caminho) {
    const QFileInfo info(caminho);
    // The write goes through a symbolic link into the file it leads to: the
    // question names that file, exactly as the write will find it.
    if (info.isSymLink()) {
        QString destino;
        try {
            destino = QFile::decodeName(DestinoGravacao(QFile::encodeName(caminho).toStdString()).c_str());
        } catch (const ErroGravacao&) {
            return true;  // a loop of links: the write says so
        }
        const QFileInfo alvo(destino);
        if (alvo.exists() && !alvo.isFile()) return true;
        return dialogos.ConfirmarSubstituirLigacao(info.absoluteFilePath(),
                                                   QDir::cleanPath(alvo.absoluteFilePath()));
    }
    // A directory, a FIFO or a device of that name is not replaced: writing
    // reports the error, without a question first.
    if (!info.exists() || !info.isFile()) return true;
    return dialogos.ConfirmarSubstituir(info.absoluteFilePath());
}

PoliticaExportacao PoliticaTabelaCsv(const char* contexto, const char* filtro,
                                     const char* nomeInicial) {
    return {contexto, {{filtro, "csv"}}, nomeInicial, SufixoExportacao::SeFaltar, nullptr, false};
}

ExportacaoVista::ExportacaoVista(QWidget* dono, PoliticaExportacao politica)
    : dono_(dono), politica_(std::move(politica)) {
    if (politica_.lembrar) ultimo_ = QDir::current().absoluteFilePath(politica_.nomeInicial);
}

void ExportacaoVista::DefinirEscolha(EscolhaArquivo escolha) { escolha_ = std::move(escolha); }

void ExportacaoVista::DefinirConfirmacao(ConfirmacaoSubstituir confirmacao) {
    confirmacao_ = std::move(confirmacao);
}

QString ExportacaoVista::Exportar(const QString& titulo, const Gravacao& gravar) {
    const auto traduzir = [this](const char* texto) {
        return QCoreApplication::translate(politica_.contexto, texto);
    };
    QStringList filtros, sufixos;
    for (const FormatoExportacao& f : politica_.formatos) {
        filtros << traduzir(f.filtro);
        sufixos << f.sufixo;
    }
    const QString inicial = politica_.lembrar
                                ? ultimo_
                                : QDir::current().absoluteFilePath(politica_.nomeInicial);
    if (politica_.lembrar) {
        // The format used last comes first.
        const qsizetype ultimo = sufixos.indexOf(QFileInfo(ultimo_).suffix().toLower());
        if (ultimo > 0) {
            filtros.move(ultimo, 0);
            sufixos.move(ultimo, 0);
        }
    }
    QString nome = EscolherArquivo(escolha_, dono_, titulo, inicial, filtros, sufixos);
    if (nome.isEmpty()) return {};
    switch (politica_.sufixo) {
    case SufixoExportacao::Exigido:
        if (!sufixos.contains(QFileInfo(nome).suffix().toLower()))
            throw ErroArquivo(traduzir(politica_.mensagemSufixo).toStdString());
        break;
    case SufixoExportacao::SeFaltar:
        if (QFileInfo(nome).suffix().isEmpty()) nome += "." + sufixos.first();
        break;
    }
    // Anything at that name, a link that leads nowhere included: the
    // question says what the write would replace, or nothing is asked.
    const QFileInfo info(nome);
    if (info.exists() || info.isSymLink()) {
        const bool substituir = confirmacao_ ? confirmacao_(nome)
                                             : [&] {
                                                   DialogosArquivoQt dialogos(dono_);
                                                   return PodeGravar(dialogos, nome);
                                               }();
        if (!substituir) return {};
    }
    gravar(nome, QFileInfo(nome).suffix().toLower());
    if (politica_.lembrar) ultimo_ = QFileInfo(nome).absoluteFilePath();
    return nome;
}
