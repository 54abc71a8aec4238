#include "ui/analise/GraficoEstudo.h"

#include <QChart>
#include <QCoreApplication>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QPolygonF>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "plant/ErrosPlanta.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSaidas.h"
#include "ui/analise/ModeloEstudo.h"
#include "ui/comum/MensagensNucleo.h"

namespace {

// Twelve colours that read apart on the screen and in print, in order: the
// usual ten of charts, then black and a dark teal.
const QColor Cores[CoresCurvas] = {
    QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
    QColor(0xff, 0x7f, 0x0e), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
    QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f), QColor(0xbc, 0xbd, 0x22),
    QColor(0x17, 0xbe, 0xcf), QColor(0x00, 0x00, 0x00), QColor(0x00, 0x5a, 0x5b),
};
const Qt::PenStyle Tracos[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
const FormaMarcador Formas[] = {FormaMarcador::Circulo, FormaMarcador::Quadrado,
                                FormaMarcador::Triangulo, FormaMarcador::Losango};
constexpr double TamanhoMarcador = 7.0;  // pixels

void DesenharMarcador(QPainter& pintor, FormaMarcador forma, const QPointF& centro, double lado) {
    const double r = lado / 2.0;
    switch (forma) {
    case FormaMarcador::Circulo: pintor.drawEllipse(centro, r, r); break;
    case FormaMarcador::Quadrado: pintor.drawRect(QRectF(centro.x() - r, centro.y() - r, lado, lado)); break;
    case FormaMarcador::Triangulo:
        pintor.drawPolygon(QPolygonF({centro + QPointF(0, -r), centro + QPointF(r, r),
                                      centro + QPointF(-r, r)}));
        break;
    case FormaMarcador::Losango:
        pintor.drawPolygon(QPolygonF({centro + QPointF(0, -r), centro + QPointF(r, 0),
                                      centro + QPointF(0, r), centro + QPointF(-r, 0)}));
        break;
    }
}

// The marker a series draws at its points, in the curve's colour.
QImage ImagemMarcador(const EstiloCurva& estilo) {
    const int lado = 2 * static_cast<int>(TamanhoMarcador);  // drawn at twice the size, scaled down
    QImage imagem(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::transparent);
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(estilo.cor);
    DesenharMarcador(pintor, estilo.forma, QPointF(lado / 2.0, lado / 2.0), lado - 2.0);
    return imagem;
}

QString Traduzir(const char* texto) { return QCoreApplication::translate("GraficoEstudo", texto); }

// One or two axes, and the output asked for among those calculated.
void ExigirEixosESaida(std::size_t eixos, std::size_t saidas, std::size_t saida) {
    if (eixos == 0 || eixos > 2)
        throw ErroVarredura(
            Traduzir(QT_TRANSLATE_NOOP("GraficoEstudo", "Um estudo tem um ou dois campos de entrada."))
                .toStdString());
    if (saida >= saidas)
        throw ErroVarredura(
            Traduzir(QT_TRANSLATE_NOOP("GraficoEstudo", "Nenhuma saída escolhida para o gráfico."))
                .toStdString());
}

// Why a calculated point has no value of the output; the plant's own
// messages as it words them.
QString MotivoFalha(const PontoVarredura& p, const std::string& separador) {
    if (!p.erro.empty()) return ErroDoPonto(p);
    if (p.situacao == SituacaoCalculo::Completo)
        return Traduzir(QT_TRANSLATE_NOOP("GraficoEstudo",
                                          "o campo fica em branco sem a turbina de alta pressão"));
    if (!p.aviso.empty()) return AvisosDoPonto(p, separador);
    return Traduzir(QT_TRANSLATE_NOOP("GraficoEstudo", "o cálculo não terminou"));
}

// Decimals of an axis's tick labels: enough for its tick interval.
int DecimaisMarcas(const QValueAxis& eixo) {
    const double passo = (eixo.max() - eixo.min()) / std::max(1, eixo.tickCount() - 1);
    if (!(passo > 0.0)) return 1;
    return std::clamp(static_cast<int>(std::ceil(-std::log10(passo) - 1e-9)), 0, 6);
}

QValueAxis* CriarEixo(const QString& titulo, double minimo, double maximo) {
    auto* eixo = new QValueAxis;
    eixo->setTitleText(titulo);
    if (!(maximo > minimo)) {
        // A single value, or none: a range around it so the axis can be drawn.
        const double meio = std::isfinite(minimo) ? minimo : 0.0;
        const double folga = std::max(1.0, std::abs(meio) * 0.05);
        minimo = meio - folga;
        maximo = meio + folga;
    }
    eixo->setRange(minimo, maximo);
    eixo->applyNiceNumbers();
    eixo->setLabelFormat(QString("%.%1f").arg(DecimaisMarcas(*eixo)));
    return eixo;
}

}  // namespace

EstiloCurva EstiloDaCurva(std::size_t k) {
    const std::size_t volta = (k / CoresCurvas) % std::size(Tracos);
    return {Cores[k % CoresCurvas], Tracos[volta], Formas[volta]};
}

QPixmap AmostraCurva(const EstiloCurva& estilo, QSize tamanho) {
    QPixmap amostra(tamanho);
    amostra.fill(Qt::transparent);
    QPainter pintor(&amostra);
    pintor.setRenderHint(QPainter::Antialiasing);
    const double meio = tamanho.height() / 2.0;
    QPen caneta(estilo.cor, 2.0, estilo.traco);
    caneta.setCapStyle(Qt::FlatCap);
    pintor.setPen(caneta);
    pintor.drawLine(QPointF(1.0, meio), QPointF(tamanho.width() - 1.0, meio));
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(estilo.cor);
    DesenharMarcador(pintor, estilo.forma, QPointF(tamanho.width() / 2.0, meio), TamanhoMarcador);
    return amostra;
}

void DesenharLegendaCurvas(QPainter& pintor, const QRectF& area, const CurvasEstudo& curvas) {
    if (curvas.curvas.size() < 2) return;
    constexpr double LarguraAmostra = 30.0, Espaco = 6.0;  // pixels
    const QRectF texto(0, 0, area.width() - LarguraAmostra - Espaco, 1e6);
    QFont fonte = pintor.font();
    // The whole list at the largest size that fits the height.
    for (double pontos = fonte.pointSizeF(); pontos > 5.0; pontos -= 0.5) {
        fonte.setPointSizeF(pontos);
        const QFontMetricsF m(fonte);
        double altura = 0.0;
        for (const CurvaEstudo& c : curvas.curvas)
            altura += m.boundingRect(texto, Qt::TextWordWrap, c.nome).height() + Espaco;
        if (altura <= area.height()) break;
    }
    pintor.save();
    pintor.setFont(fonte);
    const QFontMetricsF m(fonte);
    double y = area.top();
    for (std::size_t k = 0; k < curvas.curvas.size(); ++k) {
        const QString& nome = curvas.curvas[k].nome;
        const QRectF caixa = m.boundingRect(texto, Qt::TextWordWrap, nome);
        const QSize tamanhoAmostra(static_cast<int>(LarguraAmostra), static_cast<int>(m.height()));
        pintor.drawPixmap(QPointF(area.left(), y), AmostraCurva(EstiloDaCurva(k), tamanhoAmostra));
        pintor.setPen(Qt::black);
        pintor.drawText(QRectF(area.left() + LarguraAmostra + Espaco, y, texto.width(), caixa.height()),
                        Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, nome);
        y += caixa.height() + Espaco;
    }
    pintor.restore();
}

CurvasEstudo MontarCurvas(const PedidoVarredura& pedido, const ResultadoVarredura& resultado,
                          std::size_t saida, const std::string& separador) {
    ExigirEixosESaida(pedido.eixos.size(), pedido.saidas.size(), saida);
    return MontarCurvas(ComEixos(pedido, resultado), saida, separador);
}

CurvasEstudo MontarCurvas(const ResultadoVarredura& resultado, std::size_t saida,
                          const std::string& separador) {
    ExigirEixosESaida(resultado.eixos.size(), resultado.saidas.size(), saida);
    const CampoSaida* campoSaida = resultado.saidas[saida];
    // Any axis: a plant or season input, or the configuration.
    const EixoCalculado& x = resultado.eixos[0];
    const std::vector<double>& valoresX = x.valores;
    const EixoCalculado* z = resultado.eixos.size() == 2 ? &resultado.eixos[1] : nullptr;
    const std::vector<double> valoresZ = z != nullptr ? z->valores : std::vector<double>{0.0};

    CurvasEstudo c;
    c.tituloX = LegendaEixo(x);
    c.tituloY = LegendaSaida(*campoSaida);
    if (z != nullptr) c.curvasPor = LegendaEixo(*z);
    c.curvas.resize(valoresZ.size());
    for (std::size_t k = 0; k < valoresZ.size(); ++k)
        c.curvas[k].nome = z != nullptr ? TextoValorEixo(*z, valoresZ[k], separador)
                                        : SemUnidade(c.tituloY);

    // The second input is the inner loop: point i * nz + k.
    const std::size_t nz = valoresZ.size();
    for (std::size_t k = 0; k < nz; ++k) {
        CurvaEstudo& curva = c.curvas[k];
        bool emTrecho = false;
        for (std::size_t i = 0; i < valoresX.size(); ++i) {
            const std::size_t indice = i * nz + k;
            if (indice >= resultado.pontos.size()) break;
            const PontoVarredura& p = resultado.pontos[indice];
            const std::optional<double> y = p.calculado ? p.saidas.at(saida) : std::nullopt;
            if (!y) {
                emTrecho = false;
                if (!p.calculado) {
                    ++c.naoExecutados;
                    continue;
                }
                QString onde = TextoValorEixo(x, p.valores[0], separador);
                if (z != nullptr) onde += ", " + TextoValorEixo(*z, p.valores[1], separador);
                c.falhas << onde + ": " + MotivoFalha(p, separador);
                continue;
            }
            if (!emTrecho) curva.trechos.emplace_back();
            emTrecho = true;
            curva.trechos.back().emplace_back(p.valores[0], *y);
        }
    }
    return c;
}

void PreencherGrafico(QChart& grafico, const CurvasEstudo& curvas) {
    grafico.removeAllSeries();
    for (QAbstractAxis* eixo : grafico.axes()) {
        grafico.removeAxis(eixo);
        delete eixo;
    }
    // Tick labels with the user's decimal separator.
    grafico.setLocale(QLocale());
    grafico.setLocalizeNumbers(true);

    double xMin = std::numeric_limits<double>::infinity(), xMax = -xMin;
    double yMin = xMin, yMax = -xMin;
    for (const CurvaEstudo& curva : curvas.curvas)
        for (const std::vector<QPointF>& trecho : curva.trechos)
            for (const QPointF& p : trecho) {
                xMin = std::min(xMin, p.x());
                xMax = std::max(xMax, p.x());
                yMin = std::min(yMin, p.y());
                yMax = std::max(yMax, p.y());
            }
    QValueAxis* eixoX = CriarEixo(curvas.tituloX, xMin, xMax);
    QValueAxis* eixoY = CriarEixo(curvas.tituloY, yMin, yMax);
    grafico.addAxis(eixoX, Qt::AlignBottom);
    grafico.addAxis(eixoY, Qt::AlignLeft);

    for (std::size_t k = 0; k < curvas.curvas.size(); ++k) {
        const CurvaEstudo& curva = curvas.curvas[k];
        const EstiloCurva estilo = EstiloDaCurva(k);
        QPen caneta(estilo.cor, 2.0, estilo.traco);
        const QImage marcador = ImagemMarcador(estilo);
        bool primeiro = true;
        // A curve without any value still gets its legend entry.
        std::vector<std::vector<QPointF>> trechos = curva.trechos;
        if (trechos.empty()) trechos.emplace_back();
        for (const std::vector<QPointF>& trecho : trechos) {
            auto* serie = new QLineSeries;
            serie->setName(curva.nome);
            serie->setPen(caneta);
            serie->setColor(caneta.color());
            // A run of one point has no line: the markers keep it visible.
            serie->setPointsVisible(true);
            serie->setMarkerSize(TamanhoMarcador);
            serie->setLightMarker(marcador);
            for (const QPointF& p : trecho) serie->append(p);
            grafico.addSeries(serie);
            serie->attachAxis(eixoX);
            serie->attachAxis(eixoY);
            // One legend entry per curve, whatever its number of runs.
            if (!primeiro)
                for (QLegendMarker* m : grafico.legend()->markers(serie)) m->setVisible(false);
            primeiro = false;
        }
    }
    // The chart's own legend cuts long names short: the view lists the
    // curves beside the chart, a file draws them (DesenharLegendaCurvas).
    grafico.legend()->setVisible(false);
    // The title names the output and the inputs, the second input on its
    // second line.
    QString titulo = "<b>" + SemUnidade(curvas.tituloY).toHtmlEscaped() + " × " +
                     SemUnidade(curvas.tituloX).toHtmlEscaped() + "</b>";
    if (!curvas.curvasPor.isEmpty())
        titulo += "<br>" + Traduzir(QT_TRANSLATE_NOOP("GraficoEstudo", "Curvas: %1"))
                               .arg(curvas.curvasPor.toHtmlEscaped());
    grafico.setTitle(titulo);
}
