#include "equipment/PacotePropriedades.h"

#include <cstring>

#include "if97/EstadoIF97.h"
#include "properties/dtvp03.h"

namespace {

// The value the mode names, the other half of what a state is given by.
double Conhecido(PropertyMode modo, const StatePoint& e) {
    switch (modo) {
    case ModoPressaoTemperatura: return e.t;
    case ModoPressaoEntalpia: return e.h;
    case ModoPressaoEntropia: return e.s;
    default: return e.x;
    }
}

bool MesmosBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// IAPWS-IF97 keeps nothing between calls, and a run asks for the same few
// states several times (the header's steam for each turbine, two drive
// turbines expanding it alike). Each thread keeps its last results; a result
// is a function of the mode and the two given values alone, so a kept one is
// the very bits a new evaluation would give.
void AvaliarIF97Guardado(PropertyMode modo, PhaseRegion& regiao, StatePoint& estado) {
    struct Guardado {
        bool valido = false;
        PropertyMode modo = 0;
        double p = 0.0, k = 0.0;
        PhaseRegion regiao = 0;
        StatePoint estado;
    };
    constexpr int Tamanho = 8;
    thread_local Guardado guardados[Tamanho];
    thread_local int proximo = 0;
    const double p = estado.p, k = Conhecido(modo, estado);
    for (const Guardado& g : guardados) {
        if (g.valido && g.modo == modo && MesmosBits(g.p, p) && MesmosBits(g.k, k)) {
            estado = g.estado;
            regiao = g.regiao;
            return;
        }
    }
    AvaliarEstadoIF97(modo, regiao, estado);  // a refusal keeps nothing
    guardados[proximo] = {true, modo, p, k, regiao, estado};
    proximo = (proximo + 1) % Tamanho;
}

const PacotePropriedades Pacotes[] = {
    {Formulacao::Kkhm1969, "kkhm", "Keenan, Keyes, Hill e Moore (1969)", &EvaluateState,
     &TemperaturaSaturacao},
    {Formulacao::If97, "if97", "IAPWS-IF97", &AvaliarIF97Guardado, &TemperaturaSaturacaoIF97},
};

}  // namespace

const PacotePropriedades& Pacote(Formulacao formulacao) {
    return formulacao == Formulacao::If97 ? Pacotes[1] : Pacotes[0];
}

const PacotePropriedades* PacotePorCodigo(std::string_view codigo) {
    for (const PacotePropriedades& p : Pacotes)
        if (codigo == p.codigo) return &p;
    return nullptr;
}
