#include "ui/TabelasHtml.h"

#include "plant/IndicadoresUsina.h"
#include "ui/ModeloCorrentes.h"
#include "ui/VistaIndicadores.h"

namespace {

const char* const InicioTabela =
    "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" style=\"border-collapse: collapse;\">";

QString Celula(const QString& texto, bool numero, const char* marca = "td") {
    return QString("<%1%2>%3</%1>")
        .arg(marca, numero ? " align=\"right\"" : "", texto.toHtmlEscaped());
}

}  // namespace

QString CorrentesHtml(const ResultadoUsina& resultado, const std::string& separador) {
    ModeloCorrentes modelo;
    modelo.DefinirResultado(resultado, separador);
    QString html = InicioTabela;
    html += "<tr>";
    for (int c = 0; c < ModeloCorrentes::NumeroColunas; ++c)
        html += Celula(ModeloCorrentes::Cabecalho(c), false, "th");
    html += "</tr>";
    for (int l = 0; l < modelo.rowCount(); ++l) {
        html += "<tr>";
        for (int c = 0; c < ModeloCorrentes::NumeroColunas; ++c)
            html += Celula(modelo.Texto(l, c),
                           ModeloCorrentes::Numerica(c) || c == ModeloCorrentes::ColunaRotulo);
        html += "</tr>";
    }
    return html + "</table>";
}

QString IndicadoresHtml(const ResultadoUsina& resultado, const std::string& separador) {
    const IndicadoresUsina ind = CalcularIndicadores(resultado);
    QString html = InicioTabela;
    html += "<tr>" + Celula("Indicador", false, "th") + Celula("Valor", false, "th") +
            Celula("Unidade", false, "th") + Celula("Como é calculado", false, "th") + "</tr>";
    for (const Indicador& i : ind.indicadores) {
        if (i.estimativa) continue;
        html += "<tr>" + Celula(QString::fromStdString(i.nome), false) +
                Celula(TextoIndicador(i.valor, i.unidade, separador), true) +
                Celula(QString::fromStdString(i.unidade), false) +
                Celula(QString::fromStdString(i.explicacao), false) + "</tr>";
    }
    html += "</table>";
    // The equipment's own figures only: the boiler's and every share of
    // the total rest on the fuel exergy.
    html += "<p><b>Destruição de exergia</b></p>";
    html += InicioTabela;
    html += "<tr>" + Celula("Equipamento", false, "th") + Celula("Destruição [kW]", false, "th") +
            "</tr>";
    for (const ParcelaDestruicao& p : ind.destruicao) {
        if (p.estimativa) continue;
        html += "<tr>" + Celula(QString::fromStdString(p.equipamento), false) +
                Celula(TextoIndicador(p.potencia, "kW", separador), true) + "</tr>";
    }
    return html + "</table>";
}
