// What the window tests share: a fresh window per test, shown, in a temporary
// working directory, with the error boxes recorded instead of shown, the file
// dialogues and questions answered from the test, and no recent case files
// (the settings live in a temporary directory, see teste_janela_main.cpp).
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QGroupBox>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

#include "ui/comum/DialogosArquivo.h"
#include "ui/comum/TratadorErros.h"
#include "ui/janela/CasosRecentes.h"
#include "ui/janela/Uusina.h"

// Failure messages show a QString as its text.
inline void PrintTo(const QString& texto, std::ostream* saida) {
    *saida << '"' << texto.toStdString() << '"';
}

struct ErroMostrado {
    QString titulo;
    QString mensagem;
};

class ApresentadorGravado : public ApresentadorErros {
public:
    void MostrarErro(const QString& titulo, const QString& mensagem) override {
        erros.push_back({titulo, mensagem});
    }
    std::vector<ErroMostrado> erros;
};

// Answers the file dialogues and questions as set, and counts them. An empty
// name is a cancelled dialogue.
class DialogosRespondidos : public DialogosArquivo {
public:
    QString EscolherCasoParaAbrir(const QString&) override { return Proximo(abrir); }
    QString EscolherCasoParaSalvar(const QString&) override { return Proximo(salvar); }
    QString EscolherExportacao(const QString&) override { return Proximo(exportar); }
    QString EscolherArquivoParaGravar(const QString&, const QString&, const QStringList&,
                                      const QStringList&) override {
        return Proximo(gravar);
    }
    RespostaAlteracoes PerguntarAlteracoes(const QString&) override {
        ++perguntasAlteracoes;
        return resposta;
    }
    bool ConfirmarSubstituir(const QString& caminho) override {
        substituicoes.push_back(caminho);
        return substituir;
    }

    QString abrir, salvar, exportar, gravar;
    RespostaAlteracoes resposta = RespostaAlteracoes::Cancelar;
    bool substituir = true;
    int dialogos = 0;  // file dialogues shown
    int perguntasAlteracoes = 0;
    std::vector<QString> substituicoes;

private:
    QString Proximo(const QString& escolha) {
        ++dialogos;
        return escolha;
    }
};

class JanelaTeste : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temporario.isValid());
        diretorioAnterior = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(temporario.path()));
        apresentadorAnterior = InstalarApresentador(&apresentador);
        CasosRecentes::Limpar();
        janela = std::make_unique<TFusina>();
        auto respondidos = std::make_unique<DialogosRespondidos>();
        dialogos = respondidos.get();
        janela->DefinirDialogosArquivo(std::move(respondidos));
        janela->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        janela.reset();
        InstalarApresentador(apresentadorAnterior);
        QDir::setCurrent(diretorioAnterior);
    }

    // The messages shown so far, for failure output.
    std::string Mensagens() const {
        std::string todas;
        for (const ErroMostrado& erro : apresentador.erros) todas += erro.mensagem.toStdString() + "\n";
        return todas;
    }
    QLineEdit* Campo(const char* nome) const { return janela->findChild<QLineEdit*>(nome); }
    // Chooses an item of "Componentes" as the user would.
    void Escolher(int item) {
        janela->RadioGroup1->findChildren<QRadioButton*>().at(item)->click();
        QCoreApplication::processEvents();
    }

    QTemporaryDir temporario;
    QString diretorioAnterior;
    ApresentadorGravado apresentador;
    ApresentadorErros* apresentadorAnterior = nullptr;
    std::unique_ptr<TFusina> janela;
    DialogosRespondidos* dialogos = nullptr;  // owned by janela
};
