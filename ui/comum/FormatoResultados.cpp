#include "ui/comum/FormatoResultados.h"

#include <QCoreApplication>

#include "plant/Numeros.h"

namespace {

// Decimals by unit: what the figure is good for, not what the double holds.
int Decimais(const std::string& unidade) {
    if (unidade == "kg/t" || unidade == "K" || unidade == "kW") return 1;
    return 2;  // kWh/t, kg/kWh, t/h, %
}

}  // namespace

// The texts keep the context of the indicators' view, where they were
// first shown, so that their translations stay where they are.
QString TextoIndicador(const std::optional<double>& valor, const std::string& unidade,
                       const std::string& separador) {
    if (!valor) return QCoreApplication::translate("VistaIndicadores", "não definido");
    return QString::fromStdString(TextoFixo(*valor, Decimais(unidade), separador));
}

QString TextoNaoFisico() { return QCoreApplication::translate("VistaIndicadores", "não físico"); }

QString TextoResiduo(double residuo, const std::string& separador) {
    QString texto = QString::number(residuo, 'e', 2);
    return texto.replace(QLatin1Char('.'), QString::fromStdString(separador));
}
