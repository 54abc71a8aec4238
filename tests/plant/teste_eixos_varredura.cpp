// A sweep's result carries its axes (field, values, decimals) and outputs,
// the same whether the engine ran it or they are described from the request
// afterwards; the decimals are the fewest that tell neighbouring values apart.
#include <gtest/gtest.h>

#include <vector>

#include "plant/ErrosPlanta.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSaidas.h"
#include "plant/Varredura.h"

TEST(EixosVarredura, DecimaisQueSeparamOsValores) {
    const struct {
        std::vector<double> valores;
        int decimais;
    } casos[] = {
        {{40.0, 50.0, 60.0}, 1},
        {{0.5, 1.0}, 1},
        {{1.0, 1.05, 1.1}, 2},
        {{2.5, 2.501}, 3},
        {{100.0, 100.00001}, 5},
        {{1.0, 1.0 + 1e-9}, 6},  // at most six, even when they still read alike
        {{7.0}, 1},
    };
    for (const auto& c : casos) EXPECT_EQ(DecimaisValores(c.valores), c.decimais);
}

TEST(EixosVarredura, ResultadoLevaEixosESaidas) {
    PedidoVarredura pedido;
    pedido.tarefas = 2;  // the axes as the threads leave them
    pedido.saidas = {"Epotele", "Ew14"};
    pedido.eixos = {{"Etscal", 400.0, 410.0, 3}, {"Eefical", 80.0, 80.5, 2}};
    const ResultadoVarredura r = ExecutarVarredura(pedido);
    ASSERT_EQ(r.eixos.size(), 2u);
    EXPECT_EQ(r.eixos[0].campo, BuscarCampoEntrada("Etscal"));
    EXPECT_EQ(r.eixos[0].valores, ValoresEixo(pedido.eixos[0]));
    EXPECT_EQ(r.eixos[0].decimais, 1);
    EXPECT_EQ(r.eixos[1].campo, BuscarCampoEntrada("Eefical"));
    EXPECT_EQ(r.eixos[1].decimais, 1);
    ASSERT_EQ(r.saidas.size(), 2u);
    EXPECT_EQ(r.saidas[0], BuscarCampoSaida("Epotele"));
    EXPECT_EQ(r.saidas[1], BuscarCampoSaida("Ew14"));
    // Every point's swept values are the axes' own, second axis inner.
    ASSERT_EQ(r.pontos.size(), 6u);
    for (std::size_t i = 0; i < r.pontos.size(); ++i) {
        EXPECT_EQ(r.pontos[i].valores[0], r.eixos[0].valores[i / 2]);
        EXPECT_EQ(r.pontos[i].valores[1], r.eixos[1].valores[i % 2]);
    }

    // Described afterwards from the request: the same axes and outputs.
    ResultadoVarredura descrito;
    DescreverVarredura(pedido, descrito);
    ASSERT_EQ(descrito.eixos.size(), 2u);
    for (std::size_t k = 0; k < 2; ++k) {
        EXPECT_EQ(descrito.eixos[k].campo, r.eixos[k].campo);
        EXPECT_EQ(descrito.eixos[k].valores, r.eixos[k].valores);
        EXPECT_EQ(descrito.eixos[k].decimais, r.eixos[k].decimais);
    }
    EXPECT_EQ(descrito.saidas, r.saidas);
    pedido.saidas = {"Enada"};
    EXPECT_THROW(DescreverVarredura(pedido, descrito), ErroVarredura);
}
