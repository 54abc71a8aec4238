#include "plant/AtingirMeta.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "plant/ErrosAnalise.h"

namespace {

// Brent's iterations at most on one bracket: bisection alone halves a
// double's range to its last bit in fewer.
constexpr int MaximoIteracoesBrent = 200;

// The runs of the search, counted and reported as they are made.
class Contagem {
public:
    explicit Contagem(const PedidoMeta& pedido) : pedido_(pedido) {}

    // Runs x on the calling thread; empty once the request is cancelled.
    std::optional<AvaliacaoPonto> Avaliar(double x, const EntradaNomeada& entrada,
                                          const std::vector<SaidaNomeada>& saidas) {
        if (pedido_.cancelar != nullptr && pedido_.cancelar->load()) return std::nullopt;
        EntradasUsina entradas = pedido_.base;
        entrada.Em(entradas) = x;
        AvaliacaoPonto ponto = AvaliarPonto(entradas, saidas, pedido_.separador);
        Somar(1);
        return ponto;
    }

    void Somar(std::size_t n) {
        feitos_ += n;
        if (pedido_.progresso) pedido_.progresso(feitos_, std::max(feitos_, total_));
    }
    void Final() {
        if (pedido_.progresso) pedido_.progresso(feitos_, feitos_);
    }
    std::size_t Feitos() const { return feitos_; }
    std::size_t total_ = 0;

private:
    const PedidoMeta& pedido_;
    std::size_t feitos_ = 0;
};

// One point of the search: the input's value and the output's distance to
// the target.
struct Ponto {
    double x = 0.0;
    double g = 0.0;  // output - target
    AvaliacaoPonto avaliacao;
};

enum class Desfecho { Achou, NaoAchou, Cancelada };

// Brent's method on [a, b], g(a) and g(b) of opposite signs: inverse
// quadratic interpolation or the secant where they stay well inside the
// bracket, bisection otherwise. Stops at a point within tolY of the target,
// or with a bracket down to the last bits of x (the output jumps across the
// target there) or a point that is no plant (the bracket is given up).
Desfecho Brent(Ponto a, Ponto b, double tolY, double resolucaoX, const EntradaNomeada& entrada,
               const std::vector<SaidaNomeada>& saidas, Contagem& contagem, const PedidoMeta& pedido,
               Ponto& achado) {
    Ponto c = b;
    double d = b.x - a.x, e = d;
    for (int iteracao = 0; iteracao < MaximoIteracoesBrent; ++iteracao) {
        if ((b.g > 0.0) == (c.g > 0.0)) {
            c = a;
            d = e = b.x - a.x;
        }
        if (std::fabs(c.g) < std::fabs(b.g)) {
            a = b;
            b = c;
            c = a;
        }
        if (std::fabs(b.g) <= tolY) {
            achado = b;
            return Desfecho::Achou;
        }
        const double tol1 = 2.0 * DBL_EPSILON * std::fabs(b.x) + 0.5 * resolucaoX;
        const double xm = 0.5 * (c.x - b.x);
        if (std::fabs(xm) <= tol1) return Desfecho::NaoAchou;
        if (std::fabs(e) >= tol1 && std::fabs(a.g) > std::fabs(b.g)) {
            const double s = b.g / a.g;
            double p, q;
            if (a.x == c.x) {
                p = 2.0 * xm * s;
                q = 1.0 - s;
            } else {
                const double qa = a.g / c.g, r = b.g / c.g;
                p = s * (2.0 * xm * qa * (qa - r) - (b.x - a.x) * (r - 1.0));
                q = (qa - 1.0) * (r - 1.0) * (s - 1.0);
            }
            if (p > 0.0) q = -q;
            p = std::fabs(p);
            const double min1 = 3.0 * xm * q - std::fabs(tol1 * q), min2 = std::fabs(e * q);
            if (2.0 * p < std::min(min1, min2)) {
                e = d;
                d = p / q;
            } else {
                d = xm;
                e = d;
            }
        } else {
            d = xm;
            e = d;
        }
        a = b;
        const double x = std::fabs(d) > tol1 ? b.x + d : b.x + std::copysign(tol1, xm);
        std::optional<AvaliacaoPonto> avaliacao = contagem.Avaliar(x, entrada, saidas);
        if (!avaliacao) return Desfecho::Cancelada;
        if (!avaliacao->valido) return Desfecho::NaoAchou;
        b = {x, *avaliacao->saidas[0] - pedido.alvo, std::move(*avaliacao)};
    }
    return Desfecho::NaoAchou;
}

}  // namespace

const char* TextoSituacaoMeta(SituacaoMeta situacao) {
    switch (situacao) {
    case SituacaoMeta::Atingida: return "atingida";
    case SituacaoMeta::SemSolucao: return "sem solução na faixa";
    case SituacaoMeta::Cancelada: return "cancelada";
    }
    return "";
}

ResultadoMeta ExecutarMeta(const PedidoMeta& pedido) {
    const EntradaNomeada entrada = EntradaVariada(pedido.faixa, pedido.base);
    const std::vector<SaidaNomeada> saidas = {SaidaAnalisada(pedido.saida, pedido.base)};
    if (!std::isfinite(pedido.alvo))
        throw ErroAnalise(MotivoErroAnalise::ValorInvalido, pedido.saida,
                          "A meta de '" + pedido.saida + "' não é um número finito.");
    if (pedido.pontosBusca < 2)
        throw ErroAnalise(MotivoErroAnalise::FaixaInvalida, pedido.faixa.campo,
                          "A busca da meta precisa de pelo menos 2 pontos na faixa.");

    Contagem contagem(pedido);
    contagem.total_ = static_cast<std::size_t>(pedido.pontosBusca) + MaximoIteracoesBrent;
    ResultadoMeta resultado;

    // The coarse sweep, on every core.
    PedidoVarredura varredura;
    varredura.base = pedido.base;
    varredura.eixos = {{pedido.faixa.campo, pedido.faixa.minimo, pedido.faixa.maximo, pedido.pontosBusca}};
    varredura.saidas = {pedido.saida};
    varredura.separador = pedido.separador;
    varredura.tarefas = pedido.tarefas;
    varredura.cancelar = pedido.cancelar;
    varredura.intervaloProgresso = pedido.intervaloProgresso;
    if (pedido.progresso)
        varredura.progresso = [&](std::size_t n, std::size_t) {
            pedido.progresso(n, contagem.total_);
        };
    const ResultadoVarredura grade = ExecutarVarredura(varredura);
    if (grade.cancelada) {
        resultado.situacao = SituacaoMeta::Cancelada;
        return resultado;
    }
    contagem.Somar(grade.pontos.size());

    std::vector<std::optional<Ponto>> pontos;
    for (const PontoVarredura& p : grade.pontos) {
        if (!PontoValido(p.situacao, p.avisos, p.saidas)) {
            pontos.emplace_back();
            continue;
        }
        AvaliacaoPonto a{p.situacao, p.saidas, p.avisos, p.erro, p.falha, true};
        pontos.push_back(Ponto{p.valores[0], *p.saidas[0] - pedido.alvo, std::move(a)});
    }

    const double resolucaoX = DBL_EPSILON * (pedido.faixa.maximo - pedido.faixa.minimo);
    const auto concluir = [&](const Ponto& p) {
        resultado.situacao = SituacaoMeta::Atingida;
        resultado.valor = p.x;
        resultado.saida = *p.avaliacao.saidas[0];
        EntradasUsina entradas = pedido.base;
        entrada.Em(entradas) = p.x;
        resultado.entradas = entradas;
        resultado.avisos = p.avaliacao.avisos;
    };
    // From the minimum on: a point on the target, or a change of side
    // between two neighbouring plants.
    for (std::size_t i = 0; i < pontos.size(); ++i) {
        if (!pontos[i]) continue;
        const Ponto& a = *pontos[i];
        const double escalaA = std::max(std::fabs(pedido.alvo), std::fabs(*a.avaliacao.saidas[0]));
        if (std::fabs(a.g) <= pedido.tolerancia * escalaA) {
            concluir(a);
            break;
        }
        if (i + 1 == pontos.size() || !pontos[i + 1]) continue;
        const Ponto& b = *pontos[i + 1];
        if ((a.g < 0.0) == (b.g < 0.0) || b.g == 0.0) continue;
        const double escala = std::max({std::fabs(pedido.alvo), std::fabs(*a.avaliacao.saidas[0]),
                                        std::fabs(*b.avaliacao.saidas[0])});
        Ponto achado;
        const Desfecho desfecho = Brent(a, b, pedido.tolerancia * escala, resolucaoX, entrada,
                                        saidas, contagem, pedido, achado);
        if (desfecho == Desfecho::Cancelada) {
            resultado = ResultadoMeta{};
            resultado.situacao = SituacaoMeta::Cancelada;
            return resultado;
        }
        if (desfecho == Desfecho::Achou) {
            concluir(achado);
            break;
        }
    }
    resultado.avaliacoes = contagem.Feitos();
    contagem.Final();
    return resultado;
}
