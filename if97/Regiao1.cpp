#include "if97/Regiao1.h"

#include <cmath>

namespace if97 {

double VelocidadeSomRegiao1(double p, double T) {
    const double tau = TEstrela1 / T;
    const SomasGibbs g = SomasRegiao1<SomasPedidas::Todas>(p / pEstrela1, tau);
    const double a = g.gp - tau * g.gpt;
    const double w2 = 1000.0 * R * T * g.gp * g.gp / (a * a / (tau * tau * g.gtt) - g.gpp);  // m2/s2
    return std::sqrt(w2);
}

}  // namespace if97
