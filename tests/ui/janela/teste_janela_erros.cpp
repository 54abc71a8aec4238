// The general error handler: title, message with its full stop, anything
// thrown is shown and swallowed, also when it escapes an event.
#include <QCoreApplication>
#include <QEvent>
#include <stdexcept>

#include "teste_janela_apoio.h"

namespace {

struct CasoTitulo {
    const char* caminho;
    const char* titulo;
};

class ObjetoQueFalha : public QObject {
public:
    bool event(QEvent* evento) override {
        if (evento->type() == QEvent::User) throw std::runtime_error("evento falhou");
        return QObject::event(evento);
    }
};

class ErrosTeste : public ::testing::Test {
protected:
    void SetUp() override { anterior = InstalarApresentador(&apresentador); }
    void TearDown() override { InstalarApresentador(anterior); }
    ApresentadorGravado apresentador;
    ApresentadorErros* anterior = nullptr;
};

}  // namespace

TEST(TituloAplicacao, NomeDoExecutavelAteOPrimeiroPonto) {
    const CasoTitulo casos[] = {
        {"/usr/bin/usina", "Usina"},
        {"/usr/bin/USINA", "Usina"},
        {"C:/Programas/usina.exe", "Usina"},
        {"/opt/usina.calc.exe", "Usina"},
        {"/home/u/v1.2/usina", "Usina"},  // a dot in a directory does not count
        {"/x/testes_janela", "Testes_janela"},
        {"/x/ação.bin", "Ação"},
        {"/x/.oculto", ""},
        {"", ""},
    };
    for (const CasoTitulo& caso : casos)
        EXPECT_EQ(TituloAplicacao(QString::fromUtf8(caso.caminho)), QString::fromUtf8(caso.titulo))
            << caso.caminho;
}

TEST_F(ErrosTeste, ErroDoTratadorVaiParaACaixaComPonto) {
    const struct {
        std::function<void()> corpo;
        const char* mensagem;
    } casos[] = {
        {[] { throw std::runtime_error("Cannot create file x.txt"); }, "Cannot create file x.txt."},
        {[] { throw std::runtime_error("Já tem ponto."); }, "Já tem ponto."},
        {[] { throw std::out_of_range("fora"); }, "fora."},
        {[] { throw 42; }, "Unknown error."},
    };
    for (const auto& caso : casos) {
        apresentador.erros.clear();
        ExecutarTratando(caso.corpo);
        ASSERT_EQ(apresentador.erros.size(), 1u) << caso.mensagem;
        EXPECT_EQ(apresentador.erros[0].mensagem, QString::fromUtf8(caso.mensagem));
        EXPECT_EQ(apresentador.erros[0].titulo, "Usina");
    }
    apresentador.erros.clear();
    bool executou = false;
    ExecutarTratando([&] { executou = true; });
    EXPECT_TRUE(executou);
    EXPECT_TRUE(apresentador.erros.empty());
}

TEST_F(ErrosTeste, ErroQueEscapaDeUmEventoEMostradoPelaAplicacao) {
    ObjetoQueFalha objeto;
    QEvent evento(QEvent::User);
    QCoreApplication::sendEvent(&objeto, &evento);
    ASSERT_EQ(apresentador.erros.size(), 1u);
    EXPECT_EQ(apresentador.erros[0].mensagem, "evento falhou.");

    // Posted events too, and the loop goes on.
    QCoreApplication::postEvent(&objeto, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    EXPECT_EQ(apresentador.erros.size(), 2u);
}
