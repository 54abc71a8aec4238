#include "plant/Otimizacao.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "plant/BuscaLocal.h"
#include "plant/ErrosAnalise.h"
#include "plant/ErrosPlanta.h"
#include "plant/TabelaSafra.h"
#include "plant/TabelaSaidas.h"

namespace {

using Relogio = std::chrono::steady_clock;

// What a run is worth to the optimisation.
struct Avaliado {
    bool calculado = false;  // finished, converged, every output finite (maybe short of steam)
    bool valido = false;     // calculado, and the medium-pressure turbine has its steam
    bool viavel = false;     // valido, and every constraint is met
    double objetivo = 0.0;
    std::vector<double> restricoes;  // the constraints' outputs
    double vaporMedia = 0.0;  // kg/s left for the medium-pressure turbine
    double producao = 0.0;    // kg/s of live steam
};

// Outputs every run is asked for: the objective, each constraint's, then the
// flow to the medium-pressure turbine and the steam production.
constexpr const char* SaidaVaporMedia = "Em5";     // kg/s
constexpr const char* SaidaProducao = "Eprodvap";  // t/h

// Local searches at most, from the grid's best local optima.
constexpr std::size_t MaximoPartidas = 3;

// An input this share of its range from an end of it is tried at the end
// itself: the local method reaches an end only to within its tolerance.
constexpr double ProximidadeLimite = 1e-6;

class Otimizador {
public:
    explicit Otimizador(const PedidoOtimizacao& pedido) : pedido_(pedido) {
        Verificar();
        n_ = pedido.faixas.size();
        m_ = pedido.restricoes.size();
        pontos_ = pedido.pontosGrade != 0 ? pedido.pontosGrade : PontosGradePadrao(n_);
        maximoLocal_ = pedido.avaliacoesLocais != 0 ? pedido.avaliacoesLocais : AvaliacoesLocaisPadrao;
        std::size_t grade = 1;
        for (std::size_t k = 0; k < n_; ++k) grade *= static_cast<std::size_t>(pontos_);
        total_ = grade + static_cast<std::size_t>(std::max(maximoLocal_, 0)) + 1;
        melhores_.assign(m_, std::nullopt);
    }

    ResultadoOtimizacao Executar();

private:
    void Verificar();
    Avaliado Classificar(SituacaoCalculo situacao, const std::vector<AvisoUsina>& avisos,
                         const std::vector<std::optional<double>>& saidas) const;
    bool Melhor(double a, double b) const { return pedido_.maximizar ? a > b : a < b; }
    bool Atende(std::size_t j, double valor) const {
        const RestricaoOtimizacao& r = pedido_.restricoes[j];
        return r.operador == OperadorRestricao::MaiorOuIgual ? valor >= r.limite : valor <= r.limite;
    }
    // How far a value is from meeting constraint j, in the output's unit:
    // at or below 0 when it is met.
    double Violacao(std::size_t j, double valor) const {
        const RestricaoOtimizacao& r = pedido_.restricoes[j];
        return r.operador == OperadorRestricao::MaiorOuIgual ? r.limite - valor : valor - r.limite;
    }
    void Registrar(const std::vector<double>& x, const Avaliado& a, bool relatar = true);
    bool Grade(std::vector<std::vector<double>>& xs, std::vector<Avaliado>& avaliados);
    void Escalas(const std::vector<Avaliado>& avaliados);
    double Folga(const Avaliado& a) const;
    std::vector<double> Caixa(const std::vector<double>& x) const;
    std::vector<double> DaCaixa(const std::vector<double>& u) const;
    void Melhorou();
    void Relatar(bool forcar);
    ResultadoOtimizacao Cancelado() const;
    std::vector<int> Indices(std::size_t posicao) const;
    std::size_t Posicao(const std::vector<int>& indices) const;
    std::vector<std::size_t> Partidas(const std::vector<Avaliado>& grade) const;
    std::optional<Avaliado> Avaliar(const std::vector<double>& x);
    bool AjustarAosLimites();

    const PedidoOtimizacao& pedido_;
    std::size_t n_ = 0, m_ = 0;
    int pontos_ = 0, maximoLocal_ = 0;
    std::vector<EntradaNomeada> entradas_;
    std::vector<SaidaNomeada> saidas_;

    std::size_t feitos_ = 0, total_ = 0;
    Relogio::time_point ultimoRelato_{};
    // The best feasible point so far, and its objective.
    std::optional<std::vector<double>> melhorX_;
    double melhorObjetivo_ = 0.0;
    std::vector<MarcoOtimizacao> historico_;
    // Per constraint, the value nearest its limit among plants, for an
    // infeasible answer.
    std::vector<std::optional<double>> melhores_;
    // Scales of the objective and the constraints, from the grid.
    double escalaObjetivo_ = 1.0;
    std::vector<double> escalas_;        // of the local method's constraints
    std::vector<double> escalasAtivas_;  // of "active"
};

void Otimizador::Verificar() {
    const PedidoOtimizacao& p = pedido_;
    if (p.faixas.empty() || p.faixas.size() > MaximoEntradasOtimizacao)
        throw ErroAnalise(MotivoErroAnalise::NumeroDeEntradas, "",
                          "Uma otimização varia de 1 a " + std::to_string(MaximoEntradasOtimizacao) +
                              " campos de entrada, não " + std::to_string(p.faixas.size()) + ".");
    for (const FaixaEntrada& f : p.faixas) {
        const EntradaNomeada e = EntradaVariada(f, p.base);
        if (std::find(entradas_.begin(), entradas_.end(), e) != entradas_.end())
            throw ErroAnalise(MotivoErroAnalise::EntradaRepetida, f.campo,
                              "O campo '" + f.campo + "' aparece duas vezes na otimização.");
        entradas_.push_back(e);
    }
    saidas_.push_back(SaidaAnalisada(p.objetivo, p.base));
    for (const RestricaoOtimizacao& r : p.restricoes) {
        saidas_.push_back(SaidaAnalisada(r.saida, p.base));
        if (!std::isfinite(r.limite))
            throw ErroAnalise(MotivoErroAnalise::ValorInvalido, r.saida,
                              "O limite da restrição de '" + r.saida + "' não é um número finito.");
    }
    saidas_.push_back(BuscarSaida(SaidaVaporMedia));
    saidas_.push_back(BuscarSaida(SaidaProducao));
    if (p.pontosGrade != 0 && p.pontosGrade < 2)
        throw ErroAnalise(MotivoErroAnalise::FaixaInvalida, "",
                          "A grade da otimização precisa de pelo menos 2 pontos por campo.");
    // As for a sweep: a typing slip cannot ask for more memory than there is.
    const auto pontos = static_cast<std::size_t>(p.pontosGrade != 0 ? p.pontosGrade
                                                                    : PontosGradePadrao(p.faixas.size()));
    std::size_t grade = 1;
    for (std::size_t k = 0; k < p.faixas.size(); ++k) {
        grade *= pontos;  // checked at each factor: cannot overflow
        if (grade > MaximoPontosVarredura)
            throw ErroAnalise(MotivoErroAnalise::GradeGrande, "",
                              "A grade da otimização teria mais de " +
                                  std::to_string(MaximoPontosVarredura) + " pontos.");
    }
}

Avaliado Otimizador::Classificar(SituacaoCalculo situacao, const std::vector<AvisoUsina>& avisos,
                                 const std::vector<std::optional<double>>& saidas) const {
    Avaliado a;
    // Without the steam warning, PontoValido tells whether the numbers are
    // usable at all.
    std::vector<AvisoUsina> semFalta;
    bool falta = false;
    for (const AvisoUsina& aviso : avisos) {
        if (aviso.tipo == TipoAviso::VaporInsuficiente)
            falta = true;
        else
            semFalta.push_back(aviso);
    }
    a.calculado = PontoValido(situacao, semFalta, saidas);
    if (!a.calculado) return a;
    a.valido = !falta;
    a.objetivo = *saidas[0];
    for (std::size_t j = 0; j < m_; ++j) a.restricoes.push_back(*saidas[1 + j]);
    a.vaporMedia = *saidas[m_ + 1];
    a.producao = *saidas[m_ + 2] / ToneladaHoraPorKgSegundo;
    a.viavel = a.valido;
    for (std::size_t j = 0; j < m_; ++j) a.viavel = a.viavel && Atende(j, a.restricoes[j]);
    return a;
}

// Keeps the best feasible point and, for an infeasible answer, each
// constraint's value nearest its limit.
void Otimizador::Registrar(const std::vector<double>& x, const Avaliado& a, bool relatar) {
    if (!a.valido) return;
    for (std::size_t j = 0; j < m_; ++j)
        if (!melhores_[j] || Violacao(j, a.restricoes[j]) < Violacao(j, *melhores_[j]))
            melhores_[j] = a.restricoes[j];
    if (!a.viavel || (melhorX_ && !Melhor(a.objetivo, melhorObjetivo_))) return;
    melhorX_ = x;
    melhorObjetivo_ = a.objetivo;
    if (relatar) Melhorou();
}

void Otimizador::Melhorou() {
    historico_.push_back({feitos_, melhorObjetivo_});
    if (pedido_.melhoria) pedido_.melhoria(historico_.back());
}

void Otimizador::Relatar(bool forcar) {
    if (!pedido_.progresso) return;
    const Relogio::time_point agora = Relogio::now();
    if (!forcar && agora - ultimoRelato_ < pedido_.intervaloProgresso) return;
    ultimoRelato_ = agora;
    pedido_.progresso(feitos_, std::max(feitos_, total_));
}

// The grid: the first two inputs swept together, once per combination of
// the others' grid values. False when cancelled.
bool Otimizador::Grade(std::vector<std::vector<double>>& xs, std::vector<Avaliado>& avaliados) {
    std::size_t externas = 1;
    for (std::size_t k = 2; k < n_; ++k) externas *= static_cast<std::size_t>(pontos_);
    for (std::size_t combinacao = 0; combinacao < externas; ++combinacao) {
        PedidoVarredura v;
        v.base = pedido_.base;
        std::vector<double> fixos;
        std::size_t resto = combinacao;
        for (std::size_t k = n_; k-- > 2;) {
            const int i = static_cast<int>(resto % static_cast<std::size_t>(pontos_));
            resto /= static_cast<std::size_t>(pontos_);
            const FaixaEntrada& f = pedido_.faixas[k];
            entradas_[k].Em(v.base) = ValorNaGrade(f.minimo, f.maximo, i, pontos_);
        }
        for (std::size_t k = 2; k < n_; ++k) fixos.push_back(entradas_[k].Em(v.base));
        for (std::size_t k = 0; k < std::min<std::size_t>(n_, 2); ++k)
            v.eixos.push_back({pedido_.faixas[k].campo, pedido_.faixas[k].minimo,
                               pedido_.faixas[k].maximo, pontos_});
        // Each output once (the objective may be constrained too): column
        // coluna[i] holds saidas_[i].
        std::vector<SaidaNomeada> unicas;
        std::vector<std::size_t> coluna;
        for (const SaidaNomeada& s : saidas_) {
            const auto achada = std::find(unicas.begin(), unicas.end(), s);
            coluna.push_back(static_cast<std::size_t>(achada - unicas.begin()));
            if (achada != unicas.end()) continue;
            unicas.push_back(s);
            v.saidas.emplace_back(s.usina != nullptr ? s.usina->nome : s.safra->nome);
        }
        v.separador = pedido_.separador;
        v.tarefas = pedido_.tarefas;
        v.cancelar = pedido_.cancelar;
        v.intervaloProgresso = pedido_.intervaloProgresso;
        const std::size_t antes = feitos_;
        if (pedido_.progresso)
            v.progresso = [&](std::size_t feitos, std::size_t) {
                pedido_.progresso(antes + feitos, total_);
            };
        const ResultadoVarredura r = ExecutarVarredura(v);
        if (r.cancelada) return false;
        feitos_ += r.pontos.size();
        for (const PontoVarredura& p : r.pontos) {
            std::vector<double> x = p.valores;
            x.insert(x.end(), fixos.begin(), fixos.end());
            std::vector<std::optional<double>> saidas;
            for (std::size_t c : coluna) saidas.push_back(p.saidas[c]);
            avaliados.push_back(Classificar(p.situacao, p.avisos, saidas));
            xs.push_back(std::move(x));
        }
    }
    return true;
}

// The scales the local method sees (each quantity's spread over the grid's
// plants, so that one unit means as much for each) and those of "active".
void Otimizador::Escalas(const std::vector<Avaliado>& avaliados) {
    const auto espalhamento = [&](auto valor) {
        double menor = std::numeric_limits<double>::infinity(), maior = -menor;
        for (const Avaliado& a : avaliados) {
            if (!a.valido) continue;
            menor = std::min(menor, valor(a));
            maior = std::max(maior, valor(a));
        }
        return maior >= menor ? maior - menor : 0.0;
    };
    const double f = espalhamento([](const Avaliado& a) { return a.objetivo; });
    escalaObjetivo_ = f > 0.0 && std::isfinite(f) ? f : 1.0;
    escalas_.clear();
    escalasAtivas_.clear();
    for (std::size_t j = 0; j < m_; ++j) {
        const double e = espalhamento([j](const Avaliado& a) { return a.restricoes[j]; });
        const double limite = std::fabs(pedido_.restricoes[j].limite);
        escalas_.push_back(e > 0.0 && std::isfinite(e) ? e : std::max(limite, 1.0));
        escalasAtivas_.push_back(std::max(limite, std::isfinite(e) ? e : 0.0));
    }
}

// The steam left for the medium-pressure turbine as a share of the live
// steam: below zero the point is no plant.
double Otimizador::Folga(const Avaliado& a) const {
    return a.producao > 0.0 ? a.vaporMedia / a.producao : a.vaporMedia;
}

std::vector<double> Otimizador::Caixa(const std::vector<double>& x) const {
    std::vector<double> u(n_);
    for (std::size_t k = 0; k < n_; ++k) {
        const FaixaEntrada& f = pedido_.faixas[k];
        u[k] = std::clamp((x[k] - f.minimo) / (f.maximo - f.minimo), 0.0, 1.0);
    }
    return u;
}

// A point of the unit box as inputs, kept inside the ranges.
std::vector<double> Otimizador::DaCaixa(const std::vector<double>& u) const {
    std::vector<double> x(n_);
    for (std::size_t k = 0; k < n_; ++k) {
        const FaixaEntrada& f = pedido_.faixas[k];
        x[k] = u[k] <= 0.0   ? f.minimo
               : u[k] >= 1.0 ? f.maximo
                             : std::clamp(f.minimo + u[k] * (f.maximo - f.minimo), f.minimo, f.maximo);
    }
    return x;
}

// A grid point's indices, one per input, and back. The grid's order is the
// sweeps': the combinations of the third and fourth inputs outermost (the
// last input fastest), then the first input, then the second.
std::vector<int> Otimizador::Indices(std::size_t posicao) const {
    const auto p = static_cast<std::size_t>(pontos_);
    std::vector<int> i(n_);
    for (std::size_t k = std::min<std::size_t>(n_, 2); k-- > 0;) {
        i[k] = static_cast<int>(posicao % p);
        posicao /= p;
    }
    for (std::size_t k = n_; k-- > 2;) {
        i[k] = static_cast<int>(posicao % p);
        posicao /= p;
    }
    return i;
}

std::size_t Otimizador::Posicao(const std::vector<int>& i) const {
    const auto p = static_cast<std::size_t>(pontos_);
    std::size_t posicao = 0;
    for (std::size_t k = 2; k < n_; ++k) posicao = posicao * p + static_cast<std::size_t>(i[k]);
    for (std::size_t k = 0; k < std::min<std::size_t>(n_, 2); ++k)
        posicao = posicao * p + static_cast<std::size_t>(i[k]);
    return posicao;
}

std::vector<std::size_t> Otimizador::Partidas(const std::vector<Avaliado>& grade) const {
    std::vector<std::size_t> partidas;
    for (std::size_t q = 0; q < grade.size(); ++q) {
        if (!grade[q].viavel) continue;
        // A local best of the grid: no feasible neighbour along an axis is better.
        bool local = true;
        const std::vector<int> i = Indices(q);
        for (std::size_t k = 0; k < n_ && local; ++k)
            for (int passo : {-1, 1}) {
                std::vector<int> vizinho = i;
                vizinho[k] += passo;
                if (vizinho[k] < 0 || vizinho[k] >= pontos_) continue;
                const Avaliado& v = grade[Posicao(vizinho)];
                if (v.viavel && Melhor(v.objetivo, grade[q].objetivo)) local = false;
            }
        if (local) partidas.push_back(q);
    }
    std::stable_sort(partidas.begin(), partidas.end(), [&](std::size_t a, std::size_t b) {
        return Melhor(grade[a].objetivo, grade[b].objetivo);
    });
    if (partidas.size() > MaximoPartidas) partidas.resize(MaximoPartidas);
    if (!partidas.empty()) return partidas;

    // No feasible point: the plant whose worst violation is the least.
    double menor = std::numeric_limits<double>::infinity();
    for (std::size_t q = 0; q < grade.size(); ++q) {
        if (!grade[q].calculado) continue;
        double pior = std::max(0.0, -Folga(grade[q]));
        for (std::size_t j = 0; j < m_; ++j)
            pior = std::max(pior, Violacao(j, grade[q].restricoes[j]) / escalas_[j]);
        if (pior < menor) {
            menor = pior;
            partidas = {q};
        }
    }
    return partidas;
}

// One run of the local phase on the calling thread; empty once cancelled.
std::optional<Avaliado> Otimizador::Avaliar(const std::vector<double>& x) {
    if (pedido_.cancelar != nullptr && pedido_.cancelar->load()) return std::nullopt;
    EntradasUsina entradas = pedido_.base;
    for (std::size_t k = 0; k < n_; ++k) entradas_[k].Em(entradas) = x[k];
    const AvaliacaoPonto p = AvaliarPonto(entradas, saidas_, pedido_.separador);
    ++feitos_;
    Relatar(false);
    return Classificar(p.situacao, p.avisos, p.saidas);
}

// Each input of the best point a hair from an end of its range is tried at
// the end itself, kept there when that is feasible and no worse. False when
// cancelled.
bool Otimizador::AjustarAosLimites() {
    for (std::size_t k = 0; k < n_; ++k) {
        const FaixaEntrada& f = pedido_.faixas[k];
        const double perto = ProximidadeLimite * (f.maximo - f.minimo);
        std::vector<double> x = *melhorX_;
        if (x[k] != f.minimo && x[k] - f.minimo <= perto)
            x[k] = f.minimo;
        else if (x[k] != f.maximo && f.maximo - x[k] <= perto)
            x[k] = f.maximo;
        else
            continue;
        const std::optional<Avaliado> a = Avaliar(x);
        if (!a) return false;
        if (!a->viavel || Melhor(melhorObjetivo_, a->objetivo)) continue;
        const bool melhorou = Melhor(a->objetivo, melhorObjetivo_);
        Registrar(x, *a);
        if (!melhorou) melhorX_ = x;  // as good, and on the end
    }
    return true;
}

ResultadoOtimizacao Otimizador::Cancelado() const {
    ResultadoOtimizacao r;
    r.situacao = SituacaoOtimizacao::Cancelada;
    return r;
}

ResultadoOtimizacao Otimizador::Executar() {
    std::vector<std::vector<double>> xs;
    std::vector<Avaliado> grade;
    if (!Grade(xs, grade)) return Cancelado();
    const std::size_t avaliacoesGrade = feitos_;
    Escalas(grade);
    // The grid's best is one improvement, after the whole grid.
    for (std::size_t i = 0; i < grade.size(); ++i) Registrar(xs[i], grade[i], false);
    if (melhorX_) Melhorou();

    // The starts: the grid's feasible points that no feasible neighbour
    // beats, best first; or else the plant nearest to meeting every
    // constraint.
    std::vector<std::size_t> partidas = Partidas(grade);
    int restantes = maximoLocal_;
    const double sinal = pedido_.maximizar ? -1.0 : 1.0;  // the method minimises
    for (std::size_t partida : partidas) {
        if (restantes <= 0) break;
        const double fPartida = sinal * grade[partida].objetivo / escalaObjetivo_;
        PedidoBuscaLocal busca;
        busca.inicio = Caixa(xs[partida]);
        busca.restricoes = m_ + 1;
        // Half a grid cell: the grid's best lies within a cell of the optimum.
        busca.passoInicial = 0.5 / static_cast<double>(pontos_ - 1);
        busca.maximoAvaliacoes = restantes;
        const std::size_t antes = feitos_;
        busca.avaliar = [&](const std::vector<double>& u, double& f, std::vector<double>& g) {
            const std::vector<double> x = DaCaixa(u);
            const std::optional<Avaliado> avaliado = Avaliar(x);
            if (!avaliado) return false;
            const Avaliado& a = *avaliado;
            Registrar(x, a);
            if (!a.calculado) {
                // No numbers to follow: the method is pushed back, away from here.
                f = fPartida;
                std::fill(g.begin(), g.end(), 1.0);
                return true;
            }
            f = sinal * a.objetivo / escalaObjetivo_;
            for (std::size_t j = 0; j < m_; ++j) g[j] = Violacao(j, a.restricoes[j]) / escalas_[j];
            g[m_] = -Folga(a);
            return true;
        };
        if (BuscarLocal(busca) == FimBuscaLocal::Parada) return Cancelado();
        restantes -= static_cast<int>(feitos_ - antes);
    }
    if (melhorX_ && !AjustarAosLimites()) return Cancelado();

    ResultadoOtimizacao resultado;
    resultado.avaliacoesGrade = avaliacoesGrade;
    for (const RestricaoOtimizacao& r : pedido_.restricoes)
        resultado.restricoes.push_back({r, {}, false, false});
    if (!melhorX_) {
        // Infeasible: each constraint's value nearest its limit.
        resultado.situacao = SituacaoOtimizacao::Inviavel;
        for (std::size_t j = 0; j < m_; ++j) {
            resultado.restricoes[j].valor = melhores_[j];
            resultado.restricoes[j].satisfeita = melhores_[j] && Atende(j, *melhores_[j]);
        }
        resultado.avaliacoes = feitos_;
        total_ = feitos_;
        Relatar(true);
        return resultado;
    }

    // The optimum's own run, in full.
    EntradasUsina entradas = pedido_.base;
    for (std::size_t k = 0; k < n_; ++k) entradas_[k].Em(entradas) = (*melhorX_)[k];
    ResultadoUsina execucao;
    const AvaliacaoPonto p = AvaliarPonto(entradas, saidas_, pedido_.separador, &execucao);
    ++feitos_;
    const Avaliado a = Classificar(p.situacao, p.avisos, p.saidas);
    resultado.situacao = SituacaoOtimizacao::Otimo;
    resultado.valores = *melhorX_;
    resultado.entradas = entradas;
    resultado.objetivo = a.objetivo;
    for (std::size_t j = 0; j < m_; ++j) {
        RestricaoAvaliada& r = resultado.restricoes[j];
        r.valor = a.restricoes[j];
        r.satisfeita = Atende(j, a.restricoes[j]);
        r.ativa = std::fabs(a.restricoes[j] - pedido_.restricoes[j].limite) <=
                  ToleranciaAtiva * escalasAtivas_[j];
    }
    resultado.limiteVapor = Folga(a) <= ToleranciaAtiva;
    resultado.historico = historico_;
    resultado.resultado = std::move(execucao);
    resultado.avaliacoes = feitos_;
    total_ = feitos_;
    Relatar(true);
    return resultado;
}

}  // namespace

int PontosGradePadrao(std::size_t entradas) {
    switch (entradas) {
    case 1: return 41;
    case 2: return 21;
    case 3: return 9;
    default: return 7;
    }
}

const char* TextoOperador(OperadorRestricao operador) {
    return operador == OperadorRestricao::MaiorOuIgual ? ">=" : "<=";
}

const char* TextoSituacaoOtimizacao(SituacaoOtimizacao situacao) {
    switch (situacao) {
    case SituacaoOtimizacao::Otimo: return "ótimo";
    case SituacaoOtimizacao::Inviavel: return "inviável";
    case SituacaoOtimizacao::Cancelada: return "cancelada";
    }
    return "";
}

ResultadoOtimizacao ExecutarOtimizacao(const PedidoOtimizacao& pedido) {
    Otimizador otimizador(pedido);
    return otimizador.Executar();
}
