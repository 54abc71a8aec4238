#include "ui/analise/EixoConfiguracao.h"

#include <QCoreApplication>

QString OpcaoConfiguracao() {
    return QCoreApplication::translate("EixoConfiguracao",
                                       "Configuração: com e sem turbina de alta pressão");
}
