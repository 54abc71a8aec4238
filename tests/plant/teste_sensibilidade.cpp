// Sensitivity: every swing is made of single runs, bit for bit, on any
// number of threads; the inputs that cannot be moved are listed with their
// reason; what is refused before anything runs; a cancelled one is empty.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <limits>
#include <cstdint>
#include <set>
#include <thread>

#include "plant/CalculoUsina.h"
#include "plant/ErrosAnalise.h"
#include "plant/ErrosPlanta.h"
#include "plant/MensagemErro.h"
#include "plant/Sensibilidade.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSafra.h"

namespace {

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

// The output of a single run of base with one input replaced, on a thread of
// its own (nothing kept from other calculations).
double Isolada(EntradasUsina base, const std::string& campo, double valor, const std::string& saida) {
    BuscarEntrada(campo).Em(base) = valor;
    double y = 0.0;
    std::thread([&] {
        ResultadoUsina r;
        CalcularUsina(base, r);
        y = *BuscarSaida(saida).Valor(r);
    }).join();
    return y;
}

TEST(Sensibilidade, CadaBarraSaoExecucoesIsoladas) {
    for (const char* saida : {"energia_exportada_MWh", "Ew14", "Eexbag"}) {
        SCOPED_TRACE(saida);
        PedidoSensibilidade pedido;
        pedido.saida = saida;
        pedido.tarefas = 2;
        const ResultadoSensibilidade r = ExecutarSensibilidade(pedido);
        EXPECT_EQ(Bits(r.base), Bits(Isolada(pedido.base, "Ecapusi", pedido.base.CapacidadeUsina, saida)));
        // Every input once: the plant's 18 and the season's 7.
        std::set<std::string> campos;
        for (const LinhaSensibilidade& l : r.linhas) campos.insert(l.campo);
        EXPECT_EQ(campos.size(), CamposEntradaUsina().size() + CamposEntradaSafra().size());
        EXPECT_EQ(r.linhas.size(), campos.size());
        double anterior = std::numeric_limits<double>::infinity();
        for (const LinhaSensibilidade& l : r.linhas) {
            if (l.motivo != MotivoSemSensibilidade::Nenhum) continue;
            SCOPED_TRACE(l.campo);
            // x (1 - 10 %) and x (1 + 10 %) exactly, as written.
            EXPECT_EQ(Bits(l.entradaBaixa), Bits(l.entradaBase * (1.0 - 0.1)));
            EXPECT_EQ(Bits(l.entradaAlta), Bits(l.entradaBase * (1.0 + 0.1)));
            EXPECT_EQ(Bits(*l.baixo), Bits(Isolada(pedido.base, l.campo, l.entradaBaixa, saida)));
            EXPECT_EQ(Bits(*l.alto), Bits(Isolada(pedido.base, l.campo, l.entradaAlta, saida)));
            EXPECT_EQ(l.variacao, std::fabs(*l.alto - *l.baixo));
            EXPECT_LE(l.variacao, anterior);  // largest swing first
            anterior = l.variacao;
        }
        // One thread gives the same rows.
        pedido.tarefas = 1;
        const ResultadoSensibilidade um = ExecutarSensibilidade(pedido);
        ASSERT_EQ(um.linhas.size(), r.linhas.size());
        for (std::size_t i = 0; i < r.linhas.size(); ++i) {
            EXPECT_EQ(um.linhas[i].campo, r.linhas[i].campo);
            EXPECT_EQ(Bits(um.linhas[i].variacao), Bits(r.linhas[i].variacao));
        }
    }
}

// Inputs that cannot be moved, each with its reason, after those that can.
TEST(Sensibilidade, MotivosDasEntradasParadas) {
    PedidoSensibilidade pedido;
    pedido.saida = "receita_total_R";
    pedido.base.comTurbinaAlta = false;
    pedido.base.PressaoCaldeira = 180.0;  // 198 bar high: past the reading limit of 190
    pedido.base.PercentualValvula = 0.0;  // 0 stays 0
    const struct {
        const char* campo;
        MotivoSemSensibilidade motivo;
        const char* trecho;
    } casos[] = {
        {"Epstap", MotivoSemSensibilidade::NaoUsada, "turbina de alta pressão"},
        {"Eefitap", MotivoSemSensibilidade::NaoUsada, "turbina de alta pressão"},
        {"Eprecal", MotivoSemSensibilidade::AlemDoLimite, "limite de 190 bar"},
        {"Emvalv", MotivoSemSensibilidade::BaseNula, "10 % não o altera"},
        {"Einvest", MotivoSemSensibilidade::BaseNula, "10 % não o altera"},
        // 97 % x 1,1 is refused by the season's own check.
        {"Eefiger", MotivoSemSensibilidade::Recusada, "\"Rendimento do gerador [%]\": 106,7."},
    };
    const ResultadoSensibilidade r = ExecutarSensibilidade(pedido);
    const auto primeiraParada =
        std::find_if(r.linhas.begin(), r.linhas.end(),
                     [](const LinhaSensibilidade& l) { return l.motivo != MotivoSemSensibilidade::Nenhum; });
    EXPECT_EQ(r.linhas.end() - primeiraParada, std::ssize(casos));
    for (const auto& c : casos) {
        SCOPED_TRACE(c.campo);
        const auto l = std::find_if(primeiraParada, r.linhas.end(),
                                    [&](const LinhaSensibilidade& x) { return x.campo == c.campo; });
        ASSERT_NE(l, r.linhas.end());
        EXPECT_EQ(l->motivo, c.motivo);
        EXPECT_NE(l->mensagem.find(c.trecho), std::string::npos) << l->mensagem;
        EXPECT_FALSE(l->baixo || l->alto);
    }
}

TEST(Sensibilidade, PedidosRecusados) {
    const struct {
        const char* saida;
        double passo;
        bool comTurbina;
        MotivoErroAnalise motivo;
    } casos[] = {
        {"Epotelee", 0.1, true, MotivoErroAnalise::SaidaDesconhecida},
        {"Ew12", 0.1, false, MotivoErroAnalise::SaidaEmBranco},
        {"Epotele", 0.0, true, MotivoErroAnalise::PassoInvalido},
        {"Epotele", 1.0, true, MotivoErroAnalise::PassoInvalido},
    };
    for (const auto& c : casos) {
        PedidoSensibilidade pedido;
        pedido.saida = c.saida;
        pedido.passo = c.passo;
        pedido.base.comTurbinaAlta = c.comTurbina;
        try {
            ExecutarSensibilidade(pedido);
            ADD_FAILURE() << c.saida << " accepted";
        } catch (const ErroAnalise& e) {
            EXPECT_EQ(e.motivo(), c.motivo) << e.what();
        }
    }
    // A base case the checks refuse has nothing to move around: its own error.
    PedidoSensibilidade pedido;
    pedido.saida = "Epotele";
    pedido.base.EficienciaCaldeira = 150.0;
    EXPECT_THROW(ExecutarSensibilidade(pedido), ErroEntradaImpossivel);
}

TEST(Sensibilidade, CanceladaNaoDevolveLinhas) {
    PedidoSensibilidade pedido;
    pedido.saida = "Epotele";
    std::atomic<bool> cancelar{false};
    pedido.cancelar = &cancelar;
    std::size_t ultimo = 0, total = 0;
    // Cancelled once a third of the runs are done.
    pedido.progresso = [&](std::size_t feitos, std::size_t t) {
        EXPECT_GE(feitos, ultimo);
        ultimo = feitos;
        total = t;
        if (feitos * 3 >= t) cancelar = true;
    };
    pedido.intervaloProgresso = std::chrono::milliseconds(0);
    const ResultadoSensibilidade r = ExecutarSensibilidade(pedido);
    EXPECT_TRUE(r.cancelada);
    EXPECT_TRUE(r.linhas.empty());
    EXPECT_LT(ultimo, total);
}

}  // namespace
