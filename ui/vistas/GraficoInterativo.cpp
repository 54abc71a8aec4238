#include "ui/vistas/GraficoInterativo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "io/ErrosArquivo.h"
#include "ui/comum/DesenhoArquivo.h"
#include "ui/comum/GravarArquivo.h"

namespace {

constexpr double FatorRoda = 1.25;   // zoom per wheel notch
constexpr double PassoTeclado = 40;  // pixels per arrow key
constexpr int EscalaPng = 2;         // PNG pixels per view pixel

const char* const MensagemSufixo = QT_TRANSLATE_NOOP(
    "GraficoInterativo", "Escolha um nome terminado em .png ou .svg para exportar o gráfico");

}  // namespace

GraficoInterativo::GraficoInterativo(QChart* grafico, QWidget* pai) : QChartView(grafico, pai) {
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
}

void GraficoInterativo::PermitirZoom(bool permitir) {
    zoom_ = permitir;
    setRubberBand(permitir ? QChartView::RectangleRubberBand : QChartView::NoRubberBand);
}

void GraficoInterativo::Ampliar(double fator) {
    if (zoom_) chart()->zoom(fator);
}

void GraficoInterativo::Deslocar(double dx, double dy) {
    if (zoom_) chart()->scroll(dx, dy);
}

void GraficoInterativo::wheelEvent(QWheelEvent* evento) {
    if (!zoom_) return QChartView::wheelEvent(evento);
    const int passos = evento->angleDelta().y() / 120;
    if (passos != 0) Ampliar(std::pow(FatorRoda, passos));
    evento->accept();
}

void GraficoInterativo::mousePressEvent(QMouseEvent* evento) {
    // The right button would zoom out in the base view: here it pans.
    if (zoom_ && (evento->button() == Qt::RightButton || evento->button() == Qt::MiddleButton)) {
        arrastando_ = true;
        ultimo_ = evento->position().toPoint();
        setCursor(Qt::ClosedHandCursor);
        evento->accept();
        return;
    }
    QChartView::mousePressEvent(evento);
}

void GraficoInterativo::mouseMoveEvent(QMouseEvent* evento) {
    if (arrastando_) {
        const QPoint agora = evento->position().toPoint();
        const QPoint d = agora - ultimo_;
        Deslocar(-d.x(), d.y());
        ultimo_ = agora;
        evento->accept();
        return;
    }
    QChartView::mouseMoveEvent(evento);
}

void GraficoInterativo::mouseReleaseEvent(QMouseEvent* evento) {
    if (arrastando_ &&
        (evento->button() == Qt::RightButton || evento->button() == Qt::MiddleButton)) {
        arrastando_ = false;
        unsetCursor();
        evento->accept();
        return;
    }
    QChartView::mouseReleaseEvent(evento);
}

void GraficoInterativo::keyPressEvent(QKeyEvent* evento) {
    if (zoom_) {
        switch (evento->key()) {
        case Qt::Key_Left: Deslocar(-PassoTeclado, 0); return;
        case Qt::Key_Right: Deslocar(PassoTeclado, 0); return;
        case Qt::Key_Up: Deslocar(0, PassoTeclado); return;
        case Qt::Key_Down: Deslocar(0, -PassoTeclado); return;
        case Qt::Key_Plus: Ampliar(FatorRoda); return;
        case Qt::Key_Minus: Ampliar(1.0 / FatorRoda); return;
        default: break;
        }
    }
    QChartView::keyPressEvent(evento);
}

PoliticaExportacao PoliticaExportacaoGrafico(const char* nomeInicial) {
    return {"GraficoInterativo",
            {{QT_TRANSLATE_NOOP("GraficoInterativo", "Imagem PNG (*.png)"), "png"},
             {QT_TRANSLATE_NOOP("GraficoInterativo", "Desenho SVG (*.svg)"), "svg"}},
            nomeInicial,
            SufixoExportacao::Exigido,
            MensagemSufixo,
            true};
}

void GravarGrafico(QChartView* vista, const QString& caminho, const QString& titulo) {
    const QString sufixo = QFileInfo(caminho).suffix().toLower();
    const QRectF origem = vista->sceneRect();
    const Desenho desenhar = [&](QPainter& pintor, const QRectF& area) {
        vista->scene()->render(&pintor, area, origem);
    };
    if (sufixo == "svg")
        GravarArquivo(caminho, DesenhoSvg(origem.size(), titulo, desenhar));
    else if (sufixo == "png")
        GravarArquivo(caminho, DesenhoPng(origem.size().toSize() * EscalaPng, desenhar));
    else
        throw ErroArquivo(QCoreApplication::translate("GraficoInterativo", MensagemSufixo).toStdString());
}

void ExportarGrafico(ExportacaoVista& exportacao, QChartView* vista, const QString& titulo) {
    exportacao.Exportar(titulo, [&](const QString& caminho, const QString&) {
        GravarGrafico(vista, caminho, titulo);
    });
}
