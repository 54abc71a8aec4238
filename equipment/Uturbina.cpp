#include "equipment/Uturbina.h"

#include "equipment/EstadoIsentropico.h"
#include "properties/dtvp03.h"

void Turbina(StatePoint& entrada, StatePoint& saida, double& eficiencia, double& potencia,
             double& vazao, double& irreversibilidade, double& eficienciaSegundaLei,
             PropertyMode modoEntrada) {
    PhaseRegion regiao = 0;
    if (modoEntrada != EntradaAvaliada) EvaluateState(modoEntrada, regiao, entrada);

    const StatePoint isentropico = EstadoIsentropico(entrada, saida.p);

    const double dh = (entrada.h - isentropico.h) * eficiencia / 100;  // kJ/kg
    saida.h = entrada.h - dh;
    EvaluateState(ModoPressaoEntalpia, regiao, saida);

    if (potencia == 0.0) {
        potencia = vazao * dh;
    } else {
        vazao = potencia / dh;
    }

    irreversibilidade = (entrada.ex - saida.ex) * vazao - potencia;
    if (!(irreversibilidade >= 0.0)) irreversibilidade = 0.0;

    // A machine with no flow and no power has nothing to rate.
    if (potencia == 0.0 && irreversibilidade == 0.0) {
        eficienciaSegundaLei = 0.0;
    } else {
        eficienciaSegundaLei = potencia / (potencia + irreversibilidade) * 100;
    }
}
