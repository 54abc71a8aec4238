// The window as a desktop program: its icon, and the keyboard (F9 and Enter
// run the calculation, Enter in a file name writes its file, Tab walks each
// panel's fields top to bottom).
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "teste_janela_apoio.h"
#include "ui/janela/DefinicaoJanela.h"

namespace {

using TecladoJanela = JanelaTeste;

TEST_F(TecladoJanela, F9ExecutaDeQualquerPainel) {
    Escolher(3);  // the boiler panel
    QTest::keyClick(janela.get(), Qt::Key_F9);
    QCoreApplication::processEvents();
    EXPECT_EQ(Campo("Emcomb")->text(), "    2,4020E+001") << Mensagens();
    EXPECT_TRUE(janela->Panel5->isVisible());
}

TEST_F(TecladoJanela, EnterNumCampoDeEntradaExecuta) {
    Escolher(1);
    QLineEdit* etcon = Campo("Etcon");
    etcon->setFocus();
    etcon->setText("95,0");
    QTest::keyClick(etcon, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(etcon->text(), "    9,5000E+001");
    EXPECT_FALSE(Campo("Et19b")->text().isEmpty());
}

TEST_F(TecladoJanela, EnterNoNomeDoArquivoGravaOArquivo) {
    QTest::keyClick(janela.get(), Qt::Key_F9);
    Escolher(10);
    QLineEdit* etxt = Campo("Etxt");
    etxt->setText("teclado");
    QTest::keyClick(etxt, Qt::Key_Return);
    EXPECT_TRUE(QFile::exists("teclado.txt")) << Mensagens();
    Escolher(11);
    QLineEdit* ejpeg = Campo("Ejpeg");
    ejpeg->setText("teclado");
    QTest::keyClick(ejpeg, Qt::Key_Return);
    EXPECT_TRUE(QFile::exists("teclado.jpg")) << Mensagens();
}

// Tab from a panel's first field reaches its other fields in table order.
TEST_F(TecladoJanela, TabSegueOsCamposDeCimaParaBaixo) {
    const auto& paineis = PaineisJanela();
    for (int i = 0; i < std::ssize(paineis); ++i) {
        const DefinicaoPainel& painel = paineis[i];
        if (painel.linhas.size() < 2) continue;
        SCOPED_TRACE(painel.nomePainel);
        Escolher(i);
        std::vector<QLineEdit*> esperados;
        for (const LinhaCampo& linha : painel.linhas) {
            QLineEdit* campo = janela.get()->*linha.campo;
            if (campo->isVisible()) esperados.push_back(campo);
        }
        esperados.front()->setFocus();
        QCoreApplication::processEvents();
        for (std::size_t k = 1; k < esperados.size(); ++k) {
            // Widgets that are not fields (the check box) may lie between.
            QWidget* atual = QApplication::focusWidget();
            for (int passos = 0; passos < 5 && atual != esperados[k]; ++passos) {
                QTest::keyClick(atual, Qt::Key_Tab);
                atual = QApplication::focusWidget();
                if (qobject_cast<QLineEdit*>(atual) != nullptr) break;
            }
            EXPECT_EQ(atual, esperados[k]) << "depois de " << esperados[k - 1]->objectName().toStdString();
            if (atual != esperados[k]) break;
        }
    }
}

}  // namespace

namespace {

TEST_F(TecladoJanela, JanelaTemOIconeDoPrograma) {
    const QIcon icone = janela->windowIcon();
    ASSERT_FALSE(icone.isNull());
    for (int tamanho : {16, 48, 256}) {
        EXPECT_EQ(icone.pixmap(tamanho, tamanho).width(), tamanho) << tamanho;
    }
}

}  // namespace
