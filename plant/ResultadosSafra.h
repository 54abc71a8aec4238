// A crushing season worked out from a finished run (SafraUsina.h): hours,
// cane, power and energy at the generators, for the mill and exported, the
// bagasse left over and what they are worth. Negative exported power, energy
// and bagasse are energy bought and bagasse missing, kept as negative figures.
#pragma once

struct ResultadosSafra {
    double Horas = 0.0;                  // h of crushing in the season
    double Cana = 0.0;                   // t cane crushed in the season
    double PotenciaGerador = 0.0;        // kW at the generators' terminals
    double PotenciaPropria = 0.0;        // kW, the mill's own electric load
    double PotenciaExportavel = 0.0;     // kW, generated less own load
    double EnergiaGerada = 0.0;          // MWh in the season
    double EnergiaPropria = 0.0;         // MWh
    double EnergiaExportada = 0.0;       // MWh
    double ExportacaoPorTonelada = 0.0;  // kWh / t cane
    double BagacoExcedente = 0.0;        // t in the season
    double ReceitaEnergia = 0.0;         // R$
    double ReceitaBagaco = 0.0;          // R$
    double ReceitaTotal = 0.0;           // R$

    bool operator==(const ResultadosSafra&) const = default;
};
