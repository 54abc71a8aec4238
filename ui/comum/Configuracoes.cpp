#include "ui/comum/Configuracoes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>

#include "io/AberturaArquivo.h"
#include "io/ErrosArquivo.h"
#include "ui/comum/TextosFalhasJanela.h"

QString ArquivoConfiguracoes() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" +
           QCoreApplication::organizationName() + "/" + QCoreApplication::applicationName() +
           ".conf";
}

std::optional<ProblemaArquivoConfiguracoes> ProblemaConfiguracoes() {
    const QString caminho = ArquivoConfiguracoes();
    ProblemaArquivoConfiguracoes problema;
    problema.caminho = QDir::toNativeSeparators(caminho);
    try {
        // Opened without blocking and refused unless regular; only its size
        // is looked at here.
        const ArquivoLido arquivo(QFile::encodeName(caminho).toStdString());
        if (arquivo.Tamanho() <= static_cast<std::size_t>(TamanhoMaximoConfiguracoes))
            return std::nullopt;
        problema.grandeDemais = true;
        problema.tamanho = static_cast<qint64>(arquivo.Tamanho());
    } catch (const ErroAbertura& erro) {
        // Missing or unreadable: Qt starts from nothing and says nothing,
        // as for any first start.
        if (erro.tipo == 0) return std::nullopt;
        problema.falha = FalhaLeitura(erro.codigo, erro.tipo);
    }
    return problema;
}

QString TextoProblemaConfiguracoes(const ProblemaArquivoConfiguracoes& problema) {
    return TextoProblemaConfiguracoes(problema, IdiomaAtual());
}

QString TextoProblemaConfiguracoes(const ProblemaArquivoConfiguracoes& problema, Idioma idioma) {
    const auto traduzir = [idioma](const char* fonte) {
        return TraduzirEm(idioma, "Mensagens", fonte);
    };
    const QString motivo =
        problema.grandeDemais
            ? traduzir(QT_TRANSLATE_NOOP("Mensagens",
                                         "é grande demais: %1 bytes (o máximo é %2 bytes)"))
                  .arg(QString::number(problema.tamanho),
                       QString::number(TamanhoMaximoConfiguracoes))
            : TextoFalhaArquivoTraduzido(problema.falha, idioma);
    return traduzir(QT_TRANSLATE_NOOP("Mensagens",
                                      "As configurações em %1 não foram lidas: %2; esta sessão usa "
                                      "os valores padrão e não as guarda."))
        .arg('"' + problema.caminho + '"', motivo);
}

std::unique_ptr<QSettings> AbrirConfiguracoes() {
    if (ProblemaConfiguracoes()) return nullptr;
    // This one file, in Qt's own format: none of the organisation-wide or
    // system-wide files Qt would also read.
    return std::make_unique<QSettings>(ArquivoConfiguracoes(), QSettings::IniFormat);
}
