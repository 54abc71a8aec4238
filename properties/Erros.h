// Errors that end the running action. Each carries the exact text the user
// sees; the window's general handler or the command-line tool's main shows it.
#pragma once

#include <stdexcept>
#include <string>

// Base of every error the calculation, the report or the picture can raise
// (the file errors are the file layer's, io/ErrosArquivo.h).
class ErroUsina : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A field's text is not a number: "'%s' is not a valid floating point value".
class ErroConversao : public ErroUsina {
public:
    explicit ErroConversao(const std::string& texto);
};

// A floating-point fault trapped during a calculation.
class ErroPontoFlutuante : public ErroUsina {
public:
    enum class Tipo { DivisaoPorZero, OperacaoInvalida, Estouro };
    explicit ErroPontoFlutuante(Tipo tipo);
    Tipo tipo() const { return tipo_; }
    static const char* Mensagem(Tipo tipo);

private:
    Tipo tipo_;
};

// The property package cannot evaluate a state: pressure out of range,
// unknown mode, quality outside 0 to 1, singular linear system.
class ErroPropriedades : public ErroUsina {
public:
    using ErroUsina::ErroUsina;
};
