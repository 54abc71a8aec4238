#include "ui/vistas/VistaExergia.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBoxLayout>
#include <QChart>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "plant/EntradasUsina.h"
#include "plant/IndicadoresUsina.h"
#include "plant/Numeros.h"
#include "plant/PapeisRotulos.h"
#include "ui/comum/AvisosVista.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/comum/TratadorErros.h"
#include "ui/vistas/VistaIndicadores.h"

namespace {

const char* const MarcaEstimativa = " *";
const QColor CorBarra(0x2f, 0x6f, 0xb0);
const QColor CorEstimativa(0xb8, 0xcf, 0xe6);  // the same hue, lighter: an estimate
constexpr int AlturaMinimaGrafico = 200;       // pixels
constexpr int AlturaGraficoEmColuna = 300;     // pixels, with the table under the chart
constexpr double FolgaRotulos = 1.3;           // room right of the longest bar for its label

// The machines whose second-law efficiency the calculation gives, by the
// name their destruction figure carries.
struct EixoDoEquipamento {
    const char* equipamento;
    int eixo;
};
constexpr EixoDoEquipamento Eixos[] = {
    {"Turbina de alta pressão", Rotulo::EixoTurbinaAlta},
    {"Turbina da bomba", Rotulo::EixoTurbinaBomba},
    {"Turbomoenda", Rotulo::EixoTurbinaMoenda},
    {"Turbina de média pressão", Rotulo::EixoTurbinaMedia},
    {"Bomba de condensado", Rotulo::EixoBomba},
};

QTableWidgetItem* Celula(const QString& texto, Qt::Alignment alinhamento = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(texto);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alinhamento | Qt::AlignVCenter);
    return item;
}

QString Numero(const std::optional<double>& valor, int decimais, const std::string& separador) {
    if (!valor) return "—";
    return QString::fromStdString(TextoFixo(*valor, decimais, separador));
}

QString Nome(const BarraExergia& b) {
    return TraduzirNucleo(b.equipamento) + (b.estimativa ? MarcaEstimativa : "");
}

}  // namespace

std::vector<BarraExergia> BarrasExergia(const ResultadoUsina& resultado,
                                        const IndicadoresUsina& indicadores,
                                        bool incluirCaldeira) {
    const DadosUsina& d = resultado.dados;
    std::vector<BarraExergia> barras;
    for (const ParcelaDestruicao& p : indicadores.destruicao) {
        if (p.estimativa && !incluirCaldeira) continue;
        BarraExergia b{p.equipamento, p.potencia, std::nullopt, std::nullopt, p.estimativa,
                       p.naoFisica};
        if (b.naoFisica) {
            barras.push_back(b);
            continue;
        }
        for (const EixoDoEquipamento& e : Eixos)
            if (p.equipamento == e.equipamento)
                b.eficienciaSegundaLei = d.EficienciaSegundaLei[static_cast<std::size_t>(e.eixo)];
        // The boiler's: the exergy the water takes up over the fuel's.
        if (p.estimativa) {
            const double combustivel =
                d.ConsumoCombustivel * d.PciBagaco * FatorExergiaBagaco;  // kW
            if (combustivel > 0.0)
                b.eficienciaSegundaLei = (combustivel - p.potencia) / combustivel * Porcento;
        }
        barras.push_back(b);
    }
    double total = 0.0;  // kW, of the bars shown
    for (const BarraExergia& b : barras)
        if (!b.naoFisica) total = total + b.potencia;
    if (total != 0.0)
        for (BarraExergia& b : barras)
            if (!b.naoFisica) b.parcela = b.potencia / total * Porcento;
    std::stable_sort(barras.begin(), barras.end(),
                     [](const BarraExergia& a, const BarraExergia& b) {
                         if (a.naoFisica != b.naoFisica) return b.naoFisica;
                         return a.potencia > b.potencia;
                     });
    return barras;
}

VistaExergia::VistaExergia(QWidget* pai)
    : VistaResultado("VistaExergia", QT_TRANSLATE_NOOP("VistaExergia", "Exergia"), pai) {
    auto* conteudo = new QWidget(this);
    conteudo->setObjectName("ConteudoExergia");

    // Off by default: the boiler's figure is an estimate and, at about four
    // fifths of the total, it flattens the bars the engineer can act on.
    IncluirCaldeira = new QCheckBox(conteudo);
    IncluirCaldeira->setObjectName("IncluirCaldeira");
    TextoTraduzido(IncluirCaldeira, "text", "VistaExergia",
                   QT_TRANSLATE_NOOP("VistaExergia", "Incluir a caldeira (estimativa)"));
    TextoTraduzido(IncluirCaldeira, "toolTip", "VistaExergia",
                   QT_TRANSLATE_NOOP("VistaExergia",
                                     "A destruição na caldeira depende da exergia estimada do "
                                     "bagaço; sem ela, as parcelas são do ciclo de vapor."));
    connect(IncluirCaldeira, &QCheckBox::toggled, this, [this] { PreencherGrafico(); });
    BotaoExportar = new QPushButton(conteudo);
    BotaoExportar->setObjectName("BotaoExportarExergia");
    TextoTraduzido(BotaoExportar, "text", "VistaExergia", QT_TRANSLATE_NOOP("VistaExergia", "Exportar…"));
    TextoTraduzido(BotaoExportar, "toolTip", "VistaExergia",
                   QT_TRANSLATE_NOOP("VistaExergia", "Gravar o gráfico como imagem PNG ou desenho SVG"));
    connect(BotaoExportar, &QPushButton::clicked, this, [this] { ExportarClick(); });
    auto* linhaTopo = new QHBoxLayout;
    linhaTopo->addWidget(IncluirCaldeira);
    linhaTopo->addStretch(1);
    linhaTopo->addWidget(BotaoExportar);

    auto* grafico = new QChart;
    grafico->legend()->hide();
    grafico->setLocalizeNumbers(true);
    grafico->setMargins(QMargins(4, 4, 12, 4));
    auto* serie = new QHorizontalBarSeries;
    Barras = new QBarSet(QString());
    Barras->setColor(CorBarra);
    Barras->setBorderColor(CorBarra.darker(120));
    Barras->setSelectedColor(CorEstimativa);
    Barras->setLabelColor(QColor(0x20, 0x20, 0x20));
    serie->append(Barras);
    serie->setBarWidth(0.7);
    serie->setLabelsVisible(true);
    serie->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    serie->setLabelsFormat("@value");
    serie->setLabelsPrecision(7);
    grafico->addSeries(serie);
    auto* categorias = new QBarCategoryAxis;
    grafico->addAxis(categorias, Qt::AlignLeft);
    serie->attachAxis(categorias);
    auto* valores = new QValueAxis;
    valores->setLabelFormat("%.0f");
    grafico->addAxis(valores, Qt::AlignBottom);
    serie->attachAxis(valores);
    Grafico = new GraficoInterativo(grafico, conteudo);
    Grafico->setObjectName("GraficoExergia");
    Grafico->setMinimumHeight(AlturaMinimaGrafico);

    Tabela = new QTableWidget(0, 4, conteudo);
    Tabela->setObjectName("TabelaExergia");
    Tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabela->setAlternatingRowColors(true);
    Tabela->verticalHeader()->hide();
    Tabela->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Tabela->horizontalHeader()->setStretchLastSection(false);
    EspacarCelulas(Tabela);

    Base = new QLabel(conteudo);
    Base->setObjectName("BaseParcelas");
    Base->setWordWrap(true);
    NotaEstimativa = new QLabel(conteudo);
    NotaEstimativa->setObjectName("NotaEstimativa");
    NotaEstimativa->setWordWrap(true);
    NotaEstimativa->setStyleSheet("color: #404040;");

    auto* colunaTabela = new QVBoxLayout;
    colunaTabela->addWidget(Tabela, 1);
    colunaTabela->addWidget(Base);
    // Chart and table scroll together when the view is too small for both.
    auto* rolagem = new QScrollArea(conteudo);
    rolagem->setObjectName("RolagemExergia");
    rolagem->setWidgetResizable(true);
    rolagem->setFrameShape(QFrame::NoFrame);
    auto* graficoETabela = new QWidget;
    disposicao_ = new QBoxLayout(QBoxLayout::TopToBottom, graficoETabela);
    disposicao_->setContentsMargins(0, 0, 0, 0);
    disposicao_->addWidget(Grafico, 1);
    disposicao_->addLayout(colunaTabela);
    rolagem->setWidget(graficoETabela);
    Grafico->setParent(graficoETabela);
    Tabela->setParent(graficoETabela);
    Base->setParent(graficoETabela);

    auto* colunaConteudo = new QVBoxLayout(conteudo);
    colunaConteudo->setContentsMargins(0, 0, 0, 0);
    colunaConteudo->addLayout(linhaTopo);
    colunaConteudo->addWidget(rolagem, 1);
    colunaConteudo->addWidget(NotaEstimativa);

    MontarColuna(conteudo);
    CriarExportacao(PoliticaExportacaoGrafico("exergia.png"));
    Retraduzir();
    Dispor();
}

void VistaExergia::Retraduzir() {
    QChart* grafico = Grafico->chart();
    grafico->setTitle(tr("Destruição de exergia por equipamento"));
    Barras->setLabel(tr("Destruição de exergia [kW]"));
    if (auto* valores = qobject_cast<QValueAxis*>(grafico->axes(Qt::Horizontal).value(0)))
        valores->setTitleText(tr("Taxa de destruição de exergia [kW]"));
    Tabela->setHorizontalHeaderLabels(
        {tr("Equipamento"), tr("Destruição [kW]"), tr("Parcela [%]"), tr("Ef. 2ª lei [%]")});
    Tabela->horizontalHeaderItem(3)->setToolTip(tr("Eficiência de segunda lei do equipamento"));
}

void VistaExergia::changeEvent(QEvent* evento) {
    // Chart, table and notes composed again from the figures already shown.
    if (evento->type() == QEvent::LanguageChange) {
        Retraduzir();
        if (Resultado()) PreencherGrafico();
    }
    QWidget::changeEvent(evento);
}

void VistaExergia::Preencher() {
    if (Resultado()) indicadores_ = CalcularIndicadores(*Resultado());
    else indicadores_.reset();
    PreencherGrafico();
}

void VistaExergia::ExportarClick() {
    ExecutarTratando([this] { ExportarGrafico(*Exportacao(), Grafico, tr("Exportar gráfico de exergia")); });
}

void VistaExergia::PreencherGrafico() {
    Tabela->setRowCount(0);
    Barras->remove(0, Barras->count());
    auto* categorias = qobject_cast<QBarCategoryAxis*>(Grafico->chart()->axes(Qt::Vertical).value(0));
    auto* valores = qobject_cast<QValueAxis*>(Grafico->chart()->axes(Qt::Horizontal).value(0));
    categorias->clear();
    if (!Resultado()) {
        MostrarConteudo(false);
        return;
    }
    const std::string separador = SeparadorDecimal();
    // The user's separator, digits ungrouped as in the table.
    QLocale local;
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    Grafico->chart()->setLocale(local);
    const IndicadoresUsina& ind = *indicadores_;
    const bool comCaldeira = IncluirCaldeira->isChecked();
    const std::vector<BarraExergia> barras = BarrasExergia(*Resultado(), ind, comCaldeira);

    // Bars run bottom to top: the largest is appended last, to stand on top.
    QStringList nomes;
    double menor = 0.0, maior = 0.0;  // kW
    Barras->deselectAllBars();
    for (auto b = barras.rbegin(); b != barras.rend(); ++b) {
        if (b->naoFisica) continue;
        nomes << Nome(*b);
        // To 0,1 kW, as the table gives it: the bar labels then read alike.
        Barras->append(std::round(b->potencia * 10.0) / 10.0);
        if (b->estimativa) Barras->selectBar(Barras->count() - 1);
        menor = std::min(menor, b->potencia);
        maior = std::max(maior, b->potencia);
    }
    categorias->append(nomes);
    valores->setRange(menor * FolgaRotulos, maior > 0.0 ? maior * FolgaRotulos : 1.0);
    valores->applyNiceNumbers();

    double total = 0.0;  // kW
    for (const BarraExergia& b : barras) {
        const int linha = Tabela->rowCount();
        Tabela->insertRow(linha);
        Tabela->setItem(linha, 0, Celula(Nome(b)));
        if (b.naoFisica) {
            for (int c = 1; c <= 3; ++c) {
                QTableWidgetItem* item = Celula(TextoNaoFisico(), Qt::AlignRight);
                item->setForeground(QColor(0x70, 0x70, 0x70));
                Tabela->setItem(linha, c, item);
            }
            Tabela->item(linha, 0)->setToolTip(
                tr("Vazão negativa para a turbina de média pressão (vapor insuficiente): sem "
                   "barra e fora do total."));
            continue;
        }
        Tabela->setItem(linha, 1, Celula(Numero(b.potencia, 1, separador), Qt::AlignRight));
        Tabela->setItem(linha, 2, Celula(Numero(b.parcela, 2, separador), Qt::AlignRight));
        QTableWidgetItem* eficiencia =
            Celula(Numero(b.eficienciaSegundaLei, 2, separador) +
                       (b.estimativa && b.eficienciaSegundaLei ? MarcaEstimativa : ""),
                   Qt::AlignRight);
        Tabela->setItem(linha, 3, eficiencia);
        total = total + b.potencia;
    }
    const int linhaTotal = Tabela->rowCount();
    Tabela->insertRow(linhaTotal);
    Tabela->setItem(linhaTotal, 0, Celula(comCaldeira ? tr("Total *") : tr("Total sem a caldeira")));
    Tabela->setItem(linhaTotal, 1, Celula(Numero(total, 1, separador), Qt::AlignRight));
    Tabela->setItem(linhaTotal, 2,
                    Celula(Numero(total != 0.0 ? std::optional<double>(100.0) : std::nullopt, 2,
                                  separador),
                           Qt::AlignRight));
    Tabela->setItem(linhaTotal, 3, Celula("—", Qt::AlignRight));
    QFont negrito = Tabela->font();
    negrito.setBold(true);
    for (int c = 0; c < Tabela->columnCount(); ++c) Tabela->item(linhaTotal, c)->setFont(negrito);
    Tabela->resizeRowsToContents();

    Base->setText(comCaldeira
                      ? tr("Parcelas sobre a destruição total, caldeira incluída (estimativa).")
                      : tr("Parcelas sobre a destruição no ciclo de vapor: turbinas, válvula, "
                           "misturador, processo e bomba, sem a caldeira."));
    std::optional<double> usina;
    for (const Indicador& i : ind.indicadores)
        if (i.nome == "Eficiência de segunda lei da usina") usina = i.valor;
    NotaEstimativa->setText(tr("Eficiência de segunda lei da usina *: %1 %.   * %2")
                                .arg(Numero(usina, 2, separador), TraduzirNucleo(FonteFatorExergia)));
    MostrarConteudo(true);
    Dispor();
}

void VistaExergia::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    Dispor();
}

void VistaExergia::Dispor() {
    const bool lado = width() >= LarguraLadoALado;
    disposicao_->setDirection(lado ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    // Beside the chart the table takes the width of its columns only; under
    // it, the height of all its rows, and the chart keeps room for its bars.
    Tabela->resizeColumnsToContents();
    const int largura = Tabela->horizontalHeader()->length() + 2 * Tabela->frameWidth() +
                        Tabela->verticalScrollBar()->sizeHint().width();
    const int altura = Tabela->horizontalHeader()->height() +
                       Tabela->verticalHeader()->length() + 2 * Tabela->frameWidth();
    Tabela->setMaximumWidth(lado ? largura : QWIDGETSIZE_MAX);
    Tabela->setMinimumWidth(lado ? largura : 0);
    Tabela->setMinimumHeight(lado ? 0 : altura);
    Tabela->setMaximumHeight(lado ? QWIDGETSIZE_MAX : altura);
    Grafico->setMinimumHeight(lado ? AlturaMinimaGrafico : AlturaGraficoEmColuna);
}
