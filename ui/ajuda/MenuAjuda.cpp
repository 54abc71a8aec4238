#include "ui/ajuda/MenuAjuda.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWhatsThis>
#include <QWidget>

#include "ui/ajuda/DialogoSobre.h"
#include "ui/ajuda/JanelaAjuda.h"
#include "ui/comum/Idioma.h"

namespace {

// The window's one dialogue of type T, created on first use by criar.
template <typename T, typename Criar>
void MostrarUnico(QWidget* janela, Criar criar) {
    T* dialogo = janela->findChild<T*>(QString(), Qt::FindDirectChildrenOnly);
    if (dialogo == nullptr) dialogo = criar();
    dialogo->show();
    dialogo->raise();
    dialogo->activateWindow();
}

}  // namespace

QMenu* CriarMenuAjuda(QWidget* janela, QMenuBar* barra) {
    QMenu* menu =
        MenuTraduzido(barra, "MenuAjuda", "MenuAjuda", QT_TRANSLATE_NOOP("MenuAjuda", "Aj&uda"));

    QAction* manual = AcaoTraduzida(menu, "AcaoManual", "MenuAjuda",
                                    QT_TRANSLATE_NOOP("MenuAjuda", "&Manual"),
                                    QKeySequence(Qt::Key_F1));
    // The manual opens in the window's language; once open it follows the
    // window's changes of language itself.
    QObject::connect(manual, &QAction::triggered, janela, [janela] {
        MostrarUnico<JanelaAjuda>(janela, [janela] { return new JanelaAjuda(janela, IdiomaAtual()); });
    });

    // Shift+F1, then a click on a field, shows its text.
    QAction* oQueE = QWhatsThis::createAction(menu);
    oQueE->setObjectName("AcaoOQueE");
    TextoTraduzido(oQueE, "text", "MenuAjuda", QT_TRANSLATE_NOOP("MenuAjuda", "O que é &isto?"));
    menu->addAction(oQueE);

    menu->addSeparator();
    QAction* sobre = AcaoTraduzida(menu, "AcaoSobre", "MenuAjuda",
                                   QT_TRANSLATE_NOOP("MenuAjuda", "&Sobre o usina…"));
    QObject::connect(sobre, &QAction::triggered, janela, [janela] {
        MostrarUnico<DialogoSobre>(janela, [janela] { return new DialogoSobre(janela); });
    });

    // The window holds the actions too, so that their shortcuts work
    // wherever its focus is.
    janela->addAction(manual);
    janela->addAction(oQueE);
    return menu;
}
