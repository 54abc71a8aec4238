#include "ui/vistas/VistaCorrentes.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "plant/ErrosPlanta.h"
#include "ui/comum/AvisosVista.h"
#include "ui/comum/GravarArquivo.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/comum/TratadorErros.h"
#include "ui/vistas/ModeloCorrentes.h"

namespace {

// "Exportar CSV…".
const PoliticaExportacao PoliticaExportacaoCorrentes = PoliticaTabelaCsv(
    "VistaCorrentes", QT_TRANSLATE_NOOP("VistaCorrentes", "Tabela CSV (*.csv)"), "correntes.csv");

}  // namespace

VistaCorrentes::VistaCorrentes(QWidget* pai)
    : VistaResultado("VistaCorrentes", QT_TRANSLATE_NOOP("VistaCorrentes", "Tabela de correntes"),
                     pai),
      modelo_(new ModeloCorrentes(this)) {
    Tabela = new QTableView(this);
    Tabela->setObjectName("TabelaCorrentes");
    Tabela->setModel(modelo_);
    Tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabela->setSelectionBehavior(QAbstractItemView::SelectItems);
    Tabela->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Tabela->setAlternatingRowColors(true);
    Tabela->setWordWrap(false);
    Tabela->verticalHeader()->hide();  // the label column names each row
    Tabela->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    Tabela->horizontalHeader()->setStretchLastSection(true);
    EspacarCelulas(Tabela);
    Tabela->installEventFilter(this);

    auto* copiar = new QAction(Tabela);
    copiar->setObjectName("AcaoCopiarCorrentes");
    TextoTraduzido(copiar, "text", "VistaCorrentes", QT_TRANSLATE_NOOP("VistaCorrentes", "Copiar"));
    connect(copiar, &QAction::triggered, this, [this] { CopiarSelecao(); });
    Tabela->addAction(copiar);
    Tabela->setContextMenuPolicy(Qt::ActionsContextMenu);

    BotaoExportar = new QPushButton(this);
    BotaoExportar->setObjectName("BotaoExportarCorrentes");
    TextoTraduzido(BotaoExportar, "text", "VistaCorrentes",
                   QT_TRANSLATE_NOOP("VistaCorrentes", "Exportar CSV…"));
    BotaoExportar->setEnabled(false);
    connect(BotaoExportar, &QPushButton::clicked, this, [this] { ExportarClick(); });

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(BotaoExportar);

    MontarColuna(Tabela)->addLayout(botoes);
    CriarExportacao(PoliticaExportacaoCorrentes);
}

bool VistaCorrentes::SelecionarRotulo(int rotulo) {
    const int linha = modelo_->LinhaDoRotulo(rotulo);
    if (linha < 0) return false;
    // The whole row, the current cell in it (selectRow sets it).
    Tabela->selectRow(linha);
    Tabela->scrollTo(modelo_->index(linha, 0));
    return true;
}

void VistaCorrentes::Preencher() {
    if (!Resultado()) {
        modelo_->Limpar();
        MostrarConteudo(false);
        BotaoExportar->setEnabled(false);
        return;
    }
    modelo_->DefinirResultado(*Resultado(), SeparadorDecimal());
    MostrarConteudo(true);
    Tabela->resizeColumnsToContents();
    Tabela->resizeRowsToContents();
    AjustarUltimaColuna();
    BotaoExportar->setEnabled(true);
}

void VistaCorrentes::changeEvent(QEvent* evento) {
    // Headers, descriptions and states in the new language; the columns
    // take the width of the new texts.
    if (evento->type() == QEvent::LanguageChange) {
        modelo_->Retraduzir();
        if (!modelo_->Vazio()) {
            Tabela->resizeColumnsToContents();
            AjustarUltimaColuna();
        }
    }
    QWidget::changeEvent(evento);
}

void VistaCorrentes::AjustarUltimaColuna() {
    // The state column takes what a wide window leaves, never less than its
    // contents (Qt's stretched last section can end narrower than them).
    const int ultima = ModeloCorrentes::NumeroColunas - 1;
    if (modelo_->Vazio()) return;
    int outras = 0;  // pixels
    for (int c = 0; c < ultima; ++c) outras += Tabela->columnWidth(c);
    const int conteudo = std::max(Tabela->horizontalHeader()->sectionSizeHint(ultima),
                                  static_cast<const QAbstractItemView*>(Tabela)->sizeHintForColumn(ultima));
    Tabela->setColumnWidth(ultima, std::max(conteudo, Tabela->viewport()->width() - outras));
}

void VistaCorrentes::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    AjustarUltimaColuna();
}

QString VistaCorrentes::TextoSelecao() const {
    const QModelIndexList selecionados = Tabela->selectionModel()->selectedIndexes();
    if (selecionados.isEmpty()) return {};
    int linha0 = selecionados.front().row(), linha1 = linha0;
    int coluna0 = selecionados.front().column(), coluna1 = coluna0;
    for (const QModelIndex& i : selecionados) {
        linha0 = std::min(linha0, i.row());
        linha1 = std::max(linha1, i.row());
        coluna0 = std::min(coluna0, i.column());
        coluna1 = std::max(coluna1, i.column());
    }
    QStringList linhas;
    QStringList cabecalho;
    for (int c = coluna0; c <= coluna1; ++c) cabecalho << ModeloCorrentes::Cabecalho(c);
    linhas << cabecalho.join('\t');
    for (int l = linha0; l <= linha1; ++l) {
        QStringList celulas;
        for (int c = coluna0; c <= coluna1; ++c) {
            const bool escolhida = Tabela->selectionModel()->isSelected(modelo_->index(l, c));
            celulas << (escolhida ? modelo_->Texto(l, c) : QString());
        }
        linhas << celulas.join('\t');
    }
    return linhas.join('\n') + '\n';
}

void VistaCorrentes::CopiarSelecao() const {
    const QString texto = TextoSelecao();
    if (!texto.isEmpty()) QApplication::clipboard()->setText(texto);
}

bool VistaCorrentes::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == Tabela) {
        // The table's own Ctrl+C copies one cell; this copies the selection.
        // Claiming the shortcut keeps a window-wide Ctrl+C from taking it.
        const bool tecla = evento->type() == QEvent::KeyPress ||
                           evento->type() == QEvent::ShortcutOverride;
        if (tecla && static_cast<QKeyEvent*>(evento)->matches(QKeySequence::Copy)) {
            if (evento->type() == QEvent::KeyPress) CopiarSelecao();
            evento->accept();
            return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void VistaCorrentes::ExportarCsv(const QString& caminho) const {
    if (modelo_->Vazio())
        throw ErroResultadoIncompleto(
            tr("Ainda não há resultados: execute o cálculo (Executar) antes de gravar.")
                .toStdString());
    GravarCsv(caminho, modelo_->Csv());
}

void VistaCorrentes::ExportarClick() {
    ExecutarTratando([this] {
        Exportacao()->Exportar(tr("Exportar tabela de correntes"),
                               [this](const QString& caminho, const QString&) { ExportarCsv(caminho); });
    });
}
