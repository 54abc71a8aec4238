#include "ui/vistas/VistaIndicadores.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollArea>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "plant/IndicadoresUsina.h"
#include "plant/Numeros.h"
#include "ui/comum/AvisosVista.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/vistas/ModeloCorrentes.h"

namespace {

const char* const MarcaEstimativa = " *";
const QColor CorNaoDefinido(0x70, 0x70, 0x70);

QTableWidgetItem* Celula(const QString& texto, Qt::Alignment alinhamento = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(texto);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alinhamento | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem* CelulaNumero(const std::optional<double>& valor, const std::string& unidade,
                               const std::string& separador) {
    QTableWidgetItem* item = Celula(TextoIndicador(valor, unidade, separador), Qt::AlignRight);
    if (valor) item->setData(PapelValorBruto, *valor);
    else item->setForeground(CorNaoDefinido);
    return item;
}

// Headers are set by Retraduzir, in the window's language.
// Every row shown: the table as tall as its rows, no scroll bar of its own.
void AjustarAltura(QTableWidget* tabela) {
    tabela->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabela->setFixedHeight(tabela->horizontalHeader()->sizeHint().height() +
                           tabela->verticalHeader()->length() + 2 * tabela->frameWidth());
}

QTableWidget* CriarTabela(QWidget* pai, const char* nome, int colunas) {
    auto* tabela = new QTableWidget(0, colunas, pai);
    tabela->setObjectName(nome);
    tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tabela->setAlternatingRowColors(true);
    tabela->verticalHeader()->hide();
    tabela->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    EspacarCelulas(tabela);
    return tabela;
}

}  // namespace

VistaIndicadores::VistaIndicadores(QWidget* pai)
    : VistaResultado("VistaIndicadores", QT_TRANSLATE_NOOP("VistaIndicadores", "Indicadores"), pai) {
    auto* conteudo = new QWidget(this);
    conteudo->setObjectName("ConteudoIndicadores");

    auto* painelIndicadores = new QWidget(conteudo);
    TabelaIndicadores = CriarTabela(painelIndicadores, "TabelaIndicadores", 4);
    TabelaIndicadores->setWordWrap(true);
    TabelaIndicadores->setSelectionBehavior(QAbstractItemView::SelectRows);
    QHeaderView* colunas = TabelaIndicadores->horizontalHeader();
    colunas->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    colunas->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    colunas->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    colunas->setSectionResizeMode(3, QHeaderView::Stretch);
    // Wrapped explanations: the rows follow their contents as the
    // explanation column changes width.
    TabelaIndicadores->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(TabelaIndicadores, &QTableWidget::currentCellChanged, this,
            [this] { MostrarExplicacao(); });

    ExplicacaoIndicador = new QLabel(painelIndicadores);
    ExplicacaoIndicador->setObjectName("ExplicacaoIndicador");
    ExplicacaoIndicador->setWordWrap(true);
    ExplicacaoIndicador->setStyleSheet("color: #303030;");
    // Room for two lines, so that the tables do not move as the row changes.
    ExplicacaoIndicador->setMinimumHeight(2 * ExplicacaoIndicador->fontMetrics().lineSpacing());
    ExplicacaoIndicador->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* colunaIndicadores = new QVBoxLayout(painelIndicadores);
    colunaIndicadores->setContentsMargins(0, 0, 0, 0);
    colunaIndicadores->addWidget(TabelaIndicadores);
    colunaIndicadores->addWidget(ExplicacaoIndicador);
    colunaIndicadores->addStretch(1);

    auto* painelDestruicao = new QWidget(conteudo);
    auto* tituloDestruicao = new QLabel(painelDestruicao);
    tituloDestruicao->setObjectName("TituloDestruicao");
    TextoTraduzido(tituloDestruicao, "text", "VistaIndicadores",
                   QT_TRANSLATE_NOOP("VistaIndicadores", "Destruição de exergia"));
    tituloDestruicao->setStyleSheet("font-weight: bold;");
    TabelaDestruicao = CriarTabela(painelDestruicao, "TabelaDestruicao", 3);
    TabelaDestruicao->setSelectionBehavior(QAbstractItemView::SelectRows);
    TabelaDestruicao->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TabelaDestruicao->horizontalHeader()->setStretchLastSection(false);

    // The run's closure checks, small, under the destruction split.
    auto* tituloBalancos = new QLabel(painelDestruicao);
    tituloBalancos->setObjectName("TituloBalancos");
    TextoTraduzido(tituloBalancos, "text", "VistaIndicadores",
                   QT_TRANSLATE_NOOP("VistaIndicadores", "Balanços"));
    tituloBalancos->setStyleSheet("font-weight: bold;");
    TextoTraduzido(tituloBalancos, "toolTip", "VistaIndicadores",
                   QT_TRANSLATE_NOOP("VistaIndicadores",
                                     "O que entra menos o que sai, calculado dos estados e vazões "
                                     "do cálculo: perto de zero quando massa e energia se "
                                     "conservam."));
    TabelaBalancos = CriarTabela(painelDestruicao, "TabelaBalancos", 3);
    TabelaBalancos->setSelectionBehavior(QAbstractItemView::SelectRows);
    TabelaBalancos->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TabelaBalancos->horizontalHeader()->setStretchLastSection(false);

    auto* colunaDestruicao = new QVBoxLayout(painelDestruicao);
    colunaDestruicao->setContentsMargins(0, 0, 0, 0);
    colunaDestruicao->addWidget(tituloDestruicao);
    colunaDestruicao->addWidget(TabelaDestruicao);
    colunaDestruicao->addWidget(tituloBalancos);
    colunaDestruicao->addWidget(TabelaBalancos);
    colunaDestruicao->addStretch(1);

    NotaEstimativa = new QLabel(conteudo);
    NotaEstimativa->setObjectName("NotaEstimativa");
    NotaEstimativa->setWordWrap(true);
    NotaEstimativa->setStyleSheet("color: #404040;");

    // The tables at their whole height, scrolled together when the view is
    // shorter than they are.
    auto* tabelas = new QWidget;
    tabelas->setObjectName("TabelasIndicadores");
    disposicao_ = new QBoxLayout(QBoxLayout::TopToBottom, tabelas);
    disposicao_->setContentsMargins(0, 0, 0, 0);
    disposicao_->addWidget(painelIndicadores, 3);
    disposicao_->addWidget(painelDestruicao, 2);
    disposicao_->addStretch(0);  // one below the other: the room left goes below both
    auto* rolagem = new QScrollArea(conteudo);
    rolagem->setObjectName("RolagemIndicadores");
    rolagem->setWidgetResizable(true);
    rolagem->setFrameShape(QFrame::NoFrame);
    rolagem->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rolagem->setWidget(tabelas);
    auto* colunaConteudo = new QVBoxLayout(conteudo);
    colunaConteudo->setContentsMargins(0, 0, 0, 0);
    colunaConteudo->addWidget(rolagem, 1);
    colunaConteudo->addWidget(NotaEstimativa);

    MontarColuna(conteudo);
    for (QTableWidget* tabela : {TabelaIndicadores, TabelaDestruicao, TabelaBalancos})
        AcompanharAltura(tabela);
    Retraduzir();
    Dispor();
}

void VistaIndicadores::Retraduzir() {
    TabelaIndicadores->setHorizontalHeaderLabels(
        {tr("Indicador"), tr("Valor"), tr("Unidade"), tr("Como é calculado")});
    TabelaDestruicao->setHorizontalHeaderLabels(
        {tr("Equipamento"), tr("Destruição [kW]"), tr("Parcela [%] *")});
    TabelaBalancos->setHorizontalHeaderLabels({tr("Balanço"), tr("Resíduo"), tr("Relativo [%]")});
    NotaEstimativa->setText("* " + TraduzirNucleo(FonteFatorExergia));
}

void VistaIndicadores::changeEvent(QEvent* evento) {
    // The tables composed again from the indicators already shown, the
    // current row kept.
    if (evento->type() == QEvent::LanguageChange) {
        Retraduzir();
        if (indicadores_) {
            const int atual = TabelaIndicadores->currentRow();
            PreencherTabelas();
            if (atual >= 0)
                TabelaIndicadores->selectionModel()->setCurrentIndex(
                    TabelaIndicadores->model()->index(atual, 0), QItemSelectionModel::NoUpdate);
            MostrarExplicacao();
        }
    }
    QWidget::changeEvent(evento);
}

void VistaIndicadores::Preencher() {
    TabelaIndicadores->setRowCount(0);
    TabelaDestruicao->setRowCount(0);
    TabelaBalancos->setRowCount(0);
    if (!Resultado()) {
        indicadores_.reset();
        MostrarConteudo(false);
        return;
    }
    indicadores_ = CalcularIndicadores(*Resultado());
    PreencherTabelas();
    // The first row current, not selected: the line under the table names
    // the indicator it explains.
    TabelaIndicadores->selectionModel()->setCurrentIndex(TabelaIndicadores->model()->index(0, 0),
                                                         QItemSelectionModel::NoUpdate);
    MostrarExplicacao();
    MostrarConteudo(true);
    Dispor();
}

void VistaIndicadores::PreencherTabelas() {
    TabelaIndicadores->setRowCount(0);
    TabelaDestruicao->setRowCount(0);
    TabelaBalancos->setRowCount(0);
    const IndicadoresUsina& ind = *indicadores_;
    const std::string separador = SeparadorDecimal();

    for (const Indicador& i : ind.indicadores) {
        const int linha = TabelaIndicadores->rowCount();
        TabelaIndicadores->insertRow(linha);
        const QString nome = TraduzirNucleo(i.nome) + (i.estimativa ? MarcaEstimativa : "");
        const QString explicacao = TraduzirNucleo(i.explicacao);
        QTableWidgetItem* itemNome = Celula(nome);
        itemNome->setToolTip(explicacao);
        TabelaIndicadores->setItem(linha, 0, itemNome);
        TabelaIndicadores->setItem(linha, 1, CelulaNumero(i.valor, i.unidade, separador));
        TabelaIndicadores->setItem(linha, 2, Celula(QString::fromStdString(i.unidade)));
        QTableWidgetItem* itemExplicacao = Celula(explicacao);
        itemExplicacao->setToolTip(explicacao);
        TabelaIndicadores->setItem(linha, 3, itemExplicacao);
    }

    const auto linhaDestruicao = [&](const QString& nome, const std::optional<double>& kW,
                                     const std::optional<double>& porcento) {
        const int linha = TabelaDestruicao->rowCount();
        TabelaDestruicao->insertRow(linha);
        TabelaDestruicao->setItem(linha, 0, Celula(nome));
        TabelaDestruicao->setItem(linha, 1, CelulaNumero(kW, "kW", separador));
        TabelaDestruicao->setItem(linha, 2, CelulaNumero(porcento, "%", separador));
    };
    for (const ParcelaDestruicao& p : ind.destruicao) {
        linhaDestruicao(TraduzirNucleo(p.equipamento) + (p.estimativa ? MarcaEstimativa : ""),
                        p.potencia, p.porcento);
        if (!p.naoFisica) continue;
        // Short of steam: no machine's figure, out of the total.
        const int linha = TabelaDestruicao->rowCount() - 1;
        for (int c = 1; c <= 2; ++c) {
            QTableWidgetItem* item = TabelaDestruicao->item(linha, c);
            item->setText(TextoNaoFisico());
            item->setData(PapelValorBruto, QVariant());
            item->setForeground(CorNaoDefinido);
        }
        TabelaDestruicao->item(linha, 0)->setToolTip(
            tr("A turbina de média pressão recebe vazão negativa (vapor insuficiente): seus "
               "números não descrevem uma máquina e ficam fora do total."));
    }
    linhaDestruicao(tr("Total") + MarcaEstimativa, ind.destruicaoTotal,
                    ind.destruicaoTotal != 0.0 ? std::optional<double>(100.0) : std::nullopt);
    QFont negrito = TabelaDestruicao->font();
    negrito.setBold(true);
    for (int c = 0; c < TabelaDestruicao->columnCount(); ++c)
        TabelaDestruicao->item(TabelaDestruicao->rowCount() - 1, c)->setFont(negrito);
    for (const LinhaBalanco& b : ind.balancos) {
        const int linha = TabelaBalancos->rowCount();
        TabelaBalancos->insertRow(linha);
        TabelaBalancos->setItem(linha, 0, Celula(TraduzirNucleo(b.nome)));
        QTableWidgetItem* residuo =
            Celula(TextoResiduo(b.residuo, separador) + " " + QString::fromStdString(b.unidade),
                   Qt::AlignRight);
        residuo->setData(PapelValorBruto, b.residuo);
        TabelaBalancos->setItem(linha, 1, residuo);
        QTableWidgetItem* relativo =
            Celula(b.porcento ? TextoResiduo(*b.porcento, separador) : TextoIndicador({}, "%", separador),
                   Qt::AlignRight);
        relativo->setToolTip(TraduzirNucleo(b.referencia));
        TabelaBalancos->setItem(linha, 2, relativo);
    }
    Dispor();
}

void VistaIndicadores::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    Dispor();
}

void VistaIndicadores::Dispor() {
    const bool larga = width() >= LarguraLarga;
    const bool lado = width() >= LarguraLadoALado;
    disposicao_->setDirection(lado ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    disposicao_->setStretch(0, lado ? 3 : 0);
    disposicao_->setStretch(1, lado ? 2 : 0);
    disposicao_->setStretch(2, lado ? 0 : 1);
    TabelaIndicadores->setColumnHidden(3, !larga);
    ExplicacaoIndicador->setVisible(!larga);
    TabelaIndicadores->resizeRowsToContents();
    TabelaDestruicao->resizeRowsToContents();
    for (QTableWidget* tabela : {TabelaIndicadores, TabelaDestruicao, TabelaBalancos}) {
        tabela->resizeRowsToContents();
        AjustarAltura(tabela);
    }
}

void VistaIndicadores::AcompanharAltura(QTableWidget* tabela) {
    // Wrapped rows change height when their column changes width: the table
    // follows, so that it never shows blank space or a scroll bar.
    // Queued: the sections settle first.
    const auto ajustar = [tabela] {
        tabela->resizeRowsToContents();
        AjustarAltura(tabela);
    };
    connect(tabela->horizontalHeader(), &QHeaderView::sectionResized, tabela, ajustar,
            Qt::QueuedConnection);
    connect(tabela->verticalHeader(), &QHeaderView::sectionResized, tabela,
            [tabela] { AjustarAltura(tabela); }, Qt::QueuedConnection);
}

void VistaIndicadores::MostrarExplicacao() {
    const int linha = TabelaIndicadores->currentRow();
    const QTableWidgetItem* nome = TabelaIndicadores->item(linha, 0);
    const QTableWidgetItem* explicacao = TabelaIndicadores->item(linha, 3);
    if (nome == nullptr || explicacao == nullptr) {
        ExplicacaoIndicador->clear();
        return;
    }
    ExplicacaoIndicador->setText("<b>" + nome->text().toHtmlEscaped() + "</b>: " +
                                 explicacao->text().toHtmlEscaped());
}
