#include "ui/AplicacaoUsina.h"

#include "ui/TratadorErros.h"

AplicacaoUsina::AplicacaoUsina(int& argc, char** argv) : QApplication(argc, argv) {}

bool AplicacaoUsina::notify(QObject* destino, QEvent* evento) {
    try {
        return QApplication::notify(destino, evento);
    } catch (...) {
        MostrarExcecao(std::current_exception());
        return false;
    }
}
