// The plant's inputs as the engineer types them, in the window's units, and
// the configuration. One record serves the window, usina-calc, case files and
// sweeps; its member initialisers are the program's default inputs, from
// which the window's default texts ("400,0"...) are made.
#pragma once

#include "equipment/PacotePropriedades.h"
#include "plant/EntradasSafra.h"

inline constexpr double BarPorMPa = 10.0;
inline constexpr double ToneladaHoraPorKgSegundo = 3.6;  // (1000 kg/t) / (3600 s/h)
inline constexpr double KgPorTonelada = 1000.0;
inline constexpr double Porcento = 100.0;

// The limits the reading of the fields applies: a larger boiler pressure or
// outlet temperature is replaced by the limit itself.
inline constexpr double PressaoMaximaCaldeira = 19.0;         // MPa, top of the property range
inline constexpr double TemperaturaMaximaCaldeira = 1300.0;   // degC

// The property range of a typed pressure, both ends accepted.
inline constexpr double PressaoMinimaBar = 0.006109;  // bar
inline constexpr double PressaoMaximaBar = 190.0;     // bar

struct EntradasUsina {
    // Global data.
    double CapacidadeUsina = 400.0;           // t cane/h
    double VaporPorTonelada = 480.0;          // kg steam / t cane
    double BagacoPorTonelada = 260.0;         // kg bagasse (50 % moisture) / t cane
    double PciBagaco = 7530.0;                // kJ/kg
    double PotenciaMoagemEspecifica = 15.0;   // kWh / t cane
    // Operating data.
    double PressaoProcesso = 2.5;             // bar
    double PressaoCaldeira = 80.0;            // bar
    double TemperaturaCaldeira = 450.0;       // degC, boiler outlet
    double EficienciaCaldeira = 85.0;         // %, thermal
    double PressaoSaidaTurbinaAlta = 22.0;    // bar, the steam header
    double EficienciaTurbinaAlta = 75.0;      // %
    double PressaoCondensado = 2.0;           // bar, condensate return
    double TemperaturaCondensado = 90.0;      // degC
    double EficienciaBomba = 65.0;            // %, isentropic
    double EficienciaTurbinaBomba = 48.0;     // %
    double EficienciaTurbinaMoenda = 48.0;    // %
    double PercentualValvula = 10.0;          // % of the live steam through the valve
    double EficienciaTurbinaMedia = 70.0;     // %
    // Configuration: with the high-pressure turbine, or the header carrying
    // the live steam.
    bool comTurbinaAlta = true;
    // The property package every state of the run is evaluated with.
    Formulacao propriedades = Formulacao::Kkhm1969;
    // The crushing season: no step of the plant's run reads these.
    EntradasSafra safra;

    bool operator==(const EntradasUsina&) const = default;
};

// A pressure typed in bar as the calculation keeps it, in MPa. The lowest
// pressure of the property range, typed in bar, comes out one unit in the
// last place below the range when divided by 10; it is held at the range's
// end so that the limit itself is accepted.
double PressaoArmazenada(double bar);
