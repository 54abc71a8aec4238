// The T-s diagram of the last finished run: the saturation dome, the
// plant's states as numbered points, each piece of equipment's path and the
// isobars of the plant's pressures, with zoom, pan and export.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "ui/vistas/GraficoInterativo.h"
#include "ui/vistas/VistaResultado.h"

class QAbstractSeries;
class QGraphicsLineItem;
class QGraphicsSimpleTextItem;
class QLabel;
class QPushButton;
class QValueAxis;

class VistaDiagramaTs : public VistaResultado {
    Q_OBJECT

public:
    explicit VistaDiagramaTs(QWidget* pai = nullptr);

    // "Exportar…": PNG or SVG of the chart as shown; errors go to the
    // general handler.
    void ExportarClick();
    // Back to the whole diagram after zooming or panning.
    void RestaurarZoom();
    // The axes' ranges: s (kJ/(kg K)) across, T (degC) up.
    QRectF Faixa() const;

    // The content: buttons, chart and the point line.
    QPushButton* BotaoRestaurarZoom;
    QPushButton* BotaoExportar;
    GraficoInterativo* Grafico;      // objectName "GraficoTs"
    QLabel* InfoPonto;               // the state under the mouse, or how to zoom

protected:
    void Preencher() override;
    void changeEvent(QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void FormatarEixos();
    // Puts the points' labels where none overlaps another or a point, for
    // the chart's size and zoom of the moment.
    void PosicionarRotulosTs();

    // A point's label drawn on the chart: its text, and the thin line back
    // to its point when it had to go further away.
    struct RotuloTs {
        QGraphicsSimpleTextItem* texto;
        QGraphicsLineItem* linha;
        QPointF valor;  // s, T
    };
    std::vector<RotuloTs> rotulos_;  // the states' first, then the isobars'

    QRectF faixaCompleta_;  // s across, T up
    QValueAxis* eixoS_ = nullptr;
    QValueAxis* eixoT_ = nullptr;
    // How each series is named, and each state point described (property
    // "info"), in the window's language; the series are the chart's.
    std::vector<std::pair<QAbstractSeries*, std::function<QString()>>> nomes_;
    std::vector<std::pair<QObject*, std::function<QString()>>> infos_;
};
