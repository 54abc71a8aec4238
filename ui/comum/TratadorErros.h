// The general error handler: an error that ends an event handler is shown in
// a message box titled with the application's title, and the window carries
// on.
#pragma once

#include <QString>
#include <exception>
#include <functional>

// Shows one error to the user.
class ApresentadorErros {
public:
    virtual ~ApresentadorErros() = default;
    virtual void MostrarErro(const QString& titulo, const QString& mensagem) = 0;
};

// A modal message box with the error icon and an OK button.
class ApresentadorErrosQt : public ApresentadorErros {
public:
    void MostrarErro(const QString& titulo, const QString& mensagem) override;
};

// The presenter in use: the message box unless one was installed.
ApresentadorErros& ApresentadorAtual();
// Installs a presenter (nullptr restores the message box); returns the
// previous one. The caller keeps ownership.
ApresentadorErros* InstalarApresentador(ApresentadorErros* apresentador);

// The executable's file name up to its first '.', first letter upper case
// and the rest lower case: "/usr/bin/usina" -> "Usina".
QString TituloAplicacao(const QString& caminhoExecutavel);

// Shows an error that was caught: the message of a std::exception, with the
// closing full stop added; anything else as an unknown error. Never throws:
// if showing fails too, there is nothing left to tell the user with.
void MostrarExcecao(std::exception_ptr erro) noexcept;

// Runs an event handler's body; whatever it throws is shown, not propagated.
void ExecutarTratando(const std::function<void()>& corpo) noexcept;
