// "Arquivo → Propriedades do caso…": the case's description, typed and read
// as plain text (it comes from other people's files too: never markup).
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;

class DialogoPropriedadesCaso : public QDialog {
    Q_OBJECT

public:
    // nomeCaso as the title bar shows it; descricao as the case holds it.
    DialogoPropriedadesCaso(const QString& nomeCaso, const QString& descricao,
                            QWidget* pai = nullptr);

    QString Descricao() const;  // as typed

    QLabel* NomeCaso;
    QPlainTextEdit* CampoDescricao;
};
