#include "ui/vistas/GraficoInterativo.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgGenerator>
#include <QWheelEvent>
#include <cmath>

#include "properties/Erros.h"
#include "ui/comum/DialogosArquivo.h"
#include "ui/comum/GravarArquivo.h"

namespace {

constexpr double FatorRoda = 1.25;   // zoom per wheel notch
constexpr double PassoTeclado = 40;  // pixels per arrow key
constexpr int EscalaPng = 2;         // PNG pixels per view pixel

QString MensagemSufixo() {
    return QCoreApplication::translate(
        "GraficoInterativo", "Escolha um nome terminado em .png ou .svg para exportar o gráfico");
}

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

QStringList FiltrosExportacaoGrafico() {
    return {QCoreApplication::translate("GraficoInterativo", "Imagem PNG (*.png)"),
            QCoreApplication::translate("GraficoInterativo", "Desenho SVG (*.svg)")};
}

QStringList SufixosExportacaoGrafico() { return {"png", "svg"}; }

void ExportarGrafico(QChartView* vista, const QString& caminho, const QString& titulo) {
    const QString sufixo = QFileInfo(caminho).suffix().toLower();
    const QRectF origem = vista->sceneRect();
    QByteArray bytes;
    QBuffer saida(&bytes);
    saida.open(QIODevice::WriteOnly);
    if (sufixo == "svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&saida);
        svg.setSize(origem.size().toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), origem.size()));
        svg.setTitle(titulo);
        QPainter pintor;
        if (!pintor.begin(&svg)) throw ErroArquivo("SVG error");
        pintor.fillRect(QRectF(QPointF(0, 0), origem.size()), Qt::white);
        vista->scene()->render(&pintor, QRectF(QPointF(0, 0), origem.size()), origem);
        pintor.end();
    } else if (sufixo == "png") {
        QImage imagem(origem.size().toSize() * EscalaPng, QImage::Format_RGB32);
        if (imagem.isNull()) throw std::bad_alloc();
        imagem.fill(Qt::white);
        {
            QPainter pintor(&imagem);
            pintor.setRenderHint(QPainter::Antialiasing);
            vista->scene()->render(&pintor, QRectF(imagem.rect()), origem);
        }
        if (!imagem.save(&saida, "PNG")) throw ErroArquivo("PNG error");
    } else {
        throw ErroArquivo(MensagemSufixo().toStdString());
    }
    GravarArquivo(caminho, bytes);
}

void ExportarGraficoPerguntando(QChartView* vista, const QString& titulo,
                                QString& ultimoArquivo, const EscolhaArquivoGrafico& escolha,
                                const ConfirmacaoSubstituirGrafico& confirmacao) {
    QStringList filtros = FiltrosExportacaoGrafico(), sufixos = SufixosExportacaoGrafico();
    // The format used last comes first.
    const qsizetype ultimo = sufixos.indexOf(QFileInfo(ultimoArquivo).suffix().toLower());
    if (ultimo > 0) {
        filtros.move(ultimo, 0);
        sufixos.move(ultimo, 0);
    }
    const QString escolhido =
        escolha ? escolha(titulo, ultimoArquivo, filtros, sufixos)
                : DialogosArquivoQt(vista).EscolherArquivoParaGravar(titulo, ultimoArquivo,
                                                                      filtros, sufixos);
    if (escolhido.isEmpty()) return;
    if (!sufixos.contains(QFileInfo(escolhido).suffix().toLower()))
        throw ErroArquivo(MensagemSufixo().toStdString());
    if (QFileInfo::exists(escolhido)) {
        const bool substituir = confirmacao ? confirmacao(escolhido)
                                            : DialogosArquivoQt(vista).ConfirmarSubstituir(escolhido);
        if (!substituir) return;
    }
    ExportarGrafico(vista, escolhido, titulo);
    ultimoArquivo = QFileInfo(escolhido).absoluteFilePath();
}
