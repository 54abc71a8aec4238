// The cogeneration indicators of the last finished run in a view of its
// own: a table of indicators (value, unit, what it means) and the split of
// the exergy destroyed among the equipment, with the estimated figures
// marked and the source of the bagasse's exergy factor stated under them.
#pragma once

#include <optional>

#include "plant/IndicadoresUsina.h"
#include "ui/comum/FormatoResultados.h"
#include "ui/vistas/VistaResultado.h"

class QBoxLayout;
class QLabel;
class QTableWidget;

class VistaIndicadores : public VistaResultado {
    Q_OBJECT

public:
    explicit VistaIndicadores(QWidget* pai = nullptr);

    // The content: the tables and the note.
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
    void Preencher() override;
    void changeEvent(QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void Retraduzir();
    void PreencherTabelas();  // from indicadores_, in the window's language
    void Dispor();
    void MostrarExplicacao();
    void AcompanharAltura(QTableWidget* tabela);

    std::optional<IndicadoresUsina> indicadores_;  // of the run shown
    QBoxLayout* disposicao_;
};
