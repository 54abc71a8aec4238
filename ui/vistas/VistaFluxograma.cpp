#include "ui/vistas/VistaFluxograma.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "properties/Erros.h"
#include "ui/comum/AvisosVista.h"
#include "ui/comum/DialogosArquivo.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/comum/TratadorErros.h"
#include "ui/figura/FluxogramaResultados.h"

namespace {

constexpr int LarguraMinima = 400;  // pixels: fits a 1024 x 600 window
constexpr int AlturaMinima = 240;
constexpr int MargemDesenho = 6;    // pixels around the drawing

// The formats of "Exportar…", in the order of the dialogue's filters.
struct FormatoExportacao {
    const char* filtro;
    const char* sufixo;
};
constexpr FormatoExportacao Formatos[] = {
    {QT_TRANSLATE_NOOP("VistaFluxograma", "Imagem PNG (*.png)"), "png"},
    {QT_TRANSLATE_NOOP("VistaFluxograma", "Desenho SVG (*.svg)"), "svg"},
    {QT_TRANSLATE_NOOP("VistaFluxograma", "Documento PDF (*.pdf)"), "pdf"},
};
constexpr int LarguraPng = 2000;  // pixels

}  // namespace

VistaFluxograma::VistaFluxograma(QWidget* pai) : QWidget(pai), separador_(SeparadorDecimal()) {
    setObjectName("VistaFluxograma");
    TextoTraduzido(this, "windowTitle", "VistaFluxograma",
                   QT_TRANSLATE_NOOP("VistaFluxograma", "Fluxograma com resultados"));
    setMinimumSize(LarguraMinima, AlturaMinima);
    setAutoFillBackground(false);

    aviso_ = CriarAvisoDesatualizado(this);

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

    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(MargemDesenho, MargemDesenho, MargemDesenho, MargemDesenho);
    layout_->addWidget(aviso_);
    layout_->addStretch(1);  // the drawing's place
    layout_->addLayout(botoes);

    ultimoArquivo_ = QDir::current().absoluteFilePath("fluxograma.png");
}

void VistaFluxograma::MostrarResultado(const ResultadoUsina& resultado) {
    resultado_ = resultado;
    MarcarDesatualizado(false);
    update();
}

void VistaFluxograma::MarcarDesatualizado(bool desatualizado) {
    desatualizado_ = desatualizado;
    aviso_->setVisible(desatualizado);
    update();
}

void VistaFluxograma::DefinirEscolhaArquivo(EscolhaArquivo escolha) { escolha_ = std::move(escolha); }

void VistaFluxograma::DefinirConfirmacaoSubstituir(ConfirmacaoSubstituir confirmacao) {
    confirmacao_ = std::move(confirmacao);
}

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
    DesenharFluxogramaResultados(pintor, AreaDesenho(), resultado_ ? &*resultado_ : nullptr,
                                 separador_, desatualizado_);
}

void VistaFluxograma::ExportarClick() {
    ExecutarTratando([this] { Exportar(); });
}

void VistaFluxograma::Exportar() {
    QStringList filtros, sufixos;
    for (const FormatoExportacao& f : Formatos) {
        filtros << tr(f.filtro);
        sufixos << f.sufixo;
    }
    // The format used last comes first.
    const qsizetype ultimo = sufixos.indexOf(QFileInfo(ultimoArquivo_).suffix().toLower());
    if (ultimo > 0) {
        filtros.move(ultimo, 0);
        sufixos.move(ultimo, 0);
    }
    const QString titulo = tr("Exportar fluxograma com resultados");
    const QString escolhido =
        EscolherArquivo(escolha_, this, titulo, ultimoArquivo_, filtros, sufixos);
    if (escolhido.isEmpty()) return;
    const QString sufixo = QFileInfo(escolhido).suffix().toLower();
    if (!sufixos.contains(sufixo))
        throw ErroArquivo(
            tr("Escolha um nome terminado em .png, .svg ou .pdf para exportar o fluxograma")
                .toStdString());
    if (QFileInfo::exists(escolhido)) {
        const bool substituir = confirmacao_ ? confirmacao_(escolhido)
                                             : DialogosArquivoQt(this).ConfirmarSubstituir(escolhido);
        if (!substituir) return;
    }
    const ResultadoUsina* r = resultado_ ? &*resultado_ : nullptr;
    if (sufixo == "png") ExportarFluxogramaPng(escolhido, r, separador_, LarguraPng);
    else if (sufixo == "svg") ExportarFluxogramaSvg(escolhido, r, separador_);
    else ExportarFluxogramaPdf(escolhido, r, separador_);
    ultimoArquivo_ = QFileInfo(escolhido).absoluteFilePath();
}
