// The tools of the "Análise" window, as data: each a tab of that window and
// an entry of the "Análise" menu, in this order. A new tool is one entry
// here; the window then gives it its inputs and dialogues, tells it when the
// inputs change and stops it when the program ends (VistaAnalise).
#pragma once

#include <QKeySequence>
#include <vector>

class QWidget;
class VistaAnalise;

struct FerramentaAnalise {
    const char* nomeAcao;   // objectName of its menu entry: "AcaoEstudo"
    const char* contexto;   // translation context of the two texts below
    const char* titulo;     // its tab, in Portuguese: "Estudo paramétrico"
    const char* textoMenu;  // its menu entry, with its accelerator: "&Estudo paramétrico"
    QKeySequence atalho;    // of the menu entry; may be empty
    VistaAnalise* (*criar)(QWidget* pai);
};

const std::vector<FerramentaAnalise>& FerramentasAnalise();
