#include "plant/ResultadoUsina.h"

#include <charconv>
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

std::string TextoAviso(const AvisoUsina& aviso, const std::string& separador) {
    // Room for any finite double in fixed notation (sign, 309 integer digits,
    // point, two decimals): an absurd input can make the shortfall as large
    // as that, and a shorter buffer would leave to_chars' output unspecified.
    char buffer[400];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, aviso.quantidade,
                                 std::chars_format::fixed, 2);
    std::string numero = "?";  // not reached for a finite value
    if (r.ec == std::errc()) {
        numero.clear();
        for (const char* c = buffer; c != r.ptr; ++c) {
            if (*c == '.') numero += separador;
            else numero += *c;
        }
    }
    switch (aviso.tipo) {
    case TipoAviso::VaporInsuficiente:
        return "Vapor insuficiente: faltam " + numero + " t/h para a turbina de média pressão";
    }
    return numero;  // not reached: every kind of warning has its text
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
        throw ErroResultadoIncompleto(
            "Ainda não há resultados: execute o cálculo (Executar) antes de gravar.");
    case SituacaoCalculo::Recusado:
    case SituacaoCalculo::Interrompido:
        break;
    }
    throw ErroResultadoIncompleto(
        "O último cálculo não terminou: não há resultados completos para gravar.");
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
