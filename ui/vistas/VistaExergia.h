// Where the last finished run destroys exergy, as a bar chart: one bar per
// piece of equipment, the process and the valve (kW), a table beside it with
// each bar's share of what is shown and the second-law efficiencies, and
// the chart's export. The boiler's bar rests on the estimated fuel exergy:
// it is shown only on request, lighter and marked.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plant/IndicadoresUsina.h"
#include "plant/ResultadoUsina.h"
#include "ui/vistas/GraficoInterativo.h"
#include "ui/vistas/VistaResultado.h"

class QBarSet;
class QBoxLayout;
class QChart;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

// One bar: the destruction figure of the indicators, its share of the bars
// shown and, where the plant has one, the equipment's second-law efficiency.
struct BarraExergia {
    std::string equipamento;                     // "Turbomoenda"
    double potencia = 0.0;                       // kW
    std::optional<double> parcela;               // % of the total shown; empty when it is zero
    std::optional<double> eficienciaSegundaLei;  // %
    bool estimativa = false;                     // rests on the fuel exergy
    // The medium-pressure turbine short of steam: no bar, no share, no
    // efficiency, out of the total; listed in the table as not physical.
    bool naoFisica = false;
};

// The bars, largest first, any that is not physical last. Without the boiler the shares are of the steam
// cycle's destruction alone; with it, of the whole (estimated) total.
std::vector<BarraExergia> BarrasExergia(const ResultadoUsina& resultado,
                                        const IndicadoresUsina& indicadores,
                                        bool incluirCaldeira);

class VistaExergia : public VistaResultado {
    Q_OBJECT

public:
    explicit VistaExergia(QWidget* pai = nullptr);

    // "Exportar…": PNG or SVG of the chart; errors go to the general handler.
    void ExportarClick();

    // The content: chart, table and notes.
    QCheckBox* IncluirCaldeira;       // off by default
    QPushButton* BotaoExportar;
    GraficoInterativo* Grafico;       // objectName "GraficoExergia"
    QBarSet* Barras;                  // one value per category, bottom to top
    QTableWidget* Tabela;             // equipment, kW, %, second-law efficiency
    QLabel* Base;                     // what the shares are of
    QLabel* NotaEstimativa;           // the plant's second-law efficiency and the factor's source

    // From this width (pixels) the table sits beside the chart.
    static constexpr int LarguraLadoALado = 1000;

protected:
    void Preencher() override;
    void changeEvent(QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void Retraduzir();       // title, axis, headers
    void PreencherGrafico();  // bars, table and notes, in the window's language
    void Dispor();

    std::optional<IndicadoresUsina> indicadores_;  // of the run shown
    QBoxLayout* disposicao_ = nullptr;
};
