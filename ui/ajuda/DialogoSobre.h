// "Sobre o usina": the program's name, version and purpose, the source of its
// water and steam properties, the Qt it runs on and its licence.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;

// The program's version, as the build's project version gives it ("0.1.0").
QString VersaoUsina();

// The licence's text from the packaged copyright file (the paragraph of
// the licence named there, continuation lines unindented); empty when the
// file does not hold one.
QString TextoLicenca(const QString& copyright);

class DialogoSobre : public QDialog {
    Q_OBJECT

public:
    explicit DialogoSobre(QWidget* pai = nullptr);

    QLabel* Texto = nullptr;          // name, version, purpose, reference, Qt
    QPlainTextEdit* Licenca = nullptr;  // the licence, verbatim

protected:
    // The texts follow the window's language; the licence stays as packaged.
    void changeEvent(QEvent* evento) override;

private:
    void Retraduzir();
};
