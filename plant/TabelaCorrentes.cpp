#include "plant/TabelaCorrentes.h"

#include "plant/EntradasUsina.h"
#include "plant/PapeisRotulos.h"

namespace {

constexpr double LitroPorMetroCubico = 1000.0;  // dm3/kg -> m3/kg

}  // namespace

std::vector<LinhaCorrente> TabelaCorrentes(const ResultadoUsina& resultado) {
    const DadosUsina& d = resultado.dados;
    std::vector<LinhaCorrente> linhas;
    for (const PapelRotulo& papel : PapeisRotulos()) {
        if (papel.tipo != TipoRotulo::Corrente) continue;
        const auto i = static_cast<std::size_t>(papel.rotulo);
        const StatePoint& e = d.Estado[i];
        // The pump moves the whole condensate: the feed water carries the
        // flow of the pump's inlet (the plant data keep no flow of their own
        // for label 19).
        const double vazao = papel.rotulo == Rotulo::AguaAlimentacao
                                 ? d.Vazao[Rotulo::CondensadoRetorno]
                                 : d.Vazao[i];
        linhas.push_back({papel.rotulo, papel.descricao, vazao, e.p * BarPorMPa, e.t,
                          e.v / LitroPorMetroCubico, e.h, e.s, e.ex, e.x});
    }
    return linhas;
}
