// The local phase of the optimisation: a derivative-free method with
// inequality constraints (COBYLA, Powell's constrained optimisation by linear
// approximations, from NLopt) in the unit box. It knows nothing of the
// plant: it asks for the objective and the constraints at a point and
// minimises the one keeping the others at or below zero.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

// Fills f (to be minimised) and g (one value per constraint, met at 0 or
// below) at u, a point of the unit box [0, 1]^n. False stops the search
// (a cancellation); whatever it throws stops it too and is rethrown.
using FuncaoBuscaLocal =
    std::function<bool(const std::vector<double>& u, double& f, std::vector<double>& g)>;

struct PedidoBuscaLocal {
    std::vector<double> inicio;  // the start, in the unit box; its size is the dimension
    std::size_t restricoes = 0;  // values of g
    FuncaoBuscaLocal avaliar;
    double passoInicial = 0.1;   // first step of every variable, in the box's units
    double toleranciaX = 1e-9;   // stops once a step moves every variable less than this
    int maximoAvaliacoes = 500;  // calls of avaliar at most
};

enum class FimBuscaLocal {
    Convergiu,  // the steps fell below the tolerance, or the objective stopped changing
    Limite,     // maximoAvaliacoes calls
    Parada,     // avaliar returned false
    Falha,      // the method gave up (round-off, a degenerate model)
};

// Runs the search from pedido.inicio. The caller keeps the best point it was
// asked about: the method's own last point may sit a hair outside a
// constraint.
FimBuscaLocal BuscarLocal(const PedidoBuscaLocal& pedido);
