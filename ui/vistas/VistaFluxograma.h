// The flowsheet with results as a view of its own: the drawing scaled to the
// widget, a notice while the results no longer match the inputs, and the
// export of the drawing to a PNG, SVG or PDF file.
#pragma once

#include <QRectF>
#include <string>

#include "ui/vistas/VistaResultado.h"

class ModeloCorrentes;
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

    // The stream whose value box is at posicao (widget coordinates), or -1:
    // a shaft's or the fuel's box, or no box, is none.
    int CorrenteNaPosicao(const QPointF& posicao) const;
    // What hovering that stream's box shows: every property the stream
    // table has for it, as the table shows it; empty for no stream.
    QString DicaCorrente(int rotulo) const;

signals:
    // A click on a stream's value box: the window shows it in the stream table.
    void correnteEscolhida(int rotulo);

protected:
    void Preencher() override;
    void changeEvent(QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
    bool event(QEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    std::string separador_;
    QVBoxLayout* layout_ = nullptr;
    QPushButton* exportar_ = nullptr;
    ModeloCorrentes* correntes_ = nullptr;  // the run's streams, for the tooltips
};
