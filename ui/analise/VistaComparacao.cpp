#include "ui/analise/VistaComparacao.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <string>

#include "io/CasoUsina.h"
#include "io/ExportacaoComparacao.h"
#include "plant/ErrosPlanta.h"
#include "plant/IndicadoresUsina.h"
#include "plant/Numeros.h"
#include "ui/analise/ModeloEstudo.h"
#include "ui/comum/DialogosArquivo.h"
#include "ui/comum/FormatoResultados.h"
#include "ui/comum/GravarArquivo.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/MensagensNucleo.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/comum/TextoLiteral.h"
#include "ui/comum/TextosNucleoJanela.h"
#include "ui/comum/TratadorErros.h"

namespace {

// The current case's name in the comparison and its CSV; shown translated.
const char* const NomeAtual = QT_TRANSLATE_NOOP("VistaComparacao", "Atual");
const char* const MarcaEstimativa = " *";
// How the core names each equipment's exergy destroyed: this prefix, then
// the equipment or "total".
const char* const PrefixoDestruicao = "Destruição de exergia: ";
const QColor CorApagada(0x70, 0x70, 0x70);
const QColor CorErro(0xa0, 0x10, 0x10);
const QColor CorSecao(0xe4, 0xe8, 0xee);

// "Exportar CSV…".
const PoliticaExportacao PoliticaExportacaoComparacao =
    PoliticaTabelaCsv("VistaComparacao", QT_TRANSLATE_NOOP("VistaComparacao", "Tabela CSV (*.csv)"),
                      "comparacao.csv");

// Decimals of a result's difference: those of its value (by unit). An input
// is shown exactly as typed; its difference to six decimals at most, which
// keeps 0,1 - 0,3 from showing its binary remainder.
QString TextoValor(const std::optional<double>& valor, const LinhaComparacao& linha, bool entrada,
                   const std::string& separador) {
    if (!valor) return "—";
    if (linha.tipo == TipoLinhaComparacao::SimNao)
        return *valor != 0.0 ? QCoreApplication::translate("VistaComparacao", "sim")
                             : QCoreApplication::translate("VistaComparacao", "não");
    if (linha.tipo == TipoLinhaComparacao::Formulacao)
        return QString::fromUtf8(Pacote(static_cast<Formulacao>(*valor)).nome);
    if (entrada && linha.unidade != "R$") return QString::fromStdString(TextoExato(*valor, separador));
    return TextoIndicador(valor, linha.unidade, separador);
}

// A difference with its sign: "+12,5", "-3,0", "0,0" for one that rounds to zero.
QString ComSinal(const std::string& texto) {
    const bool zero = texto.find_first_of("123456789") == std::string::npos;  // also "—"
    if (zero || texto.front() == '-') return QString::fromStdString(texto);
    return "+" + QString::fromStdString(texto);
}

QString TextoDiferenca(const std::optional<double>& diferenca, const LinhaComparacao& linha,
                       bool entrada, const std::string& separador) {
    if (!diferenca) return "—";
    if (entrada && linha.unidade != "R$") {
        const double arredondada = std::round(*diferenca * 1e6) / 1e6;
        return ComSinal(TextoExato(arredondada == 0.0 ? 0.0 : arredondada, separador));
    }
    return ComSinal(TextoIndicador(diferenca, linha.unidade, separador).toStdString());
}

QString TextoPorcento(const std::optional<double>& porcento, const std::string& separador) {
    if (!porcento) return "—";
    return ComSinal(TextoFixo(*porcento, 2, separador));
}

QString TextoSituacao(const CasoCalculado& caso) {
    const auto texto = [](const char* fonte) {
        return QCoreApplication::translate("VistaComparacao", fonte);
    };
    switch (caso.situacao) {
        case SituacaoCalculo::Completo:
            return caso.avisos.empty() ? texto(QT_TRANSLATE_NOOP("VistaComparacao", "calculado"))
                                       : texto(QT_TRANSLATE_NOOP("VistaComparacao",
                                                                 "calculado, com aviso"));
        case SituacaoCalculo::Recusado:
            return texto(QT_TRANSLATE_NOOP("VistaComparacao", "entradas recusadas"));
        case SituacaoCalculo::Interrompido:
            return texto(QT_TRANSLATE_NOOP("VistaComparacao", "cálculo interrompido"));
        case SituacaoCalculo::SemCalculo: break;
    }
    return texto(QT_TRANSLATE_NOOP("VistaComparacao", "não calculado"));
}

// Wraps a cell's text at its column's width: the tree view asks the size
// of a cell without the width it will have, and would give every row one line.
class DelegadoQuebraLinhas : public QStyledItemDelegate {
public:
    explicit DelegadoQuebraLinhas(QTreeView* arvore) : QStyledItemDelegate(arvore), arvore_(arvore) {}

    QSize sizeHint(const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override {
        QStyleOptionViewItem o(opcao);
        o.rect = QRect(0, 0, std::max(1, arvore_->columnWidth(indice.column())), 1000);
        return QStyledItemDelegate::sizeHint(o, indice);
    }

private:
    QTreeView* arvore_;
};

// Characters a line of a case's heading holds at most.
constexpr qsizetype LinhaCabecalho = 16;

}  // namespace

QString NomeCasoEmLinhas(const QString& nome) {
    // Greedy: each line as long as it can be, broken after a space, a hyphen,
    // an underscore or a dot; a longer run of letters is broken inside.
    QStringList linhas;
    QString resto = nome;
    while (resto.size() > LinhaCabecalho) {
        qsizetype corte = -1;
        for (qsizetype i = LinhaCabecalho; i > 0 && corte < 0; --i) {
            const QChar c = resto[i - 1];
            if (c == ' ' || c == '-' || c == '_' || c == '.') corte = i;
        }
        if (corte < 0) corte = LinhaCabecalho;
        linhas << resto.left(corte).trimmed();
        resto = resto.mid(corte);
    }
    if (!resto.trimmed().isEmpty() || linhas.isEmpty()) linhas << resto.trimmed();
    return linhas.join('\n');
}

namespace {

// Characters up to which a text in a value column stays on one line.
constexpr qsizetype TextoCurtoNaColuna = 14;

// Pixels a value column needs: its numbers and short texts whole, its
// heading's lines, the longest word of a longer text (which wraps).
int LarguraColunaValores(const QTreeWidget& arvore, int coluna) {
    const QFontMetrics letras(arvore.font());
    const QFontMetrics cabecalho(arvore.header()->font());
    int largura = 0;  // pixels
    for (const QString& linha : arvore.headerItem()->text(coluna).split('\n'))
        largura = std::max(largura, cabecalho.horizontalAdvance(linha) + 16);
    for (int i = 0; i < arvore.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = arvore.topLevelItem(i);
        if (item->isFirstColumnSpanned()) continue;  // a section's heading
        // A description is free text, whole in its tooltip: it wraps in
        // whatever the numbers leave.
        if (item->data(0, Qt::UserRole).toString() == QStringLiteral("descricao")) continue;
        const QString texto = item->text(coluna);
        if (texto.size() <= TextoCurtoNaColuna) {
            largura = std::max(largura, letras.horizontalAdvance(texto));
            continue;
        }
        for (const QString& palavra : texto.split(' ', Qt::SkipEmptyParts))
            largura = std::max(largura, letras.horizontalAdvance(palavra));
    }
    return largura + 2 * 6 + 8;  // the items' padding and the focus frame's margins
}

}  // namespace

QString NomeLinhaComparacao(const std::string& nome) {
    // Exergy destroyed rows are composed by the core from the equipment's name.
    if (nome.starts_with(PrefixoDestruicao))
        return QCoreApplication::translate("VistaComparacao", "Destruição de exergia: %1")
            .arg(TraduzirNucleo(nome.substr(std::string_view(PrefixoDestruicao).size())));
    // A stream's property: "h 1 Vapor vivo", the symbol and label kept.
    static const QRegularExpression corrente(QStringLiteral("^(h|s|ex) (\\d+) (.+)$"));
    if (const auto m = corrente.match(QString::fromStdString(nome)); m.hasMatch())
        return m.captured(1) + " " + m.captured(2) + " " +
               TraduzirNucleo(m.captured(3).toUtf8().constData());
    return TraduzirNucleo(nome);
}

VistaComparacao::VistaComparacao(QWidget* pai) : VistaAnalise(pai), exportacao_(this, PoliticaExportacaoComparacao) {
    setObjectName("VistaComparacao");
    TextoTraduzido(this, "windowTitle", "VistaComparacao",
                   QT_TRANSLATE_NOOP("VistaComparacao", "Comparar casos"));

    // A button whose text and tooltip follow the language.
    const auto botao = [this](const char* nome, const char* texto, const char* dica) {
        auto* b = new QPushButton(this);
        b->setObjectName(nome);
        TextoTraduzido(b, "text", "VistaComparacao", texto);
        if (dica != nullptr) TextoTraduzido(b, "toolTip", "VistaComparacao", dica);
        return b;
    };
    BotaoAdicionar = botao(
        "BotaoAdicionarCaso", QT_TRANSLATE_NOOP("VistaComparacao", "Adicionar caso…"),
        QT_TRANSLATE_NOOP("VistaComparacao",
                          "Abre um arquivo .usina e o compara com as entradas atuais."));
    BotaoConfiguracoes = botao(
        "BotaoCompararConfiguracoes", QT_TRANSLATE_NOOP("VistaComparacao", "Comparar configurações"),
        QT_TRANSLATE_NOOP("VistaComparacao",
                          "Compara as entradas atuais com e sem a turbina de alta pressão."));
    BotaoFormulacoes = botao(
        "BotaoCompararFormulacoes", QT_TRANSLATE_NOOP("VistaComparacao", "Comparar formulações"),
        QT_TRANSLATE_NOOP("VistaComparacao",
                          "Calcula as entradas atuais também com o outro pacote de propriedades "
                          "da água (1969 ou IAPWS-IF97) e mostra as diferenças de cada corrente."));
    BotaoRemover = botao(
        "BotaoRemoverCaso", QT_TRANSLATE_NOOP("VistaComparacao", "Remover"),
        QT_TRANSLATE_NOOP("VistaComparacao", "Retira da comparação o caso da coluna selecionada."));
    BotaoAtualizar = botao(
        "BotaoAtualizarComparacao", QT_TRANSLATE_NOOP("VistaComparacao", "Atualizar"),
        QT_TRANSLATE_NOOP("VistaComparacao", "Calcula de novo todos os casos com as entradas atuais."));
    BotaoExportar = botao("BotaoExportarComparacao",
                          QT_TRANSLATE_NOOP("VistaComparacao", "Exportar CSV…"), nullptr);
    connect(BotaoAdicionar, &QPushButton::clicked, this, [this] { AdicionarClick(); });
    connect(BotaoConfiguracoes, &QPushButton::clicked, this,
            [this] { ExecutarTratando([this] { CompararConfiguracoes(); }); });
    connect(BotaoFormulacoes, &QPushButton::clicked, this,
            [this] { ExecutarTratando([this] { CompararFormulacoes(); }); });
    connect(BotaoRemover, &QPushButton::clicked, this,
            [this] { ExecutarTratando([this] { RemoverCaso(CasoSelecionado()); }); });
    connect(BotaoAtualizar, &QPushButton::clicked, this,
            [this] { ExecutarTratando([this] { Comparar(); }); });
    connect(BotaoExportar, &QPushButton::clicked, this, [this] { ExportarClick(); });

    AvisoSemComparacao = new QLabel(this);
    TextoTraduzido(AvisoSemComparacao, "text", "VistaComparacao",
                   QT_TRANSLATE_NOOP("VistaComparacao",
                                     "Nenhuma comparação: clique em \"Atualizar\" para calcular as "
                                     "entradas atuais, e acrescente casos com \"Adicionar caso…\" "
                                     "ou \"Comparar configurações\"."));
    AvisoSemComparacao->setObjectName("AvisoSemComparacao");
    AvisoSemComparacao->setAlignment(Qt::AlignCenter);
    AvisoSemComparacao->setWordWrap(true);
    AvisoSemComparacao->setStyleSheet("color: #505050; padding: 24px;");

    AvisoEntradas = new QLabel(this);
    AvisoEntradas->setObjectName("AvisoEntradasComparacao");
    AvisoEntradas->setWordWrap(true);
    AvisoEntradas->setTextFormat(Qt::PlainText);  // quotes a field's text
    AvisoEntradas->setStyleSheet("background: #fff1b8; color: #5c4200; border: 1px solid #d9b200;"
                                 " padding: 4px 6px;");
    AvisoEntradas->hide();

    Arvore = new QTreeWidget(this);
    Arvore->setObjectName("ArvoreComparacao");
    Arvore->setRootIsDecorated(false);
    Arvore->setAlternatingRowColors(true);
    // Long names wrap onto a second line instead of being cut: rows differ in height.
    Arvore->setUniformRowHeights(false);
    Arvore->setWordWrap(true);
    Arvore->setItemDelegate(new DelegadoQuebraLinhas(Arvore));
    Arvore->setSelectionMode(QAbstractItemView::SingleSelection);
    Arvore->setSelectionBehavior(QAbstractItemView::SelectItems);
    Arvore->setStyleSheet("QTreeView::item { padding: 1px 6px; }");
    Arvore->header()->setDefaultAlignment(Qt::AlignCenter);
    Arvore->setTextElideMode(Qt::ElideRight);
    Arvore->header()->setStretchLastSection(false);
    Arvore->header()->setSectionsClickable(true);
    Arvore->hide();
    // A click on a case's heading chooses that case, for "Remover".
    connect(Arvore->header(), &QHeaderView::sectionClicked, this, [this](int coluna) {
        if (Arvore->topLevelItemCount() > 0) Arvore->setCurrentItem(Arvore->topLevelItem(0), coluna);
    });
    connect(Arvore, &QTreeWidget::currentItemChanged, this, [this] { AtualizarBotoes(); });

    Mensagens = new QLabel(this);
    Mensagens->setObjectName("MensagensComparacao");
    Mensagens->setWordWrap(true);
    Mensagens->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Mensagens->setTextFormat(Qt::RichText);  // names in bold; every part escaped
    Mensagens->hide();
    NotaEstimativa = new QLabel(QString("* ") + TraduzirNucleo(FonteFatorExergia), this);
    NotaEstimativa->setObjectName("NotaEstimativaComparacao");
    NotaEstimativa->setWordWrap(true);
    NotaEstimativa->setStyleSheet("color: #404040;");
    NotaEstimativa->hide();

    // Two rows: what to compare, then what to do with the comparison, so
    // that the view asks for no more width than the views are given.
    auto* casos = new QHBoxLayout;
    casos->addWidget(BotaoAdicionar);
    casos->addWidget(BotaoConfiguracoes);
    casos->addWidget(BotaoFormulacoes);
    casos->addStretch(1);
    auto* acoes = new QHBoxLayout;
    acoes->addWidget(BotaoRemover);
    acoes->addStretch(1);
    acoes->addWidget(BotaoAtualizar);
    acoes->addWidget(BotaoExportar);
    auto* botoes = new QVBoxLayout;
    botoes->addLayout(casos);
    botoes->addLayout(acoes);

    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(botoes);
    coluna->addWidget(AvisoEntradas);
    coluna->addWidget(AvisoSemComparacao, 1);
    coluna->addWidget(Arvore, 1);
    coluna->addWidget(Mensagens);
    coluna->addWidget(NotaEstimativa);
    AtualizarBotoes();
}

void VistaComparacao::DefinirFonteEntradas(FonteEntradas fonte) {
    fonte_ = std::move(fonte);
    Atualizar();
}

void VistaComparacao::DefinirEscolhaCaso(EscolhaCaso escolherCaso) {
    escolhaCaso_ = std::move(escolherCaso);
}

void VistaComparacao::DefinirEscolhaArquivo(EscolhaArquivo escolha) {
    exportacao_.DefinirEscolha(std::move(escolha));
}

void VistaComparacao::DefinirConfirmacaoSubstituir(ConfirmacaoSubstituir confirmacao) {
    exportacao_.DefinirConfirmacao(std::move(confirmacao));
}

void VistaComparacao::Atualizar() {
    pendente_ = true;
    if (!isVisible() || !fonte_) return;
    // A run of every case takes a few milliseconds: done at once.
    try {
        Comparar();
    } catch (const ErroUsina& erro) {
        erroEntradas_ = std::current_exception();  // said in the language of the moment
        ComporAvisoEntradas();
        AvisoEntradas->show();
    }
}

void VistaComparacao::ComporAvisoEntradas() {
    const QString erro = TextoErroTraduzido(erroEntradas_);
    AvisoEntradas->setText(
        comparacao_ ? tr("As entradas atuais não puderam ser lidas: %1 A comparação mostrada é a "
                         "das últimas entradas válidas.")
                          .arg(erro)
                    : tr("As entradas atuais não puderam ser lidas: %1").arg(erro));
}

void VistaComparacao::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::LanguageChange) Retraduzir();
    QWidget::changeEvent(evento);
}

void VistaComparacao::Retraduzir() {
    NotaEstimativa->setText(QString("* ") + TraduzirNucleo(FonteFatorExergia));
    if (erroEntradas_) ComporAvisoEntradas();
    if (!comparacao_) return;
    // The same comparison, its texts composed again; the chosen cell and
    // the scrolled position stay.
    QTreeWidgetItem* atual = Arvore->currentItem();
    const int linha = atual != nullptr ? Arvore->indexOfTopLevelItem(atual) : -1;
    const int coluna = Arvore->currentColumn();
    const int horizontal = Arvore->horizontalScrollBar()->value();
    const int vertical = Arvore->verticalScrollBar()->value();
    Preencher();
    if (linha >= 0 && linha < Arvore->topLevelItemCount())
        Arvore->setCurrentItem(Arvore->topLevelItem(linha), coluna);
    Arvore->horizontalScrollBar()->setValue(horizontal);
    Arvore->verticalScrollBar()->setValue(vertical);
    AtualizarBotoes();
}

void VistaComparacao::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    AjustarColunaNomes();
}

void VistaComparacao::AjustarColunaNomes() {
    // Every number column at its width, the names in what is left: a long
    // name wraps (whole in its tooltip too), so that at the width of a
    // screen every case's column is in sight without scrolling sideways.
    // Only below LarguraMinimaNomes for the names does the table scroll.
    if (larguraNomes_ <= 0) return;
    // The view's width, not the table's: the table may not be laid out yet.
    int numeros = 0;  // pixels
    for (int col = 1; col < Arvore->columnCount(); ++col) numeros += Arvore->columnWidth(col);
    const QMargins margens = layout()->contentsMargins();
    const int folga = Arvore->verticalScrollBar()->sizeHint().width() + 2 * Arvore->frameWidth() +
                      margens.left() + margens.right() + 2;
    const int resto = width() - numeros - folga;  // pixels
    const int largura = std::min(larguraNomes_, std::max(LarguraMinimaNomes, resto));
    Arvore->setColumnWidth(0, largura);
    // The rows' heights follow the names' new wrapping.
    Arvore->doItemsLayout();
}

void VistaComparacao::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (pendente_) Atualizar();
}

void VistaComparacao::Comparar() {
    if (!fonte_) return;
    CompararCom(fonte_());
}

void VistaComparacao::CompararCom(const EntradasUsina& atuais) {
    const std::string separador = SeparadorDecimal();
    std::vector<CasoComparado> outros;
    for (OutroCaso& o : outros_) {
        // The other configuration follows the current inputs.
        if (o.outraConfiguracao) {
            for (const CasoComparado& c : CasosConfiguracoes(atuais))
                if (c.entradas.comTurbinaAlta != atuais.comTurbinaAlta) {
                    o.entradas = c.entradas;
                    o.nome = QString::fromStdString(c.nome);
                }
        }
        // So does the other package.
        if (o.outraFormulacao) {
            for (const CasoComparado& c : CasosFormulacoes(atuais))
                if (c.entradas.propriedades != atuais.propriedades) {
                    o.entradas = c.entradas;
                    o.nome = QString::fromStdString(c.nome);
                }
        }
        outros.push_back({o.nome.toStdString(), o.entradas});
    }
    const bool correntes = std::any_of(outros_.begin(), outros_.end(),
                                       [](const OutroCaso& o) { return o.outraFormulacao; });
    comparacao_ = CompararCasos({NomeAtual, atuais}, outros, separador, correntes);
    comparados_ = outros_;
    pendente_ = false;
    erroEntradas_ = nullptr;
    AvisoEntradas->hide();
    Preencher();
}

void VistaComparacao::AdicionarCaso(const QString& caminho) {
    const CasoLido lido = LerCaso(QFile::encodeName(caminho).toStdString(), SeparadorDecimal());
    OutroCaso caso;
    caso.nome = QFileInfo(caminho).completeBaseName();
    caso.arquivo = caminho;
    caso.descricao = QString::fromStdString(lido.caso.descricao);
    caso.entradas = lido.caso.entradas;
    outros_.push_back(caso);
    Atualizar();
    // The new case is the one "Remover" would take out; the names stay in
    // sight rather than scrolling to its column.
    if (comparacao_ && Arvore->topLevelItemCount() > 0) {
        Arvore->setCurrentItem(Arvore->topLevelItem(0), ColunaValor(NumeroOutrosCasos()));
        Arvore->horizontalScrollBar()->setValue(0);
    }
}

void VistaComparacao::CompararConfiguracoes() {
    for (const OutroCaso& o : outros_)
        if (o.outraConfiguracao) return;
    OutroCaso caso;
    caso.outraConfiguracao = true;
    outros_.push_back(caso);
    pendente_ = true;
    // Made at once, with the message of an input that cannot be read: the
    // user asked for this comparison.
    Comparar();
}

void VistaComparacao::CompararFormulacoes() {
    for (const OutroCaso& o : outros_)
        if (o.outraFormulacao) return;
    OutroCaso caso;
    caso.outraFormulacao = true;
    outros_.push_back(caso);
    pendente_ = true;
    Comparar();
}

void VistaComparacao::RemoverCaso(int indice) {
    if (indice < 0 || indice >= NumeroOutrosCasos()) return;
    outros_.erase(outros_.begin() + indice);
    Atualizar();
}

int VistaComparacao::CasoSelecionado() const {
    const int coluna = Arvore->currentColumn();
    if (Arvore->currentItem() == nullptr || coluna < ColunaValor(1)) return -1;
    const int indice = (coluna - ColunaValor(1)) / ColunasPorCaso;
    // The table may still show a case list the inputs could not be compared
    // with: only a case both know is chosen.
    const int mostrados = comparacao_ ? static_cast<int>(comparacao_->casos.size()) - 1 : 0;
    return indice < std::min(NumeroOutrosCasos(), mostrados) ? indice : -1;
}

void VistaComparacao::AtualizarBotoes() {
    BotaoRemover->setEnabled(CasoSelecionado() >= 0);
    BotaoExportar->setEnabled(comparacao_.has_value());
}

void VistaComparacao::Preencher() {
    const ComparacaoCasos& c = *comparacao_;
    const std::string separador = SeparadorDecimal();
    Arvore->clear();

    const int casos = static_cast<int>(c.casos.size());
    QStringList cabecalho = {tr("Grandeza"), NomeCaso(0)};
    // A long case name on two lines, so its column is no wider than its numbers need.
    for (int i = 1; i < casos; ++i) cabecalho << NomeCasoEmLinhas(NomeCaso(i)) << "Δ" << "Δ %";
    Arvore->setColumnCount(static_cast<int>(cabecalho.size()));
    Arvore->setHeaderLabels(cabecalho);
    Arvore->headerItem()->setTextAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    QTreeWidgetItem* cabecalhoItem = Arvore->headerItem();
    for (int i = 1; i < casos; ++i) {
        const OutroCaso& o = comparados_[static_cast<std::size_t>(i - 1)];
        QString dica = o.outraFormulacao ? tr("As entradas atuais com o outro pacote de propriedades.")
                       : o.arquivo.isEmpty() ? tr("As entradas atuais na outra configuração.")
                                             : QDir::toNativeSeparators(o.arquivo);
        if (!o.descricao.isEmpty()) dica += "\n" + o.descricao;
        cabecalhoItem->setToolTip(ColunaValor(i), DicaLiteral(dica));
        cabecalhoItem->setToolTip(ColunaValor(i) + 1,
                                  tr("Diferença para o caso atual, na unidade da grandeza."));
        cabecalhoItem->setToolTip(ColunaValor(i) + 2,
                                  tr("Diferença para o caso atual, em % do valor do caso atual."));
    }
    cabecalhoItem->setToolTip(ColunaValor(0), tr("As entradas da janela."));

    // The case files' descriptions, when any has one: on one line, whole in
    // the tooltip; plain text as the file gives it.
    if (std::any_of(comparados_.begin(), comparados_.end(),
                    [](const OutroCaso& o) { return !o.descricao.trimmed().isEmpty(); })) {
        auto* descricao = new QTreeWidgetItem(Arvore, QStringList{tr("Descrição")});
        descricao->setData(0, Qt::UserRole, QStringLiteral("descricao"));
        descricao->setToolTip(0, descricao->text(0));
        for (int i = 1; i < casos; ++i) {
            const QString texto = comparados_[static_cast<std::size_t>(i - 1)].descricao.trimmed();
            // A long one is cut short in the cell, whole in the tooltip.
            constexpr qsizetype MaximoDescricaoNaCelula = 60;  // characters
            QString celula = texto.simplified();
            if (celula.size() > MaximoDescricaoNaCelula)
                celula = celula.left(MaximoDescricaoNaCelula - 1) + QChar(0x2026);
            descricao->setText(ColunaValor(i), celula);
            descricao->setToolTip(ColunaValor(i), DicaLiteral(texto));
        }
    }

    // How each case's run went; the full messages are under the table.
    auto* situacao = new QTreeWidgetItem(Arvore, QStringList{tr("Situação do cálculo")});
    situacao->setToolTip(0, situacao->text(0));
    QStringList mensagens;
    for (int i = 0; i < casos; ++i) {
        const CasoCalculado& caso = c.casos[static_cast<std::size_t>(i)];
        const int col = ColunaValor(i);
        situacao->setText(col, TextoSituacao(caso));
        situacao->setTextAlignment(col, Qt::AlignRight | Qt::AlignVCenter);
        const QString nome = NomeCaso(i).toHtmlEscaped();
        if (caso.situacao != SituacaoCalculo::Completo) {
            situacao->setForeground(col, CorErro);
            const QString erro = TextoFalhaTraduzido(caso.falha, caso.erro);
            situacao->setToolTip(col, DicaLiteral(erro));
            mensagens << "<b>" + nome + "</b>: " + erro.toHtmlEscaped();
        }
        // The warnings as the run raised them; their texts as they are for a
        // case made by other means.
        QStringList avisos;
        for (const AvisoUsina& aviso : caso.avisosTipados)
            avisos << TextoAvisoTraduzido(aviso, separador);
        if (caso.avisosTipados.empty())
            for (const std::string& aviso : caso.avisos)
                avisos << QString::fromStdString(aviso);
        for (const QString& aviso : avisos)
            mensagens << "<b>" + nome + "</b>: " + aviso.toHtmlEscaped();
    }

    AdicionarSecao(tr("Entradas que diferem"), c.entradas, true);
    AdicionarSecao(tr("Resultados globais"), c.globais, false);
    AdicionarSecao(tr("Indicadores"), c.indicadores, false);
    AdicionarSecao(tr("Safra"), c.safra, false);
    // The payback of a different investment, under each case that has one.
    if (std::any_of(c.retornos.begin(), c.retornos.end(),
                    [](const RetornoComparado& r) { return r.aplicavel; })) {
        auto* retorno = new QTreeWidgetItem(Arvore, QStringList{tr("Retorno simples do investimento [safras]")});
        retorno->setToolTip(0, tr("(Investimento do caso − investimento do caso atual) / (receita do "
                                  "caso − receita do caso atual), em safras."));
        for (std::size_t i = 1; i < c.retornos.size(); ++i) {
            const RetornoComparado& r = c.retornos[i];
            if (!r.aplicavel) continue;
            const int col = ColunaValor(static_cast<int>(i));
            retorno->setText(col, r.safras ? QString::fromStdString(TextoFixo(*r.safras, 2, separador))
                                           : tr("não se paga"));
            retorno->setTextAlignment(col, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    if (!c.correntes.empty()) AdicionarSecao(tr("Correntes"), c.correntes, false);

    if (c.entradas.empty()) {
        auto* nenhuma = new QTreeWidgetItem(Arvore);
        nenhuma->setText(0, tr("(nenhuma: as entradas dos casos são iguais)"));
        nenhuma->setForeground(0, CorApagada);
        nenhuma->setToolTip(0, nenhuma->text(0));
        // Just below its section's heading.
        Arvore->insertTopLevelItem(2, Arvore->takeTopLevelItem(Arvore->topLevelItemCount() - 1));
    }

    for (int col = 1; col < Arvore->columnCount(); ++col)
        Arvore->setColumnWidth(col, LarguraColunaValores(*Arvore, col));
    // The names' width on one line (the view's own measure would wrap them
    // at the width the column has now).
    const QFontMetrics letras(Arvore->font());
    larguraNomes_ = 0;
    for (int i = 0; i < Arvore->topLevelItemCount(); ++i)
        if (const QTreeWidgetItem* item = Arvore->topLevelItem(i); !item->isFirstColumnSpanned())
            larguraNomes_ = std::max(larguraNomes_, letras.horizontalAdvance(item->text(0)));
    larguraNomes_ += 2 * 6 + 8;  // the items' padding and the focus frame's margins
    AjustarColunaNomes();
    Mensagens->setText(mensagens.join("<br>"));
    Mensagens->setVisible(!mensagens.isEmpty());
    bool estimativas = false;
    for (const LinhaComparacao& l : c.indicadores) estimativas = estimativas || l.estimativa;
    NotaEstimativa->setVisible(estimativas);
    AvisoSemComparacao->hide();
    Arvore->show();
    AtualizarBotoes();
}

QString VistaComparacao::NomeCaso(int caso) const {
    if (caso == 0) return tr(NomeAtual);
    const std::size_t i = static_cast<std::size_t>(caso);
    const QString nome = QString::fromStdString(comparacao_->casos[i].nome);
    // The other configuration is named by the core; a saved case by its file.
    const OutroCaso& o = comparados_[i - 1];
    return o.outraConfiguracao || o.outraFormulacao ? TraduzirNucleo(comparacao_->casos[i].nome) : nome;
}

void VistaComparacao::AdicionarSecao(const QString& titulo,
                                     const std::vector<LinhaComparacao>& linhas, bool entradas) {
    const std::string separador = SeparadorDecimal();
    auto* secao = new QTreeWidgetItem(Arvore, QStringList{titulo});
    QFont negrito = Arvore->font();
    negrito.setBold(true);
    for (int col = 0; col < Arvore->columnCount(); ++col) {
        secao->setBackground(col, CorSecao);
        secao->setFont(col, negrito);
    }
    secao->setFlags(Qt::ItemIsEnabled);
    secao->setFirstColumnSpanned(true);

    for (const LinhaComparacao& l : linhas) {
        QString nome = NomeLinhaComparacao(l.nome);
        if (!l.unidade.empty()) nome += " [" + TraduzirNucleo(l.unidade) + "]";
        if (l.estimativa) nome += MarcaEstimativa;
        auto* item = new QTreeWidgetItem(Arvore, QStringList{nome});
        item->setToolTip(0, nome);
        for (std::size_t i = 0; i < l.valores.size(); ++i) {
            const ValorComparado& v = l.valores[i];
            const int col = ColunaValor(static_cast<int>(i));
            const auto celula = [&](int coluna, const QString& texto, bool apagada) {
                item->setText(coluna, texto);
                item->setTextAlignment(coluna, Qt::AlignRight | Qt::AlignVCenter);
                if (apagada) item->setForeground(coluna, CorApagada);
            };
            celula(col, v.naoFisico ? TextoNaoFisico() : TextoValor(v.valor, l, entradas, separador),
                   !v.valor);
            if (i == 0) continue;
            const QString diferenca = TextoDiferenca(v.diferenca, l, entradas, separador);
            const QString porcento = TextoPorcento(v.porcento, separador);
            // Differences that are not there, or round to nothing, stay grey.
            celula(col + 1, diferenca, !diferenca.startsWith('+') && !diferenca.startsWith('-'));
            celula(col + 2, porcento, !porcento.startsWith('+') && !porcento.startsWith('-'));
        }
    }
}

void VistaComparacao::ExportarCsv(const QString& caminho) const {
    if (!comparacao_)
        throw ErroResultadoIncompleto(
            tr("Ainda não há comparação: clique em \"Atualizar\" antes de gravar.").toStdString());
    const std::string csv = ComparacaoCsv(*comparacao_, SeparadorDecimal());
    GravarCsv(caminho, csv);
}

void VistaComparacao::AdicionarClick() {
    ExecutarTratando([this] {
        QString caminho;
        if (escolhaCaso_) {
            caminho = escolhaCaso_();
        } else {
            DialogosArquivoQt dialogos(this);
            caminho = dialogos.EscolherCasoParaAbrir(QDir::currentPath());
        }
        if (caminho.isEmpty()) return;
        AdicionarCaso(caminho);
    });
}

void VistaComparacao::ExportarClick() {
    ExecutarTratando([this] {
        exportacao_.Exportar(tr("Exportar comparação de casos"),
                             [this](const QString& caminho, const QString&) { ExportarCsv(caminho); });
    });
}
