#include "ui/AplicacaoUsina.h"

#include <QLibraryInfo>
#include <QTranslator>

#include "ui/TratadorErros.h"
#include "ui/Uusina.h"

AplicacaoUsina::AplicacaoUsina(int& argc, char** argv) : QApplication(argc, argv) {
    setWindowIcon(IconeUsina());
    // Where QSettings keeps the recent case files: ~/.config/usina/usina.conf.
    setOrganizationName("usina");
    setApplicationName("usina");
    // Lets the desktop match the window with its installed entry and icon.
    setDesktopFileName("io.github.usina.Usina");
    // The program speaks Portuguese whatever the locale; so do Qt's own
    // dialogues (files, questions, printing) when Qt's translations are
    // installed (package qt6-translations-l10n).
    auto* traducao = new QTranslator(this);
    if (traducao->load("qtbase_pt_BR", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(traducao);
    else
        delete traducao;
}

bool AplicacaoUsina::notify(QObject* destino, QEvent* evento) {
    try {
        return QApplication::notify(destino, evento);
    } catch (...) {
        MostrarExcecao(std::current_exception());
        return false;
    }
}
