#include "ui/comum/TratadorErros.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "plant/MensagemErro.h"
#include "ui/comum/MensagensNucleo.h"

namespace {

ApresentadorErros* instalado = nullptr;

QString TituloAtual() {
    return TituloAplicacao(QCoreApplication::instance() ? QCoreApplication::applicationFilePath()
                                                        : QString());
}

}  // namespace

void ApresentadorErrosQt::MostrarErro(const QString& titulo, const QString& mensagem) {
    QMessageBox caixa(QMessageBox::Critical, titulo, mensagem, QMessageBox::Ok,
                      QApplication::activeWindow());
    // The message may quote a file's text or name: shown as it is.
    caixa.setTextFormat(Qt::PlainText);
    caixa.exec();
}

ApresentadorErros& ApresentadorAtual() {
    static ApresentadorErrosQt caixa;
    return instalado ? *instalado : caixa;
}

ApresentadorErros* InstalarApresentador(ApresentadorErros* apresentador) {
    ApresentadorErros* anterior = instalado;
    instalado = apresentador;
    return anterior;
}

QString TituloAplicacao(const QString& caminhoExecutavel) {
    const QString nome = QFileInfo(caminhoExecutavel).fileName();
    const QString base = nome.left(nome.indexOf('.'));  // whole name when there is no '.'
    return base.left(1).toUpper() + base.mid(1).toLower();
}

void MostrarExcecao(std::exception_ptr erro) noexcept {
    try {
        // The core's sentences in the window's language, then the full stop.
        const QString traduzida = TextoErroTraduzido(erro);
        ApresentadorAtual().MostrarErro(
            TituloAtual(), QString::fromStdString(MensagemComPonto(traduzida.toStdString())));
    } catch (...) {
        // Out of memory while building or showing the box: the event loop
        // must go on all the same.
    }
}

void ExecutarTratando(const std::function<void()>& corpo) noexcept {
    try {
        corpo();
    } catch (...) {
        MostrarExcecao(std::current_exception());
    }
}
