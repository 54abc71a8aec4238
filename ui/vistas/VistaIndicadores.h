// The cogeneration indicators of the last finished run in a view of its
// own: a table of indicators (value, unit, what it means) and the split of
// the exergy destroyed among the equipment, with the estimated figures
// marked and the source of the bagasse's exergy factor stated under them.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <string>

#include "plant/IndicadoresUsina.h"
#include "plant/ResultadoUsina.h"
#include "ui/comum/FormatoResultados.h"

class QBoxLayout;
class QLabel;
class QTableWidget;

class VistaIndicadores : public QWidget {
    Q_OBJECT

public:
    explicit VistaIndicadores(QWidget* pai = nullptr);

    // Shows a finished run's indicators and clears the stale notice;
    // anything but a finished run empties the view back to "no finished run".
    void MostrarResultado(const ResultadoUsina& resultado);
    // Shows or hides the line saying the results no longer match the inputs.
    void MarcarDesatualizado(bool desatualizado);

    QLabel* AvisoDesatualizado;
    QLabel* AvisoSemCalculo;
    QWidget* Conteudo;                // the two tables and the note, hidden before a run
    QTableWidget* TabelaIndicadores;  // indicator, value, unit, explanation
    QLabel* ExplicacaoIndicador;      // the current indicator's explanation, when narrow
    QTableWidget* TabelaDestruicao;   // equipment, kW, % of the total
    QTableWidget* TabelaBalancos;     // balance, residual, share of what it carries
    QLabel* NotaEstimativa;           // the fuel exergy factor and its source

    // Below this width (pixels) the explanations leave their column for the
    // line under the table.
    static constexpr int LarguraLarga = 900;
    // From this width (pixels) the exergy destruction sits beside the
    // indicators instead of below them.
    static constexpr int LarguraLadoALado = 1700;

protected:
    void changeEvent(QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void Retraduzir();
    void Preencher();  // the tables from indicadores_, in the window's language
    void Dispor();
    void MostrarExplicacao();
    void AcompanharAltura(QTableWidget* tabela);

    std::optional<IndicadoresUsina> indicadores_;  // of the run shown
    QBoxLayout* disposicao_;
};
