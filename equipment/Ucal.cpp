#include "equipment/Ucal.h"

#include "properties/dtvp03.h"

void Caldeira(double& producao, StatePoint& aguaAlimentacao, StatePoint& vapor,
              double& eficiencia, double& pci, double& consumo) {
    PhaseRegion regiao = 0;
    EvaluateState(ModoPressaoTemperatura, regiao, aguaAlimentacao);
    EvaluateState(ModoPressaoTemperatura, regiao, vapor);
    // t/h over 3.6 gives kg/s.
    consumo = (vapor.h - aguaAlimentacao.h) * (producao / 3.6) / (eficiencia * pci / 100);
}
