// The PDF report: the inputs, the global results, the indicators, the
// stream table and the flowsheet with results, on A4 pages, written in the
// window's language. It sits beside the text report, which keeps its own
// fixed layout and stays in Portuguese.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "plant/EntradasUsina.h"
#include "plant/ResultadoUsina.h"

class QPainter;
class QPdfWriter;
class QRectF;
class QTextDocument;

struct ConteudoRelatorioPdf {
    QString nomeCaso;                  // the case file's name, or "Sem título"
    const ResultadoUsina* resultado;   // a complete run
    EntradasUsina entradas;            // of that run
    std::string separador;             // the user's decimal separator
    QString indicadoresHtml;           // the indicators as an HTML table
    QString correntesHtml;             // the stream table as an HTML table
    // Draws the flowsheet with results scaled into the rectangle.
    std::function<void(QPainter&, const QRectF&)> desenharFluxograma;
    QString descricao = {};            // the case's description, plain text; may be empty
};


// The text pages as HTML for QTextDocument (exposed for the tests), in the
// window's language; the numbers are the same in every language.
QString HtmlRelatorioPdf(const ConteudoRelatorioPdf& conteudo);

// The report's pages on pdf (A4 portrait, margins, resolution), and the text
// pages laid out on them as the PDF gets them (exposed for the tests).
void PrepararPdfRelatorio(QPdfWriter& pdf, const ConteudoRelatorioPdf& conteudo);
void ComporDocumentoRelatorio(QTextDocument& documento, QPdfWriter& pdf,
                              const ConteudoRelatorioPdf& conteudo);

// The whole PDF: text pages in portrait, numbered, then the flowsheet on a
// landscape page. Throws ErroArquivo when the file cannot be written; an
// existing file is then kept.
void GravarRelatorioPdf(const QString& caminho, const ConteudoRelatorioPdf& conteudo);
