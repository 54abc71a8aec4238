// The report and picture buttons: files named from the panels' fields in the
// working directory, one printer setting, errors shown and the window kept.
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "PaginaPdf.h"
#include "teste_janela_apoio.h"
#include "ui/figura/DialogoConfiguracaoImpressora.h"
#include "ui/figura/Impressao.h"

namespace {

class DialogosGravados : public DialogosImpressao {
public:
    explicit DialogosGravados(bool confirmar, QString pdf) : confirmar_(confirmar), pdf_(pdf) {}
    bool ConfirmarImpressao(QPrinter& impressora) override {
        impressorasUsadas.push_back(&impressora);
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(pdf_);
        return confirmar_;
    }
    void ConfigurarImpressora(QPrinter& impressora) override {
        impressorasUsadas.push_back(&impressora);
    }
    std::vector<QPrinter*> impressorasUsadas;

private:
    bool confirmar_;
    QString pdf_;
};

// The real set-up dialogue; the print dialogue confirms what it is given.
class ConfiguracaoReal : public DialogosImpressaoQt {
public:
    using DialogosImpressaoQt::DialogosImpressaoQt;
    bool ConfirmarImpressao(QPrinter&) override { return true; }
};

// Answers the set-up dialogue once the event loop shows it.
void ResponderConfiguracao(const QString& pdf, bool paisagem, bool confirmar) {
    QTimer::singleShot(0, [=] {
        auto* d = dynamic_cast<DialogoConfiguracaoImpressora*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->ArquivoPdf->setText(pdf);
        (paisagem ? d->Paisagem : d->Retrato)->setChecked(true);
        if (confirmar) d->accept();
        else d->reject();
    });
}

}  // namespace

// "Cofigurar Impressora" chooses where and how "Imprimir" prints; Cancelar
// keeps the choice made before.
TEST_F(JanelaTeste, ConfigurarImpressoraEscolheOQueImprimirUsa) {
    janela->DefinirDialogosImpressao(std::make_unique<ConfiguracaoReal>(janela.get()));
    const QString pdf = temporario.filePath("deitado.pdf");
    ResponderConfiguracao(pdf, true, true);
    janela->Button4->click();
    janela->Button2->click();
    const QSizeF pagina = PaginaDoPdf(pdf);
    EXPECT_GT(pagina.width(), pagina.height()) << pagina.width() << " x " << pagina.height();

    ResponderConfiguracao(temporario.filePath("em_pe.pdf"), false, false);
    janela->Button4->click();
    QFile::remove(pdf);
    janela->Button2->click();
    EXPECT_GT(PaginaDoPdf(pdf).width(), PaginaDoPdf(pdf).height());
    EXPECT_FALSE(QFileInfo::exists(temporario.filePath("em_pe.pdf")));
    EXPECT_TRUE(apresentador.erros.empty()) << Mensagens();
}

TEST_F(JanelaTeste, SalvarGravaJpegComONomeDigitado) {
    janela->Button3->click();
    QFile padrao(temporario.filePath("fluxograma.jpg"));
    ASSERT_TRUE(padrao.open(QIODevice::ReadOnly));
    EXPECT_TRUE(padrao.read(2) == QByteArray("\xFF\xD8", 2));

    janela->Ejpeg->setText("figura.jpg");  // the extension is appended all the same
    janela->Button3->click();
    EXPECT_TRUE(QFileInfo::exists(temporario.filePath("figura.jpg.jpg")));
    EXPECT_TRUE(apresentador.erros.empty());
}

TEST_F(JanelaTeste, OkGravaORelatorioEFalhaViraMensagem) {
    janela->BitBtn1->click();  // the report is of the last run
    janela->Button1->click();
    EXPECT_TRUE(QFileInfo::exists(temporario.filePath("dados.txt")));
    EXPECT_TRUE(apresentador.erros.empty()) << Mensagens();

    janela->Etxt->setText("nao_existe/dados");
    janela->Button1->click();
    ASSERT_EQ(apresentador.erros.size(), 1u);
    EXPECT_TRUE(apresentador.erros[0].mensagem.endsWith('.'));
    EXPECT_TRUE(janela->isVisible());
}

TEST_F(JanelaTeste, ImprimirEConfigurarUsamAMesmaImpressora) {
    const QString pdf = temporario.filePath("pagina.pdf");
    auto cancelar = std::make_unique<DialogosGravados>(false, pdf);
    DialogosGravados* gravados = cancelar.get();
    janela->DefinirDialogosImpressao(std::move(cancelar));
    janela->Button4->click();
    janela->Button2->click();
    ASSERT_EQ(gravados->impressorasUsadas.size(), 2u);
    EXPECT_EQ(gravados->impressorasUsadas[0], &janela->Impressora());
    EXPECT_EQ(gravados->impressorasUsadas[1], &janela->Impressora());
    EXPECT_FALSE(QFileInfo::exists(pdf));  // cancelled: nothing printed

    janela->DefinirDialogosImpressao(std::make_unique<DialogosGravados>(true, pdf));
    janela->Button2->click();
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_TRUE(apresentador.erros.empty());
}

namespace {

QByteArray Bytes(const QString& caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

void Marcar(const QString& caminho) {
    QFile arquivo(caminho);
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write("antigo");
}

}  // namespace

// "OK" and "Salvar" ask before replacing a file, say where it went and show
// it selected in their directory list.
TEST_F(JanelaTeste, OkESalvarPerguntamAntesDeSubstituir) {
    janela->BitBtn1->click();
    const struct {
        QPushButton* botao;
        QListWidget* lista;
        QString arquivo;
        QString nota;
        QByteArray inicio;
    } saidas[] = {
        {janela->Button1, janela->DirectoryListBox2, "dados.txt",
         QString::fromUtf8("Relatório gravado em "), "Usina"},
        {janela->Button3, janela->DirectoryListBox1, "fluxograma.jpg", "Figura salva em ",
         QByteArray("\xFF\xD8", 2)},
    };
    for (const auto& saida : saidas) {
        SCOPED_TRACE(saida.arquivo.toStdString());
        const QString caminho = QDir::current().absoluteFilePath(saida.arquivo);
        Marcar(caminho);
        dialogos->substituicoes.clear();
        dialogos->substituir = false;
        saida.botao->click();
        EXPECT_EQ(dialogos->substituicoes, std::vector<QString>{caminho});
        EXPECT_EQ(Bytes(caminho), "antigo");

        dialogos->substituir = true;
        saida.botao->click();
        EXPECT_TRUE(Bytes(caminho).startsWith(saida.inicio));
        EXPECT_EQ(janela->LinhaAviso->text(), saida.nota + QDir::toNativeSeparators(caminho));
        ASSERT_NE(saida.lista->currentItem(), nullptr);
        EXPECT_EQ(saida.lista->currentItem()->text(), saida.arquivo);
    }
    EXPECT_TRUE(apresentador.erros.empty()) << Mensagens();
}

TEST_F(JanelaTeste, NomeVazioERecusado) {
    janela->BitBtn1->click();
    janela->Etxt->setText("  ");
    janela->Button1->click();
    janela->Ejpeg->setText("");
    janela->Button3->click();
    ASSERT_EQ(apresentador.erros.size(), 2u);
    EXPECT_EQ(apresentador.erros[0].mensagem,
              QString::fromUtf8("Digite o nome do arquivo do relatório antes de gravar."));
    EXPECT_EQ(apresentador.erros[1].mensagem,
              QString::fromUtf8("Digite o nome do arquivo da figura antes de salvar."));
    EXPECT_TRUE(QDir::current().entryList(QDir::Files | QDir::Hidden).isEmpty());
}
