#include "plant/CalculoUsina.h"

#include "equipment/Ubomba.h"
#include "equipment/Ucal.h"
#include "equipment/Udivisor.h"
#include "equipment/Umisturador.h"
#include "equipment/Uturbina.h"
#include "equipment/Uvalvexp.h"
#include "plant/ErrosPlanta.h"
#include "plant/PapeisRotulos.h"
#include "plant/ValidacaoEntradas.h"
#include "properties/ArmadilhasPF.h"

void ObservadorCalculo::AntesDaEtapa(EtapaCalculo) {}
void ObservadorCalculo::DepoisDaEtapa(EtapaCalculo, const ResultadoUsina&) {}

namespace {

namespace R = Rotulo;

void DadosGlobais(const EntradasUsina& e, DadosUsina& d) {
    d.CapacidadeUsina = e.CapacidadeUsina;
    d.VaporPorTonelada = e.VaporPorTonelada;
    d.BagacoPorTonelada = e.BagacoPorTonelada;
    d.PciBagaco = e.PciBagaco;
    d.PotenciaMoagemEspecifica = e.PotenciaMoagemEspecifica;
    d.BagacoDisponivel = d.BagacoPorTonelada * d.CapacidadeUsina / KgPorTonelada;  // t/h
}

// Condensate pump, from the process's condensate to the boiler's pressure.
void CalcularBomba(const EntradasUsina& e, DadosUsina& d) {
    auto& E = d.Estado;
    E[R::VaporProcesso].p = PressaoArmazenada(e.PressaoProcesso);
    // The steam flow, kg/s.
    d.Vazao[R::VaporProcesso] =
        d.VaporPorTonelada * d.CapacidadeUsina / KgPorTonelada / ToneladaHoraPorKgSegundo;
    E[R::CondensadoRetorno].p = PressaoArmazenada(e.PressaoCondensado);
    E[R::CondensadoRetorno].t = e.TemperaturaCondensado;
    E[R::AguaAlimentacao].p = PressaoArmazenada(e.PressaoCaldeira);
    d.Eficiencia[R::EixoBomba] = e.EficienciaBomba;

    d.Vazao[R::CondensadoRetorno] = d.Vazao[R::VaporProcesso];
    Bomba(E[R::CondensadoRetorno], E[R::AguaAlimentacao], d.Potencia[R::EixoBomba],
          d.Vazao[R::CondensadoRetorno], d.Eficiencia[R::EixoBomba],
          d.Irreversibilidade[R::EixoBomba], d.EficienciaSegundaLei[R::EixoBomba]);
}

void CalcularCaldeira(const EntradasUsina& e, DadosUsina& d) {
    auto& E = d.Estado;
    E[R::VaporVivo].p = PressaoArmazenada(e.PressaoCaldeira);
    E[R::VaporVivo].t = e.TemperaturaCaldeira;
    d.ProducaoVapor = ToneladaHoraPorKgSegundo * d.Vazao[R::VaporProcesso];  // t/h
    d.Eficiencia[R::Combustivel] = e.EficienciaCaldeira;
    Caldeira(d.ProducaoVapor, E[R::AguaAlimentacao], E[R::VaporVivo], d.Eficiencia[R::Combustivel],
             d.PciBagaco, d.ConsumoCombustivel);
}

// High-pressure turbine into the header; without it the header carries the
// live steam unchanged, and the turbine's efficiencies keep what they held.
void CalcularTurbinaAlta(const EntradasUsina& e, DadosUsina& d) {
    auto& E = d.Estado;
    d.Vazao[R::VaporVivo] = d.Vazao[R::VaporProcesso];
    d.Potencia[R::EixoTurbinaAlta] = 0.0;
    if (e.comTurbinaAlta) {
        E[R::Coletor].p = PressaoArmazenada(e.PressaoSaidaTurbinaAlta);
        d.Eficiencia[R::EixoTurbinaAlta] = e.EficienciaTurbinaAlta;
        Turbina(E[R::VaporVivo], E[R::Coletor], d.Eficiencia[R::EixoTurbinaAlta],
                d.Potencia[R::EixoTurbinaAlta], d.Vazao[R::VaporVivo],
                d.Irreversibilidade[R::EixoTurbinaAlta], d.EficienciaSegundaLei[R::EixoTurbinaAlta]);
    } else {
        E[R::Coletor] = E[R::VaporVivo];
        d.Irreversibilidade[R::EixoTurbinaAlta] = 0.0;
    }
    d.Vazao[R::Coletor] = d.Vazao[R::VaporVivo];
}

// A drive turbine takes header steam and expands it to the process pressure;
// its steam flow follows from the power its machine needs.
void CalcularTurbinaAcionamento(DadosUsina& d, int entrada, int escape, int eixo,
                                double eficiencia, double potencia) {
    auto& E = d.Estado;
    E[entrada].p = E[R::Coletor].p;
    E[entrada].t = E[R::Coletor].t;
    E[escape].p = E[R::VaporProcesso].p;
    d.Eficiencia[eixo] = eficiencia;
    d.Potencia[eixo] = potencia;
    // No power asked means no steam, not the flow of an earlier run.
    if (d.Potencia[eixo] == 0.0) d.Vazao[entrada] = 0.0;
    Turbina(E[entrada], E[escape], d.Eficiencia[eixo], d.Potencia[eixo], d.Vazao[entrada],
            d.Irreversibilidade[eixo], d.EficienciaSegundaLei[eixo]);
    d.Vazao[escape] = d.Vazao[entrada];
}

void CalcularTurbinaBomba(const EntradasUsina& e, DadosUsina& d) {
    CalcularTurbinaAcionamento(d, R::EntradaTurbinaBomba, R::EscapeTurbinaBomba,
                               R::EixoTurbinaBomba, e.EficienciaTurbinaBomba,
                               -1 * d.Potencia[R::EixoBomba]);
}

void CalcularTurbinaMoenda(const EntradasUsina& e, DadosUsina& d) {
    CalcularTurbinaAcionamento(d, R::EntradaTurbinaMoenda, R::EscapeTurbinaMoenda,
                               R::EixoTurbinaMoenda, e.EficienciaTurbinaMoenda,
                               d.PotenciaMoagemEspecifica * d.CapacidadeUsina);  // kW
}

// The valve takes its share of the live steam; the header's split leaves the
// medium-pressure turbine the rest.
void CalcularValvulaEDivisor(const EntradasUsina& e, ResultadoUsina& r) {
    DadosUsina& d = r.dados;
    auto& E = d.Estado;
    d.PercentualValvula = e.PercentualValvula;
    d.Vazao[R::EntradaValvula] = d.PercentualValvula / Porcento * d.Vazao[R::VaporVivo];
    if (d.Vazao[R::EntradaValvula] == 0.0) {
        E[R::EntradaValvula].t = 0.0;
        E[R::EntradaValvula].p = 0.0;
        d.Vazao[R::SaidaValvula] = 0.0;
        E[R::SaidaValvula] = StatePoint{};  // no steam through the valve: nothing of an earlier run
    } else {
        E[R::EntradaValvula] = E[R::Coletor];
        E[R::SaidaValvula].p = E[R::VaporProcesso].p;
        ValvulaExpansao(R::EntradaValvula, R::SaidaValvula, d.Vazao, E);
    }

    Divisor(4, R::Coletor, R::EntradaTurbinaMedia,
            LabelList{R::EntradaTurbinaMedia, R::EntradaTurbinaMoenda, R::EntradaValvula,
                      R::EntradaTurbinaBomba},
            d.Vazao, d.Vazao[R::EntradaTurbinaMedia], E);
    if (d.Vazao[R::EntradaTurbinaMedia] < 0.0)
        r.avisos.push_back({TipoAviso::VaporInsuficiente,
                            -ToneladaHoraPorKgSegundo * d.Vazao[R::EntradaTurbinaMedia]});
}

void CalcularTurbinaMedia(const EntradasUsina& e, DadosUsina& d) {
    auto& E = d.Estado;
    E[R::EscapeTurbinaMedia].p = E[R::VaporProcesso].p;
    d.Eficiencia[R::EixoTurbinaMedia] = e.EficienciaTurbinaMedia;
    d.Potencia[R::EixoTurbinaMedia] = 0.0;
    Turbina(E[R::EntradaTurbinaMedia], E[R::EscapeTurbinaMedia], d.Eficiencia[R::EixoTurbinaMedia],
            d.Potencia[R::EixoTurbinaMedia], d.Vazao[R::EntradaTurbinaMedia],
            d.Irreversibilidade[R::EixoTurbinaMedia], d.EficienciaSegundaLei[R::EixoTurbinaMedia]);
    d.Vazao[R::EscapeTurbinaMedia] = d.Vazao[R::EntradaTurbinaMedia];
}

void CalcularProcesso(DadosUsina& d) {
    Misturador(4, R::VaporProcesso,
               LabelList{R::SaidaValvula, R::EscapeTurbinaMoenda, R::EscapeTurbinaMedia,
                         R::EscapeTurbinaBomba},
               d.Vazao, d.Estado);
}

}  // namespace

void ExecutarSequencia(const EntradasUsina& e, ResultadoUsina& r, ObservadorCalculo* observador) {
    ObservadorCalculo nenhum;
    ObservadorCalculo& o = observador != nullptr ? *observador : nenhum;
    ArmadilhasPontoFlutuante armadas;
    r.situacao = SituacaoCalculo::Interrompido;
    r.avisos.clear();
    r.comTurbinaAlta = e.comTurbinaAlta;
    DadosUsina& d = r.dados;

    const auto etapa = [&](EtapaCalculo qual, auto&& calcular) {
        o.AntesDaEtapa(qual);
        calcular();
        o.DepoisDaEtapa(qual, r);
    };
    using E = EtapaCalculo;
    etapa(E::DadosGlobais, [&] { DadosGlobais(e, d); });
    etapa(E::Bomba, [&] { CalcularBomba(e, d); });
    etapa(E::Caldeira, [&] { CalcularCaldeira(e, d); });
    etapa(E::TurbinaAlta, [&] { CalcularTurbinaAlta(e, d); });
    etapa(E::TurbinaBomba, [&] { CalcularTurbinaBomba(e, d); });
    etapa(E::TurbinaMoenda, [&] { CalcularTurbinaMoenda(e, d); });
    etapa(E::ValvulaDivisor, [&] { CalcularValvulaEDivisor(e, r); });
    etapa(E::TurbinaMedia, [&] { CalcularTurbinaMedia(e, d); });
    etapa(E::Processo, [&] { CalcularProcesso(d); });
    etapa(E::ResultadosGlobais, [&] { r.globais = CalcularResultadosGlobais(d); });
    r.situacao = SituacaoCalculo::Completo;
}

void CalcularUsina(const EntradasUsina& entradas, ResultadoUsina& resultado,
                   ObservadorCalculo* observador, const std::string& separador) {
    resultado.situacao = SituacaoCalculo::Interrompido;
    resultado.avisos.clear();
    const EntradasUsina e = ComLimites(entradas);
    try {
        ValidarEntradas(e, separador);
    } catch (const ErroEntradaImpossivel&) {
        resultado.situacao = SituacaoCalculo::Recusado;
        throw;
    }
    ExecutarSequencia(e, resultado, observador);
}
