#include "equipment/Ubomba.h"

#include <cmath>

#include "equipment/EstadoIsentropico.h"

void Bomba(StatePoint& entrada, StatePoint& saida, double& potencia, double vazao,
           double eficiencia, double& irreversibilidade, double& eficienciaSegundaLei,
           const PacotePropriedades& pacote) {
    PhaseRegion regiao = 0;
    pacote.Avaliar(ModoPressaoTemperatura, regiao, entrada);

    const StatePoint isentropico = EstadoIsentropico(entrada, saida.p, pacote);

    // Negative for a compression: the outlet enthalpy exceeds the inlet's.
    const double dh = (entrada.h - isentropico.h) / (eficiencia / 100);  // kJ/kg
    saida.h = entrada.h - dh;
    pacote.Avaliar(ModoPressaoEntalpia, regiao, saida);

    potencia = vazao * dh;
    // Magnitudes, and no lower bound, unlike the turbine.
    irreversibilidade = std::fabs(potencia) - std::fabs(vazao * (saida.ex - entrada.ex));
    eficienciaSegundaLei =
        (std::fabs(potencia) - std::fabs(irreversibilidade)) / std::fabs(potencia) * 100;
}
