// The window tests build the real window, so they need the application
// object the program itself uses; the offscreen platform keeps them headless
// and the Brazilian locale pins the decimal comma of the default texts.
#include <QLocale>
#include <gtest/gtest.h>

#include "ui/AplicacaoUsina.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    AplicacaoUsina aplicacao(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
