// Printing the flowsheet picture: the dialogues behind a small interface so
// that tests can confirm or cancel them and print into a PDF file.
#pragma once

#include <QImage>
#include <QRect>

#include "properties/Erros.h"

class QPrinter;
class QWidget;

// No printer to print on, a printer that cannot be used, or a job that could
// not be started; nothing was printed.
class ErroImpressao : public ErroUsina {
public:
    using ErroUsina::ErroUsina;
};

class DialogosImpressao {
public:
    virtual ~DialogosImpressao() = default;
    // The print dialogue; true when the user confirmed.
    virtual bool ConfirmarImpressao(QPrinter& impressora) = 0;
    // The printer set-up dialogue; its choices stay in impressora.
    virtual void ConfigurarImpressora(QPrinter& impressora) = 0;
};

// The real Qt dialogues, parented to the main window.
class DialogosImpressaoQt : public DialogosImpressao {
public:
    explicit DialogosImpressaoQt(QWidget* pai) : pai_(pai) {}
    bool ConfirmarImpressao(QPrinter& impressora) override;
    void ConfigurarImpressora(QPrinter& impressora) override;

private:
    QWidget* pai_;
};

// Rectangle (device pixels, from the top left of the printable area) into
// which a picture of largura x altura pixels is stretched on a page whose
// printable area is larguraPagina x alturaPagina.
QRect RetanguloImpressao(int larguraPagina, int alturaPagina, int largura, int altura);

// "Imprimir": dialogue, then one page with the picture; cancel prints nothing.
// Throws ErroImpressao ("There is no default printer currently selected",
// "Printer selected is not valid", "Cannot start the print job").
void ImprimirFluxograma(DialogosImpressao& dialogos, QPrinter& impressora, const QImage& figura);
