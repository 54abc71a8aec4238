#include "plant/BuscaLocal.h"

#include <nlopt.h>

#include <algorithm>
#include <exception>
#include <memory>

namespace {

struct Estado {
    const PedidoBuscaLocal* pedido;
    nlopt_opt opt;
    std::vector<double> u;
    std::vector<double> g;
    double f = 0.0;
    bool avaliado = false;  // f and g are those of u
    bool parou = false;
    std::exception_ptr erro;
};

// NLopt asks for the objective, then for the constraints, at the same point:
// one call of avaliar serves both.
bool Avaliar(Estado& e, unsigned n, const double* x) {
    if (e.avaliado && std::equal(x, x + n, e.u.begin())) return true;
    e.u.assign(x, x + n);
    e.avaliado = false;
    try {
        if (!e.pedido->avaliar(e.u, e.f, e.g)) {
            e.parou = true;
            nlopt_force_stop(e.opt);
            return false;
        }
    } catch (...) {
        // Nothing may unwind through the library's C code.
        e.erro = std::current_exception();
        nlopt_force_stop(e.opt);
        return false;
    }
    e.avaliado = true;
    return true;
}

double Objetivo(unsigned n, const double* x, double*, void* dados) {
    Estado& e = *static_cast<Estado*>(dados);
    return Avaliar(e, n, x) ? e.f : 0.0;
}

void Restricoes(unsigned m, double* resultado, unsigned n, const double* x, double*, void* dados) {
    Estado& e = *static_cast<Estado*>(dados);
    const bool ok = Avaliar(e, n, x);
    for (unsigned j = 0; j < m; ++j) resultado[j] = ok ? e.g[j] : 0.0;
}

struct Destruir {
    void operator()(nlopt_opt opt) const { nlopt_destroy(opt); }
};

}  // namespace

FimBuscaLocal BuscarLocal(const PedidoBuscaLocal& pedido) {
    const auto n = static_cast<unsigned>(pedido.inicio.size());
    std::unique_ptr<nlopt_opt_s, Destruir> opt(nlopt_create(NLOPT_LN_COBYLA, n));
    if (!opt) throw std::bad_alloc();
    Estado estado{&pedido, opt.get(), {}, std::vector<double>(pedido.restricoes), 0.0, false, false, {}};
    nlopt_set_lower_bounds1(opt.get(), 0.0);
    nlopt_set_upper_bounds1(opt.get(), 1.0);
    nlopt_set_min_objective(opt.get(), Objetivo, &estado);
    if (pedido.restricoes > 0) {
        const std::vector<double> tolerancias(pedido.restricoes, 0.0);
        nlopt_add_inequality_mconstraint(opt.get(), static_cast<unsigned>(pedido.restricoes),
                                         Restricoes, &estado, tolerancias.data());
    }
    nlopt_set_initial_step1(opt.get(), pedido.passoInicial);
    nlopt_set_xtol_abs1(opt.get(), pedido.toleranciaX);
    nlopt_set_maxeval(opt.get(), pedido.maximoAvaliacoes);

    std::vector<double> x = pedido.inicio;
    double f = 0.0;
    const nlopt_result r = nlopt_optimize(opt.get(), x.data(), &f);
    if (estado.erro) std::rethrow_exception(estado.erro);
    if (estado.parou) return FimBuscaLocal::Parada;
    switch (r) {
    case NLOPT_SUCCESS:
    case NLOPT_STOPVAL_REACHED:
    case NLOPT_FTOL_REACHED:
    case NLOPT_XTOL_REACHED: return FimBuscaLocal::Convergiu;
    case NLOPT_MAXEVAL_REACHED:
    case NLOPT_MAXTIME_REACHED: return FimBuscaLocal::Limite;
    default: return FimBuscaLocal::Falha;
    }
}
