// The shape the five views of the last run share: before a run, after a
// finished one, stale, and after a run that did not finish, each view shows
// the same notices in the same states; the flowsheet, which always draws,
// keeps any run and has no "no finished run" notice.
#include <QLabel>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

#include "plant/CalculoUsina.h"
#include "ui/comum/AvisosVista.h"
#include "ui/vistas/VistaCorrentes.h"
#include "ui/vistas/VistaDiagramaTs.h"
#include "ui/vistas/VistaExergia.h"
#include "ui/vistas/VistaFluxograma.h"
#include "ui/vistas/VistaIndicadores.h"

namespace {

struct Estado {
    bool desatualizado;
    bool semCalculo;  // the "no finished run" notice
    bool conteudo;
    bool operator==(const Estado&) const = default;
};

void PrintTo(const Estado& e, std::ostream* saida) {
    *saida << "{desatualizado " << e.desatualizado << ", sem cálculo " << e.semCalculo
           << ", conteúdo " << e.conteudo << "}";
}

Estado EstadoDe(const VistaResultado& v) {
    const auto visivel = [&](const QWidget* w) { return w != nullptr && w->isVisibleTo(&v); };
    return {visivel(v.AvisoDesatualizado), visivel(v.AvisoSemCalculo), visivel(v.Conteudo)};
}

}  // namespace

TEST(VistaResultado, MesmosAvisosEmTodasAsVistas) {
    const struct {
        const char* nome;
        std::function<std::unique_ptr<VistaResultado>()> criar;
        bool sempreDesenha;
    } vistas[] = {
        {"VistaFluxograma", [] { return std::make_unique<VistaFluxograma>(); }, true},
        {"VistaCorrentes", [] { return std::make_unique<VistaCorrentes>(); }, false},
        {"VistaIndicadores", [] { return std::make_unique<VistaIndicadores>(); }, false},
        {"VistaExergia", [] { return std::make_unique<VistaExergia>(); }, false},
        {"VistaDiagramaTs", [] { return std::make_unique<VistaDiagramaTs>(); }, false},
    };
    ResultadoUsina completo;
    CalcularUsina(EntradasUsina{}, completo);
    ResultadoUsina interrompido = completo;
    interrompido.situacao = SituacaoCalculo::Interrompido;
    for (const auto& v : vistas) {
        SCOPED_TRACE(v.nome);
        const std::unique_ptr<VistaResultado> vista = v.criar();
        vista->resize(900, 600);
        EXPECT_EQ(vista->objectName(), v.nome);
        EXPECT_EQ(vista->AvisoSemCalculo == nullptr, v.sempreDesenha);
        const bool semCalculo = !v.sempreDesenha;
        EXPECT_EQ(EstadoDe(*vista), (Estado{false, semCalculo, false}));

        vista->MostrarResultado(completo);
        EXPECT_EQ(EstadoDe(*vista), (Estado{false, false, semCalculo}));
        vista->MarcarDesatualizado(true);
        EXPECT_EQ(EstadoDe(*vista), (Estado{true, false, semCalculo}));
        EXPECT_EQ(vista->AvisoDesatualizado->text(), QString::fromUtf8(TextoDesatualizado));
        // The same run again: current, the notice gone.
        vista->MostrarResultado(completo);
        EXPECT_EQ(EstadoDe(*vista), (Estado{false, false, semCalculo}));

        vista->MarcarDesatualizado(true);
        vista->MostrarResultado(interrompido);
        EXPECT_EQ(EstadoDe(*vista), (Estado{false, semCalculo, false}));
    }
}
