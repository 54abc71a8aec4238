// The picture tests paint with Qt and open Qt dialogues, so they need an
// application object; the offscreen platform keeps them headless.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Also when run by hand or listed for discovery, outside the test
    // environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacao(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
