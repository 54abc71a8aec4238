// The stream table of the last finished run in a view of its own: every
// label's flow, pressure, temperature, enthalpy, entropy, exergy and state,
// copied to the clipboard with Ctrl+C and exported as CSV.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <string>

#include "plant/ResultadoUsina.h"
#include "ui/comum/DialogosArquivo.h"

class QLabel;
class QPushButton;
class QTableView;
class ModeloCorrentes;

class VistaCorrentes : public QWidget {
    Q_OBJECT

public:
    // Asks for the name of a file to write: title, starting file, filters
    // "Descrição (*.ext)" and their suffixes; empty when cancelled. The view
    // does not ask about replacing an existing file (the write is atomic); a
    // chooser that should ask does so before it returns the name.
    using EscolhaArquivo = ::EscolhaArquivo;

    explicit VistaCorrentes(QWidget* pai = nullptr);

    // Shows a finished run (the view keeps its own copy of the table) and
    // clears the stale notice. Anything but a finished run empties the view
    // back to "no finished run".
    void MostrarResultado(const ResultadoUsina& resultado);
    // Shows or hides the line saying the results no longer match the inputs.
    void MarcarDesatualizado(bool desatualizado);
    // How "Exportar CSV…" asks for a file name; by default Qt's dialogue.
    void DefinirEscolhaArquivo(EscolhaArquivo escolha);

    // The selected cells' bounding rectangle as the clipboard gets it: the
    // columns' headers, then one line per row, cells as shown, separated by
    // tabs (unselected cells inside the rectangle are empty). Empty without
    // a selection.
    QString TextoSelecao() const;
    // Writes the table as CSV to caminho. Throws ErroResultadoIncompleto
    // before any run, ErroArquivo when the file cannot be written.
    void ExportarCsv(const QString& caminho) const;

    const ModeloCorrentes& Modelo() const { return *modelo_; }

    QLabel* AvisoDesatualizado;
    QLabel* AvisoSemCalculo;
    QTableView* Tabela;
    QPushButton* BotaoExportar;

protected:
    void changeEvent(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void AjustarUltimaColuna();
    void CopiarSelecao() const;
    void ExportarClick();

    ModeloCorrentes* modelo_;
    EscolhaArquivo escolha_;
};
