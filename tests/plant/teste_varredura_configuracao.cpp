// The configuration as a sweep's axis: each point is the single run with or
// without the high-pressure turbine, in the order asked; an axis that is not
// the two configurations is refused before anything runs.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "plant/CalculoUsina.h"
#include "plant/CamposNomeados.h"
#include "plant/ErrosPlanta.h"
#include "plant/Varredura.h"

namespace {

TEST(VarreduraConfiguracao, DuasCurvasComESemTurbina) {
    PedidoVarredura pedido;
    pedido.base.comTurbinaAlta = false;  // its input is swept all the same
    pedido.eixos = {{"Epstap", 15.0, 25.0, 3}, {CampoConfiguracao, 1.0, 0.0, 2}};
    pedido.saidas = {"Epotele", "Ew12", "energia_exportada_MWh"};
    const ResultadoVarredura r = ExecutarVarredura(pedido);
    ASSERT_EQ(r.pontos.size(), 6u);
    EXPECT_TRUE(r.eixos[1].configuracao && !r.eixos[0].configuracao);
    EXPECT_EQ(r.eixos[1].campo, nullptr);
    for (const PontoVarredura& p : r.pontos) {
        EntradasUsina e = pedido.base;
        e.PressaoSaidaTurbinaAlta = p.valores[0];
        e.comTurbinaAlta = p.valores[1] == 1.0;
        ResultadoUsina unica;
        CalcularUsina(e, unica);
        for (std::size_t j = 0; j < pedido.saidas.size(); ++j) {
            const std::optional<double> y = BuscarSaida(pedido.saidas[j]).Valor(unica);
            ASSERT_EQ(p.saidas[j].has_value(), y.has_value());
            if (y) {
                EXPECT_EQ(std::bit_cast<std::uint64_t>(*p.saidas[j]), std::bit_cast<std::uint64_t>(*y));
            }
        }
    }
    // Without the turbine, Ew12 is blank and the header pressure changes nothing.
    EXPECT_FALSE(r.pontos[1].saidas[1]);
    EXPECT_EQ(r.pontos[1].saidas[0], r.pontos[5].saidas[0]);
    EXPECT_NE(r.pontos[0].saidas[0], r.pontos[4].saidas[0]);
}

TEST(VarreduraConfiguracao, EixoRecusado) {
    for (const std::vector<EixoVarredura>& eixos :
         {std::vector<EixoVarredura>{{CampoConfiguracao, 0.0, 2.0, 2}},
          std::vector<EixoVarredura>{{CampoConfiguracao, 1.0, 1.0, 2}},
          std::vector<EixoVarredura>{{CampoConfiguracao, 0.0, 1.0, 3}},
          std::vector<EixoVarredura>{{CampoConfiguracao, 0.0, 1.0, 2}, {CampoConfiguracao, 1.0, 0.0, 2}}}) {
        PedidoVarredura pedido;
        pedido.eixos = eixos;
        pedido.saidas = {"Epotele"};
        EXPECT_THROW(VerificarVarredura(pedido), ErroVarredura);
    }
}

}  // namespace
