// The steps of a plant run, in the order they run: each equipment model is
// called once, and the fields of its panel are written when it returns.
#pragma once

enum class EtapaCalculo {
    DadosGlobais,      // capacity, steam and bagasse per tonne, LHV, milling power
    Bomba,             // condensate pump, 18 to 19
    Caldeira,          // boiler, 19 to 1
    TurbinaAlta,       // high-pressure turbine, 1 to 2, or the header taking the live steam
    TurbinaBomba,      // pump-drive turbine, 6 to 10
    TurbinaMoenda,     // mill-drive turbine, 4 to 8
    ValvulaDivisor,    // expansion valve, 3 to 7, and the header's split
    TurbinaMedia,      // medium-pressure turbine, 5 to 9
    Processo,          // the exhausts mixed into the process steam, 11
    ResultadosGlobais, // the global balances
};
