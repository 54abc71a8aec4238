#include "equipment/Ucal.h"


void Caldeira(double& producao, StatePoint& aguaAlimentacao, StatePoint& vapor,
              double& eficiencia, double& pci, double& consumo,
              const PacotePropriedades& pacote) {
    PhaseRegion regiao = 0;
    pacote.Avaliar(ModoPressaoTemperatura, regiao, aguaAlimentacao);
    pacote.Avaliar(ModoPressaoTemperatura, regiao, vapor);
    // t/h over 3.6 gives kg/s.
    consumo = (vapor.h - aguaAlimentacao.h) * (producao / 3.6) / (eficiencia * pci / 100);
}
