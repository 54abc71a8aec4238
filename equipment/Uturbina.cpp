#include "equipment/Uturbina.h"

#include "equipment/EstadoIsentropico.h"

void Turbina(StatePoint& entrada, StatePoint& saida, double& eficiencia, double& potencia,
             double& vazao, double& irreversibilidade, double& eficienciaSegundaLei,
             PropertyMode modoEntrada, const PacotePropriedades& pacote) {
    PhaseRegion regiao = 0;
    if (modoEntrada != EntradaAvaliada) pacote.Avaliar(modoEntrada, regiao, entrada);

    const StatePoint isentropico = EstadoIsentropico(entrada, saida.p, pacote);

    const double dh = (entrada.h - isentropico.h) * eficiencia / 100;  // kJ/kg
    saida.h = entrada.h - dh;
    pacote.Avaliar(ModoPressaoEntalpia, regiao, saida);

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
