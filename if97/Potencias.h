// Integer powers by repeated multiplication, for the polynomial sums of the
// formulation: a table per call instead of one pow() per term.
#pragma once

#include <array>
#include <cstddef>

namespace if97 {

// x^k for every k from Menor to Maior (Menor <= 0 <= Maior). Negative
// powers come from 1/x, so x must not be 0 when Menor < 0.
template <int Menor, int Maior>
class Potencias {
    static_assert(Menor <= 0 && Maior >= 0);

public:
    constexpr explicit Potencias(double x) {
        valor_[-Menor] = 1.0;
        for (int k = 1; k <= Maior; ++k) valor_[k - Menor] = valor_[k - 1 - Menor] * x;
        if constexpr (Menor < 0) {
            const double inverso = 1.0 / x;
            for (int k = -1; k >= Menor; --k) valor_[k - Menor] = valor_[k + 1 - Menor] * inverso;
        }
    }
    constexpr double operator[](int k) const { return valor_[static_cast<std::size_t>(k - Menor)]; }

private:
    std::array<double, static_cast<std::size_t>(Maior - Menor + 1)> valor_{};
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
    for (const TermoIJ& t : Termos) soma = soma + t.n * px[t.I] * py[t.J];
    return soma;
}

}  // namespace if97
