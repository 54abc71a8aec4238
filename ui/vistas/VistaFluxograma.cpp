#include "ui/vistas/VistaFluxograma.h"

#include <QHBoxLayout>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QToolTip>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/comum/Idioma.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/comum/TratadorErros.h"
#include "ui/figura/FluxogramaResultados.h"
#include "ui/vistas/ModeloCorrentes.h"

namespace {

constexpr int LarguraMinima = 400;  // pixels: fits a 1024 x 600 window
constexpr int AlturaMinima = 240;
constexpr int MargemDesenho = 6;    // pixels around the drawing
constexpr int LarguraPng = 2000;    // pixels

// "Exportar…": the formats in the order of the dialogue's filters, the
// format used last first.
const PoliticaExportacao PoliticaExportacaoFluxograma{
    "VistaFluxograma",
    {{QT_TRANSLATE_NOOP("VistaFluxograma", "Imagem PNG (*.png)"), "png"},
     {QT_TRANSLATE_NOOP("VistaFluxograma", "Desenho SVG (*.svg)"), "svg"},
     {QT_TRANSLATE_NOOP("VistaFluxograma", "Documento PDF (*.pdf)"), "pdf"}},
    "fluxograma.png",
    SufixoExportacao::Exigido,
    QT_TRANSLATE_NOOP("VistaFluxograma",
                      "Escolha um nome terminado em .png, .svg ou .pdf para exportar o fluxograma"),
    true};

}  // namespace

VistaFluxograma::VistaFluxograma(QWidget* pai)
    : VistaResultado("VistaFluxograma",
                     QT_TRANSLATE_NOOP("VistaFluxograma", "Fluxograma com resultados"), pai),
      separador_(SeparadorDecimal()),
      correntes_(new ModeloCorrentes(this)) {
    setMinimumSize(LarguraMinima, AlturaMinima);
    setMouseTracking(true);  // the hand over a stream's box
    setAutoFillBackground(false);

    exportar_ = new QPushButton(this);
    exportar_->setObjectName("BotaoExportarFluxograma");
    TextoTraduzido(exportar_, "text", "VistaFluxograma",
                   QT_TRANSLATE_NOOP("VistaFluxograma", "Exportar…"));
    TextoTraduzido(exportar_, "toolTip", "VistaFluxograma",
                   QT_TRANSLATE_NOOP("VistaFluxograma",
                                     "Gravar o fluxograma como imagem PNG, desenho SVG ou "
                                     "documento PDF"));
    connect(exportar_, &QPushButton::clicked, this, [this] { ExportarClick(); });

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(exportar_);

    // The notice, the drawing's place, the buttons.
    layout_ = MontarColuna(nullptr);
    layout_->setContentsMargins(MargemDesenho, MargemDesenho, MargemDesenho, MargemDesenho);
    layout_->addStretch(1);
    layout_->addLayout(botoes);
    CriarExportacao(PoliticaExportacaoFluxograma);
}

void VistaFluxograma::Preencher() {
    // The streams of a finished run only: another has no value boxes.
    if (Resultado() && Resultado()->situacao == SituacaoCalculo::Completo)
        correntes_->DefinirResultado(*Resultado(), separador_);
    else
        correntes_->Limpar();
    update();
}

void VistaFluxograma::DefinirSeparador(const std::string& separador) {
    separador_ = separador;
    Preencher();
}

int VistaFluxograma::CorrenteNaPosicao(const QPointF& posicao) const {
    if (!Resultado()) return -1;
    const int rotulo = RotuloNaPosicao(*Resultado(), AreaDesenho(), posicao);
    return rotulo >= 0 && correntes_->LinhaDoRotulo(rotulo) >= 0 ? rotulo : -1;
}

QString VistaFluxograma::DicaCorrente(int rotulo) const {
    return correntes_->Resumo(correntes_->LinhaDoRotulo(rotulo));
}

bool VistaFluxograma::event(QEvent* evento) {
    if (evento->type() == QEvent::ToolTip) {
        const auto* ajuda = static_cast<QHelpEvent*>(evento);
        const int rotulo = CorrenteNaPosicao(ajuda->pos());
        if (rotulo < 0) {
            QToolTip::hideText();
            evento->ignore();
        } else {
            // Shown while the mouse stays on that box.
            const QRect caixa = CaixaNaArea(*Resultado(), AreaDesenho(), rotulo).toAlignedRect();
            QToolTip::showText(ajuda->globalPos(), DicaCorrente(rotulo), this, caixa);
        }
        return true;
    }
    return VistaResultado::event(evento);
}

void VistaFluxograma::mouseMoveEvent(QMouseEvent* evento) {
    setCursor(CorrenteNaPosicao(evento->position()) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    VistaResultado::mouseMoveEvent(evento);
}

void VistaFluxograma::mouseReleaseEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton)
        if (const int rotulo = CorrenteNaPosicao(evento->position()); rotulo >= 0) {
            emit correnteEscolhida(rotulo);
            return;
        }
    VistaResultado::mouseReleaseEvent(evento);
}

QRectF VistaFluxograma::AreaDesenho() const {
    // The stretch between the notice and the buttons.
    for (int i = 0; i < layout_->count(); ++i)
        if (QLayoutItem* item = layout_->itemAt(i); item->spacerItem() != nullptr)
            return QRectF(item->geometry());
    return QRectF(rect());
}

void VistaFluxograma::changeEvent(QEvent* evento) {
    // The drawing's captions are translated as it is painted; the tooltips'
    // headers and states as they are composed.
    if (evento->type() == QEvent::LanguageChange) {
        correntes_->Retraduzir();
        update();
    }
    QWidget::changeEvent(evento);
}

void VistaFluxograma::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.fillRect(rect(), Qt::white);
    DesenharFluxogramaResultados(pintor, AreaDesenho(), Resultado() ? &*Resultado() : nullptr,
                                 separador_, MarcadoDesatualizado());
}

void VistaFluxograma::ExportarClick() {
    ExecutarTratando([this] {
        const ResultadoUsina* r = Resultado() ? &*Resultado() : nullptr;
        Exportacao()->Exportar(tr("Exportar fluxograma com resultados"),
                               [&](const QString& caminho, const QString& sufixo) {
                                   if (sufixo == "png")
                                       ExportarFluxogramaPng(caminho, r, separador_, LarguraPng);
                                   else if (sufixo == "svg")
                                       ExportarFluxogramaSvg(caminho, r, separador_);
                                   else
                                       ExportarFluxogramaPdf(caminho, r, separador_);
                               });
    });
}
