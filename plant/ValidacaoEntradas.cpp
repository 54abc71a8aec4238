#include "plant/ValidacaoEntradas.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

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

// The reason's sentence with its numbers put in.
std::string TextoMotivo(MotivoRecusa motivo, double limite, const std::string& separador) {
    std::string texto = ModeloMotivoRecusa(motivo);
    const std::vector<std::string> numeros = NumerosMotivoRecusa(motivo, limite, separador);
    for (std::size_t i = 0; i < numeros.size(); ++i) {
        const std::string marca = "%" + std::to_string(i + 1);
        texto.replace(texto.find(marca), marca.size(), numeros[i]);
    }
    return texto;
}

[[noreturn]] void Recusar(const char* nome, double valor, MotivoRecusa motivo, double limite,
                          const std::string& separador) {
    throw RecusaEntrada(nome, LegendaEntrada(nome), valor, motivo, limite, separador);
}

// The field's own rule that the value breaks, or Outro when it keeps it.
MotivoRecusa ForaDaRegra(RegraEntrada regra, double v) {
    if (!std::isfinite(v)) return MotivoRecusa::NaoFinito;
    switch (regra) {
    case RegraEntrada::Positiva:
        if (!(v > 0.0)) return MotivoRecusa::NaoPositivo;
        break;
    case RegraEntrada::NaoNegativa:
        if (!(v >= 0.0)) return MotivoRecusa::Negativo;
        break;
    case RegraEntrada::Eficiencia:
        if (!(v > 0.0 && v <= Porcento)) return MotivoRecusa::Eficiencia;
        break;
    case RegraEntrada::Percentual:
        if (!(v >= 0.0 && v <= Porcento)) return MotivoRecusa::Percentual;
        break;
    case RegraEntrada::Pressao:
        if (!(v >= PressaoMinimaBar && v <= PressaoMaximaBar)) return MotivoRecusa::FaixaPressao;
        break;
    case RegraEntrada::Livre:
        break;
    }
    return MotivoRecusa::Outro;
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

const char* ModeloMotivoRecusa(MotivoRecusa motivo) {
    switch (motivo) {
    case MotivoRecusa::Outro: break;
    case MotivoRecusa::NaoFinito: return "Deve ser um número finito";
    case MotivoRecusa::NaoPositivo: return "Deve ser maior que zero";
    case MotivoRecusa::Negativo: return "Deve ser zero ou maior";
    case MotivoRecusa::Eficiencia: return "Deve ser maior que 0 e no máximo 100 %";
    case MotivoRecusa::Percentual: return "Deve estar entre 0 e 100 %";
    case MotivoRecusa::FaixaPressao:
        return "Deve estar entre %1 e %2 bar, a faixa das propriedades da água";
    case MotivoRecusa::PressaoCaldeira:
        return "Deve ser menor que a pressão de operação da caldeira, %1 bar";
    case MotivoRecusa::PressaoColetor:
        return "Deve ser menor que a pressão de saída na turbina de alta pressão, %1 bar";
    case MotivoRecusa::SaturacaoCaldeira:
        return "Deve ser maior que a temperatura de saturação à pressão da caldeira, %1 °C: o "
               "vapor vivo sai superaquecido";
    case MotivoRecusa::SaturacaoCondensado:
        return "Deve ser menor que a temperatura de saturação à pressão do condensado, %1 °C: o "
               "condensado volta líquido";
    case MotivoRecusa::Congelamento: return "Deve ser 0 °C ou mais: abaixo disso a água congela";
    case MotivoRecusa::DiasSafra: return "Deve ser maior que 0 e no máximo %1 dias";
    case MotivoRecusa::NaoFinitoNoArquivo: break;
    }
    return "";
}

std::vector<std::string> NumerosMotivoRecusa(MotivoRecusa motivo, double limite,
                                             const std::string& separador) {
    switch (motivo) {
    case MotivoRecusa::FaixaPressao:
        return {Numero(PressaoMinimaBar, separador), Numero(PressaoMaximaBar, separador)};
    case MotivoRecusa::PressaoCaldeira:
    case MotivoRecusa::PressaoColetor:
    case MotivoRecusa::DiasSafra: return {Numero(limite, separador)};
    // Saturation to a hundredth of a degree.
    case MotivoRecusa::SaturacaoCaldeira:
    case MotivoRecusa::SaturacaoCondensado: return {Numero(limite, separador, 2)};
    default: return {};
    }
}

std::string NumeroRecusado(double valor, const std::string& separador) {
    return Numero(valor, separador);
}

ErroEntradaImpossivel RecusaEntrada(const char* nome, const char* legenda, double valor,
                                    MotivoRecusa motivo, double limite,
                                    const std::string& separador) {
    const std::string campo = "\"" + std::string(legenda) + "\"";
    const std::string mensagem =
        motivo == MotivoRecusa::NaoFinitoNoArquivo
            ? "Valor impossível em " + campo + ": não é um número finito."
            : "Valor impossível em " + campo + ": " + Numero(valor, separador) + ". " +
                  TextoMotivo(motivo, limite, separador) + ".";
    return ErroEntradaImpossivel(nome, mensagem, motivo, valor, limite, separador);
}

void ValidarEntradas(const EntradasUsina& e, const std::string& separador) {
    ArmadilhasPontoFlutuante armadas;
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        if (c.soComTurbinaAlta && !e.comTurbinaAlta) continue;
        const MotivoRecusa fora = ForaDaRegra(c.regra, e.*c.membro);
        if (fora != MotivoRecusa::Outro) Recusar(c.nome, e.*c.membro, fora, 0.0, separador);
    }

    // The steam flows from the boiler through the header to the process, and
    // the pump lifts the condensate to the boiler's pressure (bar).
    const double caldeira = e.PressaoCaldeira;
    using M = MotivoRecusa;
    if (e.comTurbinaAlta && !(e.PressaoSaidaTurbinaAlta < caldeira))
        Recusar("Epstap", e.PressaoSaidaTurbinaAlta, M::PressaoCaldeira, caldeira, separador);
    if (e.comTurbinaAlta && !(e.PressaoProcesso < e.PressaoSaidaTurbinaAlta))
        Recusar("Eprevap", e.PressaoProcesso, M::PressaoColetor, e.PressaoSaidaTurbinaAlta,
                separador);
    if (!e.comTurbinaAlta && !(e.PressaoProcesso < caldeira))
        Recusar("Eprevap", e.PressaoProcesso, M::PressaoCaldeira, caldeira, separador);
    if (!(e.PressaoCondensado < caldeira))
        Recusar("Eprecon", e.PressaoCondensado, M::PressaoCaldeira, caldeira, separador);

    // Live steam leaves the boiler superheated; the condensate comes back
    // liquid, and not frozen. Saturation as the run's own package decides it.
    const PacotePropriedades& pacote = Pacote(e.propriedades);
    const double saturacaoCaldeira = pacote.TemperaturaSaturacao(PressaoArmazenada(caldeira));  // degC
    if (!(e.TemperaturaCaldeira > saturacaoCaldeira))
        Recusar("Etscal", e.TemperaturaCaldeira, M::SaturacaoCaldeira, saturacaoCaldeira,
                separador);
    const double saturacaoCondensado =
        pacote.TemperaturaSaturacao(PressaoArmazenada(e.PressaoCondensado));  // degC
    if (!(e.TemperaturaCondensado < saturacaoCondensado))
        Recusar("Etcon", e.TemperaturaCondensado, M::SaturacaoCondensado, saturacaoCondensado,
                separador);
    if (!(e.TemperaturaCondensado >= 0.0))
        Recusar("Etcon", e.TemperaturaCondensado, M::Congelamento, 0.0, separador);

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
