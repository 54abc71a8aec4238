// The case comparison view: the two configurations against texts worked out
// by hand from usina-calc runs, saved cases added, refused and removed, the
// CSV read back, inputs that cannot be read, and the lazy refresh. With
// USINA_CAPTURAS set to a directory, the view is saved there as pictures.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

#include "io/CasoUsina.h"
#include "properties/Erros.h"
#include "ui/analise/VistaComparacao.h"
#include "ui/comum/TextoLiteral.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/TratadorErros.h"

// Failure messages show a QString as its text.
inline void PrintTo(const QString& texto, std::ostream* saida) {
    *saida << '"' << texto.toStdString() << '"';
}

namespace {

class ErrosGravados : public ApresentadorErros {
public:
    ErrosGravados() : anterior_(InstalarApresentador(this)) {}
    ~ErrosGravados() override { InstalarApresentador(anterior_); }
    void MostrarErro(const QString&, const QString& mensagem) override { erros << mensagem; }
    QStringList erros;

private:
    ApresentadorErros* anterior_;
};

// The row whose first column starts with nome.
const QTreeWidgetItem* Linha(const QTreeWidget* arvore, const QString& nome) {
    for (int i = 0; i < arvore->topLevelItemCount(); ++i)
        if (arvore->topLevelItem(i)->text(0).startsWith(nome)) return arvore->topLevelItem(i);
    return nullptr;
}

QStringList Textos(const QTreeWidgetItem* item) {
    QStringList textos;
    for (int c = 0; c < item->columnCount(); ++c) textos << item->text(c);
    return textos;
}

class VistaComparacaoTeste : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        vista_.resize(1200, 800);
        vista_.DefinirFonteEntradas([this] {
            ++leituras_;
            if (!erroEntrada_.empty()) throw ErroConversao(erroEntrada_);
            return entradas_;
        });
    }

    // A case file saved in the temporary directory.
    QString Salvar(const QString& nome, const EntradasUsina& e) {
        const QString caminho = dir_.filePath(nome);
        GravarCaso(QFile::encodeName(caminho).toStdString(), {e, "Descrição de " + nome.toStdString()});
        return caminho;
    }

    // With USINA_CAPTURAS set, the view as it is at 1200 x 800 and at the
    // narrowest window the views are meant for.
    void Capturar(const QString& nome) {
        const QString capturas = qEnvironmentVariable("USINA_CAPTURAS");
        if (capturas.isEmpty()) return;
        QDir().mkpath(capturas);
        for (const QSize tamanho : {QSize(650, 450), QSize(1200, 800)}) {
            vista_.resize(tamanho);
            QApplication::processEvents();
            EXPECT_TRUE(vista_.grab().save(
                QString("%1/%2-%3x%4.png").arg(capturas, nome).arg(tamanho.width()).arg(tamanho.height())));
        }
    }

    QTemporaryDir dir_;
    VistaComparacao vista_;
    EntradasUsina entradas_;
    std::string erroEntrada_;
    int leituras_ = 0;
};

// The case files' descriptions in a row of their own, on one line, whole
// in the tooltip and never read as markup; no row when no case has one.
TEST_F(VistaComparacaoTeste, DescricaoDosCasos) {
    vista_.show();
    QTest::mouseClick(vista_.BotaoConfiguracoes, Qt::LeftButton);
    EXPECT_EQ(Linha(vista_.Arvore, "Descrição"), nullptr);

    const QString caminho = dir_.filePath("descrito.usina");
    GravarCaso(QFile::encodeName(caminho).toStdString(),
               {EntradasUsina{}, "Safra <b>2026</b>\n  caldeira nova"});
    vista_.AdicionarCaso(caminho);
    const QTreeWidgetItem* linha = Linha(vista_.Arvore, "Descrição");
    ASSERT_NE(linha, nullptr);
    EXPECT_EQ(vista_.Arvore->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(linha)), 0);
    EXPECT_EQ(Textos(linha), (QStringList{"Descrição", "", "", "", "", "Safra <b>2026</b> caldeira nova"}));
    EXPECT_EQ(linha->toolTip(5), DicaLiteral("Safra <b>2026</b>\n  caldeira nova"));
    // The rows of figures are where they were.
    EXPECT_NE(Linha(vista_.Arvore, "Potência elétrica [kW]"), nullptr);
}

// Hidden, the view only notes that the inputs changed and runs the cases
// when shown. One click then compares the current inputs with and without
// the high-pressure turbine. Power from usina-calc --json: 18625,354 kW
// with, 15634,111 kW without; -2991,244 kW = -16,060 % worked by hand.
TEST_F(VistaComparacaoTeste, ConfiguracoesEmUmClique) {
    for (int i = 0; i < 3; ++i) vista_.Atualizar();
    EXPECT_EQ(leituras_, 0);
    vista_.show();
    EXPECT_EQ(leituras_, 1);  // the current case alone
    QTest::mouseClick(vista_.BotaoConfiguracoes, Qt::LeftButton);
    QTest::mouseClick(vista_.BotaoConfiguracoes, Qt::LeftButton);  // already there
    ASSERT_EQ(vista_.NumeroOutrosCasos(), 1);

    const QTreeWidget* a = vista_.Arvore;
    EXPECT_EQ(a->headerItem()->text(1), "Atual");
    // A long case name on two lines of its heading.
    EXPECT_EQ(a->headerItem()->text(2), "Sem turbina de\nalta pressão");
    EXPECT_EQ(Textos(Linha(a, "Potência elétrica [kW]")),
              (QStringList{"Potência elétrica [kW]", "18625,4", "15634,1", "-2991,2", "-16,06"}));
    EXPECT_EQ(Textos(Linha(a, "Turbina de alta pressão")),
              (QStringList{"Turbina de alta pressão", "sim", "não", "—", "—"}));
    // Same steam: zero differences without a sign.
    EXPECT_EQ(Textos(Linha(a, "Quantidade de vapor [t/h]")).mid(3), (QStringList{"0,00", "0,00"}));
    EXPECT_TRUE(Linha(a, "Destruição de exergia: total [kW] *") != nullptr);
    Capturar("configuracoes");

    // The other configuration follows the inputs: turned off in the window,
    // the second column is the plant with the turbine.
    entradas_.comTurbinaAlta = false;
    vista_.Atualizar();
    EXPECT_EQ(a->headerItem()->text(2), "Com turbina de\nalta pressão");
    EXPECT_EQ(Textos(Linha(a, "Potência elétrica [kW]")).mid(3),
              (QStringList{"+2991,2", "+19,13"}));  // 2991,244 / 15634,111
}

// Saved cases as columns; a file that is refused reaches the window's
// handler and changes nothing; "Remover" takes the selected case out; the
// CSV holds the figures exactly, without the estimates.
TEST_F(VistaComparacaoTeste, CasosSalvosRecusadoRemovidoECsv) {
    ErrosGravados erros;
    EntradasUsina maior;
    maior.CapacidadeUsina = 500.0;
    EntradasUsina alta;
    alta.PressaoCaldeira = 65.0;
    alta.TemperaturaCaldeira = 480.0;
    QStringList escolhas = {Salvar("safra-2024.usina", maior), dir_.filePath("nao-existe.usina"),
                            Salvar("caldeira-65-bar.usina", alta)};
    vista_.DefinirEscolhaCaso([&] { return escolhas.takeFirst(); });
    vista_.show();
    for (int i = 0; i < 3; ++i) QTest::mouseClick(vista_.BotaoAdicionar, Qt::LeftButton);
    ASSERT_EQ(erros.erros.size(), 1);
    EXPECT_TRUE(erros.erros[0].contains("nao-existe.usina")) << erros.erros[0].toStdString();
    ASSERT_EQ(vista_.NumeroOutrosCasos(), 2);

    const QTreeWidget* a = vista_.Arvore;
    EXPECT_EQ(a->headerItem()->text(VistaComparacao::ColunaValor(2)), "caldeira-65-bar");
    EXPECT_EQ(vista_.CasoSelecionado(), 1);  // the case just added
    EXPECT_EQ(Textos(Linha(a, "Capacidade da Usina")).mid(1),
              (QStringList{"400", "500", "+100", "+25,00", "400", "0", "0,00"}));
    Capturar("casos");

    const QString csv = dir_.filePath("comparacao");
    vista_.DefinirEscolhaArquivo(
        [&](const QString&, const QString&, const QStringList&, const QStringList& sufixos) {
            return sufixos == QStringList{"csv"} ? csv : QString();
        });
    QTest::mouseClick(vista_.BotaoExportar, Qt::LeftButton);
    QFile arquivo(csv + ".csv");
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    const QStringList linhas = QString::fromUtf8(arquivo.readAll()).split("\r\n");
    EXPECT_EQ(linhas[0], "Seção;Grandeza;Unidade;Atual;safra-2024;Diferença;Diferença [%];caldeira-65-bar;"
                         "Diferença;Diferença [%]");
    EXPECT_EQ(linhas[1], "Casos;Situação;;calculado;calculado;;;calculado;;");
    EXPECT_TRUE(linhas.contains("Entradas que diferem;Capacidade da Usina;t cana/h;400;500;100;25;"
                                "400;0;0"));
    // 15 kWh/t x 400 and x 500 t/h, exact.
    EXPECT_TRUE(linhas.contains("Resultados globais;Potência de moagem;kW;6000;7500;1500;25;6000;0;0"));
    // Estimates are for the screen only: the boiler's share of the exergy
    // destroyed, the total and the second-law efficiency are not written.
    const QString texto = linhas.join('\n');
    EXPECT_TRUE(texto.contains("Destruição de exergia: Turbomoenda;kW;"));
    EXPECT_FALSE(texto.contains("Destruição de exergia: Caldeira"));
    EXPECT_FALSE(texto.contains("Destruição de exergia: total"));
    EXPECT_FALSE(texto.contains("segunda lei"));

    // A click on the first saved case's heading chooses it for "Remover".
    const QHeaderView* h = a->header();
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                      QPoint(h->sectionViewportPosition(VistaComparacao::ColunaValor(1)) + 5, 5));
    EXPECT_EQ(vista_.CasoSelecionado(), 0);
    QTest::mouseClick(vista_.BotaoRemover, Qt::LeftButton);
    ASSERT_EQ(vista_.NumeroOutrosCasos(), 1);
    EXPECT_EQ(a->headerItem()->text(VistaComparacao::ColunaValor(1)), "caldeira-65-bar");
    EXPECT_EQ(erros.erros.size(), 1);
}

// A current case that is refused shows its message; the saved case beside it
// still has its figures, with no differences to a missing reference.
TEST_F(VistaComparacaoTeste, CasoAtualRecusadoEEntradaIlegivel) {
    ErrosGravados erros;
    entradas_.EficienciaCaldeira = 0.0;
    const QString outro = Salvar("padrao.usina", EntradasUsina{});
    vista_.show();
    vista_.AdicionarCaso(outro);
    const QTreeWidget* a = vista_.Arvore;
    EXPECT_EQ(Linha(a, "Situação do cálculo")->text(1), "entradas recusadas");
    EXPECT_TRUE(vista_.Mensagens->text().contains("Eficiência Térmica da Caldeira"));
    EXPECT_EQ(Textos(Linha(a, "Potência elétrica [kW]")).mid(1),
              (QStringList{"—", "18625,4", "—", "—"}));

    // An input that cannot be read while typing: told in the view, the last
    // comparison stays; the "Atualizar" button tells it in a message box.
    erroEntrada_ = "4x";
    vista_.Atualizar();
    EXPECT_FALSE(vista_.AvisoEntradas->isHidden());
    EXPECT_EQ(Linha(a, "Potência elétrica [kW]")->text(2), "18625,4");
    EXPECT_TRUE(erros.erros.isEmpty());
    QTest::mouseClick(vista_.BotaoAtualizar, Qt::LeftButton);
    ASSERT_EQ(erros.erros.size(), 1);
    EXPECT_TRUE(erros.erros[0].contains("'4x'"));
}

// What the comparison shows: headings and their tooltips, every cell,
// the messages and the note, the buttons.
QStringList TextosComparacao(const VistaComparacao& v) {
    QStringList textos;
    const QTreeWidget* a = v.Arvore;
    for (int c = 0; c < a->columnCount(); ++c)
        textos << a->headerItem()->text(c) << a->headerItem()->toolTip(c);
    for (int i = 0; i < a->topLevelItemCount(); ++i) textos << Textos(a->topLevelItem(i));
    textos << v.Mensagens->text() << v.NotaEstimativa->text() << v.AvisoEntradas->text()
           << v.AvisoSemComparacao->text() << v.windowTitle();
    for (const QPushButton* b : v.findChildren<QPushButton*>()) textos << b->text() << b->toolTip();
    return textos;
}

void TrocarIdioma(Idioma idioma) {
    AplicarIdioma(idioma);
    QCoreApplication::processEvents();  // the widgets' LanguageChange
}

// A comparison on screen follows the language without running the cases
// again: names, sections, states and the configurations change, numbers and
// a saved case's name do not, the chosen case stays chosen. Back in
// Portuguese every text is what it was. Then a comparison left behind by
// inputs that cannot be read, after its case was removed, is composed again
// from the cases it was made with.
TEST_F(VistaComparacaoTeste, IdiomaTrocadoComComparacaoNaTela) {
    struct Portugues {
        ~Portugues() { TrocarIdioma(Idioma::Portugues); }
    } voltar;
    EntradasUsina maior;
    maior.CapacidadeUsina = 500.0;
    vista_.show();
    vista_.CompararConfiguracoes();
    vista_.AdicionarCaso(Salvar("safra-2024.usina", maior));
    ASSERT_EQ(vista_.CasoSelecionado(), 1);
    const QTreeWidget* a = vista_.Arvore;
    const QStringList portugues = TextosComparacao(vista_);
    const QStringList potencia = Textos(Linha(a, "Potência elétrica [kW]")).mid(1);
    const int leituras = leituras_;

    TrocarIdioma(Idioma::Ingles);
    const QStringList ingles = TextosComparacao(vista_);
    EXPECT_EQ(leituras_, leituras);
    EXPECT_EQ(vista_.CasoSelecionado(), 1);
    EXPECT_EQ(a->headerItem()->text(0), "Quantity");
    EXPECT_EQ(a->headerItem()->text(1), "Current");
    EXPECT_EQ(a->headerItem()->text(2), "Without high-\npressure turbine");
    EXPECT_EQ(a->headerItem()->text(VistaComparacao::ColunaValor(2)), "safra-2024");
    EXPECT_EQ(Textos(Linha(a, "Electric power [kW]")).mid(1), potencia);
    EXPECT_EQ(Textos(Linha(a, "High-pressure turbine")).mid(1, 2), (QStringList{"yes", "no"}));
    EXPECT_EQ(Textos(Linha(a, "Mill capacity [t cane/h]")).mid(1, 2), (QStringList{"400", "400"}));
    EXPECT_NE(Linha(a, "Exergy destroyed: Boiler [kW] *"), nullptr);
    EXPECT_NE(Linha(a, "Exergy destroyed: total [kW] *"), nullptr);
    EXPECT_EQ(Linha(a, "Calculation status")->text(1), "calculated");
    static const QRegularExpression palavras(
        QStringLiteral("[ãõçáéíóúâêôà]|\\b(de|da|das|em|para|com|não|sim|entradas?)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QString& texto : ingles) {  // but the saved case's file and description
        if (!texto.contains("safra-2024.usina")) {
            EXPECT_FALSE(palavras.match(texto).hasMatch()) << texto.toStdString();
        }
    }
    // The same numbers in the same places.
    ASSERT_EQ(ingles.size(), portugues.size());
    static const QRegularExpression numero(QStringLiteral("^[-+]?[0-9]"));
    for (qsizetype i = 0; i < ingles.size(); ++i) {
        if (numero.match(portugues[i]).hasMatch()) {
            EXPECT_EQ(ingles[i], portugues[i]);
        }
    }

    TrocarIdioma(Idioma::Portugues);
    EXPECT_EQ(TextosComparacao(vista_), portugues);
    EXPECT_EQ(vista_.CasoSelecionado(), 1);

    erroEntrada_ = "4x";
    vista_.RemoverCaso(0);  // the inputs cannot be read: the table stays as it was
    ASSERT_EQ(vista_.NumeroOutrosCasos(), 1);
    TrocarIdioma(Idioma::Ingles);
    EXPECT_EQ(a->headerItem()->text(2), "Without high-\npressure turbine");
    EXPECT_EQ(a->headerItem()->text(VistaComparacao::ColunaValor(2)), "safra-2024");
    EXPECT_TRUE(vista_.AvisoEntradas->text().startsWith(
        "The current inputs could not be read: '4x' is not a valid floating point value"))
        << vista_.AvisoEntradas->text().toStdString();
    TrocarIdioma(Idioma::Portugues);
    EXPECT_TRUE(vista_.AvisoEntradas->text().startsWith("As entradas atuais não puderam ser lidas: '4x'"));
}

TEST(NomeCasoEmLinhas, QuebraOndePode) {
    const std::pair<const char*, const char*> casos[] = {
        {"Atual", "Atual"},
        {"caldeira-65-bar", "caldeira-65-bar"},                    // 15: one line
        {"Sem turbina de alta pressão", "Sem turbina de\nalta pressão"},
        {"Without high-pressure turbine", "Without high-\npressure turbine"},
        {"abcdefghijklmnopqrstuvwxyz", "abcdefghijklmnop\nqrstuvwxyz"},  // no place to break
        {"caso_um.usina.v2", "caso_um.usina.v2"},
        {"caso_um.usina.v20", "caso_um.usina.\nv20"},
        {"", ""},
    };
    for (const auto& [nome, esperado] : casos)
        EXPECT_EQ(NomeCasoEmLinhas(QString::fromUtf8(nome)), QString::fromUtf8(esperado)) << nome;
}

// At the width of a 1366-pixel screen, with three other cases: every column
// in sight without scrolling sideways, and every row's name whole (wrapped
// onto more lines where it is long, never cut); narrower, the names keep
// their least width and the table scrolls instead of cutting numbers.
TEST_F(VistaComparacaoTeste, TudoVisivelNaLarguraDaTela) {
    EntradasUsina outra;
    outra.CapacidadeUsina = 450.0;
    vista_.resize(1366, 700);
    vista_.show();
    vista_.CompararConfiguracoes();
    vista_.CompararFormulacoes();
    vista_.AdicionarCaso(Salvar("outro-caso-com-nome-longo-para-o-cabecalho.usina", outra));
    ASSERT_EQ(vista_.NumeroOutrosCasos(), 3);
    QApplication::processEvents();
    const QTreeWidget* a = vista_.Arvore;
    int total = 0;  // pixels
    for (int c = 0; c < a->columnCount(); ++c) total += a->columnWidth(c);
    EXPECT_LE(total, a->viewport()->width());
    EXPECT_FALSE(a->horizontalScrollBar()->isVisible());
    const QFontMetrics letras(a->font());
    int quebradas = 0;
    for (int i = 0; i < a->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = a->topLevelItem(i);
        if (item->isFirstColumnSpanned()) continue;
        const QModelIndex indice = a->indexFromItem(item, 0);
        const QRect celula = a->visualRect(indice);
        // The name laid out in its cell (less the text's margins) fits its height.
        const QRect precisa = letras.boundingRect(QRect(0, 0, celula.width() - 6, 10000),
                                                  Qt::TextWordWrap, item->text(0));
        EXPECT_GE(celula.height(), precisa.height()) << item->text(0).toStdString();
        quebradas += precisa.height() > letras.height();
        EXPECT_FALSE(item->toolTip(0).isEmpty()) << item->text(0).toStdString();
        // Every number whole in its column.
        for (int c = 1; c < a->columnCount(); ++c) {
            const QString t = item->text(c);
            if (!t.contains(' ')) {
                EXPECT_LE(letras.horizontalAdvance(t), a->columnWidth(c)) << t.toStdString();
            }
        }
    }
    EXPECT_GT(quebradas, 3);  // the long names are on two lines or more
    // The long file name on lines of its heading, as wide as its numbers need.
    const int arquivo = VistaComparacao::ColunaValor(3);
    EXPECT_EQ(a->headerItem()->text(arquivo), "outro-caso-com-\nnome-longo-para-\no-cabecalho");
    EXPECT_LT(a->columnWidth(arquivo), 160);

    // Narrow: the names at their least width, the table scrolls.
    vista_.resize(700, 500);
    QApplication::processEvents();
    EXPECT_EQ(a->columnWidth(0), VistaComparacao::LarguraMinimaNomes);
    EXPECT_TRUE(a->horizontalScrollBar()->maximum() > 0);
}

}  // namespace
