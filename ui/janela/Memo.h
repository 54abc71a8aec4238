// Read-only multi-line notes (Memo1, Memo2).
#pragma once

#include <QString>
#include <QStringList>

class QTextEdit;
class QWidget;

// A read-only text holding these lines, each paragraph centred or not.
QTextEdit* CriarMemo(const QString& nome, const QStringList& linhas, bool centralizado,
                     QWidget* pai);

// Replaces the memo's lines (another language), centred or not.
void DefinirLinhasMemo(QTextEdit& memo, const QStringList& linhas, bool centralizado);

// The memo's lines as typed (trailing spaces kept).
QStringList LinhasDoMemo(const QTextEdit& memo);
