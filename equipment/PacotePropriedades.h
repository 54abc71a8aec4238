// The water/steam property package a run evaluates its states with: the
// program's own, on the 1969 fundamental equation (the default, exact to the
// written behaviour), or the industrial formulation IAPWS-IF97 that makers'
// heat balances use. Both have the same contract (EvaluateState in
// properties/dtvp03.h); the choice is part of each case, so that runs with
// either may go side by side on any threads.
#pragma once

#include <string_view>

#include "properties/dtvpglob.h"

enum class Formulacao {
    Kkhm1969,  // Keenan, Keyes, Hill and Moore (1969)
    If97,      // IAPWS-IF97
};

struct PacotePropriedades {
    Formulacao formulacao;
    const char* codigo;  // "kkhm", "if97": case files and usina-calc
    const char* nome;    // as the window and the reports name it
    // Evaluates estado from its pressure and the slot the mode names.
    void (*Avaliar)(PropertyMode modo, PhaseRegion& regiao, StatePoint& estado);
    // Saturation temperature (degC) at p (MPa).
    double (*TemperaturaSaturacao)(double p);
};

const PacotePropriedades& Pacote(Formulacao formulacao);

// The 1969 equation's package: the default of every model and run.
inline const PacotePropriedades& PacotePadrao() { return Pacote(Formulacao::Kkhm1969); }

// The package of a code ("kkhm", "if97"); nullptr for any other text.
const PacotePropriedades* PacotePorCodigo(std::string_view codigo);
