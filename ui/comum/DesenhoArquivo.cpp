#include "ui/comum/DesenhoArquivo.h"

#include <QBuffer>
#include <QImage>
#include <QSvgGenerator>
#include <new>

#include "io/ErrosArquivo.h"

QByteArray DesenhoPng(const QSize& pixels, const Desenho& desenhar) {
    QImage imagem(pixels, QImage::Format_RGB32);
    if (imagem.isNull()) throw std::bad_alloc();
    imagem.fill(Qt::white);
    {
        QPainter pintor(&imagem);
        pintor.setRenderHint(QPainter::Antialiasing);
        desenhar(pintor, QRectF(imagem.rect()));
    }
    QByteArray bytes;
    QBuffer saida(&bytes);
    saida.open(QIODevice::WriteOnly);
    if (!imagem.save(&saida, "PNG")) throw ErroArquivo("PNG error");
    return bytes;
}

QByteArray DesenhoSvg(const QSizeF& tamanho, const QString& titulo, const Desenho& desenhar) {
    QByteArray bytes;
    QBuffer saida(&bytes);
    saida.open(QIODevice::WriteOnly);
    const QRectF area(QPointF(0, 0), tamanho);
    QSvgGenerator svg;
    svg.setOutputDevice(&saida);
    svg.setSize(tamanho.toSize());
    svg.setViewBox(area);
    svg.setTitle(titulo);
    QPainter pintor;
    if (!pintor.begin(&svg)) throw ErroArquivo("SVG error");
    pintor.fillRect(area, Qt::white);
    desenhar(pintor, area);
    pintor.end();
    return bytes;
}
