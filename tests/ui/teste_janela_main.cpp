// The window tests build the real window, so they need the application
// object the program itself uses; the offscreen platform keeps them headless
// and the Brazilian locale pins the decimal comma of the default texts. The
// settings (recent case files) go to a directory of this process's own,
// never to the user's.
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ui/janela/AplicacaoUsina.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    AplicacaoUsina aplicacao(argc, argv);
    QTemporaryDir configuracoes;
    if (!configuracoes.isValid()) return 1;
    // The program finds its settings file where Qt keeps its settings.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuracoes.path()));
    for (QSettings::Format formato : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(formato, QSettings::UserScope, configuracoes.path());
        QSettings::setPath(formato, QSettings::SystemScope, configuracoes.path());
    }
    QCoreApplication::setOrganizationName("usina-testes");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
