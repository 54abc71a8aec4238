#include "ui/janela/AplicacaoUsina.h"

#include "ui/comum/IconeUsina.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/TratadorErros.h"
#include "ui/janela/Uusina.h"

AplicacaoUsina::AplicacaoUsina(int& argc, char** argv) : QApplication(argc, argv) {
    setWindowIcon(IconeUsina());
    // Where QSettings keeps the recent case files: ~/.config/usina/usina.conf.
    setOrganizationName("usina");
    setApplicationName("usina");
    // Lets the desktop match the window with its installed entry and icon.
    setDesktopFileName("io.github.usina.Usina");
    // The window starts in Portuguese, with Qt's print, page set-up and file
    // dialogues and standard buttons in Brazilian Portuguese to match; the
    // program then applies the language asked for (--lang, the settings).
    AplicarIdioma(Idioma::Portugues);
}

bool AplicacaoUsina::notify(QObject* destino, QEvent* evento) {
    try {
        return QApplication::notify(destino, evento);
    } catch (...) {
        MostrarExcecao(std::current_exception());
        return false;
    }
}
