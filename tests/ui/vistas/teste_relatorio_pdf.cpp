// The PDF report laid out as it is written: where the lines of every table
// cell break, and which pages carry each table's header.
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QBuffer>
#include <gtest/gtest.h>
#include <functional>
#include <string>

#include "plant/CalculoUsina.h"
#include "plant/EntradasUsina.h"
#include "plant/ResultadoUsina.h"
#include "ui/comum/Idioma.h"
#include "ui/janela/RelatorioPdf.h"
#include "ui/vistas/TabelasHtml.h"
#include "ui/vistas/VistaExergia.h"
#include <QCheckBox>
#include <QTableWidget>

namespace {

ResultadoUsina Calculado(const EntradasUsina& e) {
    ResultadoUsina r;
    CalcularUsina(e, r);
    return r;
}

ConteudoRelatorioPdf Conteudo(const ResultadoUsina& r, const EntradasUsina& e, const std::string& sep) {
    return {"caso.usina", &r, e, sep, IndicadoresHtml(r, sep), CorrentesHtml(r, sep), {}};
}

struct LinhaCelula {
    int tabela = 0;
    bool cabecalho = false;
    QString texto;  // the line's text
    QChar antes;    // the character before the line (null on a cell's first line)
};

void Tabelas(QTextFrame* quadro, const std::function<void(QTextTable*)>& fazer) {
    for (QTextFrame* filho : quadro->childFrames()) {
        if (auto* tabela = qobject_cast<QTextTable*>(filho)) fazer(tabela);
        Tabelas(filho, fazer);
    }
}

// Every line of every cell of every table, as laid out.
std::vector<LinhaCelula> LinhasDasCelulas(QTextDocument& documento) {
    std::vector<LinhaCelula> linhas;
    int numero = 0;
    Tabelas(documento.rootFrame(), [&](QTextTable* tabela) {
        ++numero;
        const int cabecalhos = tabela->format().headerRowCount();
        for (int l = 0; l < tabela->rows(); ++l)
            for (int c = 0; c < tabela->columns(); ++c) {
                const QTextTableCell celula = tabela->cellAt(l, c);
                for (QTextFrame::iterator i = celula.begin(); !i.atEnd(); ++i) {
                    const QTextBlock bloco = i.currentBlock();
                    if (!bloco.isValid() || bloco.layout() == nullptr) continue;
                    const QString texto = bloco.text();
                    for (int n = 0; n < bloco.layout()->lineCount(); ++n) {
                        const QTextLine linha = bloco.layout()->lineAt(n);
                        linhas.push_back({numero, l < cabecalhos,
                                          texto.mid(linha.textStart(), linha.textLength()),
                                          n > 0 ? texto.at(linha.textStart() - 1) : QChar()});
                    }
                }
            }
    });
    return linhas;
}

class RelatorioPdfPaginas : public ::testing::Test {
protected:
    void TearDown() override { AplicarIdioma(Idioma::Portugues); }
};

// No line of a table cell starts inside a word ("Rótu|lo", "Tempera|tura");
// a header's lines break only between words or before its unit; no line is
// a unit alone ("K"): in both languages, with and without the high-pressure
// turbine, with either separator. Every table has a header row.
TEST_F(RelatorioPdfPaginas, NenhumaPalavraPartidaNemUnidadeSozinha) {
    const QRegularExpression soUnidade(QStringLiteral("^(K|°C|%|kW|bar|t/h|kg/s|h|t|MWh|\\]|\\))$"));
    for (Idioma idioma : {Idioma::Portugues, Idioma::Ingles}) {
        AplicarIdioma(idioma);
        for (bool comTurbina : {true, false})
            for (const std::string sep : {",", "."}) {
                SCOPED_TRACE(CodigoIdioma(idioma).toStdString() + " " + sep +
                             (comTurbina ? " com turbina" : " sem turbina"));
                EntradasUsina e;
                e.comTurbinaAlta = comTurbina;
                const ResultadoUsina r = Calculado(e);
                QBuffer buffer;
                buffer.open(QIODevice::WriteOnly);
                QPdfWriter pdf(&buffer);
                const ConteudoRelatorioPdf conteudo = Conteudo(r, e, sep);
                PrepararPdfRelatorio(pdf, conteudo);
                QTextDocument documento;
                ComporDocumentoRelatorio(documento, pdf, conteudo);
                ASSERT_GE(documento.pageCount(), 3);  // laid out whole
                int tabelas = 0;
                Tabelas(documento.rootFrame(), [&](QTextTable* t) {
                    ++tabelas;
                    EXPECT_EQ(t->format().headerRowCount(), 1) << "table " << tabelas;
                });
                // Inputs, globals, indicators, exergy, balances, season, streams.
                EXPECT_EQ(tabelas, 7);
                int cabecalhos = 0;
                for (const LinhaCelula& l : LinhasDasCelulas(documento)) {
                    const QString onde = QString("table %1: \"%2\"").arg(l.tabela).arg(l.texto);
                    cabecalhos += l.cabecalho;
                    if (l.antes.isNull()) continue;  // a cell's first line
                    EXPECT_FALSE(soUnidade.match(l.texto.trimmed()).hasMatch())
                        << "a unit alone on a line, " << onde.toStdString();
                    if (l.cabecalho)
                        EXPECT_TRUE(l.antes == ' ' || l.antes == QChar::LineSeparator)
                            << "header broken inside a word, " << onde.toStdString();
                    else
                        EXPECT_FALSE(l.antes.isLetterOrNumber() && !l.texto.isEmpty() &&
                                     l.texto.at(0).isLetterOrNumber())
                            << "cell broken inside a word, " << onde.toStdString();
                }
                EXPECT_GT(cabecalhos, 20);
            }
    }
}

// A table that goes on over a page break repeats its header row at the top
// of the next page: read back from the written file by pdftotext (skipped
// where it is not installed).
TEST_F(RelatorioPdfPaginas, TabelaContinuadaRepeteOCabecalho) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const EntradasUsina e;
    const ResultadoUsina r = Calculado(e);
    const QString caminho = dir.filePath("relatorio.pdf");
    GravarRelatorioPdf(caminho, Conteudo(r, e, ","));
    QProcess processo;
    processo.start(pdftotext, {"-layout", caminho, "-"});
    ASSERT_TRUE(processo.waitForFinished(20000));
    const QStringList paginas = QString::fromUtf8(processo.readAllStandardOutput()).split('\f');
    ASSERT_GE(paginas.size(), 4);

    // Each table: a word of its header and texts of its rows.
    const struct {
        const char* cabecalho;
        QStringList linhas;
    } tabelas[] = {
        {"Como é calculado",
         {"Potência elétrica por", "Consumo de vapor por", "Superaquecimento do",
          "Eficiência de primeira lei"}},
        {"Ef. 2ª lei", {"Turbomoenda", "Misturador dos escapes", "Total sem a caldeira"}},
        {"Descrição", {"Vapor vivo", "Coletor de vapor", "Escape da turbomoenda", "Água de alimentação"}},
        {"Item", {"Duração da safra", "Receita da energia", "Receita total da safra"}},
    };
    int continuadas = 0;
    for (const auto& t : tabelas) {
        int primeira = -1;
        for (int p = 0; p < paginas.size(); ++p) {
            bool temLinha = false;
            for (const QString& l : t.linhas) temLinha = temLinha || paginas[p].contains(l);
            if (!temLinha) continue;
            if (primeira < 0) primeira = p;
            else ++continuadas;
            EXPECT_TRUE(paginas[p].contains(QString::fromUtf8(t.cabecalho)))
                << t.cabecalho << " missing on page " << p + 1;
        }
        EXPECT_GE(primeira, 0) << t.cabecalho;
    }
    // The example's report has at least one table over a page break.
    EXPECT_GE(continuadas, 1);
}

// The exergy table holds what the window's exergy view shows by default:
// each machine's destruction, its share of the steam cycle's, the
// second-law efficiency, and the total; none of the boiler's estimates.
TEST_F(RelatorioPdfPaginas, TabelaDeExergiaComParcelasTotalEEficiencias) {
    const ResultadoUsina r = Calculado(EntradasUsina{});
    QTextDocument documento;
    documento.setHtml(IndicadoresHtml(r, ","));
    QTextTable* exergia = nullptr;
    Tabelas(documento.rootFrame(), [&](QTextTable* t) {
        if (t->cellAt(0, 0).firstCursorPosition().block().text() == "Equipamento") exergia = t;
    });
    ASSERT_NE(exergia, nullptr);
    const auto texto = [&](int l, int c) { return exergia->cellAt(l, c).firstCursorPosition().block().text(); };
    ASSERT_EQ(exergia->columns(), 4);
    EXPECT_EQ(texto(0, 2), QString::fromUtf8("Parcela\u2028[%]"));
    EXPECT_EQ(texto(0, 3), QString::fromUtf8("Ef. 2ª lei\u2028[%]"));
    // Row by row what the window's exergy view shows, the total last.
    VistaExergia vista;
    vista.MostrarResultado(r);
    ASSERT_FALSE(vista.IncluirCaldeira->isChecked());
    ASSERT_EQ(exergia->rows(), 1 + vista.Tabela->rowCount());
    for (int l = 0; l < vista.Tabela->rowCount(); ++l)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(texto(l + 1, c), vista.Tabela->item(l, c)->text()) << l << ", " << c;
    const int total = exergia->rows() - 1;
    EXPECT_EQ(texto(total, 0), "Total sem a caldeira");
    EXPECT_EQ(texto(total, 2), "100,00");
    double parcelas = 0.0;
    for (int l = 1; l < total; ++l) {
        EXPECT_NE(texto(l, 0), "Caldeira");
        parcelas += QString(texto(l, 2)).replace(',', '.').toDouble();
    }
    EXPECT_NEAR(parcelas, 100.0, 0.05);
}

}  // namespace
