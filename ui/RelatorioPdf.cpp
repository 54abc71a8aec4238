#include "ui/RelatorioPdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDateTime>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <string_view>

#include "plant/Numeros.h"
#include "plant/TabelaEntradas.h"
#include "ui/GravarArquivo.h"

namespace {

constexpr int ResolucaoPdf = 300;          // dots per inch of the page coordinates
constexpr double MargemMm = 15.0;          // page margins, mm
constexpr double AlturaRodapeMm = 8.0;     // page number line, mm

QString Html(const std::string& texto) { return QString::fromStdString(texto).toHtmlEscaped(); }

QString Linha(const QString& legenda, const QString& valor, const QString& unidade) {
    return "<tr><td>" + legenda.toHtmlEscaped() + "</td><td align=\"right\">" + valor +
           "</td><td>" + unidade.toHtmlEscaped() + "</td></tr>";
}

// The caption without the unit in brackets the window adds to it.
QString SemUnidade(const char* legenda) {
    QString texto = QString::fromUtf8(legenda);
    const qsizetype colchete = texto.lastIndexOf('[');
    if (colchete > 0) texto.truncate(colchete);
    return texto.trimmed();
}

QString TabelaEntradas(const ConteudoRelatorioPdf& c) {
    QString html = "<h2>Dados de entrada</h2><table class=\"dados\" cellspacing=\"0\" "
                   "cellpadding=\"3\"><tr><th>Dado</th><th>Valor</th><th>Unidade</th></tr>";
    for (const CampoEntradaUsina& campo : CamposEntradaUsina()) {
        if (campo.soComTurbinaAlta && !c.entradas.comTurbinaAlta) continue;
        html += Linha(SemUnidade(campo.legenda), Html(TextoExato(c.entradas.*campo.membro, c.separador)),
                      QString::fromUtf8(campo.unidade));
    }
    html += Linha("Turbina de alta pressão", c.entradas.comTurbinaAlta ? "sim" : "não", "");
    return html + "</table>";
}

QString TabelaGlobais(const ConteudoRelatorioPdf& c) {
    const ResultadosGlobais& g = c.resultado->globais;
    const auto v = [&](double valor, int decimais) { return Html(TextoFixo(valor, decimais, c.separador)); };
    QString html = "<h2>Resultados globais</h2><table class=\"dados\" cellspacing=\"0\" "
                   "cellpadding=\"3\"><tr><th>Resultado</th><th>Valor</th><th>Unidade</th></tr>";
    // Two decimals for flows and shares, one for powers (kW).
    for (const LinhaResultadoGlobal& l : LinhasResultadosGlobais())
        html += Linha(QString::fromUtf8(l.nome),
                      v(g.*l.valor, std::string_view(l.unidade) == "kW" ? 1 : 2),
                      QString::fromUtf8(l.unidade));
    return html + "</table>";
}

}  // namespace

QString HtmlRelatorioPdf(const ConteudoRelatorioPdf& c) {
    QString html =
        "<html><head><style>"
        "body { font-family: 'DejaVu Sans'; font-size: 9pt; }"
        "h1 { font-size: 15pt; } h2 { font-size: 11pt; margin-top: 14px; }"
        "table.dados { border-collapse: collapse; }"
        "table.dados td, table.dados th { border: 0.5px solid #808080; }"
        "th { background-color: #e8e8e8; }"
        "</style></head><body>";
    html += "<h1>Usina: sistema de potência e cogeração</h1>";
    html += "<p>Caso: " + c.nomeCaso.toHtmlEscaped() + "<br>Calculado em " +
            QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat).toHtmlEscaped() +
            "</p>";
    for (const AvisoUsina& aviso : c.resultado->avisos)
        html += "<p><b>Aviso:</b> " + Html(TextoAviso(aviso, c.separador)) + "</p>";
    html += TabelaEntradas(c);
    html += TabelaGlobais(c);
    html += "<h2>Indicadores de cogeração</h2>" + c.indicadoresHtml;
    html += "<h2>Tabela de correntes</h2>" + c.correntesHtml;
    return html + "</body></html>";
}

void GravarRelatorioPdf(const QString& caminho, const ConteudoRelatorioPdf& c) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(ResolucaoPdf);
        pdf.setCreator("usina");
        pdf.setTitle("Usina: " + c.nomeCaso);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(MargemMm, MargemMm, MargemMm, MargemMm),
                                      QPageLayout::Millimeter));

        QTextDocument documento;
        documento.documentLayout()->setPaintDevice(&pdf);
        documento.setHtml(HtmlRelatorioPdf(c));
        const QRect area = pdf.pageLayout().paintRectPixels(ResolucaoPdf);
        const double rodape = AlturaRodapeMm / 25.4 * ResolucaoPdf;  // device pixels
        const QSizeF pagina(area.width(), area.height() - rodape);
        documento.setPageSize(pagina);
        const int paginas = documento.pageCount();
        const int total = paginas + 1;  // the flowsheet's page

        QPainter pintor(&pdf);
        for (int i = 0; i < paginas; ++i) {
            if (i > 0) pdf.newPage();
            pintor.save();
            pintor.translate(0, -i * pagina.height());
            documento.drawContents(&pintor, QRectF(QPointF(0, i * pagina.height()), pagina));
            pintor.restore();
            pintor.setFont(QFont("DejaVu Sans", 8));
            pintor.drawText(QRectF(0, pagina.height(), pagina.width(), rodape),
                            Qt::AlignRight | Qt::AlignBottom,
                            QString("Página %1 de %2").arg(i + 1).arg(total));
        }

        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.newPage();
        const QRect paisagem = pdf.pageLayout().paintRectPixels(ResolucaoPdf);
        pintor.setFont(QFont("DejaVu Sans", 11, QFont::Bold));
        const QRectF titulo(0, 0, paisagem.width(), rodape);
        pintor.drawText(titulo, Qt::AlignLeft | Qt::AlignTop, "Fluxograma com resultados");
        if (c.desenharFluxograma)
            c.desenharFluxograma(pintor, QRectF(0, rodape, paisagem.width(),
                                                paisagem.height() - 2 * rodape));
        pintor.setFont(QFont("DejaVu Sans", 8));
        pintor.drawText(QRectF(0, paisagem.height() - rodape, paisagem.width(), rodape),
                        Qt::AlignRight | Qt::AlignBottom,
                        QString("Página %1 de %2").arg(total).arg(total));
        pintor.end();
    }
    GravarArquivo(caminho, bytes);
}
