// Which input moves an output most: the sensitivity of one output to every
// numeric input, each run at its value times (1 − step) and (1 + step), as a
// tornado chart (one horizontal bar per input from its low to its high
// output around the base case, the largest swing on top, values on hover)
// and a table with the inputs that could not be moved and why; CSV, PNG and
// SVG exports. The runs take a few milliseconds: they are made at once.
#pragma once

#include <functional>
#include <optional>

#include "plant/EntradasUsina.h"
#include "plant/Sensibilidade.h"
#include "ui/analise/VistaAnalise.h"
#include "ui/comum/ExportacaoVista.h"

class QBarSet;
class QChart;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTableWidget;
class QChartView;

class VistaSensibilidade : public VistaAnalise {
    Q_OBJECT

public:
    explicit VistaSensibilidade(QWidget* pai = nullptr);

    // Where the base case comes from when "Calcular" is pressed: the
    // window's inputs.
    void DefinirFonteEntradas(FonteEntradas fonte) override { fonte_ = std::move(fonte); }
    void DefinirEscolhaArquivo(EscolhaArquivo escolha) override;
    void DefinirConfirmacaoSubstituir(ConfirmacaoSubstituir confirmacao) override;

    // Runs the sensitivity of the chosen output around base and shows it;
    // throws what the core throws (an output the configuration leaves blank,
    // a base case refused).
    void Calcular(const EntradasUsina& base);
    void CalcularClick();
    void ExportarCsvClick();
    void ExportarGraficoClick();
    const std::optional<ResultadoSensibilidade>& Resultado() const { return resultado_; }

    QComboBox* Saida;
    QDoubleSpinBox* Passo;      // %
    QPushButton* BotaoCalcular;
    QPushButton* BotaoExportarCsv;
    QPushButton* BotaoExportarGrafico;
    QChartView* Grafico;
    QBarSet* Baixo;             // output at the low value less the base
    QBarSet* Alto;              // output at the high value less the base
    QTableWidget* Tabela;       // input, low, base, high, swing or reason
    QLabel* Situacao;

protected:
    void changeEvent(QEvent* evento) override;

private:
    void Preencher();
    void Retraduzir();
    void MostrarValor(bool dentro, int indice);

    FonteEntradas fonte_;
    std::optional<ResultadoSensibilidade> resultado_;
    std::vector<const LinhaSensibilidade*> barras_;  // bottom to top, as the chart
    QScrollArea* rolagem_ = nullptr;
    ExportacaoVista exportacaoCsv_;
    ExportacaoVista exportacaoGrafico_;
};
