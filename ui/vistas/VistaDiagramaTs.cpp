#include "ui/vistas/VistaDiagramaTs.h"

#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QLegend>
#include <QLabel>
#include <QLegendMarker>
#include <QLocale>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <map>

#include "plant/DiagramaTs.h"
#include "plant/Numeros.h"
#include "ui/comum/AvisosVista.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/comum/TratadorErros.h"
#include "ui/vistas/RotulosSemSobreposicao.h"

namespace {

constexpr double TemperaturaMinimaEixo = 400.0;  // degC: the dome's top always shown
constexpr double MargemTemperatura = 50.0;       // K above the hottest state
constexpr double EntropiaMinimaEixo = 10.0;      // kJ/(kg K): the dome's foot always shown
constexpr int AlturaMinimaGrafico = 220;         // pixels

constexpr double RaioMarcadorRotulo = 5.0;  // pixels kept clear around every labelled point
constexpr int LarguraLegendaPequena = 900;  // pixels: narrower, a smaller legend

const char* const TextoAjuda = QT_TRANSLATE_NOOP(
    "VistaDiagramaTs",
    "Arraste um retângulo para ampliar; roda do mouse: zoom; botão direito ou setas: deslocar.");

QString Tr(const char* texto) { return QCoreApplication::translate("VistaDiagramaTs", texto); }

struct Estilo {
    const char* legenda;  // Portuguese; shown translated
    QColor cor;
    qreal largura;  // pixels
    Qt::PenStyle traco;
};

// One look per kind of path; the legend names the kind once.
Estilo EstiloDe(TipoCaminhoTs tipo) {
    using T = TipoCaminhoTs;
    switch (tipo) {
    case T::Caldeira:
        return {QT_TRANSLATE_NOOP("VistaDiagramaTs", "Caldeira"), QColor(0xc0, 0x39, 0x2b), 2.0,
                Qt::SolidLine};
    case T::Turbina:
        return {QT_TRANSLATE_NOOP("VistaDiagramaTs", "Turbinas"), QColor(0x1f, 0x5f, 0xa8), 2.0,
                Qt::SolidLine};
    case T::Isentropica:
        return {QT_TRANSLATE_NOOP("VistaDiagramaTs", "Expansão isentrópica"),
                QColor(0x1f, 0x5f, 0xa8), 1.2, Qt::DashLine};
    case T::Valvula:
        return {QT_TRANSLATE_NOOP("VistaDiagramaTs", "Válvula"), QColor(0xe6, 0x7e, 0x22), 2.0,
                Qt::SolidLine};
    case T::Misturador:
        return {QT_TRANSLATE_NOOP("VistaDiagramaTs", "Misturador"), QColor(0x55, 0x55, 0x55), 1.2,
                Qt::DotLine};
    case T::Processo:
        return {QT_TRANSLATE_NOOP("VistaDiagramaTs", "Processo"), QColor(0x27, 0x86, 0x4a), 2.0,
                Qt::SolidLine};
    case T::Bomba:
        return {QT_TRANSLATE_NOOP("VistaDiagramaTs", "Bomba"), QColor(0x8e, 0x44, 0xad), 2.0,
                Qt::SolidLine};
    }
    return {"", Qt::black, 1.0, Qt::SolidLine};
}

QLineSeries* Linha(const std::vector<PontoTs>& pontos, const QPen& caneta) {
    auto* serie = new QLineSeries;
    serie->setPen(caneta);
    for (const PontoTs& p : pontos) serie->append(p.s, p.t);
    return serie;
}

// An isobar's name from the core ("Caldeira 80 bar"): the part's name
// translated, the pressure as the core wrote it.
QString NomeIsobara(const std::string& nucleo) {
    const QString nome = QString::fromStdString(nucleo);
    const qsizetype unidade = nome.lastIndexOf(QLatin1Char(' '));
    const qsizetype numero = unidade > 0 ? nome.lastIndexOf(QLatin1Char(' '), unidade - 1) : -1;
    if (numero <= 0) return nome;
    return TraduzirNucleo(nome.left(numero).toStdString()) + nome.mid(numero);
}

// Tick label decimals that tell neighbouring ticks apart at the current span.
QString FormatoEixo(double amplitude, int marcas) {
    const double passo = amplitude / std::max(1, marcas - 1);
    const int decimais = passo >= 1.0 ? 0 : std::min(4, static_cast<int>(std::ceil(-std::log10(passo))));
    return QString("%.%1f").arg(decimais);
}

}  // namespace

VistaDiagramaTs::VistaDiagramaTs(QWidget* pai)
    : VistaResultado("VistaDiagramaTs", QT_TRANSLATE_NOOP("VistaDiagramaTs", "Diagrama T-s"), pai) {
    auto* conteudo = new QWidget(this);
    conteudo->setObjectName("ConteudoDiagramaTs");

    BotaoRestaurarZoom = new QPushButton(conteudo);
    BotaoRestaurarZoom->setObjectName("BotaoRestaurarZoom");
    TextoTraduzido(BotaoRestaurarZoom, "text", "VistaDiagramaTs",
                   QT_TRANSLATE_NOOP("VistaDiagramaTs", "Restaurar zoom"));
    connect(BotaoRestaurarZoom, &QPushButton::clicked, this, [this] { RestaurarZoom(); });
    BotaoExportar = new QPushButton(conteudo);
    BotaoExportar->setObjectName("BotaoExportarDiagramaTs");
    TextoTraduzido(BotaoExportar, "text", "VistaDiagramaTs",
                   QT_TRANSLATE_NOOP("VistaDiagramaTs", "Exportar…"));
    TextoTraduzido(BotaoExportar, "toolTip", "VistaDiagramaTs",
                   QT_TRANSLATE_NOOP("VistaDiagramaTs",
                                     "Gravar o diagrama, como mostrado, em imagem PNG ou desenho "
                                     "SVG"));
    connect(BotaoExportar, &QPushButton::clicked, this, [this] { ExportarClick(); });
    auto* linhaTopo = new QHBoxLayout;
    linhaTopo->addWidget(BotaoRestaurarZoom);
    linhaTopo->addStretch(1);
    linhaTopo->addWidget(BotaoExportar);

    auto* grafico = new QChart;
    grafico->setLocalizeNumbers(true);
    grafico->setMargins(QMargins(4, 4, 4, 4));
    grafico->legend()->setAlignment(Qt::AlignRight);
    // Each entry a piece of its line, so the legend tells dashed from solid.
    grafico->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    connect(grafico, &QChart::plotAreaChanged, this, [this] { PosicionarRotulosTs(); });
    eixoS_ = new QValueAxis;
    eixoS_->setTitleText("s [kJ/(kg·K)]");
    eixoT_ = new QValueAxis;
    eixoT_->setTitleText("T [°C]");
    grafico->addAxis(eixoS_, Qt::AlignBottom);
    grafico->addAxis(eixoT_, Qt::AlignLeft);
    connect(eixoS_, &QValueAxis::rangeChanged, this, [this] {
        FormatarEixos();
        PosicionarRotulosTs();
    });
    connect(eixoT_, &QValueAxis::rangeChanged, this, [this] {
        FormatarEixos();
        PosicionarRotulosTs();
    });
    Grafico = new GraficoInterativo(grafico, conteudo);
    Grafico->setObjectName("GraficoTs");
    Grafico->PermitirZoom(true);
    Grafico->setMinimumHeight(AlturaMinimaGrafico);

    InfoPonto = new QLabel(Tr(TextoAjuda), conteudo);
    InfoPonto->setObjectName("InfoPonto");
    InfoPonto->setWordWrap(true);
    InfoPonto->setStyleSheet("color: #404040;");

    auto* colunaConteudo = new QVBoxLayout(conteudo);
    colunaConteudo->setContentsMargins(0, 0, 0, 0);
    colunaConteudo->addLayout(linhaTopo);
    colunaConteudo->addWidget(Grafico, 1);
    colunaConteudo->addWidget(InfoPonto);

    MontarColuna(conteudo);
    CriarExportacao(PoliticaExportacaoGrafico("diagrama-ts.png"));
}

void VistaDiagramaTs::ExportarClick() {
    ExecutarTratando([this] { ExportarGrafico(*Exportacao(), Grafico, tr("Exportar diagrama T-s")); });
}

void VistaDiagramaTs::RestaurarZoom() {
    eixoS_->setRange(faixaCompleta_.left(), faixaCompleta_.right());
    eixoT_->setRange(faixaCompleta_.top(), faixaCompleta_.bottom());
}

QRectF VistaDiagramaTs::Faixa() const {
    return QRectF(QPointF(eixoS_->min(), eixoT_->min()), QPointF(eixoS_->max(), eixoT_->max()));
}

void VistaDiagramaTs::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    QFont fonte = font();
    if (width() < LarguraLegendaPequena) fonte.setPointSizeF(fonte.pointSizeF() * 0.8);
    Grafico->chart()->legend()->setFont(fonte);
}

void VistaDiagramaTs::changeEvent(QEvent* evento) {
    // Names and point descriptions again, in the new language, from the
    // diagram already drawn: zoom and pan stay as they are.
    if (evento->type() == QEvent::LanguageChange) {
        for (const auto& [serie, nome] : nomes_) serie->setName(nome());
        for (const auto& [serie, info] : infos_) serie->setProperty("info", info());
        InfoPonto->setText(Tr(TextoAjuda));
    }
    QWidget::changeEvent(evento);
}

void VistaDiagramaTs::FormatarEixos() {
    eixoS_->setLabelFormat(FormatoEixo(eixoS_->max() - eixoS_->min(), eixoS_->tickCount()));
    eixoT_->setLabelFormat(FormatoEixo(eixoT_->max() - eixoT_->min(), eixoT_->tickCount()));
}

void VistaDiagramaTs::Preencher() {
    QChart* grafico = Grafico->chart();
    nomes_.clear();
    infos_.clear();
    for (const RotuloTs& r : rotulos_) {
        delete r.texto;
        delete r.linha;
    }
    rotulos_.clear();
    grafico->removeAllSeries();
    InfoPonto->setText(Tr(TextoAjuda));
    if (!Resultado()) {
        MostrarConteudo(false);
        return;
    }
    grafico->setLocale(QLocale());
    const std::string separador = SeparadorDecimal();

    double tMaior = 0.0, sMaior = 0.0;
    for (int rotulo : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 18, 19}) {
        tMaior = std::max(tMaior, Resultado()->dados.Estado[static_cast<std::size_t>(rotulo)].t);
        sMaior = std::max(sMaior, Resultado()->dados.Estado[static_cast<std::size_t>(rotulo)].s);
    }
    const double tEixo = std::max(TemperaturaMinimaEixo,
                                  std::ceil((tMaior + MargemTemperatura) / 50.0) * 50.0);  // degC
    const double sEixo = std::max(EntropiaMinimaEixo, std::ceil(sMaior + 0.5));  // kJ/(kg K)
    const DiagramaTs diagrama = CalcularDiagramaTs(*Resultado(), tEixo);
    const CupulaSaturacao& cupula = CupulaTs(Resultado()->formulacao);

    // Each series is named now and again after a change of language.
    const auto adicionar = [&](QXYSeries* serie, bool naLegenda, std::function<QString()> nome) {
        serie->setName(nome());
        nomes_.emplace_back(serie, std::move(nome));
        grafico->addSeries(serie);
        serie->attachAxis(eixoS_);
        serie->attachAxis(eixoT_);
        for (QLegendMarker* m : grafico->legend()->markers(serie)) m->setVisible(naLegenda);
    };

    // A label of its own on the chart, placed by PosicionarRotulosTs.
    std::vector<RotuloTs> rotulosIsobaras;
    const auto rotular = [&](std::vector<RotuloTs>& lista, const QString& texto, QPointF valor,
                             const QFont& fonte, const QColor& cor) {
        auto* item = new QGraphicsSimpleTextItem(texto, grafico);
        item->setFont(fonte);
        item->setBrush(cor);
        item->setZValue(10.0);
        auto* linha = new QGraphicsLineItem(grafico);
        linha->setPen(QPen(cor, 0.8));
        linha->setZValue(9.0);
        linha->hide();
        lista.push_back({item, linha, valor});
    };

    // The dome as one line: up the liquid side, down the vapour side.
    std::vector<PontoTs> domo = cupula.liquido;
    domo.insert(domo.end(), cupula.vapor.rbegin() + 1, cupula.vapor.rend());
    adicionar(Linha(domo, QPen(Qt::black, 1.6)), true,
              [] { return Tr(QT_TRANSLATE_NOOP("VistaDiagramaTs", "Saturação")); });

    // Isobars, thin and grey, each named near its top, staggered so that
    // close ones do not write over each other.
    bool primeira = true;
    int indice = 0;
    for (const IsobaraTs& iso : diagrama.isobaras) {
        adicionar(Linha(iso.pontos, QPen(QColor(0xa0, 0xa0, 0xa0), 1.0)), primeira,
                  [] { return Tr(QT_TRANSLATE_NOOP("VistaDiagramaTs", "Isobaras")); });
        primeira = false;
        const double tRotulo = tEixo - (0.04 + 0.08 * indice++) * tEixo;
        const auto ponto = std::find_if(iso.pontos.begin(), iso.pontos.end(),
                                        [&](const PontoTs& p) {
                                            return p.t >= tRotulo && p.s > iso.pontos.front().s + 1.0;
                                        });
        if (ponto == iso.pontos.end()) continue;
        auto* rotulo = new QScatterSeries;
        rotulo->append(ponto->s, ponto->t);
        rotulo->setMarkerSize(4);
        rotulo->setColor(QColor(0x90, 0x90, 0x90));
        rotulo->setBorderColor(QColor(0x90, 0x90, 0x90));
        rotular(rotulosIsobaras,
                QString::fromStdString(TextoFixo(iso.pressao * 10.0, iso.pressao < 1.0 ? 1 : 0,
                                                 separador)) +
                    " bar",
                QPointF(ponto->s, ponto->t), grafico->font(), QColor(0x60, 0x60, 0x60));
        adicionar(rotulo, false, [nome = iso.nome] { return NomeIsobara(nome); });
    }

    std::map<TipoCaminhoTs, bool> nomeado;
    for (const CaminhoTs& c : diagrama.caminhos) {
        const Estilo e = EstiloDe(c.tipo);
        QPen caneta(e.cor, e.largura, e.traco);
        QLineSeries* serie = Linha(c.pontos, caneta);
        adicionar(serie, !nomeado[c.tipo], [legenda = e.legenda] { return Tr(legenda); });
        nomeado[c.tipo] = true;
    }

    // The states: one series per point, its labels as the series' fixed label text.
    QFont negrito = grafico->font();
    negrito.setBold(true);
    for (const EstadoTs& estado : diagrama.estados) {
        auto* ponto = new QScatterSeries;
        ponto->append(estado.ponto.s, estado.ponto.t);
        ponto->setMarkerSize(8);
        ponto->setColor(Qt::black);
        ponto->setBorderColor(Qt::white);
        const QString nome = QString::fromStdString(TextoRotulos(estado.rotulos));
        rotular(rotulos_, nome, QPointF(estado.ponto.s, estado.ponto.t), negrito, Qt::black);
        const auto numero = [&](double valor, int decimais) {
            return QString::fromStdString(TextoFixo(valor, decimais, separador));
        };
        // Composed when shown, in the language of the moment.
        const auto info = [nome, t = numero(estado.ponto.t, 2), s = numero(estado.ponto.s, 4),
                           p = numero(estado.ponto.p * 10.0, 3)] {
            return Tr(QT_TRANSLATE_NOOP("VistaDiagramaTs",
                                        "Estado %1: T = %2 °C, s = %3 kJ/(kg·K), p = %4 bar"))
                .arg(nome, t, s, p);
        };
        ponto->setProperty("info", info());
        infos_.emplace_back(ponto, info);
        connect(ponto, &QScatterSeries::hovered, this, [this, info](const QPointF&, bool sobre) {
            const QString texto = info();
            InfoPonto->setText(sobre ? texto : Tr(TextoAjuda));
            if (sobre) QToolTip::showText(QCursor::pos(), texto, Grafico);
            else QToolTip::hideText();
        });
        adicionar(ponto, false,
                  [nome] { return Tr(QT_TRANSLATE_NOOP("VistaDiagramaTs", "Estado %1")).arg(nome); });
    }

    // The states' labels first: they get the nearer places.
    for (RotuloTs& r : rotulosIsobaras) rotulos_.push_back(r);

    faixaCompleta_ = QRectF(QPointF(0.0, 0.0), QPointF(sEixo, tEixo));
    eixoS_->setTickCount(static_cast<int>(sEixo) + 1);
    eixoT_->setTickCount(static_cast<int>(tEixo / 50.0) + 1);
    RestaurarZoom();
    FormatarEixos();
    MostrarConteudo(true);
    PosicionarRotulosTs();
}

void VistaDiagramaTs::PosicionarRotulosTs() {
    QChart* grafico = Grafico->chart();
    if (rotulos_.empty() || grafico->series().isEmpty()) return;
    QAbstractSeries* referencia = grafico->series().front();  // on the two axes
    const QRectF area = grafico->plotArea();
    std::vector<RotuloAPosicionar> pedidos;
    std::vector<std::size_t> mostrados;
    for (std::size_t i = 0; i < rotulos_.size(); ++i) {
        const RotuloTs& r = rotulos_[i];
        const QPointF p = grafico->mapToPosition(r.valor, referencia);
        // Zoomed in, a point off the plot has no label.
        const bool visivel = area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(p);
        r.texto->setVisible(visivel);
        r.linha->hide();
        if (!visivel) continue;
        pedidos.push_back({p, r.texto->boundingRect().size()});
        mostrados.push_back(i);
    }
    const std::vector<QRectF> postos = PosicionarRotulos(pedidos, area, RaioMarcadorRotulo);
    for (std::size_t k = 0; k < postos.size(); ++k) {
        const RotuloTs& r = rotulos_[mostrados[k]];
        r.texto->setPos(postos[k].topLeft());
        // Pushed away from its point, a label keeps a thin line back to it.
        const QPointF p = pedidos[k].ponto;
        const QPointF perto(std::clamp(p.x(), postos[k].left(), postos[k].right()),
                            std::clamp(p.y(), postos[k].top(), postos[k].bottom()));
        if (QLineF(p, perto).length() > 2.0 * RaioMarcadorRotulo + 2.0) {
            r.linha->setLine(QLineF(p, perto));
            r.linha->show();
        }
    }
}
