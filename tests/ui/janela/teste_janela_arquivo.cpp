// The "Arquivo" menu: case files saved, opened and started anew with the
// very numbers typed, the title's mark of unsaved changes, the question
// before they are lost, refusals that change nothing, recent files, the
// command line, a dropped file and the export of the last run's results.
#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include "io/CasoUsina.h"
#include "io/ExportacaoResultados.h"
#include "teste_janela_apoio.h"
#include "ui/janela/LinhaComando.h"

namespace {

const QString Legenda = QString::fromUtf8("Modelagem Computacional de uma Usina de açúcar e álcool");

QString Titulo(const char* caso) { return QString::fromUtf8(caso) + QString::fromUtf8(" — ") + Legenda; }

QByteArray Conteudo(const QString& caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

QString Caminho(const char* nome) { return QDir::current().absoluteFilePath(nome); }

// A case file with the default inputs but the plant's capacity.
QString CasoComCapacidade(const char* nome, double capacidade) {
    CasoUsina caso;
    caso.entradas.CapacidadeUsina = capacidade;
    GravarCaso(Caminho(nome).toStdString(), caso);
    return Caminho(nome);
}

using ArquivoTeste = JanelaTeste;

TEST_F(ArquivoTeste, SalvarNovoEAbrirDevolvemOsMesmosNumeros) {
    EXPECT_EQ(janela->windowTitle(), Legenda);
    Campo("Ecapusi")->setText("4e2");  // another text of the same number
    EXPECT_EQ(janela->windowTitle(), Legenda);
    Campo("Epci")->setText("7530,123");
    Campo("Emvalv")->setText("10,000000000000002");  // 17 digits tell it from 10
    Campo("Epstap")->setText("21,5");
    janela->CheckBox1->setChecked(false);
    EXPECT_EQ(janela->windowTitle(), Titulo("Sem título*"));

    dialogos->salvar = Caminho("caso");  // the suffix is appended
    janela->AcaoSalvar->trigger();
    ASSERT_TRUE(apresentador.erros.empty()) << Mensagens();
    const QString arquivo = Caminho("caso.usina");
    EXPECT_EQ(janela->CaminhoCaso(), arquivo);
    EXPECT_EQ(janela->windowTitle(), Titulo("caso.usina"));
    const EntradasUsina salvas = LerCaso(arquivo.toStdString()).caso.entradas;
    EXPECT_EQ(salvas.PciBagaco, 7530.123);
    EXPECT_EQ(salvas.PressaoSaidaTurbinaAlta, 21.5);  // kept without the turbine
    EXPECT_FALSE(salvas.comTurbinaAlta);

    janela->AcaoNovo->trigger();
    EXPECT_EQ(dialogos->perguntasAlteracoes, 0);  // nothing unsaved
    EXPECT_EQ(Campo("Epci")->text(), "7530,0");
    EXPECT_TRUE(janela->CheckBox1->isChecked());
    EXPECT_EQ(janela->windowTitle(), Legenda);

    dialogos->abrir = arquivo;
    janela->AcaoAbrir->trigger();
    EXPECT_EQ(Campo("Epci")->text(), "7530,123");
    EXPECT_EQ(Campo("Emvalv")->text(), "10,000000000000002");
    EXPECT_EQ(Campo("Epstap")->text(), "21,5");
    EXPECT_FALSE(janela->CheckBox1->isChecked());
    EXPECT_EQ(janela->windowTitle(), Titulo("caso.usina"));
    janela->CheckBox1->setChecked(true);
    EXPECT_EQ(janela->windowTitle(), Titulo("caso.usina*"));
    janela->CheckBox1->setChecked(false);

    // The run reads the very numbers saved, then rewrites the fields in its
    // five-digit form: 7530,123 is no longer the case's number.
    janela->BitBtn1->click();
    EXPECT_EQ(janela->Resultado().dados.PciBagaco, 7530.123);
    EXPECT_EQ(janela->Resultado().dados.PercentualValvula, 10.000000000000002);
    EXPECT_EQ(Campo("Epci")->text(), "    7,5301E+003");
    EXPECT_EQ(janela->windowTitle(), Titulo("caso.usina*"));
    EXPECT_TRUE(apresentador.erros.empty()) << Mensagens();
}

TEST_F(ArquivoTeste, AlteracoesNaoSalvasPerguntamAntes) {
    Campo("Evap")->setText("500");
    dialogos->resposta = RespostaAlteracoes::Cancelar;
    janela->AcaoNovo->trigger();
    janela->AcaoAbrir->trigger();
    janela->close();
    EXPECT_EQ(dialogos->perguntasAlteracoes, 3);
    EXPECT_EQ(dialogos->dialogos, 0);  // no file dialogue after "Cancelar"
    EXPECT_EQ(Campo("Evap")->text(), "500");
    EXPECT_TRUE(janela->isVisible());

    // "Salvar" for a new case asks for a name; cancelling it cancels.
    dialogos->resposta = RespostaAlteracoes::Salvar;
    janela->AcaoNovo->trigger();
    EXPECT_EQ(dialogos->dialogos, 1);
    EXPECT_EQ(Campo("Evap")->text(), "500");
    dialogos->salvar = Caminho("guardado.usina");
    janela->AcaoNovo->trigger();
    EXPECT_EQ(LerCaso(Caminho("guardado.usina").toStdString()).caso.entradas.VaporPorTonelada, 500.0);
    EXPECT_EQ(Campo("Evap")->text(), "480,0");

    Campo("Evap")->setText("510");
    dialogos->resposta = RespostaAlteracoes::Descartar;
    janela->close();
    EXPECT_FALSE(janela->isVisible());
    EXPECT_EQ(dialogos->perguntasAlteracoes, 6);
    EXPECT_TRUE(apresentador.erros.empty()) << Mensagens();
}

// Inputs a run would refuse are not saved, and a file that is no case is not
// opened: the message says why, and nothing on screen changes.
TEST_F(ArquivoTeste, RecusasNaoMudamNada) {
    dialogos->salvar = Caminho("recusado.usina");
    Campo("Eefitap")->setText("150");
    janela->AcaoSalvarComo->trigger();
    Campo("Eefitap")->setText("75");
    Campo("Ebag")->setText("duzentos");
    janela->AcaoSalvarComo->trigger();
    ASSERT_EQ(apresentador.erros.size(), 2u);
    EXPECT_EQ(apresentador.erros[0].mensagem,
              QString::fromUtf8("Valor impossível em \"Eficiência da turbina de alta pressão "
                                "[%]\": 150. Deve ser maior que 0 e no máximo 100 %."));
    EXPECT_EQ(apresentador.erros[1].mensagem,
              QString::fromUtf8("O caso não pode ser gravado: o texto de \"Bagaço (50% de umidade) "
                                "por ton de cana [kg]\" não é um número: \"duzentos\""));
    EXPECT_EQ(dialogos->dialogos, 0);  // refused before a name is asked for
    EXPECT_FALSE(QFile::exists(Caminho("recusado.usina")));

    QFile ruim(Caminho("ruim.usina"));
    ASSERT_TRUE(ruim.open(QIODevice::WriteOnly));
    ruim.write("{ isto não é um caso");
    ruim.close();
    const QString titulo = janela->windowTitle();
    EXPECT_FALSE(janela->AbrirCaso(Caminho("ruim.usina")));
    EXPECT_EQ(dialogos->perguntasAlteracoes, 0);  // refused before asking
    ASSERT_EQ(apresentador.erros.size(), 3u);
    EXPECT_TRUE(apresentador.erros[2].mensagem.contains("ruim.usina"));
    EXPECT_EQ(Campo("Ebag")->text(), "duzentos");
    EXPECT_EQ(janela->windowTitle(), titulo);
    EXPECT_TRUE(janela->CaminhoCaso().isEmpty());
    EXPECT_TRUE(CasosRecentes::Lista().isEmpty());
}

// What the window does not show stays in the file: the description; keys it
// does not know are named on the warning line, as are results from before.
TEST_F(ArquivoTeste, DescricaoFicaEChaveDesconhecidaEAvisada) {
    QByteArray texto = Conteudo(QString::fromUtf8(USINA_EXEMPLO_CASO));
    texto.replace("\"Dados padrão do programa\"", "\"Safra 2026\", \"operador\": \"Ana\"");
    QFile descrito(Caminho("descrito.usina"));
    ASSERT_TRUE(descrito.open(QIODevice::WriteOnly));
    descrito.write(texto);
    descrito.close();
    janela->BitBtn1->click();
    ASSERT_TRUE(janela->AbrirCaso(Caminho("descrito.usina"))) << Mensagens();
    EXPECT_TRUE(janela->LinhaAviso->text().contains("operador"));
    EXPECT_TRUE(janela->LinhaAviso->text().contains(QString::fromUtf8("cálculo anterior")));

    Campo("Evap")->setText("490");
    janela->AcaoSalvar->trigger();
    EXPECT_EQ(dialogos->dialogos, 0);  // saved under its own name
    const CasoLido lido = LerCaso(Caminho("descrito.usina").toStdString());
    EXPECT_EQ(lido.caso.descricao, "Safra 2026");
    EXPECT_EQ(lido.caso.entradas.VaporPorTonelada, 490.0);
    EXPECT_EQ(janela->windowTitle(), Titulo("descrito.usina"));
}

TEST_F(ArquivoTeste, RecentesGuardamOsOitoUltimos) {
    std::vector<QString> casos;
    for (int i = 0; i < 10; ++i) {
        const std::string nome = "c" + std::to_string(i) + ".usina";
        casos.push_back(CasoComCapacidade(nome.c_str(), 300.0 + i));
        ASSERT_TRUE(janela->AbrirCaso(casos.back())) << Mensagens();
    }
    EXPECT_TRUE(janela->AbrirCaso(casos[5]));  // to the top, once
    QStringList esperado = {casos[5], casos[9], casos[8], casos[7],
                            casos[6], casos[4], casos[3], casos[2]};
    // Kept for the next session: another window's menu lists them.
    TFusina outra;
    const QList<QAction*> acoes = outra.MenuRecentes->actions();
    ASSERT_GE(acoes.size(), 8);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(acoes[i]->data().toString(), esperado[i]);

    // A recent file that is gone is dropped with a message.
    ASSERT_TRUE(QFile::remove(casos[9]));
    janela->MenuRecentes->actions().at(1)->trigger();
    ASSERT_EQ(apresentador.erros.size(), 1u);
    EXPECT_TRUE(apresentador.erros[0].mensagem.contains(QString::fromUtf8("não existe mais")));
    esperado.removeAll(casos[9]);
    EXPECT_EQ(CasosRecentes::Lista(), esperado);
    EXPECT_EQ(Campo("Ecapusi")->text(), "305,0");

    janela->MenuRecentes->actions().at(1)->trigger();
    EXPECT_EQ(Campo("Ecapusi")->text(), "308,0");
    EXPECT_EQ(janela->windowTitle(), Titulo("c8.usina"));
}

TEST_F(ArquivoTeste, LinhaDeComandoEArrastarAbremOCaso) {
    CasoComCapacidade("linha.usina", 321.5);
    const OpcoesJanela opcoes = LerOpcoesJanela({"usina", "linha.usina"});
    ASSERT_FALSE(opcoes.sair) << opcoes.texto.toStdString();
    EXPECT_EQ(opcoes.caso, Caminho("linha.usina"));  // against the directory of the start
    EXPECT_TRUE(janela->AbrirCaso(opcoes.caso));
    EXPECT_EQ(Campo("Ecapusi")->text(), "321,5");
    EXPECT_EQ(janela->windowTitle(), Titulo("linha.usina"));
    for (const char* opcao : {"--help", "--help-all"}) {
        const OpcoesJanela ajuda = LerOpcoesJanela({"usina", opcao});
        EXPECT_TRUE(ajuda.sair && ajuda.codigo == 0 && ajuda.texto.contains("caso.usina")) << opcao;
    }
    for (const QStringList& errado : {QStringList{"usina", "a.usina", "b.usina"},
                                      QStringList{"usina", "--nao-existe"}}) {
        EXPECT_EQ(LerOpcoesJanela(errado).codigo, 2) << errado.join(' ').toStdString();
    }

    // Dropped on the window: a case is taken, another file is not.
    const QString arrastado = CasoComCapacidade("arrastado.usina", 333.0);
    QMimeData outro;
    outro.setUrls({QUrl::fromLocalFile(Caminho("dados.txt"))});
    QDragEnterEvent recusado(QPoint(20, 20), Qt::CopyAction, &outro, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(janela.get(), &recusado);
    EXPECT_FALSE(recusado.isAccepted());
    QMimeData dados;
    dados.setUrls({QUrl::fromLocalFile(arrastado)});
    QDragEnterEvent entrada(QPoint(20, 20), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(janela.get(), &entrada);
    EXPECT_TRUE(entrada.isAccepted());
    QDropEvent soltar(QPointF(20, 20), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(janela.get(), &soltar);
    QCoreApplication::processEvents();
    EXPECT_EQ(Campo("Ecapusi")->text(), "333,0");
    EXPECT_EQ(janela->CaminhoCaso(), arrastado);
    EXPECT_TRUE(apresentador.erros.empty()) << Mensagens();
}

TEST_F(ArquivoTeste, ExportarSoDepoisDeUmCalculoCompleto) {
    dialogos->exportar = Caminho("r.csv");
    janela->AcaoExportar->trigger();
    ASSERT_EQ(apresentador.erros.size(), 1u);
    EXPECT_EQ(apresentador.erros[0].mensagem,
              QString::fromUtf8("Ainda não há resultados: execute o cálculo (Executar) antes de gravar."));
    EXPECT_EQ(dialogos->dialogos, 0);

    janela->BitBtn1->click();
    janela->AcaoExportar->trigger();
    EXPECT_EQ(Conteudo(Caminho("r.csv")),
              "\xEF\xBB\xBF" + QByteArray::fromStdString(ResultadosCsv(
                                      janela->Resultado(), ",", CabecalhoPressao::BarAbsoluto)));
    EXPECT_EQ(janela->LinhaAviso->text(),
              "Resultados exportados para " + QDir::toNativeSeparators(Caminho("r.csv")));
    dialogos->exportar = Caminho("r.json");
    janela->AcaoExportar->trigger();
    const QJsonObject json = QJsonDocument::fromJson(Conteudo(Caminho("r.json"))).object();
    EXPECT_TRUE(json["com_turbina_alta"].toBool());
    EXPECT_EQ(json["entradas"].toObject()["Epci"].toDouble(), 7530.0);
    EXPECT_EQ(json["campos"].toObject()["Epci"].toString(), "    7,5300E+003");
    EXPECT_EQ(json["campos"].toObject()["Eprodvap"].toString(), "    1,9200E+002");
    EXPECT_EQ(apresentador.erros.size(), 1u) << Mensagens();

    // A run that stopped part of the way has nothing to export.
    Campo("Eefitmp")->setText("setenta");
    janela->BitBtn1->click();
    dialogos->exportar = Caminho("r2.json");
    janela->AcaoExportar->trigger();
    ASSERT_EQ(apresentador.erros.size(), 3u);
    EXPECT_EQ(apresentador.erros[2].mensagem,
              QString::fromUtf8("O último cálculo não terminou: não há resultados completos para gravar."));
    EXPECT_FALSE(QFile::exists(Caminho("r2.json")));
}

}  // namespace
