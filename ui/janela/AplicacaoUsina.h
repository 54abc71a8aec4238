// The application object. Event handlers catch their own errors; this is the
// last resort for anything that escapes an event, so that no error ever ends
// the program.
#pragma once

#include <QApplication>

class AplicacaoUsina : public QApplication {
public:
    AplicacaoUsina(int& argc, char** argv);
    bool notify(QObject* destino, QEvent* evento) override;
};
