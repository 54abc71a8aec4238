#include "plant/ErrosPlanta.h"

#include "plant/TabelaEntradas.h"

namespace {

std::string Nome(const std::string& campo) { return "'" + campo + "'"; }

std::string MensagemFalta(FaltaResultado falta) {
    switch (falta) {
    case FaltaResultado::SemCalculo:
        return "Ainda não há resultados: execute o cálculo (Executar) antes de gravar.";
    case FaltaResultado::NaoTerminou:
        return "O último cálculo não terminou: não há resultados completos para gravar.";
    case FaltaResultado::Outra: break;
    }
    return {};
}

std::string MensagemVarredura(MotivoVarredura motivo, const std::string& campo,
                              std::int64_t quantidade) {
    using M = MotivoVarredura;
    const std::string numero = std::to_string(quantidade);
    switch (motivo) {
    case M::NumeroDeEixos:
        return "Uma varredura tem um ou dois campos de entrada, não " + numero + ".";
    case M::EntradaDesconhecida:
        return "Campo de entrada desconhecido na varredura: " + Nome(campo) + ".";
    case M::EntradaRepetida: return "O campo " + Nome(campo) + " aparece duas vezes na varredura.";
    case M::SoComTurbinaAlta:
        return "O campo " + Nome(campo) + " só é usado com a turbina de alta pressão.";
    case M::PassaDoLimite: {
        // Only the plant's inputs with a reading limit are refused so.
        const CampoEntradaUsina* c = BuscarCampoEntrada(campo);
        const std::string limite = c != nullptr ? std::string(c->textoLimite) + " " + c->unidade : "";
        return "A faixa da varredura de " + Nome(campo) + " passa do limite de " + limite +
               ": acima dele o cálculo usa o próprio limite.";
    }
    case M::PontosDemais: return "A varredura teria mais de " + numero + " pontos.";
    case M::SaidaDesconhecida:
        return "Campo de saída desconhecido na varredura: " + Nome(campo) + ".";
    case M::SaidaRepetida:
        return "O campo de saída " + Nome(campo) + " aparece duas vezes na varredura.";
    case M::PoucosPontos:
        return "A varredura de " + Nome(campo) + " precisa de pelo menos 2 pontos, não " + numero +
               ".";
    case M::FaixaNaoFinita: return "A faixa da varredura de " + Nome(campo) + " não é finita.";
    case M::ValoresNaoFinitos:
        return "A faixa da varredura de " + Nome(campo) + " dá valores que não são finitos.";
    case M::PontosDaConfiguracao:
        return "A varredura da configuração " + Nome(campo) +
               " tem os dois pontos 1 (com a turbina de alta pressão) e 0 (sem ela).";
    case M::Outro: break;
    }
    return {};
}

}  // namespace

ErroResultadoIncompleto::ErroResultadoIncompleto(FaltaResultado falta)
    : ErroUsina(MensagemFalta(falta)), falta_(falta) {}

ErroVarredura::ErroVarredura(MotivoVarredura motivo, std::string campo, std::int64_t quantidade)
    : ErroUsina(MensagemVarredura(motivo, campo, quantidade)),
      motivo_(motivo),
      campo_(std::move(campo)),
      quantidade_(quantidade) {}
