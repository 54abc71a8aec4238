#include "ui/ajuda/DialogoSobre.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <QtGlobal>

#include "ui/ajuda/ManualUsina.h"
#include "ui/comum/IconeUsina.h"

#ifndef USINA_VERSAO
#error "USINA_VERSAO must be defined by the build (the project's version)"
#endif

QString VersaoUsina() { return QStringLiteral(USINA_VERSAO); }

QString TextoLicenca(const QString& copyright) {
    // Debian's machine-readable format: a stand-alone "License:" paragraph
    // holds the text on lines indented by one space, " ." for a blank line.
    const QStringList linhas = copyright.split('\n');
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        if (!linhas[i].startsWith("License:")) continue;
        QStringList texto;
        for (qsizetype j = i + 1; j < linhas.size() && linhas[j].startsWith(' '); ++j)
            texto << (linhas[j] == " ." ? QString() : linhas[j].mid(1));
        if (!texto.isEmpty()) return texto.join('\n');
    }
    return {};
}

DialogoSobre::DialogoSobre(QWidget* pai) : QDialog(pai) {
    setObjectName("DialogoSobre");

    auto* icone = new QLabel(this);
    icone->setPixmap(IconeUsina().pixmap(64, 64));
    icone->setAlignment(Qt::AlignTop);

    Texto = new QLabel(this);
    Texto->setObjectName("TextoSobre");
    Texto->setTextFormat(Qt::RichText);
    Texto->setWordWrap(true);
    Texto->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // The licence is shown as packaged, in its own language.
    Licenca = new QPlainTextEdit(this);
    Licenca->setObjectName("Licenca");
    Licenca->setReadOnly(true);
    Licenca->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Licenca->setLineWrapMode(QPlainTextEdit::NoWrap);
    RegistrarRecursosAjuda();
    QFile copyright(":/sobre/copyright");
    if (copyright.open(QIODevice::ReadOnly))
        Licenca->setPlainText(TextoLicenca(QString::fromUtf8(copyright.readAll())));

    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* topo = new QHBoxLayout;
    topo->addWidget(icone);
    topo->addWidget(Texto, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topo);
    layout->addWidget(Licenca, 1);
    layout->addWidget(botoes);
    Retraduzir();
    resize(620, 520);
}

void DialogoSobre::Retraduzir() {
    setWindowTitle(tr("Sobre o usina"));
    Texto->setText(
        "<h2>usina " + VersaoUsina().toHtmlEscaped() + "</h2><p>" +
        tr("Cálculo do sistema de potência e cogeração de uma usina de açúcar e álcool que "
           "queima o próprio bagaço.") +
        "</p><p>" +
        tr("Propriedades da água e do vapor: pacote próprio do programa, sobre a equação "
           "fundamental publicada em") +
        "</p><p style=\"margin-left: 16px\">Keenan, J. H.; Keyes, F. G.; Hill, P. G.; Moore, J. G. "
        "<i>Steam Tables: "
        "Thermodynamic Properties of Water Including Vapor, Liquid, and Solid Phases</i>. "
        "New York: Wiley, 1969.</p><p>" +
        tr("Feito com Qt %1 (compilado com Qt %2).")
            .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR)) +
        "</p><p>" + tr("Copyright © 2026 Projeto usina. Distribuído sob a licença MIT:") +
        "</p>");
}

void DialogoSobre::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::LanguageChange) Retraduzir();
    QDialog::changeEvent(evento);
}
