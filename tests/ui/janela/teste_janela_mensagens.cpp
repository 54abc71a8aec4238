// What the window says when it cannot go on: a field whose text is not a
// number keeps its written error box, and the warning line says which field
// and what a number looks like; every save but the written report and the
// JPEG says which file failed and why, in the window's language.
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <cstdio>
#include <algorithm>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "EmIngles.h"
#include "teste_janela_apoio.h"
#include "ui/vistas/VistaCorrentes.h"
#include "ui/vistas/VistaDiagramaTs.h"
#include "ui/vistas/VistaExergia.h"
#include "ui/vistas/VistaFluxograma.h"
#include "ui/vistas/VistaSafra.h"

namespace {

using MensagensTeste = JanelaTeste;

// The field, what is typed in it, and what the warning line then adds in
// each language; the error box is the written one whatever the field.
TEST_F(MensagensTeste, TextoQueNaoENumeroDizOCampoEComoEscrever) {
    const struct {
        const char* campo;
        const char* texto;
        const char* portugues;
        const char* ingles;
    } casos[] = {
        {"Eprecal", "80.5", "Pressão de operação da Caldeira: use vírgula decimal, por exemplo 80,5",
         "Boiler operating pressure: use a decimal comma, for example 80,5"},
        {"Eefitap", "75%", "Eficiência da turbina de alta pressão: use vírgula decimal, por exemplo 75,5",
         "HP turbine efficiency: use a decimal comma, for example 75,5"},
        {"Eprevap", "", "Pressão do vapor para processos: use vírgula decimal, por exemplo 2,5",
         "Process steam pressure: use a decimal comma, for example 2,5"},
        {"Ediasafra", "200 dias", "Duração da safra: use vírgula decimal, por exemplo 200,5",
         "Season length: use a decimal comma, for example 200,5"},
    };
    for (const auto& c : casos) {
        for (const bool ingles : {false, true}) {
            std::optional<EmIngles> idioma;
            if (ingles) idioma.emplace();
            QLineEdit* campo = Campo(c.campo);
            if (campo == nullptr) campo = janela->Safra->findChild<QLineEdit*>(c.campo);
            ASSERT_NE(campo, nullptr) << c.campo;
            const QString antes = campo->text();
            campo->setText(QString::fromUtf8(c.texto));
            apresentador.erros.clear();
            janela->BitBtn1->click();
            ASSERT_EQ(apresentador.erros.size(), 1u) << c.campo;
            EXPECT_EQ(apresentador.erros[0].mensagem,
                      "'" + QString::fromUtf8(c.texto) + "' is not a valid floating point value.");
            const QString linha = janela->LinhaAviso->text();
            const QString dica = QString::fromUtf8(ingles ? c.ingles : c.portugues);
            EXPECT_TRUE(linha.endsWith(dica)) << linha.toStdString() << " | " << dica.toStdString();
            campo->setText(antes);
            // The next run that finishes takes the hint away.
            janela->BitBtn1->click();
            EXPECT_EQ(janela->LinhaAviso->text(), "") << c.campo;
            ASSERT_EQ(apresentador.erros.size(), 1u) << Mensagens();
        }
    }
    // Other errors bring no hint: a number refused for its value.
    Campo("Eefitap")->setText("150");
    janela->BitBtn1->click();
    EXPECT_FALSE(janela->LinhaAviso->text().contains("por exemplo"));
}

// A window whose locale writes numbers with a decimal point says so.
TEST_F(MensagensTeste, ComPontoDecimalDizPonto) {
    const QLocale anterior;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    {
        TFusina comPonto;
        auto* eprecal = comPonto.findChild<QLineEdit*>("Eprecal");
        ASSERT_EQ(eprecal->text(), "80.0");
        eprecal->setText("80,5");
        comPonto.BitBtn1Click();
        EXPECT_EQ(comPonto.LinhaAviso->text(),
                  QString::fromUtf8("O último cálculo parou com um erro: os resultados mostrados "
                                    "estão incompletos.  Pressão de operação da Caldeira: use "
                                    "ponto decimal, por exemplo 80.5"));
        const EmIngles ingles;
        EXPECT_TRUE(comPonto.LinhaAviso->text().endsWith(
            "Boiler operating pressure: use a decimal point, for example 80.5"))
            << comPonto.LinhaAviso->text().toStdString();
    }
    QLocale::setDefault(anterior);
}

// ---------------------------------------------------------------------------
// Files that cannot be written
// ---------------------------------------------------------------------------

// A kind of save: the suffix of its files and how the window is asked for it.
struct Gravacao {
    const char* nome;
    const char* sufixo;
    std::function<void(TFusina&, DialogosRespondidos&, const QString&)> gravar;
};

const Gravacao Gravacoes[] = {
    {"caso", ".usina",
     [](TFusina& j, DialogosRespondidos& d, const QString& c) {
         d.salvar = c;
         j.SalvarComoClick();
     }},
    {"relatório PDF", ".pdf",
     [](TFusina& j, DialogosRespondidos& d, const QString& c) {
         d.gravar = c;
         j.RelatorioPdfClick();
     }},
    {"resultados CSV", ".csv",
     [](TFusina& j, DialogosRespondidos& d, const QString& c) {
         d.exportar = c;
         j.ExportarClick();
     }},
    {"tabela de correntes CSV", ".csv",
     [](TFusina& j, DialogosRespondidos& d, const QString& c) {
         d.gravar = c;
         j.Correntes->BotaoExportar->click();
     }},
    {"gráfico de exergia PNG", ".png",
     [](TFusina& j, DialogosRespondidos& d, const QString& c) {
         d.gravar = c;
         j.Exergia->BotaoExportar->click();
     }},
    {"diagrama T-s SVG", ".svg",
     [](TFusina& j, DialogosRespondidos& d, const QString& c) {
         d.gravar = c;
         j.DiagramaTs->BotaoExportar->click();
     }},
    {"fluxograma com resultados SVG", ".svg",
     [](TFusina& j, DialogosRespondidos& d, const QString& c) {
         d.gravar = c;
         j.FluxogramaResultados->findChild<QPushButton*>("BotaoExportarFluxograma")->click();
     }},
};

// Why the file cannot be written: where it is asked to go, and the reason
// as each language says it.
struct Motivo {
    const char* nome;
    std::function<QString(const char* sufixo)> caminho;
    const char* portugues;
    const char* ingles;
};

QString NaPasta(const QString& relativo) { return QDir::current().absoluteFilePath(relativo); }

const Motivo PastaFechada{"pasta sem permissão",
                          [](const char* s) { return NaPasta(QString("fechada/x") + s); },
                          "não há permissão para criar arquivos na pasta",
                          "there is no permission to create files in the folder"};

const Motivo Motivos[] = {
    {"pasta que não existe", [](const char* s) { return NaPasta(QString("nao-existe/x") + s); },
     "a pasta não existe", "the folder does not exist"},
    {"nome longo demais", [](const char* s) { return NaPasta(QString(300, 'n') + s); },
     "o nome é longo demais", "the name is too long"},
    {"uma parte do caminho é um arquivo",
     [](const char* s) { return NaPasta(QString("arquivo.txt/x") + s); },
     "uma parte do caminho não é uma pasta", "a part of the path is not a folder"},
    {"nome de pasta", [](const char* s) { return NaPasta(QString("pasta") + s); },
     "é uma pasta, não um arquivo", "it is a folder, not a file"},
};

// Every kind of save refused for the reason, in both languages: exactly the
// one error box, naming the file and the reason, never the bare fixed text,
// nothing written and no success on the warning line. Returns the number of
// failures, each printed.
int VerificarMotivo(TFusina& janela, DialogosRespondidos& dialogos, ApresentadorGravado& erros,
                    const Motivo& motivo) {
    int falhas = 0;
    for (const Gravacao& g : Gravacoes) {
        for (const bool ingles : {false, true}) {
            std::optional<EmIngles> idioma;
            if (ingles) idioma.emplace();
            const QString caminho = motivo.caminho(g.sufixo);
            erros.erros.clear();
            const QString linhaAntes = janela.LinhaAviso->text();
            g.gravar(janela, dialogos, caminho);
            const QString esperado =
                (ingles ? QString("Could not write the file \"%1\": %2.")
                        : QString::fromUtf8("Não foi possível gravar o arquivo \"%1\": %2."))
                    .arg(QDir::toNativeSeparators(caminho),
                         QString::fromUtf8(ingles ? motivo.ingles : motivo.portugues));
            const QString obtido = erros.erros.size() == 1 ? erros.erros[0].mensagem : QString();
            const bool certo = erros.erros.size() == 1 && obtido == esperado &&
                               !obtido.contains("File access denied") &&
                               !QFileInfo(caminho).isFile() &&
                               janela.LinhaAviso->text() == linhaAntes;
            if (!certo) {
                ++falhas;
                std::fprintf(stderr, "%s, %s, %s: %d box(es), \"%s\"\n  expected \"%s\"\n", g.nome,
                             motivo.nome, ingles ? "en" : "pt", int(erros.erros.size()),
                             obtido.toUtf8().constData(), esperado.toUtf8().constData());
            }
        }
    }
    return falhas;
}

class GravacoesTeste : public JanelaTeste {
protected:
    void SetUp() override {
        JanelaTeste::SetUp();
        // Every kind of save needs a finished run.
        janela->BitBtn1Click();
        ASSERT_TRUE(apresentador.erros.empty()) << Mensagens();
        QDir().mkdir("pasta.usina");
        for (const Gravacao& g : Gravacoes) QDir().mkdir(QString("pasta") + g.sufixo);
        QFile arquivo("arquivo.txt");
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    }
};

TEST_F(GravacoesTeste, CadaGravacaoDizQualArquivoEPorQue) {
    for (const Motivo& motivo : Motivos)
        EXPECT_EQ(VerificarMotivo(*janela, *dialogos, apresentador, motivo), 0) << motivo.nome;
}

// A folder that lets no file be created. Root writes anywhere: the saves are
// then tried as "nobody" (the effective user only, which root takes back).
TEST_F(GravacoesTeste, PastaSemPermissaoDizQualArquivoEPorQue) {
    ASSERT_TRUE(QDir().mkdir("fechada"));
    ASSERT_EQ(chmod("fechada", 0555), 0);
    const bool raiz = geteuid() == 0;
    if (raiz) {
        ASSERT_EQ(chmod(QFile::encodeName(temporario.path()).constData(), 0755), 0);
        ASSERT_EQ(setegid(65534), 0);
        ASSERT_EQ(seteuid(65534), 0);
    }
    const int falhas = VerificarMotivo(*janela, *dialogos, apresentador, PastaFechada);
    if (raiz) {
        ASSERT_EQ(seteuid(0), 0);
        ASSERT_EQ(setegid(0), 0);
    }
    chmod("fechada", 0755);
    EXPECT_EQ(falhas, 0);
}

}  // namespace
