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

// What the same line says instead when the run shown has water states that
// did not converge: its numbers may mean nothing.
inline constexpr const char* TextoNaoConfiavel = QT_TRANSLATE_NOOP(
    "AvisosVista",
    "Propriedades da água que não convergiram neste cálculo: os resultados não são confiáveis "
    "(veja a linha de avisos).");

// Sets the line of every result view under raiz: the unreliable run's text
// when naoConfiavel, else the stale one. Kept through changes of language.
void DefinirMotivoAvisos(QWidget* raiz, bool naoConfiavel);

// "Nenhum cálculo completo…", centred, in place of an empty grid
// (objectName "AvisoSemCalculo"). Both notices follow the language.
QLabel* CriarAvisoSemCalculo(QWidget* pai);

// The coloured line above a table whose results are stale (objectName
// "AvisoDesatualizado"), hidden at first.
QLabel* CriarAvisoDesatualizado(QWidget* pai);

// Room either side of a table's cells, so that columns sized to their
// contents do not run their numbers together.
void EspacarCelulas(QAbstractItemView* tabela);
