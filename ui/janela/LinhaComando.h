// The window program's command line: "usina [--lang en|pt] [caso.usina]". Qt's own options
// (-platform, -style...) are taken out by the application object before
// these are read.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "ui/comum/Idioma.h"

struct OpcoesJanela {
    QString caso;       // absolute path of the case file to open, or empty
    bool sair = false;  // --help or a wrong command line: print texto, exit with codigo
    int codigo = 0;
    QString texto;
    std::optional<Idioma> idioma;  // --lang: this run's language, over the settings
};

// argumentos as QCoreApplication::arguments() gives them, the program first.
// A relative case path is taken against the working directory now, before
// the window's directory lists can change it.
OpcoesJanela LerOpcoesJanela(const QStringList& argumentos);
