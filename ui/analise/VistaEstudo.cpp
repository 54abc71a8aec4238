#include "ui/analise/VistaEstudo.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGraphicsScene>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTreeWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "io/ErrosArquivo.h"
#include "io/ExportacaoVarredura.h"
#include "plant/ErrosPlanta.h"
#include "plant/LegendasResultados.h"
#include "plant/Numeros.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSaidas.h"
#include "ui/analise/EixoConfiguracao.h"
#include "ui/analise/GraficoEstudo.h"
#include "ui/analise/ModeloEstudo.h"
#include "ui/analise/ProgressoEstudo.h"
#include "ui/comum/AvisosVista.h"
#include "ui/comum/DesenhoArquivo.h"
#include "ui/comum/GravarArquivo.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/comum/TextoLiteral.h"
#include "ui/comum/TratadorErros.h"

namespace {

// The outputs checked at first: what a cogeneration study usually weighs.
const char* const SaidasPadrao[] = {"Epotele", "Eexbag", "Econbag", "Emcomb", "Ew12", "Ew14"};
constexpr int PontosPadrao1 = 11;
constexpr int PontosPadrao2 = 3;
// A study shorter than this shows no progress bar, so it does not flicker.
constexpr qint64 MsAntesDoProgresso = 250;
constexpr int PapelNome = Qt::UserRole;  // item data: the field's name
constexpr int PapelTitulo = Qt::UserRole + 1;  // a panel's item: its Portuguese title
constexpr qsizetype MaximoFalhasListadas = 200;

// A default range around the base value: 20 % either side, within what the
// field accepts, at three decimals.
std::pair<double, double> FaixaPadrao(const CampoEntradaUsina& campo, double valor) {
    double inicio = valor * 0.8, fim = valor * 1.2;
    if (valor == 0.0) fim = 1.0;
    if (campo.regra == RegraEntrada::Eficiencia || campo.regra == RegraEntrada::Percentual)
        fim = std::min(fim, 100.0);
    if (campo.regra == RegraEntrada::Pressao) {
        inicio = std::max(inicio, PressaoMinimaBar);
        fim = std::min(fim, PressaoMaximaBar);
    }
    const auto arredondar = [](double v) { return std::round(v * 1000.0) / 1000.0; };
    return {arredondar(inicio), arredondar(fim)};
}

QLineEdit* CriarNumero(const char* nome, QWidget* pai) {
    auto* campo = new QLineEdit(pai);
    campo->setObjectName(nome);
    campo->setAlignment(Qt::AlignRight);
    campo->setMinimumWidth(60);
    return campo;
}

QSpinBox* CriarPontos(const char* nome, int valor, QWidget* pai) {
    auto* pontos = new QSpinBox(pai);
    pontos->setObjectName(nome);
    // 1 can be typed, and is refused with a message when the study runs,
    // rather than silently put back to the last valid count.
    pontos->setRange(1, static_cast<int>(MaximoPontosVarredura));
    pontos->setValue(valor);
    TextoTraduzido(pontos, "toolTip", "VistaEstudo",
                   QT_TRANSLATE_NOOP("VistaEstudo",
                                     "Número de pontos da faixa, extremos incluídos (2 ou mais)"));
    return pontos;
}

// A label whose text follows the language.
QLabel* Rotulo(const char* texto, QWidget* pai) {
    auto* rotulo = new QLabel(pai);
    TextoTraduzido(rotulo, "text", "VistaEstudo", texto);
    return rotulo;
}

// "De [ ] a [ ]  Pontos [ ]" under a field's combo.
QHBoxLayout* LinhaFaixa(QLineEdit* inicio, QLineEdit* fim, QSpinBox* pontos, QWidget* pai) {
    auto* linha = new QHBoxLayout;
    linha->addWidget(Rotulo(QT_TRANSLATE_NOOP("VistaEstudo", "De"), pai));
    linha->addWidget(inicio, 1);
    linha->addWidget(Rotulo(QT_TRANSLATE_NOOP("VistaEstudo", "a"), pai));
    linha->addWidget(fim, 1);
    linha->addWidget(Rotulo(QT_TRANSLATE_NOOP("VistaEstudo", "Pontos"), pai));
    linha->addWidget(pontos);
    return linha;
}

// A text kept in a constant below, in the view's context.
QString Traduzir(const char* texto) { return QCoreApplication::translate("VistaEstudo", texto); }

const char* const MensagemSemEstudo = QT_TRANSLATE_NOOP(
    "VistaEstudo", "Ainda não há estudo: clique em \"Executar estudo\" antes de gravar.");
const char* const MensagemSufixoGrafico = QT_TRANSLATE_NOOP(
    "VistaEstudo", "Escolha um nome terminado em .png ou .svg para exportar o gráfico");

QString NomeCampo(const QComboBox* combo) { return combo->currentData(PapelNome).toString(); }

// The two exports, each starting at its name in the working directory of
// the moment; a name without a suffix takes the first format's.
const PoliticaExportacao PoliticaCsvEstudo = PoliticaTabelaCsv(
    "VistaEstudo", QT_TRANSLATE_NOOP("VistaEstudo", "Tabela CSV (*.csv)"), "estudo.csv");
const PoliticaExportacao PoliticaGraficoEstudo{
    "VistaEstudo",
    {{QT_TRANSLATE_NOOP("VistaEstudo", "Imagem PNG (*.png)"), "png"},
     {QT_TRANSLATE_NOOP("VistaEstudo", "Imagem SVG (*.svg)"), "svg"}},
    "estudo.png",
    SufixoExportacao::SeFaltar,
    nullptr,
    false};
// A cancelled study's exports start at names that say it is partial.
const PoliticaExportacao PoliticaCsvEstudoParcial = PoliticaTabelaCsv(
    "VistaEstudo", QT_TRANSLATE_NOOP("VistaEstudo", "Tabela CSV (*.csv)"), "estudo-parcial.csv");
PoliticaExportacao PoliticaGraficoParcial() {
    PoliticaExportacao p = PoliticaGraficoEstudo;
    p.nomeInicial = "estudo-parcial.png";
    return p;
}

constexpr double LarguraLegendaExportada = 300.0;  // pixels of the exported chart
constexpr int LarguraLegendaVista = 250;  // pixels beside the chart on screen, at most

// nota: a line under the title (a cancelled study says so); may be empty.
void GravarGrafico(const QString& caminho, const CurvasEstudo& curvas, const QString& nota,
                   bool svg) {
    // A chart of its own at a fixed size: the file does not depend on the
    // size of the view on the screen.
    QGraphicsScene cena;
    auto* grafico = new QChart;
    cena.addItem(grafico);  // the scene owns it
    const QRectF area(0, 0, VistaEstudo::LarguraExportacao, VistaEstudo::AlturaExportacao);
    grafico->setGeometry(area);
    PreencherGrafico(*grafico, curvas);
    if (!nota.isEmpty()) grafico->setTitle(grafico->title() + "<br><i>" + nota.toHtmlEscaped() + "</i>");
    // The legend in a column of its own at the right, its names whole.
    const bool comLegenda = curvas.curvas.size() > 1;
    const QRectF areaGrafico =
        comLegenda ? area.adjusted(0, 0, -LarguraLegendaExportada, 0) : area;
    grafico->setGeometry(areaGrafico);
    cena.setSceneRect(area);
    const Desenho desenhar = [&](QPainter& pintor, const QRectF& destino) {
        cena.render(&pintor, destino, area);
        if (!comLegenda) return;
        // The scene's coordinates mapped to the destination, as render does.
        pintor.save();
        pintor.translate(destino.topLeft());
        pintor.scale(destino.width() / area.width(), destino.height() / area.height());
        const QRectF legenda(area.right() - LarguraLegendaExportada + 8, area.top() + 40,
                             LarguraLegendaExportada - 16, area.height() - 60);
        DesenharLegendaCurvas(pintor, legenda, curvas);
        pintor.restore();
    };
    GravarArquivo(caminho, svg ? DesenhoSvg(area.size(), curvas.tituloY, desenhar)
                               : DesenhoPng(area.size().toSize() * 2, desenhar));
}

}  // namespace

VistaEstudo::VistaEstudo(QWidget* pai)
    : VistaAnalise(pai),
      exportacaoCsv_(this, PoliticaCsvEstudo),
      exportacaoGrafico_(this, PoliticaGraficoEstudo),
      exportacaoCsvParcial_(this, PoliticaCsvEstudoParcial),
      exportacaoGraficoParcial_(this, PoliticaGraficoParcial()),
      modelo_(new ModeloEstudo(this)),
      grafico_(new QChart) {
    setObjectName("VistaEstudo");
    TextoTraduzido(this, "windowTitle", "VistaEstudo",
                   QT_TRANSLATE_NOOP("VistaEstudo", "Estudo paramétrico"));

    // --- Controls: the swept inputs, the outputs, run and exports.
    auto* painel = new QWidget;

    auto* grupoEntradas = new QGroupBox(painel);
    TextoTraduzido(grupoEntradas, "title", "VistaEstudo",
                   QT_TRANSLATE_NOOP("VistaEstudo", "Entradas variadas"));
    CampoEntrada1 = new QComboBox(grupoEntradas);
    CampoEntrada1->setObjectName("CampoEntrada1");
    Inicio1 = CriarNumero("Inicio1", grupoEntradas);
    Fim1 = CriarNumero("Fim1", grupoEntradas);
    Pontos1 = CriarPontos("Pontos1", PontosPadrao1, grupoEntradas);
    CampoEntrada2 = new QComboBox(grupoEntradas);
    CampoEntrada2->setObjectName("CampoEntrada2");
    Inicio2 = CriarNumero("Inicio2", grupoEntradas);
    Fim2 = CriarNumero("Fim2", grupoEntradas);
    Pontos2 = CriarPontos("Pontos2", PontosPadrao2, grupoEntradas);
    // One curve per value: beyond this many the chart cannot be read.
    Pontos2->setMaximum(MaximoCurvas);
    for (QComboBox* combo : {CampoEntrada1, CampoEntrada2}) {
        // Long captions: the list opens wide, the box stays narrow.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(16);
    }
    auto* colunaEntradas = new QVBoxLayout(grupoEntradas);
    colunaEntradas->addWidget(Rotulo(
        QT_TRANSLATE_NOOP("VistaEstudo", "Primeira entrada (eixo horizontal):"), grupoEntradas));
    colunaEntradas->addWidget(CampoEntrada1);
    colunaEntradas->addLayout(LinhaFaixa(Inicio1, Fim1, Pontos1, grupoEntradas));
    colunaEntradas->addSpacing(4);
    colunaEntradas->addWidget(Rotulo(
        QT_TRANSLATE_NOOP("VistaEstudo", "Segunda entrada (uma curva por valor):"), grupoEntradas));
    colunaEntradas->addWidget(CampoEntrada2);
    colunaEntradas->addLayout(LinhaFaixa(Inicio2, Fim2, Pontos2, grupoEntradas));

    auto* grupoSaidas = new QGroupBox(painel);
    TextoTraduzido(grupoSaidas, "title", "VistaEstudo", QT_TRANSLATE_NOOP("VistaEstudo", "Saídas"));
    // The outputs grouped by the panel that shows them, in the panels' order.
    ListaSaidas = new QTreeWidget(grupoSaidas);
    ListaSaidas->setObjectName("ListaSaidas");
    ListaSaidas->setHeaderHidden(true);
    ListaSaidas->setMinimumHeight(90);
    ListaSaidas->setTextElideMode(Qt::ElideRight);
    ListaSaidas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Items titled in Portuguese under PapelTitulo; NomearSaidas gives
    // them their texts in the window's language.
    std::map<QString, QTreeWidgetItem*> grupos;
    const auto grupo = [&](const char* titulo) {
        QTreeWidgetItem*& g = grupos[QString::fromUtf8(titulo)];
        if (g == nullptr) {
            g = new QTreeWidgetItem(ListaSaidas);
            g->setData(0, PapelTitulo, QString::fromUtf8(titulo));
            g->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        }
        return g;
    };
    for (const PainelResultados& p : PaineisResultados()) {
        for (const LinhaResultado& l : p.linhas) {
            const CampoSaida* s = BuscarCampoSaida(l.nome);
            if (s == nullptr) continue;
            auto* item = new QTreeWidgetItem(grupo(p.titulo));
            item->setData(0, PapelNome, QString::fromUtf8(s->nome));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(0, Qt::Unchecked);
        }
    }
    // Any output no panel shows, under its name.
    for (const CampoSaida& s : CamposSaida()) {
        if (!PainelSaida(s).isEmpty()) continue;
        auto* item = new QTreeWidgetItem(grupo(QT_TRANSLATE_NOOP("VistaEstudo", "Outros")));
        item->setData(0, PapelNome, QString::fromUtf8(s.nome));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
    }
    NomearSaidas();
    SaidaGrafico = new QComboBox(grupoSaidas);
    SaidaGrafico->setObjectName("SaidaGrafico");
    SaidaGrafico->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    SaidaGrafico->setMinimumContentsLength(16);
    auto* colunaSaidas = new QVBoxLayout(grupoSaidas);
    colunaSaidas->addWidget(ListaSaidas, 1);
    colunaSaidas->addWidget(Rotulo(QT_TRANSLATE_NOOP("VistaEstudo", "No gráfico:"), grupoSaidas));
    colunaSaidas->addWidget(SaidaGrafico);

    BotaoExecutar = new QPushButton(this);
    TextoTraduzido(BotaoExecutar, "text", "VistaEstudo",
                   QT_TRANSLATE_NOOP("VistaEstudo", "Executar estudo"));
    BotaoExecutar->setObjectName("BotaoExecutarEstudo");
    BotaoExecutar->setDefault(true);
    BotaoCancelar = new QPushButton(this);
    TextoTraduzido(BotaoCancelar, "text", "VistaEstudo", QT_TRANSLATE_NOOP("VistaEstudo", "Cancelar"));
    BotaoCancelar->setObjectName("BotaoCancelarEstudo");
    BotaoCancelar->setEnabled(false);
    Progresso = new QProgressBar(this);
    Progresso->setObjectName("ProgressoEstudo");
    // Hidden, it keeps its place: the buttons above do not move when it shows.
    QSizePolicy politicaProgresso = Progresso->sizePolicy();
    politicaProgresso.setRetainSizeWhenHidden(true);
    Progresso->setSizePolicy(politicaProgresso);
    Progresso->hide();
    Situacao = new QLabel(this);
    Situacao->setObjectName("SituacaoEstudo");
    Situacao->setWordWrap(true);
    Situacao->setTextFormat(Qt::PlainText);
    BotaoExportarCsv = new QPushButton(this);
    TextoTraduzido(BotaoExportarCsv, "text", "VistaEstudo",
                   QT_TRANSLATE_NOOP("VistaEstudo", "Exportar tabela CSV…"));
    BotaoExportarCsv->setObjectName("BotaoExportarCsvEstudo");
    BotaoExportarGrafico = new QPushButton(this);
    TextoTraduzido(BotaoExportarGrafico, "text", "VistaEstudo",
                   QT_TRANSLATE_NOOP("VistaEstudo", "Exportar gráfico…"));
    BotaoExportarGrafico->setObjectName("BotaoExportarGraficoEstudo");
    BotaoExportarCsv->setEnabled(false);
    BotaoExportarGrafico->setEnabled(false);

    auto* linhaExecutar = new QHBoxLayout;
    linhaExecutar->addWidget(BotaoExecutar, 1);
    linhaExecutar->addWidget(BotaoCancelar);
    auto* linhaExportar = new QHBoxLayout;
    linhaExportar->addWidget(BotaoExportarCsv);
    linhaExportar->addWidget(BotaoExportarGrafico);

    auto* colunaPainel = new QVBoxLayout(painel);
    colunaPainel->setContentsMargins(0, 0, 0, 0);
    colunaPainel->addWidget(grupoEntradas);
    colunaPainel->addWidget(grupoSaidas, 1);
    auto* rolagem = new QScrollArea;
    rolagem->setWidget(painel);
    rolagem->setWidgetResizable(true);
    rolagem->setFrameShape(QFrame::NoFrame);
    rolagem->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // Run, progress and exports stay in sight below what scrolls.
    controles_ = new QWidget(this);
    controles_->setObjectName("ControlesEstudo");
    auto* colunaControles = new QVBoxLayout(controles_);
    colunaControles->setContentsMargins(4, 4, 4, 4);
    colunaControles->addWidget(rolagem, 1);
    colunaControles->addLayout(linhaExecutar);
    colunaControles->addWidget(Progresso);
    colunaControles->addWidget(Situacao);
    colunaControles->addLayout(linhaExportar);

    // --- Results: the chart with the points it could not draw, the table.
    auto* paginaGrafico = new QWidget;
    AvisoSemEstudo = Rotulo(QT_TRANSLATE_NOOP("VistaEstudo",
                                              "Nenhum estudo executado: escolha as entradas e as "
                                              "saídas e clique em \"Executar estudo\"."),
                            paginaGrafico);
    AvisoSemEstudo->setObjectName("AvisoSemEstudo");
    AvisoSemEstudo->setAlignment(Qt::AlignCenter);
    AvisoSemEstudo->setWordWrap(true);
    AvisoSemEstudo->setStyleSheet("color: #505050; padding: 24px;");
    VistaGrafico = new QChartView(grafico_, paginaGrafico);
    VistaGrafico->setObjectName("GraficoEstudo");
    VistaGrafico->setRenderHint(QPainter::Antialiasing);
    VistaGrafico->setMinimumSize(300, 220);
    grafico_->legend()->setAlignment(Qt::AlignBottom);
    grafico_->setMargins(QMargins(4, 4, 4, 4));
    VistaGrafico->hide();
    ResumoFalhas = new QLabel(paginaGrafico);
    ResumoFalhas->setObjectName("ResumoFalhas");
    ResumoFalhas->setWordWrap(true);
    ResumoFalhas->setTextFormat(Qt::PlainText);
    ResumoFalhas->hide();
    ListaFalhas = new QListWidget(paginaGrafico);
    ListaFalhas->setObjectName("ListaFalhas");
    ListaFalhas->setMaximumHeight(4 * ListaFalhas->fontMetrics().lineSpacing() + 8);
    ListaFalhas->hide();
    LegendaCurvas = new QScrollArea(paginaGrafico);
    LegendaCurvas->setObjectName("LegendaCurvas");
    LegendaCurvas->setWidgetResizable(true);
    LegendaCurvas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LegendaCurvas->setFrameShape(QFrame::NoFrame);
    LegendaCurvas->setFixedWidth(LarguraLegendaVista);
    LegendaCurvas->hide();
    auto* linhaGrafico = new QHBoxLayout;
    linhaGrafico->setContentsMargins(0, 0, 0, 0);
    linhaGrafico->addWidget(VistaGrafico, 1);
    linhaGrafico->addWidget(LegendaCurvas);
    auto* colunaGrafico = new QVBoxLayout(paginaGrafico);
    colunaGrafico->setContentsMargins(0, 0, 0, 0);
    colunaGrafico->addWidget(AvisoSemEstudo, 1);
    colunaGrafico->addLayout(linhaGrafico, 1);
    colunaGrafico->addWidget(ResumoFalhas);
    colunaGrafico->addWidget(ListaFalhas);

    Tabela = new QTableView;
    Tabela->setObjectName("TabelaEstudo");
    Tabela->setModel(modelo_);
    Tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabela->setAlternatingRowColors(true);
    Tabela->setWordWrap(false);
    Tabela->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    Tabela->horizontalHeader()->setStretchLastSection(true);
    Tabela->verticalHeader()->hide();  // the swept values name each row
    // One line of text a row, without measuring every row of a long study.
    Tabela->verticalHeader()->setDefaultSectionSize(Tabela->fontMetrics().lineSpacing() + 6);
    EspacarCelulas(Tabela);

    Abas = new QTabWidget(this);
    Abas->setObjectName("AbasEstudo");
    Abas->setDocumentMode(true);
    paginaGrafico_ = paginaGrafico;
    Abas->addTab(paginaGrafico, tr("Gráfico"));
    Abas->addTab(Tabela, tr("Tabela"));

    auto* linha = new QHBoxLayout(this);
    linha->addWidget(controles_);
    linha->addWidget(Abas, 1);

    // --- Behaviour.
    CampoEntrada2->addItem(tr("nenhuma"), QString());
    AtualizarCampos();
    connect(CampoEntrada1, &QComboBox::currentIndexChanged, this,
            [this] { CampoEscolhido(CampoEntrada1, Inicio1, Fim1); });
    connect(CampoEntrada2, &QComboBox::currentIndexChanged, this,
            [this] { CampoEscolhido(CampoEntrada2, Inicio2, Fim2); });
    CampoEscolhido(CampoEntrada1, Inicio1, Fim1);
    CampoEscolhido(CampoEntrada2, Inicio2, Fim2);
    QStringList padrao;
    for (const char* nome : SaidasPadrao) padrao << nome;
    MarcarSaidas(padrao);
    connect(ListaSaidas, &QTreeWidget::itemChanged, this, [this] { SaidasMudaram(); });
    connect(SaidaGrafico, &QComboBox::currentIndexChanged, this, [this] { MostrarGrafico(); });
    connect(BotaoExecutar, &QPushButton::clicked, this, [this] { ExecutarClick(); });
    connect(BotaoCancelar, &QPushButton::clicked, this, [this] { Cancelar(); });
    connect(BotaoExportarCsv, &QPushButton::clicked, this, [this] { ExportarCsvClick(); });
    connect(BotaoExportarGrafico, &QPushButton::clicked, this, [this] { ExportarGraficoClick(); });
    Dispor();
}

VistaEstudo::~VistaEstudo() {
    // The worker posts to this object until it ends: stop it before the
    // members and the QObject go.
    cancelar_.store(true);
    if (trabalho_.joinable()) trabalho_.join();
}

void VistaEstudo::DefinirFonteEntradas(FonteEntradas fonte) {
    fonte_ = std::move(fonte);
    AtualizarCampos();
}

void VistaEstudo::EntradasMudaram() {
    if (isVisible() && !executando_) AtualizarCampos();
}

void VistaEstudo::Encerrar() {
    cancelar_.store(true);
    if (trabalho_.joinable()) trabalho_.join();
}

void VistaEstudo::DefinirEscolhaArquivo(EscolhaArquivo escolha) {
    exportacaoCsv_.DefinirEscolha(escolha);
    exportacaoGrafico_.DefinirEscolha(escolha);
    exportacaoCsvParcial_.DefinirEscolha(escolha);
    exportacaoGraficoParcial_.DefinirEscolha(std::move(escolha));
}

void VistaEstudo::DefinirConfirmacaoSubstituir(ConfirmacaoSubstituir confirmacao) {
    exportacaoCsv_.DefinirConfirmacao(confirmacao);
    exportacaoGrafico_.DefinirConfirmacao(confirmacao);
    exportacaoCsvParcial_.DefinirConfirmacao(confirmacao);
    exportacaoGraficoParcial_.DefinirConfirmacao(std::move(confirmacao));
}

EntradasUsina VistaEstudo::Base() const {
    if (!fonte_) return EntradasUsina{};
    try {
        return fonte_();
    } catch (const std::exception&) {
        return EntradasUsina{};  // a field being typed: the defaults stand in
    }
}

void VistaEstudo::AtualizarCampos() {
    const bool comTurbina = Base().comTurbinaAlta;
    for (QComboBox* combo : {CampoEntrada1, CampoEntrada2}) {
        const QString atual = NomeCampo(combo);
        const QSignalBlocker bloqueio(combo);
        const int primeiro = combo == CampoEntrada2 ? 1 : 0;  // after "nenhuma"
        while (combo->count() > primeiro) combo->removeItem(primeiro);
        for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
            if (c.soComTurbinaAlta && !comTurbina) continue;
            combo->addItem(LegendaEntradaTraduzida(c), QString::fromUtf8(c.nome));
            combo->setItemData(combo->count() - 1, QString::fromUtf8(c.nome), Qt::ToolTipRole);
        }
        // The configuration as the second input: a curve with the turbine
        // and one without.
        if (combo == CampoEntrada2) {
            combo->addItem(OpcaoConfiguracao(), QString::fromUtf8(CampoConfiguracao));
            combo->setItemData(combo->count() - 1, QString::fromUtf8(CampoConfiguracao),
                               Qt::ToolTipRole);
        }
        const int indice = combo->findData(atual, PapelNome);
        if (indice >= 0) {
            combo->setCurrentIndex(indice);
        } else {
            // The first input starts on the boiler pressure, the usual study.
            const int padrao = combo == CampoEntrada1 ? combo->findData("Eprecal", PapelNome) : 0;
            combo->setCurrentIndex(std::max(0, padrao));
            CampoEscolhido(combo, combo == CampoEntrada1 ? Inicio1 : Inicio2,
                           combo == CampoEntrada1 ? Fim1 : Fim2);
        }
    }
}

void VistaEstudo::CampoEscolhido(QComboBox* combo, QLineEdit* inicio, QLineEdit* fim) {
    const CampoEntradaUsina* campo = BuscarCampoEntrada(NomeCampo(combo).toStdString());
    const bool usado = campo != nullptr;
    QSpinBox* pontos = combo == CampoEntrada1 ? Pontos1 : Pontos2;
    inicio->setEnabled(usado);
    fim->setEnabled(usado);
    pontos->setEnabled(usado);
    if (NomeCampo(combo) == QString::fromUtf8(CampoConfiguracao)) {
        // Its two points, fixed: with the turbine (1), then without (0).
        inicio->setText("1");
        fim->setText("0");
        pontos->setValue(2);
        return;
    }
    if (!usado) return;
    const std::string separador = SeparadorDecimal();
    const EntradasUsina base = Base();
    const auto [de, ate] = FaixaPadrao(*campo, base.*campo->membro);
    inicio->setText(QString::fromStdString(TextoExato(de, separador)));
    fim->setText(QString::fromStdString(TextoExato(ate, separador)));
    DicasFaixa(combo, inicio, fim);
}

void VistaEstudo::DicasFaixa(const QComboBox* combo, QLineEdit* inicio, QLineEdit* fim) {
    const CampoEntradaUsina* campo = BuscarCampoEntrada(NomeCampo(combo).toStdString());
    if (campo == nullptr) return;
    const QString unidade = UnidadeEntrada(*campo);
    inicio->setToolTip(tr("Primeiro valor [%1]").arg(unidade));
    fim->setToolTip(tr("Último valor [%1]").arg(unidade));
}

void VistaEstudo::NomearSaidas() {
    const QSignalBlocker bloqueio(ListaSaidas);
    for (int g = 0; g < ListaSaidas->topLevelItemCount(); ++g) {
        QTreeWidgetItem* grupo = ListaSaidas->topLevelItem(g);
        const QByteArray titulo = grupo->data(0, PapelTitulo).toString().toUtf8();
        // "Outros" is the view's own; the panels' titles are the panels'.
        grupo->setText(0, titulo == "Outros"
                              ? tr("Outros")
                              : QCoreApplication::translate("Janela", titulo.constData()));
        for (int i = 0; i < grupo->childCount(); ++i) {
            QTreeWidgetItem* item = grupo->child(i);
            const QString nome = item->data(0, PapelNome).toString();
            const CampoSaida& campo = *BuscarCampoSaida(nome.toStdString());
            item->setText(0, LegendaSaida(campo));
            item->setToolTip(0, LegendaSaida(campo) + " (" + nome + ")");
        }
    }
}

QStringList VistaEstudo::SaidasMarcadas() const {
    QStringList nomes;
    for (int g = 0; g < ListaSaidas->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* grupo = ListaSaidas->topLevelItem(g);
        for (int i = 0; i < grupo->childCount(); ++i)
            if (grupo->child(i)->checkState(0) == Qt::Checked)
                nomes << grupo->child(i)->data(0, PapelNome).toString();
    }
    return nomes;
}

void VistaEstudo::MarcarSaidas(const QStringList& nomes) {
    {
        const QSignalBlocker bloqueio(ListaSaidas);
        for (int g = 0; g < ListaSaidas->topLevelItemCount(); ++g) {
            QTreeWidgetItem* grupo = ListaSaidas->topLevelItem(g);
            bool algum = false;
            for (int i = 0; i < grupo->childCount(); ++i) {
                QTreeWidgetItem* item = grupo->child(i);
                const bool marcar = nomes.contains(item->data(0, PapelNome).toString());
                item->setCheckState(0, marcar ? Qt::Checked : Qt::Unchecked);
                algum = algum || marcar;
            }
            // The panel's own box follows its outputs; open where something is checked.
            grupo->setCheckState(0, algum ? Qt::PartiallyChecked : Qt::Unchecked);
            grupo->setExpanded(algum);
        }
    }
    SaidasMudaram();
}

void VistaEstudo::SaidasMudaram() {
    const QString atual = SaidaGrafico->currentData(PapelNome).toString();
    const QSignalBlocker bloqueio(SaidaGrafico);
    SaidaGrafico->clear();
    for (const QString& nome : SaidasMarcadas()) SaidaGrafico->addItem(QString(), nome);
    NomearSaidasGrafico();
    const int indice = SaidaGrafico->findData(atual.isEmpty() ? QString("Epotele") : atual,
                                              PapelNome);
    SaidaGrafico->setCurrentIndex(std::max(0, indice));
    if (SaidaGrafico->currentData(PapelNome).toString() != atual) MostrarGrafico();
}

void VistaEstudo::NomearSaidasGrafico() {
    for (int i = 0; i < SaidaGrafico->count(); ++i) {
        const CampoSaida& campo =
            *BuscarCampoSaida(SaidaGrafico->itemData(i, PapelNome).toString().toStdString());
        SaidaGrafico->setItemText(i, LegendaSaida(campo));
        SaidaGrafico->setItemData(i, PainelSaida(campo) + ": " + LegendaSaida(campo),
                                  Qt::ToolTipRole);
    }
}

PedidoVarredura VistaEstudo::PedidoDosControles(const EntradasUsina& base) const {
    const std::string separador = SeparadorDecimal();
    PedidoVarredura pedido;
    pedido.base = base;
    pedido.separador = separador;
    const auto eixo = [&](const QComboBox* combo, const QLineEdit* inicio, const QLineEdit* fim,
                          const QSpinBox* pontos) {
        EixoVarredura e;
        e.campo = NomeCampo(combo).toStdString();
        e.inicio = LerNumero(inicio->text().toStdString(), separador);
        e.fim = LerNumero(fim->text().toStdString(), separador);
        e.pontos = pontos->value();
        if (e.pontos < 2) {
            const CampoEntradaUsina* campo = BuscarCampoEntrada(e.campo);
            throw ErroVarredura(tr("\"Pontos\" de %1: são precisos pelo menos 2 (o início e o fim "
                                   "da faixa), não %2.")
                                    .arg(campo != nullptr ? LegendaEntradaTraduzida(*campo)
                                                          : NomeCampo(combo))
                                    .arg(e.pontos)
                                    .toStdString());
        }
        pedido.eixos.push_back(e);
    };
    eixo(CampoEntrada1, Inicio1, Fim1, Pontos1);
    if (!NomeCampo(CampoEntrada2).isEmpty()) eixo(CampoEntrada2, Inicio2, Fim2, Pontos2);
    for (const QString& nome : SaidasMarcadas()) pedido.saidas.push_back(nome.toStdString());
    if (pedido.saidas.empty())
        throw ErroVarredura(tr("Marque pelo menos uma saída para o estudo.").toStdString());
    VerificarVarredura(pedido);
    return pedido;
}

void VistaEstudo::ExecutarClick() {
    ExecutarTratando([this] {
        if (executando_) return;
        const EntradasUsina base = fonte_ ? fonte_() : EntradasUsina{};
        ExecutarEstudo(PedidoDosControles(base));
    });
}

void VistaEstudo::ExecutarEstudo(const PedidoVarredura& pedido) {
    if (executando_) throw ErroVarredura(tr("Um estudo já está em execução.").toStdString());
    VerificarVarredura(pedido);
    PedidoVarredura copia = pedido;
    cancelar_.store(false);
    copia.cancelar = &cancelar_;
    // Called from the engine's threads: the numbers travel to this thread.
    copia.progresso = [this](std::size_t feitos, std::size_t total) {
        QMetaObject::invokeMethod(
            this, [this, feitos, total] { MostrarProgresso(feitos, total); }, Qt::QueuedConnection);
    };
    executando_ = true;
    inicioMs_ = QDateTime::currentMSecsSinceEpoch();
    BotaoExecutar->setEnabled(false);
    BotaoCancelar->setEnabled(true);
    Progresso->setRange(0, 1);
    Progresso->setValue(0);
    Progresso->setFormat(QString("%1%").arg(0));
    situacao_ = SituacaoEstudo::Calculando;
    ComporSituacao();
    trabalho_ = std::thread([this, copia = std::move(copia)]() mutable {
        auto resultado = std::make_shared<ResultadoVarredura>();
        std::exception_ptr erro;
        try {
            *resultado = ExecutarVarredura(copia);
        } catch (...) {
            erro = std::current_exception();
        }
        copia.progresso = nullptr;
        copia.cancelar = nullptr;
        auto pedidoFinal = std::make_shared<PedidoVarredura>(std::move(copia));
        QMetaObject::invokeMethod(
            this,
            [this, pedidoFinal, resultado, erro] {
                Concluir(std::move(*pedidoFinal), std::move(*resultado), erro);
            },
            Qt::QueuedConnection);
    });
}

void VistaEstudo::Cancelar() {
    if (executando_) cancelar_.store(true);
}

void VistaEstudo::MostrarProgresso(std::size_t feitos, std::size_t total) {
    if (!executando_) return;
    Progresso->setRange(0, static_cast<int>(total));
    Progresso->setValue(static_cast<int>(feitos));
    // Rounded down: Qt's own text says 100 % with points still to run.
    Progresso->setFormat(QString("%1%").arg(PercentualConcluido(feitos, total)));
    if (QDateTime::currentMSecsSinceEpoch() - inicioMs_ >= MsAntesDoProgresso) Progresso->show();
}

void VistaEstudo::Concluir(PedidoVarredura pedido, ResultadoVarredura resultado,
                           std::exception_ptr erro) {
    if (trabalho_.joinable()) trabalho_.join();
    executando_ = false;
    BotaoExecutar->setEnabled(true);
    BotaoCancelar->setEnabled(false);
    Progresso->hide();
    if (erro != nullptr) {
        situacao_ = SituacaoEstudo::NaoTerminou;
        ComporSituacao();
        MostrarExcecao(erro);
    } else {
        pedido_ = std::move(pedido);
        resultado_ = std::move(resultado);
        temEstudo_ = true;
        ExecutarTratando([this] { MostrarEstudo(); });
    }
    emit estudoConcluido();
}

void VistaEstudo::ComporSituacao() {
    QString texto;
    switch (situacao_) {
    case SituacaoEstudo::Nenhuma: break;
    case SituacaoEstudo::Calculando: texto = tr("Calculando…"); break;
    case SituacaoEstudo::NaoTerminou: texto = tr("O estudo não terminou."); break;
    case SituacaoEstudo::Concluido: {
        const std::size_t total = resultado_.pontos.size();
        const auto calculados = static_cast<std::size_t>(
            std::count_if(resultado_.pontos.begin(), resultado_.pontos.end(),
                          [](const PontoVarredura& p) { return p.calculado; }));
        texto = resultado_.cancelada
                    ? tr("Estudo cancelado: %1 de %2 pontos calculados.").arg(calculados).arg(total)
                    : tr("Estudo concluído: %1 de %2 pontos.").arg(calculados).arg(total);
        break;
    }
    }
    Situacao->setText(texto);
}

void VistaEstudo::MostrarEstudo() {
    situacao_ = SituacaoEstudo::Concluido;
    ComporSituacao();
    modelo_->DefinirResultado(resultado_, SeparadorDecimal());
    Tabela->resizeColumnsToContents();
    BotaoExportarCsv->setEnabled(true);
    BotaoExportarGrafico->setEnabled(true);
    AvisoSemEstudo->hide();
    VistaGrafico->show();
    MostrarGrafico();
    // Narrow, the controls had the screen: the chart takes it now.
    if (Abas->indexOf(controles_) >= 0) Abas->setCurrentIndex(Abas->indexOf(controles_) + 1);
}

std::size_t VistaEstudo::SaidaDoGrafico() const {
    const QString nome = SaidaGrafico->currentData(PapelNome).toString();
    const auto& saidas = resultado_.saidas;
    const auto escolhida = std::find_if(saidas.begin(), saidas.end(),
                                        [&](const CampoSaida* s) { return nome == s->nome; });
    return escolhida != saidas.end() ? static_cast<std::size_t>(escolhida - saidas.begin()) : 0;
}

void VistaEstudo::MostrarGrafico() {
    if (!temEstudo_) return;
    const CurvasEstudo curvas = MontarCurvas(resultado_, SaidaDoGrafico(), SeparadorDecimal());
    PreencherGrafico(*grafico_, curvas);
    PreencherLegenda(curvas);

    QStringList linhas = curvas.falhas;
    QString resumo;
    if (!curvas.falhas.isEmpty())
        resumo = (curvas.falhas.size() == 1 ? tr("%1 ponto não calculado (lacunas nas curvas):")
                                            : tr("%1 pontos não calculados (lacunas nas curvas):"))
                     .arg(curvas.falhas.size());
    if (curvas.naoExecutados > 0) {
        if (!resumo.isEmpty()) resumo += " ";
        resumo += (curvas.naoExecutados == 1 ? tr("%1 ponto não executado (estudo cancelado).")
                                             : tr("%1 pontos não executados (estudo cancelado)."))
                      .arg(curvas.naoExecutados);
    }
    ResumoFalhas->setText(resumo);
    ResumoFalhas->setVisible(!resumo.isEmpty());
    ListaFalhas->clear();
    // A long study can refuse thousands of points: the first ones say why.
    if (linhas.size() > MaximoFalhasListadas) {
        const qsizetype resto = linhas.size() - MaximoFalhasListadas;
        linhas.resize(MaximoFalhasListadas);
        linhas << tr("… e mais %1 (veja a tabela)").arg(resto);
    }
    for (const QString& l : linhas) {
        auto* item = new QListWidgetItem(l, ListaFalhas);
        item->setToolTip(DicaLiteral(l));
    }
    ListaFalhas->setVisible(!linhas.isEmpty());
}

void VistaEstudo::PreencherLegenda(const CurvasEstudo& curvas) {
    auto* lista = new QWidget;
    lista->setObjectName("ListaLegendaCurvas");
    auto* grade = new QGridLayout(lista);
    grade->setContentsMargins(4, 4, 4, 4);
    grade->setHorizontalSpacing(6);
    grade->setVerticalSpacing(6);
    grade->setColumnStretch(1, 1);
    const int alturaLinha = fontMetrics().height();
    for (std::size_t k = 0; k < curvas.curvas.size(); ++k) {
        const int linha = static_cast<int>(k);
        auto* amostra = new QLabel(lista);
        amostra->setPixmap(AmostraCurva(EstiloDaCurva(k), QSize(28, alturaLinha)));
        auto* nome = new QLabel(curvas.curvas[k].nome, lista);
        nome->setObjectName(QString("Legenda%1").arg(linha));
        nome->setTextFormat(Qt::PlainText);
        nome->setWordWrap(true);
        grade->addWidget(amostra, linha, 0, Qt::AlignTop);
        grade->addWidget(nome, linha, 1, Qt::AlignTop);
    }
    grade->setRowStretch(static_cast<int>(curvas.curvas.size()), 1);
    delete LegendaCurvas->takeWidget();
    LegendaCurvas->setWidget(lista);
    LegendaCurvas->setVisible(curvas.curvas.size() > 1);
}

void VistaEstudo::ExportarCsv(const QString& caminho) const {
    if (!temEstudo_) throw ErroResultadoIncompleto(Traduzir(MensagemSemEstudo).toStdString());
    // The header in the window's language, the rows as usina-calc writes them.
    GravarCsv(caminho, CsvEstudo(pedido_, resultado_, SeparadorDecimal()));
}

void VistaEstudo::ExportarGrafico(const QString& caminho) const {
    if (!temEstudo_) throw ErroResultadoIncompleto(Traduzir(MensagemSemEstudo).toStdString());
    const QString sufixo = QFileInfo(caminho).suffix().toLower();
    if (sufixo != "png" && sufixo != "svg")
        throw ErroArquivo(Traduzir(MensagemSufixoGrafico).toStdString());
    GravarGrafico(caminho, MontarCurvas(resultado_, SaidaDoGrafico(), SeparadorDecimal()),
                  resultado_.cancelada ? Situacao->text() : QString(),
                  sufixo == "svg");
}

void VistaEstudo::DefinirPerguntaParcial(PerguntaParcial pergunta) {
    perguntaParcial_ = std::move(pergunta);
}

bool VistaEstudo::ConfirmarParcial() {
    const std::size_t total = resultado_.pontos.size();
    const auto calculados = static_cast<std::size_t>(
        std::count_if(resultado_.pontos.begin(), resultado_.pontos.end(),
                      [](const PontoVarredura& p) { return p.calculado; }));
    const QString pergunta =
        tr("O estudo foi cancelado: só %1 de %2 pontos foram calculados. Exportar o estudo "
           "parcial?")
            .arg(calculados)
            .arg(total);
    if (perguntaParcial_) return perguntaParcial_(pergunta);
    return QMessageBox::question(this, tr("Estudo parcial"), pergunta,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void VistaEstudo::ExportarCsvClick() {
    ExecutarTratando([this] {
        const bool parcial = temEstudo_ && resultado_.cancelada;
        if (parcial && !ConfirmarParcial()) return;
        (parcial ? exportacaoCsvParcial_ : exportacaoCsv_)
            .Exportar(tr("Exportar tabela do estudo"),
                      [this](const QString& caminho, const QString&) { ExportarCsv(caminho); });
    });
}

void VistaEstudo::ExportarGraficoClick() {
    ExecutarTratando([this] {
        const bool parcial = temEstudo_ && resultado_.cancelada;
        if (parcial && !ConfirmarParcial()) return;
        // A suffix other than the two is refused by the write itself.
        (parcial ? exportacaoGraficoParcial_ : exportacaoGrafico_)
            .Exportar(tr("Exportar gráfico do estudo"),
                      [this](const QString& caminho, const QString&) { ExportarGrafico(caminho); });
    });
}

void VistaEstudo::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    Dispor();
}

void VistaEstudo::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!executando_) AtualizarCampos();
}

void VistaEstudo::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::LanguageChange) Retraduzir();
    QWidget::changeEvent(evento);
}

void VistaEstudo::Retraduzir() {
    // In place: the items keep their places, data and checks, the boxes their
    // choices, the ranges what was typed; the study is not run again.
    CampoEntrada2->setItemText(0, tr("nenhuma"));
    for (QComboBox* combo : {CampoEntrada1, CampoEntrada2})
        for (int i = 0; i < combo->count(); ++i)
            if (const CampoEntradaUsina* c =
                    BuscarCampoEntrada(combo->itemData(i, PapelNome).toString().toStdString()))
                combo->setItemText(i, LegendaEntradaTraduzida(*c));
    const int configuracao = CampoEntrada2->findData(QString::fromUtf8(CampoConfiguracao), PapelNome);
    if (configuracao >= 0) CampoEntrada2->setItemText(configuracao, OpcaoConfiguracao());
    DicasFaixa(CampoEntrada1, Inicio1, Fim1);
    DicasFaixa(CampoEntrada2, Inicio2, Fim2);
    NomearSaidas();
    NomearSaidasGrafico();
    Abas->setTabText(Abas->indexOf(paginaGrafico_), tr("Gráfico"));
    Abas->setTabText(Abas->indexOf(Tabela), tr("Tabela"));
    if (Abas->indexOf(controles_) >= 0) Abas->setTabText(Abas->indexOf(controles_), tr("Estudo"));
    ComporSituacao();
    modelo_->Retraduzir();
    if (temEstudo_) {
        Tabela->resizeColumnsToContents();
        ExecutarTratando([this] { MostrarGrafico(); });
    }
}

void VistaEstudo::closeEvent(QCloseEvent* evento) {
    Cancelar();
    QWidget::closeEvent(evento);
}

void VistaEstudo::Dispor() {
    // Wide: the controls beside the results. Narrow: a tab of their own, so
    // that the chart gets the whole view.
    const bool larga = width() >= LarguraLadoALado;
    const int aba = Abas->indexOf(controles_);
    if (larga && aba >= 0) {
        Abas->removeTab(aba);
        static_cast<QHBoxLayout*>(layout())->insertWidget(0, controles_);
        controles_->show();
    } else if (!larga && aba < 0) {
        layout()->removeWidget(controles_);
        Abas->insertTab(0, controles_, tr("Estudo"));
        if (!temEstudo_) Abas->setCurrentIndex(0);
    }
    // The legend's names wrap: a narrow view keeps most of its width for the chart.
    LegendaCurvas->setFixedWidth(std::clamp(Abas->width() * 3 / 10, 150, LarguraLegendaVista));
    controles_->setMaximumWidth(larga ? 380 : QWIDGETSIZE_MAX);
    controles_->setMinimumWidth(larga ? 340 : 0);
}
