// The window's "Ajuda" menu: the manual (F1), "O que é isto?" (Shift+F1) and
// "Sobre o usina".
#pragma once

class QMenu;
class QMenuBar;
class QWidget;

// Adds "Ajuda" at the end of barra and wires its actions to janela: the
// manual opens in one non-modal JanelaAjuda, a child of janela, brought
// forward when already open; "Sobre" opens one DialogoSobre the same way.
// The shortcuts work anywhere in janela. The fields' what's-this texts are
// set apart, by DefinirOQueE (ui/OQueE.h).
QMenu* CriarMenuAjuda(QWidget* janela, QMenuBar* barra);
