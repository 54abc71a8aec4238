// A refused input carries its reason, the value and the figure it broke, and
// its message is exactly the sentence those make; a sweep point keeps the
// refusal and the run's warnings as they were raised.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "plant/ComparacaoCasos.h"
#include "plant/ErrosPlanta.h"
#include "plant/TabelaEntradas.h"
#include "plant/ValidacaoEntradas.h"
#include "plant/Varredura.h"

namespace {

ErroEntradaImpossivel Recusa(const std::function<void(EntradasUsina&)>& muda,
                             const std::string& separador) {
    EntradasUsina e;
    muda(e);
    try {
        ValidarEntradas(e, separador);
    } catch (const ErroEntradaImpossivel& erro) {
        return erro;
    }
    ADD_FAILURE() << "aceito";
    return ErroEntradaImpossivel("", "");
}

}  // namespace

// One case per reason; saturation at 80 bar is 295,07 degC, at 2 bar 120,23.
TEST(RecusasTipadas, MotivoValorELimiteFazemAMensagem) {
    using M = MotivoRecusa;
    const struct {
        std::function<void(EntradasUsina&)> muda;
        const char* campo;
        MotivoRecusa motivo;
        double valor;
        double limite;  // NaN: not compared
        const char* frase;  // '#' for the decimal separator
    } casos[] = {
        {[](EntradasUsina& e) { e.CapacidadeUsina = 0.0; }, "Ecapusi", M::NaoPositivo, 0.0, 0.0,
         "Deve ser maior que zero"},
        {[](EntradasUsina& e) { e.PotenciaMoagemEspecifica = -0.5; }, "Epotmoe", M::Negativo, -0.5,
         0.0, "Deve ser zero ou maior"},
        {[](EntradasUsina& e) { e.EficienciaCaldeira = 100.5; }, "Eefical", M::Eficiencia, 100.5,
         0.0, "Deve ser maior que 0 e no máximo 100 %"},
        {[](EntradasUsina& e) { e.PercentualValvula = 101.0; }, "Emvalv", M::Percentual, 101.0,
         0.0, "Deve estar entre 0 e 100 %"},
        {[](EntradasUsina& e) { e.PressaoProcesso = 0.001; }, "Eprevap", M::FaixaPressao, 0.001,
         0.0, "Deve estar entre 0#006109 e 190 bar, a faixa das propriedades da água"},
        {[](EntradasUsina& e) { e.PressaoSaidaTurbinaAlta = 85.0; }, "Epstap", M::PressaoCaldeira,
         85.0, 80.0, "Deve ser menor que a pressão de operação da caldeira, 80 bar"},
        {[](EntradasUsina& e) { e.PressaoProcesso = 22.5; }, "Eprevap", M::PressaoColetor, 22.5,
         22.0, "Deve ser menor que a pressão de saída na turbina de alta pressão, 22 bar"},
        {[](EntradasUsina& e) { e.TemperaturaCaldeira = 290.0; }, "Etscal", M::SaturacaoCaldeira,
         290.0, std::nan(""),
         "Deve ser maior que a temperatura de saturação à pressão da caldeira, 295#07 °C: o "
         "vapor vivo sai superaquecido"},
        {[](EntradasUsina& e) { e.TemperaturaCondensado = 130.0; }, "Etcon",
         M::SaturacaoCondensado, 130.0, std::nan(""),
         "Deve ser menor que a temperatura de saturação à pressão do condensado, 120#23 °C: o "
         "condensado volta líquido"},
        {[](EntradasUsina& e) { e.TemperaturaCondensado = -1.0; }, "Etcon", M::Congelamento, -1.0,
         0.0, "Deve ser 0 °C ou mais: abaixo disso a água congela"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.campo);
        for (const std::string separador : {",", "."}) {
            const ErroEntradaImpossivel e = Recusa(c.muda, separador);
            EXPECT_EQ(e.campo(), c.campo);
            EXPECT_EQ(e.motivo(), c.motivo);
            EXPECT_EQ(e.valor(), c.valor);
            if (!std::isnan(c.limite)) {
                EXPECT_EQ(e.limite(), c.limite);
            }
            EXPECT_EQ(e.separador(), separador);
            std::string frase = c.frase;
            for (std::size_t i = frase.find('#'); i != std::string::npos; i = frase.find('#', i))
                frase.replace(i, 1, separador);
            EXPECT_EQ(e.what(), "Valor impossível em \"" + std::string(LegendaEntrada(c.campo)) +
                                    "\": " + NumeroRecusado(c.valor, separador) + ". " + frase +
                                    ".");
        }
    }
    const ErroEntradaImpossivel infinito =
        Recusa([](EntradasUsina& e) { e.PciBagaco = std::numeric_limits<double>::infinity(); }, ",");
    EXPECT_EQ(infinito.motivo(), M::NaoFinito);
    EXPECT_EQ(std::string(infinito.what()),
              "Valor impossível em \"PCI do bagaço [kJ/kg]\": inf. Deve ser um número finito.");
}

// A refused point keeps the refusal as thrown; a finished one its warnings.
TEST(RecusasTipadas, PontoDaVarreduraGuardaOQueOCalculoLancou) {
    PedidoVarredura pedido;
    pedido.tarefas = 1;
    pedido.saidas = {"Epotele"};
    // Refused for the boiler, refused for the condensate, and the defaults.
    pedido.eixos = {{"Eefical", 0.0, 85.0, 2}, {"Etcon", 90.0, 125.0, 2}};
    const ResultadoVarredura r = ExecutarVarredura(pedido);
    ASSERT_EQ(r.pontos.size(), 4u);
    for (const PontoVarredura& p : r.pontos) {
        SCOPED_TRACE(p.erro);
        EXPECT_EQ(p.falha != nullptr, !p.erro.empty());
        if (p.falha == nullptr) continue;
        try {
            std::rethrow_exception(p.falha);
        } catch (const ErroEntradaImpossivel& e) {
            EXPECT_EQ(e.motivo(), p.valores[0] == 0.0 ? MotivoRecusa::Eficiencia
                                                      : MotivoRecusa::SaturacaoCondensado);
            EXPECT_EQ(p.erro, e.what());
        }
    }
    EXPECT_TRUE(r.pontos[2].erro.empty());  // 85 %, 90 degC: the defaults run
    // The warnings as raised are the warnings as written.
    for (const PontoVarredura& p : r.pontos) {
        std::string avisos;
        for (const AvisoUsina& a : p.avisos) avisos += (avisos.empty() ? "" : "  ") + TextoAviso(a, ",");
        EXPECT_EQ(avisos, p.aviso);
    }
}

// A compared case keeps its refusal and its warnings as raised, beside the
// texts the comparison's file writes.
TEST(RecusasTipadas, CasoComparadoGuardaOQueOCalculoLancou) {
    EntradasUsina recusada;
    recusada.EficienciaTurbinaMoenda = 0.0;
    EntradasUsina curta;
    curta.PercentualValvula = 90.0;  // the medium-pressure turbine short of steam: warned of
    const ComparacaoCasos c =
        CompararCasos({"Atual", EntradasUsina{}}, {{"recusada", recusada}, {"curta", curta}}, ",");
    ASSERT_EQ(c.casos.size(), 3u);
    EXPECT_EQ(c.casos[0].falha, nullptr);
    ASSERT_NE(c.casos[1].falha, nullptr);
    try {
        std::rethrow_exception(c.casos[1].falha);
    } catch (const ErroEntradaImpossivel& e) {
        EXPECT_EQ(e.campo(), "Eefitm");
        EXPECT_EQ(e.motivo(), MotivoRecusa::Eficiencia);
        EXPECT_EQ(c.casos[1].erro, e.what());
    }
    const CasoCalculado& u = c.casos[2];
    ASSERT_FALSE(u.avisosTipados.empty());
    ASSERT_EQ(u.avisos.size(), u.avisosTipados.size());
    for (std::size_t i = 0; i < u.avisos.size(); ++i)
        EXPECT_EQ(u.avisos[i], TextoAviso(u.avisosTipados[i], ","));
}
