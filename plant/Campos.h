// The window as the calculation sees it: a holder of named text fields.
// The Qt window, the command-line tool and the tests all implement it, so
// they drive the very same calculation code. The calculation calls these with
// floating-point traps armed: an implementation that calls into code that is
// not ours (the window toolkit) suspends them with SuspensaoArmadilhas.
#pragma once

#include <string>

#include "equipment/PacotePropriedades.h"

class Campos {
public:
    virtual ~Campos() = default;

    // Text of the field with this component name (UTF-8).
    virtual std::string Texto(const std::string& nome) const = 0;
    // Replaces the field's text.
    virtual void DefinirTexto(const std::string& nome, const std::string& texto) = 0;
    // Shows or hides the field (its caption is not affected).
    virtual void DefinirVisivel(const std::string& nome, bool visivel) = 0;
    // Whether CheckBox1 ("Sim": with the high-pressure turbine) is ticked.
    virtual bool CheckBox1Marcado() const = 0;
    // The property package the run evaluates its states with.
    virtual Formulacao Propriedades() const { return Formulacao::Kkhm1969; }
};
