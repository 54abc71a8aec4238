#include "properties/Erros.h"

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
