#include "plant/EstadoLegivel.h"

#include <cmath>

#include "plant/EntradasUsina.h"
#include "plant/Numeros.h"
#include "properties/dtvp03.h"

std::optional<EstadoLegivel> LerEstado(double pressao, double temperatura, double titulo,
                                       Formulacao formulacao) {
    if (!std::isfinite(pressao) || !std::isfinite(temperatura) || !std::isfinite(titulo))
        return std::nullopt;
    if (!(pressao >= PressaoMinima && pressao <= PressaoMaxima)) return std::nullopt;
    const double diferenca =
        temperatura - Pacote(formulacao).TemperaturaSaturacao(pressao);  // K
    if (diferenca > ToleranciaSaturacaoK) return EstadoLegivel{Fase::Superaquecido, diferenca, 1.0};
    if (diferenca < -ToleranciaSaturacaoK)
        return EstadoLegivel{Fase::Subresfriado, -diferenca, 0.0};
    // On the saturation line: the quality places the state on it.
    if (titulo <= ToleranciaTituloSaturado) return EstadoLegivel{Fase::LiquidoSaturado, 0.0, 0.0};
    if (titulo >= 1.0 - ToleranciaTituloSaturado)
        return EstadoLegivel{Fase::VaporSaturado, 0.0, 1.0};
    return EstadoLegivel{Fase::Umido, 0.0, titulo};
}

std::optional<EstadoLegivel> LerEstado(const StatePoint& estado, Formulacao formulacao) {
    return LerEstado(estado.p, estado.t, estado.x, formulacao);
}

std::optional<EstadoLegivel> LerEstado(const LinhaCorrente& linha, Formulacao formulacao) {
    return LerEstado(linha.pressao / BarPorMPa, linha.temperatura, linha.titulo, formulacao);
}

std::string TextoEstado(const std::optional<EstadoLegivel>& estado, const std::string& separador) {
    if (!estado) return "—";
    switch (estado->fase) {
    case Fase::Subresfriado:
        return "subresfriado " + TextoFixo(estado->grausK, 1, separador) + " K";
    case Fase::LiquidoSaturado:
        return "líquido saturado";
    case Fase::Umido:
        return "úmido, título " + TextoFixo(estado->titulo, 3, separador);
    case Fase::VaporSaturado:
        return "vapor saturado";
    case Fase::Superaquecido:
        return "superaquecido " + TextoFixo(estado->grausK, 1, separador) + " K";
    }
    return "—";  // not reached: every phase has its text
}
