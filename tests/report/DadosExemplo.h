// A finished result filled by hand for the report tests: every figure is
// distinct, so a value printed on the wrong line shows up.
#pragma once

#include "plant/ResultadoUsina.h"

inline ResultadoUsina ResultadoExemplo() {
    ResultadoUsina r;
    DadosUsina& d = r.dados;
    for (int i = 1; i <= NumeroRotulos; ++i) {
        d.Estado[i] = {.v = 1500.0 * i, .t = 100.0 + i, .p = 0.1 * i + 0.05, .u = 2000.0 + i,
                       .h = 2500.0 + i, .s = 6.0 + i / 100.0, .ex = 800.0 + i, .x = 1.0 + i / 1000.0};
        d.Vazao[i] = i + 0.5;
        d.Potencia[i] = 100.0 * i + 0.25;
        d.Eficiencia[i] = 40.0 + i;
        d.Irreversibilidade[i] = 10.0 * i + 0.125;
        d.EficienciaSegundaLei[i] = 50.0 + i / 10.0;
    }
    d.Potencia[20] = -1234.5;  // the pump absorbs power
    d.CapacidadeUsina = 400.0;
    d.BagacoDisponivel = 104.0;
    d.PotenciaMoagemEspecifica = 15.0;
    d.PercentualValvula = 10.0;
    d.ProducaoVapor = 192.0;
    d.ConsumoCombustivel = 24.02;
    r.globais = CalcularResultadosGlobais(d);
    r.situacao = SituacaoCalculo::Completo;
    return r;
}
