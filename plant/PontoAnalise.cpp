#include "plant/PontoAnalise.h"

#include <cmath>

#include "plant/CalculoUsina.h"
#include "plant/ErrosAnalise.h"
#include "plant/MensagemErro.h"
#include "plant/SafraUsina.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSaidas.h"

namespace {

std::string Nome(const std::string& campo) { return "'" + campo + "'"; }

}  // namespace

bool EntradaUsada(const EntradaNomeada& entrada, const EntradasUsina& base) {
    return entrada.usina == nullptr || !entrada.usina->soComTurbinaAlta || base.comTurbinaAlta;
}

EntradaNomeada EntradaVariada(const FaixaEntrada& faixa, const EntradasUsina& base) {
    using M = MotivoErroAnalise;
    const EntradaNomeada entrada = BuscarEntrada(faixa.campo);
    if (!entrada)
        throw ErroAnalise(M::EntradaDesconhecida, faixa.campo,
                          "Campo de entrada desconhecido: " + Nome(faixa.campo) + ".");
    if (!EntradaUsada(entrada, base))
        throw ErroAnalise(M::EntradaNaoUsada, faixa.campo,
                          "O campo " + Nome(faixa.campo) +
                              " só é usado com a turbina de alta pressão.");
    if (!std::isfinite(faixa.minimo) || !std::isfinite(faixa.maximo) || !(faixa.minimo < faixa.maximo))
        throw ErroAnalise(M::FaixaInvalida, faixa.campo,
                          "A faixa de " + Nome(faixa.campo) +
                              " precisa de um mínimo e um máximo finitos, o mínimo abaixo do máximo.");
    const CampoEntradaUsina* campo = entrada.usina;
    if (campo != nullptr && campo->limite != 0.0 && faixa.maximo / campo->divisorLimite > campo->limite)
        throw ErroAnalise(M::FaixaAlemDoLimite, faixa.campo,
                          "A faixa de " + Nome(faixa.campo) + " passa do limite de " +
                              campo->textoLimite + " " + campo->unidade +
                              ": acima dele o cálculo usa o próprio limite.");
    return entrada;
}

SaidaNomeada SaidaAnalisada(const std::string& nome, const EntradasUsina& base) {
    using M = MotivoErroAnalise;
    const SaidaNomeada saida = BuscarSaida(nome);
    if (!saida)
        throw ErroAnalise(M::SaidaDesconhecida, nome, "Campo de saída desconhecido: " + Nome(nome) + ".");
    if (saida.usina != nullptr && saida.usina->etapa == EtapaCalculo::TurbinaAlta &&
        !base.comTurbinaAlta)
        throw ErroAnalise(M::SaidaEmBranco, nome,
                          "O campo de saída " + Nome(nome) +
                              " fica em branco sem a turbina de alta pressão.");
    return saida;
}

bool PontoValido(SituacaoCalculo situacao, const std::vector<AvisoUsina>& avisos,
                 const std::vector<std::optional<double>>& saidas) {
    if (situacao != SituacaoCalculo::Completo || ResultadoNaoConfiavel(avisos)) return false;
    for (const AvisoUsina& a : avisos)
        if (a.tipo == TipoAviso::VaporInsuficiente) return false;
    for (const std::optional<double>& s : saidas)
        if (!s || !std::isfinite(*s)) return false;
    return true;
}

AvaliacaoPonto AvaliarPonto(const EntradasUsina& entradas, const std::vector<SaidaNomeada>& saidas,
                            const std::string& separador, ResultadoUsina* guardar) {
    AvaliacaoPonto ponto;
    ResultadoUsina resultado;
    try {
        CalcularUsina(entradas, resultado, nullptr, separador);
    } catch (const std::exception& e) {
        ponto.erro = MensagemComPonto(e.what());
        ponto.falha = std::current_exception();
    }
    ponto.situacao = resultado.situacao;
    ponto.avisos = AvisosComSafra(resultado);
    ponto.saidas.assign(saidas.size(), std::nullopt);
    if (resultado.situacao == SituacaoCalculo::Completo)
        for (std::size_t j = 0; j < saidas.size(); ++j) ponto.saidas[j] = saidas[j].Valor(resultado);
    ponto.valido = PontoValido(ponto.situacao, ponto.avisos, ponto.saidas);
    if (guardar != nullptr) *guardar = std::move(resultado);
    return ponto;
}

double ValorNaGrade(double minimo, double maximo, int i, int n) {
    return minimo + static_cast<double>(i) * (maximo - minimo) / static_cast<double>(n - 1);
}
