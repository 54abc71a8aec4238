// The flowsheet with results answers the mouse: every stream's value box,
// hovered, shows all the stream's properties as the stream table has them;
// clicked, names that stream. The boxes found where they are drawn at any
// size of the view.
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include "plant/CalculoUsina.h"
#include "ui/figura/FluxogramaResultados.h"
#include "ui/figura/TracadoFluxogramaResultados.h"
#include "ui/vistas/ModeloCorrentes.h"
#include "ui/vistas/VistaFluxograma.h"

namespace {

ResultadoUsina RodadaFluxograma(bool comTurbina) {
    EntradasUsina e;
    e.comTurbinaAlta = comTurbina;
    ResultadoUsina r;
    CalcularUsina(e, r);
    return r;
}

}  // namespace

// Each box found at its drawn place, its corners inside and just outside,
// at the natural size, a wide area and a tall one (the drawing centred).
TEST(FluxogramaDicas, CaixaNaPosicaoEmQualquerEscala) {
    const ResultadoUsina r = RodadaFluxograma(true);
    const auto caixas = CaixasValores(r);
    ASSERT_GT(caixas.size(), 10u);
    for (const QRectF area : {QRectF(0, 0, LarguraTracado, AlturaTracado), QRectF(10, 20, 1600, 500),
                              QRectF(0, 0, 500, 900)}) {
        const QRectF destino = RetanguloFluxogramaResultados(area);
        const double escala = destino.width() / LarguraTracado;
        for (const auto& [rotulo, logico] : caixas) {
            const QRectF caixa(destino.topLeft() + logico.topLeft() * escala, logico.size() * escala);
            EXPECT_EQ(CaixaNaArea(r, area, rotulo), caixa);
            EXPECT_EQ(RotuloNaPosicao(r, area, caixa.center()), rotulo);
            EXPECT_EQ(RotuloNaPosicao(r, area, caixa.topLeft() + QPointF(0.5, 0.5)), rotulo);
            EXPECT_NE(RotuloNaPosicao(r, area, caixa.topLeft() - QPointF(0.5, 0.5)), rotulo);
            EXPECT_NE(RotuloNaPosicao(r, area, caixa.bottomRight() + QPointF(0.5, 0.5)), rotulo);
        }
        EXPECT_EQ(RotuloNaPosicao(r, area, destino.topLeft()), -1);
    }
    // A run that did not finish has no boxes.
    ResultadoUsina interrompido = r;
    interrompido.situacao = SituacaoCalculo::SemCalculo;
    EXPECT_EQ(RotuloNaPosicao(interrompido, QRectF(0, 0, 1100, 640), caixas.front().second.center()), -1);
}

// On the view: each stream's tooltip holds h, s, ex and the state as the
// table shows them; a click names the stream; a shaft's box, or no box,
// does neither. Both configurations.
TEST(FluxogramaDicas, DicaEClique) {
    for (bool comTurbina : {true, false}) {
        const ResultadoUsina r = RodadaFluxograma(comTurbina);
        ModeloCorrentes tabela;
        tabela.DefinirResultado(r, ",");
        VistaFluxograma vista;
        vista.resize(1100, 700);
        vista.show();
        vista.MostrarResultado(r);
        QApplication::processEvents();
        QSignalSpy escolhida(&vista, &VistaFluxograma::correnteEscolhida);
        int correntes = 0, outras = 0;
        for (const auto& [rotulo, logico] : CaixasValores(r)) {
            const QPoint centro = CaixaNaArea(r, vista.AreaDesenho(), rotulo).center().toPoint();
            const int linha = tabela.LinhaDoRotulo(rotulo);
            if (linha < 0) {  // a shaft or the fuel
                ++outras;
                EXPECT_EQ(vista.CorrenteNaPosicao(centro), -1) << rotulo;
                QTest::mouseClick(&vista, Qt::LeftButton, {}, centro);
                EXPECT_EQ(escolhida.size(), correntes);
                continue;
            }
            ++correntes;
            EXPECT_EQ(vista.CorrenteNaPosicao(centro), rotulo);
            const QString dica = vista.DicaCorrente(rotulo);
            EXPECT_TRUE(dica.startsWith(QString::number(rotulo) + " – ")) << dica.toStdString();
            for (int coluna : {ModeloCorrentes::ColunaEntalpia, ModeloCorrentes::ColunaEntropia,
                               ModeloCorrentes::ColunaExergia, ModeloCorrentes::ColunaEstado,
                               ModeloCorrentes::ColunaPressao})
                EXPECT_TRUE(dica.contains("\n" + ModeloCorrentes::Cabecalho(coluna) + ": " +
                                          tabela.Texto(linha, coluna) + (coluna == ModeloCorrentes::ColunaEstado ? "" : "\n")))
                    << rotulo << " " << coluna << "\n" << dica.toStdString();
            // Hovered: the tooltip is that text.
            QHelpEvent ajuda(QEvent::ToolTip, centro, vista.mapToGlobal(centro));
            QApplication::sendEvent(&vista, &ajuda);
            EXPECT_EQ(QToolTip::text(), dica);
            QTest::mouseClick(&vista, Qt::LeftButton, {}, centro);
            ASSERT_EQ(escolhida.size(), correntes);
            EXPECT_EQ(escolhida.back().at(0).toInt(), rotulo);
        }
        EXPECT_GT(correntes, 10);
        EXPECT_GT(outras, 0);
        // Off every box: no tooltip, no stream.
        const QPoint fora = vista.AreaDesenho().topLeft().toPoint() + QPoint(1, 1);
        EXPECT_EQ(vista.CorrenteNaPosicao(fora), -1);
        QHelpEvent ajuda(QEvent::ToolTip, fora, vista.mapToGlobal(fora));
        QApplication::sendEvent(&vista, &ajuda);
        QTest::qWait(50);
        EXPECT_FALSE(QToolTip::isVisible());
        QTest::mouseClick(&vista, Qt::LeftButton, {}, fora);
        EXPECT_EQ(escolhida.size(), correntes);
    }
}
