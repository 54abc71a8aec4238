// Floating-point faults become the system's error messages while the traps
// are armed, and nothing else changes when they are not.
#include <gtest/gtest.h>

#include <cmath>
#include <latch>
#include <thread>

#include "properties/ArmadilhasPF.h"
#include "properties/Erros.h"
#include "properties/dtvp03.h"

namespace {

volatile double zero = 0.0;
volatile double um = 1.0;
volatile double enorme = 1e308;

std::string MensagemDe(double (*conta)()) {
    ArmadilhasPontoFlutuante armadas;
    try {
        volatile double r = conta();
        (void)r;
    } catch (const ErroPontoFlutuante& e) {
        return e.what();
    }
    return "sem erro";
}

TEST(ArmadilhasPontoFlutuante, CadaFalhaTemSuaMensagem) {
    EXPECT_EQ(MensagemDe([] { return um / zero; }), "Floating point division by zero");
    EXPECT_EQ(MensagemDe([] { return zero / zero; }), "Invalid floating point operation");
    EXPECT_EQ(MensagemDe([] { return enorme * 10.0; }), "Floating point overflow");
    EXPECT_EQ(MensagemDe([] { return std::log(-um); }), "Invalid floating point operation");
    EXPECT_EQ(MensagemDe([] { return std::log(zero); }), "Floating point division by zero");
    EXPECT_EQ(MensagemDe([] { return std::exp(1000.0 * um); }), "Floating point overflow");
    // A second fault after the first is trapped just the same.
    EXPECT_EQ(MensagemDe([] { return um / zero; }), "Floating point division by zero");
}

TEST(ArmadilhasPontoFlutuante, ForaDaGuardaNadaEArmado) {
    { ArmadilhasPontoFlutuante armadas; }
    EXPECT_TRUE(std::isinf(um / zero));
    EXPECT_TRUE(std::isnan(zero / zero));
}

TEST(ArmadilhasPontoFlutuante, SuspensaoDeixaCodigoAlheioCalcular) {
    ArmadilhasPontoFlutuante armadas;
    {
        SuspensaoArmadilhas suspensas;
        EXPECT_TRUE(std::isinf(um / zero));  // raises the flag, no trap
    }
    // The flag raised while suspended does not fire on re-arming, and the
    // traps are armed again.
    volatile double ok = um + um;
    EXPECT_EQ(ok, 2.0);
    EXPECT_THROW({ volatile double r = um / zero; (void)r; }, ErroPontoFlutuante);
}

TEST(ArmadilhasPontoFlutuante, AvaliacaoDeEstadoNormalNaoDisparaNada) {
    ArmadilhasPontoFlutuante armadas;
    for (double p : {0.0006109, 0.1, 2.2, 8.0, 19.0}) {
        for (double t : {-5.0, 20.0, 150.0, 450.0, 1300.0}) {
            StatePoint e;
            e.p = p;
            e.t = t;
            PhaseRegion r = 0;
            EXPECT_NO_THROW(EvaluateState(ModoPressaoTemperatura, r, e)) << p << " " << t;
        }
    }
}

// The signal handler is the process's, the armed traps are each thread's:
// a fault on a worker thread becomes the error on that thread, with its own
// kind, while a thread without traps computes on undisturbed.
TEST(ArmadilhasPontoFlutuante, CadaThreadRecebeASuaPropriaFalha) {
    constexpr int Vezes = 500;
    int acertos[3] = {0, 0, 0};
    std::latch largada(3);
    auto armada = [&](double (*conta)(), const char* esperada, int& certos) {
        largada.arrive_and_wait();
        for (int i = 0; i < Vezes; ++i) certos += MensagemDe(conta) == esperada;
    };
    std::thread divisao(armada, +[] { return um / zero; }, "Floating point division by zero",
                        std::ref(acertos[0]));
    std::thread estouro(armada, +[] { return enorme * 10.0; }, "Floating point overflow",
                        std::ref(acertos[1]));
    std::thread livre([&] {
        largada.arrive_and_wait();
        for (int i = 0; i < Vezes; ++i) acertos[2] += std::isinf(um / zero);
    });
    divisao.join();
    estouro.join();
    livre.join();
    EXPECT_EQ(acertos[0], Vezes);
    EXPECT_EQ(acertos[1], Vezes);
    EXPECT_EQ(acertos[2], Vezes);
}

}  // namespace
