// The window as built: every component by name, captions and default texts,
// which fields accept typing, and the fixed texts of the window.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include "plant/TabelaSafra.h"
#include "plant/LegendasResultados.h"
#include "teste_janela_apoio.h"
#include "ui/figura/Fluxograma.h"
#include "ui/janela/DefinicaoJanela.h"
#include "ui/janela/Memo.h"

namespace {

QLabel* LegendaDe(const TFusina& janela, const QWidget* campo) {
    for (QLabel* legenda : janela.findChildren<QLabel*>())
        if (legenda->buddy() == campo) return legenda;
    return nullptr;
}

struct Entrada {
    const char* campo;
    const char* legenda;
    const char* padrao;
};

// Inputs with their captions and default texts as the user sees them.
const Entrada entradas[] = {
    {"Ecapusi", "Capacidade da Usina [ton cana/h]", "400,0"},
    {"Evap", "Vapor por tonelada de cana [kg]", "480,0"},
    {"Ebag", "Bagaço (50% de umidade) por ton de cana [kg]", "260,0"},
    {"Epci", "PCI do bagaço [kJ/kg]", "7530,0"},
    {"Epotmoe", "Potência de moagem [kWh/ton cana]", "15,0"},
    {"Eprevap", "Pressão do vapor para processos [bar]", "2,5"},
    {"Eprecal", "Pressão de operação da Caldeira [bar]", "80,0"},
    {"Etscal", "Temperatura de saída da caldeira [°C]", "450,0"},
    {"Eefical", "Eficiência Térmica da Caldeira [%]", "85,0"},
    {"Epstap", "Pressão de saída na turbina de alta pressão [bar]", "22,0"},
    {"Eefitap", "Eficiência da turbina de alta pressão [%]", "75,0"},
    {"Eprecon", "Pressão do condensado de retorno [bar]", "2,0"},
    {"Etcon", "Temperatura do condensado de retorno [°C]", "90,0"},
    {"Eefibom", "Eficiência isentrópica da bomba de condensado [%]", "65,0"},
    {"Eefitb", "Eficiência da turbina de acionamento da bomba [%]", "48,0"},
    {"Eefitm", "Eficiência isentrópica da turbomoenda [%]", "48,0"},
    {"Emvalv", "Quantidade de vapor para válvula de expansão [%]", "10,0"},
    {"Eefitmp", "Eficiência isentrópica turbina de média pressão [%]", "70,0"},
    {"Etxt", "Digite o nome do arquivo de saída tipo .txt", "dados"},
    {"Ejpeg", "Salvar a figura como .jpeg", "fluxograma"},
};

}  // namespace

TEST_F(JanelaTeste, EntradasTemLegendaETextoPadrao) {
    for (const Entrada& e : entradas) {
        SCOPED_TRACE(e.campo);
        QLineEdit* campo = Campo(e.campo);
        ASSERT_NE(campo, nullptr);
        EXPECT_EQ(campo->text(), QString::fromUtf8(e.padrao));
        EXPECT_FALSE(campo->isReadOnly());
        QLabel* legenda = LegendaDe(*janela, campo);
        ASSERT_NE(legenda, nullptr);
        EXPECT_EQ(legenda->text(), QString::fromUtf8(e.legenda));
    }
}

TEST_F(JanelaTeste, SaidasVaziasSombreadasESoQuatroEditaveis) {
    const QSet<QString> editaveis = {"Ep6", "Eefi13", "Ew13", "Eprodvap"};
    int saidas = 0;
    for (const DefinicaoPainel& painel : PaineisJanela()) {
        for (const LinhaCampo& linha : painel.linhas) {
            if (linha.tipo == TipoCampo::Entrada) continue;
            SCOPED_TRACE(linha.nomeCampo);
            ++saidas;
            QLineEdit* campo = Campo(linha.nomeCampo);
            ASSERT_NE(campo, nullptr);
            EXPECT_TRUE(campo->text().isEmpty());
            EXPECT_EQ(campo->isReadOnly(), !editaveis.contains(linha.nomeCampo));
            EXPECT_EQ(campo->palette().color(QPalette::Base),
                      campo->palette().color(QPalette::Window));
            EXPECT_NE(LegendaDe(*janela, campo), nullptr);
        }
    }
    EXPECT_EQ(saidas, 66);
    // Inputs keep the normal background.
    EXPECT_NE(Campo("Ecapusi")->palette().color(QPalette::Base),
              Campo("Ecapusi")->palette().color(QPalette::Window));
}

// The result panels are the core's table, panel by panel and row by row:
// titles and captions on the screen, in the same order.
TEST_F(JanelaTeste, PaineisDeResultadosSaoATabelaDoNucleo) {
    std::vector<const DefinicaoPainel*> comSaidas;
    for (const DefinicaoPainel& painel : PaineisJanela())
        if (!painel.linhas.empty() && painel.linhas.front().tipo != TipoCampo::Entrada)
            comSaidas.push_back(&painel);
    const std::vector<PainelResultados>& nucleo = PaineisResultados();
    ASSERT_EQ(comSaidas.size(), nucleo.size());
    for (std::size_t i = 0; i < nucleo.size(); ++i) {
        const DefinicaoPainel& painel = *comSaidas[i];
        SCOPED_TRACE(painel.nomePainel);
        EXPECT_EQ(((*janela).*painel.titulo)->text(), QString::fromUtf8(nucleo[i].titulo));
        ASSERT_EQ(painel.linhas.size(), nucleo[i].linhas.size());
        for (std::size_t j = 0; j < painel.linhas.size(); ++j) {
            EXPECT_STREQ(painel.linhas[j].nomeCampo, nucleo[i].linhas[j].nome);
            EXPECT_EQ(((*janela).*painel.linhas[j].legenda)->text(),
                      QString::fromUtf8(nucleo[i].linhas[j].legenda));
        }
    }
}

TEST_F(JanelaTeste, MembrosTemONomeDoComponenteENoSeuPainel) {
    int campos = 0;
    for (const DefinicaoPainel& painel : PaineisJanela()) {
        QFrame* moldura = (*janela).*painel.painel;
        ASSERT_NE(moldura, nullptr) << painel.nomePainel;
        for (const LinhaCampo& linha : painel.linhas) {
            EXPECT_TRUE(moldura->isAncestorOf(Campo(linha.nomeCampo))) << linha.nomeCampo;
            ++campos;
        }
    }
    EXPECT_EQ(campos, 86);
    // And the season's form, in its own tab.
    EXPECT_EQ(janela->findChildren<QLineEdit*>(QRegularExpression("^E")).size(),
              86 + static_cast<qsizetype>(CamposEntradaSafra().size()));

    const struct {
        QWidget* componente;
        const char* nome;
        QWidget* painel;
    } outros[] = {
        {janela->Panel1, "Panel1", janela.get()},
        {janela->Panel14, "Panel14", janela.get()},
        {janela->Memo1, "Memo1", janela->Panel1},
        {janela->RadioGroup1, "RadioGroup1", janela->Panel1},
        {janela->BitBtn1, "BitBtn1", janela->Panel1},
        {janela->CheckBox1, "CheckBox1", janela->Panel11},
        {janela->Memo2, "Memo2", janela->Panel11},
        {janela->Button1, "Button1", janela->Panel10},
        {janela->DriveComboBox2, "DriveComboBox2", janela->Panel10},
        {janela->DirectoryListBox2, "DirectoryListBox2", janela->Panel10},
        {janela->Image1, "Image1", janela->Panel13},
        {janela->Button2, "Button2", janela->Panel13},
        {janela->Button3, "Button3", janela->Panel13},
        {janela->Button4, "Button4", janela->Panel13},
        {janela->DriveComboBox1, "DriveComboBox1", janela->Panel13},
        {janela->DirectoryListBox1, "DirectoryListBox1", janela->Panel13},
    };
    for (const auto& outro : outros) {
        ASSERT_NE(outro.componente, nullptr) << outro.nome;
        EXPECT_EQ(outro.componente->objectName(), outro.nome);
        EXPECT_TRUE(outro.painel->isAncestorOf(outro.componente)) << outro.nome;
    }
    EXPECT_EQ(janela->objectName(), "Fusina");
}

TEST_F(JanelaTeste, LegendasSaoLabel1ALabel98) {
    const QRegularExpression padrao("^Label([0-9]+)$");
    QSet<int> numeros;
    for (QLabel* legenda : janela->findChildren<QLabel*>(padrao)) {
        const int n = padrao.match(legenda->objectName()).captured(1).toInt();
        EXPECT_FALSE(numeros.contains(n)) << n;
        EXPECT_FALSE(legenda->text().isEmpty()) << n;
        numeros.insert(n);
    }
    EXPECT_EQ(numeros.size(), 98);
    for (int n = 1; n <= 98; ++n) EXPECT_TRUE(numeros.contains(n)) << n;
}

TEST_F(JanelaTeste, TextosFixosDaJanela) {
    EXPECT_EQ(janela->windowTitle(),
              QString::fromUtf8("Modelagem Computacional de uma Usina de açúcar e álcool"));
    EXPECT_EQ(janela->RadioGroup1->title(), "Componentes");
    EXPECT_EQ(janela->BitBtn1->text(), "Executar");
    EXPECT_EQ(janela->CheckBox1->text(), "Sim");
    EXPECT_TRUE(janela->CheckBox1->isChecked());
    EXPECT_EQ(janela->Button1->text(), "OK");
    EXPECT_EQ(janela->Button2->text(), "Imprimir");
    EXPECT_EQ(janela->Button3->text(), "Salvar");
    EXPECT_EQ(janela->Button4->text(), "Cofigurar Impressora");

    EXPECT_TRUE(janela->Memo2->isReadOnly());
    EXPECT_EQ(LinhasDoMemo(*janela->Memo2),
              QStringList({"Para calcular parâmetros da ", "usina sem turbina de alta ",
                           "pressão, tire o flag."}));

    // The five lines about the program follow an empty line, every line centred.
    EXPECT_TRUE(janela->Memo1->isReadOnly());
    const QStringList memo1 = LinhasDoMemo(*janela->Memo1);
    const QStringList cinco = {"Este programa foi elaborado para ", "uma dada configuração de ",
                               "fluxograma correspondente ao", "sistema de potência de uma",
                               "usina de açúcar e álcool."};
    const qsizetype inicio = memo1.indexOf(cinco[0]);
    ASSERT_GT(inicio, 0);
    EXPECT_EQ(memo1[inicio - 1], "");
    EXPECT_EQ(memo1.mid(inicio, 5), cinco);
    for (QTextBlock b = janela->Memo1->document()->begin(); b.isValid(); b = b.next())
        EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    ASSERT_FALSE(janela->Image1->pixmap().isNull());
    EXPECT_EQ(janela->Image1->pixmap().size(), QSize(LarguraFluxograma, AlturaFluxograma));
    EXPECT_EQ(janela->Image1->size(), QSize(LarguraFluxograma, AlturaFluxograma));
}
