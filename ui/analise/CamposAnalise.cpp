#include "ui/analise/CamposAnalise.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <algorithm>

#include "plant/Numeros.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSafra.h"
#include "plant/TabelaSaidas.h"
#include "ui/analise/ModeloEstudo.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/SeparadorDecimal.h"

namespace {

QString Safra() { return QCoreApplication::translate("CamposAnalise", "Safra"); }

QString LegendaSafra(const char* legenda, const char* unidade) {
    return TraduzirNucleo(legenda) + " [" + TraduzirNucleo(unidade) + "]";
}

void Escolher(QComboBox& combo, const QString& atual) {
    combo.setCurrentIndex(std::max(0, combo.findData(atual, PapelCampo)));
}

}  // namespace

void PreencherSaidas(QComboBox& combo, const QString& atual) {
    combo.clear();
    for (const CampoSaida& c : CamposSaida())
        combo.addItem(PainelSaida(c) + ": " + LegendaSaida(c), QString::fromUtf8(c.nome));
    for (const CampoSaidaSafra& c : CamposSaidaSafra())
        combo.addItem(Safra() + ": " + LegendaSafra(c.legenda, c.unidade), QString::fromUtf8(c.nome));
    for (int i = 0; i < combo.count(); ++i) {
        combo.setItemData(i, combo.itemData(i), PapelCampo);
        combo.setItemData(i, combo.itemText(i), Qt::ToolTipRole);
    }
    Escolher(combo, atual);
}

void PreencherEntradas(QComboBox& combo, const QString& atual) {
    combo.clear();
    for (const CampoEntradaUsina& c : CamposEntradaUsina())
        combo.addItem(LegendaEntradaTraduzida(c), QString::fromUtf8(c.nome));
    for (const CampoEntradaSafra& c : CamposEntradaSafra())
        combo.addItem(Safra() + ": " + TraduzirNucleo(c.legenda), QString::fromUtf8(c.nome));
    for (int i = 0; i < combo.count(); ++i) combo.setItemData(i, combo.itemData(i), PapelCampo);
    Escolher(combo, atual);
}

QString LegendaCampoAnalise(const std::string& nome) {
    if (const CampoSaida* c = BuscarCampoSaida(nome)) return LegendaSaida(*c);
    if (const CampoEntradaUsina* c = BuscarCampoEntrada(nome)) return LegendaEntradaTraduzida(*c);
    if (const CampoSaidaSafra* c = BuscarCampoSaidaSafra(nome)) return LegendaSafra(c->legenda, c->unidade);
    if (const CampoEntradaSafra* c = BuscarCampoEntradaSafra(nome)) return TraduzirNucleo(c->legenda);
    return QString::fromStdString(nome);
}

std::string CampoEscolhido(const QComboBox& combo) {
    return combo.currentData(PapelCampo).toString().toStdString();
}

double NumeroDigitado(const QLineEdit& campo) {
    return LerNumero(campo.text().toStdString(), SeparadorDecimal());
}
