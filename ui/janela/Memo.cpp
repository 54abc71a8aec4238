#include "ui/janela/Memo.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

QTextEdit* CriarMemo(const QString& nome, const QStringList& linhas, bool centralizado,
                     QWidget* pai) {
    auto* memo = new QTextEdit(pai);
    memo->setObjectName(nome);
    memo->setReadOnly(true);
    memo->setAcceptRichText(false);
    memo->setLineWrapMode(QTextEdit::NoWrap);
    DefinirLinhasMemo(*memo, linhas, centralizado);
    return memo;
}

void DefinirLinhasMemo(QTextEdit& memo, const QStringList& linhas, bool centralizado) {
    memo.setPlainText(linhas.join('\n'));
    if (centralizado) {
        QTextCursor cursor(memo.document());
        cursor.select(QTextCursor::Document);
        QTextBlockFormat formato;
        formato.setAlignment(Qt::AlignHCenter);
        cursor.mergeBlockFormat(formato);
    }
}

QStringList LinhasDoMemo(const QTextEdit& memo) {
    QStringList linhas;
    for (QTextBlock bloco = memo.document()->begin(); bloco.isValid(); bloco = bloco.next())
        linhas << bloco.text();
    return linhas;
}
