// Read-only multi-line notes (Memo1, Memo2).
#pragma once

#include <QString>
#include <QStringList>

class QTextEdit;
class QWidget;

// A read-only text holding these lines, each paragraph centred or not.
QTextEdit* CriarMemo(const QString& nome, const QStringList& linhas, bool centralizado,
                     QWidget* pai);

// The memo's lines as typed (trailing spaces kept).
QStringList LinhasDoMemo(const QTextEdit& memo);
