#include "ui/janela/RelatorioPdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDateTime>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QCoreApplication>
#include <QTextDocument>
#include <string_view>

#include "plant/Numeros.h"
#include "plant/SafraUsina.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSafra.h"
#include "ui/comum/FormatoResultados.h"
#include "ui/comum/GravarArquivo.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/TextosNucleoJanela.h"
#include "ui/vistas/TabelasHtml.h"

namespace {

constexpr int ResolucaoPdf = 300;          // dots per inch of the page coordinates
constexpr double MargemMm = 15.0;          // page margins, mm
constexpr double AlturaRodapeMm = 8.0;     // page number line, mm

QString Html(const std::string& texto) { return QString::fromStdString(texto).toHtmlEscaped(); }

// The report is written in the window's language.
QString Tr(const char* texto) { return QCoreApplication::translate("RelatorioPdf", texto); }

QString Linha(const QString& legenda, const QString& valor, const QString& unidade) {
    return "<tr><td>" + legenda.toHtmlEscaped() + "</td><td align=\"right\">" + valor +
           "</td><td>" + TextoCelulaHtml(unidade) + "</td></tr>";
}

// A table's start and its header row, repeated on every page it continues on.
QString InicioTabela(std::initializer_list<const char*> titulos, const char* largura = nullptr) {
    QString html = "<table class=\"dados\" cellspacing=\"0\" cellpadding=\"3\"" +
                   (largura ? QString(" width=\"%1\"").arg(largura) : QString()) + "><thead><tr>";
    for (const char* t : titulos) html += "<th>" + CabecalhoCelulaHtml(Tr(t)) + "</th>";
    return html + "</tr></thead>";
}

// The caption, translated, without the unit in brackets the window adds to it.
QString SemUnidade(const char* legenda) {
    QString texto = TraduzirNucleo(legenda);
    const qsizetype colchete = texto.lastIndexOf('[');
    if (colchete > 0) texto.truncate(colchete);
    return texto.trimmed();
}

QString TabelaEntradas(const ConteudoRelatorioPdf& c) {
    QString html = "<h2>" + Tr(QT_TRANSLATE_NOOP("RelatorioPdf", "Dados de entrada")) + "</h2>" +
                   InicioTabela({QT_TRANSLATE_NOOP("RelatorioPdf", "Dado"),
                                 QT_TRANSLATE_NOOP("RelatorioPdf", "Valor"),
                                 QT_TRANSLATE_NOOP("RelatorioPdf", "Unidade")});
    for (const CampoEntradaUsina& campo : CamposEntradaUsina()) {
        if (campo.soComTurbinaAlta && !c.entradas.comTurbinaAlta) continue;
        html += Linha(SemUnidade(campo.legenda), Html(TextoExato(c.entradas.*campo.membro, c.separador)),
                      UnidadeExplicada(campo.unidade));
    }
    html += Linha(Tr(QT_TRANSLATE_NOOP("RelatorioPdf", "Turbina de alta pressão")),
                  c.entradas.comTurbinaAlta ? Tr(QT_TRANSLATE_NOOP("RelatorioPdf", "sim"))
                                            : Tr(QT_TRANSLATE_NOOP("RelatorioPdf", "não")),
                  "");
    return html + "</table>";
}

QString TabelaGlobais(const ConteudoRelatorioPdf& c) {
    const ResultadosGlobais& g = c.resultado->globais;
    const auto v = [&](double valor, int decimais) { return Html(TextoFixo(valor, decimais, c.separador)); };
    QString html = "<h2>" + Tr(QT_TRANSLATE_NOOP("RelatorioPdf", "Resultados globais")) + "</h2>" +
                   InicioTabela({QT_TRANSLATE_NOOP("RelatorioPdf", "Resultado"),
                                 QT_TRANSLATE_NOOP("RelatorioPdf", "Valor"),
                                 QT_TRANSLATE_NOOP("RelatorioPdf", "Unidade")});
    // Two decimals for flows and shares, one for powers (kW).
    for (const LinhaResultadoGlobal& l : LinhasResultadosGlobais())
        html += Linha(TraduzirNucleo(l.nome),
                      v(g.*l.valor, std::string_view(l.unidade) == "kW" ? 1 : 2),
                      QString::fromUtf8(l.unidade));
    return html + "</table>";
}

QString Paginacao(int pagina, int total) {
    return Tr(QT_TRANSLATE_NOOP("RelatorioPdf", "Página %1 de %2")).arg(pagina).arg(total);
}

// The season: its inputs and figures, money as the window writes it.
QString TabelaSafra(const ConteudoRelatorioPdf& c) {
    QString html = "<h2>" + Tr(QT_TRANSLATE_NOOP("RelatorioPdf", "Safra")) + "</h2>";
    html += InicioTabela({QT_TRANSLATE_NOOP("RelatorioPdf", "Item"),
                          QT_TRANSLATE_NOOP("RelatorioPdf", "Valor")},
                         "70%");
    for (const CampoEntradaSafra& e : CamposEntradaSafra())
        html += "<tr><td>" + TraduzirNucleo(e.legenda).toHtmlEscaped() + "</td><td align=\"right\">" +
                QString::fromStdString(TextoExato(c.entradas.safra.*e.membro, c.separador)) +
                "</td></tr>";
    for (const CampoSaidaSafra& s : CamposSaidaSafra()) {
        const std::string unidade = s.unidade;
        const double valor = (*c.resultado->safra).*s.membro;
        const QString numero = unidade == "R$" ? TextoDinheiro(valor, c.separador)
                                               : TextoAgrupado(valor, unidade == "h" ? 1 : 2, c.separador) +
                                                     " " + TraduzirNucleo(s.unidade);
        html += "<tr><td>" + TraduzirNucleo(s.legenda).toHtmlEscaped() + "</td><td align=\"right\">" +
                TextoCelulaHtml(numero) + "</td></tr>";
    }
    return html + "</table>";
}

}  // namespace

QString HtmlRelatorioPdf(const ConteudoRelatorioPdf& c) {
    QString html =
        "<html><head><style>"
        "body { font-family: '" + QString(FamiliaRelatorio) + "'; font-size: 9pt; }"
        "h1 { font-size: 15pt; } h2 { font-size: 11pt; margin-top: 14px; }"
        "table.dados { border-collapse: collapse; }"
        "table.dados td, table.dados th { border: 0.5px solid #808080; }"
        "th { background-color: #e8e8e8; }"
        "</style></head><body>";
    html += "<h1>" + Tr(QT_TRANSLATE_NOOP("RelatorioPdf", "Usina: sistema de potência e cogeração")) +
            "</h1>";
    const QString data =
        QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat).toHtmlEscaped();
    html += "<p>" + Tr(QT_TRANSLATE_NOOP("RelatorioPdf", "Caso: %1")).arg(c.nomeCaso.toHtmlEscaped()) +
            "<br>";
    // Someone's own text: escaped, its line ends kept.
    if (!c.descricao.trimmed().isEmpty())
        html += Tr(QT_TRANSLATE_NOOP("RelatorioPdf", "Descrição: %1"))
                    .arg(c.descricao.trimmed().toHtmlEscaped().replace('\n', "<br>")) +
                "<br>";
    html += Tr(QT_TRANSLATE_NOOP("RelatorioPdf", "Calculado em %1")).arg(data) + "<br>" +
            Tr(QT_TRANSLATE_NOOP("RelatorioPdf", "Propriedades da água: %1"))
                .arg(TraduzirNucleo(Pacote(c.resultado->formulacao).nome).toHtmlEscaped()) +
            "</p>";
    for (const AvisoUsina& aviso : AvisosComSafra(*c.resultado))
        html += "<p><b>" + Tr(QT_TRANSLATE_NOOP("RelatorioPdf", "Aviso:")) + "</b> " +
                TextoAvisoTraduzido(aviso, c.separador).toHtmlEscaped() + "</p>";
    html += TabelaEntradas(c);
    html += TabelaGlobais(c);
    html += "<h2>" + Tr(QT_TRANSLATE_NOOP("RelatorioPdf", "Indicadores de cogeração")) + "</h2>" +
            c.indicadoresHtml;
    if (c.resultado->safra) html += TabelaSafra(c);
    html += "<h2>" + Tr(QT_TRANSLATE_NOOP("RelatorioPdf", "Tabela de correntes")) + "</h2>" +
            c.correntesHtml;
    return html + "</body></html>";
}

void PrepararPdfRelatorio(QPdfWriter& pdf, const ConteudoRelatorioPdf& c) {
    pdf.setResolution(ResolucaoPdf);
    pdf.setCreator("usina");
    pdf.setTitle("Usina: " + c.nomeCaso);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(MargemMm, MargemMm, MargemMm, MargemMm),
                                  QPageLayout::Millimeter));
}

void ComporDocumentoRelatorio(QTextDocument& documento, QPdfWriter& pdf,
                              const ConteudoRelatorioPdf& c) {
    documento.documentLayout()->setPaintDevice(&pdf);
    documento.setHtml(HtmlRelatorioPdf(c));
    const QRect area = pdf.pageLayout().paintRectPixels(ResolucaoPdf);
    const double rodape = AlturaRodapeMm / 25.4 * ResolucaoPdf;  // device pixels
    documento.setPageSize(QSizeF(area.width(), area.height() - rodape));
}

void GravarRelatorioPdf(const QString& caminho, const ConteudoRelatorioPdf& c) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        PrepararPdfRelatorio(pdf, c);

        QTextDocument documento;
        ComporDocumentoRelatorio(documento, pdf, c);
        const double rodape = AlturaRodapeMm / 25.4 * ResolucaoPdf;  // device pixels
        const QSizeF pagina = documento.pageSize();
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
                            Paginacao(i + 1, total));
        }

        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.newPage();
        const QRect paisagem = pdf.pageLayout().paintRectPixels(ResolucaoPdf);
        pintor.setFont(QFont("DejaVu Sans", 11, QFont::Bold));
        const QRectF titulo(0, 0, paisagem.width(), rodape);
        pintor.drawText(titulo, Qt::AlignLeft | Qt::AlignTop,
                        Tr(QT_TRANSLATE_NOOP("RelatorioPdf", "Fluxograma com resultados")));
        if (c.desenharFluxograma)
            c.desenharFluxograma(pintor, QRectF(0, rodape, paisagem.width(),
                                                paisagem.height() - 2 * rodape));
        pintor.setFont(QFont("DejaVu Sans", 8));
        pintor.drawText(QRectF(0, paisagem.height() - rodape, paisagem.width(), rodape),
                        Qt::AlignRight | Qt::AlignBottom,
                        Paginacao(total, total));
        pintor.end();
    }
    GravarArquivo(caminho, bytes);
}
