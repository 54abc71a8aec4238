#include "ui/vistas/TabelasHtml.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <optional>

#include "plant/IndicadoresUsina.h"
#include "plant/Numeros.h"
#include "ui/comum/Idioma.h"
#include "ui/vistas/ModeloCorrentes.h"
#include "ui/vistas/VistaExergia.h"
#include "ui/vistas/VistaIndicadores.h"

namespace {

QString Tr(const char* texto) { return QCoreApplication::translate("TabelasHtml", texto); }

// A table as wide as the page (percent).
QString InicioTabela(int largura, const char* estilo = "") {
    return QString("<table width=\"%1%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                   "style=\"border-collapse: collapse; %2\">")
        .arg(largura)
        .arg(estilo);
}

QString Celula(const QString& texto, bool numero, const char* marca = "td",
               const QString& atributos = {}) {
    return QString("<%1%2%3>%4</%1>")
        .arg(marca, numero ? " align=\"right\"" : "", atributos, TextoCelulaHtml(texto));
}

// The header row, repeated at the top of every page the table continues on.
QString Cabecalho(const QStringList& titulos) {
    QString html = "<thead><tr>";
    for (const QString& t : titulos) html += "<th>" + CabecalhoCelulaHtml(t) + "</th>";
    return html + "</tr></thead>";
}

// The header's type: the stream table's, smaller than the page's (ten
// columns on a portrait page), bold.
QFont FonteCabecalhoCorrentes() {
    QFont fonte(FamiliaRelatorio);
    fonte.setPointSizeF(TipoCorrentesPt);
    fonte.setBold(true);
    return fonte;
}

// Width of a text in points in the given type, measured at a large size
// so that no hinting of the screen's resolution rounds it.
double LarguraPt(const QString& texto, QFont fonte) {
    constexpr int Medida = 1000;  // pixels per em while measuring
    const double pontos = fonte.pointSizeF();
    fonte.setPixelSize(Medida);
    fonte.setHintingPreference(QFont::PreferNoHinting);
    return QFontMetricsF(fonte).horizontalAdvance(texto) / Medida * pontos;
}

}  // namespace

QString TextoCelulaHtml(const QString& texto) {
    // A number and its unit stay together ("superaquecido 38,4 K").
    static const QRegularExpression numeroEUnidade(QStringLiteral("(\\d) (K|°C|%|kW|bar)\\b"));
    QString escapado = texto.toHtmlEscaped();
    return escapado.replace(numeroEUnidade, QStringLiteral("\\1&nbsp;\\2"));
}

QStringList PartesInquebraveis(const QString& cabecalho) {
    const qsizetype colchete = cabecalho.indexOf(" [");
    const QString nome = colchete < 0 ? cabecalho : cabecalho.left(colchete);
    QStringList partes = nome.split(' ', Qt::SkipEmptyParts);
    if (colchete >= 0) partes << cabecalho.mid(colchete + 1);
    return partes;
}

QString CabecalhoCelulaHtml(const QString& cabecalho) {
    // The name may wrap between its words; the unit goes whole to a line of
    // its own: its spaces do not break, nor does a '/' (a word joiner
    // follows it).
    const qsizetype colchete = cabecalho.indexOf(" [");
    if (colchete < 0) return cabecalho.toHtmlEscaped();
    QString unidade = cabecalho.mid(colchete + 1).toHtmlEscaped();
    unidade.replace(' ', QStringLiteral("&nbsp;")).replace('/', QStringLiteral("/&#8288;"));
    return cabecalho.left(colchete).toHtmlEscaped() + "<br>" + unidade;
}

std::vector<int> LargurasColunasCorrentes(const ModeloCorrentes& modelo, double larguraTabelaPt) {
    // Each column of numbers as wide as the longest piece of its header that
    // may not break, or its widest number; the label too; the description
    // and the state share the rest, three to two, their words wrapping.
    QFont corpo(FamiliaRelatorio);
    corpo.setPointSizeF(TipoCorrentesPt);
    std::vector<int> larguras(ModeloCorrentes::NumeroColunas, 0);
    int usada = 0;
    for (int c = 0; c < ModeloCorrentes::NumeroColunas; ++c) {
        if (c == ModeloCorrentes::ColunaDescricao || c == ModeloCorrentes::ColunaEstado) continue;
        double largura = 0.0;  // pt
        for (const QString& parte : PartesInquebraveis(ModeloCorrentes::Cabecalho(c)))
            largura = std::max(largura, LarguraPt(parte, FonteCabecalhoCorrentes()));
        for (int l = 0; l < modelo.rowCount(); ++l)
            largura = std::max(largura, LarguraPt(modelo.Texto(l, c), corpo));
        larguras[std::size_t(c)] = int(std::ceil((largura + FolgaCelulaPt) / larguraTabelaPt * 100.0));
        usada += larguras[std::size_t(c)];
    }
    const int resto = std::max(100 - usada, 0);
    larguras[ModeloCorrentes::ColunaDescricao] = resto * 3 / 5;
    larguras[ModeloCorrentes::ColunaEstado] = resto - resto * 3 / 5;
    return larguras;
}

QString CorrentesHtml(const ResultadoUsina& resultado, const std::string& separador,
                      double larguraTabelaPt) {
    ModeloCorrentes modelo;
    modelo.DefinirResultado(resultado, separador);
    // Ten columns on a portrait page: a smaller type keeps each cell on one
    // or two lines.
    const QString tipo = QString(" style=\"font-size: %1pt;\"").arg(TipoCorrentesPt);
    const std::vector<int> larguras = LargurasColunasCorrentes(modelo, larguraTabelaPt);
    QString html = InicioTabela(100);
    html += "<thead><tr>";
    for (int c = 0; c < ModeloCorrentes::NumeroColunas; ++c)
        html += QString("<th width=\"%1%\"%2>").arg(larguras[std::size_t(c)]).arg(tipo) +
                CabecalhoCelulaHtml(ModeloCorrentes::Cabecalho(c)) + "</th>";
    html += "</tr></thead>";
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
    html += Cabecalho({Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Indicador")),
                       Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Valor")),
                       Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Unidade")),
                       Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Como é calculado"))});
    for (const Indicador& i : ind.indicadores) {
        if (i.estimativa) continue;
        html += "<tr>" + Celula(TraduzirNucleo(i.nome), false) +
                Celula(TextoIndicador(i.valor, i.unidade, separador), true) +
                Celula(QString::fromStdString(i.unidade), false) +
                Celula(TraduzirNucleo(i.explicacao), false) + "</tr>";
    }
    html += "</table>";
    // The destruction as the window's exergy view shows it by default: the
    // steam cycle's bars with their shares, total and the machines'
    // second-law efficiencies. The boiler's figure and every share of the
    // whole rest on the estimated fuel exergy: those stay on the screen.
    html += "<p><b>" + Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Destruição de exergia")).toHtmlEscaped() +
            "</b></p>";
    html += InicioTabela(80);
    html += Cabecalho({Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Equipamento")),
                       Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Destruição [kW]")),
                       Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Parcela [%]")),
                       Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Ef. 2ª lei [%]"))});
    const auto numero = [&](const std::optional<double>& valor, int decimais) {
        return valor ? QString::fromStdString(TextoFixo(*valor, decimais, separador)) : QString("—");
    };
    double total = 0.0;  // kW
    for (const BarraExergia& b : BarrasExergia(resultado, ind, false)) {
        html += "<tr>" + Celula(TraduzirNucleo(b.equipamento), false);
        if (b.naoFisica) {
            html += Celula(TextoNaoFisico(), true) + Celula(TextoNaoFisico(), true) +
                    Celula(TextoNaoFisico(), true) + "</tr>";
            continue;
        }
        html += Celula(numero(b.potencia, 1), true) + Celula(numero(b.parcela, 2), true) +
                Celula(numero(b.eficienciaSegundaLei, 2), true) + "</tr>";
        total = total + b.potencia;
    }
    html += "<tr><td><b>" + Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Total sem a caldeira")).toHtmlEscaped() +
            "</b></td><td align=\"right\"><b>" + numero(total, 1) +
            "</b></td><td align=\"right\"><b>" +
            numero(total != 0.0 ? std::optional<double>(100.0) : std::nullopt, 2) +
            "</b></td><td align=\"right\"><b>—</b></td></tr>";
    html += "</table><p>" +
            Tr(QT_TRANSLATE_NOOP("TabelasHtml",
                                 "Parcelas sobre a destruição no ciclo de vapor: turbinas, válvula, "
                                 "misturador, processo e bomba, sem a caldeira."))
                .toHtmlEscaped() +
            "</p>";
    // The run's closure: each residual and its share of what it closes.
    html += "<p><b>" + Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Balanços")).toHtmlEscaped() + "</b></p>";
    html += InicioTabela(70);
    html += Cabecalho({Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Balanço")),
                       Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Resíduo")),
                       Tr(QT_TRANSLATE_NOOP("TabelasHtml", "Relativo [%]"))});
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
