// The two notices the result views share: no finished run yet, and results
// that no longer match the inputs.
#pragma once

class QAbstractItemView;
class QLabel;
class QWidget;

// Shown by the warning line and by every view while the inputs differ from
// those of the run the views show.
inline constexpr const char* TextoDesatualizado =
    "Os resultados não correspondem mais às entradas: clique em \"Executar\" para recalcular.";

// "Nenhum cálculo completo…", centred, in place of an empty grid
// (objectName "AvisoSemCalculo").
QLabel* CriarAvisoSemCalculo(QWidget* pai);

// The coloured line above a table whose results are stale (objectName
// "AvisoDesatualizado"), hidden at first.
QLabel* CriarAvisoDesatualizado(QWidget* pai);

// Room either side of a table's cells, so that columns sized to their
// contents do not run their numbers together.
void EspacarCelulas(QAbstractItemView* tabela);
