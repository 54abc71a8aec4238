// The window's fields as the calculation sees them: named text fields and
// the configuration check box. The calculation runs with floating-point
// traps on, so every call into Qt here suspends them.
#pragma once

#include <string>
#include <unordered_map>

#include "plant/Campos.h"

class QCheckBox;
class QLineEdit;
class QWidget;

class CamposJanela : public Campos {
public:
    // Every named single-line field of janela, and its check box.
    CamposJanela(const QWidget& janela, const QCheckBox& checkBox1);

    // Throw std::out_of_range for a name the window does not have.
    std::string Texto(const std::string& nome) const override;
    void DefinirTexto(const std::string& nome, const std::string& texto) override;
    void DefinirVisivel(const std::string& nome, bool visivel) override;
    bool CheckBox1Marcado() const override;
    // The property package chosen in the window's menu.
    Formulacao Propriedades() const override { return propriedades_; }
    void DefinirPropriedades(Formulacao formulacao) { propriedades_ = formulacao; }

private:
    QLineEdit& Campo(const std::string& nome) const;

    std::unordered_map<std::string, QLineEdit*> campos_;
    const QCheckBox& checkBox1_;
    Formulacao propriedades_ = Formulacao::Kkhm1969;
};
