#include "ui/MenuAjuda.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWhatsThis>
#include <QWidget>

#include "ui/DialogoSobre.h"
#include "ui/JanelaAjuda.h"

namespace {

// The window's one dialogue of type T, created on first use.
template <typename T>
void MostrarUnico(QWidget* janela) {
    T* dialogo = janela->findChild<T*>(QString(), Qt::FindDirectChildrenOnly);
    if (dialogo == nullptr) dialogo = new T(janela);
    dialogo->show();
    dialogo->raise();
    dialogo->activateWindow();
}

QString Texto(const char* texto) { return QCoreApplication::translate("MenuAjuda", texto); }

}  // namespace

QMenu* CriarMenuAjuda(QWidget* janela, QMenuBar* barra) {
    QMenu* menu = barra->addMenu(Texto(QT_TRANSLATE_NOOP("MenuAjuda", "Aj&uda")));
    menu->setObjectName("MenuAjuda");

    QAction* manual = menu->addAction(Texto(QT_TRANSLATE_NOOP("MenuAjuda", "&Manual")));
    manual->setObjectName("AcaoManual");
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    QObject::connect(manual, &QAction::triggered, janela,
                     [janela] { MostrarUnico<JanelaAjuda>(janela); });

    // Shift+F1, then a click on a field, shows its text.
    QAction* oQueE = QWhatsThis::createAction(menu);
    oQueE->setObjectName("AcaoOQueE");
    oQueE->setText(Texto(QT_TRANSLATE_NOOP("MenuAjuda", "O que é &isto?")));
    menu->addAction(oQueE);

    menu->addSeparator();
    QAction* sobre = menu->addAction(Texto(QT_TRANSLATE_NOOP("MenuAjuda", "&Sobre o usina…")));
    sobre->setObjectName("AcaoSobre");
    QObject::connect(sobre, &QAction::triggered, janela,
                     [janela] { MostrarUnico<DialogoSobre>(janela); });

    // The window holds the actions too, so that their shortcuts work
    // wherever its focus is.
    janela->addAction(manual);
    janela->addAction(oQueE);
    return menu;
}
