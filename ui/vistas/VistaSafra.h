// The crushing season in a tab of its own: the seven season inputs as a form
// (with the checks and tooltips the written inputs have) and, from the last
// finished run, the season's figures: hours and cane, power at the
// generators, the mill's own and the exportable, energies, bagasse left
// over and revenues, money as "R$ 12.345.678,90". The window reads the form
// through the texts it emits and hands the run the inputs.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "plant/EntradasSafra.h"
#include "ui/vistas/VistaResultado.h"

class QLabel;
class QLineEdit;
class QTableWidget;

class VistaSafra : public VistaResultado {
    Q_OBJECT

public:
    explicit VistaSafra(QWidget* pai = nullptr);

    // Puts the inputs in the form as texts that read back to them.
    void DefinirEntradas(const EntradasSafra& entradas);
    // A form field's text by its name ("Ediasafra").
    QString Texto(const std::string& nome) const;

    std::vector<QLineEdit*> CamposSafra;  // in the season table's order
    QTableWidget* TabelaSafra = nullptr;  // figure, value, unit
    QLabel* LinhaAvisosSafra = nullptr;   // energy bought, bagasse missing

signals:
    // A form field's text changed (typed or put by DefinirEntradas).
    void TextoMudou(const std::string& nome, const QString& texto);

protected:
    void Preencher() override;
    void changeEvent(QEvent* evento) override;

private:
    void Retraduzir();
    std::vector<QLabel*> legendas_;
};
