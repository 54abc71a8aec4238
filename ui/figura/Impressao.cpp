#include "ui/figura/Impressao.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "io/GravacaoAtomica.h"
#include "ui/comum/GravarArquivo.h"
#include "ui/figura/DialogoConfiguracaoImpressora.h"

bool DialogosImpressaoQt::ConfirmarImpressao(QPrinter& impressora) {
    QPrintDialog dialogo(&impressora, pai_);
    dialogo.setWindowTitle(QCoreApplication::translate("Impressao", "Imprimir"));
    return dialogo.exec() == QDialog::Accepted;
}

// The set-up dialogue: printer, paper, orientation, page set-up and the
// printer's own options; what is confirmed becomes the printer setting every
// later print starts from, and Cancelar leaves the printer untouched.
void DialogosImpressaoQt::ConfigurarImpressora(QPrinter& impressora) {
    DialogoConfiguracaoImpressora dialogo(impressora, pai_);
    dialogo.exec();
}

QRect RetanguloImpressao(int larguraPagina, int alturaPagina, int largura, int altura) {
    if (largura <= 0 || altura <= 0) return {};
    // Single precision on purpose: the sizes must come out to the same
    // device pixel as the printed page always has.
    float w = static_cast<float>(largura);
    float h = static_cast<float>(altura);
    const float razao = w / h;
    const float lp = static_cast<float>(larguraPagina);
    const float ap = static_cast<float>(alturaPagina);

    // Enlarge only when the page has room in both directions.
    if (lp > w && ap > h) {
        if (w < h) {
            h = ap;
            w = h * razao;
        } else {
            w = lp;
            h = w / razao;
        }
    }
    if (lp < w) {
        w = lp;
        h = w / razao;
    }
    if (ap < h) {
        h = ap;
        w = h * razao;
    }
    // Cut toward zero: the picture never spills past the printable area.
    return QRect(0, 0, static_cast<int>(w), static_cast<int>(h));
}

namespace {

// A printer whose output would go nowhere is refused before a job starts.
// Without any installed printer Qt falls back to PDF output with no file.
void VerificarImpressora(const QPrinter& impressora) {
    const bool semDestino = impressora.outputFormat() == QPrinter::PdfFormat
                                ? impressora.outputFileName().isEmpty()
                                : impressora.printerName().isEmpty();
    if (semDestino) throw ErroImpressao("There is no default printer currently selected");
    if (!impressora.isValid()) throw ErroImpressao("Printer selected is not valid");
    // Qt opens the PDF file itself: a FIFO there would block the window.
    if (impressora.outputFormat() == QPrinter::PdfFormat) {
        try {
            ExigirDestinoComum(QFile::encodeName(impressora.outputFileName()).toStdString());
        } catch (const ErroGravacao& erro) {
            LancarErroGravacao(impressora.outputFileName(), erro);
        }
    }
}

}  // namespace

void ImprimirFluxograma(DialogosImpressao& dialogos, QPrinter& impressora, const QImage& figura) {
    if (!dialogos.ConfirmarImpressao(impressora)) return;
    VerificarImpressora(impressora);

    // The painter's destructor ends the job also when drawing throws.
    QPainter pintor;
    if (!pintor.begin(&impressora)) throw ErroImpressao("Cannot start the print job");
    const QRectF area = impressora.pageRect(QPrinter::DevicePixel);
    const QRect destino = RetanguloImpressao(static_cast<int>(area.width()),
                                             static_cast<int>(area.height()),
                                             figura.width(), figura.height());
    pintor.drawImage(destino, figura);
    pintor.end();
}
