#include "plant/ResultadoUsina.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "plant/EntradasUsina.h"
#include "plant/ErrosPlanta.h"
#include "plant/PapeisRotulos.h"

ResultadosGlobais CalcularResultadosGlobais(DadosUsina& d) {
    namespace R = Rotulo;
    const auto& E = d.Estado;
    const double m11 = d.Vazao[R::VaporProcesso];  // kg/s, the mixed flow
    const double m3 = d.Vazao[R::EntradaValvula];   // kg/s
    ResultadosGlobais g;
    g.ProducaoVapor = d.ProducaoVapor;
    g.BagacoDisponivel = d.BagacoDisponivel;
    g.ConsumoBagaco = ToneladaHoraPorKgSegundo * d.ConsumoCombustivel;
    g.ExcedenteBagaco = (d.BagacoDisponivel - g.ConsumoBagaco) / d.BagacoDisponivel * Porcento;
    g.PotenciaEletrica = d.Potencia[R::EixoTurbinaAlta] + d.Potencia[R::EixoTurbinaMedia];
    g.PotenciaMoagem = d.Potencia[R::EixoTurbinaMoenda];
    g.PotenciaBombeamento = d.Potencia[R::EixoTurbinaBomba];
    // Heat and exergy given up by the steam in the process, and the exergy
    // the valve destroys.
    d.VariacaoEntalpiaProcesso =
        (E[R::CondensadoRetorno].h - E[R::VaporProcesso].h) * (-1) * m11;
    d.IrreversibilidadeProcesso =
        (E[R::CondensadoRetorno].ex - E[R::VaporProcesso].ex) * (-1) * m11;
    d.IrreversibilidadeValvula = (E[R::SaidaValvula].ex - E[R::EntradaValvula].ex) * (-1) * m3;
    g.VariacaoEntalpiaProcesso = d.VariacaoEntalpiaProcesso;
    g.IrreversibilidadeProcesso = d.IrreversibilidadeProcesso;
    g.IrreversibilidadeValvula = d.IrreversibilidadeValvula;
    return g;
}

namespace {

bool EhTitulo(TipoAviso tipo) {
    return tipo == TipoAviso::ColetorUmido || tipo == TipoAviso::ProcessoUmido ||
           tipo == TipoAviso::EscapeUmido;
}

// Fixed notation with `decimais` decimals, a point for the separator.
std::string Fixo(double valor, int decimais) {
    // Room for any finite double in fixed notation (sign, 309 integer digits,
    // point, two decimals): an absurd input can make the shortfall as large
    // as that, and a shorter buffer would leave to_chars' output unspecified.
    char buffer[400];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, valor,
                                 std::chars_format::fixed, decimais);
    if (r.ec != std::errc()) return "?";  // not reached for a finite value
    return std::string(buffer, r.ptr);
}

std::string ComSeparador(const std::string& ponto, const std::string& separador) {
    std::string numero;
    for (char c : ponto) {
        if (c == '.') numero += separador;
        else numero += c;
    }
    return numero;
}

// The name of the turbine whose exhaust is the label, for a sentence that
// begins "Escape da ...".
const char* EscapeDe(int rotulo) {
    switch (rotulo) {
    case Rotulo::Coletor: return "turbina de alta pressão";
    case Rotulo::EscapeTurbinaMoenda: return "turbomoenda";
    case Rotulo::EscapeTurbinaMedia: return "turbina de média pressão";
    case Rotulo::EscapeTurbinaBomba: return "turbina da bomba";
    default: return "turbina";
    }
}

}  // namespace

std::string NumeroAvisoPonto(const AvisoUsina& aviso) {
    if (EhTitulo(aviso.tipo)) {
        // Cut toward minus infinity at the second decimal; a value so large
        // that the cut is not exact keeps its own digits.
        const double cortado = std::floor(aviso.quantidade * 100.0) / 100.0;
        return Fixo(std::isfinite(cortado) ? cortado : aviso.quantidade, 2);
    }
    if (aviso.tipo == TipoAviso::PressaoLimitada || aviso.tipo == TipoAviso::TemperaturaLimitada)
        return Fixo(aviso.quantidade, 0);
    return Fixo(aviso.quantidade, 2);
}

std::string TextoAviso(const AvisoUsina& aviso, const std::string& separador) {
    const std::string numero = ComSeparador(NumeroAvisoPonto(aviso), separador);
    const std::string minimo = ComSeparador(Fixo(QualidadeMinimaEscape, 2), separador);
    switch (aviso.tipo) {
    case TipoAviso::VaporInsuficiente:
        return "Vapor insuficiente: faltam " + numero + " t/h para a turbina de média pressão";
    case TipoAviso::ColetorUmido:
        return "Vapor úmido no coletor: título " + numero +
               " na saída da turbina de alta pressão";
    case TipoAviso::PressaoLimitada:
        return "Pressão da caldeira limitada a " + numero + " bar";
    case TipoAviso::TemperaturaLimitada:
        return "Temperatura de saída da caldeira limitada a " + numero + " °C";
    case TipoAviso::NaoConvergiu:
        return "Propriedades do rótulo " + std::to_string(aviso.rotulo) +
               " não convergiram: resultados não confiáveis";
    case TipoAviso::ProcessoUmido:
        return "Vapor de processo úmido: título " + numero;
    case TipoAviso::EscapeUmido:
        return std::string("Escape da ") + EscapeDe(aviso.rotulo) + " com título " + numero +
               ", abaixo de " + minimo;
    case TipoAviso::BalancoNaoFecha:
        return "Balanço de energia não fecha: " + numero + " kW";
    case TipoAviso::ImportaEnergia:
        return "A usina importa energia: " + numero + " MWh na safra";
    case TipoAviso::FaltaBagaco:
        return "Falta bagaço: " + numero + " t na safra";
    }
    return numero;  // not reached: every kind of warning has its text
}

bool TurbinaMediaSemVapor(const ResultadoUsina& resultado) {
    return resultado.dados.Vazao[Rotulo::EntradaTurbinaMedia] < 0.0;
}

bool ResultadoNaoConfiavel(const std::vector<AvisoUsina>& avisos) {
    for (const AvisoUsina& a : avisos)
        if (a.tipo == TipoAviso::NaoConvergiu) return true;
    return false;
}

std::string TextoSituacao(SituacaoCalculo situacao) {
    switch (situacao) {
    case SituacaoCalculo::Recusado:
        return "Dados de entrada recusados: nada foi calculado. Corrija o campo indicado e "
               "execute de novo.";
    case SituacaoCalculo::Interrompido:
        return "O último cálculo parou com um erro: os resultados mostrados estão incompletos.";
    case SituacaoCalculo::SemCalculo:
    case SituacaoCalculo::Completo:
        break;
    }
    return "";
}

void ExigirResultadoCompleto(const ResultadoUsina& resultado) {
    switch (resultado.situacao) {
    case SituacaoCalculo::Completo:
        return;
    case SituacaoCalculo::SemCalculo:
        throw ErroResultadoIncompleto(FaltaResultado::SemCalculo);
    case SituacaoCalculo::Recusado:
    case SituacaoCalculo::Interrompido:
        break;
    }
    throw ErroResultadoIncompleto(FaltaResultado::NaoTerminou);
}

const std::vector<LinhaResultadoGlobal>& LinhasResultadosGlobais() {
    using G = ResultadosGlobais;
    static const std::vector<LinhaResultadoGlobal> linhas = {
        {&G::ProducaoVapor, "Quantidade de vapor", "t/h"},
        {&G::BagacoDisponivel, "Quantidade de bagaço disponível", "t/h"},
        {&G::ConsumoBagaco, "Consumo de bagaço na caldeira", "t/h"},
        {&G::ExcedenteBagaco, "Excedente de bagaço", "%"},
        {&G::PotenciaEletrica, "Potência elétrica", "kW"},
        {&G::PotenciaMoagem, "Potência de moagem", "kW"},
        {&G::PotenciaBombeamento, "Potência de bombeamento", "kW"},
        {&G::VariacaoEntalpiaProcesso, "Variação de entalpia no processo", "kW"},
        {&G::IrreversibilidadeProcesso, "Taxa de irreversibilidades no processo", "kW"},
        {&G::IrreversibilidadeValvula, "Taxa de irreversibilidades na válvula de expansão", "kW"},
    };
    return linhas;
}
