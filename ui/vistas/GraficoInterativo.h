// A chart view shared by the plots of a run: zoom by a dragged rectangle or
// the wheel, pan by dragging with the right or middle button or with the
// arrow keys, and the export of what is shown to a PNG or SVG file.
#pragma once

#include <QChartView>
#include <QPoint>
#include <QString>

#include "ui/comum/ExportacaoVista.h"

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

// The export of a chart view: a PNG ("Imagem PNG (*.png)") or an SVG
// ("Desenho SVG (*.svg)"), no other suffix, starting at nomeInicial and then
// at the last file written.
PoliticaExportacao PoliticaExportacaoGrafico(const char* nomeInicial);

// The chart as shown (zoom included), PNG at twice the view's pixels or SVG
// by caminho's suffix, written atomically. Throws ErroArquivo.
void GravarGrafico(QChartView* vista, const QString& caminho, const QString& titulo);

// The whole "Exportar…" of a chart view through its export. Errors are
// thrown for the general handler.
void ExportarGrafico(ExportacaoVista& exportacao, QChartView* vista, const QString& titulo);
