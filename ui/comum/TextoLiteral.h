// Texts from outside the program (a file's content or name, a field's
// text, a message built from them) are shown as they are, never read as
// markup: a label or box takes them as plain text, and a tooltip, which Qt
// always guesses, gets them already turned into escaped rich text.
#pragma once

#include <QString>
#include <QTextDocument>

inline QString DicaLiteral(const QString& texto) {
    return texto.isEmpty() ? texto : Qt::convertFromPlainText(texto, Qt::WhiteSpaceNormal);
}
