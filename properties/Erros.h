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

// What a property evaluation refused, with what valor holds.
enum class FalhaPropriedades {
    PressaoForaDaFaixa,          // MPa, outside 0.0006109 to 19 MPa
    ModoInvalido,                // the mode's number
    TituloForaDoIntervalo,       // the quality, outside 0 to 1
    SistemaSingular,             // none: the 1969 equation's linear system
    // IAPWS-IF97's:
    TemperaturaForaDaFaixa,      // degC, outside -20 to 2000 degC
    TemperaturaNaoFinita,        // the temperature given, not finite
    EntalpiaNaoFinita,           // the enthalpy given, not finite
    EntropiaNaoFinita,           // the entropy given, not finite
    TemperaturaForaDaSaturacao,  // degC, outside 0 to 373.946 degC
    PressaoForaDaSaturacao,      // MPa, outside 0.0006109 to 22.064 MPa
    // The T-s diagram's isotherms (plant/DiagramaTs), none:
    ForaDaCurvaSaturacao,
    SemSaturadosSeparados,
};

// The property package cannot evaluate a state. The message is the
// failure's Portuguese sentence with its number (NumeroFalhaPropriedades);
// the failure and the number are kept for a front end that says it in its
// own language.
class ErroPropriedades : public ErroUsina {
public:
    explicit ErroPropriedades(FalhaPropriedades falha, double valor = 0.0);
    FalhaPropriedades falha() const { return falha_; }
    double valor() const { return valor_; }

private:
    FalhaPropriedades falha_;
    double valor_;
};

// A failure's number as its sentence writes it, with a decimal comma like
// the rest of the text (the mode as an integer); empty for a failure whose
// sentence has none.
std::string NumeroFalhaPropriedades(FalhaPropriedades falha, double valor);
