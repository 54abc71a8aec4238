// The stream table of the last finished run in a view of its own: every
// label's flow, pressure, temperature, enthalpy, entropy, exergy and state,
// copied to the clipboard with Ctrl+C and exported as CSV.
#pragma once

#include <QString>

#include "ui/vistas/VistaResultado.h"

class QPushButton;
class QTableView;
class ModeloCorrentes;

class VistaCorrentes : public VistaResultado {
    Q_OBJECT

public:
    explicit VistaCorrentes(QWidget* pai = nullptr);

    // The selected cells' bounding rectangle as the clipboard gets it: the
    // columns' headers, then one line per row, cells as shown, separated by
    // tabs (unselected cells inside the rectangle are empty). Empty without
    // a selection.
    QString TextoSelecao() const;
    // Writes the table as CSV to caminho. Throws ErroResultadoIncompleto
    // before any run, ErroArquivo when the file cannot be written.
    void ExportarCsv(const QString& caminho) const;

    const ModeloCorrentes& Modelo() const { return *modelo_; }
    // Selects the row of a flowsheet label and scrolls to it; false (the
    // selection as it was) for a label without a stream.
    bool SelecionarRotulo(int rotulo);

    QTableView* Tabela;  // the content
    QPushButton* BotaoExportar;

protected:
    void Preencher() override;
    void changeEvent(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void AjustarUltimaColuna();
    void CopiarSelecao() const;
    void ExportarClick();

    ModeloCorrentes* modelo_;
};
