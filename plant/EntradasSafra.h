// The crushing season's inputs: how long the mill crushes, the generator,
// the mill's own electric load, the prices and the investment. Typed beside
// the plant's inputs (EntradasUsina::safra) and read by no step of the
// plant's run: they turn a finished run's kilowatts into a season
// (SafraUsina.h). The member initialisers are examples typical of a
// Brazilian mill, the program's defaults.
#pragma once

struct EntradasSafra {
    double DiasSafra = 200.0;               // days of the crushing season
    double AproveitamentoMoagem = 85.0;     // % of the season's hours the mill crushes
    double RendimentoGerador = 97.0;        // %, shaft power to electric power
    double ConsumoEletricoProprio = 12.0;   // kWh / t cane, the mill's own electric load
    double PrecoEnergia = 250.0;            // R$/MWh, energy exported (or bought)
    double PrecoBagaco = 60.0;              // R$/t, surplus bagasse sold (or bought)
    double Investimento = 0.0;              // R$

    bool operator==(const EntradasSafra&) const = default;
};
