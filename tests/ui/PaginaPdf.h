// The size of the first page of a PDF file Qt wrote, read from its MediaBox.
#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>

// Points; an empty size when the file or its MediaBox cannot be read.
inline QSizeF PaginaDoPdf(const QString& caminho) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) return {};
    const QRegularExpression caixa(
        QStringLiteral("/MediaBox \\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)"));
    const QRegularExpressionMatch m = caixa.match(QString::fromLatin1(arquivo.readAll()));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}
