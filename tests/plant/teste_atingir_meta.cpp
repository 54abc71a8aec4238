// Goal seek: on a table of cases the output reaches its target to 1e-9
// relative, at a value whose single run gives that output to the last bit;
// "sem solução na faixa" when the range does not bracket the target; what is
// refused before anything runs; a cancelled one finds nothing.
#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <cmath>

#include "plant/AtingirMeta.h"
#include "plant/CalculoUsina.h"
#include "plant/ErrosAnalise.h"

namespace {

double Saida(EntradasUsina e, const std::string& campo, double valor, const std::string& saida) {
    BuscarEntrada(campo).Em(e) = valor;
    ResultadoUsina r;
    CalcularUsina(e, r);
    return *BuscarSaida(saida).Valor(r);
}

struct Caso {
    const char* campo;
    double minimo, maximo;
    const char* saida;
    double alvo;
    bool comTurbina = true;
};

// Increasing and decreasing outputs, plant and season figures, a target of
// zero, a range whose low end the checks refuse (below saturation at 80
// bar) and one without the high-pressure turbine.
const Caso Atingiveis[] = {
    {"Evap", 400.0, 700.0, "bagaco_excedente_t", 0.0},
    {"Eprecal", 30.0, 120.0, "Epotele", 18000.0},
    {"Etscal", 250.0, 540.0, "Eexbag", 15.0},
    {"Emvalv", 0.0, 40.0, "Epotele", 15000.0},
    {"Ecapusi", 300.0, 500.0, "energia_exportada_MWh", 50000.0},
    {"Eprecoener", 100.0, 400.0, "receita_total_R", 12345678.9},
    {"Evap", 400.0, 600.0, "Epotele", 14000.0, false},
};

TEST(AtingirMeta, AtingeOAlvoNumaExecucaoInteira) {
    for (const Caso& c : Atingiveis) {
        SCOPED_TRACE(std::string(c.campo) + " -> " + c.saida);
        PedidoMeta pedido;
        pedido.base.comTurbinaAlta = c.comTurbina;
        pedido.faixa = {c.campo, c.minimo, c.maximo};
        pedido.saida = c.saida;
        pedido.alvo = c.alvo;
        const ResultadoMeta r = ExecutarMeta(pedido);
        ASSERT_EQ(r.situacao, SituacaoMeta::Atingida);
        EXPECT_GE(*r.valor, c.minimo);
        EXPECT_LE(*r.valor, c.maximo);
        // Within 1e-9 of the larger of the target and the output at the ends.
        double escala = std::fabs(c.alvo);
        for (double x : {c.minimo, c.maximo}) {
            try {
                escala = std::max(escala, std::fabs(Saida(pedido.base, c.campo, x, c.saida)));
            } catch (const std::exception&) {  // an end the checks refuse
            }
        }
        EXPECT_LE(std::fabs(*r.saida - c.alvo), 1e-9 * escala);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*r.saida),
                  std::bit_cast<std::uint64_t>(Saida(pedido.base, c.campo, *r.valor, c.saida)));
        EntradasUsina aplicadas = *r.entradas;
        EXPECT_EQ(BuscarEntrada(c.campo).Em(aplicadas), *r.valor);
        EXPECT_GT(r.avaliacoes, static_cast<std::size_t>(PontosBuscaMeta));
    }
}

TEST(AtingirMeta, SemSolucaoNaFaixa) {
    const Caso casos[] = {
        {"Eprecal", 30.0, 120.0, "Epotele", 1e6},       // above every point
        {"Evap", 400.0, 500.0, "bagaco_excedente_t", 0.0},  // the surplus stays positive
        {"Etscal", 100.0, 200.0, "Epotele", 18000.0},   // every point refused
        // Reached only below 12 bar, where the medium-pressure turbine is short of steam.
        {"Epstap", 4.0, 30.0, "Epotele", 19800.0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.campo);
        PedidoMeta pedido;
        pedido.faixa = {c.campo, c.minimo, c.maximo};
        pedido.saida = c.saida;
        pedido.alvo = c.alvo;
        const ResultadoMeta r = ExecutarMeta(pedido);
        EXPECT_EQ(r.situacao, SituacaoMeta::SemSolucao);
        EXPECT_STREQ(TextoSituacaoMeta(r.situacao), "sem solução na faixa");
        EXPECT_FALSE(r.valor || r.saida || r.entradas);
    }
}

TEST(AtingirMeta, PedidosRecusados) {
    const struct {
        FaixaEntrada faixa;
        const char* saida;
        double alvo;
        MotivoErroAnalise motivo;
    } casos[] = {
        {{"Evapp", 1, 2}, "Epotele", 1, MotivoErroAnalise::EntradaDesconhecida},
        {{"Evap", 500, 400}, "Epotele", 1, MotivoErroAnalise::FaixaInvalida},
        {{"Evap", 400, INFINITY}, "Epotele", 1, MotivoErroAnalise::FaixaInvalida},
        {{"Eprecal", 100, 200}, "Epotele", 1, MotivoErroAnalise::FaixaAlemDoLimite},
        {{"Evap", 400, 500}, "Epotele", NAN, MotivoErroAnalise::ValorInvalido},
        {{"Evap", 400, 500}, "Foo", 1, MotivoErroAnalise::SaidaDesconhecida},
    };
    for (const auto& c : casos) {
        PedidoMeta pedido;
        pedido.faixa = c.faixa;
        pedido.saida = c.saida;
        pedido.alvo = c.alvo;
        try {
            ExecutarMeta(pedido);
            ADD_FAILURE() << c.faixa.campo << " accepted";
        } catch (const ErroAnalise& e) {
            EXPECT_EQ(e.motivo(), c.motivo) << e.what();
        }
    }
    PedidoMeta pedido;
    pedido.base.comTurbinaAlta = false;
    pedido.faixa = {"Epstap", 10, 20};
    pedido.saida = "Epotele";
    try {
        ExecutarMeta(pedido);
        ADD_FAILURE() << "Epstap without the turbine accepted";
    } catch (const ErroAnalise& e) {
        EXPECT_EQ(e.motivo(), MotivoErroAnalise::EntradaNaoUsada);
    }
}

TEST(AtingirMeta, CanceladaNaoAchaNada) {
    PedidoMeta pedido;
    pedido.faixa = {"Evap", 400.0, 700.0};
    pedido.saida = "bagaco_excedente_t";
    std::atomic<bool> cancelar{false};
    pedido.cancelar = &cancelar;
    // Cancelled once the coarse sweep is done, before Brent's method (which
    // here, the surplus being linear in the steam, would need one run).
    pedido.progresso = [&](std::size_t feitos, std::size_t) {
        if (feitos >= static_cast<std::size_t>(PontosBuscaMeta)) cancelar = true;
    };
    const ResultadoMeta r = ExecutarMeta(pedido);
    EXPECT_EQ(r.situacao, SituacaoMeta::Cancelada);
    EXPECT_FALSE(r.valor || r.saida || r.entradas);
}

}  // namespace
