#include "plant/ValidacaoEntradas.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "plant/ErrosPlanta.h"
#include "plant/TabelaEntradas.h"
#include "plant/ValidacaoSafra.h"
#include "properties/ArmadilhasPF.h"
#include "properties/dtvp03.h"

namespace {

// A number for a message: as short as reads back exactly, or with the given
// decimals; the user's separator.
std::string Numero(double valor, const std::string& separador, int decimais = -1) {
    char buffer[400];
    const auto r = decimais < 0
                       ? std::to_chars(buffer, buffer + sizeof buffer, valor)
                       : std::to_chars(buffer, buffer + sizeof buffer, valor,
                                       std::chars_format::fixed, decimais);
    std::string texto;
    for (const char* c = buffer; c != r.ptr; ++c) {
        if (*c == '.') texto += separador;
        else texto += *c;
    }
    return texto;
}

[[noreturn]] void Recusar(const char* nome, double valor, const std::string& permitido,
                          const std::string& separador) {
    throw ErroEntradaImpossivel(nome, "Valor impossível em \"" + std::string(LegendaEntrada(nome)) +
                                          "\": " + Numero(valor, separador) + ". " + permitido +
                                          ".");
}

// What a field's own rule allows, or "" when the value keeps it.
std::string ForaDaRegra(RegraEntrada regra, double v, const std::string& separador) {
    if (!std::isfinite(v)) return "Deve ser um número finito";
    switch (regra) {
    case RegraEntrada::Positiva:
        if (!(v > 0.0)) return "Deve ser maior que zero";
        break;
    case RegraEntrada::NaoNegativa:
        if (!(v >= 0.0)) return "Deve ser zero ou maior";
        break;
    case RegraEntrada::Eficiencia:
        if (!(v > 0.0 && v <= Porcento)) return "Deve ser maior que 0 e no máximo 100 %";
        break;
    case RegraEntrada::Percentual:
        if (!(v >= 0.0 && v <= Porcento)) return "Deve estar entre 0 e 100 %";
        break;
    case RegraEntrada::Pressao:
        if (!(v >= PressaoMinimaBar && v <= PressaoMaximaBar))
            return "Deve estar entre " + Numero(PressaoMinimaBar, separador) + " e " +
                   Numero(PressaoMaximaBar, separador) + " bar, a faixa das propriedades da água";
        break;
    case RegraEntrada::Livre:
        break;
    }
    return "";
}

}  // namespace

EntradasUsina ComLimites(EntradasUsina e) {
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        if (c.limite == 0.0) continue;
        double& valor = e.*c.membro;
        if (valor / c.divisorLimite > c.limite) valor = c.limite * c.divisorLimite;
    }
    return e;
}

void ValidarEntradas(const EntradasUsina& e, const std::string& separador) {
    ArmadilhasPontoFlutuante armadas;
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        if (c.soComTurbinaAlta && !e.comTurbinaAlta) continue;
        const std::string fora = ForaDaRegra(c.regra, e.*c.membro, separador);
        if (!fora.empty()) Recusar(c.nome, e.*c.membro, fora, separador);
    }

    // The steam flows from the boiler through the header to the process, and
    // the pump lifts the condensate to the boiler's pressure (bar).
    const double caldeira = e.PressaoCaldeira;
    if (e.comTurbinaAlta && !(e.PressaoSaidaTurbinaAlta < caldeira))
        Recusar("Epstap", e.PressaoSaidaTurbinaAlta,
                "Deve ser menor que a pressão de operação da caldeira, " +
                    Numero(caldeira, separador) + " bar",
                separador);
    if (e.comTurbinaAlta && !(e.PressaoProcesso < e.PressaoSaidaTurbinaAlta))
        Recusar("Eprevap", e.PressaoProcesso,
                "Deve ser menor que a pressão de saída na turbina de alta pressão, " +
                    Numero(e.PressaoSaidaTurbinaAlta, separador) + " bar",
                separador);
    if (!e.comTurbinaAlta && !(e.PressaoProcesso < caldeira))
        Recusar("Eprevap", e.PressaoProcesso,
                "Deve ser menor que a pressão de operação da caldeira, " +
                    Numero(caldeira, separador) + " bar",
                separador);
    if (!(e.PressaoCondensado < caldeira))
        Recusar("Eprecon", e.PressaoCondensado,
                "Deve ser menor que a pressão de operação da caldeira, " +
                    Numero(caldeira, separador) + " bar",
                separador);

    // Live steam leaves the boiler superheated; the condensate comes back
    // liquid, and not frozen. Saturation as the run's own package decides it.
    const PacotePropriedades& pacote = Pacote(e.propriedades);
    const double saturacaoCaldeira = pacote.TemperaturaSaturacao(PressaoArmazenada(caldeira));  // degC
    if (!(e.TemperaturaCaldeira > saturacaoCaldeira))
        Recusar("Etscal", e.TemperaturaCaldeira,
                "Deve ser maior que a temperatura de saturação à pressão da caldeira, " +
                    Numero(saturacaoCaldeira, separador, 2) +
                    " °C: o vapor vivo sai superaquecido",
                separador);
    const double saturacaoCondensado =
        pacote.TemperaturaSaturacao(PressaoArmazenada(e.PressaoCondensado));  // degC
    if (!(e.TemperaturaCondensado < saturacaoCondensado))
        Recusar("Etcon", e.TemperaturaCondensado,
                "Deve ser menor que a temperatura de saturação à pressão do condensado, " +
                    Numero(saturacaoCondensado, separador, 2) + " °C: o condensado volta líquido",
                separador);
    if (!(e.TemperaturaCondensado >= 0.0))
        Recusar("Etcon", e.TemperaturaCondensado,
                "Deve ser 0 °C ou mais: abaixo disso a água congela", separador);

    // The season's inputs last: a plant the checks above refuse is refused
    // with the same message whatever the season holds.
    ValidarEntradasSafra(e.safra, separador);
}

std::string FaixaPermitida(const CampoEntradaUsina& campo, const std::string& separador) {
    const std::string nome = campo.nome;
    std::string faixa;
    switch (campo.regra) {
    case RegraEntrada::Positiva: faixa = "Maior que zero"; break;
    case RegraEntrada::NaoNegativa: faixa = "Zero ou maior"; break;
    case RegraEntrada::Eficiencia: faixa = "Maior que 0 e no máximo 100 %"; break;
    case RegraEntrada::Percentual: faixa = "De 0 a 100 %"; break;
    case RegraEntrada::Pressao:
        faixa = "De " + Numero(PressaoMinimaBar, separador) + " a " +
                Numero(PressaoMaximaBar, separador) + " bar";
        break;
    case RegraEntrada::Livre: break;
    }
    // The relations ValidarEntradas checks between fields.
    if (nome == "Eprevap")
        faixa += ", menor que a pressão de saída na turbina de alta pressão (sem ela, menor que a "
                 "pressão de operação da caldeira)";
    else if (nome == "Epstap" || nome == "Eprecon")
        faixa += ", menor que a pressão de operação da caldeira";
    else if (nome == "Etscal")
        faixa = "Maior que a temperatura de saturação à pressão da caldeira (vapor superaquecido)";
    else if (nome == "Etcon")
        faixa = "De 0 °C até abaixo da temperatura de saturação à pressão do condensado "
                "(condensado líquido)";
    // The reading's own limit: larger values are read as the limit.
    if (campo.limite != 0.0)
        faixa += "; acima de " + std::string(campo.textoLimite) + " " + campo.unidade +
                 " é lido como " + campo.textoLimite;
    return faixa;
}
