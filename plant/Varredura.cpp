#include "plant/Varredura.h"

#include <algorithm>
#include <condition_variable>
#include <cmath>
#include <exception>
#include <mutex>
#include <thread>

#include "plant/CalculoUsina.h"
#include "plant/CamposNomeados.h"
#include "plant/ErrosPlanta.h"
#include "plant/MensagemErro.h"
#include "plant/Numeros.h"
#include "plant/SafraUsina.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSaidas.h"
#include "properties/ArmadilhasPF.h"

namespace {

// What every point needs, looked up once.
struct Plano {
    std::vector<EntradaNomeada> campos;         // one per axis
    std::vector<std::vector<double>> valores;   // per axis
    std::vector<SaidaNomeada> saidas;
    bool comSafra = false;  // a season figure is asked for: its warnings go with it
    std::size_t total = 0;
    // The axis that switches the high-pressure turbine, if any (its entry
    // in campos is empty).
    std::optional<std::size_t> eixoConfiguracao;
};

// The configuration axis: two points, with and without the turbine.
std::vector<double> ValoresConfiguracao(const EixoVarredura& eixo) {
    const auto umOuZero = [](double v) { return v == 0.0 || v == 1.0; };
    if (eixo.pontos != 2 || !umOuZero(eixo.inicio) || !umOuZero(eixo.fim) || eixo.inicio == eixo.fim)
        throw ErroVarredura(MotivoVarredura::PontosDaConfiguracao, eixo.campo);
    return {eixo.inicio, eixo.fim};
}

Plano Planejar(const PedidoVarredura& pedido) {
    Plano plano;
    if (pedido.eixos.empty() || pedido.eixos.size() > 2)
        throw ErroVarredura(MotivoVarredura::NumeroDeEixos, "",
                            static_cast<std::int64_t>(pedido.eixos.size()));
    plano.total = 1;
    const bool configuracaoVaria =
        std::any_of(pedido.eixos.begin(), pedido.eixos.end(),
                    [](const EixoVarredura& e) { return e.campo == CampoConfiguracao; });
    for (const EixoVarredura& eixo : pedido.eixos) {
        if (eixo.campo == CampoConfiguracao) {
            if (plano.eixoConfiguracao)
                throw ErroVarredura(MotivoVarredura::EntradaRepetida, eixo.campo);
            plano.eixoConfiguracao = plano.campos.size();
            plano.campos.emplace_back();
            plano.valores.push_back(ValoresConfiguracao(eixo));
            plano.total *= 2;
            continue;
        }
        const EntradaNomeada entrada = BuscarEntrada(eixo.campo);
        if (!entrada)
            throw ErroVarredura(MotivoVarredura::EntradaDesconhecida, eixo.campo);
        if (std::find(plano.campos.begin(), plano.campos.end(), entrada) != plano.campos.end())
            throw ErroVarredura(MotivoVarredura::EntradaRepetida, eixo.campo);
        // The season's inputs have neither of the plant's two conditions.
        const CampoEntradaUsina* campo = entrada.usina;
        // The run does not read it: every point would be the same plant.
        if (campo != nullptr && campo->soComTurbinaAlta && !pedido.base.comTurbinaAlta &&
            !configuracaoVaria)
            throw ErroVarredura(MotivoVarredura::SoComTurbinaAlta, eixo.campo);
        plano.campos.push_back(entrada);
        plano.valores.push_back(ValoresEixo(eixo));
        // Past the reading limit every point would run at the limit itself
        // while its row named the value asked for.
        if (campo != nullptr && campo->limite != 0.0)
            for (double valor : plano.valores.back())
                if (valor / campo->divisorLimite > campo->limite)
                    throw ErroVarredura(MotivoVarredura::PassaDoLimite, eixo.campo);
        // Checked axis by axis, so the product cannot overflow.
        plano.total *= plano.valores.back().size();
        if (plano.total > MaximoPontosVarredura)
            throw ErroVarredura(MotivoVarredura::PontosDemais, "",
                                static_cast<std::int64_t>(MaximoPontosVarredura));
    }
    for (const std::string& nome : pedido.saidas) {
        const SaidaNomeada saida = BuscarSaida(nome);
        if (!saida)
            throw ErroVarredura(MotivoVarredura::SaidaDesconhecida, nome);
        // Each repetition would be one more column on every point.
        if (std::find(plano.saidas.begin(), plano.saidas.end(), saida) != plano.saidas.end())
            throw ErroVarredura(MotivoVarredura::SaidaRepetida, nome);
        plano.saidas.push_back(saida);
        plano.comSafra = plano.comSafra || saida.safra != nullptr;
    }
    return plano;
}

// The swept values of point `indice`: the second axis is the inner loop.
std::vector<double> ValoresDoPonto(const Plano& plano, std::size_t indice) {
    std::vector<double> valores(plano.valores.size());
    for (std::size_t k = plano.valores.size(); k-- > 0;) {
        const std::vector<double>& eixo = plano.valores[k];
        valores[k] = eixo[indice % eixo.size()];
        indice /= eixo.size();
    }
    return valores;
}

// One point: a single run on a fresh result, as the window makes it.
void CalcularPonto(const PedidoVarredura& pedido, const Plano& plano, PontoVarredura& ponto) {
    EntradasUsina entradas = pedido.base;
    for (std::size_t k = 0; k < plano.campos.size(); ++k) {
        if (k == plano.eixoConfiguracao)
            entradas.comTurbinaAlta = ponto.valores[k] != 0.0;
        else
            plano.campos[k].Em(entradas) = ponto.valores[k];
    }
    ResultadoUsina resultado;
    try {
        CalcularUsina(entradas, resultado, nullptr, pedido.separador);
    } catch (const std::exception& e) {
        ponto.erro = MensagemComPonto(e.what());
        ponto.falha = std::current_exception();
    } catch (...) {
        ponto.erro = "Unknown error.";
    }
    ponto.situacao = resultado.situacao;
    ponto.avisos = plano.comSafra ? AvisosComSafra(resultado) : resultado.avisos;
    // The window's status line: the warnings separated by two spaces; the
    // season's after the run's when a season figure is asked for.
    for (const AvisoUsina& aviso : ponto.avisos) {
        if (!ponto.aviso.empty()) ponto.aviso += "  ";
        ponto.aviso += TextoAviso(aviso, pedido.separador);
    }
    ponto.saidas.assign(plano.saidas.size(), std::nullopt);
    if (resultado.situacao != SituacaoCalculo::Completo) return;
    for (std::size_t j = 0; j < plano.saidas.size(); ++j)
        ponto.saidas[j] = plano.saidas[j].Valor(resultado);
}

// Throttled progress reports from the workers: one at a time, at most one
// per interval, never a smaller count than one already reported.
class Progresso {
public:
    Progresso(const PedidoVarredura& pedido, std::size_t total)
        : funcao_(pedido.progresso), intervalo_(pedido.intervaloProgresso), total_(total),
          ultimo_(Relogio::now()) {}

    void PontoFeito() {
        const std::size_t feitos = feitos_.fetch_add(1, std::memory_order_relaxed) + 1;
        if (!funcao_) return;
        const Relogio::time_point agora = Relogio::now();
        if (feitos != total_ && agora - ultimo_.load(std::memory_order_relaxed) < intervalo_) return;
        // A worker that finds another reporting goes back to its points.
        std::unique_lock<std::mutex> trava(mutex_, std::try_to_lock);
        if (!trava.owns_lock()) return;
        ultimo_.store(agora, std::memory_order_relaxed);
        Relatar(trava);
    }

    // The last report, from the calling thread once the workers are done.
    void Final() {
        if (!funcao_) return;
        std::unique_lock<std::mutex> trava(mutex_);
        Relatar(trava);
    }

    std::size_t Feitos() const { return feitos_.load(); }

private:
    using Relogio = std::chrono::steady_clock;

    void Relatar(std::unique_lock<std::mutex>&) {
        const std::size_t feitos = feitos_.load();
        if (relatou_ && feitos <= relatados_) return;
        relatou_ = true;
        relatados_ = feitos;
        funcao_(feitos, total_);
    }

    const ProgressoVarredura& funcao_;
    const Relogio::duration intervalo_;
    const std::size_t total_;
    std::atomic<std::size_t> feitos_{0};
    std::atomic<Relogio::time_point> ultimo_;
    std::mutex mutex_;
    bool relatou_ = false;       // guarded by mutex_
    std::size_t relatados_ = 0;  // guarded by mutex_
};

// Hands finished points to PedidoVarredura::entregar in sweep order. Points
// finished ahead of an earlier one wait in a ring of `capacidade` places; a
// worker does not start a point that would not fit until the delivery has
// caught up, so the ring never grows. The earliest undelivered point always
// has its place, so its worker never waits and the sweep always advances.
class EntregaEmOrdem {
public:
    EntregaEmOrdem(const EntregaVarredura& entregar, std::size_t capacidade)
        : entregar_(entregar), lugares_(capacidade), prontos_(capacidade, false) {}

    // The place for point i, once it fits; nullptr when the sweep stops.
    PontoVarredura* Reservar(std::size_t i) {
        std::unique_lock<std::mutex> trava(mutex_);
        espaco_.wait(trava, [&] { return parar_ || i < entregues_ + lugares_.size(); });
        if (parar_) return nullptr;
        return &lugares_[i % lugares_.size()];
    }

    // Point i is done: it and every point after it that is also done are
    // delivered, in order.
    void Concluir(std::size_t i) {
        std::unique_lock<std::mutex> trava(mutex_);
        prontos_[i % lugares_.size()] = true;
        if (entregando_) return;  // the thread delivering takes it too
        entregando_ = true;
        try {
            while (!parar_ && prontos_[entregues_ % lugares_.size()]) {
                const std::size_t lugar = entregues_ % lugares_.size();
                // Delivered without the lock: the others go on finishing
                // points meanwhile, and only this thread touches this place.
                trava.unlock();
                entregar_(entregues_, lugares_[lugar]);
                lugares_[lugar] = PontoVarredura{};
                trava.lock();
                prontos_[lugar] = false;
                ++entregues_;
                espaco_.notify_all();
            }
        } catch (...) {
            // What the delivery threw stops the sweep here: another worker
            // finishing a point must not take over the delivery and hand
            // out the failed point again, nor any after it.
            if (!trava.owns_lock()) trava.lock();
            entregando_ = false;
            parar_ = true;
            espaco_.notify_all();
            throw;
        }
        entregando_ = false;
    }

    // Wakes and releases every waiting worker.
    void Parar() {
        const std::lock_guard<std::mutex> trava(mutex_);
        parar_ = true;
        espaco_.notify_all();
    }

private:
    const EntregaVarredura& entregar_;
    std::vector<PontoVarredura> lugares_;
    std::vector<bool> prontos_;  // guarded by mutex_
    std::size_t entregues_ = 0;  // guarded by mutex_
    bool entregando_ = false;    // guarded by mutex_
    bool parar_ = false;         // guarded by mutex_
    std::mutex mutex_;
    std::condition_variable espaco_;
};

}  // namespace

std::vector<double> ValoresEixo(const EixoVarredura& eixo) {
    if (eixo.pontos < 2)
        throw ErroVarredura(MotivoVarredura::PoucosPontos, eixo.campo, eixo.pontos);
    if (!std::isfinite(eixo.inicio) || !std::isfinite(eixo.fim))
        throw ErroVarredura(MotivoVarredura::FaixaNaoFinita, eixo.campo);
    if (static_cast<std::size_t>(eixo.pontos) > MaximoPontosVarredura)
        throw ErroVarredura(MotivoVarredura::PontosDemais, "",
                            static_cast<std::int64_t>(MaximoPontosVarredura));
    // A range near the largest doubles overflows here; the caller's traps, if
    // any, must not turn that into a floating-point error: it is refused below.
    SuspensaoArmadilhas semArmadilhas;
    std::vector<double> valores(static_cast<std::size_t>(eixo.pontos));
    const double ultimo = static_cast<double>(eixo.pontos - 1);
    for (int i = 0; i < eixo.pontos; ++i) {
        // This expression, in this order: the values are part of the results.
        const double valor = eixo.inicio + static_cast<double>(i) * (eixo.fim - eixo.inicio) / ultimo;
        if (!std::isfinite(valor))
            throw ErroVarredura(MotivoVarredura::ValoresNaoFinitos, eixo.campo);
        valores[static_cast<std::size_t>(i)] = valor;
    }
    return valores;
}

void VerificarVarredura(const PedidoVarredura& pedido) { Planejar(pedido); }

int DecimaisValores(const std::vector<double>& valores) {
    constexpr int Maximo = 6;
    for (int d = 1; d < Maximo; ++d) {
        bool distintos = true;
        for (std::size_t i = 1; i < valores.size() && distintos; ++i)
            distintos = TextoFixo(valores[i - 1], d, ".") != TextoFixo(valores[i], d, ".");
        if (distintos) return d;
    }
    return Maximo;
}

namespace {

void Descrever(const Plano& plano, ResultadoVarredura& resultado) {
    resultado.eixos.clear();
    for (std::size_t k = 0; k < plano.campos.size(); ++k)
        resultado.eixos.push_back({plano.campos[k].usina, plano.campos[k].safra, plano.valores[k],
                                   DecimaisValores(plano.valores[k]),
                                   k == plano.eixoConfiguracao});
    resultado.saidas.clear();
    resultado.saidasSafra.clear();
    for (const SaidaNomeada& s : plano.saidas) {
        resultado.saidas.push_back(s.usina);
        resultado.saidasSafra.push_back(s.safra);
    }
}

}  // namespace

void DescreverVarredura(const PedidoVarredura& pedido, ResultadoVarredura& resultado) {
    Descrever(Planejar(pedido), resultado);
}

ResultadoVarredura ExecutarVarredura(const PedidoVarredura& pedido) {
    const Plano plano = Planejar(pedido);
    ResultadoVarredura resultado;
    Descrever(plano, resultado);
    const bool emOrdem = static_cast<bool>(pedido.entregar);
    if (!emOrdem) {
        resultado.pontos.resize(plano.total);
        for (std::size_t i = 0; i < plano.total; ++i)
            resultado.pontos[i].valores = ValoresDoPonto(plano, i);
    }

    unsigned tarefas = pedido.tarefas != 0 ? pedido.tarefas : std::thread::hardware_concurrency();
    tarefas = static_cast<unsigned>(std::clamp<std::size_t>(tarefas, 1, plano.total));
    // Consecutive points share the outer axis's value (the property
    // package's kept saturations and states are per thread), so each thread
    // takes runs of neighbouring points; short runs keep the threads
    // finishing together.
    const std::size_t bloco = std::clamp<std::size_t>(plano.total / (tarefas * 32u), 1, 64);

    // Room for every thread's block a few times over: a slow point holds up
    // the delivery, not the other threads, until the ring is full.
    EntregaEmOrdem entrega(pedido.entregar, emOrdem ? std::size_t{tarefas} * bloco * 4 : 1);
    Progresso progresso(pedido, plano.total);
    std::atomic<std::size_t> proximo{0};
    std::atomic<bool> parar{false};
    std::mutex mutexErro;
    std::exception_ptr erro;

    const auto trabalhar = [&] {
        try {
            for (;;) {
                const std::size_t inicio = proximo.fetch_add(bloco);
                if (inicio >= plano.total) return;
                const std::size_t fim = std::min(inicio + bloco, plano.total);
                for (std::size_t i = inicio; i < fim; ++i) {
                    if (parar.load(std::memory_order_relaxed)) return;
                    if (pedido.cancelar != nullptr && pedido.cancelar->load()) {
                        entrega.Parar();  // no worker may wait for this point
                        return;
                    }
                    PontoVarredura* ponto = emOrdem ? entrega.Reservar(i) : &resultado.pontos[i];
                    if (ponto == nullptr) return;
                    if (emOrdem) ponto->valores = ValoresDoPonto(plano, i);
                    CalcularPonto(pedido, plano, *ponto);
                    ponto->calculado = true;
                    if (emOrdem) entrega.Concluir(i);
                    progresso.PontoFeito();
                }
            }
        } catch (...) {
            // Only the progress callback or a lack of memory get here.
            const std::lock_guard<std::mutex> trava(mutexErro);
            if (erro == nullptr) erro = std::current_exception();
            parar.store(true);
            entrega.Parar();
        }
    };

    // The calling thread is one of the workers.
    std::vector<std::thread> threads;
    try {
        for (unsigned t = 1; t < tarefas; ++t) threads.emplace_back(trabalhar);
    } catch (...) {
        parar.store(true);
        entrega.Parar();
        for (std::thread& t : threads) t.join();
        throw;
    }
    trabalhar();
    for (std::thread& t : threads) t.join();
    if (erro != nullptr) std::rethrow_exception(erro);

    resultado.cancelada = progresso.Feitos() < plano.total;
    progresso.Final();
    return resultado;
}
