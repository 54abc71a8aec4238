// The views of the whole plant in the window: they show the last complete
// run, say when the inputs no longer match it, are reachable from "Exibir",
// fit small and large screens; the input tooltips; the PDF report.
#include <QAbstractButton>
#include <QToolButton>
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTest>

#include "plant/TabelaEntradas.h"
#include "plant/TextosPadrao.h"
#include "teste_janela_apoio.h"
#include "ui/comum/AvisosVista.h"
#include "ui/vistas/VistaCorrentes.h"
#include "ui/vistas/VistaFluxograma.h"
#include "ui/vistas/VistaIndicadores.h"
#include "ui/vistas/VistaResultado.h"

namespace {

using VistasTeste = JanelaTeste;

void Executar(TFusina& janela) {
    janela.BitBtn1->click();
    QCoreApplication::processEvents();
}

// The stale notice of each view, visible or not.
std::vector<bool> AvisosVisiveis(const TFusina& janela) {
    std::vector<bool> visiveis;
    for (QWidget* vista : {static_cast<QWidget*>(janela.FluxogramaResultados),
                           static_cast<QWidget*>(janela.Correntes),
                           static_cast<QWidget*>(janela.Indicadores)}) {
        auto* aviso = vista->findChild<QWidget*>("AvisoDesatualizado");
        visiveis.push_back(aviso != nullptr && aviso->isVisibleTo(vista));
    }
    return visiveis;
}

// Text of the stream table's cell (row, column) as shown.
QString Celula(const TFusina& janela, int linha, int coluna) {
    const QAbstractItemModel* modelo =
        janela.Correntes->findChild<QTableView*>("TabelaCorrentes")->model();
    return modelo->data(modelo->index(linha, coluna)).toString();
}

}  // namespace

TEST_F(VistasTeste, MostramOUltimoCalculoCompletoEDizemQuandoNaoCorresponde) {
    QStringList abas;
    for (int i = 0; i < janela->Vistas->count(); ++i) abas << janela->Vistas->tabText(i);
    EXPECT_EQ(abas, QStringList({"Fluxograma com resultados", "Tabela de correntes", "Indicadores",
                                 "Safra", "Exergia", "Diagrama T-s"}));
    const QAbstractItemModel* modelo =
        janela->Correntes->findChild<QTableView*>("TabelaCorrentes")->model();
    EXPECT_EQ(modelo->rowCount(), 0);
    EXPECT_FALSE(janela->ResultadosDesatualizados());

    Executar(*janela);
    ASSERT_TRUE(apresentador.erros.empty()) << Mensagens();
    EXPECT_EQ(modelo->rowCount(), 13);  // labels 1 to 11, 18 and 19
    EXPECT_EQ(AvisosVisiveis(*janela), std::vector<bool>(3, false));
    const QString vazaoVivo = Celula(*janela, 0, 2);

    // Another number is stale; the same number in another text is not; the
    // written fields keep their texts.
    const QString potencia = Campo("Epotele")->text();
    Campo("Ecapusi")->setText("500");
    EXPECT_TRUE(janela->ResultadosDesatualizados());
    EXPECT_EQ(AvisosVisiveis(*janela), std::vector<bool>(3, true));
    EXPECT_TRUE(janela->LinhaAviso->text().contains(QString::fromUtf8(TextoDesatualizado)));
    EXPECT_EQ(Campo("Epotele")->text(), potencia);
    Campo("Ecapusi")->setText("4E2");
    EXPECT_FALSE(janela->ResultadosDesatualizados());
    EXPECT_FALSE(janela->LinhaAviso->text().contains(QString::fromUtf8(TextoDesatualizado)));
    Campo("Ecapusi")->setText("x");
    EXPECT_TRUE(janela->ResultadosDesatualizados());
    Campo("Ecapusi")->setText("400");
    janela->CheckBox1->setChecked(false);
    EXPECT_TRUE(janela->ResultadosDesatualizados());

    // A new run updates the views and they match again.
    Executar(*janela);
    EXPECT_FALSE(janela->ResultadosDesatualizados());
    EXPECT_EQ(AvisosVisiveis(*janela), std::vector<bool>(3, false));
    EXPECT_EQ(Celula(*janela, 0, 2), vazaoVivo);  // same steam, other configuration

    // A refused run keeps the last complete results, marked as not matching.
    Campo("Ecapusi")->setText("800");
    Executar(*janela);
    EXPECT_FALSE(janela->ResultadosDesatualizados());  // 800 ran: matches
    Campo("Eefitm")->setText("0");
    Executar(*janela);
    ASSERT_EQ(apresentador.erros.size(), 1u);
    EXPECT_EQ(modelo->rowCount(), 13);
    EXPECT_TRUE(janela->ResultadosDesatualizados());
}

// Every view of the last run, whatever it shows, is given the run and
// marked stale with the others.
TEST_F(VistasTeste, TodasAsVistasDoUltimoCalculoJuntas) {
    const QList<VistaResultado*> vistas = janela->Vistas->findChildren<VistaResultado*>();
    ASSERT_EQ(vistas.size(), 6);
    const auto estados = [&] {
        QStringList e;
        for (const VistaResultado* v : vistas) {
            const auto visivel = [v](const QWidget* w) { return w != nullptr && w->isVisibleTo(v); };
            e << v->objectName() + ":" + (visivel(v->AvisoDesatualizado) ? "desatualizada" : "") +
                     (visivel(v->AvisoSemCalculo) ? "vazia" : "") +
                     (visivel(v->Conteudo) ? "cheia" : "");
        }
        return e;
    };
    const QStringList antes = estados();
    for (const QString& e : antes) EXPECT_TRUE(e.endsWith(":vazia") || e == "VistaFluxograma:") << e.toStdString();
    Executar(*janela);
    ASSERT_TRUE(apresentador.erros.empty()) << Mensagens();
    for (const QString& e : estados()) EXPECT_TRUE(e.endsWith(":cheia") || e == "VistaFluxograma:") << e.toStdString();
    Campo("Etscal")->setText("460");
    for (const QString& e : estados()) EXPECT_TRUE(e.contains(":desatualizada")) << e.toStdString();
    Executar(*janela);
    for (const QString& e : estados()) EXPECT_FALSE(e.contains("desatualizada")) << e.toStdString();
}

TEST_F(VistasTeste, MenuExibirTrazCadaVista) {
    const std::pair<QAction*, QWidget*> pares[] = {
        {janela->AcaoExibirCorrentes, janela->Correntes},
        {janela->AcaoExibirIndicadores, janela->Indicadores},
        {janela->AcaoExibirFluxograma, janela->FluxogramaResultados},
    };
    for (const auto& [acao, vista] : pares) {
        acao->trigger();
        EXPECT_EQ(janela->Vistas->currentWidget(), vista) << acao->objectName().toStdString();
        EXPECT_FALSE(acao->shortcut().isEmpty());
    }
    EXPECT_EQ(janela->MenuExibir->title(), "E&xibir");
}

TEST_F(VistasTeste, DicaDeCadaEntradaComUnidadeEFaixa) {
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        const QString dica = Campo(c.nome)->toolTip();
        EXPECT_TRUE(dica.startsWith(QString::fromUtf8(c.legenda))) << c.nome;
        // Pressures are absolute: "bar (abs.)" in the tooltip, the caption as written.
        const bool pressao = std::string(c.unidade) == "bar";
        EXPECT_TRUE(dica.contains("Unidade: " + QString::fromUtf8(c.unidade) + (pressao ? " (abs.)\n" : "\n")))
            << c.nome;
        EXPECT_EQ(dica.contains("[bar]"), pressao) << c.nome;
        EXPECT_TRUE(dica.contains("Valores aceitos: ")) << c.nome;
    }
    EXPECT_FALSE(janela->CheckBox1->toolTip().isEmpty());
}

// The chosen panel gets its whole size first at every window from 1280 x 720
// up (client sizes below a title bar); the views take the width it leaves,
// at least 400 pixels, or a page of their own one click away. Below that the
// panel gets all the room there is and scrolls.
TEST_F(VistasTeste, PainelEscolhidoSempreInteiro) {
    const struct {
        int largura, altura;
        bool inteiro;  // the panel must fit whole
    } tamanhos[] = {{1920, 1050, true}, {1366, 740, true}, {1280, 690, true}, {1024, 570, false}};
    auto* rolagem = janela->findChild<QScrollArea*>("AreaPaineis");
    ASSERT_NE(rolagem, nullptr);
    for (const auto& t : tamanhos) {
        janela->resize(t.largura, t.altura);
        for (int item = 0; item < 12; ++item) {
            Escolher(item);
            QCoreApplication::processEvents();
            const std::string onde = std::to_string(t.largura) + "x" + std::to_string(t.altura) +
                                     " item " + std::to_string(item);
            QFrame* painel = nullptr;
            for (QFrame* f : janela->findChildren<QFrame*>())
                if (f->objectName().startsWith("Panel") && f->objectName() != "Panel1" &&
                    f->objectName() != "Panel14" && f->isVisibleTo(janela.get()))
                    painel = f;
            ASSERT_NE(painel, nullptr) << onde;
            ASSERT_TRUE(rolagem->isVisibleTo(janela.get())) << onde;
            if (t.inteiro) {
                // Whole: at its own size, all of it inside the visible area.
                EXPECT_GE(painel->width(), painel->sizeHint().width()) << onde;
                EXPECT_GE(painel->height(), painel->sizeHint().height()) << onde;
                const QRect noVisor(painel->mapTo(rolagem->viewport(), QPoint(0, 0)), painel->size());
                EXPECT_TRUE(rolagem->viewport()->rect().contains(noVisor))
                    << onde << " panel " << noVisor.width() << "x" << noVisor.height()
                    << " in " << rolagem->viewport()->width() << "x" << rolagem->viewport()->height();
            } else {
                // As much as there is: the panel area takes the whole right side.
                EXPECT_TRUE(janela->VistasEmPagina()) << onde;
            }
            if (janela->VistasEmPagina()) {
                // One click away, and back with the next panel chosen.
                EXPECT_TRUE(janela->TrocaPaginas->isVisibleTo(janela.get())) << onde;
                EXPECT_FALSE(janela->Vistas->isVisibleTo(janela.get())) << onde;
                janela->BotaoVistas->click();
                QCoreApplication::processEvents();
                EXPECT_TRUE(janela->Vistas->isVisibleTo(janela.get())) << onde;
                EXPECT_FALSE(rolagem->isVisibleTo(janela.get())) << onde;
                janela->BotaoPainel->click();
                QCoreApplication::processEvents();
                EXPECT_TRUE(rolagem->isVisibleTo(janela.get())) << onde;
            } else {
                EXPECT_FALSE(janela->TrocaPaginas->isVisibleTo(janela.get())) << onde;
                EXPECT_GE(janela->Vistas->width(), 400) << onde;
            }
        }
        // The data panels leave the views beside them from 1280 x 720 up.
        if (t.inteiro) {
            for (int item : {0, 1, 9}) {
                Escolher(item);
                QCoreApplication::processEvents();
                EXPECT_FALSE(janela->VistasEmPagina()) << t.largura << " item " << item;
            }
        }
        EXPECT_TRUE(janela->rect().contains(
            QRect(janela->BitBtn1->mapTo(janela.get(), QPoint(0, 0)), janela->BitBtn1->size())));
    }
}

// Every view's title is whole at 1366 x 768, whatever the language: the
// titles wrap onto a second row rather than scroll or shrink.
TEST_F(VistasTeste, TitulosDasVistasInteiros) {
    janela->resize(1366, 740);
    Escolher(0);
    QCoreApplication::processEvents();
    ASSERT_FALSE(janela->VistasEmPagina());
    for (int i = 0; i < janela->Vistas->count(); ++i) {
        auto* botao = janela->findChild<QAbstractButton*>("Aba" + janela->Vistas->widget(i)->objectName());
        ASSERT_NE(botao, nullptr) << i;
        EXPECT_EQ(botao->text(), janela->Vistas->tabText(i));
        EXPECT_TRUE(botao->isVisibleTo(janela.get())) << i;
        EXPECT_GE(botao->width(), botao->sizeHint().width()) << i;
        const QRect naJanela(botao->mapTo(janela.get(), QPoint(0, 0)), botao->size());
        EXPECT_TRUE(janela->rect().contains(naJanela)) << botao->text().toStdString();
        // A click on a title shows its view.
        botao->click();
        EXPECT_EQ(janela->Vistas->currentIndex(), i);
        EXPECT_TRUE(botao->isChecked());
    }
}

TEST_F(VistasTeste, RelatorioPdfDoUltimoCalculo) {
    const QString arquivo = QDir::current().absoluteFilePath("relatorio.pdf");
    dialogos->gravar = arquivo;
    janela->AcaoRelatorioPdf->trigger();  // no run yet: refused before asking
    ASSERT_EQ(apresentador.erros.size(), 1u);
    EXPECT_EQ(dialogos->dialogos, 0);

    Executar(*janela);
    Campo("Ecapusi")->setText("450");
    janela->AcaoRelatorioPdf->trigger();  // stale: refused
    ASSERT_EQ(apresentador.erros.size(), 2u);
    EXPECT_TRUE(apresentador.erros[1].mensagem.contains("Executar"));
    EXPECT_FALSE(QFile::exists(arquivo));

    Executar(*janela);
    janela->AcaoRelatorioPdf->trigger();
    ASSERT_EQ(apresentador.erros.size(), 2u) << Mensagens();
    QFile pdf(arquivo);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    // Portrait A4 text pages, then the landscape flowsheet page.
    const QRegularExpression caixa("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]");
    QStringList paginas;
    for (auto m = caixa.globalMatch(QString::fromLatin1(bytes)); m.hasNext();) {
        const auto r = m.next();
        paginas << QString("%1x%2").arg(qRound(r.captured(1).toDouble())).arg(qRound(r.captured(2).toDouble()));
    }
    ASSERT_GE(paginas.size(), 2);
    EXPECT_EQ(paginas.last(), "842x595");
    for (qsizetype i = 0; i + 1 < paginas.size(); ++i) EXPECT_EQ(paginas[i], "595x842");
    EXPECT_TRUE(janela->LinhaAviso->text().contains("relatorio.pdf"));
}

// A run that finishes although the feed water's state did not converge
// (condensate at 82 bar pumped at 0,035 %): the views show it marked as not
// reliable, with that reason, not as stale; a changed input then says stale;
// the next sound run clears both.
TEST_F(VistasTeste, CalculoNaoConfiavelMarcaAsVistas) {
    janela->CheckBox1->setChecked(false);
    const std::pair<const char*, const char*> entradas[] = {
        {"Eprecon", "82"}, {"Eefibom", "0,035"}, {"Eprecal", "126"}, {"Etscal", "514"},
        {"Etcon", "63"}};
    for (const auto& [nome, texto] : entradas) Campo(nome)->setText(texto);
    Executar(*janela);
    ASSERT_TRUE(apresentador.erros.empty()) << Mensagens();
    const auto textos = [&] {
        QStringList t;
        for (QLabel* aviso : janela->Vistas->findChildren<QLabel*>("AvisoDesatualizado"))
            if (!aviso->isHidden()) t << aviso->text();
        return t;
    };
    const QString naoConfiavel = QString::fromUtf8(TextoNaoConfiavel);
    EXPECT_EQ(textos(), QStringList(6, naoConfiavel));
    EXPECT_FALSE(janela->ResultadosDesatualizados());
    EXPECT_TRUE(janela->LinhaAviso->text().startsWith(
        "Propriedades do rótulo 19 não convergiram: resultados não confiáveis"))
        << janela->LinhaAviso->text().toStdString();

    Campo("Ecapusi")->setText("500");
    EXPECT_EQ(textos(), QStringList(6, QString::fromUtf8(TextoDesatualizado)));

    janela->CheckBox1->setChecked(true);
    for (const char* nome : {"Eprecon", "Eefibom", "Etcon", "Eprecal", "Etscal"})
        Campo(nome)->setText(QString::fromStdString(TextoPadrao(nome, ",")));
    Executar(*janela);
    EXPECT_TRUE(textos().isEmpty()) << textos().join("|").toStdString();
}

// A click on a stream's value box in the flowsheet brings the stream table
// forward with that stream's row selected; a click beside the boxes does
// nothing.
TEST_F(VistasTeste, CliqueNaCaixaDaCorrenteSelecionaNaTabela) {
    Executar(*janela);
    janela->ExibirVista(janela->FluxogramaResultados);
    QCoreApplication::processEvents();
    VistaFluxograma* fluxograma = janela->FluxogramaResultados;
    const QTableView* tabela = janela->Correntes->findChild<QTableView*>("TabelaCorrentes");
    for (int rotulo : {1, 9, 18}) {
        janela->ExibirVista(fluxograma);
        QCoreApplication::processEvents();
        QPoint centro;
        for (int y = 0; y < fluxograma->height() && centro.isNull(); y += 2)
            for (int x = 0; x < fluxograma->width(); x += 2)
                if (fluxograma->CorrenteNaPosicao(QPointF(x, y)) == rotulo) {
                    centro = QPoint(x + 3, y + 3);
                    break;
                }
        ASSERT_FALSE(centro.isNull()) << rotulo;
        QTest::mouseClick(fluxograma, Qt::LeftButton, {}, centro);
        QCoreApplication::processEvents();
        EXPECT_EQ(janela->Vistas->currentWidget(), janela->Correntes) << rotulo;
        const QModelIndexList linhas = tabela->selectionModel()->selectedRows();
        ASSERT_EQ(linhas.size(), 1);
        EXPECT_EQ(Celula(*janela, linhas.front().row(), 0), QString::number(rotulo));
    }
    janela->ExibirVista(fluxograma);
    QTest::mouseClick(fluxograma, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(janela->Vistas->currentWidget(), fluxograma);
}
