// The inputs and outputs an analysis may name, as the window offers them:
// the plant's written fields and the season's, in combo boxes by caption with
// the field's name behind each item; and the numbers typed into an
// analysis's own controls.
#pragma once

#include <QString>
#include <string>

class QComboBox;
class QLineEdit;

// The field's name behind a combo box item.
inline constexpr int PapelCampo = 0x0101;  // Qt::UserRole + 1

// Every output, the panels' first ("Resultados Globais: Potência Elétrica
// [kW]"), then the season's figures ("Safra: Energia exportada na safra
// [MWh]"); the current item kept by name across a refill.
void PreencherSaidas(QComboBox& combo, const QString& atual = "Epotele");
// Every numeric input, the panels' then the season's.
void PreencherEntradas(QComboBox& combo, const QString& atual = "Eprecal");

// The output's or input's caption with its unit, in the window's language.
QString LegendaCampoAnalise(const std::string& nome);

// The field's name of the combo box's current item.
std::string CampoEscolhido(const QComboBox& combo);

// The number typed in a control, with the user's separator; throws
// ErroConversao with the written message for a text that is not one.
double NumeroDigitado(const QLineEdit& campo);
