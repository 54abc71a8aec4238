// A stream's state as an engineer reads it: subcooled or superheated by so
// many kelvin, saturated liquid or vapour, or wet with its quality. Worked
// out from the state's pressure, temperature and enthalpy-based quality
// against the property package's own saturation temperature.
#pragma once

#include <optional>
#include <string>

#include "plant/TabelaCorrentes.h"
#include "equipment/PacotePropriedades.h"
#include "properties/dtvpglob.h"

enum class Fase {
    Subresfriado,     // liquid below t_sat (also compressed liquid)
    LiquidoSaturado,
    Umido,            // liquid and vapour at t_sat
    VaporSaturado,
    Superaquecido,
};

struct EstadoLegivel {
    Fase fase = Fase::Subresfriado;
    double grausK = 0.0;  // K, subcooling or superheat; 0 when saturated or wet
    double titulo = 0.0;  // 0 to 1, the quality of a wet state; 0 or 1 when saturated

    bool operator==(const EstadoLegivel&) const = default;
};

// A state within this distance of t_sat is saturated (or wet): the solver
// leaves a state on the saturation line a few microkelvin off it, and a
// superheat of less than half the last digit shown (0,1 K) would read
// "superaquecido 0,0 K".
inline constexpr double ToleranciaSaturacaoK = 0.05;  // K

// Within that band the quality tells liquid from vapour. A quality within
// half the last digit shown (0,001) of 0 or 1 is the saturated end itself,
// never "úmido, título 1,000".
inline constexpr double ToleranciaTituloSaturado = 5e-4;

// The state at pressao (MPa), temperatura (degC) and the enthalpy-based
// quality. Empty when the pressure lies outside the property range (a stream
// that carries nothing, such as the valve's when its share is zero, has
// pressure 0) or a number is not finite.
// Saturation is that of the package the state was evaluated with.
std::optional<EstadoLegivel> LerEstado(double pressao, double temperatura, double titulo,
                                       Formulacao formulacao = Formulacao::Kkhm1969);
std::optional<EstadoLegivel> LerEstado(const StatePoint& estado,
                                       Formulacao formulacao = Formulacao::Kkhm1969);
std::optional<EstadoLegivel> LerEstado(const LinhaCorrente& linha,  // pressure in bar
                                       Formulacao formulacao = Formulacao::Kkhm1969);

// "subresfriado 12,3 K", "líquido saturado", "úmido, título 0,953",
// "vapor saturado", "superaquecido 85,4 K", with the user's decimal
// separator; "—" for a stream without a state.
std::string TextoEstado(const std::optional<EstadoLegivel>& estado, const std::string& separador);
