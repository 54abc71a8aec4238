#include "ui/figura/Fluxograma.h"

#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QString>

#include "ui/figura/FluxogramaGeometria.h"

namespace {

constexpr int PixelsPorMetro = 3780;  // 96 dots per inch
constexpr int ComprimentoSeta = 8;    // pixels, tip to base
constexpr int MeiaBaseSeta = 3;       // pixels

// Small crisp text: with antialiasing off every glyph pixel is pure black,
// so the picture keeps to two colours.
QFont Fonte(int pixels) {
    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setPixelSize(pixels);
    fonte.setStyleStrategy(QFont::NoAntialias);
    fonte.setHintingPreference(QFont::PreferFullHinting);
    return fonte;
}

void DesenharSeta(QPainter& pintor, const Seta& seta) {
    const QPoint p = seta.ponta;
    const int c = ComprimentoSeta, m = MeiaBaseSeta;
    QPolygon triangulo;
    switch (seta.direcao) {
    case Direcao::Direita:  triangulo << p << QPoint(p.x() - c, p.y() - m) << QPoint(p.x() - c, p.y() + m); break;
    case Direcao::Esquerda: triangulo << p << QPoint(p.x() + c, p.y() - m) << QPoint(p.x() + c, p.y() + m); break;
    case Direcao::Baixo:    triangulo << p << QPoint(p.x() - m, p.y() - c) << QPoint(p.x() + m, p.y() - c); break;
    case Direcao::Cima:     triangulo << p << QPoint(p.x() - m, p.y() + c) << QPoint(p.x() + m, p.y() + c); break;
    }
    pintor.drawPolygon(triangulo);
}

void DesenharRotulo(QPainter& pintor, const Rotulo& rotulo) {
    const QPoint c = rotulo.centro;
    const int r = RaioRotulo;
    pintor.setBrush(Qt::NoBrush);
    pintor.drawEllipse(c, r, r);
    // The stroke starts on the rim, on the side facing the named line.
    QLineF direcao(c, rotulo.alvo);
    direcao.setLength(r);
    pintor.drawLine(direcao.p2().toPoint(), rotulo.alvo);
    pintor.drawText(QRect(c.x() - r, c.y() - r, 2 * r + 1, 2 * r + 1), Qt::AlignCenter,
                    QString::number(rotulo.numero));
}

}  // namespace

QImage DesenharFluxograma() {
    QImage figura(LarguraFluxograma, AlturaFluxograma, QImage::Format_RGB888);
    figura.setDotsPerMeterX(PixelsPorMetro);
    figura.setDotsPerMeterY(PixelsPorMetro);
    figura.fill(Qt::white);

    const GeometriaFluxograma& g = Geometria();
    QPainter pintor(&figura);
    pintor.setRenderHint(QPainter::Antialiasing, false);
    pintor.setRenderHint(QPainter::TextAntialiasing, false);
    pintor.setPen(QPen(Qt::black, 1));

    // Segment by segment: an aliased polyline may leave a corner pixel out
    // where two segments meet, a single line always has both end pixels.
    for (const auto& linha : g.linhas)
        for (std::size_t i = 1; i < linha.size(); ++i) pintor.drawLine(linha[i - 1], linha[i]);
    for (const Circulo& c : g.circulos) pintor.drawEllipse(c.centro, c.raio, c.raio);

    pintor.setBrush(Qt::black);
    for (const Seta& seta : g.setas) DesenharSeta(pintor, seta);

    pintor.setFont(Fonte(8));
    for (const Rotulo& rotulo : g.rotulos) DesenharRotulo(pintor, rotulo);

    pintor.setFont(Fonte(10));
    for (const Legenda& legenda : g.legendas)
        pintor.drawText(legenda.caixa, legenda.alinhamento, QString::fromUtf8(legenda.texto));
    return figura;
}
