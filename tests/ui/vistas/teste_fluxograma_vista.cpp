// The view of the flowsheet with results: the stale notice and "Exportar…"
// with the file name and the question about replacing answered by the test.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "plant/CalculoUsina.h"
#include "ui/comum/TratadorErros.h"
#include "ui/vistas/VistaFluxograma.h"

namespace {

class VistaTeste : public ::testing::Test, public ApresentadorErros {
protected:
    void SetUp() override {
        anterior = InstalarApresentador(this);
        CalcularUsina(EntradasUsina{}, resultado);
        vista.DefinirSeparador(",");
        vista.resize(900, 530);
        vista.show();
        vista.DefinirEscolhaArquivo([this](const QString&, const QString& inicial,
                                           const QStringList&, const QStringList& sufixos) {
            iniciais << inicial;
            primeiros << sufixos.value(0);
            return resposta;
        });
        vista.DefinirConfirmacaoSubstituir([this](const QString&) { return substituir; });
    }
    void TearDown() override { InstalarApresentador(anterior); }
    void MostrarErro(const QString&, const QString& mensagem) override { erros << mensagem; }
    void Exportar(const QString& nome) {
        resposta = nome.isEmpty() ? nome : dir.filePath(nome);
        vista.findChild<QPushButton*>("BotaoExportarFluxograma")->click();
    }

    ApresentadorErros* anterior = nullptr;
    ResultadoUsina resultado;
    VistaFluxograma vista;
    QTemporaryDir dir;
    QString resposta;
    bool substituir = false;
    QStringList erros, iniciais, primeiros;
};

// The notice shows while stale, the drawing moves down to make room for it,
// and a new result clears it.
TEST_F(VistaTeste, AvisoDeResultadosDesatualizados) {
    EXPECT_EQ(vista.objectName(), "VistaFluxograma");
    EXPECT_LE(vista.minimumWidth(), 400);
    EXPECT_LE(vista.minimumHeight(), 240);
    auto* aviso = vista.findChild<QLabel*>("AvisoDesatualizado");
    ASSERT_NE(aviso, nullptr);
    vista.MostrarResultado(resultado);
    EXPECT_FALSE(aviso->isVisibleTo(&vista));
    const double topo = vista.AreaDesenho().top();

    vista.MarcarDesatualizado(true);
    EXPECT_TRUE(aviso->isVisibleTo(&vista));
    EXPECT_EQ(aviso->text(), "Os resultados não correspondem mais às entradas: clique em "
                             "\"Executar\" para recalcular.");
    vista.grab();  // lays the widget out again
    EXPECT_GE(vista.AreaDesenho().top(), aviso->geometry().bottom());
    EXPECT_GT(vista.AreaDesenho().top(), topo);

    vista.MostrarResultado(resultado);
    EXPECT_FALSE(aviso->isVisibleTo(&vista));
}

// The suffix chooses the format; the next export starts at the last file.
TEST_F(VistaTeste, ExportaOFormatoDoSufixo) {
    vista.MostrarResultado(resultado);
    Exportar("fluxo.svg");
    Exportar("fluxo.PDF");
    EXPECT_TRUE(erros.isEmpty()) << erros.join(" | ").toStdString();
    EXPECT_TRUE(iniciais.value(0).endsWith("/fluxograma.png"));
    EXPECT_EQ(iniciais.value(1), QFileInfo(dir.filePath("fluxo.svg")).absoluteFilePath());
    EXPECT_EQ(primeiros, QStringList({"png", "svg"}));
    QFile svg(dir.filePath("fluxo.svg")), pdf(dir.filePath("fluxo.PDF"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly) && pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("192,0 t/h"));
    EXPECT_EQ(pdf.read(4), "%PDF");
}

// Nothing is written when cancelled, refused, or under a name of no known
// format; errors reach the general handler.
TEST_F(VistaTeste, QuandoNaoGrava) {
    Exportar("");
    Exportar("fluxo.jpg");
    Exportar("nao-existe/fluxo.png");
    EXPECT_EQ(erros, QStringList({"Escolha um nome terminado em .png, .svg ou .pdf para "
                                  "exportar o fluxograma.",
                                  "Não foi possível gravar o arquivo \"" +
                                      QDir::toNativeSeparators(dir.filePath("nao-existe/fluxo.png")) +
                                      "\": a pasta não existe."}));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("fluxo.jpg")));

    QFile existe(dir.filePath("existe.png"));
    ASSERT_TRUE(existe.open(QIODevice::WriteOnly));
    existe.write("antigo");
    existe.close();
    Exportar("existe.png");
    ASSERT_TRUE(existe.open(QIODevice::ReadOnly));
    EXPECT_EQ(existe.readAll(), "antigo");
    existe.close();
    substituir = true;
    Exportar("existe.png");
    EXPECT_EQ(QImage(dir.filePath("existe.png")).width(), 2000);
}

}  // namespace
