// The flowsheet with results as a view of its own: the drawing scaled to the
// widget, a notice while the results no longer match the inputs, and the
// export of the drawing to a PNG, SVG or PDF file.
#pragma once

#include <QRectF>
#include <string>

#include "ui/vistas/VistaResultado.h"

class QPushButton;
class QVBoxLayout;

class VistaFluxograma : public VistaResultado {
    Q_OBJECT

public:
    // Shows any run (a copy is kept): a run that did not finish draws its
    // configuration without values, and no run the plant with the
    // high-pressure turbine. While stale the values are drawn greyed.
    explicit VistaFluxograma(QWidget* pai = nullptr);

    // The decimal separator of the values; the user's by default.
    void DefinirSeparador(const std::string& separador);

    // "Exportar…": asks for a name and writes the format its suffix names.
    // Errors go to the general handler.
    void ExportarClick();

    // Where the drawing goes, in widget coordinates.
    QRectF AreaDesenho() const;

protected:
    void Preencher() override;
    void changeEvent(QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    std::string separador_;
    QVBoxLayout* layout_ = nullptr;
    QPushButton* exportar_ = nullptr;
};
