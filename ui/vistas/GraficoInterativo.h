// A chart view shared by the plots of a run: zoom by a dragged rectangle or
// the wheel, pan by dragging with the right or middle button or with the
// arrow keys, and the export of what is shown to a PNG or SVG file.
#pragma once

#include <QChartView>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

class GraficoInterativo : public QChartView {
    Q_OBJECT

public:
    explicit GraficoInterativo(QChart* grafico, QWidget* pai = nullptr);

    // Off: a fixed chart (bars); on: zoom and pan as above.
    void PermitirZoom(bool permitir);

    // Zoom about the centre: factor > 1 enlarges.
    void Ampliar(double fator);
    // Moves the plot by pixels (positive dx shows what lies to the right).
    void Deslocar(double dx, double dy);

protected:
    void wheelEvent(QWheelEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    bool zoom_ = false;
    bool arrastando_ = false;
    QPoint ultimo_;
};

// The formats a chart is exported to, for the file chooser.
QStringList FiltrosExportacaoGrafico();   // "Imagem PNG (*.png)", "Desenho SVG (*.svg)"
QStringList SufixosExportacaoGrafico();   // "png", "svg"

// Writes the chart as shown (zoom included) to caminho, PNG at twice the
// view's pixels or SVG by its suffix, atomically. Throws ErroArquivo.
void ExportarGrafico(QChartView* vista, const QString& caminho, const QString& titulo);

// How a view asks for an export's file name and whether it may replace a file.
using EscolhaArquivoGrafico = std::function<QString(
    const QString& titulo, const QString& inicial, const QStringList& filtros,
    const QStringList& sufixos)>;
using ConfirmacaoSubstituirGrafico = std::function<bool(const QString& caminho)>;

// The whole "Exportar…" of a chart view: asks for the name (the format used
// last first), refuses another suffix, asks before replacing, writes, and
// remembers the name in ultimoArquivo. Errors are thrown for the general
// handler.
void ExportarGraficoPerguntando(QChartView* vista, const QString& titulo,
                                QString& ultimoArquivo, const EscolhaArquivoGrafico& escolha,
                                const ConfirmacaoSubstituirGrafico& confirmacao);
