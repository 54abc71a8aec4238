// "What's this?" texts of the window's fields: for each plant input, what it
// is, its unit and what the checks accept; for each output, what it is, its
// unit and the flowsheet label it belongs to.
#pragma once

#include <QString>
#include <string>

class QWidget;

// The text for a field by its component name ("Ecapusi", "Ep18"); empty for
// a name that is neither a plant input nor an output. Numbers use separador.
QString TextoOQueE(const std::string& nome, const std::string& separador);

// Sets the text on every input and output field of the window (found by
// component name), with the user's decimal separator.
void DefinirOQueE(QWidget* janela);
