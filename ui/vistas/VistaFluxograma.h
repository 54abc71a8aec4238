// The flowsheet with results as a view of its own: the drawing scaled to the
// widget, a notice while the results no longer match the inputs, and the
// export of the drawing to a PNG, SVG or PDF file.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

#include "plant/ResultadoUsina.h"
#include "ui/comum/DialogosArquivo.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

class VistaFluxograma : public QWidget {
    Q_OBJECT

public:
    explicit VistaFluxograma(QWidget* pai = nullptr);

    // A run's results (a copy is kept); a run that did not finish shows its
    // configuration without values. Clears the stale notice.
    void MostrarResultado(const ResultadoUsina& resultado);
    // While true, a notice says the values no longer match the inputs and
    // the values are drawn greyed.
    void MarcarDesatualizado(bool desatualizado);
    bool Desatualizado() const { return desatualizado_; }

    // How the export asks for a file name: title, initial path, filters
    // ("Imagem PNG (*.png)") and their suffixes ("png"); empty when
    // cancelled. The window passes its file dialogues; by default the
    // standard dialogue.
    using EscolhaArquivo = ::EscolhaArquivo;
    void DefinirEscolhaArquivo(EscolhaArquivo escolha);
    // Whether an existing file may be replaced; by default the standard
    // question.
    using ConfirmacaoSubstituir = std::function<bool(const QString& caminho)>;
    void DefinirConfirmacaoSubstituir(ConfirmacaoSubstituir confirmacao);

    // The decimal separator of the values; the user's by default.
    void DefinirSeparador(const std::string& separador);

    // "Exportar…": asks for a name and writes the format its suffix names.
    // Errors go to the general handler.
    void ExportarClick();

    // Where the drawing goes, in widget coordinates.
    QRectF AreaDesenho() const;

protected:
    void changeEvent(QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    void Exportar();

    std::optional<ResultadoUsina> resultado_;
    bool desatualizado_ = false;
    std::string separador_;
    QString ultimoArquivo_;
    EscolhaArquivo escolha_;
    ConfirmacaoSubstituir confirmacao_;
    QVBoxLayout* layout_ = nullptr;
    QLabel* aviso_ = nullptr;
    QPushButton* exportar_ = nullptr;
};
