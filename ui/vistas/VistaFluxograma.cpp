#include "ui/vistas/VistaFluxograma.h"

#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/comum/Idioma.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/comum/TratadorErros.h"
#include "ui/figura/FluxogramaResultados.h"

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
      separador_(SeparadorDecimal()) {
    setMinimumSize(LarguraMinima, AlturaMinima);
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

void VistaFluxograma::Preencher() { update(); }

void VistaFluxograma::DefinirSeparador(const std::string& separador) {
    separador_ = separador;
    update();
}

QRectF VistaFluxograma::AreaDesenho() const {
    // The stretch between the notice and the buttons.
    for (int i = 0; i < layout_->count(); ++i)
        if (QLayoutItem* item = layout_->itemAt(i); item->spacerItem() != nullptr)
            return QRectF(item->geometry());
    return QRectF(rect());
}

void VistaFluxograma::changeEvent(QEvent* evento) {
    // The drawing's captions are translated as it is painted.
    if (evento->type() == QEvent::LanguageChange) update();
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
