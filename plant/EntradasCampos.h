// The plant's inputs as a holder of named fields has them (the window,
// usina-calc's fields in memory): the 18 input texts read as numbers, and
// the configuration from CheckBox1. The run on the fields reads them its own
// way (CalculoCampos.h); this is for everything else that needs the inputs
// the fields show: a case to save, the studies' base case, whether the
// inputs still match a run or a case.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "plant/Campos.h"
#include "plant/EntradasUsina.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSafra.h"
#include "properties/Erros.h"

// An input field whose text is not a number: the field and its text.
class ErroEntradaNaoNumerica : public ErroConversao {
public:
    ErroEntradaNaoNumerica(const CampoEntradaUsina& campo, const std::string& texto)
        : ErroConversao(texto), campo_(&campo), texto_(texto) {}
    const CampoEntradaUsina& campo() const { return *campo_; }
    const std::string& texto() const { return texto_; }

private:
    const CampoEntradaUsina* campo_;
    std::string texto_;
};

// Every input text read with separador (before the reading limits), in the
// table's order. Throws ErroEntradaNaoNumerica for the first that is not a
// number.
EntradasUsina EntradasDosCampos(const Campos& campos, const std::string& separador);

// The inputs a run with this configuration reads, by name, in the table's
// order (the high-pressure turbine's only with it): a run's inputs as the
// export of its results lists them.
std::vector<std::pair<std::string, double>> EntradasLidasPorNome(const EntradasUsina& entradas);

// The same inputs kept as the texts change: each text is read once, when
// it changes, so that knowing whether the fields still hold a given set of
// inputs never means reading all of them again.
class EntradasCampos {
public:
    // Reads every input field of campos once.
    EntradasCampos(const Campos& campos, std::string separador);

    // A field's new text; a name that is not an input is ignored. The
    // season's fields (TabelaSafra.h) are not the written window's: their
    // texts arrive here by name too, and start at the defaults.
    void TextoMudou(const std::string& nome, const std::string& texto);
    void TurbinaAltaMudou(bool comTurbinaAlta);
    void PropriedadesMudou(Formulacao formulacao);

    // The first season field whose text is not a number, or nullptr.
    const CampoEntradaSafra* SafraIlegivel() const;

    // Whether every input text reads as a number.
    bool Legiveis() const;
    // The numbers read; a field whose text is not a number keeps the last
    // number it held (the default at first).
    const EntradasUsina& Entradas() const { return entradas_; }
    // Whether the fields hold exactly these inputs: every text a number, the
    // same doubles and configuration.
    bool Iguais(const EntradasUsina& entradas) const { return Legiveis() && entradas_ == entradas; }

private:
    std::string separador_;
    EntradasUsina entradas_;
    std::vector<bool> legivel_;  // per input, in the table's order
    std::vector<bool> legivelSafra_;  // per season input, in its table's order
};
