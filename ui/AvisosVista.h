// The two notices the result views share: no finished run yet, and results
// that no longer match the inputs.
#pragma once

#include <QString>
#include <QtGlobal>

class QAbstractItemView;
class QLabel;
class QWidget;

// Shown by the warning line and by every view while the inputs differ from
// those of the run the views show: the Portuguese text, and the text in the
// window's language.
inline constexpr const char* TextoDesatualizado = QT_TRANSLATE_NOOP(
    "AvisosVista",
    "Os resultados não correspondem mais às entradas: clique em \"Executar\" para recalcular.");
QString TextoDesatualizadoTraduzido();

// "Nenhum cálculo completo…", centred, in place of an empty grid
// (objectName "AvisoSemCalculo"). Both notices follow the language.
QLabel* CriarAvisoSemCalculo(QWidget* pai);

// The coloured line above a table whose results are stale (objectName
// "AvisoDesatualizado"), hidden at first.
QLabel* CriarAvisoDesatualizado(QWidget* pai);

// Room either side of a table's cells, so that columns sized to their
// contents do not run their numbers together.
void EspacarCelulas(QAbstractItemView* tabela);
