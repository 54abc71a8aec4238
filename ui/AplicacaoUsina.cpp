#include "ui/AplicacaoUsina.h"

#include <QLibraryInfo>
#include <QLocale>

#include "ui/TratadorErros.h"
#include "ui/Uusina.h"

AplicacaoUsina::AplicacaoUsina(int& argc, char** argv) : QApplication(argc, argv) {
    setWindowIcon(IconeUsina());
    // Where QSettings keeps the recent case files: ~/.config/usina/usina.conf.
    setOrganizationName("usina");
    setApplicationName("usina");
    // Lets the desktop match the window with its installed entry and icon.
    setDesktopFileName("io.github.usina.Usina");
    // The print, page set-up and file dialogues and the standard buttons come
    // from Qt; its Brazilian Portuguese texts (package qt6-translations-l10n)
    // match the window's. Without them Qt's English stays.
    if (traducaoQt_.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&traducaoQt_);
}

bool AplicacaoUsina::notify(QObject* destino, QEvent* evento) {
    try {
        return QApplication::notify(destino, evento);
    } catch (...) {
        MostrarExcecao(std::current_exception());
        return false;
    }
}
