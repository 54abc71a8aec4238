// What a colleague's file carries — its text, its keys, its name, and what a
// field was typed with — is shown as the characters it holds wherever the
// window shows it: markup in it never becomes a heading, a link or a loaded
// picture. The boxes checked are Qt's real ones, read while they are open.
// Also the settings file that is not a regular file or is huge: the window
// starts at once, with its defaults, and leaves the file alone.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>
#include <atomic>
#include <functional>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "io/CasoUsina.h"
#include "teste_janela_apoio.h"
#include "ui/analise/VistaComparacao.h"
#include "ui/comum/Configuracoes.h"
#include "ui/comum/Idioma.h"
#include "ui/janela/CasosRecentes.h"
#include "ui/vistas/VistaDiagramaTs.h"
#include "ui/vistas/VistaExergia.h"
#include "ui/vistas/VistaFluxograma.h"

namespace {

const QString Titulo = "<h1>X</h1>";
const QString Imagem = "<img src='fluxograma.jpg' width=500>";
const QString Elo = "<a href='https://x.invalid/'><h1>Atualizar</h1></a>";
const QString NomeGrande = "<h1>BIG.usina";

// What a person reads in a text shown in the format given.
QString Lido(const QString& texto, Qt::TextFormat formato = Qt::AutoText) {
    const bool rico =
        formato == Qt::RichText || (formato == Qt::AutoText && Qt::mightBeRichText(texto));
    if (!rico) return texto;
    QTextDocument documento;
    documento.setHtml(texto);
    return documento.toPlainText();
}
QString Lido(const QLabel& rotulo) { return Lido(rotulo.text(), rotulo.textFormat()); }

// No label under raiz shows a tag of the hostile texts as markup: any
// label that is read as rich text holds them escaped, if at all.
void NenhumRotuloInterpretado(const QWidget& raiz) {
    for (const QLabel* rotulo : raiz.findChildren<QLabel*>()) {
        if (Lido(*rotulo) == rotulo->text()) continue;
        for (const char* marca : {"<h1>", "<img", "<a href", "<b>negrito"})
            EXPECT_FALSE(rotulo->text().contains(marca))
                << rotulo->objectName().toStdString() << ": " << rotulo->text().toStdString();
    }
}

// Everything the modal box that abrir opens says, as read; the box is then
// closed with no button chosen (the answer is "cancel").
QString LerCaixa(const std::function<void()>& abrir) {
    QStringList lido;
    QTimer relogio;
    relogio.setInterval(10);
    QObject::connect(&relogio, &QTimer::timeout, [&] {
        auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (caixa == nullptr) return;
        relogio.stop();
        for (const QLabel* rotulo : caixa->findChildren<QLabel*>()) lido << Lido(*rotulo);
        caixa->done(0);
    });
    relogio.start();
    abrir();
    relogio.stop();
    return lido.join('\n');
}

void Escrever(const QString& caminho, const QByteArray& bytes) {
    QFile arquivo(caminho);
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(bytes);
}

// A valid case with one more, unknown key.
QByteArray CasoComChave(const QString& chave) {
    QByteArray json = QByteArray::fromStdString(CasoParaJson(CasoUsina{}));
    json.insert(1, "\n  \"" + chave.toUtf8() + "\": 1,");
    return json;
}

class TextosHostis : public JanelaTeste {
protected:
    void SetUp() override {
        JanelaTeste::SetUp();
        // A picture that rich text would load and show.
        QFile::copy(QFileInfo(USINA_EXEMPLO_CASO).absolutePath() + "/fluxograma.jpg",
                    temporario.filePath("fluxograma.jpg"));
    }
    void TearDown() override {
        InstalarApresentador(&apresentador);
        JanelaTeste::TearDown();
    }
};

// The error box: a refused case quotes the file's own texts and names it.
TEST_F(TextosHostis, CaixaDeErro) {
    InstalarApresentador(nullptr);  // Qt's real box
    const struct {
        QString nome;
        QByteArray conteudo;
        QString literal;
    } casos[] = {
        {"titulo.usina", "{\"formato\": \"" + Titulo.toUtf8() + "\", \"versao\": 1}", Titulo},
        {"imagem.usina", "{\"formato\": \"" + Imagem.toUtf8() + "\", \"versao\": 1}", Imagem},
        // The syntax error's excerpt of the text.
        {"sintaxe.usina", "{\"formato\": <b>negrito</b>}", "<b>negrito</b>}"},
        {NomeGrande, "{\"formato\": \"usina-caso\"}", NomeGrande},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome.toStdString());
        const QString caminho = temporario.filePath(c.nome);
        Escrever(caminho, c.conteudo);
        const QString lido = LerCaixa([&] { EXPECT_FALSE(janela->AbrirCaso(caminho)); });
        EXPECT_TRUE(lido.contains(c.literal)) << lido.toStdString();
        NenhumRotuloInterpretado(*janela);
    }
}

// The warning line names the file and its unknown key; the title, the
// "unsaved changes" question and the recent files' tooltips name the file.
TEST_F(TextosHostis, LinhaDeAvisoPerguntaEDicas) {
    const QString caminho = temporario.filePath(NomeGrande);
    Escrever(caminho, CasoComChave(Elo));
    ASSERT_TRUE(janela->AbrirCaso(caminho)) << Mensagens();
    const QString aviso = Lido(*janela->LinhaAviso);
    EXPECT_TRUE(aviso.contains(Elo)) << aviso.toStdString();
    EXPECT_TRUE(aviso.contains(NomeGrande)) << aviso.toStdString();
    EXPECT_TRUE(janela->windowTitle().startsWith(NomeGrande));
    NenhumRotuloInterpretado(*janela);

    bool dica = false;
    for (const QAction* a : janela->MenuRecentes->actions())
        dica = dica || Lido(a->toolTip()) == QDir::toNativeSeparators(caminho);
    EXPECT_TRUE(dica);

    Campo("Ecapusi")->setText("500");
    janela->DefinirDialogosArquivo(std::make_unique<DialogosArquivoQt>(janela.get()));
    const QString pergunta = LerCaixa([&] { janela->NovoClick(); });
    EXPECT_TRUE(pergunta.contains("\"" + NomeGrande + "\"")) << pergunta.toStdString();
    EXPECT_EQ(Campo("Ecapusi")->text(), "500");  // cancelled: nothing lost
}

// The comparison view: a saved case's name and description in its heading
// and its tooltip, then a field's text that cannot be read in the notice
// above the table.
TEST_F(TextosHostis, ComparacaoDeCasos) {
    const QString caminho = temporario.filePath(NomeGrande);
    GravarCaso(QFile::encodeName(caminho).toStdString(), {EntradasUsina{}, Imagem.toStdString()});
    janela->ExibirVista(janela->Comparacao);
    janela->Comparacao->AdicionarCaso(caminho);
    QCoreApplication::processEvents();
    const QTreeWidget* arvore = janela->Comparacao->Arvore;
    const int coluna = VistaComparacao::ColunaValor(1);
    EXPECT_EQ(arvore->headerItem()->text(coluna), "<h1>BIG");
    const QString cabecalho = Lido(arvore->headerItem()->toolTip(coluna));
    EXPECT_TRUE(cabecalho.contains(Imagem)) << cabecalho.toStdString();
    EXPECT_TRUE(cabecalho.contains(NomeGrande)) << cabecalho.toStdString();

    Campo("Ecapusi")->setText(Titulo);
    janela->Comparacao->Atualizar();
    const auto* aviso = janela->Comparacao->findChild<QLabel*>("AvisoEntradasComparacao");
    ASSERT_NE(aviso, nullptr);
    EXPECT_TRUE(Lido(*aviso).contains("\"" + Titulo + "\"")) << aviso->text().toStdString();
    NenhumRotuloInterpretado(*janela);
}

// A report written through a planted link: the question names the file the
// link leads to, and that file, not the link, gets the report.
TEST_F(TextosHostis, LigacaoNomeiaODestino) {
    janela->BitBtn1Click();
    ASSERT_TRUE(QDir(temporario.path()).mkdir("alvo"));
    const QString destino = temporario.filePath("alvo/<h1>bashrc");
    Escrever(destino, "antigo");
    const QString ligacao = temporario.filePath("relatorio.txt");
    ASSERT_TRUE(QFile::link("alvo/<h1>bashrc", ligacao));
    janela->Etxt->setText("relatorio");
    dialogos->substituir = false;
    janela->Button1Click();
    EXPECT_EQ(dialogos->substituicoes, std::vector<QString>{destino});
    dialogos->substituir = true;
    janela->Button1Click();
    QFile lido(destino);
    ASSERT_TRUE(lido.open(QIODevice::ReadOnly));
    EXPECT_NE(lido.readAll(), "antigo");
    EXPECT_TRUE(QFileInfo(ligacao).isSymLink());

    // A FIFO in the report's place: refused with the report's own fixed
    // text, without a question first and without waiting for a reader.
    ASSERT_EQ(mkfifo(QFile::encodeName(temporario.filePath("fifo.txt")).constData(), 0600), 0);
    janela->Etxt->setText("fifo");
    dialogos->substituicoes.clear();
    janela->Button1Click();
    EXPECT_TRUE(dialogos->substituicoes.empty());
    ASSERT_EQ(apresentador.erros.size(), 1u);
    EXPECT_EQ(apresentador.erros[0].mensagem, "File access denied.");

    const QString pergunta = LerCaixa(
        [&] { DialogosArquivoQt(janela.get()).ConfirmarSubstituirLigacao(ligacao, destino); });
    EXPECT_TRUE(pergunta.contains("\"" + ligacao + "\"")) << pergunta.toStdString();
    EXPECT_TRUE(pergunta.contains("\"" + destino + "\"")) << pergunta.toStdString();
}

// The views' exports ask the same question as the window's own: through a
// link, about the file it leads to; about a directory of that name, nothing
// (the write says why).
TEST_F(TextosHostis, ExportacoesDasVistasNomeiamODestino) {
    janela->BitBtn1Click();
    ASSERT_TRUE(QDir(temporario.path()).mkdir("alvo"));
    ASSERT_TRUE(QDir(temporario.path()).mkdir("pasta.png"));
    const QString destino = temporario.filePath("alvo/figura.png");
    Escrever(destino, "antigo");
    ASSERT_TRUE(QFile::link("alvo/figura.png", temporario.filePath("ligacao.png")));
    const struct {
        const char* nome;
        std::function<void()> exportar;
    } vistas[] = {
        {"fluxograma", [&] { janela->FluxogramaResultados->ExportarClick(); }},
        {"exergia", [&] { janela->Exergia->ExportarClick(); }},
        {"diagrama T-s", [&] { janela->DiagramaTs->ExportarClick(); }},
    };
    dialogos->substituir = false;
    for (const auto& v : vistas) {
        SCOPED_TRACE(v.nome);
        dialogos->substituicoes.clear();
        apresentador.erros.clear();
        dialogos->gravar = temporario.filePath("ligacao.png");
        v.exportar();
        EXPECT_EQ(dialogos->substituicoes, std::vector<QString>{destino});
        dialogos->gravar = temporario.filePath("pasta.png");
        v.exportar();
        EXPECT_EQ(dialogos->substituicoes.size(), 1u);
        EXPECT_EQ(apresentador.erros.size(), 1u);
    }
    QFile lido(destino);
    ASSERT_TRUE(lido.open(QIODevice::ReadOnly));
    EXPECT_EQ(lido.readAll(), "antigo");
}

// A settings file that is a FIFO, or far larger than settings can be: a new
// window starts at once with the defaults and says why; the file is neither
// read nor replaced.
TEST_F(TextosHostis, ConfiguracoesQueNaoSaoUsadas) {
    const QString caminho = ArquivoConfiguracoes();
    const QByteArray local = QFile::encodeName(caminho);
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    QFile::remove(caminho);

    const auto verificar = [&](const char* motivo) {
        QElapsedTimer relogio;
        relogio.start();
        TFusina nova;
        EXPECT_EQ(IdiomaGuardado(), Idioma::Portugues);
        GuardarIdioma(Idioma::Ingles);
        CasosRecentes::Acrescentar(temporario.filePath("a.usina"));
        EXPECT_TRUE(CasosRecentes::Lista().isEmpty());
        EXPECT_LT(relogio.elapsed(), 1000);
        const QString nota = Lido(*nova.LinhaAviso);
        EXPECT_TRUE(nota.contains(QDir::toNativeSeparators(caminho))) << nota.toStdString();
        EXPECT_TRUE(nota.contains(motivo)) << nota.toStdString();
    };

    ASSERT_EQ(mkfifo(local.constData(), 0600), 0);
    {
        // Should anything open the FIFO and wait, this frees it after 3 s.
        std::atomic<bool> fim{false};
        std::thread guarda([&] {
            for (int i = 0; i < 300 && !fim; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (fim) return;
            const int fd = open(local.constData(), O_RDWR | O_NONBLOCK);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (fd >= 0) close(fd);
        });
        verificar("FIFO");
        fim = true;
        guarda.join();
    }
    struct stat info {};
    ASSERT_EQ(stat(local.constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    QFile::remove(caminho);

    // 200 000 recent paths in Qt's own format.
    QByteArray grande = "[arquivo]\ncasosRecentes=";
    for (int i = 0; i < 200000; ++i) grande += "/home/u/caso-" + QByteArray::number(i) + ".usina, ";
    grande += "/fim.usina\n";
    Escrever(caminho, grande);
    verificar("grande demais");
    EXPECT_EQ(QFileInfo(caminho).size(), grande.size());
    QFile::remove(caminho);
}

}  // namespace
