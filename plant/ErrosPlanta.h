// Errors of the plant calculation beyond those of the property package: an
// input refused before anything is computed, and a request for results that
// do not exist.
#pragma once

#include <string>

#include "properties/Erros.h"

// An input that makes no physical sense. The message names the field by its
// caption as the window shows it and says what is allowed.
class ErroEntradaImpossivel : public ErroUsina {
public:
    ErroEntradaImpossivel(std::string campo, const std::string& mensagem)
        : ErroUsina(mensagem), campo_(std::move(campo)) {}
    // Component name of the field, e.g. "Eefitap".
    const std::string& campo() const { return campo_; }

private:
    std::string campo_;
};

// The last run did not finish, or there was none: there is nothing to write.
class ErroResultadoIncompleto : public ErroUsina {
public:
    using ErroUsina::ErroUsina;
};

// A sweep that cannot run: an unknown input or output name, too few points,
// a range that is not finite. Raised before any point is calculated.
class ErroVarredura : public ErroUsina {
public:
    using ErroUsina::ErroUsina;
};
