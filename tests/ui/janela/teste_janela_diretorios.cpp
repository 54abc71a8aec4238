// The two drive choosers and directory lists share the one working directory.
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QStorageInfo>

#include "teste_janela_apoio.h"

namespace {

QString Canonico(const QString& caminho) { return QDir(caminho).canonicalPath(); }

QListWidgetItem* Entrada(QListWidget* lista, const QString& texto) {
    const auto achados = lista->findItems(texto, Qt::MatchExactly);
    return achados.isEmpty() ? nullptr : achados.first();
}

}  // namespace

class DiretoriosTeste : public JanelaTeste {
protected:
    void Abrir(QListWidget* lista, const QString& texto) {
        QListWidgetItem* item = Entrada(lista, texto);
        ASSERT_NE(item, nullptr) << texto.toStdString();
        emit lista->itemActivated(item);
        QCoreApplication::processEvents();
    }
    // Both lists and both choosers show this directory.
    void EsperarMostrando(const QString& diretorio) {
        for (QListWidget* lista : {janela->DirectoryListBox1, janela->DirectoryListBox2}) {
            ASSERT_GT(lista->count(), 0);
            EXPECT_EQ(Canonico(QDir::fromNativeSeparators(lista->item(0)->text())),
                      Canonico(diretorio));
        }
        const QString raiz = QStorageInfo(diretorio).rootPath();
        EXPECT_EQ(janela->DriveComboBox1->currentData().toString(), raiz);
        EXPECT_EQ(janela->DriveComboBox2->currentData().toString(), raiz);
    }
};

TEST_F(DiretoriosTeste, NoInicioMostramODiretorioDePartida) {
    EsperarMostrando(temporario.path());
}

TEST_F(DiretoriosTeste, AbrirEmQualquerListaMudaODiretorioDeTrabalhoEAsDuasListas) {
    ASSERT_TRUE(QDir(temporario.path()).mkpath("sub/neto"));
    janela->DriveComboBox1Change();  // rereads the lists, as after any change
    QCoreApplication::processEvents();

    Abrir(janela->DirectoryListBox1, "sub");
    EXPECT_EQ(Canonico(QDir::currentPath()), Canonico(temporario.filePath("sub")));
    EsperarMostrando(temporario.filePath("sub"));
    EXPECT_NE(Entrada(janela->DirectoryListBox2, "neto"), nullptr);

    Abrir(janela->DirectoryListBox2, "..");
    EXPECT_EQ(Canonico(QDir::currentPath()), Canonico(temporario.path()));
    EsperarMostrando(temporario.path());
    EXPECT_TRUE(apresentador.erros.empty());
}

TEST_F(DiretoriosTeste, DiretorioQueSumiuEErroEODiretorioFica) {
    ASSERT_TRUE(QDir(temporario.path()).mkpath("some"));
    janela->DriveComboBox2Change();
    QCoreApplication::processEvents();
    ASSERT_TRUE(QDir(temporario.path()).rmdir("some"));

    Abrir(janela->DirectoryListBox1, "some");
    ASSERT_EQ(apresentador.erros.size(), 1u);
    EXPECT_TRUE(apresentador.erros[0].mensagem.startsWith("Cannot open directory "));
    EXPECT_EQ(Canonico(QDir::currentPath()), Canonico(temporario.path()));
    EXPECT_EQ(Entrada(janela->DirectoryListBox1, "some"), nullptr);  // lists reread
}

TEST_F(DiretoriosTeste, EscolherAUnidadeAtualMantemODiretorio) {
    ASSERT_TRUE(QDir(temporario.path()).mkpath("sub"));
    ASSERT_TRUE(QDir::setCurrent(temporario.filePath("sub")));
    janela->DriveComboBox1Change();
    QCoreApplication::processEvents();
    EXPECT_EQ(Canonico(QDir::currentPath()), Canonico(temporario.filePath("sub")));
    EsperarMostrando(temporario.filePath("sub"));
}

TEST_F(DiretoriosTeste, EscolherOutraUnidadeVaiParaSuaRaiz) {
    const QString raizAtual = QStorageInfo(QDir::currentPath()).rootPath();
    int outra = -1;
    for (int i = 0; i < janela->DriveComboBox2->count() && outra < 0; ++i) {
        const QString raiz = janela->DriveComboBox2->itemData(i).toString();
        if (raiz != raizAtual && QFileInfo(raiz).isExecutable()) outra = i;
    }
    if (outra < 0) GTEST_SKIP() << "only one volume can be entered here";
    const QString raiz = janela->DriveComboBox2->itemData(outra).toString();
    janela->DriveComboBox2->setCurrentIndex(outra);
    emit janela->DriveComboBox2->activated(outra);
    QCoreApplication::processEvents();
    EXPECT_EQ(Canonico(QDir::currentPath()), Canonico(raiz));
    EsperarMostrando(raiz);
}

// The directory opened on either panel receives both output files: the
// report after opening it on the picture panel, the picture after opening
// another on the report panel.
TEST_F(DiretoriosTeste, ArquivosVaoParaODiretorioAbertoNoOutroPainel) {
    ASSERT_TRUE(QDir(temporario.path()).mkpath("relatorios"));
    ASSERT_TRUE(QDir(temporario.path()).mkpath("figuras"));
    janela->DriveComboBox1Change();
    QCoreApplication::processEvents();
    janela->BitBtn1Click();

    Abrir(janela->DirectoryListBox1, "relatorios");
    janela->Button1Click();
    EXPECT_TRUE(QFile::exists(temporario.filePath("relatorios/dados.txt"))) << Mensagens();

    Abrir(janela->DirectoryListBox2, "..");
    Abrir(janela->DirectoryListBox2, "figuras");
    janela->Button3Click();
    EXPECT_TRUE(QFile::exists(temporario.filePath("figuras/fluxograma.jpg"))) << Mensagens();
    EXPECT_FALSE(QFile::exists(temporario.filePath("dados.txt")));
    EXPECT_TRUE(apresentador.erros.empty()) << Mensagens();
}
