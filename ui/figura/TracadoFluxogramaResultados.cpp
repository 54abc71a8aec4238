#include "ui/figura/TracadoFluxogramaResultados.h"

#include <QCoreApplication>
#include <Qt>

#include "plant/PapeisRotulos.h"

namespace {

using P = QPointF;

// Value boxes, logical units: three lines of the value font for a stream,
// one for a shaft or the fuel.
constexpr double LarguraCaixaCorrente = 84.0;
constexpr double AlturaCaixaCorrente = 46.0;
constexpr double LarguraCaixaEixo = 72.0;
constexpr double AlturaCaixaEixo = 21.0;
constexpr double VaoEtiquetaCaixa = 3.0;  // between a label's circle and its box

// Where a value box goes relative to its label's circle.
enum class Lado { Esquerda, Direita, Acima, Abaixo };

QRectF AoLado(const QPointF& centro, Lado lado, const QSizeF& tamanho) {
    const double d = RaioEtiqueta + VaoEtiquetaCaixa;
    const double w = tamanho.width(), h = tamanho.height();
    switch (lado) {
    case Lado::Esquerda: return {centro.x() - d - w, centro.y() - h / 2, w, h};
    case Lado::Direita: return {centro.x() + d, centro.y() - h / 2, w, h};
    case Lado::Acima: return {centro.x() - w / 2, centro.y() - d - h, w, h};
    case Lado::Abaixo: return {centro.x() - w / 2, centro.y() + d, w, h};
    }
    return {};
}

// A turbine: narrow side on the left (x esquerda, y1 to y2), wide side on
// the right (x direita, y3 to y4).
QPolygonF Turbina(double esquerda, double y1, double y2, double direita, double y3, double y4) {
    return QPolygonF({P(esquerda, y1), P(direita, y3), P(direita, y4), P(esquerda, y2)});
}

QPolygonF Retangulo(double x1, double y1, double x2, double y2) {
    return QPolygonF({P(x1, y1), P(x2, y1), P(x2, y2), P(x1, y2)});
}

// Height of a turbine's top (or bottom) edge at x, on the straight edge from
// (x1, y1) to (x2, y2): where a vertical inlet or exhaust meets the outline.
double NaBorda(double x, double x1, double y1, double x2, double y2) {
    return y1 + (y2 - y1) * (x - x1) / (x2 - x1);
}

TracadoFluxograma Montar(bool comTurbinaAlta) {
    const bool foraAlta = !comTurbinaAlta;
    TracadoFluxograma t;
    auto linha = [&t](TipoLinha tipo, std::vector<QPointF> pontos, bool fora = false) {
        t.linhas.push_back({tipo, std::move(pontos), fora});
    };
    auto seta = [&t](QPointF ponta, Sentido sentido, TipoLinha tipo, bool fora = false) {
        t.setas.push_back({ponta, sentido, tipo, fora});
    };
    auto eixo = [&](double x1, double x2, double y, bool fora = false) {
        linha(TipoLinha::Eixo, {P(x1, y - 3), P(x2, y - 3)}, fora);
        linha(TipoLinha::Eixo, {P(x1, y + 3), P(x2, y + 3)}, fora);
    };
    const auto V = TipoLinha::Vapor;
    const auto A = TipoLinha::Agua;
    const int centro = Qt::AlignCenter;
    const int esquerda = Qt::AlignLeft | Qt::AlignVCenter;
    const int direita = Qt::AlignRight | Qt::AlignVCenter;

    // Boiler, its fuel (17) and its feed water (19).
    t.equipamentos.push_back({Retangulo(70, 40, 190, 210), {}, 0, {}});
    t.legendas.push_back({QT_TRANSLATE_NOOP("TracadoFluxogramaResultados", "Caldeira"), QRectF(70, 110, 120, 20), centro});
    linha(TipoLinha::Combustivel, {P(8, 180), P(70, 180)});
    seta(P(70, 180), Sentido::Direita, TipoLinha::Combustivel);
    t.legendas.push_back({QT_TRANSLATE_NOOP("TracadoFluxogramaResultados", "Bagaço"), QRectF(8, 162, 60, 14), esquerda});
    const double xBomba = 120;
    linha(A, {P(xBomba, 400), P(xBomba, 210)});
    seta(P(xBomba, 210), Sentido::Cima, A);

    // Live steam (1) to the high-pressure turbine, or past it to the header.
    const double yVivo = 80, xEntradaAlta = 345, xDesvio = 280, yColetor = 250;
    const QPolygonF turbinaAlta = Turbina(330, 120, 160, 420, 100, 180);
    const double topoAlta = NaBorda(xEntradaAlta, 330, 120, 420, 100);
    const double fundoAlta = NaBorda(410, 330, 160, 420, 180);
    if (comTurbinaAlta) {
        linha(V, {P(190, yVivo), P(xEntradaAlta, yVivo), P(xEntradaAlta, topoAlta)});
    } else {
        linha(V, {P(190, yVivo), P(xDesvio, yVivo), P(xDesvio, yColetor), P(410, yColetor)});
        seta(P(xDesvio, 175), Sentido::Baixo, V);
        linha(V, {P(xDesvio, yVivo), P(xEntradaAlta, yVivo), P(xEntradaAlta, topoAlta)}, true);
    }
    seta(P(xEntradaAlta, topoAlta), Sentido::Baixo, V, foraAlta);

    // High-pressure turbine, its exhaust (2) into the header, its generator
    // shaft (12).
    t.equipamentos.push_back({turbinaAlta, {}, 0, {}, foraAlta});
    t.legendas.push_back({comTurbinaAlta ? QT_TRANSLATE_NOOP("TracadoFluxogramaResultados", "Turbina de alta pressão")
                                         : QT_TRANSLATE_NOOP("TracadoFluxogramaResultados", "Sem turbina de alta pressão"),
                          QRectF(354, 83, 200, 14), esquerda, foraAlta});
    linha(V, {P(410, fundoAlta), P(410, yColetor)}, foraAlta);
    seta(P(410, yColetor), Sentido::Baixo, V, foraAlta);
    eixo(420, 530, 140, foraAlta);
    t.equipamentos.push_back({{}, P(552, 140), 22, "G", foraAlta});

    // Steam header, from the turbine's exhaust (or the bypass) to the last
    // branch.
    linha(V, {P(410, yColetor), P(960, yColetor)});

    // Branch 6 down and left to the pump-drive turbine; the turbine drives
    // the condensate pump by shafts 16 and 20.
    const double yRamal6 = 336;
    const QPolygonF turbinaBomba = Turbina(240, 400, 440, 320, 380, 460);
    const double topoBomba = NaBorda(255, 240, 400, 320, 380);
    linha(V, {P(440, yColetor), P(440, yRamal6), P(255, yRamal6), P(255, topoBomba)});
    seta(P(255, topoBomba), Sentido::Baixo, V);
    t.equipamentos.push_back({turbinaBomba, {}, 0, {}});
    t.legendas.push_back({QT_TRANSLATE_NOOP("TracadoFluxogramaResultados", "Turbina da bomba"), QRectF(264, 360, 130, 14), esquerda});
    const double yEscape = 520;
    linha(V, {P(310, NaBorda(310, 240, 440, 320, 460)), P(310, yEscape)});
    seta(P(310, yEscape), Sentido::Baixo, V);
    eixo(xBomba + 20, 240, 420);
    t.equipamentos.push_back({{}, P(xBomba, 420), 20, {}});
    t.legendas.push_back({QT_TRANSLATE_NOOP("TracadoFluxogramaResultados", "Bomba"), QRectF(40, 446, 72, 14), direita});

    // Expansion valve: inlet 3 from the header, outlet 7 to the collector.
    linha(V, {P(600, yColetor), P(600, 330)});
    seta(P(600, 330), Sentido::Baixo, V);
    t.equipamentos.push_back({QPolygonF({P(585, 330), P(615, 330), P(600, 355)}), {}, 0, {}});
    t.equipamentos.push_back({QPolygonF({P(585, 380), P(615, 380), P(600, 355)}), {}, 0, {}});
    t.legendas.push_back({QT_TRANSLATE_NOOP("TracadoFluxogramaResultados", "Válvula"), QRectF(622, 348, 70, 14), esquerda});
    linha(V, {P(600, 380), P(600, yEscape)});
    seta(P(600, yEscape), Sentido::Baixo, V);

    // Mill-drive turbine: inlet 4, exhaust 8, shaft 13 to the mill.
    const double topoMoenda = NaBorda(760, 745, 360, 825, 340);
    linha(V, {P(760, yColetor), P(760, topoMoenda)});
    seta(P(760, topoMoenda), Sentido::Baixo, V);
    t.equipamentos.push_back({Turbina(745, 360, 400, 825, 340, 420), {}, 0, {}});
    t.legendas.push_back({QT_TRANSLATE_NOOP("TracadoFluxogramaResultados", "Turbina da moenda"), QRectF(650, 424, 158, 14), direita});
    linha(V, {P(815, NaBorda(815, 745, 400, 825, 420)), P(815, yEscape)});
    seta(P(815, yEscape), Sentido::Baixo, V);
    eixo(825, 855, 380);
    t.equipamentos.push_back({Retangulo(855, 362, 905, 398), {}, 0, {}});
    t.legendas.push_back({QT_TRANSLATE_NOOP("TracadoFluxogramaResultados", "Moenda"), QRectF(855, 362, 50, 36), centro, false, true});

    // Medium-pressure turbine: inlet 5 at the end of the header, exhaust 9,
    // shaft 14 to its generator.
    const double topoMedia = NaBorda(960, 945, 360, 1025, 340);
    linha(V, {P(960, yColetor), P(960, topoMedia)});
    seta(P(960, topoMedia), Sentido::Baixo, V);
    t.equipamentos.push_back({Turbina(945, 360, 400, 1025, 340, 420), {}, 0, {}});
    t.legendas.push_back({QT_TRANSLATE_NOOP("TracadoFluxogramaResultados", "Turbina de média pressão"), QRectF(830, 424, 178, 14), direita});
    linha(V, {P(1015, NaBorda(1015, 945, 400, 1025, 420)), P(1015, yEscape)});
    seta(P(1015, yEscape), Sentido::Baixo, V);
    eixo(1025, 1045, 380);
    t.equipamentos.push_back({{}, P(1067, 380), 22, "G"});

    // Exhaust collector (11) to the process; condensate return (18) to the
    // pump.
    linha(V, {P(310, yEscape), P(1080, yEscape), P(1080, 590), P(600, 590)});
    seta(P(600, 590), Sentido::Esquerda, V);
    t.equipamentos.push_back({Retangulo(420, 560, 600, 620), {}, 0, {}});
    t.legendas.push_back({QT_TRANSLATE_NOOP("TracadoFluxogramaResultados", "Processo"), QRectF(420, 560, 180, 60), centro});
    linha(A, {P(420, 590), P(xBomba, 590), P(xBomba, 440)});
    seta(P(xBomba, 440), Sentido::Cima, A);

    // Key to the lines, in the empty top right corner.
    const struct {
        TipoLinha tipo;
        const char* texto;
    } chave[] = {{V, QT_TRANSLATE_NOOP("TracadoFluxogramaResultados", "Vapor")},
                 {A, QT_TRANSLATE_NOOP("TracadoFluxogramaResultados", "Água")},
                 {TipoLinha::Combustivel, QT_TRANSLATE_NOOP("TracadoFluxogramaResultados", "Bagaço")},
                 {TipoLinha::Eixo, QT_TRANSLATE_NOOP("TracadoFluxogramaResultados", "Eixo")}};
    double yChave = 30;
    for (const auto& c : chave) {
        if (c.tipo == TipoLinha::Eixo) eixo(960, 1000, yChave);
        else linha(c.tipo, {P(960, yChave), P(1000, yChave)});
        t.legendas.push_back({c.texto, QRectF(1008, yChave - 7, 80, 14), esquerda});
        yChave += 20;
    }

    // Labels and their value boxes, in label order; each box beside its
    // label's circle, on the side away from the line.
    namespace R = Rotulo;
    using enum Lado;
    const struct {
        int numero;
        QPointF centro, alvo;
        Lado lado;
    } etiquetas[] = {
        {R::VaporVivo, P(226, 52), P(226, yVivo), Direita},
        {R::Coletor, P(460, 222), P(460, yColetor), Direita},
        {R::EntradaValvula, P(585, 290), P(600, 290), Esquerda},
        {R::EntradaTurbinaMoenda, P(745, 290), P(760, 290), Esquerda},
        {R::EntradaTurbinaMedia, P(945, 290), P(960, 290), Esquerda},
        {R::EntradaTurbinaBomba, P(320, 310), P(320, yRamal6), Direita},
        {R::SaidaValvula, P(585, 450), P(600, 450), Esquerda},
        {R::EscapeTurbinaMoenda, P(800, 470), P(815, 470), Esquerda},
        {R::EscapeTurbinaMedia, P(1000, 470), P(1015, 470), Esquerda},
        {R::EscapeTurbinaBomba, P(325, 490), P(310, 490), Direita},
        {R::VaporProcesso, P(1065, 555), P(1080, 555), Esquerda},
        {R::EixoTurbinaAlta, P(437, 118), P(437, 137), Direita},
        {R::EixoTurbinaMoenda, P(840, 346), P(840, 377), Direita},
        {R::EixoTurbinaMedia, P(1040, 346), P(1040, 377), Acima},
        {R::EixoTurbinaBomba, P(152, 392), P(152, 417), Direita},
        {R::Combustivel, P(40, 205), P(40, 180), Abaixo},
        {R::CondensadoRetorno, P(150, 562), P(150, 590), Direita},
        {R::AguaAlimentacao, P(100, 300), P(120, 300), Esquerda},
        {R::EixoBomba, P(180, 448), P(180, 423), Abaixo},
    };
    for (const auto& e : etiquetas) {
        const bool fora = foraAlta && e.numero == R::EixoTurbinaAlta;
        t.etiquetas.push_back({e.numero, e.centro, e.alvo, fora});
        const bool corrente = PapelDoRotulo(e.numero).tipo == TipoRotulo::Corrente;
        const QSizeF tamanho = corrente ? QSizeF(LarguraCaixaCorrente, AlturaCaixaCorrente)
                                        : QSizeF(LarguraCaixaEixo, AlturaCaixaEixo);
        if (!fora) t.caixas.push_back({e.numero, AoLado(e.centro, e.lado, tamanho)});
    }
    return t;
}

}  // namespace

QString LegendaTracado::TextoMostrado() const {
    return QCoreApplication::translate("TracadoFluxogramaResultados", texto.toUtf8().constData());
}

QRectF EquipamentoTracado::Limites() const {
    if (raio > 0) return {centro.x() - raio, centro.y() - raio, 2 * raio, 2 * raio};
    return contorno.boundingRect();
}

const TracadoFluxograma& TracadoFluxogramaResultados(bool comTurbinaAlta) {
    static const TracadoFluxograma com = Montar(true);
    static const TracadoFluxograma sem = Montar(false);
    return comTurbinaAlta ? com : sem;
}
