#include "ui/comum/AbasEmLinhas.h"

#include <QButtonGroup>
#include <QLayout>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int Espaco = 2;  // pixels between the buttons, across and down

// Lays its items left to right, starting a new row when the next one would
// pass the right edge; the height follows the width.
class LayoutEmLinhas : public QLayout {
public:
    explicit LayoutEmLinhas(QWidget* pai) : QLayout(pai) { setContentsMargins(0, 0, 0, 0); }
    ~LayoutEmLinhas() override {
        while (QLayoutItem* item = takeAt(0)) delete item;
    }

    void addItem(QLayoutItem* item) override { itens_.push_back(item); }
    int count() const override { return static_cast<int>(itens_.size()); }
    QLayoutItem* itemAt(int i) const override {
        return i >= 0 && i < count() ? itens_[static_cast<std::size_t>(i)] : nullptr;
    }
    QLayoutItem* takeAt(int i) override {
        if (i < 0 || i >= count()) return nullptr;
        QLayoutItem* item = itens_[static_cast<std::size_t>(i)];
        itens_.erase(itens_.begin() + i);
        return item;
    }
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int largura) const override { return Dispor(QRect(0, 0, largura, 0), false); }
    QSize sizeHint() const override { return minimumSize(); }
    QSize minimumSize() const override {
        // As narrow as the widest button: everything else wraps.
        QSize tamanho;
        for (const QLayoutItem* item : itens_) tamanho = tamanho.expandedTo(item->minimumSize());
        return tamanho;
    }
    void setGeometry(const QRect& area) override {
        QLayout::setGeometry(area);
        Dispor(area, true);
    }

private:
    // The height the rows take in area; moves the items there when posicionar.
    int Dispor(const QRect& area, bool posicionar) const {
        int x = area.x(), y = area.y(), alturaLinha = 0;
        for (QLayoutItem* item : itens_) {
            if (item->isEmpty()) continue;
            const QSize tamanho = item->sizeHint();
            if (x > area.x() && x + tamanho.width() > area.right() + 1) {
                x = area.x();
                y += alturaLinha + Espaco;
                alturaLinha = 0;
            }
            if (posicionar) item->setGeometry(QRect(QPoint(x, y), tamanho));
            x += tamanho.width() + Espaco;
            alturaLinha = std::max(alturaLinha, tamanho.height());
        }
        return y + alturaLinha - area.y();
    }

    std::vector<QLayoutItem*> itens_;
};

}  // namespace

AbasEmLinhas::AbasEmLinhas(const QString& nome, QWidget* pai) : QWidget(pai) {
    setObjectName(nome + "EmLinhas");
    Abas = new QTabWidget(this);
    Abas->setObjectName(nome);
    Abas->setDocumentMode(true);
    Abas->tabBar()->hide();
    barra_ = new QWidget(this);
    barra_->setObjectName(nome + "Botoes");
    new LayoutEmLinhas(barra_);
    // The page shown reads as a pressed tab; the same font either way, so
    // that choosing a page never moves the buttons. Set once on the bar, for
    // all its buttons: a style sheet per button costs at every start.
    barra_->setStyleSheet("QToolButton { padding: 3px 8px; border: 1px solid transparent; "
                          "border-radius: 3px; }"
                          "QToolButton:hover { border-color: palette(mid); }"
                          "QToolButton:checked { background: palette(highlight); "
                          "color: palette(highlighted-text); }");
    grupo_ = new QButtonGroup(this);
    grupo_->setExclusive(true);

    auto* coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(0, 0, 0, 0);
    coluna->setSpacing(4);
    coluna->addWidget(barra_);
    coluna->addWidget(Abas, 1);

    connect(grupo_, &QButtonGroup::idClicked, Abas, &QTabWidget::setCurrentIndex);
    connect(Abas, &QTabWidget::currentChanged, this, &AbasEmLinhas::Marcar);
}

int AbasEmLinhas::Adicionar(QWidget* pagina, const QString& titulo) {
    const int indice = Abas->addTab(pagina, titulo);
    auto* botao = new QToolButton(barra_);
    botao->setObjectName("Aba" + pagina->objectName());
    botao->setText(titulo);
    botao->setCheckable(true);
    botao->setAutoRaise(true);
    botao->setToolButtonStyle(Qt::ToolButtonTextOnly);
    grupo_->addButton(botao, indice);
    barra_->layout()->addWidget(botao);
    botoes_.push_back(botao);
    Marcar(Abas->currentIndex());
    return indice;
}

void AbasEmLinhas::DefinirTitulo(int indice, const QString& titulo) {
    if (indice < 0 || indice >= Abas->count()) return;
    Abas->setTabText(indice, titulo);
    botoes_[static_cast<std::size_t>(indice)]->setText(titulo);
    barra_->updateGeometry();
}

QAbstractButton* AbasEmLinhas::Botao(int indice) const {
    return indice >= 0 && indice < static_cast<int>(botoes_.size())
               ? botoes_[static_cast<std::size_t>(indice)]
               : nullptr;
}

int AbasEmLinhas::AlturaBotoes(int largura) const { return barra_->layout()->heightForWidth(largura); }

void AbasEmLinhas::Marcar(int indice) {
    if (QAbstractButton* botao = Botao(indice)) botao->setChecked(true);
}
