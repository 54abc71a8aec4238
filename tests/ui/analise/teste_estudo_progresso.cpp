// The study while it runs and after it is cancelled: the progress told
// honestly, the buttons kept in place, a count of points that cannot make a
// range refused, a partial study's exports asked for and named so.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>

#include "ui/analise/ProgressoEstudo.h"
#include "ui/analise/VistaEstudo.h"
#include "ui/comum/TratadorErros.h"

namespace {

class ErrosAnotados : public ApresentadorErros {
public:
    void MostrarErro(const QString&, const QString& mensagem) override { erros << mensagem; }
    QStringList erros;
};

class EstudoEmCurso : public ::testing::Test {
protected:
    void SetUp() override { anterior_ = InstalarApresentador(&erros); }
    void TearDown() override { InstalarApresentador(anterior_); }
    ErrosAnotados erros;

private:
    ApresentadorErros* anterior_ = nullptr;
};

PedidoVarredura Longo() {  // 100 000 points: seconds
    PedidoVarredura p;
    p.eixos = {{"Ecapusi", 300.0, 500.0, 5000}, {"Etscal", 400.0, 500.0, 20}};
    p.saidas = {"Epotele"};
    p.separador = ",";
    return p;
}

bool Terminou(const VistaEstudo& v) {
    return QTest::qWaitFor([&] { return !v.Executando(); }, 120000);
}

}  // namespace

TEST(ProgressoEstudo, CemPorCentoSoNoFim) {
    const std::size_t maximo = std::numeric_limits<std::size_t>::max();
    struct Caso {
        std::size_t feitos, total;
        int esperado;
    } const casos[] = {
        {0, 10, 0},       {1, 10, 10},     {9, 10, 90},       {10, 10, 100},
        {995, 1000, 99},  {999, 1000, 99}, {1000, 1000, 100}, {999999, 1000000, 99},
        {1, 3, 33},       {2, 3, 66},      {0, 0, 0},         {maximo - 1, maximo, 99},
        {maximo, maximo, 100},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(PercentualConcluido(c.feitos, c.total), c.esperado) << c.feitos << "/" << c.total;
}

// The progress bar appears under the buttons without moving them, and never
// reads 100 % while points are left.
TEST_F(EstudoEmCurso, BotoesNoLugarEProgressoHonesto) {
    for (const QSize tamanho : {QSize(1200, 700), QSize(650, 450)}) {
        VistaEstudo vista;
        vista.resize(tamanho);
        vista.show();
        QApplication::processEvents();
        const QPoint executar = vista.BotaoExecutar->mapTo(&vista, QPoint());
        const QPoint cancelar = vista.BotaoCancelar->mapTo(&vista, QPoint());
        vista.ExecutarEstudo(Longo());
        ASSERT_TRUE(QTest::qWaitFor([&] { return vista.Progresso->isVisible(); }, 20000));
        QApplication::processEvents();
        EXPECT_EQ(vista.BotaoExecutar->mapTo(&vista, QPoint()), executar);
        EXPECT_EQ(vista.BotaoCancelar->mapTo(&vista, QPoint()), cancelar);
        if (vista.Progresso->value() < vista.Progresso->maximum()) {
            EXPECT_NE(vista.Progresso->text(), "100%");
        }
        vista.Cancelar();
        ASSERT_TRUE(Terminou(vista));
        QApplication::processEvents();
        EXPECT_EQ(vista.BotaoExecutar->mapTo(&vista, QPoint()), executar);
    }
}

// One point cannot make a range: typed, it stays, and the run is refused
// with a message naming the input, for either axis.
TEST_F(EstudoEmCurso, UmPontoRecusadoComMensagem) {
    VistaEstudo vista;
    vista.show();
    vista.Pontos1->setFocus();
    vista.Pontos1->selectAll();
    QTest::keyClicks(vista.Pontos1, "1");
    vista.Inicio1->setFocus();  // the spin box loses the focus: nothing put back
    QApplication::processEvents();
    EXPECT_EQ(vista.Pontos1->value(), 1);
    vista.ExecutarClick();
    EXPECT_FALSE(vista.Executando());
    ASSERT_EQ(erros.erros.size(), 1);
    EXPECT_EQ(erros.erros[0], "\"Pontos\" de Pressão de operação da Caldeira [bar]: são precisos pelo "
                              "menos 2 (o início e o fim da faixa), não 1.");

    erros.erros.clear();
    vista.Pontos1->setValue(2);
    vista.CampoEntrada2->setCurrentIndex(vista.CampoEntrada2->findData("Etscal"));
    vista.Pontos2->setValue(1);
    vista.ExecutarClick();
    EXPECT_FALSE(vista.Executando());
    ASSERT_EQ(erros.erros.size(), 1);
    EXPECT_TRUE(erros.erros[0].startsWith("\"Pontos\" de Temperatura de saída da caldeira [°C]"))
        << erros.erros[0].toStdString();
    vista.Pontos2->setValue(2);
    erros.erros.clear();
    vista.ExecutarClick();
    ASSERT_TRUE(Terminou(vista));
    EXPECT_TRUE(erros.erros.isEmpty()) << erros.erros.join("\n").toStdString();
    EXPECT_EQ(vista.UltimoResultado().pontos.size(), 4u);
}

// A cancelled study's exports ask first; declined, nothing is asked or
// written; accepted, they start at "-parcial" names and the chart says it is
// partial. A whole study asks nothing.
TEST_F(EstudoEmCurso, ExportacaoDeEstudoCancelado) {
    QTemporaryDir pasta;
    const QString antes = QDir::currentPath();
    QDir::setCurrent(pasta.path());
    VistaEstudo vista;
    QStringList perguntas, iniciais;
    bool aceitar = false;
    vista.DefinirPerguntaParcial([&](const QString& p) {
        perguntas << p;
        return aceitar;
    });
    QString nome;
    vista.DefinirEscolhaArquivo([&](const QString&, const QString& inicial, const QStringList&,
                                    const QStringList&) {
        iniciais << QFileInfo(inicial).fileName();
        return nome.isEmpty() ? QString() : pasta.filePath(nome);
    });
    vista.ExecutarEstudo(Longo());
    QTest::qWait(300);
    vista.Cancelar();
    ASSERT_TRUE(Terminou(vista));
    ASSERT_TRUE(vista.UltimoResultado().cancelada);

    vista.ExportarCsvClick();
    vista.ExportarGraficoClick();
    EXPECT_EQ(perguntas.size(), 2);
    EXPECT_TRUE(perguntas[0].startsWith("O estudo foi cancelado: só ")) << perguntas[0].toStdString();
    EXPECT_TRUE(iniciais.isEmpty());

    aceitar = true;
    nome = "parcial.csv";
    vista.ExportarCsvClick();
    nome = "parcial.svg";
    vista.ExportarGraficoClick();
    EXPECT_EQ(iniciais, (QStringList{"estudo-parcial.csv", "estudo-parcial.png"}));
    EXPECT_TRUE(QFile::exists(pasta.filePath("parcial.csv")));
    QFile svg(pasta.filePath("parcial.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("Estudo cancelado"));

    // A whole study: no question, the usual names.
    perguntas.clear();
    iniciais.clear();
    vista.Pontos1->setValue(3);
    vista.ExecutarClick();
    ASSERT_TRUE(Terminou(vista));
    nome = "inteiro.csv";
    vista.ExportarCsvClick();
    EXPECT_TRUE(perguntas.isEmpty());
    EXPECT_EQ(iniciais, QStringList{"estudo.csv"});
    EXPECT_TRUE(erros.erros.isEmpty()) << erros.erros.join("\n").toStdString();
    QDir::setCurrent(antes);
}
