#include "plant/CamposNomeados.h"

#include "plant/TabelaEntradas.h"
#include "plant/TabelaSafra.h"
#include "plant/TabelaSaidas.h"

double& EntradaNomeada::Em(EntradasUsina& entradas) const {
    return usina != nullptr ? entradas.*usina->membro : entradas.safra.*safra->membro;
}

EntradaNomeada BuscarEntrada(std::string_view nome) {
    return {BuscarCampoEntrada(nome), BuscarCampoEntradaSafra(nome)};
}

const char* LegendaEntradaNomeada(std::string_view nome) {
    const EntradaNomeada entrada = BuscarEntrada(nome);
    if (entrada.usina != nullptr) return entrada.usina->legenda;
    if (entrada.safra != nullptr) return entrada.safra->legenda;
    return nullptr;
}

std::optional<double> SaidaNomeada::Valor(const ResultadoUsina& resultado) const {
    if (safra != nullptr) {
        if (!resultado.safra) return std::nullopt;
        return (*resultado.safra).*safra->membro;
    }
    // Without the high-pressure turbine its panel is blank.
    if (usina->etapa == EtapaCalculo::TurbinaAlta && !resultado.comTurbinaAlta) return std::nullopt;
    return ValorExibido(*usina, resultado);
}

SaidaNomeada BuscarSaida(std::string_view nome) {
    return {BuscarCampoSaida(nome), BuscarCampoSaidaSafra(nome)};
}
