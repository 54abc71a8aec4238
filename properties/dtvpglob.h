// Shared types of the water/steam property package and its working state.
// Each thread has its own working state (and its own kept results), so
// independent evaluations may run on several threads at once; one thread
// still evaluates one state at a time.
#pragma once

#include <cstdint>

// One state of water. Eleven doubles in a fixed order (slots 0 to 10).
struct StatePoint {
    double v = 0.0;   // 0: specific volume, dm3/kg (= cm3/g)
    double t = 0.0;   // 1: temperature, degC
    double p = 0.0;   // 2: pressure, MPa
    double u = 0.0;   // 3: specific internal energy, kJ/kg
    double h = 0.0;   // 4: specific enthalpy, kJ/kg
    double s = 0.0;   // 5: specific entropy, kJ/(kg K)
    double ex = 0.0;  // 6: specific flow exergy relative to the dead state, kJ/kg
    double r7 = 0.0;  // 7 to 9: reserved, 0.0 after every evaluation
    double r8 = 0.0;
    double r9 = 0.0;
    double x = 0.0;   // 10: enthalpy-based quality (<0 liquid, >1 superheated)

    bool operator==(const StatePoint&) const = default;
};

// Slot access by number, 0 to 10.
double& Slot(StatePoint& estado, int indice);
double Slot(const StatePoint& estado, int indice);

// Which pair of properties is known.
using PropertyMode = std::int32_t;
inline constexpr PropertyMode ModoPressaoTemperatura = 1;
inline constexpr PropertyMode ModoPressaoEntalpia = 2;
inline constexpr PropertyMode ModoPressaoEntropia = 3;
inline constexpr PropertyMode ModoPressaoTitulo = 4;
inline constexpr PropertyMode ModoSaturacao = 12;  // internal: saturated states

// Region of the evaluated state.
using PhaseRegion = std::int32_t;
inline constexpr PhaseRegion RegiaoLiquido = 1;
inline constexpr PhaseRegion RegiaoMistura = 2;
inline constexpr PhaseRegion RegiaoVapor = 3;
inline constexpr PhaseRegion RegiaoSupercritica = 4;

// Environment state for exergy: liquid water at 25 degC and 0.101325 MPa.
namespace DeadState {
inline constexpr double T0 = 298.15;               // K
inline constexpr double h0 = 104.971920046949;     // kJ/kg
inline constexpr double s0 = 0.367375382011459;    // kJ/(kg K)
}  // namespace DeadState

// The package's working state, read by the solver's residual function.
// Default member initialisers only: the object is constant-initialised.
struct PropertyWorkspace {
    std::int32_t regiao = 0;
    std::int32_t modo = 0;
    double pressaoConhecida = 0.0;  // MPa
    double valorConhecido = 0.0;    // unit of the mode
    StatePoint atual;
    StatePoint liquidoSaturado;
    StatePoint vaporSaturado;
    double temperaturaSaturacao = 0.0;  // degC
};

// The calling thread's working state. Constant initialisation (constinit)
// lets every access, one per residual evaluation, go straight to the
// thread's storage without a call to check for a dynamic initialiser.
extern thread_local constinit PropertyWorkspace propertyWorkspace;
