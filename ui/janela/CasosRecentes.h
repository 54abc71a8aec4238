// The case files opened or saved last, most recent first, kept in the user's
// settings (QSettings of the application) from session to session.
#pragma once

#include <QString>
#include <QStringList>

class CasosRecentes {
public:
    static constexpr qsizetype Maximo = 8;

    // The absolute paths, most recent first, at most Maximo.
    static QStringList Lista();
    // Puts the file at the top (once: an earlier entry of it is removed).
    static void Acrescentar(const QString& caminho);
    static void Retirar(const QString& caminho);
    static void Limpar();
};
