// Constants of IAPWS-IF97 and the state record its region equations fill.
#pragma once

namespace if97 {

inline constexpr double R = 0.461526;            // kJ/(kg K), specific gas constant
inline constexpr double Tc = 647.096;            // K, critical temperature
inline constexpr double pc = 22.064;             // MPa, critical pressure
inline constexpr double rhoc = 322.0;            // kg/m3, critical density
inline constexpr double ZeroCelsius = 273.15;    // K
inline constexpr double T13 = 623.15;            // K, regions 1 and 3 meet (and 2 and 3 begin)
inline constexpr double T23Maxima = 863.15;      // K, top of the B23 line
inline constexpr double T25 = 1073.15;           // K, regions 2 and 5 meet
inline constexpr double pBaixaRegiao3 = 16.5291642526045;  // MPa, p_sat(623.15 K)

// One state from a region's equation.
struct PontoIF97 {
    double p = 0.0;   // MPa
    double T = 0.0;   // K
    double v = 0.0;   // dm3/kg
    double u = 0.0;   // kJ/kg
    double h = 0.0;   // kJ/kg
    double s = 0.0;   // kJ/(kg K)
    double cp = 0.0;  // kJ/(kg K), isobaric heat capacity (the Newton slope of h on T)
};

}  // namespace if97
