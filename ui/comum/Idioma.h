// The window's language. Portuguese is the language the window is written
// in and the default whatever the system's language; English comes from the
// translation compiled into the program (traducoes/usina_en.ts). Only the
// window's texts change: numbers keep the user's locale, and the report, the
// case files and the exports stay in Portuguese.
#pragma once

#include <QKeySequence>
#include <QString>
#include <optional>
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QWidget;

enum class Idioma { Portugues, Ingles };

// "pt" and "en", as --lang and the settings spell them.
QString CodigoIdioma(Idioma idioma);
std::optional<Idioma> IdiomaDoCodigo(const QString& codigo);

// The language installed last (Portuguese until one is applied).
Idioma IdiomaAtual();

// Installs idioma's translations, the window's and Qt's own (dialogues,
// standard buttons), and translates every text registered with
// TextoTraduzido again. Qt sends every widget a LanguageChange event, which
// widgets that compose their texts answer by composing them again. Throws
// std::runtime_error when the English translation cannot be loaded.
void AplicarIdioma(Idioma idioma);

// The language chosen in the "Idioma" menu (QSettings "interface/idioma"),
// Portuguese when none was chosen or the setting is unreadable.
Idioma IdiomaGuardado();
void GuardarIdioma(Idioma idioma);

// Sets alvo's property (text, title, toolTip, windowTitle, placeholderText,
// whatsThis...) to fonte, translated in contexto, now and after every change
// of language. fonte is the Portuguese text, wrapped in QT_TRANSLATE_NOOP
// where it is written so that lupdate finds it.
void TextoTraduzido(QObject* alvo, const char* propriedade, const char* contexto,
                    const char* fonte);

// A menu of barra (a submenu of a menu) and an action of a menu whose texts
// follow the language: objectName nome, texto translated in contexto.
QMenu* MenuTraduzido(QMenuBar* barra, const char* nome, const char* contexto, const char* texto);
QMenu* MenuTraduzido(QMenu* pai, const char* nome, const char* contexto, const char* texto);
QAction* AcaoTraduzida(QMenu* menu, const char* nome, const char* contexto, const char* texto,
                       const QKeySequence& atalho = {});

// A text of the calculation core (plant/, io/: input captions, units, stream
// descriptions...) in the window's language. The core stays free of Qt and
// Portuguese; the texts it shows are listed for lupdate, in context "Nucleo",
// in the ui/TextosNucleo*.cpp catalogues.
QString TraduzirNucleo(const char* texto);
inline QString TraduzirNucleo(const std::string& texto) { return TraduzirNucleo(texto.c_str()); }

// fonte translated in contexto into idioma, whatever language is installed:
// for texts composed in a language of their own, such as a manual page
// shown beside a window in the other language, or written at build time
// with no translation installed. Portuguese gives fonte itself.
QString TraduzirEm(Idioma idioma, const char* contexto, const char* fonte);
inline QString TraduzirNucleo(Idioma idioma, const char* texto) {
    return TraduzirEm(idioma, "Nucleo", texto);
}

// The "Idioma" menu: "Português" and "English", each named in its own
// language, the current one checked. Choosing one applies it and keeps it for
// the next start.
QMenu* CriarMenuIdioma(QWidget* janela, QMenuBar* barra);
