// The window's language in English for the length of a scope, Portuguese
// again after it, whatever the test does in between.
#pragma once

#include "ui/comum/Idioma.h"

struct EmIngles {
    EmIngles() { AplicarIdioma(Idioma::Ingles); }
    ~EmIngles() { AplicarIdioma(Idioma::Portugues); }
    EmIngles(const EmIngles&) = delete;
    EmIngles& operator=(const EmIngles&) = delete;
};
