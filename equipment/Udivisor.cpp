#include "equipment/Udivisor.h"

void Divisor(int n, int entrada, int balanco, LabelList saidas, PorRotulo& vazao, double& resto,
             TabelaEstados& estado) {
    double soma = 0.0;
    for (int i = 0; i < n; ++i) soma = soma + vazao[saidas[i]];
    soma = soma - vazao[balanco];
    resto = vazao[entrada] - soma;
    for (int i = 0; i < n; ++i) estado[saidas[i]] = estado[entrada];
}
