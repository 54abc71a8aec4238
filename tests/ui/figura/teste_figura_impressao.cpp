#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEngine>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "PaginaPdf.h"
#include "ui/figura/DialogoConfiguracaoImpressora.h"
#include "ui/figura/Fluxograma.h"
#include "ui/figura/Impressao.h"

namespace {

TEST(RetanguloImpressao, AmpliaOuReduzMantendoAProporcao) {
    const struct {
        int larguraPagina, alturaPagina, largura, altura;
        int w, h;
    } casos[] = {
        {4800, 6600, 538, 317, 4800, 2828},  // 2828.25 cut toward zero
        {6600, 4800, 538, 317, 6600, 3888},  // 3888.8 cut toward zero
        {500, 300, 538, 317, 500, 294},      // narrower: scaled down to the width
        {538, 400, 538, 317, 538, 317},      // exactly as wide: no enlargement
        {1000, 317, 538, 317, 538, 317},     // exactly as tall: no enlargement
        {269, 1000, 538, 317, 269, 158},
        {1000, 200, 538, 317, 339, 200},     // fit to the height
        {1000, 1000, 100, 200, 500, 1000},   // a tall picture grows to the height
        {0, 0, 538, 317, 0, 0},
        {1000, 1000, 0, 317, 0, 0},          // no picture, nothing to draw
    };
    for (const auto& c : casos) {
        const QRect r = RetanguloImpressao(c.larguraPagina, c.alturaPagina, c.largura, c.altura);
        EXPECT_EQ(r.topLeft(), QPoint(0, 0));
        EXPECT_EQ(r.size(), QSize(c.w, c.h))
            << c.larguraPagina << " x " << c.alturaPagina << " for " << c.largura << " x " << c.altura;
    }
}

class DialogosFalsos : public DialogosImpressao {
public:
    explicit DialogosFalsos(bool confirma) : confirma_(confirma) {}
    bool ConfirmarImpressao(QPrinter&) override {
        ++perguntas;
        return confirma_;
    }
    void ConfigurarImpressora(QPrinter&) override {}
    int perguntas = 0;

private:
    bool confirma_;
};

// Records what the printing code asks of the page instead of producing it.
class MotorGravador : public QPaintEngine {
public:
    MotorGravador() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { ++inicios; return true; }
    bool end() override { ++fins; return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override { destinos.push_back(r); }
    void drawImage(const QRectF& r, const QImage& imagem, const QRectF&, Qt::ImageConversionFlags) override {
        destinos.push_back(r);
        tamanhos.push_back(imagem.size());
    }
    Type type() const override { return QPaintEngine::User; }

    int inicios = 0, fins = 0;
    std::vector<QRectF> destinos;
    std::vector<QSize> tamanhos;
};

// A PDF printer whose pages are recorded: the page geometry is the real
// printer's, only the painting is intercepted.
class ImpressoraGravadora : public QPrinter {
public:
    QPaintEngine* paintEngine() const override { return &motor; }
    mutable MotorGravador motor;
};

void PaginaSemMargens(QPrinter& impressora, QSizeF polegadas, int dpi) {
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setResolution(dpi);
    impressora.setPageLayout(QPageLayout(QPageSize(polegadas, QPageSize::Inch), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
}

class Impressao : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString Caminho(const char* nome) const { return dir_.filePath(nome); }

    QImage figura_ = DesenharFluxograma();

private:
    QTemporaryDir dir_;
};

TEST_F(Impressao, DesenhaOFluxogramaNoRetanguloCalculado) {
    const struct {
        double larguraPol, alturaPol;
        int dpi;
        QRectF esperado;
    } casos[] = {
        {4.0, 5.5, 1200, QRectF(0, 0, 4800, 2828)},
        {5.5, 4.0, 1200, QRectF(0, 0, 6600, 3888)},
        {5.0, 3.0, 100, QRectF(0, 0, 500, 294)},
    };
    for (const auto& c : casos) {
        ImpressoraGravadora impressora;
        PaginaSemMargens(impressora, QSizeF(c.larguraPol, c.alturaPol), c.dpi);
        impressora.setOutputFileName(Caminho("gravada.pdf"));
        DialogosFalsos dialogos(true);
        ImprimirFluxograma(dialogos, impressora, figura_);

        EXPECT_EQ(dialogos.perguntas, 1);
        EXPECT_EQ(impressora.motor.inicios, 1);
        EXPECT_EQ(impressora.motor.fins, 1) << "the print job was not ended";
        ASSERT_EQ(impressora.motor.destinos.size(), 1u);
        EXPECT_EQ(impressora.motor.destinos[0], c.esperado);
        EXPECT_EQ(impressora.motor.tamanhos[0], QSize(538, 317)) << "the whole picture is drawn";
    }
}

TEST_F(Impressao, ImprimeNumArquivoPdf) {
    QPrinter impressora;
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(Caminho("fluxograma.pdf"));
    DialogosFalsos dialogos(true);
    ImprimirFluxograma(dialogos, impressora, figura_);

    QFile pdf(Caminho("fluxograma.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_GT(pdf.size(), 1000);
}

TEST_F(Impressao, CancelarNaoIniciaTrabalho) {
    ImpressoraGravadora impressora;
    PaginaSemMargens(impressora, QSizeF(4.0, 5.5), 300);
    impressora.setOutputFileName(Caminho("cancelada.pdf"));
    DialogosFalsos dialogos(false);
    ImprimirFluxograma(dialogos, impressora, figura_);
    EXPECT_EQ(impressora.motor.inicios, 0);
    EXPECT_TRUE(impressora.motor.destinos.empty());

    QPrinter real;
    real.setOutputFormat(QPrinter::PdfFormat);
    real.setOutputFileName(Caminho("cancelada.pdf"));
    ImprimirFluxograma(dialogos, real, figura_);
    EXPECT_FALSE(QFileInfo::exists(Caminho("cancelada.pdf")));
}

std::string MensagemAoImprimir(QPrinter& impressora, const QImage& figura) {
    DialogosFalsos dialogos(true);
    try {
        ImprimirFluxograma(dialogos, impressora, figura);
    } catch (const ErroImpressao& e) {
        return e.what();
    }
    return "";
}

// With no printer installed Qt offers PDF output; without a file to write
// there is nowhere to print.
TEST_F(Impressao, SemImpressoraNadaEImpresso) {
    ImpressoraGravadora impressora;
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(QString());
    EXPECT_EQ(MensagemAoImprimir(impressora, figura_), "There is no default printer currently selected");
    EXPECT_EQ(impressora.motor.inicios, 0);
}

// A job that cannot start must not pass for a printed page.
TEST_F(Impressao, TrabalhoQueNaoComecaEhRelatado) {
    QPrinter impressora;
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(Caminho("nao_existe/fluxograma.pdf"));
    EXPECT_EQ(MensagemAoImprimir(impressora, figura_), "Cannot start the print job");
    EXPECT_FALSE(QFileInfo::exists(Caminho("nao_existe/fluxograma.pdf")));
}

// The set-up dialogue on a machine without printers: a PDF file is still
// offered, and what is confirmed is what the next print uses.
TEST_F(Impressao, ConfiguracaoConfirmadaValeParaAProximaImpressao) {
    QPrinter impressora(QPrinter::HighResolution);
    DialogoConfiguracaoImpressora dialogo(impressora, QStringList{});
    ASSERT_EQ(dialogo.Impressoras->count(), 1);
    EXPECT_EQ(dialogo.Impressoras->currentText(), "Arquivo PDF");
    EXPECT_FALSE(dialogo.Propriedades->isEnabled());
    EXPECT_TRUE(dialogo.ArquivoPdf->text().endsWith("/fluxograma.pdf"));

    dialogo.ArquivoPdf->setText(Caminho("paisagem.pdf"));
    dialogo.Papel->setCurrentIndex(dialogo.Papel->findText(QPageSize(QPageSize::A5).name()));
    dialogo.Paisagem->setChecked(true);
    dialogo.accept();
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(impressora.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(impressora.outputFileName(), Caminho("paisagem.pdf"));
    EXPECT_EQ(impressora.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_TRUE(impressora.pageLayout().pageSize().isEquivalentTo(QPageSize(QPageSize::A5)));

    DialogosFalsos dialogos(true);  // the print dialogue confirms what it is given
    ImprimirFluxograma(dialogos, impressora, figura_);
    const QSizeF pagina = PaginaDoPdf(Caminho("paisagem.pdf"));
    EXPECT_NEAR(pagina.width(), 595.3, 1.0);  // A5 lying down, in points
    EXPECT_NEAR(pagina.height(), 419.5, 1.0);
}

TEST_F(Impressao, ConfiguracaoCanceladaOuSemArquivoNaoMudaNada) {
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(Caminho("antes.pdf"));
    impressora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    const QPageLayout antes = impressora.pageLayout();
    const auto inalterada = [&] {
        EXPECT_EQ(impressora.outputFileName(), Caminho("antes.pdf"));
        EXPECT_TRUE(impressora.pageLayout().isEquivalentTo(antes));
    };
    {
        DialogoConfiguracaoImpressora dialogo(impressora, QStringList{});
        EXPECT_EQ(dialogo.ArquivoPdf->text(), Caminho("antes.pdf"));
        EXPECT_TRUE(dialogo.Retrato->isChecked());
        dialogo.Paisagem->setChecked(true);
        dialogo.ArquivoPdf->setText(Caminho("outro.pdf"));
        dialogo.reject();
        inalterada();
    }
    {
        DialogoConfiguracaoImpressora dialogo(impressora, QStringList{});
        dialogo.Paisagem->setChecked(true);
        dialogo.ArquivoPdf->setText("  ");
        dialogo.accept();
        EXPECT_NE(dialogo.result(), QDialog::Accepted);
        EXPECT_EQ(dialogo.Aviso->text(), "Escolha o arquivo PDF em que imprimir.");
        inalterada();
    }
}

// Cancels the next modal dialogue once the event loop shows it, noting
// its title.
void CancelarDialogo(QString& titulo) {
    QTimer::singleShot(0, [&titulo] {
        if (auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            titulo = dialogo->windowTitle();
            dialogo->reject();
        }
    });
}

TEST(DialogosImpressaoQt, CancelarNaoMudaAImpressora) {
    QPrinter impressora;
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    const QPageLayout antes = impressora.pageLayout();
    DialogosImpressaoQt dialogos(nullptr);

    QString titulo;
    CancelarDialogo(titulo);
    dialogos.ConfigurarImpressora(impressora);
    EXPECT_EQ(titulo, "Configurar impressora");
    EXPECT_TRUE(impressora.pageLayout().isEquivalentTo(antes));

    titulo.clear();
    CancelarDialogo(titulo);
    EXPECT_FALSE(dialogos.ConfirmarImpressao(impressora));
    EXPECT_EQ(titulo, "Imprimir");
}

}  // namespace
