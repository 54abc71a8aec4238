// Start-up: the application, the main window maximized, the event loop until
// the window is closed.
#include <csignal>

#include "ui/AplicacaoUsina.h"
#include "ui/Uusina.h"

int main(int argc, char** argv) {
    // A closed pipe on standard output must give a write error, not end the
    // program.
    std::signal(SIGPIPE, SIG_IGN);

    AplicacaoUsina aplicacao(argc, argv);
    TFusina Fusina;
    Fusina.showMaximized();
    return aplicacao.exec();
}
