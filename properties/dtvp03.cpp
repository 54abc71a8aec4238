#include "properties/dtvp03.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "properties/Diagnostico.h"
#include "properties/Erros.h"
#include "properties/dTH2O_1.h"

double SaturationResidual(double t, double p) {
    return 22.088 * SaturationPressureRatio(t) - p;
}

void SaturationTemperature(int limite, double& t, double p, double tolerancia) {
    for (int passo = 1; passo <= limite; ++passo) {
        const double f0 = SaturationResidual(t, p);
        const double f1 = SaturationResidual((1.0 + 5e-6) * t, p);
        const double derivada = (f1 - f0) / (t * 5e-6);  // relative step, fixed
        const double correcao = f0 / derivada;
        t = t - correcao;
        if (std::fabs(correcao) < std::fabs(tolerancia * t)) return;
    }
    EscreverDiagnostico("ATINGIDO O MAXIMO DE ITERACOES = " + std::to_string(limite));
}

void PropertyResiduals(int /*n*/, Par x, Par& F) {
    const PropertyWorkspace& w = propertyWorkspace;
    double p = 0.0, u = 0.0, h = 0.0, s = 0.0;
    switch (w.modo) {
    case ModoPressaoTemperatura:  // the known temperature replaces x2
        HelmholtzProperties(x[0], w.valorConhecido, p, u, h, s);
        F = {p - w.pressaoConhecida, 0.0};
        break;
    case ModoPressaoEntalpia:
        HelmholtzProperties(x[0], x[1], p, u, h, s);
        F = {p - w.pressaoConhecida, h - w.valorConhecido};
        break;
    case ModoPressaoEntropia:
        HelmholtzProperties(x[0], x[1], p, u, h, s);
        F = {p - w.pressaoConhecida, s - w.valorConhecido};
        break;
    case ModoSaturacao:
        HelmholtzProperties(x[0], w.temperaturaSaturacao, p, u, h, s);
        F = {p - w.pressaoConhecida, 0.0};
        break;
    default:  // no equations for other modes
        break;
    }
}

void NumericJacobian(int n, Par x, MatrizAumentada& A, double passo) {
    Par F0{0.0, 0.0};
    PropertyResiduals(n, x, F0);
    for (int j = 0; j < n; ++j) {
        Par deslocado = x;
        deslocado[j] = deslocado[j] + passo;  // absolute step in the unknown's unit
        Par F1{0.0, 0.0};
        PropertyResiduals(n, deslocado, F1);
        for (int i = 0; i < n; ++i) A[i][j] = (F1[i] - F0[i]) / passo;
    }
    for (int i = 0; i < n; ++i) A[i][n] = -F0[i];
}

void GaussSolve(int n, MatrizAumentada A, Par& dx) {
    if (n == 1) {  // no elimination and no scale test for one unknown
        dx[0] = A[0][1] / A[0][0];
        return;
    }
    // Rows are addressed through l and never moved in storage.
    int l[2] = {0, 1};
    double razao[2] = {0.0, 0.0};
    for (int k = 0; k < n - 1; ++k) {
        for (int i = k; i < n; ++i) {
            double escala = std::fabs(A[l[i]][k]);
            for (int j = k + 1; j < n; ++j) {
                if (std::fabs(A[l[i]][j]) > escala) escala = std::fabs(A[l[i]][j]);
            }
            if (escala < 1e-10) EscreverDiagnostico("GAUSS INFORMA: COEFICIENTES MUITO PEQUENOS");
            if (escala == 0.0) {
                EscreverDiagnostico(
                    "GAUSS INFORMA: SISTEMA DE EQUACOES APRESENTA REDUNDANCIA > HALT");
                throw ErroPropriedades(FalhaPropriedades::SistemaSingular);
            }
            razao[l[i]] = std::fabs(A[l[i]][k]) / escala;
        }
        // The earlier row wins a tie: only a strictly greater ratio replaces it.
        int pivo = k;
        for (int i = k + 1; i < n; ++i) {
            if (razao[l[i]] > razao[l[pivo]]) pivo = i;
        }
        if (pivo != k) std::swap(l[k], l[pivo]);
        for (int i = k + 1; i < n; ++i) {
            const double m = A[l[i]][k] / A[l[k]][k];
            for (int j = k; j <= n; ++j) A[l[i]][j] = A[l[i]][j] - m * A[l[k]][j];
        }
    }
    dx[n - 1] = A[l[n - 1]][n] / A[l[n - 1]][n - 1];
    for (int i = n - 2; i >= 0; --i) {
        double soma = 0.0;
        for (int j = n - 1; j > i; --j) soma = soma + dx[j] * A[l[i]][j];
        dx[i] = (A[l[i]][n] - soma) / A[l[i]][i];
    }
}

void NewtonSolve(int n, int limite, Par& x, double passo, double tolerancia) {
    for (int iteracao = 1; iteracao <= limite; ++iteracao) {
        MatrizAumentada A{};
        NumericJacobian(n, x, A, passo);
        Par dx{0.0, 0.0};
        GaussSolve(n, A, dx);
        double m = 0.0;
        for (int i = 0; i < n; ++i) m = m + std::fabs(dx[i]);
        for (int i = 0; i < n; ++i) x[i] = x[i] + dx[i];
        // Absolute test on the mean correction, mixing dm3/kg and degC.
        if (m / n < tolerancia) return;
    }
    EscreverDiagnostico("SISTEMA INFORMA: NUMERO MAXIMO DE ITERACOES EXCEDIDO");
}

namespace {

// The saturation temperature and the two saturated states depend on the
// pressure alone, and the plant evaluates many states at the same few
// pressures. They are kept for the last few pressures used, with the
// diagnostic lines their computation wrote, so that a repeated pressure gives
// the very same results and the very same output without recomputing them.
struct SaturacaoGuardada {
    bool valida = false;
    double pressao = 0.0;  // MPa
    double temperaturaSaturacao = 0.0;
    StatePoint liquido;
    StatePoint vapor;
    std::vector<std::string> diagnosticos;
    std::uint64_t uso = 0;  // when last stored or found; 0: never
};

// The plant's given pressures (condensate, boiler, header, process) are used
// in every run, beside a few new ones per run: pressures passed on from a
// computed state differ from the given ones in the last digits.
constexpr int TamanhoGuarda = 8;

// A result depends on the mode and the two given values alone. The plant
// evaluates the same state several times in one run (the drive turbines take
// the same header steam, expand it alike), and runs that change one input
// one after another (a sweep of the boiler's outlet temperature) repeat the
// states before the boiler in every run. The results used last are kept,
// with the whole working state and the diagnostic lines their computation
// wrote, and a repeated call gives them back bit for bit.
struct EstadoGuardado {
    bool valido = false;
    PropertyMode modo = 0;
    double p = 0.0;
    double k = 0.0;
    PropertyWorkspace area;
    std::vector<std::string> diagnosticos;
    std::uint64_t uso = 0;  // when last stored or found; 0: never
};

// A run evaluates about twenty states, a dozen of them new when one input
// changes: room for those and for the states repeated from run to run.
constexpr int TamanhoMemoria = 16;

// The kept saturations and results of one thread. A full store replaces its
// least recently used entry, so that what every run uses stays.
struct Memorias {
    SaturacaoGuardada guarda[TamanhoGuarda];
    EstadoGuardado memoria[TamanhoMemoria];
    std::uint64_t relogio = 0;  // counts stores and finds
};

// The entry to overwrite: an empty one, or the least recently used.
template <typename Guardado, std::size_t N>
Guardado& Vaga(Guardado (&guardados)[N]) {
    Guardado* vaga = &guardados[0];
    for (Guardado& g : guardados) {
        if (g.uso < vaga->uso) vaga = &g;
    }
    return *vaga;
}

// Per thread, so that threads neither share nor disturb their kept results.
// Reached through a guard on the thread's first use (the object has a
// destructor to run at thread exit), hence fetched once per evaluation and
// passed down by reference.
thread_local constinit Memorias memoriasDaThread;

SaturacaoGuardada* SaturacaoGuardadaEm(Memorias& m, double p) {
    for (SaturacaoGuardada& g : m.guarda) {
        if (g.valida && g.pressao == p) return &g;
    }
    return nullptr;
}

const SaturacaoGuardada* SaturacaoGuardadaEm(const Memorias& m, double p) {
    return SaturacaoGuardadaEm(const_cast<Memorias&>(m), p);
}

void PreencherSaturado(const Par& x, double titulo, StatePoint& estado) {
    estado.v = x[0];
    estado.t = x[1];
    HelmholtzProperties(estado.v, estado.t, estado.p, estado.u, estado.h, estado.s);
    estado.ex = FlowExergy(estado.h, DeadState::h0, DeadState::T0, estado.s, DeadState::s0);
    estado.x = titulo;
}

// Saturation temperature, saturated liquid and saturated vapour at p, into
// the working state.
void CalcularSaturacao(Memorias& m, double p) {
    PropertyWorkspace& w = propertyWorkspace;
    if (SaturacaoGuardada* g = SaturacaoGuardadaEm(m, p)) {
        g->uso = ++m.relogio;
        for (const std::string& linha : g->diagnosticos) EscreverDiagnostico(linha);
        w.temperaturaSaturacao = g->temperaturaSaturacao;
        w.liquidoSaturado = g->liquido;
        w.vaporSaturado = g->vapor;
        return;
    }

    GravadorDiagnosticos gravador;
    const PropertyMode lembrado = w.modo;

    w.temperaturaSaturacao = InicioTemperaturaSaturacao;
    SaturationTemperature(LimiteSaturacao, w.temperaturaSaturacao, p, ToleranciaSolver);
    const double tSat = w.temperaturaSaturacao;

    Par x{InicioVolumeLiquido, tSat};
    w.modo = ModoSaturacao;
    NewtonSolve(1, LimiteNewton, x, PassoDiferencas, ToleranciaSolver);
    w.modo = lembrado;
    PreencherSaturado(x, 0.0, w.liquidoSaturado);

    x = {(tSat + 273.15) * 0.46151 / p, tSat};  // ideal-gas volume
    w.modo = ModoSaturacao;
    NewtonSolve(1, LimiteNewton, x, PassoDiferencas, ToleranciaSolver);
    w.modo = lembrado;
    PreencherSaturado(x, 1.0, w.vaporSaturado);

    Vaga(m.guarda) = {true, p, tSat, w.liquidoSaturado, w.vaporSaturado, gravador.Linhas(),
                      ++m.relogio};
}

// Solves for (v, t) from the start x and fills the single-phase state.
void ResolverMonofasico(int n, Par x, StatePoint& estado) {
    NewtonSolve(n, LimiteNewton, x, PassoDiferencas, ToleranciaSolver);
    estado.v = x[0];
    estado.t = x[1];
    HelmholtzProperties(estado.v, estado.t, estado.p, estado.u, estado.h, estado.s);
    estado.ex = FlowExergy(estado.h, DeadState::h0, DeadState::T0, estado.s, DeadState::s0);
}

// The evaluation proper, once the inputs are known to be valid: leaves the
// result in the working state's current state and region code.
void CalcularEstado(Memorias& m, PropertyMode modo, double p, double k) {
    PropertyWorkspace& w = propertyWorkspace;
    w.modo = modo;
    w.pressaoConhecida = p;
    w.valorConhecido = k;
    CalcularSaturacao(m, p);

    const double tSat = w.temperaturaSaturacao;
    const StatePoint& liq = w.liquidoSaturado;
    const StatePoint& vap = w.vaporSaturado;

    // Position of the given value between the saturated states.
    double xi = 0.0;
    switch (modo) {
    case ModoPressaoTemperatura: xi = k / tSat; break;
    case ModoPressaoEntalpia: xi = (k - liq.h) / (vap.h - liq.h); break;
    case ModoPressaoEntropia: xi = (k - liq.s) / (vap.s - liq.s); break;
    default: xi = k; break;
    }

    StatePoint atual;
    bool calculado = false;
    PhaseRegion r = 0;
    if (xi >= 0.0 && xi <= 1.0 && modo > ModoPressaoTemperatura) {
        // Wet mixture: interpolate every slot, no iteration.
        r = RegiaoMistura;
        for (int i = 0; i <= 9; ++i) Slot(atual, i) = (1 - xi) * Slot(liq, i) + xi * Slot(vap, i);
        atual.t = tSat;
        atual.x = xi;
        calculado = true;
    }
    if (xi > 1.0) {
        r = RegiaoVapor;
        if (modo == ModoPressaoTemperatura) {
            ResolverMonofasico(1, {(k + 273.15) * 0.46151 / p, k}, atual);
        } else {
            ResolverMonofasico(2, {vap.v * xi, tSat * xi}, atual);
        }
        calculado = true;
    }
    if (xi < 0.0 || (modo == ModoPressaoTemperatura && k < tSat)) {
        r = RegiaoLiquido;
        if (modo == ModoPressaoTemperatura) {
            ResolverMonofasico(1, {InicioVolumeLiquido, k}, atual);
        } else if (modo == ModoPressaoEntalpia) {
            ResolverMonofasico(2, {InicioVolumeLiquido, tSat - tSat * (liq.h - k) / liq.h}, atual);
        } else {
            ResolverMonofasico(2, {InicioVolumeLiquido, tSat - tSat * (liq.s - k) / liq.s}, atual);
        }
        calculado = true;
    }
    if (!calculado) {
        // A temperature exactly at saturation: the saturated vapour.
        r = RegiaoMistura;
        atual = vap;
    }

    // The equation's pressure at the converged point differs from the given
    // one within the solver's tolerance. At the ends of the range that could
    // put a state just outside it, and a later evaluation from this state
    // (the plant passes pressures on from label to label) would be refused.
    if (atual.p > PressaoMaxima) atual.p = PressaoMaxima;
    if (atual.p < PressaoMinima) atual.p = PressaoMinima;
    atual.r7 = atual.r8 = atual.r9 = 0.0;
    atual.x = (atual.h - liq.h) / (vap.h - liq.h);  // enthalpy-based quality
    if (atual.t > TemperaturaCritica) r = RegiaoSupercritica;
    w.atual = atual;
    w.regiao = r;
}

bool MesmosBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

[[noreturn]] void RecusarPressao(double p) {
    throw ErroPropriedades(FalhaPropriedades::PressaoForaDaFaixa, p);
}

// The test stays inline in the callers; only the refusal is a call.
void VerificarPressao(double p) {
    if (!(p >= PressaoMinima && p <= PressaoMaxima)) RecusarPressao(p);
}

}  // namespace

void EvaluateState(PropertyMode modo, PhaseRegion& regiao, StatePoint& estado) {
    PropertyWorkspace& w = propertyWorkspace;
    if (modo < ModoPressaoTemperatura || modo > ModoPressaoTitulo) {
        throw ErroPropriedades(FalhaPropriedades::ModoInvalido, modo);
    }
    const double p = estado.p;  // MPa
    double k = 0.0;
    switch (modo) {
    case ModoPressaoTemperatura: k = estado.t; break;
    case ModoPressaoEntalpia: k = estado.h; break;
    case ModoPressaoEntropia: k = estado.s; break;
    default: k = estado.x; break;
    }
    VerificarPressao(p);
    if (modo == ModoPressaoTitulo && !(k >= 0.0 && k <= 1.0)) {
        throw ErroPropriedades(FalhaPropriedades::TituloForaDoIntervalo, k);
    }

    Memorias& m = memoriasDaThread;
    for (EstadoGuardado& g : m.memoria) {
        if (g.valido && g.modo == modo && MesmosBits(g.p, p) && MesmosBits(g.k, k)) {
            g.uso = ++m.relogio;
            for (const std::string& linha : g.diagnosticos) EscreverDiagnostico(linha);
            w = g.area;
            estado = w.atual;
            regiao = w.regiao;
            return;
        }
    }

    GravadorDiagnosticos gravador;
    CalcularEstado(m, modo, p, k);
    Vaga(m.memoria) = {true, modo, p, k, w, gravador.Linhas(), ++m.relogio};
    estado = w.atual;
    regiao = w.regiao;
}

double TemperaturaSaturacao(double p) {
    VerificarPressao(p);
    // A look only: the order of use is not changed either.
    const Memorias& m = memoriasDaThread;
    if (const SaturacaoGuardada* g = SaturacaoGuardadaEm(m, p)) {
        return g->temperaturaSaturacao;
    }
    // The evaluation's own iteration from its own start. Nothing is kept and
    // the working state is not touched: a later evaluation finds everything
    // as it would have without this call.
    double t = InicioTemperaturaSaturacao;
    SaturationTemperature(LimiteSaturacao, t, p, ToleranciaSolver);
    return t;
}
