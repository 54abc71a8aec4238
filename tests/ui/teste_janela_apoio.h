// What the window tests share: a fresh window per test, shown, in a temporary
// working directory, with the error boxes recorded instead of shown.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QGroupBox>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "ui/TratadorErros.h"
#include "ui/Uusina.h"

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

class JanelaTeste : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temporario.isValid());
        diretorioAnterior = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(temporario.path()));
        apresentadorAnterior = InstalarApresentador(&apresentador);
        janela = std::make_unique<TFusina>();
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
};
