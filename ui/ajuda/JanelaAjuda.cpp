#include "ui/ajuda/JanelaAjuda.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/comum/SeparadorDecimal.h"

namespace {

// Reads the manual's pages with the inputs table filled in, so that links
// between the two languages, anchors and history work as on plain pages;
// pictures and anything else load as usual.
class NavegadorManual : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int tipo, const QUrl& endereco) override {
        if (tipo == QTextDocument::HtmlResource) {
            if (const auto idioma = IdiomaDoEndereco(endereco)) {
                const QString pagina = TextoManual(*idioma, SeparadorDecimal());
                if (!pagina.isEmpty()) return pagina;
            }
        }
        return QTextBrowser::loadResource(tipo, endereco);
    }
};

// Room for the manual's widest picture and table, within the screen's work
// area less a margin for the window frame (pixels): fits a 1024 x 600 screen.
QSize TamanhoInicial(const QWidget& janela) {
    QSize tamanho(900, 680);
    if (const QScreen* tela = janela.screen()) {
        const QSize livre = tela->availableGeometry().size() - QSize(48, 64);
        tamanho = tamanho.boundedTo(livre).expandedTo(QSize(480, 360));
    }
    return tamanho;
}

QToolButton* Botao(QStyle::StandardPixmap icone, const char* nome, QWidget* pai) {
    auto* botao = new QToolButton(pai);
    botao->setObjectName(nome);
    botao->setIcon(pai->style()->standardIcon(icone));
    botao->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    botao->setAutoRaise(true);
    return botao;
}

}  // namespace

JanelaAjuda::JanelaAjuda(QWidget* pai, Idioma idioma)
    : QDialog(pai), idioma_(idioma), idiomaJanela_(::IdiomaAtual()) {
    setObjectName("JanelaAjuda");
    setModal(false);
    setSizeGripEnabled(true);

    BotaoVoltar = Botao(QStyle::SP_ArrowBack, "BotaoVoltar", this);
    BotaoAvancar = Botao(QStyle::SP_ArrowForward, "BotaoAvancar", this);
    BotaoInicio = Botao(QStyle::SP_DirHomeIcon, "BotaoInicio", this);
    BotaoVoltar->setEnabled(false);
    BotaoAvancar->setEnabled(false);

    // The language names are written in their own language.
    EscolhaIdioma = new QComboBox(this);
    EscolhaIdioma->setObjectName("EscolhaIdioma");
    EscolhaIdioma->addItem(QStringLiteral("Português"), int(Idioma::Portugues));
    EscolhaIdioma->addItem(QStringLiteral("English"), int(Idioma::Ingles));

    CampoLocalizar = new QLineEdit(this);
    CampoLocalizar->setObjectName("CampoLocalizar");
    CampoLocalizar->setClearButtonEnabled(true);
    CampoLocalizar->setMaximumWidth(220);
    resultadoBusca_ = new QLabel(this);
    resultadoBusca_->setObjectName("ResultadoBusca");

    auto* barra = new QHBoxLayout;
    barra->addWidget(BotaoVoltar);
    barra->addWidget(BotaoAvancar);
    barra->addWidget(BotaoInicio);
    barra->addSpacing(12);
    barra->addWidget(EscolhaIdioma);
    barra->addStretch(1);
    barra->addWidget(resultadoBusca_);
    barra->addWidget(CampoLocalizar);

    Navegador = new NavegadorManual(this);
    Navegador->setObjectName("Navegador");
    Navegador->setOpenExternalLinks(true);

    // A button of its own rather than the standard "Close", whose text Qt
    // would set again, in its own translation, on a change of language.
    auto* botoes = new QDialogButtonBox(this);
    fechar_ = botoes->addButton(QString(), QDialogButtonBox::RejectRole);
    fechar_->setObjectName("BotaoFechar");
    // Enter belongs to the search field: as the dialogue's default button
    // "Fechar" would close the manual on every search.
    fechar_->setAutoDefault(false);
    fechar_->setDefault(false);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(barra);
    layout->addWidget(Navegador, 1);
    layout->addWidget(botoes);

    connect(BotaoVoltar, &QToolButton::clicked, Navegador, &QTextBrowser::backward);
    connect(BotaoAvancar, &QToolButton::clicked, Navegador, &QTextBrowser::forward);
    connect(BotaoInicio, &QToolButton::clicked, this, [this] { MostrarIdioma(idioma_); });
    connect(Navegador, &QTextBrowser::backwardAvailable, BotaoVoltar, &QToolButton::setEnabled);
    connect(Navegador, &QTextBrowser::forwardAvailable, BotaoAvancar, &QToolButton::setEnabled);
    // The page's language is read again whenever the browser moves: a new
    // source, or a step through the history.
    connect(Navegador, &QTextBrowser::sourceChanged, this, &JanelaAjuda::FonteMudou);
    connect(Navegador, &QTextBrowser::historyChanged, this, &JanelaAjuda::FonteMudou);
    connect(EscolhaIdioma, &QComboBox::activated, this,
            [this](int i) { MostrarIdioma(Idioma(EscolhaIdioma->itemData(i).toInt())); });
    connect(CampoLocalizar, &QLineEdit::returnPressed, this,
            [this] { Localizar(CampoLocalizar->text()); });
    connect(CampoLocalizar, &QLineEdit::textChanged, resultadoBusca_, &QLabel::clear);

    Retraduzir();
    resize(TamanhoInicial(*this));
    MostrarIdioma(idioma);
}

void JanelaAjuda::Retraduzir() {
    setWindowTitle(tr("Manual do usina"));
    BotaoVoltar->setText(tr("Voltar"));
    BotaoAvancar->setText(tr("Avançar"));
    BotaoInicio->setText(tr("Início"));
    EscolhaIdioma->setToolTip(tr("Idioma do manual"));
    CampoLocalizar->setPlaceholderText(tr("Localizar (Enter)"));
    fechar_->setText(tr("Fechar"));
    if (!resultadoBusca_->text().isEmpty()) resultadoBusca_->setText(tr("Não encontrado"));
}

void JanelaAjuda::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::LanguageChange) {
        Retraduzir();
        // The window changed language: its page follows. Qt may send more
        // than one event for one change; only a new language moves the page,
        // so the history is not filled with repeats.
        if (::IdiomaAtual() != idiomaJanela_) {
            idiomaJanela_ = ::IdiomaAtual();
            if (idiomaJanela_ != idioma_) MostrarIdioma(idiomaJanela_);
        }
    }
    QDialog::changeEvent(evento);
}

void JanelaAjuda::MostrarIdioma(Idioma idioma) { Navegador->setSource(EnderecoManual(idioma)); }

Idioma JanelaAjuda::IdiomaAtual() const { return idioma_; }

void JanelaAjuda::FonteMudou() {
    // A link to the other language's page changes the language too.
    if (const auto idioma = IdiomaDoEndereco(Navegador->source())) idioma_ = *idioma;
    EscolhaIdioma->setCurrentIndex(EscolhaIdioma->findData(int(idioma_)));
    resultadoBusca_->clear();
}

bool JanelaAjuda::Localizar(const QString& texto) {
    resultadoBusca_->clear();
    if (texto.isEmpty()) return false;
    if (Navegador->find(texto)) return true;
    // Past the last occurrence: once more from the top.
    QTextCursor cursor = Navegador->textCursor();
    cursor.movePosition(QTextCursor::Start);
    Navegador->setTextCursor(cursor);
    if (Navegador->find(texto)) return true;
    resultadoBusca_->setText(tr("Não encontrado"));
    return false;
}
