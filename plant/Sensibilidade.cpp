#include "plant/Sensibilidade.h"

#include <algorithm>
#include <cmath>

#include "plant/ErrosAnalise.h"
#include "plant/ErrosPlanta.h"
#include "plant/MensagemErro.h"
#include "plant/Numeros.h"
#include "plant/PontoAnalise.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSafra.h"

namespace {

using M = MotivoSemSensibilidade;

// Every numeric input: the plant's in the order of its panels, then the
// season's in the order of its form.
std::vector<std::pair<std::string, EntradaNomeada>> TodasAsEntradas() {
    std::vector<std::pair<std::string, EntradaNomeada>> entradas;
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) entradas.push_back({c.nome, {&c, nullptr}});
    for (const CampoEntradaSafra& c : CamposEntradaSafra()) entradas.push_back({c.nome, {nullptr, &c}});
    return entradas;
}

// The reason an input cannot be moved that shows before any run.
M MotivoPrevio(const LinhaSensibilidade& linha, const EntradasUsina& base) {
    if (!EntradaUsada(linha.entrada, base)) return M::NaoUsada;
    if (linha.entradaBase == 0.0) return M::BaseNula;
    const CampoEntradaUsina* campo = linha.entrada.usina;
    if (campo != nullptr && campo->limite != 0.0 &&
        std::max(linha.entradaBaixa, linha.entradaAlta) / campo->divisorLimite > campo->limite)
        return M::AlemDoLimite;
    return M::Nenhum;
}

std::string MensagemPrevia(const LinhaSensibilidade& linha, double passo, const std::string& separador) {
    switch (linha.motivo) {
    case M::NaoUsada: return "Só é usado com a turbina de alta pressão.";
    case M::BaseNula:
        return "O valor base é 0: a variação de " + TextoExato(passo * Porcento, separador) +
               " % não o altera.";
    case M::AlemDoLimite:
        return std::string("O valor alto passa do limite de ") + linha.entrada.usina->textoLimite +
               " " + linha.entrada.usina->unidade + ": acima dele o cálculo usa o próprio limite.";
    default: return "";
    }
}

// The row from its two runs: refused, failed, or both outputs.
void Completar(LinhaSensibilidade& linha, const PontoVarredura& baixo, const PontoVarredura& alto) {
    linha.entradaBaixa = baixo.valores[0];
    linha.entradaAlta = alto.valores[0];
    linha.avisosBaixo = baixo.avisos;
    linha.avisosAlto = alto.avisos;
    for (const PontoVarredura* p : {&baixo, &alto}) {
        if (p->situacao == SituacaoCalculo::Completo && !ResultadoNaoConfiavel(p->avisos) &&
            p->saidas[0] && std::isfinite(*p->saidas[0]))
            continue;
        linha.motivo = p->situacao == SituacaoCalculo::Recusado ? M::Recusada : M::Falhou;
        linha.falha = p->falha;
        linha.mensagem = !p->erro.empty() ? p->erro
                         : p->situacao == SituacaoCalculo::Completo
                             ? std::string("O cálculo não convergiu.")
                             : std::string("O cálculo não terminou.");
        return;
    }
    linha.baixo = baixo.saidas[0];
    linha.alto = alto.saidas[0];
    linha.variacao = std::fabs(*linha.alto - *linha.baixo);
}

}  // namespace

ResultadoSensibilidade ExecutarSensibilidade(const PedidoSensibilidade& pedido) {
    if (!(pedido.passo > 0.0 && pedido.passo < 1.0))
        throw ErroAnalise(MotivoErroAnalise::PassoInvalido, "",
                          "O passo da sensibilidade fica acima de 0 e abaixo de 100 %.");
    ResultadoSensibilidade resultado;
    resultado.saida = SaidaAnalisada(pedido.saida, pedido.base);
    resultado.passo = pedido.passo;

    // The base case: its output is the middle of every bar.
    const AvaliacaoPonto base = AvaliarPonto(pedido.base, {resultado.saida}, pedido.separador);
    resultado.avaliacoes = 1;
    if (base.situacao != SituacaoCalculo::Completo) {
        if (base.falha) std::rethrow_exception(base.falha);
        throw ErroUsina(base.erro);
    }
    resultado.base = *base.saidas[0];
    resultado.avisosBase = base.avisos;

    // The rows, and the reasons that show before any run.
    std::vector<LinhaSensibilidade> linhas;
    std::size_t total = 1;
    for (const auto& [nome, entrada] : TodasAsEntradas()) {
        LinhaSensibilidade linha;
        linha.campo = nome;
        linha.entrada = entrada;
        EntradasUsina copia = pedido.base;
        linha.entradaBase = entrada.Em(copia);
        linha.entradaBaixa = linha.entradaBase * (1.0 - pedido.passo);
        linha.entradaAlta = linha.entradaBase * (1.0 + pedido.passo);
        linha.motivo = MotivoPrevio(linha, pedido.base);
        linha.mensagem = MensagemPrevia(linha, pedido.passo, pedido.separador);
        if (linha.motivo == M::Nenhum) total += 2;
        linhas.push_back(std::move(linha));
    }

    // Each input a sweep of two points, low and high; the progress counts
    // the runs of every sweep together.
    std::size_t feitos = 1;
    const auto relatar = [&](std::size_t n) {
        if (pedido.progresso) pedido.progresso(feitos + n, total);
    };
    for (LinhaSensibilidade& linha : linhas) {
        if (linha.motivo != M::Nenhum) continue;
        PedidoVarredura varredura;
        varredura.base = pedido.base;
        varredura.eixos = {{linha.campo, linha.entradaBaixa, linha.entradaAlta, 2}};
        varredura.saidas = {pedido.saida};
        varredura.separador = pedido.separador;
        varredura.tarefas = pedido.tarefas;
        varredura.cancelar = pedido.cancelar;
        varredura.intervaloProgresso = pedido.intervaloProgresso;
        if (pedido.progresso)
            varredura.progresso = [&](std::size_t n, std::size_t) { relatar(n); };
        ResultadoVarredura pontos;
        try {
            pontos = ExecutarVarredura(varredura);
        } catch (const ErroVarredura& e) {
            // Values that are not finite: the checks would refuse them too.
            linha.motivo = M::Recusada;
            linha.mensagem = MensagemComPonto(e.what());
            linha.falha = std::current_exception();
            continue;
        }
        if (pontos.cancelada) {
            ResultadoSensibilidade cancelado;
            cancelado.saida = resultado.saida;
            cancelado.passo = resultado.passo;
            cancelado.cancelada = true;
            return cancelado;
        }
        feitos += 2;
        resultado.avaliacoes += 2;
        Completar(linha, pontos.pontos[0], pontos.pontos[1]);
    }
    if (pedido.progresso) pedido.progresso(total, total);

    // Largest swing first; the rows with a reason after them, in order.
    std::stable_partition(linhas.begin(), linhas.end(),
                          [](const LinhaSensibilidade& l) { return l.motivo == M::Nenhum; });
    const auto semMotivo = std::find_if(linhas.begin(), linhas.end(), [](const LinhaSensibilidade& l) {
        return l.motivo != M::Nenhum;
    });
    std::stable_sort(linhas.begin(), semMotivo,
                     [](const LinhaSensibilidade& a, const LinhaSensibilidade& b) {
                         return a.variacao > b.variacao;
                     });
    resultado.linhas = std::move(linhas);
    return resultado;
}
