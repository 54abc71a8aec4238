#include "ui/analise/EixoConfiguracao.h"

#include <QCoreApplication>

QString OpcaoConfiguracao() {
    return QCoreApplication::translate("EixoConfiguracao",
                                       "Configuração: com e sem turbina de alta pressão");
}

QString LegendaConfiguracao() {
    return QCoreApplication::translate("EixoConfiguracao", "Turbina de alta pressão");
}

QString TextoConfiguracao(double valor) {
    return valor != 0.0 ? QCoreApplication::translate("EixoConfiguracao", "Com turbina de alta pressão")
                        : QCoreApplication::translate("EixoConfiguracao", "Sem turbina de alta pressão");
}
