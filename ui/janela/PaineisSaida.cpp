#include "ui/janela/PaineisSaida.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/comum/Idioma.h"
#include "ui/janela/PaineisDados.h"
#include "ui/janela/SeletorDiretorio.h"
#include "ui/janela/Uusina.h"

namespace {

// texto in Portuguese, translated in ContextoJanela now and after a change
// of language.
QPushButton* CriarBotao(const QString& nome, const char* texto, QWidget* pai) {
    auto* botao = new QPushButton(pai);
    botao->setObjectName(nome);
    TextoTraduzido(botao, "text", ContextoJanela, texto);
    return botao;
}

constexpr int AlturaListaDiretorios = 160;  // pixels
constexpr int LarguraListaDiretorios = 260;  // pixels
// Below the picture the chooser and its list fit the picture's width, so
// that the panel is no wider than its picture.
constexpr int LarguraListaFigura = 220;    // pixels
constexpr int LarguraUnidadesFigura = 140;  // pixels

}  // namespace

std::unique_ptr<SeletorDiretorio> CriarPainelRelatorio(TFusina& janela,
                                                       const DefinicaoPainel& definicao,
                                                       const std::string& separador,
                                                       QWidget* pai) {
    const PainelMontado montado = CriarMolduraPainel(janela, definicao, pai);
    QFrame* painel = montado.painel;
    const LinhaCampo& nomeArquivo = definicao.linhas.at(0);

    auto* esquerda = new QVBoxLayout;
    auto* linhaNome = new QHBoxLayout;
    QLabel* legenda = CriarLegenda(janela, nomeArquivo, painel);
    QLineEdit* campo = CriarCampo(janela, nomeArquivo, separador, painel);
    legenda->setBuddy(campo);
    linhaNome->addWidget(legenda);
    linhaNome->addWidget(campo);
    esquerda->addLayout(linhaNome);
    janela.Button1 = CriarBotao("Button1", QT_TRANSLATE_NOOP("Janela", "OK"), painel);
    esquerda->addWidget(janela.Button1, 0, Qt::AlignRight);
    esquerda->addStretch();

    auto seletor = std::make_unique<SeletorDiretorio>("DriveComboBox2", "DirectoryListBox2",
                                                      QStringList{"*.txt"}, painel);
    janela.DriveComboBox2 = seletor->Unidades();
    janela.DirectoryListBox2 = seletor->Lista();
    janela.DirectoryListBox2->setFixedSize(LarguraListaDiretorios, AlturaListaDiretorios);
    janela.DriveComboBox2->setFixedWidth(LarguraListaDiretorios);
    auto* direita = new QVBoxLayout;
    direita->addWidget(janela.DriveComboBox2);
    direita->addWidget(janela.DirectoryListBox2);

    auto* linhas = new QHBoxLayout;
    linhas->setSpacing(16);
    linhas->addLayout(esquerda);
    linhas->addLayout(direita);
    montado.corpo->addLayout(linhas);
    montado.corpo->addStretch();
    return seletor;
}

std::unique_ptr<SeletorDiretorio> CriarPainelFigura(TFusina& janela,
                                                    const DefinicaoPainel& definicao,
                                                    const std::string& separador,
                                                    const QImage& figura, QWidget* pai) {
    const PainelMontado montado = CriarMolduraPainel(janela, definicao, pai);
    QFrame* painel = montado.painel;

    janela.Image1 = new QLabel(painel);
    janela.Image1->setObjectName("Image1");
    janela.Image1->setPixmap(QPixmap::fromImage(figura));
    janela.Image1->setFixedSize(figura.size());
    montado.corpo->addWidget(janela.Image1, 0, Qt::AlignHCenter);

    // Printing buttons at the lower left, beside the chooser.
    janela.Button4 = CriarBotao("Button4", QT_TRANSLATE_NOOP("Janela", "Cofigurar Impressora"), painel);
    janela.Button2 = CriarBotao("Button2", QT_TRANSLATE_NOOP("Janela", "Imprimir"), painel);
    auto* impressao = new QVBoxLayout;
    impressao->addStretch();
    impressao->addWidget(janela.Button4);
    impressao->addWidget(janela.Button2);

    auto seletor = std::make_unique<SeletorDiretorio>("DriveComboBox1", "DirectoryListBox1",
                                                      QStringList{"*.jpg"}, painel);
    janela.DriveComboBox1 = seletor->Unidades();
    janela.DirectoryListBox1 = seletor->Lista();
    janela.DriveComboBox1->setFixedWidth(LarguraUnidadesFigura);
    janela.DirectoryListBox1->setFixedSize(LarguraListaFigura, AlturaListaDiretorios);

    auto* meio = new QHBoxLayout;
    meio->setSpacing(12);
    meio->addLayout(impressao);
    meio->addStretch();
    meio->addWidget(janela.DriveComboBox1, 0, Qt::AlignTop);
    meio->addWidget(janela.DirectoryListBox1);
    montado.corpo->addLayout(meio);

    // Saving along the bottom.
    const LinhaCampo& nomeArquivo = definicao.linhas.at(0);
    QLabel* legenda = CriarLegenda(janela, nomeArquivo, painel);
    QLineEdit* campo = CriarCampo(janela, nomeArquivo, separador, painel);
    legenda->setBuddy(campo);
    janela.Button3 = CriarBotao("Button3", QT_TRANSLATE_NOOP("Janela", "Salvar"), painel);
    auto* salvar = new QHBoxLayout;
    salvar->addWidget(legenda);
    salvar->addWidget(campo);
    salvar->addWidget(janela.Button3);
    salvar->addStretch();
    montado.corpo->addLayout(salvar);
    montado.corpo->addStretch();
    return seletor;
}
