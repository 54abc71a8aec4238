#include "plant/CalculoUsina.h"

#include "equipment/Ubomba.h"
#include "equipment/Ucal.h"
#include "equipment/Udivisor.h"
#include "equipment/Umisturador.h"
#include "equipment/Uturbina.h"
#include "equipment/Uvalvexp.h"
#include "plant/BalancosUsina.h"
#include "plant/ErrosPlanta.h"
#include "plant/PapeisRotulos.h"
#include "plant/SafraUsina.h"
#include "plant/TabelaEntradas.h"
#include "plant/ValidacaoEntradas.h"
#include "properties/ArmadilhasPF.h"
#include "properties/Diagnostico.h"

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
    const PacotePropriedades& pacote = Pacote(e.propriedades);
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
          d.Irreversibilidade[R::EixoBomba], d.EficienciaSegundaLei[R::EixoBomba], pacote);
}

void CalcularCaldeira(const EntradasUsina& e, DadosUsina& d) {
    auto& E = d.Estado;
    E[R::VaporVivo].p = PressaoArmazenada(e.PressaoCaldeira);
    E[R::VaporVivo].t = e.TemperaturaCaldeira;
    d.ProducaoVapor = ToneladaHoraPorKgSegundo * d.Vazao[R::VaporProcesso];  // t/h
    d.Eficiencia[R::Combustivel] = e.EficienciaCaldeira;
    Caldeira(d.ProducaoVapor, E[R::AguaAlimentacao], E[R::VaporVivo], d.Eficiencia[R::Combustivel],
             d.PciBagaco, d.ConsumoCombustivel, Pacote(e.propriedades));
}

// A turbine exhaust wetter than a last stage should run: named, with its
// quality. A turbine that takes no steam has no exhaust to speak of.
void AvisarEscape(ResultadoUsina& r, int escape) {
    const DadosUsina& d = r.dados;
    const auto i = static_cast<std::size_t>(escape);
    if (d.Vazao[i] > 0.0 && d.Estado[i].x < QualidadeMinimaEscape)
        r.avisos.push_back({TipoAviso::EscapeUmido, d.Estado[i].x, escape});
}

// The header carries wet steam when the high-pressure turbine's exhaust has a
// quality below 1. Its temperature is then the saturation temperature, which
// with the pressure does not say how wet the steam is: the consumers take
// the header's whole state instead, as the turbine's outlet left it
// (evaluated from the header's pressure and enthalpy).
bool ColetorUmido(const ResultadoUsina& r) {
    return r.comTurbinaAlta && r.dados.Estado[R::Coletor].x < 1.0;
}

// High-pressure turbine into the header; without it the header carries the
// live steam unchanged, and the turbine's efficiencies keep what they held.
void CalcularTurbinaAlta(const EntradasUsina& e, ResultadoUsina& r) {
    DadosUsina& d = r.dados;
    auto& E = d.Estado;
    d.Vazao[R::VaporVivo] = d.Vazao[R::VaporProcesso];
    d.Potencia[R::EixoTurbinaAlta] = 0.0;
    if (e.comTurbinaAlta) {
        E[R::Coletor].p = PressaoArmazenada(e.PressaoSaidaTurbinaAlta);
        d.Eficiencia[R::EixoTurbinaAlta] = e.EficienciaTurbinaAlta;
        Turbina(E[R::VaporVivo], E[R::Coletor], d.Eficiencia[R::EixoTurbinaAlta],
                d.Potencia[R::EixoTurbinaAlta], d.Vazao[R::VaporVivo],
                d.Irreversibilidade[R::EixoTurbinaAlta], d.EficienciaSegundaLei[R::EixoTurbinaAlta],
                ModoPressaoTemperatura, Pacote(e.propriedades));
    } else {
        E[R::Coletor] = E[R::VaporVivo];
        d.Irreversibilidade[R::EixoTurbinaAlta] = 0.0;
    }
    d.Vazao[R::Coletor] = d.Vazao[R::VaporVivo];
    if (ColetorUmido(r)) r.avisos.push_back({TipoAviso::ColetorUmido, E[R::Coletor].x});
    if (e.comTurbinaAlta) AvisarEscape(r, R::Coletor);
}

// A drive turbine takes header steam and expands it to the process pressure;
// its steam flow follows from the power its machine needs.
void CalcularTurbinaAcionamento(ResultadoUsina& r, int entrada, int escape, int eixo,
                                double eficiencia, double potencia) {
    DadosUsina& d = r.dados;
    auto& E = d.Estado;
    PropertyMode modo = ModoPressaoTemperatura;
    if (ColetorUmido(r)) {
        E[entrada] = E[R::Coletor];
        modo = EntradaAvaliada;
    } else {
        E[entrada].p = E[R::Coletor].p;
        E[entrada].t = E[R::Coletor].t;
    }
    E[escape].p = E[R::VaporProcesso].p;
    d.Eficiencia[eixo] = eficiencia;
    d.Potencia[eixo] = potencia;
    // No power asked means no steam, not the flow of an earlier run.
    if (d.Potencia[eixo] == 0.0) d.Vazao[entrada] = 0.0;
    Turbina(E[entrada], E[escape], d.Eficiencia[eixo], d.Potencia[eixo], d.Vazao[entrada],
            d.Irreversibilidade[eixo], d.EficienciaSegundaLei[eixo], modo, Pacote(r.formulacao));
    d.Vazao[escape] = d.Vazao[entrada];
    r.entradasTomadas[static_cast<std::size_t>(entrada)] = E[entrada];
    AvisarEscape(r, escape);
}

void CalcularTurbinaBomba(const EntradasUsina& e, ResultadoUsina& r) {
    const DadosUsina& d = r.dados;
    CalcularTurbinaAcionamento(r, R::EntradaTurbinaBomba, R::EscapeTurbinaBomba,
                               R::EixoTurbinaBomba, e.EficienciaTurbinaBomba,
                               -1 * d.Potencia[R::EixoBomba]);
}

void CalcularTurbinaMoenda(const EntradasUsina& e, ResultadoUsina& r) {
    const DadosUsina& d = r.dados;
    CalcularTurbinaAcionamento(r, R::EntradaTurbinaMoenda, R::EscapeTurbinaMoenda,
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
        ValvulaExpansao(R::EntradaValvula, R::SaidaValvula, d.Vazao, E, Pacote(e.propriedades));
    }

    Divisor(4, R::Coletor, R::EntradaTurbinaMedia,
            LabelList{R::EntradaTurbinaMedia, R::EntradaTurbinaMoenda, R::EntradaValvula,
                      R::EntradaTurbinaBomba},
            d.Vazao, d.Vazao[R::EntradaTurbinaMedia], E);
    if (d.Vazao[R::EntradaTurbinaMedia] < 0.0)
        r.avisos.push_back({TipoAviso::VaporInsuficiente,
                            -ToneladaHoraPorKgSegundo * d.Vazao[R::EntradaTurbinaMedia]});
}

void CalcularTurbinaMedia(const EntradasUsina& e, ResultadoUsina& r) {
    DadosUsina& d = r.dados;
    auto& E = d.Estado;
    E[R::EscapeTurbinaMedia].p = E[R::VaporProcesso].p;
    d.Eficiencia[R::EixoTurbinaMedia] = e.EficienciaTurbinaMedia;
    d.Potencia[R::EixoTurbinaMedia] = 0.0;
    // The split left the header's record at the inlet: wet, it is taken whole.
    const PropertyMode modo = ColetorUmido(r) ? EntradaAvaliada : ModoPressaoTemperatura;
    Turbina(E[R::EntradaTurbinaMedia], E[R::EscapeTurbinaMedia], d.Eficiencia[R::EixoTurbinaMedia],
            d.Potencia[R::EixoTurbinaMedia], d.Vazao[R::EntradaTurbinaMedia],
            d.Irreversibilidade[R::EixoTurbinaMedia], d.EficienciaSegundaLei[R::EixoTurbinaMedia],
            modo, Pacote(e.propriedades));
    d.Vazao[R::EscapeTurbinaMedia] = d.Vazao[R::EntradaTurbinaMedia];
    AvisarEscape(r, R::EscapeTurbinaMedia);
}

void CalcularProcesso(ResultadoUsina& r) {
    DadosUsina& d = r.dados;
    Misturador(4, R::VaporProcesso,
               LabelList{R::SaidaValvula, R::EscapeTurbinaMoenda, R::EscapeTurbinaMedia,
                         R::EscapeTurbinaBomba},
               d.Vazao, d.Estado, Pacote(r.formulacao));
    if (d.Estado[R::VaporProcesso].x < 1.0)
        r.avisos.push_back({TipoAviso::ProcessoUmido, d.Estado[R::VaporProcesso].x});
}

// The label whose state each step computes last, named when one of the
// step's property evaluations did not converge.
int RotuloDaEtapa(EtapaCalculo etapa) {
    using E = EtapaCalculo;
    switch (etapa) {
    case E::Bomba: return R::AguaAlimentacao;
    case E::Caldeira: return R::VaporVivo;
    case E::TurbinaAlta: return R::Coletor;
    case E::TurbinaBomba: return R::EscapeTurbinaBomba;
    case E::TurbinaMoenda: return R::EscapeTurbinaMoenda;
    case E::ValvulaDivisor: return R::SaidaValvula;
    case E::TurbinaMedia: return R::EscapeTurbinaMedia;
    case E::Processo: return R::VaporProcesso;
    case E::DadosGlobais:
    case E::ResultadosGlobais: break;
    }
    return 0;
}

// The finished run's balances, and a warning when one does not close. Worked
// out with the traps off: a plant of absurd size may overflow a product here,
// and that must not stop a run that finished.
void Balancos(ResultadoUsina& r) {
    SuspensaoArmadilhas semArmadilhas;
    r.balancos = CalcularBalancos(r);
    double residuo = 0.0;
    if (BalancoNaoFecha(r.balancos, residuo))
        r.avisos.push_back({TipoAviso::BalancoNaoFecha, residuo});
}

}  // namespace

std::vector<AvisoUsina> AvisosLimites(const EntradasUsina& digitadas) {
    std::vector<AvisoUsina> avisos;
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        if (c.limite == 0.0 || !(digitadas.*c.membro / c.divisorLimite > c.limite)) continue;
        avisos.push_back(AvisoLimite(c));
    }
    return avisos;
}

AvisoUsina AvisoLimite(const CampoEntradaUsina& campo) {
    const double limite = campo.limite * campo.divisorLimite;  // window units
    if (campo.membro == &EntradasUsina::PressaoCaldeira) return {TipoAviso::PressaoLimitada, limite};
    return {TipoAviso::TemperaturaLimitada, limite};
}

void ExecutarSequencia(const EntradasUsina& e, ResultadoUsina& r, ObservadorCalculo* observador,
                       const std::vector<AvisoUsina>& avisosLeitura) {
    ObservadorCalculo nenhum;
    ObservadorCalculo& o = observador != nullptr ? *observador : nenhum;
    ArmadilhasPontoFlutuante armadas;
    r.situacao = SituacaoCalculo::Interrompido;
    r.avisos = avisosLeitura;
    r.comTurbinaAlta = e.comTurbinaAlta;
    r.formulacao = e.propriedades;
    r.entradasTomadas = {};
    r.balancos = {};
    r.safra.reset();
    DadosUsina& d = r.dados;

    const auto etapa = [&](EtapaCalculo qual, auto&& calcular) {
        o.AntesDaEtapa(qual);
        {
            // The diagnostic lines still go where they always go; kept here
            // too, they tell which step's states may mean nothing.
            GravadorDiagnosticos diagnosticos;
            calcular();
            if (!diagnosticos.Linhas().empty())
                r.avisos.push_back({TipoAviso::NaoConvergiu, 0.0, RotuloDaEtapa(qual)});
        }
        o.DepoisDaEtapa(qual, r);
    };
    using E = EtapaCalculo;
    etapa(E::DadosGlobais, [&] { DadosGlobais(e, d); });
    etapa(E::Bomba, [&] { CalcularBomba(e, d); });
    etapa(E::Caldeira, [&] { CalcularCaldeira(e, d); });
    etapa(E::TurbinaAlta, [&] { CalcularTurbinaAlta(e, r); });
    etapa(E::TurbinaBomba, [&] { CalcularTurbinaBomba(e, r); });
    etapa(E::TurbinaMoenda, [&] { CalcularTurbinaMoenda(e, r); });
    etapa(E::ValvulaDivisor, [&] { CalcularValvulaEDivisor(e, r); });
    etapa(E::TurbinaMedia, [&] { CalcularTurbinaMedia(e, r); });
    etapa(E::Processo, [&] { CalcularProcesso(r); });
    etapa(E::ResultadosGlobais, [&] { r.globais = CalcularResultadosGlobais(d); });
    Balancos(r);
    r.situacao = SituacaoCalculo::Completo;
}

void CalcularUsina(const EntradasUsina& entradas, ResultadoUsina& resultado,
                   ObservadorCalculo* observador, const std::string& separador) {
    resultado.situacao = SituacaoCalculo::Interrompido;
    resultado.avisos.clear();
    resultado.formulacao = entradas.propriedades;
    const EntradasUsina e = ComLimites(entradas);
    try {
        ValidarEntradas(e, separador);
    } catch (const ErroEntradaImpossivel&) {
        resultado.situacao = SituacaoCalculo::Recusado;
        throw;
    }
    ExecutarSequencia(e, resultado, observador, AvisosLimites(entradas));
    CompletarSafra(e.safra, resultado);
}
