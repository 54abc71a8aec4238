// Building the right-hand panels from their definition: the frame with its
// bold title, and rows of caption and field.
#pragma once

#include <string>

#include "ui/janela/DefinicaoJanela.h"

class QGridLayout;
class QVBoxLayout;
class QWidget;

struct PainelMontado {
    QFrame* painel;
    QVBoxLayout* corpo;  // below the title
};

// The panel's frame and title; sets the panel and title members.
PainelMontado CriarMolduraPainel(TFusina& janela, const DefinicaoPainel& definicao,
                                 QWidget* pai);

// A field of the row: inputs show their default text with separador, outputs
// start empty with the shaded background. Sets the field member.
QLineEdit* CriarCampo(TFusina& janela, const LinhaCampo& linha, const std::string& separador,
                      QWidget* pai);

// The caption of the row, right-aligned. Sets the caption member.
QLabel* CriarLegenda(TFusina& janela, const LinhaCampo& linha, QWidget* pai);

// A data panel: one row per field, caption to the left. Returns the grid so
// that more rows can follow (the configuration check box on Panel11).
QGridLayout* CriarPainelDados(TFusina& janela, const DefinicaoPainel& definicao,
                              const std::string& separador, QWidget* pai);
