#include "ui/comum/Configuracoes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>

#include "io/AberturaArquivo.h"
#include "io/ErrosArquivo.h"

QString ArquivoConfiguracoes() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" +
           QCoreApplication::organizationName() + "/" + QCoreApplication::applicationName() +
           ".conf";
}

QString ProblemaConfiguracoes() {
    const QString caminho = ArquivoConfiguracoes();
    QString motivo;
    try {
        // Opened without blocking and refused unless regular; only its size
        // is looked at here.
        const ArquivoLido arquivo(QFile::encodeName(caminho).toStdString());
        if (arquivo.Tamanho() > static_cast<std::size_t>(TamanhoMaximoConfiguracoes))
            motivo = QString("é grande demais: %1 bytes (o máximo é %2 bytes)")
                         .arg(arquivo.Tamanho())
                         .arg(TamanhoMaximoConfiguracoes);
    } catch (const ErroAbertura& erro) {
        // Missing or unreadable: Qt starts from nothing and says nothing,
        // as for any first start.
        if (erro.tipo == 0) return {};
        motivo = QString::fromStdString(MotivoLeitura(erro.codigo, erro.tipo));
    }
    if (motivo.isEmpty()) return {};
    return "As configurações em \"" + QDir::toNativeSeparators(caminho) + "\" não foram lidas: " +
           motivo + "; esta sessão usa os valores padrão e não as guarda.";
}

std::unique_ptr<QSettings> AbrirConfiguracoes() {
    if (!ProblemaConfiguracoes().isEmpty()) return nullptr;
    // This one file, in Qt's own format: none of the organisation-wide or
    // system-wide files Qt would also read.
    return std::make_unique<QSettings>(ArquivoConfiguracoes(), QSettings::IniFormat);
}
