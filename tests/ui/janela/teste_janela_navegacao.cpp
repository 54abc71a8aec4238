// "Componentes": each item shows its panel and no other, and every shown
// panel lays out its captions whole, beside their fields.
#include <QFrame>
#include <QLabel>

#include "teste_janela_apoio.h"
#include "ui/janela/DefinicaoJanela.h"

namespace {

struct Item {
    const char* texto;
    const char* painel;
    const char* titulo;
};

const Item itens[] = {
    {"Dados de Entrada globais", "Panel11", "Dados de Entrada Globais"},
    {"Dados de Entrada", "Panel2", "Dados de Entrada"},
    {"Processo", "Panel3", "Vapor para Processo"},
    {"Caldeira", "Panel5", "Caldeira"},
    {"Turbina alta pressão", "Panel4", "Turbina de alta pressão"},
    {"Bomba", "Panel6", "Bombeamento de condensado"},
    {"Turbina de acionamento bomba", "Panel7", "Turbina de Acionamento da bomba de condensado"},
    {"Turbomoenda", "Panel8", "TurboMoenda"},
    {"Turbina média pressão", "Panel9", "Turbina de Média Pressão"},
    {"Resultados Gerais", "Panel12", "Resultados Globais"},
    {"Arquivo de resultados gerais", "Panel10", "Dados Gerais por rótulo"},
    {"Fluxograma", "Panel13", "Fluxograma esquemático da Usina avaliada com contra pressão"},
};

QStringList PaineisVisiveis(const TFusina& janela) {
    QStringList visiveis;
    for (const Item& item : itens) {
        auto* painel = janela.findChild<QFrame*>(item.painel);
        if (painel && painel->isVisible()) visiveis << item.painel;
    }
    return visiveis;
}

}  // namespace

// The table above and the window's definition list the same panels in the
// same order.
TEST(DefinicaoJanela, ItensNaOrdemDaDefinicao) {
    const auto& paineis = PaineisJanela();
    ASSERT_EQ(paineis.size(), std::size(itens));
    for (std::size_t i = 0; i < paineis.size(); ++i) {
        EXPECT_STREQ(paineis[i].item, itens[i].texto) << i;
        EXPECT_STREQ(paineis[i].nomePainel, itens[i].painel) << i;
        EXPECT_STREQ(paineis[i].textoTitulo, itens[i].titulo) << i;
    }
}

TEST_F(JanelaTeste, ItensNaOrdemComSeusTitulos) {
    const auto botoes = janela->RadioGroup1->findChildren<QRadioButton*>();
    ASSERT_EQ(botoes.size(), std::ssize(itens));
    for (int i = 0; i < std::ssize(itens); ++i) {
        EXPECT_EQ(botoes[i]->text(), QString::fromUtf8(itens[i].texto)) << i;
        auto* painel = janela->findChild<QFrame*>(itens[i].painel);
        ASSERT_NE(painel, nullptr);
        QStringList textos;
        for (QLabel* rotulo : painel->findChildren<QLabel*>()) textos << rotulo->text();
        EXPECT_TRUE(textos.contains(QString::fromUtf8(itens[i].titulo))) << i;
    }
}

TEST_F(JanelaTeste, NoInicioItem0EPainelGlobal) {
    EXPECT_TRUE(janela->RadioGroup1->findChildren<QRadioButton*>().at(0)->isChecked());
    EXPECT_EQ(PaineisVisiveis(*janela), QStringList{"Panel11"});
    EXPECT_TRUE(janela->Panel1->isVisible());
    EXPECT_TRUE(janela->Panel14->isVisible());
    for (QRadioButton* botao : janela->RadioGroup1->findChildren<QRadioButton*>())
        EXPECT_GE(botao->width(), botao->sizeHint().width()) << botao->text().toStdString();
}

TEST_F(JanelaTeste, CadaItemMostraSoSeuPainel) {
    // Every item, then back and forth, as the user would go.
    const int ordem[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 5, 11, 0};
    for (int item : ordem) {
        Escolher(item);
        EXPECT_EQ(PaineisVisiveis(*janela), QStringList{itens[item].painel}) << item;
        EXPECT_TRUE(janela->Panel1->isVisible());
        EXPECT_TRUE(janela->Panel14->isVisible());
    }
}

TEST_F(JanelaTeste, PainelMostradoSemLegendaCortadaNemSobreposta) {
    for (int item = 0; item < std::ssize(itens); ++item) {
        Escolher(item);
        auto* painel = janela->findChild<QFrame*>(itens[item].painel);
        SCOPED_TRACE(itens[item].painel);
        for (QLabel* rotulo : painel->findChildren<QLabel*>()) {
            if (rotulo->text().isEmpty() || !rotulo->isVisible()) continue;
            EXPECT_GE(rotulo->width(), rotulo->sizeHint().width()) << rotulo->text().toStdString();
            EXPECT_TRUE(painel->rect().contains(rotulo->geometry()))
                << rotulo->text().toStdString();
            if (QWidget* campo = rotulo->buddy(); campo && campo->isVisible()) {
                EXPECT_TRUE(rotulo->alignment() & Qt::AlignRight);
                EXPECT_LE(rotulo->geometry().right(), campo->geometry().left());
                EXPECT_TRUE(painel->rect().contains(campo->geometry()));
            }
        }
    }
}
