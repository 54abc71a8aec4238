#include "ui/analise/VistaSensibilidade.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTableWidget>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

#include "io/ExportacaoAnalise.h"
#include "plant/Numeros.h"
#include "plant/TabelaSafra.h"
#include "plant/TabelaSaidas.h"
#include "ui/analise/CamposAnalise.h"
#include "ui/comum/AvisosVista.h"
#include "ui/comum/DesenhoArquivo.h"
#include "ui/comum/FormatoResultados.h"
#include "ui/comum/GravarArquivo.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/MensagensNucleo.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/comum/TratadorErros.h"

namespace {

const PoliticaExportacao PoliticaCsv = PoliticaTabelaCsv(
    "VistaSensibilidade", QT_TRANSLATE_NOOP("VistaSensibilidade", "Tabela CSV (*.csv)"),
    "sensibilidade.csv");
const PoliticaExportacao PoliticaGrafico{
    "VistaSensibilidade",
    {{QT_TRANSLATE_NOOP("VistaSensibilidade", "Imagem PNG (*.png)"), "png"},
     {QT_TRANSLATE_NOOP("VistaSensibilidade", "Imagem SVG (*.svg)"), "svg"}},
    "sensibilidade.png",
    SufixoExportacao::SeFaltar,
    nullptr,
    false};

constexpr int LarguraExportacao = 1100;  // pixels of an exported chart
constexpr int AlturaExportacao = 700;
constexpr int DecimaisTabela = 2;        // of the numbers shown; exact in their tooltips
// Pixels of chart per bar: a category's label needs its line's height, or
// the axis cuts it to "…".
constexpr int AlturaPorBarra = 24;
constexpr int AlturaForaDasBarras = 150;  // title, value axis, its title, legend

QString Tr(const char* texto) { return QCoreApplication::translate("VistaSensibilidade", texto); }

QString Numero(double valor, const std::string& separador) {
    return QString::fromStdString(TextoExato(valor, separador));
}

// Why an input has no bar, in the window's language.
QString TextoMotivo(const LinhaSensibilidade& l) {
    using M = MotivoSemSensibilidade;
    switch (l.motivo) {
    case M::Nenhum: return {};
    case M::NaoUsada:
        return Tr(QT_TRANSLATE_NOOP("VistaSensibilidade", "não usada nesta configuração"));
    case M::BaseNula:
        return Tr(QT_TRANSLATE_NOOP("VistaSensibilidade", "vale 0 no caso base: um passo relativo não a move"));
    case M::AlemDoLimite:
        return Tr(QT_TRANSLATE_NOOP("VistaSensibilidade", "o valor alto passa do limite de leitura"));
    case M::Recusada:
    case M::Falhou: return TextoFalhaTraduzido(l.falha, l.mensagem);
    }
    return {};
}

// The tornado drawn into a chart: for each input with a swing, a bar from
// its low output to its high one, relative to the base; the largest on top.
void PreencherTornado(QChart& grafico, const ResultadoSensibilidade& r, QBarSet*& baixo,
                      QBarSet*& alto, std::vector<const LinhaSensibilidade*>& barras) {
    grafico.removeAllSeries();
    for (QAbstractAxis* eixo : grafico.axes()) {
        grafico.removeAxis(eixo);
        delete eixo;  // a removed axis is the caller's to delete
    }
    barras.clear();
    for (auto l = r.linhas.rbegin(); l != r.linhas.rend(); ++l)
        // An input that moves nothing has no bar: it is in the table.
        if (l->motivo == MotivoSemSensibilidade::Nenhum && l->variacao != 0.0) barras.push_back(&*l);
    const int passo = static_cast<int>(std::lround(r.passo * 100.0));
    baixo = new QBarSet(Tr(QT_TRANSLATE_NOOP("VistaSensibilidade", "Entrada −%1 %")).arg(passo));
    alto = new QBarSet(Tr(QT_TRANSLATE_NOOP("VistaSensibilidade", "Entrada +%1 %")).arg(passo));
    baixo->setColor(QColor(0x2f, 0x6f, 0xb3));
    alto->setColor(QColor(0xd9, 0x82, 0x2b));
    QStringList nomes;
    double menor = 0.0, maior = 0.0;
    for (const LinhaSensibilidade* l : barras) {
        nomes << LegendaCampoAnalise(l->campo);
        const double b = *l->baixo - r.base, a = *l->alto - r.base;
        baixo->append(b);
        alto->append(a);
        menor = std::min({menor, b, a});
        maior = std::max({maior, b, a});
    }
    auto* serie = new QHorizontalStackedBarSeries;
    serie->append(baixo);
    serie->append(alto);
    serie->setBarWidth(0.7);
    grafico.addSeries(serie);
    auto* categorias = new QBarCategoryAxis;
    categorias->append(nomes);
    grafico.addAxis(categorias, Qt::AlignLeft);
    serie->attachAxis(categorias);
    auto* valores = new QValueAxis;
    const double folga = 0.05 * std::max(maior - menor, 1e-12);
    valores->setRange(menor - folga, maior + folga);
    valores->applyNiceNumbers();
    valores->setTitleText(Tr(QT_TRANSLATE_NOOP("VistaSensibilidade",
                                               "Variação de %1 em relação ao caso base (%2)"))
                              .arg(LegendaCampoAnalise(r.saida.usina ? r.saida.usina->nome
                                                                     : r.saida.safra->nome),
                                   TextoAgrupado(r.base, DecimaisTabela, SeparadorDecimal())));
    grafico.addAxis(valores, Qt::AlignBottom);
    serie->attachAxis(valores);
    grafico.setTitle(Tr(QT_TRANSLATE_NOOP("VistaSensibilidade", "Sensibilidade: as entradas que mais movem a saída")));
    grafico.legend()->setAlignment(Qt::AlignBottom);
}

}  // namespace

VistaSensibilidade::VistaSensibilidade(QWidget* pai)
    : VistaAnalise(pai), exportacaoCsv_(this, PoliticaCsv), exportacaoGrafico_(this, PoliticaGrafico) {
    setObjectName("VistaSensibilidade");
    TextoTraduzido(this, "windowTitle", "VistaSensibilidade",
                   QT_TRANSLATE_NOOP("VistaSensibilidade", "Sensibilidade"));
    auto* rotuloSaida = new QLabel(this);
    TextoTraduzido(rotuloSaida, "text", "VistaSensibilidade",
                   QT_TRANSLATE_NOOP("VistaSensibilidade", "Saída:"));
    Saida = new QComboBox(this);
    Saida->setObjectName("SaidaSensibilidade");
    Saida->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Saida->setMinimumContentsLength(20);
    auto* rotuloPasso = new QLabel(this);
    TextoTraduzido(rotuloPasso, "text", "VistaSensibilidade",
                   QT_TRANSLATE_NOOP("VistaSensibilidade", "Passo [%]:"));
    Passo = new QDoubleSpinBox(this);
    Passo->setObjectName("PassoSensibilidade");
    Passo->setRange(0.1, 90.0);
    Passo->setDecimals(1);
    Passo->setValue(PassoSensibilidadePadrao * 100.0);
    const auto botao = [this](const char* nome, const char* texto) {
        auto* b = new QPushButton(this);
        b->setObjectName(nome);
        TextoTraduzido(b, "text", "VistaSensibilidade", texto);
        return b;
    };
    BotaoCalcular = botao("BotaoCalcularSensibilidade", QT_TRANSLATE_NOOP("VistaSensibilidade", "Calcular"));
    BotaoExportarCsv = botao("BotaoExportarCsvSensibilidade",
                             QT_TRANSLATE_NOOP("VistaSensibilidade", "Exportar CSV…"));
    BotaoExportarGrafico = botao("BotaoExportarGraficoSensibilidade",
                                 QT_TRANSLATE_NOOP("VistaSensibilidade", "Exportar gráfico…"));
    BotaoExportarCsv->setEnabled(false);
    BotaoExportarGrafico->setEnabled(false);
    connect(BotaoCalcular, &QPushButton::clicked, this, [this] { CalcularClick(); });
    connect(BotaoExportarCsv, &QPushButton::clicked, this, [this] { ExportarCsvClick(); });
    connect(BotaoExportarGrafico, &QPushButton::clicked, this, [this] { ExportarGraficoClick(); });

    auto* grafico = new QChart;
    grafico->setLocalizeNumbers(true);
    Grafico = new QChartView(grafico, this);
    Grafico->setObjectName("GraficoSensibilidade");
    Grafico->setRenderHint(QPainter::Antialiasing);
    Grafico->setMinimumHeight(260);
    // Tall enough for every bar's label; scrolls when the view is shorter.
    rolagem_ = new QScrollArea(this);
    rolagem_->setWidgetResizable(true);
    rolagem_->setFrameShape(QFrame::NoFrame);
    rolagem_->setWidget(Grafico);
    Baixo = nullptr;
    Alto = nullptr;

    Tabela = new QTableWidget(0, 6, this);
    Tabela->setObjectName("TabelaSensibilidade");
    Tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabela->setAlternatingRowColors(true);
    Tabela->verticalHeader()->hide();
    Tabela->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Tabela->horizontalHeader()->setStretchLastSection(true);
    EspacarCelulas(Tabela);
    Situacao = new QLabel(this);
    Situacao->setObjectName("SituacaoSensibilidade");
    Situacao->setTextFormat(Qt::PlainText);
    Situacao->setWordWrap(true);

    auto* linha = new QHBoxLayout;
    linha->addWidget(rotuloSaida);
    linha->addWidget(Saida, 1);
    linha->addWidget(rotuloPasso);
    linha->addWidget(Passo);
    linha->addWidget(BotaoCalcular);
    auto* exportar = new QHBoxLayout;
    exportar->addWidget(Situacao, 1);
    exportar->addWidget(BotaoExportarCsv);
    exportar->addWidget(BotaoExportarGrafico);
    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(linha);
    auto* divisao = new QSplitter(Qt::Vertical, this);
    divisao->setChildrenCollapsible(false);
    divisao->addWidget(rolagem_);
    divisao->addWidget(Tabela);
    divisao->setStretchFactor(0, 3);
    divisao->setStretchFactor(1, 1);
    divisao->setSizes({3000, 1000});  // shares: the chart first
    Tabela->setMinimumHeight(120);
    coluna->addWidget(divisao, 1);
    coluna->addLayout(exportar);
    Retraduzir();
}

void VistaSensibilidade::DefinirEscolhaArquivo(EscolhaArquivo escolha) {
    exportacaoCsv_.DefinirEscolha(escolha);
    exportacaoGrafico_.DefinirEscolha(std::move(escolha));
}

void VistaSensibilidade::DefinirConfirmacaoSubstituir(ConfirmacaoSubstituir confirmacao) {
    exportacaoCsv_.DefinirConfirmacao(confirmacao);
    exportacaoGrafico_.DefinirConfirmacao(std::move(confirmacao));
}

void VistaSensibilidade::Retraduzir() {
    const QString atual = Saida->currentData(PapelCampo).toString();
    PreencherSaidas(*Saida, atual.isEmpty() ? QString("Epotele") : atual);
    Tabela->setHorizontalHeaderLabels({Tr(QT_TRANSLATE_NOOP("VistaSensibilidade", "Entrada")),
                                       Tr(QT_TRANSLATE_NOOP("VistaSensibilidade", "Saída com −passo")),
                                       Tr(QT_TRANSLATE_NOOP("VistaSensibilidade", "Caso base")),
                                       Tr(QT_TRANSLATE_NOOP("VistaSensibilidade", "Saída com +passo")),
                                       Tr(QT_TRANSLATE_NOOP("VistaSensibilidade", "Variação")),
                                       Tr(QT_TRANSLATE_NOOP("VistaSensibilidade", "Por que não varia"))});
}

void VistaSensibilidade::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::LanguageChange) {
        Retraduzir();
        if (resultado_) Preencher();
    }
    VistaAnalise::changeEvent(evento);
}

void VistaSensibilidade::CalcularClick() {
    ExecutarTratando([this] { Calcular(fonte_ ? fonte_() : EntradasUsina{}); });
}

void VistaSensibilidade::Calcular(const EntradasUsina& base) {
    PedidoSensibilidade pedido;
    pedido.base = base;
    pedido.saida = CampoEscolhido(*Saida);
    pedido.passo = Passo->value() / 100.0;
    pedido.separador = SeparadorDecimal();
    resultado_ = ExecutarSensibilidade(pedido);
    Preencher();
}

void VistaSensibilidade::Preencher() {
    const ResultadoSensibilidade& r = *resultado_;
    const std::string separador = SeparadorDecimal();
    PreencherTornado(*Grafico->chart(), r, Baixo, Alto, barras_);
    Grafico->setMinimumHeight(AlturaForaDasBarras + AlturaPorBarra * static_cast<int>(barras_.size()));
    for (QBarSet* conjunto : {Baixo, Alto})
        connect(conjunto, &QBarSet::hovered, this,
                [this](bool dentro, int indice) { MostrarValor(dentro, indice); });
    Tabela->setRowCount(0);
    for (const LinhaSensibilidade& l : r.linhas) {
        const int linha = Tabela->rowCount();
        Tabela->insertRow(linha);
        const auto celula = [&](int coluna, const QString& texto) {
            Tabela->setItem(linha, coluna, new QTableWidgetItem(texto));
        };
        // Read rounded, exact in the tooltip (and in the CSV).
        const auto numero = [&](int coluna, double valor) {
            auto* item = new QTableWidgetItem(TextoAgrupado(valor, DecimaisTabela, separador));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setToolTip(Numero(valor, separador));
            Tabela->setItem(linha, coluna, item);
        };
        celula(0, LegendaCampoAnalise(l.campo));
        Tabela->item(linha, 0)->setToolTip(QString::fromStdString(l.campo));
        numero(2, r.base);
        if (l.motivo == MotivoSemSensibilidade::Nenhum) {
            numero(1, *l.baixo);
            numero(3, *l.alto);
            numero(4, l.variacao);
        } else {
            celula(5, TextoMotivo(l));
            Tabela->item(linha, 5)->setToolTip(TextoMotivo(l));
        }
    }
    Situacao->setText(Tr(QT_TRANSLATE_NOOP("VistaSensibilidade", "%1 execuções; passo de %2 %."))
                          .arg(r.avaliacoes)
                          .arg(Numero(r.passo * 100.0, separador)));
    BotaoExportarCsv->setEnabled(true);
    BotaoExportarGrafico->setEnabled(!barras_.empty());
}

void VistaSensibilidade::MostrarValor(bool dentro, int indice) {
    if (!dentro || indice < 0 || indice >= static_cast<int>(barras_.size()) || !resultado_) {
        QToolTip::hideText();
        return;
    }
    const LinhaSensibilidade& l = *barras_[static_cast<std::size_t>(indice)];
    const std::string s = SeparadorDecimal();
    QToolTip::showText(QCursor::pos(),
                       Tr(QT_TRANSLATE_NOOP("VistaSensibilidade",
                                            "%1\nentrada %2 → %3 → %4\nsaída %5 → %6 → %7"))
                           .arg(LegendaCampoAnalise(l.campo), Numero(l.entradaBaixa, s),
                                Numero(l.entradaBase, s), Numero(l.entradaAlta, s),
                                Numero(*l.baixo, s), Numero(resultado_->base, s), Numero(*l.alto, s)));
}

void VistaSensibilidade::ExportarCsvClick() {
    ExecutarTratando([this] {
        if (!resultado_) return;
        exportacaoCsv_.Exportar(Tr(QT_TRANSLATE_NOOP("VistaSensibilidade", "Exportar sensibilidade")),
                                [this](const QString& caminho, const QString&) {
                                    GravarCsv(caminho, SensibilidadeCsv(*resultado_, SeparadorDecimal()));
                                });
    });
}

void VistaSensibilidade::ExportarGraficoClick() {
    ExecutarTratando([this] {
        if (!resultado_) return;
        exportacaoGrafico_.Exportar(
            Tr(QT_TRANSLATE_NOOP("VistaSensibilidade", "Exportar gráfico de sensibilidade")),
            [this](const QString& caminho, const QString& sufixo) {
                // A chart of its own at a fixed size: the file does not
                // depend on the size of the view on the screen.
                QGraphicsScene cena;
                auto* grafico = new QChart;
                cena.addItem(grafico);
                const QRectF area(0, 0, LarguraExportacao,
                                  std::max(AlturaExportacao,
                                           AlturaForaDasBarras +
                                               AlturaPorBarra * static_cast<int>(barras_.size())));
                grafico->setGeometry(area);
                QBarSet *b = nullptr, *a = nullptr;
                std::vector<const LinhaSensibilidade*> barras;
                PreencherTornado(*grafico, *resultado_, b, a, barras);
                cena.setSceneRect(area);
                const Desenho desenhar = [&](QPainter& pintor, const QRectF& destino) {
                    cena.render(&pintor, destino, area);
                };
                GravarArquivo(caminho, sufixo == "svg"
                                           ? DesenhoSvg(area.size(), grafico->title(), desenhar)
                                           : DesenhoPng(area.size().toSize() * 2, desenhar));
            });
    });
}
