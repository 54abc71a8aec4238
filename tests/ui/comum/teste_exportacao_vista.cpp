// The one "Exportar…" flow: which name is written for each answer of the
// dialogue under each suffix policy, when the question before replacing is
// asked and with which name, where the next export starts, and the
// window's question itself (PodeGravar) for files, links and directories.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

#include "io/ErrosArquivo.h"
#include "ui/comum/ExportacaoVista.h"

namespace {

const PoliticaExportacao Exigido{"Teste",
                                 {{"Imagem PNG (*.png)", "png"}, {"Desenho SVG (*.svg)", "svg"}},
                                 "figura.png",
                                 SufixoExportacao::Exigido,
                                 "Escolha .png ou .svg",
                                 true};
const PoliticaExportacao SeFaltar{"Teste",
                                  {{"Tabela CSV (*.csv)", "csv"}},
                                  "tabela.csv",
                                  SufixoExportacao::SeFaltar,
                                  nullptr,
                                  false};

// Names are relative to the working directory: a temporary one for each
// test, the previous one back afterwards.
struct PastaDeTrabalho {
    PastaDeTrabalho() : anterior(QDir::currentPath()) { QDir::setCurrent(pasta.path()); }
    ~PastaDeTrabalho() { QDir::setCurrent(anterior); }
    QString filePath(const QString& nome) const { return pasta.filePath(nome); }
    QString path() const { return pasta.path(); }
    QTemporaryDir pasta;
    QString anterior;
};

// The dialogue's answers and what the flow asked and wrote.
class Fluxo : public ::testing::Test {
protected:

    void Ligar(ExportacaoVista& e) {
        e.DefinirEscolha([this](const QString& titulo, const QString& inicial,
                                const QStringList& filtros, const QStringList& sufixos) {
            EXPECT_EQ(titulo, "Exportar");
            iniciais << inicial;
            ofertas.push_back(sufixos);
            EXPECT_EQ(filtros.size(), sufixos.size());
            return resposta.isEmpty() ? resposta : pasta.filePath(resposta);
        });
        e.DefinirConfirmacao([this](const QString& caminho) {
            perguntas << QFileInfo(caminho).fileName();
            return substituir;
        });
    }
    // The name written (file name only), empty when nothing was.
    QString Exportar(ExportacaoVista& e, const QString& nome) {
        resposta = nome;
        gravados.clear();
        const QString escrito = e.Exportar("Exportar", [this](const QString& caminho,
                                                              const QString& sufixo) {
            gravados << sufixo;
            QFile f(caminho);
            if (!f.open(QIODevice::WriteOnly)) throw ErroArquivo("não abriu");
            f.write("novo");
        });
        return escrito.isEmpty() ? QString() : QFileInfo(escrito).fileName();
    }
    void Criar(const QString& nome) {
        QFile f(pasta.filePath(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("antigo");
    }

    PastaDeTrabalho pasta;
    QString resposta;
    bool substituir = true;
    QStringList iniciais, perguntas, gravados;
    std::vector<QStringList> ofertas;
};

// Each answer under each policy: the name written (empty: nothing), the
// suffix given to the writer, or the refusal.
TEST_F(Fluxo, NomeGravadoPorPolitica) {
    const struct {
        const PoliticaExportacao* politica;
        const char* resposta;
        const char* gravado;  // nullptr: refused with the policy's message
        const char* sufixo;
    } casos[] = {
        {&Exigido, "a.png", "a.png", "png"},
        {&Exigido, "b.SVG", "b.SVG", "svg"},
        {&Exigido, "c.jpg", nullptr, ""},
        {&Exigido, "d", nullptr, ""},
        {&Exigido, "", "", ""},  // cancelled
        {&SeFaltar, "e", "e.csv", "csv"},
        {&SeFaltar, "f.txt", "f.txt", "txt"},
        {&SeFaltar, "g.CSV", "g.CSV", "csv"},
        {&SeFaltar, "", "", ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.resposta);
        ExportacaoVista e(nullptr, *c.politica);
        Ligar(e);
        if (c.gravado == nullptr) {
            try {
                Exportar(e, c.resposta);
                ADD_FAILURE() << "aceito";
            } catch (const ErroArquivo& erro) {
                EXPECT_STREQ(erro.what(), "Escolha .png ou .svg");
            }
            EXPECT_TRUE(gravados.isEmpty());
            continue;
        }
        EXPECT_EQ(Exportar(e, c.resposta), c.gravado);
        EXPECT_EQ(gravados, *c.gravado ? QStringList{c.sufixo} : QStringList());
        if (*c.gravado) {
            EXPECT_TRUE(QFile::exists(pasta.filePath(c.gravado)));
        }
    }
    EXPECT_TRUE(perguntas.isEmpty());  // nothing was there before
}

// The question comes once something is at the final name (the suffix
// already added), a link that leads nowhere included; no is nothing written.
TEST_F(Fluxo, PerguntaAntesDeSubstituir) {
    Criar("existe.csv");
    ASSERT_TRUE(QFile::link(pasta.filePath("nenhum.csv"), pasta.filePath("quebrada.csv")));
    ExportacaoVista e(nullptr, SeFaltar);
    Ligar(e);
    substituir = false;
    EXPECT_EQ(Exportar(e, "existe"), "");
    EXPECT_EQ(Exportar(e, "quebrada.csv"), "");
    EXPECT_EQ(perguntas, (QStringList{"existe.csv", "quebrada.csv"}));
    QFile f(pasta.filePath("existe.csv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "antigo");
    EXPECT_FALSE(QFile::exists(pasta.filePath("nenhum.csv")));
    substituir = true;
    EXPECT_EQ(Exportar(e, "existe"), "existe.csv");
    EXPECT_EQ(perguntas.size(), 3);
    EXPECT_EQ(Exportar(e, "novo"), "novo.csv");
    EXPECT_EQ(perguntas.size(), 3);
}

// A remembering export starts at its name in the directory it was made in,
// then at the last file written with that file's format offered first; a
// failed write is not remembered. The others start afresh in the working
// directory of the moment.
TEST_F(Fluxo, OndeComecaAProxima) {
    ExportacaoVista lembra(nullptr, Exigido);
    ExportacaoVista esquece(nullptr, SeFaltar);
    Ligar(lembra);
    Ligar(esquece);
    QDir(pasta.path()).mkdir("outra");
    ASSERT_TRUE(QDir::setCurrent(pasta.filePath("outra")));
    Exportar(lembra, "x.svg");
    Exportar(esquece, "y");
    EXPECT_THROW(Exportar(lembra, "falta/z.png"), ErroArquivo);
    Exportar(lembra, "");
    EXPECT_EQ(iniciais, (QStringList{pasta.filePath("figura.png"),
                                     pasta.filePath("outra/tabela.csv"), pasta.filePath("x.svg"),
                                     pasta.filePath("x.svg")}));
    ASSERT_EQ(ofertas.size(), 4u);
    EXPECT_EQ(ofertas[0], (QStringList{"png", "svg"}));
    EXPECT_EQ(ofertas[2], (QStringList{"svg", "png"}));
    EXPECT_EQ(ofertas[3], (QStringList{"svg", "png"}));
}

// The window's question: about the file a link leads to, about a regular
// file; none for nothing there or for what is not a file.
class DialogosGravados : public DialogosArquivo {
public:
    QString EscolherCasoParaAbrir(const QString&) override { return {}; }
    QString EscolherCasoParaSalvar(const QString&) override { return {}; }
    QString EscolherExportacao(const QString&) override { return {}; }
    QString EscolherArquivoParaGravar(const QString&, const QString&, const QStringList&,
                                      const QStringList&) override {
        return {};
    }
    RespostaAlteracoes PerguntarAlteracoes(const QString&) override {
        return RespostaAlteracoes::Cancelar;
    }
    bool ConfirmarSubstituir(const QString& caminho) override {
        perguntas << "arquivo " + caminho;
        return false;
    }
    bool ConfirmarSubstituirLigacao(const QString& ligacao, const QString& destino) override {
        perguntas << "ligacao " + ligacao + " " + destino;
        return false;
    }
    QStringList perguntas;
};

TEST_F(Fluxo, PerguntaDaJanela) {
    Criar("alvo.png");
    QDir(pasta.path()).mkdir("pasta.png");
    ASSERT_TRUE(QFile::link(pasta.filePath("alvo.png"), pasta.filePath("ligacao.png")));
    ASSERT_TRUE(QFile::link(pasta.filePath("falta.png"), pasta.filePath("quebrada.png")));
    ASSERT_TRUE(QFile::link(pasta.filePath("pasta.png"), pasta.filePath("para-pasta.png")));
    const struct {
        const char* nome;
        std::optional<QString> pergunta;  // none: may be written without one
    } casos[] = {
        {"nada.png", std::nullopt},
        {"pasta.png", std::nullopt},
        {"para-pasta.png", std::nullopt},
        {"alvo.png", "arquivo " + pasta.filePath("alvo.png")},
        {"ligacao.png", "ligacao " + pasta.filePath("ligacao.png") + " " + pasta.filePath("alvo.png")},
        {"quebrada.png",
         "ligacao " + pasta.filePath("quebrada.png") + " " + pasta.filePath("falta.png")},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        DialogosGravados dialogos;
        EXPECT_EQ(PodeGravar(dialogos, pasta.filePath(c.nome)), !c.pergunta.has_value());
        EXPECT_EQ(dialogos.perguntas,
                  c.pergunta ? QStringList{*c.pergunta} : QStringList());
    }
}

}  // namespace
