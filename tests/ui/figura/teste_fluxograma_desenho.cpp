// The flowsheet with results: its layout (every value box placed clear of
// everything else), the texts in the boxes, the files it exports and its
// scaling into any rectangle.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

#include "PaginaPdf.h"
#include "io/ErrosArquivo.h"
#include "plant/CalculoUsina.h"
#include "plant/PapeisRotulos.h"
#include "ui/comum/Idioma.h"
#include "ui/figura/FluxogramaResultados.h"
#include "ui/figura/TracadoFluxogramaResultados.h"

namespace {

const ResultadoUsina& Execucao(bool comTurbinaAlta) {
    static const auto executar = [](bool alta) {
        EntradasUsina entradas;
        entradas.comTurbinaAlta = alta;
        ResultadoUsina resultado;
        CalcularUsina(entradas, resultado);
        return resultado;
    };
    static const ResultadoUsina com = executar(true), sem = executar(false);
    return comTurbinaAlta ? com : sem;
}

std::string Nome(bool comTurbinaAlta) { return comTurbinaAlta ? "com turbina alta" : "sem turbina alta"; }

// The fonts the drawing uses, to measure what it writes.
QFont FonteDesenho(int pixels) {
    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setPixelSize(pixels);
    fonte.setHintingPreference(QFont::PreferNoHinting);
    return fonte;
}

// Where a caption's text actually falls, not its whole layout box.
QRectF TextoDaLegenda(const LegendaTracado& l) {
    const QFontMetricsF medidas(FonteDesenho(l.pequena ? 10 : 11));
    return medidas.boundingRect(l.caixa, l.alinhamento, l.texto);
}

bool CirculoToca(const QPointF& centro, double raio, const QRectF& r) {
    const double x = std::clamp(centro.x(), r.left(), r.right());
    const double y = std::clamp(centro.y(), r.top(), r.bottom());
    return std::hypot(centro.x() - x, centro.y() - y) < raio;
}

bool SegmentoCruza(const QLineF& s, const QRectF& r) {
    if (r.contains(s.p1()) || r.contains(s.p2())) return true;
    const QLineF lados[] = {{r.topLeft(), r.topRight()}, {r.topRight(), r.bottomRight()},
                            {r.bottomRight(), r.bottomLeft()}, {r.bottomLeft(), r.topLeft()}};
    for (const QLineF& lado : lados)
        if (s.intersects(lado, nullptr) == QLineF::BoundedIntersection) return true;
    return false;
}

std::vector<QLineF> Segmentos(const TracadoFluxograma& t) {
    std::vector<QLineF> segmentos;
    for (const LinhaTracado& l : t.linhas)
        for (std::size_t i = 1; i < l.pontos.size(); ++i)
            segmentos.emplace_back(l.pontos[i - 1], l.pontos[i]);
    return segmentos;
}

// Clearance kept around every value box, logical units.
constexpr double Folga = 2.0;

// ---------------------------------------------------------------------------
// Layout: in both configurations every box must be readable where it is,
// i.e. touch nothing but white paper.

TEST(FluxogramaResultadosTracado, CaixasLivresDeTudoMais) {
    for (bool alta : {true, false}) {
        SCOPED_TRACE(Nome(alta));
        const TracadoFluxograma& t = TracadoFluxogramaResultados(alta);
        const QRectF desenho(QPointF(0, 0), TamanhoNaturalFluxogramaResultados());
        const std::vector<QLineF> segmentos = Segmentos(t);
        const auto caixas = CaixasValores(Execucao(alta));
        ASSERT_EQ(caixas.size(), t.caixas.size());
        for (std::size_t i = 0; i < caixas.size(); ++i) {
            const auto& [rotulo, caixa] = caixas[i];
            SCOPED_TRACE("caixa do rótulo " + std::to_string(rotulo));
            const QRectF folgada = caixa.adjusted(-Folga, -Folga, Folga, Folga);
            EXPECT_TRUE(desenho.contains(caixa));
            for (std::size_t j = i + 1; j < caixas.size(); ++j)
                EXPECT_FALSE(folgada.intersects(caixas[j].second)) << "rótulo " << caixas[j].first;
            for (const EtiquetaTracado& e : t.etiquetas) {
                EXPECT_FALSE(CirculoToca(e.centro, RaioEtiqueta, folgada)) << "círculo " << e.numero;
                EXPECT_FALSE(SegmentoCruza(QLineF(e.centro, e.alvo), caixa)) << "traço " << e.numero;
            }
            for (const EquipamentoTracado& e : t.equipamentos)
                EXPECT_FALSE(folgada.intersects(e.Limites())) << "equipamento em " << e.Limites().x();
            for (const LegendaTracado& l : t.legendas)
                EXPECT_FALSE(folgada.intersects(TextoDaLegenda(l))) << l.texto.toStdString();
            for (const QLineF& s : segmentos)
                EXPECT_FALSE(SegmentoCruza(s, folgada)) << "linha em " << s.x1() << ", " << s.y1();
        }
        // A caption fits its place and is inside its symbol or clear of
        // every outline and line.
        for (const LegendaTracado& l : t.legendas) {
            const QRectF texto = TextoDaLegenda(l);
            EXPECT_TRUE(l.caixa.contains(texto)) << l.texto.toStdString();
            for (const EquipamentoTracado& q : t.equipamentos)
                EXPECT_TRUE(q.Limites().contains(texto) || !q.Limites().intersects(texto));
            for (const QLineF& s : segmentos) EXPECT_FALSE(SegmentoCruza(s, texto));
        }
    }
}

TEST(FluxogramaResultadosTracado, CaixaDoEixoAltoSoComATurbina) {
    std::set<int> esperados;
    for (const PapelRotulo& p : PapeisRotulos())
        if (p.tipo != TipoRotulo::NaoUsado) esperados.insert(p.rotulo);
    for (bool alta : {true, false}) {
        SCOPED_TRACE(Nome(alta));
        std::set<int> rotulos;
        for (const auto& c : CaixasValores(Execucao(alta))) rotulos.insert(c.first);
        std::set<int> faltam = esperados;
        if (!alta) faltam.erase(Rotulo::EixoTurbinaAlta);
        EXPECT_EQ(rotulos, faltam);
    }
    // Without the turbine its label is still drawn, out of service.
    for (const EtiquetaTracado& e : TracadoFluxogramaResultados(false).etiquetas)
        EXPECT_EQ(e.foraDeServico, e.numero == Rotulo::EixoTurbinaAlta);
    // No values from a run that did not finish.
    ResultadoUsina resultado = Execucao(true);
    for (SituacaoCalculo s : {SituacaoCalculo::SemCalculo, SituacaoCalculo::Recusado,
                              SituacaoCalculo::Interrompido}) {
        resultado.situacao = s;
        EXPECT_TRUE(CaixasValores(resultado).empty());
    }
}

// ---------------------------------------------------------------------------
// Texts in the boxes.

// The default run's values as the window's panels show them (flows in t/h
// from kg/s times 3.6, pressures in bar, powers in kW).
TEST(FluxogramaResultadosTextos, ValoresDaExecucaoPadrao) {
    const struct { bool alta; int rotulo; QStringList textos; } casos[] = {
        {true, Rotulo::VaporVivo, {"192,0 t/h", "80,00 bar", "450,0 °C"}},
        {true, Rotulo::Coletor, {"192,0 t/h", "22,00 bar", "298,8 °C"}},
        {true, Rotulo::EntradaValvula, {"19,2 t/h", "22,00 bar", "298,8 °C"}},
        {true, Rotulo::VaporProcesso, {"192,0 t/h", "2,50 bar", "165,8 °C"}},
        {true, Rotulo::CondensadoRetorno, {"192,0 t/h", "2,00 bar", "90,0 °C"}},
        // The feed water carries the condensate's flow at boiler pressure.
        {true, Rotulo::AguaAlimentacao, {"192,0 t/h", "80,00 bar", "91,5 °C"}},
        {true, Rotulo::EixoTurbinaAlta, {"13712 kW"}},
        {true, Rotulo::EixoTurbinaMoenda, {"6000 kW"}},
        {true, Rotulo::EixoTurbinaBomba, {"662 kW"}},
        {true, Rotulo::EixoBomba, {"-662 kW"}},  // absorbed
        {true, Rotulo::Combustivel, {"86,5 t/h"}},
        // Without the turbine the header carries the live steam unchanged.
        {false, Rotulo::Coletor, {"192,0 t/h", "80,00 bar", "450,0 °C"}},
        {false, Rotulo::EntradaValvula, {"19,2 t/h", "80,00 bar", "450,0 °C"}},
        {false, Rotulo::EixoTurbinaMedia, {"15634 kW"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(Nome(c.alta) + ", rótulo " + std::to_string(c.rotulo));
        EXPECT_EQ(TextosCaixaValores(Execucao(c.alta), c.rotulo, ","), c.textos);
    }
    EXPECT_EQ(TextosCaixaValores(Execucao(true), Rotulo::VaporVivo, "."),
              QStringList({"192.0 t/h", "80.00 bar", "450.0 °C"}));
}

TEST(FluxogramaResultadosTextos, NumerosComCasasFixas) {
    const struct { double valor; int casas; const char *separador, *texto; } casos[] = {
        {192.0, 1, ",", "192,0"},
        {22.0, 2, ".", "22.00"},
        {-661.93, 0, ",", "-662"},
        {13712.4, 0, ",", "13712"},
        {-0.04, 1, ",", "0,0"},     // no "-0,0"
        {-0.0, 2, ",", "0,00"},
        {-0.06, 1, ",", "-0,1"},
        {9.995, 2, ",", "9,99"},    // the double just below 9.995 rounds down
        {1.0e6, 1, ",", "1000000,0"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TextoDecimais(c.valor, c.casas, c.separador), c.texto) << c.valor;
}

// ---------------------------------------------------------------------------
// Exports.

QStringList TextosSvg(const QByteArray& svg, QString* erro) {
    QStringList textos;
    QXmlStreamReader leitor(svg);
    while (!leitor.atEnd())
        if (leitor.readNext() == QXmlStreamReader::StartElement && leitor.name() == u"text")
            textos << leitor.readElementText();
    if (leitor.hasError()) *erro = leitor.errorString();
    return textos;
}

QByteArray Ler(const QString& caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

TEST(FluxogramaResultadosExportacao, PngNaLarguraPedidaEPdfDeUmaPagina) {
    QTemporaryDir dir;
    ExportarFluxogramaPng(dir.filePath("f.png"), &Execucao(true), ",", 1234);
    const QImage imagem(dir.filePath("f.png"), "PNG");
    EXPECT_EQ(imagem.size(), QSize(1234, 718));  // 1234 x 640 / 1100, rounded
    EXPECT_EQ(imagem.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_THROW(ExportarFluxogramaPng(dir.filePath("g.png"), nullptr, ",", 0), std::invalid_argument);

    ExportarFluxogramaPdf(dir.filePath("f.pdf"), &Execucao(false), ",");
    const QByteArray pdf = Ler(dir.filePath("f.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page(?!s)")), 1);
    const QSizeF pagina = PaginaDoPdf(dir.filePath("f.pdf"));  // points: A4, landscape
    EXPECT_NEAR(pagina.width(), 842, 1);
    EXPECT_NEAR(pagina.height(), 595, 1);
}

TEST(FluxogramaResultadosExportacao, SvgComOsTextos) {
    QTemporaryDir dir;
    for (bool alta : {true, false}) {
        SCOPED_TRACE(Nome(alta));
        const QString caminho = dir.filePath(alta ? "com.svg" : "sem.svg");
        ExportarFluxogramaSvg(caminho, &Execucao(alta), ",");
        const QByteArray svg = Ler(caminho);
        EXPECT_TRUE(svg.contains("viewBox=\"0 0 1100 640\""));
        QString erro;
        const QStringList textos = TextosSvg(svg, &erro);
        EXPECT_TRUE(erro.isEmpty()) << erro.toStdString();
        EXPECT_TRUE(textos.contains("192,0 t/h"));
        EXPECT_TRUE(textos.contains("Turbina de média pressão"));
        EXPECT_EQ(textos.contains("Turbina de alta pressão"), alta);
        EXPECT_EQ(textos.contains("Sem turbina de alta pressão"), !alta);
        // One power box for each shaft that runs.
        EXPECT_EQ(textos.filter(QRegularExpression(" kW$")).size(), alta ? 5 : 4);
    }
    // Without a run: the plant and its labels, no values.
    ExportarFluxogramaSvg(dir.filePath("vazio.svg"), nullptr, ",");
    QString erro;
    const QStringList textos = TextosSvg(Ler(dir.filePath("vazio.svg")), &erro);
    EXPECT_TRUE(textos.contains("20") && textos.filter("t/h").isEmpty());
}

// The drawing is read in the window's language: its captions (and the
// file's title) in English, every number where it was; back in Portuguese
// the very same file.
class FluxogramaIdioma : public ::testing::Test {
protected:
    void TearDown() override { AplicarIdioma(Idioma::Portugues); }
};

TEST_F(FluxogramaIdioma, LegendasNoIdiomaDaJanela) {
    QTemporaryDir dir;
    for (bool alta : {true, false}) {
        SCOPED_TRACE(Nome(alta));
        const auto exportar = [&](const QString& nome) {
            ExportarFluxogramaSvg(dir.filePath(nome), &Execucao(alta), ",");
            return Ler(dir.filePath(nome));
        };
        const auto textos = [](const QByteArray& svg) {
            QString erro;
            return TextosSvg(svg, &erro);
        };
        const QByteArray portugues = exportar("pt.svg");
        AplicarIdioma(Idioma::Ingles);
        const QByteArray ingles = exportar("en.svg");
        for (const LegendaTracado& l : TracadoFluxogramaResultados(alta).legendas)
            EXPECT_NE(l.TextoMostrado(), l.texto) << l.texto.toStdString();
        const QRegularExpression numero("^[0-9-]");
        EXPECT_EQ(textos(ingles).filter(numero), textos(portugues).filter(numero));
        EXPECT_EQ(textos(ingles).size(), textos(portugues).size());
        for (const char* legenda : {alta ? "High-pressure turbine" : "No high-pressure turbine",
                                    "Boiler", "Mill turbine", "Steam", "Water", "Shaft"})
            EXPECT_TRUE(textos(ingles).contains(legenda)) << legenda;
        for (const QString& t : textos(ingles))
            EXPECT_FALSE(t.contains(QRegularExpression(
                "[ãõçáéíóúâêô]|Caldeira|Bomba|Vapor|Moenda|Processo|Eixo|Turbina")))
                << t.toStdString();
        EXPECT_TRUE(ingles.contains("<title>Flowsheet with results</title>"));
        if (const QString capturas = qEnvironmentVariable("USINA_CAPTURAS"); !capturas.isEmpty()) {
            QDir().mkpath(capturas);
            ExportarFluxogramaPng(QDir(capturas).filePath(alta ? "fluxograma-en.png"
                                                                : "fluxograma-sem-alta-en.png"),
                                  &Execucao(alta), ",", 1600);
        }
        AplicarIdioma(Idioma::Portugues);
        EXPECT_EQ(exportar("pt2.svg"), portugues);
    }
}

// A file that cannot be written throws the system's message and leaves
// nothing behind: no target, no temporary file.
TEST(FluxogramaResultadosExportacao, FalhaNaoDeixaArquivo) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("pasta"));  // a directory in the target's place
    const ResultadoUsina* r = &Execucao(true);
    const std::function<void(const QString&)> exportacoes[] = {
        [r](const QString& c) { ExportarFluxogramaPng(c, r, ",", 300); },
        [r](const QString& c) { ExportarFluxogramaSvg(c, r, ","); },
        [r](const QString& c) { ExportarFluxogramaPdf(c, r, ","); },
    };
    // Which file and why.
    const std::pair<QString, std::string> casos[] = {
        {dir.filePath("nao-existe/f"), "Não foi possível gravar o arquivo \"" +
                                           dir.filePath("nao-existe/f").toStdString() +
                                           "\": a pasta não existe"},
        {dir.filePath("pasta"), "Não foi possível gravar o arquivo \"" +
                                    dir.filePath("pasta").toStdString() +
                                    "\": é uma pasta, não um arquivo"},
    };
    for (const auto& exportar : exportacoes)
        for (const auto& [caminho, mensagem] : casos) {
            try {
                exportar(caminho);
                ADD_FAILURE() << "nenhum erro: " << caminho.toStdString();
            } catch (const ErroArquivo& e) {
                EXPECT_EQ(e.what(), mensagem);
            }
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                      QStringList{"pasta"});
            EXPECT_TRUE(QFileInfo(dir.filePath("pasta")).isDir());
        }
}

// ---------------------------------------------------------------------------
// Scaling: whatever the rectangle, the drawing keeps its proportions, is
// centred in it and paints nothing outside.

TEST(FluxogramaResultadosEscala, CentradoNaProporcao) {
    const QRgb fundo = qRgb(255, 0, 255);  // a colour the drawing never uses
    const struct { QSize imagem; QRectF area; } casos[] = {
        {{200, 120}, {0, 0, 200, 120}},
        {{3000, 1800}, {0, 0, 3000, 1800}},
        {{1600, 400}, {0, 0, 1600, 400}},   // short: margins left and right
        {{600, 600}, {0, 0, 600, 600}},     // tall: margins above and below
        {{700, 500}, {50, 40, 600, 420}},   // an area away from the origin
    };
    const double proporcao = TamanhoNaturalFluxogramaResultados().width() /
                             TamanhoNaturalFluxogramaResultados().height();
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c.imagem.width()) + "x" + std::to_string(c.imagem.height()));
        QImage imagem(c.imagem, QImage::Format_RGB32);
        imagem.fill(fundo);
        {
            QPainter pintor(&imagem);
            DesenharFluxogramaResultados(pintor, c.area, &Execucao(true), ",");
        }
        const QRectF alvo = RetanguloFluxogramaResultados(c.area);
        EXPECT_NEAR(alvo.width() / alvo.height(), proporcao, 1e-9);
        EXPECT_NEAR(alvo.center().x(), c.area.center().x(), 1e-9);
        EXPECT_NEAR(alvo.center().y(), c.area.center().y(), 1e-9);
        EXPECT_TRUE(alvo.width() == c.area.width() || alvo.height() == c.area.height());

        const QRect permitido = alvo.toAlignedRect();
        int fora = 0, desenhados = 0;
        QRect ocupado;
        for (int y = 0; y < imagem.height(); ++y)
            for (int x = 0; x < imagem.width(); ++x) {
                if (imagem.pixel(x, y) == fundo) continue;
                ++desenhados;
                if (!permitido.contains(x, y)) ++fora;
                ocupado |= QRect(x, y, 1, 1);
            }
        EXPECT_EQ(fora, 0);
        EXPECT_GT(desenhados, 0);
        // The drawing reaches across its rectangle, not a corner of it.
        EXPECT_GE(ocupado.width(), 0.95 * alvo.width());
        EXPECT_GE(ocupado.height(), 0.9 * alvo.height());
    }
}

}  // namespace
