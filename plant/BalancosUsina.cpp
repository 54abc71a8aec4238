#include "plant/BalancosUsina.h"

#include <algorithm>
#include <cmath>

#include "plant/PapeisRotulos.h"

BalancosUsina CalcularBalancos(const ResultadoUsina& resultado) {
    namespace R = Rotulo;
    const DadosUsina& d = resultado.dados;
    const auto& E = d.Estado;
    const auto& m = d.Vazao;  // kg/s
    BalancosUsina b;

    b.massaColetor = m[R::Coletor] - (m[R::EntradaValvula] + m[R::EntradaTurbinaMoenda] +
                                      m[R::EntradaTurbinaMedia] + m[R::EntradaTurbinaBomba]);
    b.massaMisturador = (m[R::SaidaValvula] + m[R::EscapeTurbinaMoenda] +
                         m[R::EscapeTurbinaMedia] + m[R::EscapeTurbinaBomba]) -
                        m[R::VaporProcesso];

    // Each consumer at the enthalpy it took: the valve and the medium-pressure
    // turbine keep their inlet in the state table, the drive turbines' inlets
    // were kept aside before the split copied the header over them.
    const auto& tomadas = resultado.entradasTomadas;
    const double termosColetor[] = {
        m[R::Coletor] * E[R::Coletor].h,
        m[R::EntradaValvula] * E[R::EntradaValvula].h,
        m[R::EntradaTurbinaMoenda] * tomadas[R::EntradaTurbinaMoenda].h,
        m[R::EntradaTurbinaMedia] * E[R::EntradaTurbinaMedia].h,
        m[R::EntradaTurbinaBomba] * tomadas[R::EntradaTurbinaBomba].h};  // kW
    b.energiaColetor = termosColetor[0] - (termosColetor[1] + termosColetor[2] +
                                           termosColetor[3] + termosColetor[4]);

    // The plant as one control volume around the water: the boiler's heat in;
    // the generators' and the mill's shafts and the process heat out. The
    // pump-drive turbine drives the pump inside the volume, so both drop out.
    b.calorCaldeira = m[R::VaporVivo] * (E[R::VaporVivo].h - E[R::AguaAlimentacao].h);
    const double termosUsina[] = {
        b.calorCaldeira, d.Potencia[R::EixoTurbinaAlta], d.Potencia[R::EixoTurbinaMedia],
        d.Potencia[R::EixoTurbinaMoenda],
        m[R::VaporProcesso] * (E[R::VaporProcesso].h - E[R::CondensadoRetorno].h)};  // kW
    b.energiaUsina = termosUsina[0] - (termosUsina[1] + termosUsina[2]) - termosUsina[3] -
                     termosUsina[4];

    for (double termo : termosColetor) b.escala = std::max(b.escala, std::fabs(termo));
    for (double termo : termosUsina) b.escala = std::max(b.escala, std::fabs(termo));
    // The flows behind the power figures: a drive turbine's 1e300 kg/s
    // cancel in its power, and their rounding stays in the residual.
    for (int i : {R::EntradaTurbinaMoenda, R::EntradaTurbinaMedia, R::EntradaTurbinaBomba})
        b.escala = std::max(b.escala, std::fabs(m[i] * E[R::Coletor].h));
    return b;
}

bool BalancoNaoFecha(const BalancosUsina& b, double& residuo) {
    const double limite =
        ToleranciaBalanco * std::max(std::fabs(b.calorCaldeira), b.escala);  // kW
    residuo = std::fabs(b.energiaUsina) >= std::fabs(b.energiaColetor) ? b.energiaUsina
                                                                        : b.energiaColetor;
    return std::isfinite(residuo) && std::isfinite(limite) && std::fabs(residuo) > limite;
}
