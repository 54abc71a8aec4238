// Sweeps: every point is the single run of its inputs, bit for bit, on any
// number of threads; refused and failed points keep the window's message;
// the values of an axis; what is refused before anything runs; progress and
// cancellation.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <future>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "plant/CalculoUsina.h"
#include "plant/ErrosPlanta.h"
#include "plant/MensagemErro.h"
#include "plant/PapeisRotulos.h"
#include "plant/SafraUsina.h"
#include "plant/TabelaSafra.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSaidas.h"
#include "plant/Varredura.h"

namespace {

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }

std::vector<std::string> TodasAsSaidas() {
    std::vector<std::string> nomes;
    for (const CampoSaida& c : CamposSaida()) nomes.emplace_back(c.nome);
    return nomes;
}

// A single run of the point's inputs, on a thread of its own (nothing kept
// from other calculations), as the window would show it.
PontoVarredura Isolado(EntradasUsina entradas, const std::vector<EixoVarredura>& eixos,
                       const std::vector<double>& valores, const std::string& separador) {
    for (std::size_t k = 0; k < eixos.size(); ++k)
        entradas.*BuscarCampoEntrada(eixos[k].campo)->membro = valores[k];
    PontoVarredura p;
    std::thread([&] {
        ResultadoUsina r;
        try {
            CalcularUsina(entradas, r, nullptr, separador);
        } catch (const std::exception& e) {
            p.erro = MensagemComPonto(e.what());
        }
        p.situacao = r.situacao;
        for (const AvisoUsina& a : r.avisos)
            p.aviso += (p.aviso.empty() ? "" : "  ") + TextoAviso(a, separador);
        for (const CampoSaida& c : CamposSaida()) {
            const bool branco = r.situacao != SituacaoCalculo::Completo ||
                                (c.etapa == EtapaCalculo::TurbinaAlta && !r.comTurbinaAlta);
            p.saidas.push_back(branco ? std::nullopt : std::optional<double>(ValorExibido(c, r)));
        }
    }).join();
    return p;
}

void ExpectMesmoPonto(const PontoVarredura& a, const PontoVarredura& b) {
    EXPECT_EQ(a.situacao, b.situacao);
    EXPECT_EQ(a.erro, b.erro);
    EXPECT_EQ(a.aviso, b.aviso);
    ASSERT_EQ(a.saidas.size(), b.saidas.size());
    for (std::size_t j = 0; j < a.saidas.size(); ++j) {
        ASSERT_EQ(a.saidas[j].has_value(), b.saidas[j].has_value()) << CamposSaida()[j].nome;
        if (a.saidas[j]) {
            EXPECT_EQ(Bits(*a.saidas[j]), Bits(*b.saidas[j])) << CamposSaida()[j].nome;
        }
    }
}

struct CasoVarredura {
    const char* descricao;
    bool comTurbina;
    std::vector<EixoVarredura> eixos;
    // Situations the sweep must reach, so that the comparison covers them.
    bool temRecusado, temInterrompido, temAviso;
};

// Each sweep crosses a boundary: live steam at or below saturation (refused:
// 250 degC is below it at every pressure from 40 bar up, 320 degC only near
// the top), a pump efficiency of 1e-300 % (a division by zero part of the
// way), the valve taking so much live steam that the medium-pressure turbine
// goes short (a warning), wet steam in the header and wet exhausts
// (warnings), and a sweep up to the boiler's limit of 190 bar itself.
const CasoVarredura CasosVarredura[] = {
    {"pressão x temperatura", true,
     {{"Eprecal", 20.0, 120.0, 6}, {"Etscal", 250.0, 530.0, 5}}, true, false, true},
    {"sem turbina de alta", false,
     {{"Etscal", 530.0, 250.0, 6}, {"Eprecal", 120.0, 20.0, 5}}, true, false, true},
    {"eficiência da bomba", true, {{"Eefibom", 1e-300, 100.0, 4}}, false, true, false},
    {"válvula x capacidade", true,
     {{"Emvalv", 0.0, 100.0, 5}, {"Ecapusi", 200.0, 600.0, 3}}, false, false, true},
    {"até o limite", true, {{"Eprecal", 150.0, 190.0, 3}}, false, false, true},
};

TEST(Varredura, CadaPontoEhOCalculoIsolado) {
    for (const CasoVarredura& caso : CasosVarredura) {
        SCOPED_TRACE(caso.descricao);
        PedidoVarredura pedido;
        pedido.base.comTurbinaAlta = caso.comTurbina;
        pedido.eixos = caso.eixos;
        pedido.saidas = TodasAsSaidas();
        pedido.separador = ",";
        pedido.tarefas = 2;
        const ResultadoVarredura r = ExecutarVarredura(pedido);
        EXPECT_FALSE(r.cancelada);

        std::size_t esperados = 1;
        for (const EixoVarredura& e : caso.eixos) esperados *= static_cast<std::size_t>(e.pontos);
        ASSERT_EQ(r.pontos.size(), esperados);
        bool recusado = false, interrompido = false, aviso = false;
        for (std::size_t i = 0; i < r.pontos.size(); ++i) {
            SCOPED_TRACE(i);
            const PontoVarredura& p = r.pontos[i];
            EXPECT_TRUE(p.calculado);
            // Second axis inner: the point's values are the axes' values.
            ASSERT_EQ(p.valores.size(), caso.eixos.size());
            const bool dois = caso.eixos.size() == 2;
            const std::size_t interno = dois ? static_cast<std::size_t>(caso.eixos[1].pontos) : 1;
            EXPECT_EQ(Bits(p.valores[0]), Bits(ValoresEixo(caso.eixos[0])[i / interno]));
            if (dois) {
                EXPECT_EQ(Bits(p.valores[1]), Bits(ValoresEixo(caso.eixos[1])[i % interno]));
            }
            ExpectMesmoPonto(p, Isolado(pedido.base, caso.eixos, p.valores, ","));
            recusado = recusado || p.situacao == SituacaoCalculo::Recusado;
            interrompido = interrompido || p.situacao == SituacaoCalculo::Interrompido;
            aviso = aviso || !p.aviso.empty();
            EXPECT_EQ(p.erro.empty(), p.situacao == SituacaoCalculo::Completo);
        }
        EXPECT_EQ(recusado, caso.temRecusado);
        EXPECT_EQ(interrompido, caso.temInterrompido);
        EXPECT_EQ(aviso, caso.temAviso);
    }
}

// The same bits whatever the number of threads, and for more threads than
// points.
// A plant input and a season input swept, plant and season figures asked
// for: each point is the single run of its inputs to the bit, with the
// season's warnings after the run's. From 90 % of the live steam through the
// valve and 60 kWh/t of own load the mill buys energy.
TEST(Varredura, SafraIgualAExecucoesIsoladas) {
    PedidoVarredura pedido;
    pedido.base.BagacoPorTonelada = 210.0;  // 84 t/h, less than the 86,47 t/h burnt
    pedido.eixos = {{"Emvalv", 0.0, 90.0, 4}, {"Econsele", 0.0, 60.0, 3}};
    pedido.saidas = {"Epotele", "energia_exportada_MWh", "Ew12", "receita_total_R", "cana_t"};
    pedido.tarefas = 3;
    const ResultadoVarredura r = ExecutarVarredura(pedido);
    ASSERT_EQ(r.pontos.size(), 12u);
    int importam = 0;
    for (const PontoVarredura& p : r.pontos) {
        SCOPED_TRACE(p.valores[0]);
        SCOPED_TRACE(p.valores[1]);
        EntradasUsina e = pedido.base;
        e.PercentualValvula = p.valores[0];
        e.safra.ConsumoEletricoProprio = p.valores[1];
        ResultadoUsina isolado;
        CalcularUsina(e, isolado);
        ASSERT_TRUE(isolado.safra.has_value());
        const ResultadosSafra& s = *isolado.safra;
        const double esperados[] = {isolado.globais.PotenciaEletrica, s.EnergiaExportada,
                                    isolado.dados.Potencia[Rotulo::EixoTurbinaAlta], s.ReceitaTotal,
                                    s.Cana};
        ASSERT_EQ(p.saidas.size(), std::size(esperados));
        for (std::size_t j = 0; j < p.saidas.size(); ++j) {
            ASSERT_TRUE(p.saidas[j].has_value()) << pedido.saidas[j];
            EXPECT_EQ(Bits(*p.saidas[j]), Bits(esperados[j])) << pedido.saidas[j];
        }
        std::string avisos;
        for (const AvisoUsina& a : AvisosComSafra(isolado))
            avisos += (avisos.empty() ? "" : "  ") + TextoAviso(a, ",");
        EXPECT_EQ(p.aviso, avisos);
        EXPECT_NE(p.aviso.find("Falta bagaço: "), std::string::npos);
        importam += s.PotenciaExportavel < 0.0;
        EXPECT_EQ(p.aviso.find("A usina importa energia: ") != std::string::npos,
                  s.PotenciaExportavel < 0.0);
    }
    EXPECT_GE(importam, 2);
    EXPECT_LE(importam, 10);

    // Without a season figure asked for, the warnings are the run's alone.
    pedido.saidas = {"Epotele"};
    for (const PontoVarredura& p : ExecutarVarredura(pedido).pontos)
        EXPECT_EQ(p.aviso.find("Falta bagaço"), std::string::npos);

    // A season input refused at a point: its message, the other points run.
    PedidoVarredura dias;
    dias.eixos = {{"Ediasafra", 0.0, 366.0, 3}};
    dias.saidas = {"horas_h"};
    const ResultadoVarredura d = ExecutarVarredura(dias);
    EXPECT_EQ(d.pontos[0].erro, "Valor impossível em \"Duração da safra [dias]\": 0. Deve ser maior "
                                "que 0 e no máximo 366 dias.");
    EXPECT_FALSE(d.pontos[0].saidas[0].has_value());
    EXPECT_EQ(*d.pontos[2].saidas[0], 366.0 * 24.0 * 85.0 / 100.0);
}

TEST(Varredura, MesmosBitsComQualquerNumeroDeThreads) {
    PedidoVarredura pedido;
    pedido.eixos = {{"Eprecal", 30.0, 120.0, 9}, {"Etscal", 300.0, 540.0, 11}};
    pedido.saidas = TodasAsSaidas();
    pedido.tarefas = 1;
    const ResultadoVarredura um = ExecutarVarredura(pedido);
    for (unsigned tarefas : {2u, 3u, 8u, 200u}) {
        SCOPED_TRACE(tarefas);
        pedido.tarefas = tarefas;
        const ResultadoVarredura varias = ExecutarVarredura(pedido);
        ASSERT_EQ(varias.pontos.size(), um.pontos.size());
        for (std::size_t i = 0; i < um.pontos.size(); ++i) {
            EXPECT_EQ(varias.pontos[i].valores, um.pontos[i].valores);
            ExpectMesmoPonto(varias.pontos[i], um.pontos[i]);
        }
    }
}

// A sweep past a reading limit would print rows named 250 bar that ran at
// 190: it is refused before it starts, naming the field and the limit,
// whichever way the range runs. A base case above the limit (not swept) runs
// every point at the limit, each saying so.
TEST(Varredura, LimiteDeLeituraRecusaAFaixaEAvisaNaBase) {
    const struct {
        EixoVarredura eixo;
        const char* mensagem;
    } recusadas[] = {
        {{"Eprecal", 150.0, 230.0, 3}, "'Eprecal' passa do limite de 190 bar"},
        {{"Eprecal", 230.0, 150.0, 2}, "'Eprecal' passa do limite de 190 bar"},
        {{"Eprecal", 100.0, 190.00000000000003, 2}, "'Eprecal' passa do limite de 190 bar"},
        {{"Etscal", 1200.0, 1400.0, 5}, "'Etscal' passa do limite de 1300 °C"},
    };
    for (const auto& c : recusadas) {
        SCOPED_TRACE(c.mensagem);
        PedidoVarredura pedido;
        pedido.eixos = {c.eixo};
        EXPECT_THROW(
            try { VerificarVarredura(pedido); } catch (const ErroVarredura& e) {
                EXPECT_NE(std::string(e.what()).find(c.mensagem), std::string::npos) << e.what();
                throw;
            },
            ErroVarredura);
    }

    PedidoVarredura pedido;
    pedido.base.PressaoCaldeira = 250.0;
    pedido.eixos = {{"Etscal", 500.0, 520.0, 2}};
    pedido.saidas = {"Ep1c"};
    const ResultadoVarredura r = ExecutarVarredura(pedido);
    for (const PontoVarredura& p : r.pontos) {
        EXPECT_NEAR(*p.saidas[0], 190.0, 1e-9);
        EXPECT_EQ(p.aviso.rfind("Pressão da caldeira limitada a 190 bar", 0), 0u) << p.aviso;
    }
}

// value i = inicio + i * (fim - inicio) / (pontos - 1). The first value is
// inicio; the last is not always fim: 0.2 + (0.9 - 0.2) is one unit in the
// last place below 0.9, and 0.1 + 3 * 0.8 / 3 one above it.
TEST(Varredura, ValoresDoEixo) {
    struct Caso {
        double inicio, fim;
        int pontos;
        std::vector<double> valores;
    };
    const Caso casos[] = {
        {30.0, 120.0, 4, {30.0, 60.0, 90.0, 120.0}},
        {540.0, 400.0, 3, {540.0, 470.0, 400.0}},  // descending
        {5.0, 5.0, 3, {5.0, 5.0, 5.0}},
        {0.2, 0.9, 2, {0.2, std::nextafter(0.9, 0.0)}},
        {0.1, 0.9, 4, {0.1, 0.1 + 0.8 / 3.0, 0.1 + 2.0 * 0.8 / 3.0, std::nextafter(0.9, 1.0)}},
    };
    for (const Caso& c : casos) {
        const std::vector<double> v = ValoresEixo({"Emvalv", c.inicio, c.fim, c.pontos});
        ASSERT_EQ(v.size(), c.valores.size());
        for (std::size_t i = 0; i < v.size(); ++i)
            EXPECT_EQ(Bits(v[i]), Bits(c.valores[i])) << c.inicio << " " << i << " " << v[i];
    }
    // The sweep of the benchmark ends exactly at its ends.
    EXPECT_EQ(ValoresEixo({"Eprecal", 30.0, 120.0, 100}).back(), 120.0);
    EXPECT_EQ(ValoresEixo({"Etscal", 400.0, 540.0, 100}).back(), 540.0);
}

struct Recusada {
    const char* descricao;
    bool comTurbina;
    std::vector<EixoVarredura> eixos;
    std::vector<std::string> saidas;
    const char* mensagem;
};

const double Inf = INFINITY;
const Recusada PedidosRecusados[] = {
    {"campo desconhecido", true, {{"Foo", 1, 2, 2}}, {},
     "Campo de entrada desconhecido na varredura: 'Foo'."},
    {"campo de saída como entrada", true, {{"Ep18", 1, 2, 2}}, {},
     "Campo de entrada desconhecido na varredura: 'Ep18'."},
    {"saída desconhecida", true, {{"Etscal", 400, 500, 2}}, {"Epotele", "Eprecal"},
     "Campo de saída desconhecido na varredura: 'Eprecal'."},
    // Each repetition would be one more column of every point, without end.
    {"saída repetida", true, {{"Etscal", 400, 500, 2}}, {"Epotele", "Ew12", "Epotele"},
     "O campo de saída 'Epotele' aparece duas vezes na varredura."},
    {"um ponto", true, {{"Etscal", 400, 500, 1}}, {},
     "A varredura de 'Etscal' precisa de pelo menos 2 pontos, não 1."},
    {"pontos negativos", true, {{"Etscal", 400, 500, -3}}, {}, "precisa de pelo menos 2 pontos"},
    {"início infinito", true, {{"Etscal", -Inf, 500, 3}}, {},
     "A faixa da varredura de 'Etscal' não é finita."},
    {"fim NaN", true, {{"Etscal", 400, NAN, 3}}, {}, "não é finita"},
    {"faixa que transborda", true, {{"Etscal", -1e308, 1e308, 3}}, {},
     "A faixa da varredura de 'Etscal' dá valores que não são finitos."},
    {"campo duas vezes", true, {{"Etscal", 400, 500, 2}, {"Etscal", 400, 500, 2}}, {},
     "O campo 'Etscal' aparece duas vezes na varredura."},
    {"turbina ausente", false, {{"Eefitap", 50, 90, 2}}, {},
     "O campo 'Eefitap' só é usado com a turbina de alta pressão."},
    {"pontos demais", true, {{"Etscal", 400, 500, 1001}, {"Eprecal", 30, 120, 1000}}, {},
     "A varredura teria mais de 1000000 pontos."},
    {"nenhum eixo", true, {}, {}, "Uma varredura tem um ou dois campos de entrada, não 0."},
    {"três eixos", true, {{"Etscal", 400, 500, 2}, {"Eprecal", 30, 120, 2}, {"Emvalv", 0, 10, 2}}, {},
     "não 3."},
};

// Refused before any point runs: nothing calculated, no progress reported.
TEST(Varredura, PedidosRecusadosAntesDeCalcular) {
    for (const Recusada& c : PedidosRecusados) {
        SCOPED_TRACE(c.descricao);
        PedidoVarredura pedido;
        pedido.base.comTurbinaAlta = c.comTurbina;
        pedido.eixos = c.eixos;
        pedido.saidas = c.saidas;
        bool progresso = false;
        pedido.progresso = [&](std::size_t, std::size_t) { progresso = true; };
        for (bool executar : {false, true}) {
            try {
                if (executar) ExecutarVarredura(pedido);
                else VerificarVarredura(pedido);
                ADD_FAILURE() << "accepted";
            } catch (const ErroVarredura& e) {
                EXPECT_NE(std::string(e.what()).find(c.mensagem), std::string::npos) << e.what();
            }
        }
        EXPECT_FALSE(progresso);
    }
}

// Reports come one at a time, from any thread, never going down, the last
// one with every point done.
TEST(Varredura, ProgressoDeVariasThreads) {
    PedidoVarredura pedido;
    pedido.eixos = {{"Eprecal", 30.0, 120.0, 6}, {"Etscal", 400.0, 540.0, 10}};
    pedido.tarefas = 2;
    pedido.intervaloProgresso = std::chrono::milliseconds(0);
    std::atomic<bool> dentro{false};
    bool sobreposto = false, desceu = false;
    std::size_t ultimo = 0, chamadas = 0, total = 0;
    pedido.progresso = [&](std::size_t feitos, std::size_t n) {
        if (dentro.exchange(true)) sobreposto = true;
        if (feitos < ultimo) desceu = true;
        ultimo = feitos;
        total = n;
        ++chamadas;
        dentro.store(false);
    };
    ExecutarVarredura(pedido);
    EXPECT_FALSE(sobreposto);
    EXPECT_FALSE(desceu);
    EXPECT_EQ(ultimo, 60u);
    EXPECT_EQ(total, 60u);
    EXPECT_GE(chamadas, 2u);
    EXPECT_LE(chamadas, 60u);

    // A long interval leaves only the last report.
    chamadas = 0;
    pedido.intervaloProgresso = std::chrono::hours(1);
    ExecutarVarredura(pedido);
    EXPECT_EQ(chamadas, 1u);
    EXPECT_EQ(ultimo, 60u);
}

// Cancelled from the progress callback: no point starts afterwards, the
// points done are those of the whole sweep, the last report counts them.
TEST(Varredura, CancelamentoEntrePontos) {
    PedidoVarredura pedido;
    pedido.eixos = {{"Eprecal", 30.0, 120.0, 20}, {"Etscal", 400.0, 540.0, 20}};
    pedido.saidas = {"Epotele", "Emcomb"};
    pedido.tarefas = 2;
    const ResultadoVarredura inteira = ExecutarVarredura(pedido);

    std::atomic<bool> cancelar{false};
    std::size_t relatado = 0;
    pedido.cancelar = &cancelar;
    pedido.intervaloProgresso = std::chrono::milliseconds(0);
    pedido.progresso = [&](std::size_t feitos, std::size_t) {
        relatado = feitos;
        if (feitos >= 10) cancelar.store(true);
    };
    const ResultadoVarredura r = ExecutarVarredura(pedido);
    EXPECT_TRUE(r.cancelada);
    std::size_t calculados = 0;
    for (std::size_t i = 0; i < r.pontos.size(); ++i) {
        if (!r.pontos[i].calculado) continue;
        ++calculados;
        ExpectMesmoPonto(r.pontos[i], inteira.pontos[i]);
    }
    EXPECT_GE(calculados, 10u);
    EXPECT_LT(calculados, 400u / 2);
    EXPECT_EQ(relatado, calculados);
}

// Delivered one by one in sweep order, the points are those of the kept
// table, bit for bit, on any number of threads, and none is kept. Sweeps
// larger than the ring of points waiting for delivery (2 threads x 64 x 4)
// must pass through it; a slow first point makes every other thread run
// ahead until the ring is full.
TEST(Varredura, EntregaEmOrdemSemGuardarATabela) {
    PedidoVarredura pedido;
    pedido.eixos = {{"Eprecal", 30.0, 120.0, 60}, {"Etscal", 300.0, 540.0, 50}};
    pedido.saidas = {"Epotele", "Emcomb", "Ew12"};
    pedido.tarefas = 1;
    const ResultadoVarredura tabela = ExecutarVarredura(pedido);
    for (unsigned tarefas : {1u, 2u, 5u}) {
        SCOPED_TRACE(tarefas);
        pedido.tarefas = tarefas;
        std::size_t proximo = 0, erradas = 0;
        pedido.entregar = [&](std::size_t i, const PontoVarredura& p) {
            if (i == 0 && tarefas > 1) std::this_thread::sleep_for(std::chrono::milliseconds(200));
            if (i != proximo++ || i >= tabela.pontos.size() || !p.calculado ||
                p.valores != tabela.pontos[i].valores || p.saidas != tabela.pontos[i].saidas ||
                p.erro != tabela.pontos[i].erro)
                ++erradas;
        };
        const ResultadoVarredura r = ExecutarVarredura(pedido);
        EXPECT_TRUE(r.pontos.empty());
        EXPECT_FALSE(r.cancelada);
        EXPECT_EQ(erradas, 0u);
        EXPECT_EQ(proximo, tabela.pontos.size());
    }
}

// A cancellation or a delivery that throws (standard output closed) ends
// the sweep without leaving a thread waiting for room; what was delivered is
// a prefix of the sweep. The first delivery is slow, so that the other
// threads fill the ring and wait, and the cancellation comes while the
// points after the first are not done: the waiting threads must be freed.
TEST(Varredura, EntregaInterrompidaTerminaSemEsperar) {
    PedidoVarredura pedido;
    pedido.eixos = {{"Etscal", 300.0, 540.0, 3000}};
    pedido.saidas = {"Epotele"};
    pedido.tarefas = 3;
    std::atomic<bool> cancelar{false};
    pedido.cancelar = &cancelar;
    std::size_t entregues = 0;
    pedido.entregar = [&](std::size_t i, const PontoVarredura&) {
        EXPECT_EQ(i, entregues);
        ++entregues;
        if (i > 0) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        cancelar.store(true);
    };
    auto varredura = std::async(std::launch::async, [&] { return ExecutarVarredura(pedido); });
    if (varredura.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        ADD_FAILURE() << "threads left waiting after the cancellation";
        std::_Exit(1);  // they never end: nothing else can be tested here
    }
    EXPECT_TRUE(varredura.get().cancelada);
    EXPECT_GE(entregues, 1u);
    EXPECT_LT(entregues, 3000u);

    cancelar.store(false);
    entregues = 0;
    pedido.entregar = [&](std::size_t, const PontoVarredura&) {
        if (++entregues == 900) throw std::runtime_error("saída fechada");
    };
    EXPECT_THROW(ExecutarVarredura(pedido), std::runtime_error);
    EXPECT_EQ(entregues, 900u);
}

// What the progress callback throws ends the sweep and reaches the caller.
TEST(Varredura, ErroDoProgressoChegaAoChamador) {
    PedidoVarredura pedido;
    pedido.eixos = {{"Etscal", 400.0, 540.0, 50}};
    pedido.tarefas = 2;
    pedido.intervaloProgresso = std::chrono::milliseconds(0);
    pedido.progresso = [](std::size_t feitos, std::size_t) {
        if (feitos >= 3) throw std::runtime_error("janela fechada");
    };
    EXPECT_THROW(
        {
            try {
                ExecutarVarredura(pedido);
            } catch (const std::runtime_error& e) {
                EXPECT_STREQ(e.what(), "janela fechada");
                throw;
            }
        },
        std::runtime_error);
}

// Exactly the largest sweep is accepted; one point more is not (above).
TEST(Varredura, MaximoDePontosAceito) {
    PedidoVarredura pedido;
    pedido.eixos = {{"Etscal", 400, 500, 1000}, {"Eprecal", 30, 120, 1000}};
    static_assert(MaximoPontosVarredura == 1000u * 1000u);
    EXPECT_NO_THROW(VerificarVarredura(pedido));
}

// Threads take runs of neighbouring points (here 4 or 7 a run): every point
// is computed once, for its own values, whether the rows are kept or handed
// over in order. The boiler's outlet temperature shown is the one swept, an
// answer that does not go through the sweep's own bookkeeping.
TEST(Varredura, BlocosDeVariosPontos) {
    for (unsigned tarefas : {2u, 3u}) {
        for (bool emOrdem : {false, true}) {
            SCOPED_TRACE(std::to_string(tarefas) + (emOrdem ? " em ordem" : ""));
            PedidoVarredura pedido;
            pedido.eixos = {{"Etscal", 400.0, 540.0, 450}};
            pedido.saidas = {"Et1c"};
            pedido.tarefas = tarefas;
            std::vector<PontoVarredura> entregues;
            if (emOrdem)
                pedido.entregar = [&](std::size_t i, const PontoVarredura& p) {
                    EXPECT_EQ(i, entregues.size());
                    entregues.push_back(p);
                };
            const ResultadoVarredura r = ExecutarVarredura(pedido);
            const std::vector<PontoVarredura>& pontos = emOrdem ? entregues : r.pontos;
            const std::vector<double> valores = ValoresEixo(pedido.eixos[0]);
            ASSERT_EQ(pontos.size(), valores.size());
            for (std::size_t i = 0; i < pontos.size(); ++i) {
                ASSERT_TRUE(pontos[i].calculado) << i;
                ASSERT_EQ(pontos[i].valores, std::vector<double>{valores[i]}) << i;
                EXPECT_EQ(*pontos[i].saidas[0], valores[i]) << i;
            }
        }
    }
}

}  // namespace
