// "What's this?" texts of the window's fields: for each plant input, what it
// is, its unit and what the checks accept; for each output, what it is, its
// unit and the flowsheet label it belongs to. The texts are in the window's
// language and follow its changes.
#pragma once

#include <QString>
#include <string>

class QWidget;
struct CampoEntradaUsina;

// The text for a field by its component name ("Ecapusi", "Ep18"), headed by
// legenda (the caption the window shows beside it); empty for a name that is
// neither a plant input nor an output. Numbers use separador.
QString TextoOQueE(const std::string& nome, const std::string& separador, const QString& legenda);
// The same headed by the caption written for the field.
QString TextoOQueE(const std::string& nome, const std::string& separador);

// Sets the text on every input and output field of the window (found by
// component name), with the user's decimal separator, and again, with the
// captions shown then, after every change of language.
void DefinirOQueE(QWidget* janela);
