// The printer set-up dialogue of "Cofigurar Impressora": which printer (one
// of the system's, or a PDF file), the paper, the orientation, and the page
// set-up and the printer's own options through Qt's dialogues. Nothing
// reaches the printer setting until OK; Cancelar changes nothing.
#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

class DialogoConfiguracaoImpressora : public QDialog {
public:
    // impressoras: the system's printer names (QPrinterInfo's by default);
    // "Arquivo PDF" is always offered after them.
    DialogoConfiguracaoImpressora(QPrinter& impressora, const QStringList& impressoras,
                                  QWidget* pai = nullptr);
    DialogoConfiguracaoImpressora(QPrinter& impressora, QWidget* pai = nullptr);

    // Applies the choices to the printer and closes; a PDF without a file
    // name is not accepted.
    void accept() override;

    // The components, named as their objectName, for the tests.
    QComboBox* Impressoras = nullptr;
    QLineEdit* ArquivoPdf = nullptr;
    QPushButton* Procurar = nullptr;
    QComboBox* Papel = nullptr;
    QRadioButton* Retrato = nullptr;
    QRadioButton* Paisagem = nullptr;
    QPushButton* Pagina = nullptr;
    QPushButton* Propriedades = nullptr;
    QLabel* Aviso = nullptr;

protected:
    // The texts follow the window's language.
    void changeEvent(QEvent* evento) override;

private:
    void Retraduzir();
    static QString TextoAvisoPdf();
    bool PdfEscolhido() const;
    void ImpressoraEscolhida();
    void MostrarRascunho();
    void PreencherPapeis();
    void LerPapelEOrientacao();
    void AbrirPagina();
    void AbrirPropriedades();

    QPrinter& impressora_;
    // The choices so far, on a printer of their own: Qt's page set-up and
    // print dialogues work on it, and OK copies it to the real one.
    std::unique_ptr<QPrinter> rascunho_;
    QLabel* rotulos_[4] = {};  // Impressora, Arquivo, Papel, Orientação
    QPushButton* cancelar_ = nullptr;
};

// Copies what the set-up dialogue chooses from one printer to another:
// printer or PDF file, page layout, duplex, colour, copies, paper source and
// the driver's own options.
void CopiarConfiguracao(const QPrinter& de, QPrinter& para);
