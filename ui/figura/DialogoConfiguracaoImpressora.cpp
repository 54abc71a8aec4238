#include "ui/figura/DialogoConfiguracaoImpressora.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Paper offered for a PDF file, or for a printer that lists none.
const QPageSize::PageSizeId PapeisComuns[] = {QPageSize::A4,     QPageSize::Letter,
                                              QPageSize::Legal,  QPageSize::A3,
                                              QPageSize::A5,     QPageSize::Executive};

// Where Qt's CUPS print engine keeps the driver's own options (a list of
// name/value pairs) chosen in the properties of its print dialogue.
const auto OpcoesDoDriver = QPrintEngine::PrintEnginePropertyKey(0xfe00);

template <typename T>
T* Nomeado(T* componente, const char* nome) {
    componente->setObjectName(nome);
    return componente;
}

}  // namespace

void CopiarConfiguracao(const QPrinter& de, QPrinter& para) {
    if (de.outputFormat() == QPrinter::PdfFormat) {
        para.setOutputFormat(QPrinter::PdfFormat);
        para.setOutputFileName(de.outputFileName());
    } else {
        para.setOutputFormat(QPrinter::NativeFormat);
        para.setPrinterName(de.printerName());
        para.setOutputFileName(QString());
        const QVariant opcoes = de.printEngine()->property(OpcoesDoDriver);
        if (opcoes.isValid()) para.printEngine()->setProperty(OpcoesDoDriver, opcoes);
    }
    // After the printer: choosing one resets the page to its default.
    para.setPageLayout(de.pageLayout());
    para.setDuplex(de.duplex());
    para.setColorMode(de.colorMode());
    para.setCopyCount(de.copyCount());
    para.setPaperSource(de.paperSource());
}

DialogoConfiguracaoImpressora::DialogoConfiguracaoImpressora(QPrinter& impressora, QWidget* pai)
    : DialogoConfiguracaoImpressora(impressora, QPrinterInfo::availablePrinterNames(), pai) {}

DialogoConfiguracaoImpressora::DialogoConfiguracaoImpressora(QPrinter& impressora,
                                                             const QStringList& impressoras,
                                                             QWidget* pai)
    : QDialog(pai),
      impressora_(impressora),
      rascunho_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    Impressoras = Nomeado(new QComboBox(this), "Impressoras");
    Impressoras->addItems(impressoras);
    Impressoras->addItem(QString());  // "Arquivo PDF"
    ArquivoPdf = Nomeado(new QLineEdit(this), "ArquivoPdf");
    ArquivoPdf->setMinimumWidth(260);
    Procurar = Nomeado(new QPushButton(this), "Procurar");
    Papel = Nomeado(new QComboBox(this), "Papel");
    Retrato = Nomeado(new QRadioButton(this), "Retrato");
    Paisagem = Nomeado(new QRadioButton(this), "Paisagem");
    Pagina = Nomeado(new QPushButton(this), "Pagina");
    Propriedades = Nomeado(new QPushButton(this), "Propriedades");
    Aviso = Nomeado(new QLabel(this), "Aviso");
    Aviso->setStyleSheet(QStringLiteral("color: #a00000;"));
    Aviso->hide();

    auto* arquivo = new QHBoxLayout;
    arquivo->addWidget(ArquivoPdf, 1);
    arquivo->addWidget(Procurar);
    auto* orientacao = new QHBoxLayout;
    orientacao->addWidget(Retrato);
    orientacao->addWidget(Paisagem);
    orientacao->addStretch(1);
    auto* outros = new QHBoxLayout;
    outros->addWidget(Pagina);
    outros->addWidget(Propriedades);
    outros->addStretch(1);

    for (QLabel*& rotulo : rotulos_) rotulo = new QLabel(this);
    auto* formulario = new QFormLayout;
    formulario->addRow(rotulos_[0], Impressoras);
    formulario->addRow(rotulos_[1], arquivo);
    formulario->addRow(rotulos_[2], Papel);
    formulario->addRow(rotulos_[3], orientacao);
    formulario->addRow(outros);

    // Buttons of its own rather than the standard ones, whose texts Qt would
    // set again, in its own translation, on a change of language.
    auto* botoes = new QDialogButtonBox(this);
    botoes->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    cancelar_ = botoes->addButton(QString(), QDialogButtonBox::RejectRole);
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(formulario);
    principal->addWidget(Aviso);
    principal->addWidget(botoes);
    Retraduzir();

    // The current setting: its printer, or its PDF file (a name in the
    // working directory when it has none yet).
    // A printer the system no longer lists, or none at all, means a PDF file.
    CopiarConfiguracao(impressora, *rascunho_);
    if (rascunho_->outputFormat() != QPrinter::PdfFormat &&
        !impressoras.contains(rascunho_->printerName())) {
        const QPageLayout layout = rascunho_->pageLayout();
        rascunho_->setOutputFormat(QPrinter::PdfFormat);
        rascunho_->setPageLayout(layout);
    }
    if (rascunho_->outputFormat() == QPrinter::PdfFormat && rascunho_->outputFileName().isEmpty())
        rascunho_->setOutputFileName(QDir::current().absoluteFilePath(QStringLiteral("fluxograma.pdf")));
    MostrarRascunho();

    connect(Impressoras, &QComboBox::currentIndexChanged, this, [this] { ImpressoraEscolhida(); });
    connect(Papel, &QComboBox::currentIndexChanged, this, [this] { LerPapelEOrientacao(); });
    connect(Retrato, &QRadioButton::toggled, this, [this] { LerPapelEOrientacao(); });
    connect(Procurar, &QPushButton::clicked, this, [this] {
        const QString nome = QFileDialog::getSaveFileName(
            this, QCoreApplication::translate("DialogoConfiguracaoImpressora", "Imprimir em arquivo PDF"),
            ArquivoPdf->text(),
            QCoreApplication::translate("DialogoConfiguracaoImpressora", "Arquivos PDF (*.pdf)"));
        if (!nome.isEmpty()) ArquivoPdf->setText(nome);
    });
    connect(Pagina, &QPushButton::clicked, this, [this] { AbrirPagina(); });
    connect(Propriedades, &QPushButton::clicked, this, [this] { AbrirPropriedades(); });
}

// The class is no Q_OBJECT (its library runs no moc): its texts are
// translated in a context written out.
QString DialogoConfiguracaoImpressora::TextoAvisoPdf() {
    return QCoreApplication::translate("DialogoConfiguracaoImpressora",
                                       "Escolha o arquivo PDF em que imprimir.");
}

void DialogoConfiguracaoImpressora::Retraduzir() {
    const auto texto = [](const char* fonte) {
        return QCoreApplication::translate("DialogoConfiguracaoImpressora", fonte);
    };
    setWindowTitle(texto(QT_TRANSLATE_NOOP("DialogoConfiguracaoImpressora", "Configurar impressora")));
    Impressoras->setItemText(Impressoras->count() - 1,
                             texto(QT_TRANSLATE_NOOP("DialogoConfiguracaoImpressora", "Arquivo PDF")));
    Procurar->setText(texto(QT_TRANSLATE_NOOP("DialogoConfiguracaoImpressora", "Procurar…")));
    Retrato->setText(texto(QT_TRANSLATE_NOOP("DialogoConfiguracaoImpressora", "Retrato")));
    Paisagem->setText(texto(QT_TRANSLATE_NOOP("DialogoConfiguracaoImpressora", "Paisagem")));
    Pagina->setText(texto(QT_TRANSLATE_NOOP("DialogoConfiguracaoImpressora", "Página…")));
    Pagina->setToolTip(
        texto(QT_TRANSLATE_NOOP("DialogoConfiguracaoImpressora", "Papel, orientação e margens")));
    Propriedades->setText(texto(QT_TRANSLATE_NOOP("DialogoConfiguracaoImpressora", "Propriedades…")));
    Propriedades->setToolTip(
        texto(QT_TRANSLATE_NOOP("DialogoConfiguracaoImpressora", "As opções da própria impressora")));
    rotulos_[0]->setText(texto(QT_TRANSLATE_NOOP("DialogoConfiguracaoImpressora", "Impressora:")));
    rotulos_[1]->setText(texto(QT_TRANSLATE_NOOP("DialogoConfiguracaoImpressora", "Arquivo:")));
    rotulos_[2]->setText(texto(QT_TRANSLATE_NOOP("DialogoConfiguracaoImpressora", "Papel:")));
    rotulos_[3]->setText(texto(QT_TRANSLATE_NOOP("DialogoConfiguracaoImpressora", "Orientação:")));
    cancelar_->setText(texto(QT_TRANSLATE_NOOP("DialogoConfiguracaoImpressora", "Cancelar")));
    if (!Aviso->text().isEmpty()) Aviso->setText(TextoAvisoPdf());
}

void DialogoConfiguracaoImpressora::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::LanguageChange) {
        Retraduzir();
        // Qt names the papers in its own translation. The file name typed
        // so far reaches the scratch printer only on OK: it is kept.
        const QString arquivo = ArquivoPdf->text();
        MostrarRascunho();
        ArquivoPdf->setText(arquivo);
    }
    QDialog::changeEvent(evento);
}

bool DialogoConfiguracaoImpressora::PdfEscolhido() const {
    return Impressoras->currentIndex() == Impressoras->count() - 1;
}

// Shows the scratch printer's choices in the components.
void DialogoConfiguracaoImpressora::MostrarRascunho() {
    const QPrinter& r = *rascunho_;
    const QSignalBlocker b1(Impressoras), b2(Papel), b3(Retrato), b4(Paisagem);
    const int indice = r.outputFormat() == QPrinter::PdfFormat ? -1 : Impressoras->findText(r.printerName());
    Impressoras->setCurrentIndex(indice >= 0 ? indice : Impressoras->count() - 1);
    if (r.outputFormat() == QPrinter::PdfFormat) ArquivoPdf->setText(r.outputFileName());
    const bool pdf = PdfEscolhido();
    ArquivoPdf->setEnabled(pdf);
    Procurar->setEnabled(pdf);
    // The printer's own options exist only for a printer of the system.
    Propriedades->setEnabled(!pdf);

    PreencherPapeis();
    const QPageLayout layout = r.pageLayout();
    for (int i = 0; i < Papel->count(); ++i) {
        if (Papel->itemData(i).value<QPageSize>().isEquivalentTo(layout.pageSize())) {
            Papel->setCurrentIndex(i);
            break;
        }
    }
    const bool paisagem = layout.orientation() == QPageLayout::Landscape;
    Paisagem->setChecked(paisagem);
    Retrato->setChecked(!paisagem);
}

// Another printer: its own default page, keeping the orientation chosen.
void DialogoConfiguracaoImpressora::ImpressoraEscolhida() {
    const QPageLayout::Orientation orientacao = rascunho_->pageLayout().orientation();
    if (PdfEscolhido()) {
        rascunho_->setOutputFormat(QPrinter::PdfFormat);
        rascunho_->setOutputFileName(ArquivoPdf->text());
    } else {
        rascunho_->setOutputFormat(QPrinter::NativeFormat);
        rascunho_->setPrinterName(Impressoras->currentText());
    }
    rascunho_->setPageOrientation(orientacao);
    Aviso->clear();
    Aviso->hide();
    MostrarRascunho();
}

void DialogoConfiguracaoImpressora::PreencherPapeis() {
    QList<QPageSize> papeis;
    if (!PdfEscolhido())
        papeis = QPrinterInfo::printerInfo(Impressoras->currentText()).supportedPageSizes();
    if (papeis.isEmpty()) {
        for (QPageSize::PageSizeId id : PapeisComuns) papeis.append(QPageSize(id));
    }
    // The paper chosen so far stays on offer.
    const QPageSize atual = rascunho_->pageLayout().pageSize();
    bool temAtual = false;
    for (const QPageSize& p : papeis) temAtual = temAtual || p.isEquivalentTo(atual);
    if (!temAtual) papeis.prepend(atual);

    Papel->clear();
    for (const QPageSize& p : papeis) Papel->addItem(p.name(), QVariant::fromValue(p));
}

void DialogoConfiguracaoImpressora::LerPapelEOrientacao() {
    if (Papel->currentIndex() >= 0) rascunho_->setPageSize(Papel->currentData().value<QPageSize>());
    rascunho_->setPageOrientation(Paisagem->isChecked() ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait);
}

// Qt's page set-up (paper, orientation, margins) on the scratch printer; it
// changes the printer only when confirmed.
void DialogoConfiguracaoImpressora::AbrirPagina() {
    if (PdfEscolhido()) rascunho_->setOutputFileName(ArquivoPdf->text());
    QPageSetupDialog dialogo(rascunho_.get(), this);
    dialogo.setWindowTitle(QCoreApplication::translate("DialogoConfiguracaoImpressora", "Página"));
    if (dialogo.exec() == QDialog::Accepted) MostrarRascunho();
}

// The printer's own options (its driver's: duplex, colour, tray, quality...)
// in Qt's print dialogue on the scratch printer, which it changes only when
// confirmed; another printer may be picked there too.
void DialogoConfiguracaoImpressora::AbrirPropriedades() {
    QPrintDialog dialogo(rascunho_.get(), this);
    dialogo.setWindowTitle(
        QCoreApplication::translate("DialogoConfiguracaoImpressora", "Propriedades da impressora"));
    dialogo.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialogo.exec() == QDialog::Accepted) MostrarRascunho();
}

void DialogoConfiguracaoImpressora::accept() {
    if (PdfEscolhido()) {
        if (ArquivoPdf->text().trimmed().isEmpty()) {
            Aviso->setText(TextoAvisoPdf());
            Aviso->show();
            return;
        }
        rascunho_->setOutputFormat(QPrinter::PdfFormat);
        rascunho_->setOutputFileName(ArquivoPdf->text());
    }
    LerPapelEOrientacao();
    CopiarConfiguracao(*rascunho_, impressora_);
    QDialog::accept();
}
