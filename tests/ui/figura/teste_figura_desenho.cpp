#include <QImage>
#include <QLineF>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

#include "ui/figura/Fluxograma.h"
#include "ui/figura/FluxogramaGeometria.h"

namespace {

const QImage& Figura() {
    static const QImage figura = DesenharFluxograma();
    return figura;
}

bool Preto(const QImage& f, int x, int y) { return f.pixel(x, y) == qRgb(0, 0, 0); }

TEST(Fluxograma, TamanhoFormatoEResolucao) {
    const QImage& f = Figura();
    EXPECT_EQ(f.width(), 538);
    EXPECT_EQ(f.height(), 317);
    EXPECT_EQ(f.format(), QImage::Format_RGB888);
    EXPECT_EQ(f.depth(), 24);
    EXPECT_EQ(f.dotsPerMeterX(), 3780);
    EXPECT_EQ(f.dotsPerMeterY(), 3780);
}

// Any antialiased edge or text would leave grey pixels.
TEST(Fluxograma, SoPixelsPretosEBrancos) {
    const QImage& f = Figura();
    int pretos = 0, outros = 0;
    for (int y = 0; y < f.height(); ++y)
        for (int x = 0; x < f.width(); ++x) {
            const QRgb c = f.pixel(x, y);
            if (c == qRgb(0, 0, 0)) ++pretos;
            else if (c != qRgb(255, 255, 255)) ++outros;
        }
    EXPECT_EQ(outros, 0);
    EXPECT_GT(pretos, 2000);  // a drawing, not a blank page
}

struct Sonda {
    const char* onde;
    int x, y;
    bool preto;
};

TEST(Fluxograma, PixelsNaGeometria) {
    const Sonda sondas[] = {
        {"caldeira, canto superior esquerdo", 42, 14, true},
        {"caldeira, canto inferior direito", 100, 96, true},
        {"combustível na borda esquerda", 0, 77, true},
        {"água de alimentação", 71, 150, true},
        {"vapor vivo", 150, 23, true},
        {"turbina alta, lado esquerdo", 178, 55, true},
        {"turbina alta, lado direito", 225, 40, true},
        {"gerador", 256, 39, true},
        {"coletor de vapor, início", 217, 93, true},
        {"coletor de vapor, fim", 456, 93, true},
        {"ramal 6", 200, 145, true},
        {"válvula, base superior", 277, 128, true},
        {"válvula, base inferior", 303, 165, true},
        {"turbina da moenda", 336, 140, true},
        {"turbina baixa pressão", 492, 160, true},
        {"turbina da bomba", 168, 200, true},
        {"bomba, lado esquerdo", 71, 198, true},
        {"bomba, lado direito", 95, 198, true},
        {"coletor de escape, início", 158, 244, true},
        {"coletor de escape, fim", 521, 244, true},
        {"descida ao processo", 529, 270, true},
        {"processo, canto", 240, 268, true},
        {"retorno", 83, 250, true},
        {"fundo, canto superior esquerdo", 1, 1, false},
        {"fundo, canto inferior direito", 537, 316, false},
        {"dentro da caldeira", 60, 85, false},
        {"dentro da bomba", 83, 198, false},
        {"entre coletor e processo", 420, 260, false},
    };
    for (const Sonda& s : sondas)
        EXPECT_EQ(Preto(Figura(), s.x, s.y), s.preto) << s.onde << " (" << s.x << ", " << s.y << ")";
}

// Where two segments meet, an aliased polyline can leave the corner pixel
// white, opening a gap in an outline.
TEST(Fluxograma, CadaVerticeDaTabelaEhPreto) {
    for (const auto& linha : Geometria().linhas)
        for (const QPoint& p : linha)
            EXPECT_TRUE(Preto(Figura(), p.x(), p.y())) << "(" << p.x() << ", " << p.y() << ")";
}

TEST(Fluxograma, DesenhoSempreIgual) {
    EXPECT_EQ(DesenharFluxograma(), Figura());
}

TEST(Fluxograma, RotulosDe1a20Sem15ComSeisDuasVezes) {
    std::vector<int> numeros;
    for (const Rotulo& r : Geometria().rotulos) numeros.push_back(r.numero);
    std::sort(numeros.begin(), numeros.end());
    const std::vector<int> esperados = {1, 2, 3, 4, 5, 6, 6, 7, 8, 9, 10,
                                        11, 12, 13, 14, 16, 17, 18, 19, 20};
    EXPECT_EQ(numeros, esperados);
}

// Distance from p to the nearest segment of any line or shape outline.
double DistanciaAteLinha(QPointF p) {
    double menor = 1e9;
    for (const auto& linha : Geometria().linhas)
        for (std::size_t i = 1; i < linha.size(); ++i) {
            const QPointF a = linha[i - 1], b = linha[i];
            const QPointF ab = b - a;
            const double comprimento2 = QPointF::dotProduct(ab, ab);
            double t = comprimento2 > 0 ? QPointF::dotProduct(p - a, ab) / comprimento2 : 0;
            t = std::clamp(t, 0.0, 1.0);
            menor = std::min(menor, QLineF(p, a + t * ab).length());
        }
    return menor;
}

// A label whose stroke ends in empty space names nothing.
TEST(Fluxograma, CadaRotuloTocaUmaLinha) {
    for (const Rotulo& r : Geometria().rotulos) {
        EXPECT_LE(DistanciaAteLinha(r.alvo), 1.0) << "rótulo " << r.numero;
        EXPECT_TRUE(Preto(Figura(), r.alvo.x(), r.alvo.y())) << "rótulo " << r.numero;
    }
}

// A caption or label drawn outside the picture or over a line is unreadable.
TEST(Fluxograma, LegendasComTextoERotulosDesimpedidos) {
    const QRect quadro(0, 0, LarguraFluxograma, AlturaFluxograma);
    for (const Legenda& l : Geometria().legendas) {
        EXPECT_TRUE(quadro.contains(l.caixa)) << l.texto;
        int tinta = 0;
        for (int y = l.caixa.top(); y <= l.caixa.bottom(); ++y)
            for (int x = l.caixa.left(); x <= l.caixa.right(); ++x) tinta += Preto(Figura(), x, y);
        EXPECT_GT(tinta, 20) << "legenda sem texto: " << l.texto;
    }
    for (const Rotulo& r : Geometria().rotulos) {
        const QRect circulo(r.centro.x() - RaioRotulo, r.centro.y() - RaioRotulo,
                            2 * RaioRotulo + 1, 2 * RaioRotulo + 1);
        EXPECT_TRUE(quadro.contains(circulo)) << "rótulo " << r.numero;
        EXPECT_GT(DistanciaAteLinha(r.centro), RaioRotulo + 1.0) << "rótulo sobre linha: " << r.numero;
    }
}

}  // namespace
