#include "plant/PapeisRotulos.h"

#include <stdexcept>
#include <string>

const std::array<PapelRotulo, NumeroRotulos>& PapeisRotulos() {
    using enum TipoRotulo;
    static const std::array<PapelRotulo, NumeroRotulos> papeis = {{
        {Rotulo::VaporVivo, Corrente, "Vapor vivo"},
        {Rotulo::Coletor, Corrente, "Coletor de vapor"},
        {Rotulo::EntradaValvula, Corrente, "Vapor para a válvula de expansão"},
        {Rotulo::EntradaTurbinaMoenda, Corrente, "Vapor para a turbomoenda"},
        {Rotulo::EntradaTurbinaMedia, Corrente, "Vapor para a turbina de média pressão"},
        {Rotulo::EntradaTurbinaBomba, Corrente, "Vapor para a turbina da bomba"},
        {Rotulo::SaidaValvula, Corrente, "Saída da válvula de expansão"},
        {Rotulo::EscapeTurbinaMoenda, Corrente, "Escape da turbomoenda"},
        {Rotulo::EscapeTurbinaMedia, Corrente, "Escape da turbina de média pressão"},
        {Rotulo::EscapeTurbinaBomba, Corrente, "Escape da turbina da bomba"},
        {Rotulo::VaporProcesso, Corrente, "Vapor para processo"},
        {Rotulo::EixoTurbinaAlta, Eixo, "Eixo da turbina de alta pressão"},
        {Rotulo::EixoTurbinaMoenda, Eixo, "Eixo da turbomoenda"},
        {Rotulo::EixoTurbinaMedia, Eixo, "Eixo da turbina de média pressão"},
        {Rotulo::NaoUsado, NaoUsado, "Não usado"},
        {Rotulo::EixoTurbinaBomba, Eixo, "Eixo da turbina da bomba"},
        {Rotulo::Combustivel, Combustivel, "Bagaço (combustível da caldeira)"},
        {Rotulo::CondensadoRetorno, Corrente, "Condensado de retorno"},
        {Rotulo::AguaAlimentacao, Corrente, "Água de alimentação"},
        {Rotulo::EixoBomba, Eixo, "Eixo da bomba de condensado"},
    }};
    return papeis;
}

const PapelRotulo& PapelDoRotulo(int rotulo) {
    if (rotulo < 1 || rotulo > NumeroRotulos)
        throw std::out_of_range("flowsheet label " + std::to_string(rotulo));
    return PapeisRotulos()[static_cast<std::size_t>(rotulo - 1)];
}
