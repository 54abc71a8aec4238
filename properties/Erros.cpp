#include "properties/Erros.h"

#include <charconv>
#include <cmath>

ErroConversao::ErroConversao(const std::string& texto)
    : ErroUsina("'" + texto + "' is not a valid floating point value") {}

ErroPontoFlutuante::ErroPontoFlutuante(Tipo tipo) : ErroUsina(Mensagem(tipo)), tipo_(tipo) {}

const char* ErroPontoFlutuante::Mensagem(Tipo tipo) {
    switch (tipo) {
    case Tipo::DivisaoPorZero: return "Floating point division by zero";
    case Tipo::Estouro: return "Floating point overflow";
    case Tipo::OperacaoInvalida: break;
    }
    return "Invalid floating point operation";
}

namespace {

// A number for a message: fixed notation between 1e-6 and 1e9, the shortest
// general form outside, a decimal comma.
std::string TextoNumero(double valor) {
    char buffer[400];
    const double m = std::fabs(valor);
    const bool fixo = m >= 1e-6 && m < 1e9;
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, valor,
                                 fixo ? std::chars_format::fixed : std::chars_format::general);
    std::string texto(buffer, r.ptr);
    for (char& c : texto) {
        if (c == '.') c = ',';
    }
    return texto;
}

std::string MensagemFalha(FalhaPropriedades falha, double valor) {
    using F = FalhaPropriedades;
    const std::string numero = NumeroFalhaPropriedades(falha, valor);
    switch (falha) {
    case F::PressaoForaDaFaixa:
        return "Pressão fora da faixa das propriedades da água (0,0006109 a 19 MPa): " + numero;
    case F::ModoInvalido: return "Modo de cálculo das propriedades da água inválido: " + numero;
    case F::TituloForaDoIntervalo: return "Título fora do intervalo de 0 a 1: " + numero;
    case F::SistemaSingular:
        return "Sistema de equações singular no cálculo das propriedades da água";
    case F::TemperaturaForaDaFaixa:
        return "Temperatura fora da faixa das propriedades da água (-20 a 2000 °C): " + numero;
    case F::TemperaturaNaoFinita:
        return "Temperatura fora da faixa das propriedades da água: " + numero;
    case F::EntalpiaNaoFinita: return "Entalpia fora da faixa das propriedades da água: " + numero;
    case F::EntropiaNaoFinita: return "Entropia fora da faixa das propriedades da água: " + numero;
    case F::TemperaturaForaDaSaturacao:
        return "Temperatura fora da faixa de saturação (0 a 373,946 °C): " + numero;
    case F::PressaoForaDaSaturacao:
        return "Pressão fora da faixa de saturação (0,0006109 a 22,064 MPa): " + numero;
    case F::ForaDaCurvaSaturacao: return "Temperatura fora da curva de saturação";
    case F::SemSaturadosSeparados:
        return "Sem líquido e vapor saturados separados a esta temperatura";
    }
    return numero;  // not reached: every failure has its sentence
}

}  // namespace

std::string NumeroFalhaPropriedades(FalhaPropriedades falha, double valor) {
    switch (falha) {
    case FalhaPropriedades::ModoInvalido: return std::to_string(static_cast<int>(valor));
    case FalhaPropriedades::SistemaSingular:
    case FalhaPropriedades::ForaDaCurvaSaturacao:
    case FalhaPropriedades::SemSaturadosSeparados: return {};
    default: return TextoNumero(valor);
    }
}

ErroPropriedades::ErroPropriedades(FalhaPropriedades falha, double valor)
    : ErroUsina(MensagemFalha(falha, valor)), falha_(falha), valor_(valor) {}
