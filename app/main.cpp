// Start-up: the application, the command line (language, a case file to
// open), the main window maximized, the event loop until the window is closed.
#include <csignal>
#include <cstdio>

#include "ui/comum/Idioma.h"
#include "ui/janela/AplicacaoUsina.h"
#include "ui/janela/LinhaComando.h"
#include "ui/janela/Uusina.h"

int main(int argc, char** argv) {
    // A closed pipe on standard output must give a write error, not end the
    // program.
    std::signal(SIGPIPE, SIG_IGN);

    AplicacaoUsina aplicacao(argc, argv);
    const OpcoesJanela opcoes = LerOpcoesJanela(QCoreApplication::arguments());
    if (opcoes.sair) {
        std::fputs(opcoes.texto.toLocal8Bit().constData(), opcoes.codigo == 0 ? stdout : stderr);
        return opcoes.codigo;
    }
    AplicarIdioma(opcoes.idioma.value_or(IdiomaGuardado()));
    TFusina Fusina;
    Fusina.showMaximized();
    if (!opcoes.caso.isEmpty()) Fusina.AbrirCaso(opcoes.caso);
    return aplicacao.exec();
}
