// The T-s diagram of the last finished run: the saturation dome, the
// plant's states as numbered points, each piece of equipment's path and the
// isobars of the plant's pressures, with zoom, pan and export.
#pragma once

#include <QRectF>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "plant/ResultadoUsina.h"
#include "ui/vistas/GraficoInterativo.h"

class QAbstractSeries;
class QLabel;
class QPushButton;
class QValueAxis;

class VistaDiagramaTs : public QWidget {
    Q_OBJECT

public:
    explicit VistaDiagramaTs(QWidget* pai = nullptr);

    // A finished run's diagram (a copy of the run is kept) and the stale
    // notice cleared; anything else empties the view back to "no finished run".
    void MostrarResultado(const ResultadoUsina& resultado);
    void MarcarDesatualizado(bool desatualizado);

    using EscolhaArquivo = EscolhaArquivoGrafico;
    void DefinirEscolhaArquivo(EscolhaArquivo escolha);
    using ConfirmacaoSubstituir = ConfirmacaoSubstituirGrafico;
    void DefinirConfirmacaoSubstituir(ConfirmacaoSubstituir confirmacao);

    // "Exportar…": PNG or SVG of the chart as shown; errors go to the
    // general handler.
    void ExportarClick();
    // Back to the whole diagram after zooming or panning.
    void RestaurarZoom();
    // The axes' ranges: s (kJ/(kg K)) across, T (degC) up.
    QRectF Faixa() const;

    QLabel* AvisoDesatualizado;
    QLabel* AvisoSemCalculo;
    QWidget* Conteudo;               // buttons, chart and the point line, hidden before a run
    QPushButton* BotaoRestaurarZoom;
    QPushButton* BotaoExportar;
    GraficoInterativo* Grafico;      // objectName "GraficoTs"
    QLabel* InfoPonto;               // the state under the mouse, or how to zoom

protected:
    void changeEvent(QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void Preencher();
    void FormatarEixos();

    std::optional<ResultadoUsina> resultado_;
    QRectF faixaCompleta_;  // s across, T up
    QValueAxis* eixoS_ = nullptr;
    QValueAxis* eixoT_ = nullptr;
    // How each series is named, and each state point described (property
    // "info"), in the window's language; the series are the chart's.
    std::vector<std::pair<QAbstractSeries*, std::function<QString()>>> nomes_;
    std::vector<std::pair<QObject*, std::function<QString()>>> infos_;
    QString ultimoArquivo_;
    EscolhaArquivo escolha_;
    ConfirmacaoSubstituir confirmacao_;
};
