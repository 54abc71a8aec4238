#include "ui/vistas/TabelasHtml.h"

#include <QCoreApplication>

#include "plant/IndicadoresUsina.h"
#include "ui/comum/Idioma.h"
#include "ui/vistas/ModeloCorrentes.h"
#include "ui/vistas/VistaIndicadores.h"

namespace {

QString Tr(const char* texto) { return QCoreApplication::translate("TabelasHtml", texto); }

// A table as wide as the page (percent), so that no word is broken.
QString InicioTabela(int largura, const char* estilo = "") {
    return QString("<table width=\"%1%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                   "style=\"border-collapse: collapse; %2\">")
        .arg(largura)
        .arg(estilo);
}

QString Celula(const QString& texto, bool numero, const char* marca = "td",
               const QString& atributos = {}) {
    return QString("<%1%2%3>%4</%1>")
        .arg(marca, numero ? " align=\"right\"" : "", atributos, texto.toHtmlEscaped());
}

// Share of the page width of each stream table column (percent): the
// description and the state get the room their words need.
int LarguraColunaCorrentes(int coluna) {
    if (coluna == ModeloCorrentes::ColunaRotulo) return 5;
    if (coluna == ModeloCorrentes::ColunaDescricao) return 21;
    if (coluna == ModeloCorrentes::ColunaEstado) return 14;
    return 60 / (ModeloCorrentes::NumeroColunas - 3);
}

}  // namespace

QString CorrentesHtml(const ResultadoUsina& resultado, const std::string& separador) {
    ModeloCorrentes modelo;
    modelo.DefinirResultado(resultado, separador);
    // Ten columns on a portrait page: a smaller type keeps each cell on one
    // or two lines.
    const QString tipo = " style=\"font-size: 7pt;\"";
    QString html = InicioTabela(100);
    html += "<tr>";
    for (int c = 0; c < ModeloCorrentes::NumeroColunas; ++c)
        html += Celula(ModeloCorrentes::Cabecalho(c), false, "th",
                       QString(" width=\"%1%\"").arg(LarguraColunaCorrentes(c)) + tipo);
    html += "</tr>";
    for (int l = 0; l < modelo.rowCount(); ++l) {
        html += "<tr>";
        for (int c = 0; c < ModeloCorrentes::NumeroColunas; ++c)
            html += Celula(modelo.Texto(l, c),
                           ModeloCorrentes::Numerica(c) || c == ModeloCorrentes::ColunaRotulo,
                           "td", tipo);
        html += "</tr>";
    }
    return html + "</table>";
}

QString IndicadoresHtml(const ResultadoUsina& resultado, const std::string& separador) {
    const IndicadoresUsina ind = CalcularIndicadores(resultado);
    QString html = InicioTabela(100);
    html += "<tr>" + Celula(Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Indicador")), false, "th") +
            Celula(Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Valor")), false, "th") +
            Celula(Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Unidade")), false, "th") +
            Celula(Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Como é calculado")), false, "th") + "</tr>";
    for (const Indicador& i : ind.indicadores) {
        if (i.estimativa) continue;
        html += "<tr>" + Celula(TraduzirNucleo(i.nome), false) +
                Celula(TextoIndicador(i.valor, i.unidade, separador), true) +
                Celula(QString::fromStdString(i.unidade), false) +
                Celula(TraduzirNucleo(i.explicacao), false) + "</tr>";
    }
    html += "</table>";
    // The equipment's own figures only: the boiler's and every share of
    // the total rest on the fuel exergy.
    html += "<p><b>" + Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Destruição de exergia")).toHtmlEscaped() +
            "</b></p>";
    html += InicioTabela(50);
    html += "<tr>" + Celula(Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Equipamento")), false, "th") +
            Celula(Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Destruição [kW]")), false, "th") + "</tr>";
    for (const ParcelaDestruicao& p : ind.destruicao) {
        if (p.estimativa) continue;
        html += "<tr>" + Celula(TraduzirNucleo(p.equipamento), false) +
                Celula(p.naoFisica ? TextoNaoFisico() : TextoIndicador(p.potencia, "kW", separador),
                       true) +
                "</tr>";
    }
    html += "</table>";
    // The run's closure: each residual and its share of what it closes.
    html += "<p><b>" + Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Balanços")).toHtmlEscaped() + "</b></p>";
    html += InicioTabela(70);
    html += "<tr>" + Celula(Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Balanço")), false, "th") +
            Celula(Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Resíduo")), false, "th") +
            Celula(Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Relativo [%]")), false, "th") + "</tr>";
    for (const LinhaBalanco& b : ind.balancos)
        html += "<tr>" + Celula(TraduzirNucleo(b.nome), false) +
                Celula(TextoResiduo(b.residuo, separador) + " " + QString::fromStdString(b.unidade),
                       true) +
                Celula((b.porcento ? TextoResiduo(*b.porcento, separador)
                                   : TextoIndicador({}, "%", separador)) +
                           " " + TraduzirNucleo(b.referencia),
                       true) +
                "</tr>";
    return html + "</table>";
}
