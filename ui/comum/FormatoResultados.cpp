#include "ui/comum/FormatoResultados.h"

#include <QCoreApplication>
#include <cmath>

#include "plant/Numeros.h"

namespace {

// Decimals by unit: what the figure is good for, not what the double holds.
int Decimais(const std::string& unidade) {
    if (unidade == "kg/t" || unidade == "K" || unidade == "kW") return 1;
    if (unidade == "kJ/(kg K)") return 4;  // entropies differ in the third decimal
    return 2;  // kWh/t, kg/kWh, t/h, %
}

}  // namespace

// The texts keep the context of the indicators' view, where they were
// first shown, so that their translations stay where they are.
QString TextoIndicador(const std::optional<double>& valor, const std::string& unidade,
                       const std::string& separador) {
    if (!valor) return QCoreApplication::translate("VistaIndicadores", "não definido");
    if (unidade == "R$") return TextoDinheiro(*valor, separador);
    return QString::fromStdString(TextoFixo(*valor, Decimais(unidade), separador));
}

QString TextoNaoFisico() { return QCoreApplication::translate("VistaIndicadores", "não físico"); }

QString TextoResiduo(double residuo, const std::string& separador) {
    QString texto = QString::number(residuo, 'e', 2);
    return texto.replace(QLatin1Char('.'), QString::fromStdString(separador));
}

QString TextoAgrupado(double valor, int decimais, const std::string& separador) {
    if (!std::isfinite(valor)) return "—";
    const std::string fixo = TextoFixo(std::fabs(valor), decimais, ".");
    const std::size_t ponto = fixo.find('.');
    const std::string inteiro = fixo.substr(0, ponto);
    const std::string milhar = separador == "," ? "." : ",";
    std::string agrupado;
    for (std::size_t i = 0; i < inteiro.size(); ++i) {
        if (i > 0 && (inteiro.size() - i) % 3 == 0) agrupado += milhar;
        agrupado += inteiro[i];
    }
    if (ponto != std::string::npos) agrupado += separador + fixo.substr(ponto + 1);
    // A value that rounds to zero shows no sign.
    const bool negativo = valor < 0.0 && fixo.find_first_not_of("0.") != std::string::npos;
    return QString::fromStdString((negativo ? "-" : "") + agrupado);
}

QString TextoDinheiro(double reais, const std::string& separador) {
    QString texto = TextoAgrupado(reais, 2, separador);
    const bool negativo = texto.startsWith('-');
    if (negativo) texto.remove(0, 1);
    return (negativo ? "-R$ " : "R$ ") + texto;
}

