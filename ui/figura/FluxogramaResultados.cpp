#include "ui/figura/FluxogramaResultados.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPen>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "io/ErrosArquivo.h"
#include "plant/EntradasUsina.h"
#include "plant/PapeisRotulos.h"
#include "plant/TabelaCorrentes.h"
#include "ui/comum/DesenhoArquivo.h"
#include "ui/comum/GravarArquivo.h"
#include "ui/figura/TracadoFluxogramaResultados.h"

namespace {

using P = QPointF;

// Colours: dark outlines and shafts, steam blue-grey, water blue, bagasse
// brown; all dark enough to stay distinct from the white boxes in grey print.
const QColor CorContorno(0x1f, 0x23, 0x28);
const QColor CorPreenchimento(0xee, 0xf2, 0xf5);
const QColor CorVapor(0x4c, 0x6b, 0x85);
const QColor CorAgua(0x1e, 0x6f, 0xc0);
const QColor CorCombustivel(0x8a, 0x6a, 0x3a);
const QColor CorEixo(0x2b, 0x2b, 0x2b);
const QColor CorForaDeServico(0xa8, 0xad, 0xb3);
const QColor CorBordaCaixa(0x6b, 0x77, 0x85);
const QColor CorTextoCaixa(0x11, 0x11, 0x11);
const QColor CorDesatualizado(0x9a, 0xa0, 0xa6);

// Widths and sizes, logical units.
constexpr double EspessuraLinha = 2.2;
constexpr double EspessuraEixo = 1.4;
constexpr double EspessuraContorno = 1.6;
constexpr double EspessuraEtiqueta = 1.1;
constexpr double EspessuraCaixa = 0.9;
constexpr double ComprimentoSeta = 11.0;
constexpr double MeiaBaseSeta = 4.5;
constexpr int FonteValores = 12;    // logical pixels
constexpr int FonteLegendas = 11;
constexpr int FonteLegendaPequena = 10;
constexpr int FonteEtiquetas = 10;
constexpr int FonteSimbolo = 16;
constexpr double MargemTextoCaixa = 3.0;  // each side

constexpr double MilimetrosMargemPdf = 10.0;

// Glyph advances must scale with the drawing: without hinting a text takes
// the same logical width at every size, so what fits a box on the screen
// fits it in a file too.
QFont Fonte(int pixels, bool negrito = false) {
    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    fonte.setHintingPreference(QFont::PreferNoHinting);
    return fonte;
}

QColor CorDaLinha(TipoLinha tipo) {
    switch (tipo) {
    case TipoLinha::Vapor: return CorVapor;
    case TipoLinha::Agua: return CorAgua;
    case TipoLinha::Combustivel: return CorCombustivel;
    case TipoLinha::Eixo: return CorEixo;
    }
    return CorContorno;
}

QPen Caneta(const QColor& cor, double espessura, bool tracejada = false) {
    return QPen(cor, espessura, tracejada ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap,
                Qt::MiterJoin);
}

void DesenharSeta(QPainter& pintor, const SetaTracado& seta) {
    const QPointF p = seta.ponta;
    const double c = ComprimentoSeta, m = MeiaBaseSeta;
    QPolygonF triangulo;
    switch (seta.sentido) {
    case Sentido::Direita: triangulo << p << P(p.x() - c, p.y() - m) << P(p.x() - c, p.y() + m); break;
    case Sentido::Esquerda: triangulo << p << P(p.x() + c, p.y() - m) << P(p.x() + c, p.y() + m); break;
    case Sentido::Baixo: triangulo << p << P(p.x() - m, p.y() - c) << P(p.x() + m, p.y() - c); break;
    case Sentido::Cima: triangulo << p << P(p.x() - m, p.y() + c) << P(p.x() + m, p.y() + c); break;
    }
    const QColor cor = seta.foraDeServico ? CorForaDeServico : CorDaLinha(seta.tipo);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(cor);
    pintor.drawPolygon(triangulo);
}

void DesenharEquipamento(QPainter& pintor, const EquipamentoTracado& e) {
    const QColor cor = e.foraDeServico ? CorForaDeServico : CorContorno;
    pintor.setPen(Caneta(cor, EspessuraContorno, e.foraDeServico));
    pintor.setBrush(e.foraDeServico ? QColor(Qt::white) : CorPreenchimento);
    if (e.raio > 0) {
        pintor.drawEllipse(e.centro, e.raio, e.raio);
    } else {
        pintor.drawPolygon(e.contorno);
    }
    if (!e.simbolo.isEmpty()) {
        pintor.setPen(cor);
        pintor.setFont(Fonte(FonteSimbolo, true));
        pintor.drawText(e.Limites(), Qt::AlignCenter, e.simbolo);
    }
}

void DesenharEtiqueta(QPainter& pintor, const EtiquetaTracado& etiqueta) {
    const QColor cor = etiqueta.foraDeServico ? CorForaDeServico : CorContorno;
    pintor.setPen(Caneta(cor, EspessuraEtiqueta));
    // The stroke starts on the rim, on the side facing the named line.
    QLineF traco(etiqueta.centro, etiqueta.alvo);
    traco.setLength(RaioEtiqueta);
    pintor.drawLine(traco.p2(), etiqueta.alvo);
    pintor.setBrush(Qt::white);
    pintor.drawEllipse(etiqueta.centro, RaioEtiqueta, RaioEtiqueta);
    pintor.setFont(Fonte(FonteEtiquetas, true));
    const QRectF dentro(etiqueta.centro.x() - RaioEtiqueta, etiqueta.centro.y() - RaioEtiqueta,
                        2 * RaioEtiqueta, 2 * RaioEtiqueta);
    pintor.drawText(dentro, Qt::AlignCenter, QString::number(etiqueta.numero));
}

void DesenharCaixa(QPainter& pintor, const QRectF& caixa, const QStringList& textos,
                   bool desatualizado) {
    pintor.setPen(Caneta(desatualizado ? CorDesatualizado : CorBordaCaixa, EspessuraCaixa));
    pintor.setBrush(Qt::white);
    pintor.drawRect(caixa);
    if (textos.isEmpty()) return;

    const QFont fonte = Fonte(FonteValores);
    pintor.setFont(fonte);
    pintor.setPen(desatualizado ? CorDesatualizado : CorTextoCaixa);
    // A value longer than the box was laid out for (a far larger plant) is
    // drawn smaller rather than clipped.
    const QFontMetricsF medidas(fonte);
    double maior = 0.0;
    for (const QString& t : textos) maior = std::max(maior, medidas.horizontalAdvance(t));
    const double util = caixa.width() - 2 * MargemTextoCaixa;
    const double fator = maior > util ? util / maior : 1.0;

    pintor.save();
    pintor.translate(caixa.center());
    pintor.scale(fator, fator);
    const double largura = caixa.width() / fator;
    const double alturaLinha = (caixa.height() - 2.0) / static_cast<double>(textos.size());
    for (qsizetype i = 0; i < textos.size(); ++i) {
        const QRectF linha(-largura / 2, -caixa.height() / 2 + 1.0 + alturaLinha * static_cast<double>(i),
                           largura, alturaLinha);
        pintor.drawText(linha, Qt::AlignCenter, textos[i]);
    }
    pintor.restore();
}

// The exported file's title, in the window's language.
QString TituloFluxograma() {
    return QCoreApplication::translate("FluxogramaResultados", "Fluxograma com resultados");
}

bool Completo(const ResultadoUsina* resultado) {
    return resultado != nullptr && resultado->situacao == SituacaoCalculo::Completo;
}

QString Valor(double valor, int casas, const std::string& separador, const char* unidade) {
    return QString::fromStdString(TextoDecimais(valor, casas, separador)) + QStringLiteral(" ") +
           QString::fromUtf8(unidade);
}

}  // namespace

std::string TextoDecimais(double valor, int casas, const std::string& separador) {
    // Room for the largest double written in full (309 digits) and its
    // decimals.
    std::array<char, 400> buffer{};
    const auto [fim, erro] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), valor,
                                           std::chars_format::fixed, casas);
    if (erro != std::errc()) return std::string(1, '?');
    std::string texto(buffer.data(), fim);
    if (texto.size() > 1 && texto.front() == '-' &&
        texto.find_first_not_of("-0.") == std::string::npos)
        texto.erase(0, 1);
    const std::size_t ponto = texto.find('.');
    if (ponto != std::string::npos) texto.replace(ponto, 1, separador);
    return texto;
}

QStringList TextosCaixaValores(const ResultadoUsina& resultado, int rotulo,
                               const std::string& separador) {
    const PapelRotulo& papel = PapelDoRotulo(rotulo);
    switch (papel.tipo) {
    case TipoRotulo::Corrente:
        for (const LinhaCorrente& c : TabelaCorrentes(resultado))
            if (c.rotulo == rotulo)
                return {Valor(c.vazao * ToneladaHoraPorKgSegundo, 1, separador, "t/h"),
                        Valor(c.pressao, 2, separador, "bar"),
                        Valor(c.temperatura, 1, separador, "°C")};
        return {};
    case TipoRotulo::Eixo:
        return {Valor(resultado.dados.Potencia[static_cast<std::size_t>(rotulo)], 0, separador, "kW")};
    case TipoRotulo::Combustivel:
        return {Valor(resultado.globais.ConsumoBagaco, 1, separador, "t/h")};
    case TipoRotulo::NaoUsado:
        return {};
    }
    return {};
}

QSizeF TamanhoNaturalFluxogramaResultados() { return {LarguraTracado, AlturaTracado}; }

QRectF RetanguloFluxogramaResultados(const QRectF& area) {
    const double escala = std::min(area.width() / LarguraTracado, area.height() / AlturaTracado);
    const QSizeF tamanho(LarguraTracado * escala, AlturaTracado * escala);
    return {area.center().x() - tamanho.width() / 2, area.center().y() - tamanho.height() / 2,
            tamanho.width(), tamanho.height()};
}

std::vector<std::pair<int, QRectF>> CaixasValores(const ResultadoUsina& resultado) {
    std::vector<std::pair<int, QRectF>> caixas;
    if (!Completo(&resultado)) return caixas;
    for (const CaixaTracado& c : TracadoFluxogramaResultados(resultado.comTurbinaAlta).caixas)
        caixas.emplace_back(c.rotulo, c.caixa);
    return caixas;
}

namespace {

// A rectangle of the drawing's logical units where area shows it.
QRectF NaArea(const QRectF& logico, const QRectF& area) {
    const QRectF destino = RetanguloFluxogramaResultados(area);
    const double ex = destino.width() / LarguraTracado, ey = destino.height() / AlturaTracado;
    return {destino.left() + logico.left() * ex, destino.top() + logico.top() * ey,
            logico.width() * ex, logico.height() * ey};
}

}  // namespace

int RotuloNaPosicao(const ResultadoUsina& resultado, const QRectF& area, const QPointF& posicao) {
    for (const auto& [rotulo, caixa] : CaixasValores(resultado))
        if (NaArea(caixa, area).contains(posicao)) return rotulo;
    return -1;
}

QRectF CaixaNaArea(const ResultadoUsina& resultado, const QRectF& area, int rotulo) {
    for (const auto& [r, caixa] : CaixasValores(resultado))
        if (r == rotulo) return NaArea(caixa, area);
    return {};
}

void DesenharFluxogramaResultados(QPainter& pintor, const QRectF& area,
                                  const ResultadoUsina* resultado, const std::string& separador,
                                  bool desatualizado) {
    if (area.width() <= 0 || area.height() <= 0) return;
    const bool comTurbinaAlta = resultado == nullptr || resultado->comTurbinaAlta;
    const TracadoFluxograma& t = TracadoFluxogramaResultados(comTurbinaAlta);
    const QRectF destino = RetanguloFluxogramaResultados(area);

    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing, true);
    pintor.setRenderHint(QPainter::TextAntialiasing, true);
    pintor.translate(destino.topLeft());
    pintor.scale(destino.width() / LarguraTracado, destino.height() / AlturaTracado);
    pintor.setClipRect(QRectF(0, 0, LarguraTracado, AlturaTracado), Qt::IntersectClip);

    pintor.setBrush(Qt::NoBrush);
    for (const LinhaTracado& l : t.linhas) {
        const QColor cor = l.foraDeServico ? CorForaDeServico : CorDaLinha(l.tipo);
        const double espessura = l.tipo == TipoLinha::Eixo ? EspessuraEixo : EspessuraLinha;
        pintor.setPen(Caneta(cor, espessura, l.foraDeServico));
        pintor.drawPolyline(l.pontos.data(), static_cast<int>(l.pontos.size()));
    }
    for (const EquipamentoTracado& e : t.equipamentos) DesenharEquipamento(pintor, e);
    for (const SetaTracado& s : t.setas) DesenharSeta(pintor, s);

    for (const LegendaTracado& l : t.legendas) {
        pintor.setPen(l.foraDeServico ? CorForaDeServico : CorContorno);
        pintor.setFont(Fonte(l.pequena ? FonteLegendaPequena : FonteLegendas));
        pintor.drawText(l.caixa, l.alinhamento, l.TextoMostrado());
    }
    for (const EtiquetaTracado& e : t.etiquetas) DesenharEtiqueta(pintor, e);

    if (Completo(resultado))
        for (const CaixaTracado& c : t.caixas)
            DesenharCaixa(pintor, c.caixa, TextosCaixaValores(*resultado, c.rotulo, separador),
                          desatualizado);
    pintor.restore();
}

void ExportarFluxogramaPng(const QString& caminho, const ResultadoUsina* resultado,
                           const std::string& separador, int larguraPx) {
    if (larguraPx < 1) throw std::invalid_argument("largura da imagem menor que 1 pixel");
    const int altura = std::max(
        1, static_cast<int>(std::lround(larguraPx * AlturaTracado / LarguraTracado)));
    // The file is made first: a name the system refuses is said before the
    // drawing work.
    GravarArquivo(caminho, [&] {
        return DesenhoPng(QSize(larguraPx, altura), [&](QPainter& pintor, const QRectF& area) {
            DesenharFluxogramaResultados(pintor, area, resultado, separador);
        });
    });
}

void ExportarFluxogramaSvg(const QString& caminho, const ResultadoUsina* resultado,
                           const std::string& separador) {
    GravarArquivo(caminho, [&] {
        return DesenhoSvg(TamanhoNaturalFluxogramaResultados(), TituloFluxograma(),
                          [&](QPainter& pintor, const QRectF& area) {
                              DesenharFluxogramaResultados(pintor, area, resultado, separador);
                          });
    });
}

void ExportarFluxogramaPdf(const QString& caminho, const ResultadoUsina* resultado,
                           const std::string& separador) {
    GravarArquivo(caminho, [&] {
        QByteArray bytes;
        QBuffer saida(&bytes);
        saida.open(QIODevice::WriteOnly);
        {
            QPdfWriter pdf(&saida);
            pdf.setPageLayout(QPageLayout(
                QPageSize(QPageSize::A4), QPageLayout::Landscape,
                QMarginsF(MilimetrosMargemPdf, MilimetrosMargemPdf, MilimetrosMargemPdf,
                          MilimetrosMargemPdf),
                QPageLayout::Millimeter));
            pdf.setTitle(TituloFluxograma());
            pdf.setCreator(QStringLiteral("Usina"));
            QPainter pintor;
            if (!pintor.begin(&pdf)) throw ErroArquivo("PDF error");
            DesenharFluxogramaResultados(pintor, QRectF(0, 0, pdf.width(), pdf.height()),
                                         resultado, separador);
            pintor.end();
        }
        return bytes;
    });
}
