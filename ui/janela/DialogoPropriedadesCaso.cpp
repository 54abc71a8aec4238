#include "ui/janela/DialogoPropriedadesCaso.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

DialogoPropriedadesCaso::DialogoPropriedadesCaso(const QString& nomeCaso, const QString& descricao,
                                                 QWidget* pai)
    : QDialog(pai) {
    setObjectName("DialogoPropriedadesCaso");
    setWindowTitle(tr("Propriedades do caso"));
    NomeCaso = new QLabel(this);
    NomeCaso->setObjectName("NomeCaso");
    NomeCaso->setTextFormat(Qt::PlainText);  // a file's name, shown as it is
    NomeCaso->setText(nomeCaso);
    CampoDescricao = new QPlainTextEdit(this);
    CampoDescricao->setObjectName("CampoDescricao");
    CampoDescricao->setPlainText(descricao);
    CampoDescricao->setPlaceholderText(
        tr("O que este caso representa: usina, safra, hipóteses, autor…"));
    CampoDescricao->setTabChangesFocus(true);

    auto* formulario = new QFormLayout;
    formulario->addRow(tr("Caso:"), NomeCaso);
    formulario->addRow(tr("&Descrição:"), CampoDescricao);
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(formulario);
    coluna->addWidget(botoes);
    resize(480, 260);
}

QString DialogoPropriedadesCaso::Descricao() const { return CampoDescricao->toPlainText(); }
