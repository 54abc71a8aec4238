// Integer powers by repeated multiplication, for the polynomial sums of the
// formulation: a table per call instead of one pow() per term.
#pragma once

#include <array>
#include <cstddef>

namespace if97 {

// x^k for every k from Menor to Maior (Menor <= 0 <= Maior). Negative
// powers come from 1/x, so x must not be 0 when Menor < 0. Four running
// products, x^k = x^(k mod 4) (x^4)^(k div 4), keep the chain of dependent
// multiplications a quarter as long as one product would.
template <int Menor, int Maior>
class Potencias {
    static_assert(Menor <= 0 && Maior >= 0);

public:
    constexpr explicit Potencias(double x) {
        Preencher<Maior, 1>(x);
        if constexpr (Menor < 0) Preencher<-Menor, -1>(1.0 / x);
    }
    constexpr double operator[](int k) const { return valor_[static_cast<std::size_t>(k - Menor)]; }

private:
    // The powers y^0 to y^Ultimo of y = x (Passo 1) or y = 1/x (Passo -1),
    // stored at the exponents 0, Passo, 2 Passo...; exponent 0 sits at -Menor.
    template <int Ultimo, int Passo>
    constexpr void Preencher(double x) {
        const int base = -Menor;
        const int passo = Passo;
        const double x2 = x * x;
        const double x4 = x2 * x2;
        double a = 1.0, b = x, c = x2, d = x2 * x;
        int k = 0;
        #pragma GCC unroll 64
        for (; k + 3 <= Ultimo; k += 4) {
            valor_[static_cast<std::size_t>(base + passo * k)] = a;
            valor_[static_cast<std::size_t>(base + passo * (k + 1))] = b;
            valor_[static_cast<std::size_t>(base + passo * (k + 2))] = c;
            valor_[static_cast<std::size_t>(base + passo * (k + 3))] = d;
            a = a * x4;
            b = b * x4;
            c = c * x4;
            d = d * x4;
        }
        if (k <= Ultimo) valor_[static_cast<std::size_t>(base + passo * k)] = a;
        if (k + 1 <= Ultimo) valor_[static_cast<std::size_t>(base + passo * (k + 1))] = b;
        if (k + 2 <= Ultimo) valor_[static_cast<std::size_t>(base + passo * (k + 2))] = c;
    }

    std::array<double, static_cast<std::size_t>(Maior - Menor + 1)> valor_;
};

// One term n x^I y^J of a two-variable polynomial.
struct TermoIJ {
    int I;
    int J;
    double n;
};

// Smallest and largest exponents of a table, 0 included.
template <std::size_t N>
constexpr std::array<int, 4> Expoentes(const TermoIJ (&termos)[N]) {
    std::array<int, 4> e{0, 0, 0, 0};  // I min, I max, J min, J max
    for (const TermoIJ& t : termos) {
        if (t.I < e[0]) e[0] = t.I;
        if (t.I > e[1]) e[1] = t.I;
        if (t.J < e[2]) e[2] = t.J;
        if (t.J > e[3]) e[3] = t.J;
    }
    return e;
}

// Sum of n x^I y^J over the table, in the table's order.
template <const auto& Termos>
double SomaIJ(double x, double y) {
    constexpr std::array<int, 4> e = Expoentes(Termos);
    const Potencias<e[0], e[1]> px(x);
    const Potencias<e[2], e[3]> py(y);
    double soma = 0.0;
    #pragma GCC unroll 64
    for (const TermoIJ& t : Termos) soma = soma + t.n * px[t.I] * py[t.J];
    return soma;
}

}  // namespace if97
