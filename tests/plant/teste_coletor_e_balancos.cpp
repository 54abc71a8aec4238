// Wet steam in the header: the consumers take the header's whole state, so
// that energy is conserved at the header and for the plant; the balances
// every run carries, and the engineering warnings that never stop a run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "plant/BalancosUsina.h"
#include "plant/CalculoUsina.h"
#include "plant/IndicadoresUsina.h"
#include "plant/PapeisRotulos.h"
#include "plant/TabelaSaidas.h"
#include "plant/Varredura.h"
#include "properties/Erros.h"
#include "properties/dtvp03.h"

namespace {

namespace R = Rotulo;

ResultadoUsina Calcular(const EntradasUsina& e) {
    ResultadoUsina r;
    CalcularUsina(e, r);
    return r;
}

const AvisoUsina* Aviso(const ResultadoUsina& r, TipoAviso tipo) {
    for (const AvisoUsina& a : r.avisos)
        if (a.tipo == tipo) return &a;
    return nullptr;
}

// The plant's first-law efficiency from the indicators: with no loss but
// the boiler's, it is the boiler's efficiency; above it, energy was created.
double PrimeiraLei(const ResultadoUsina& r) {
    for (const Indicador& i : CalcularIndicadores(r).indicadores)
        if (i.nome == "Eficiência de primeira lei da usina") return *i.valor;
    ADD_FAILURE() << "sem eficiência de primeira lei";
    return 0.0;
}

// Boiler pressure (bar) and outlet temperature (degC) from which the
// high-pressure turbine exhausts wet steam into the default 22 bar header.
// Before the mend these made 0,3 to 14 MW out of nothing.
const struct {
    double pressao, temperatura;
} PlantasUmidas[] = {{80, 320}, {120, 350}, {190, 450}};

TEST(ColetorUmido, ConsumidoresTomamOColetorInteiroEAEnergiaSeConserva) {
    for (const auto& planta : PlantasUmidas) {
        for (double valvula : {0.0, 10.0}) {
            SCOPED_TRACE(std::to_string(planta.pressao) + " bar, " +
                         std::to_string(planta.temperatura) + " °C, válvula " +
                         std::to_string(valvula));
            EntradasUsina e;
            e.PressaoCaldeira = planta.pressao;
            e.TemperaturaCaldeira = planta.temperatura;
            e.PercentualValvula = valvula;
            const ResultadoUsina r = Calcular(e);
            ASSERT_EQ(r.situacao, SituacaoCalculo::Completo);
            const auto& E = r.dados.Estado;
            const auto& m = r.dados.Vazao;
            ASSERT_LT(E[R::Coletor].x, 1.0);

            // Each consumer's inlet is the header's record itself.
            const double h2 = E[R::Coletor].h;
            for (const StatePoint* entrada :
                 {&r.entradasTomadas[R::EntradaTurbinaBomba], &r.entradasTomadas[R::EntradaTurbinaMoenda],
                  &E[R::EntradaTurbinaMedia], &E[R::EntradaValvula], &E[R::EntradaTurbinaMoenda],
                  &E[R::EntradaTurbinaBomba]})
                EXPECT_EQ(*entrada, E[R::Coletor]);
            // The mill gets its power from the enthalpy the steam really gives
            // up between the header and the turbine's exhaust.
            EXPECT_NEAR(m[R::EntradaTurbinaMoenda] * (h2 - E[R::EscapeTurbinaMoenda].h),
                        e.PotenciaMoagemEspecifica * e.CapacidadeUsina, 1e-9 * 6000.0);

            const BalancosUsina& b = r.balancos;
            const double q = b.calorCaldeira;
            EXPECT_NEAR(q, m[R::VaporVivo] * (E[R::VaporVivo].h - E[R::AguaAlimentacao].h), 1e-9 * q);
            EXPECT_LE(std::fabs(b.energiaColetor), 1e-9 * q);
            EXPECT_LE(std::fabs(b.energiaUsina), 1e-9 * q);
            EXPECT_LE(std::fabs(b.massaColetor), 1e-12 * m[R::Coletor]);
            EXPECT_LE(std::fabs(b.massaMisturador), 1e-12 * m[R::Coletor]);
            EXPECT_NEAR(PrimeiraLei(r), e.EficienciaCaldeira, 1e-9);
            EXPECT_EQ(Aviso(r, TipoAviso::BalancoNaoFecha), nullptr);

            const AvisoUsina* aviso = Aviso(r, TipoAviso::ColetorUmido);
            ASSERT_NE(aviso, nullptr);
            EXPECT_EQ(aviso->quantidade, E[R::Coletor].x);
        }
    }
}

// The default run and the other configuration close their balances too (a
// superheated header: the consumers' temperature tells their state).
TEST(ColetorUmido, BalancosDeUsinasSuperaquecidas) {
    for (bool comTurbina : {true, false}) {
        for (double valvula : {0.0, 10.0, 100.0}) {
            SCOPED_TRACE(std::to_string(comTurbina) + " " + std::to_string(valvula));
            EntradasUsina e;
            e.comTurbinaAlta = comTurbina;
            e.PercentualValvula = valvula;
            const ResultadoUsina r = Calcular(e);
            const BalancosUsina& b = r.balancos;
            EXPECT_GT(b.calorCaldeira, 1e5);
            EXPECT_LE(std::fabs(b.energiaColetor), 1e-9 * b.calorCaldeira);
            EXPECT_LE(std::fabs(b.energiaUsina), 1e-9 * b.calorCaldeira);
            EXPECT_NEAR(PrimeiraLei(r), e.EficienciaCaldeira, 1e-9);
            EXPECT_EQ(Aviso(r, TipoAviso::ColetorUmido), nullptr);
        }
    }
}

// The value of x in [baixo, alto] where f changes sign, by bisection.
double Raiz(const std::function<double(double)>& f, double baixo, double alto) {
    const bool crescente = f(alto) > 0.0;
    for (int i = 0; i < 200 && alto - baixo > 1e-13 * alto; ++i) {
        const double meio = 0.5 * (baixo + alto);
        ((f(meio) > 0.0) == crescente ? alto : baixo) = meio;
    }
    return 0.5 * (baixo + alto);
}

// The header is wet exactly when the quality is below 1: a quality of 0,999
// is warned of and taken whole; a header superheated by 0,01 K is read, as
// always, from its pressure and temperature.
TEST(ColetorUmido, FronteiraDoVaporUmido) {
    EntradasUsina e;
    e.TemperaturaCaldeira = 350.0;  // 80 bar: the exhaust is wet at 75 %
    const auto coletor = [&](double eficiencia) {
        EntradasUsina f = e;
        f.EficienciaTurbinaAlta = eficiencia;
        return Calcular(f);
    };
    // A more efficient turbine leaves a wetter exhaust.
    const double umido = Raiz([&](double n) { return 0.999 - coletor(n).dados.Estado[R::Coletor].x; },
                              30.0, 75.0);
    const double seco = Raiz(
        [&](double n) {
            // A copy: the run is a temporary.
            const StatePoint s = coletor(n).dados.Estado[R::Coletor];
            return 0.01 - (s.t - TemperaturaSaturacao(s.p));
        },
        30.0, 75.0);
    ASSERT_LT(seco, umido);

    const ResultadoUsina a = coletor(umido);
    EXPECT_NEAR(a.dados.Estado[R::Coletor].x, 0.999, 1e-9);
    ASSERT_NE(Aviso(a, TipoAviso::ColetorUmido), nullptr);
    EXPECT_EQ(TextoAviso(*Aviso(a, TipoAviso::ColetorUmido), ","),
              "Vapor úmido no coletor: título 0,99 na saída da turbina de alta pressão");
    EXPECT_EQ(a.entradasTomadas[R::EntradaTurbinaMoenda], a.dados.Estado[R::Coletor]);

    const ResultadoUsina b = coletor(seco);
    const StatePoint& s = b.dados.Estado[R::Coletor];
    EXPECT_NEAR(s.t - TemperaturaSaturacao(s.p), 0.01, 1e-6);
    EXPECT_GT(s.x, 1.0);
    EXPECT_EQ(Aviso(b, TipoAviso::ColetorUmido), nullptr);
    // Read from pressure and temperature: the same temperature, not the
    // same record.
    EXPECT_EQ(b.entradasTomadas[R::EntradaTurbinaMoenda].t, s.t);
    EXPECT_LE(std::fabs(b.balancos.energiaColetor), 1e-9 * b.balancos.calorCaldeira);
}

// Across the wet boundary the electric power is continuous, with a kink:
// at 80 bar the header turns wet below about 358 degC. Before the mend the
// drive turbines read saturated vapour there and the curve bent the other
// way, with flows that did not add up.
TEST(ColetorUmido, VarreduraAtravessaAFronteiraSemSalto) {
    PedidoVarredura pedido;
    pedido.eixos = {{"Etscal", 300.0, 450.0, 301}};
    pedido.saidas = {"Epotele", "Em4", "Em5"};
    const ResultadoVarredura r = ExecutarVarredura(pedido);
    bool umido = false, seco = false;
    for (std::size_t j = 0; j < pedido.saidas.size(); ++j) {
        SCOPED_TRACE(pedido.saidas[j]);
        std::vector<double> passos;
        for (std::size_t i = 1; i < r.pontos.size(); ++i)
            passos.push_back(*r.pontos[i].saidas[j] - *r.pontos[i - 1].saidas[j]);
        // Monotonic, and each step within a third of the one before: a
        // jump, even of a hundredth of the range, is a step several times
        // its neighbours'; the kink only turns the slope a little at a time.
        for (std::size_t i = 1; i < passos.size(); ++i) {
            SCOPED_TRACE(r.pontos[i].valores[0]);
            const double razao = passos[i] / passos[i - 1];
            EXPECT_GT(razao, 0.75);
            EXPECT_LT(razao, 1.0 / 0.75);
        }
    }
    for (const PontoVarredura& p : r.pontos) {
        const bool aviso = p.aviso.find("Vapor úmido no coletor") != std::string::npos;
        umido = umido || aviso;
        seco = seco || !aviso;
        EXPECT_EQ(p.aviso.find("Balanço"), std::string::npos);
    }
    EXPECT_TRUE(umido && seco);
}

// Every kind of warning in words, with both separators; qualities are cut,
// not rounded, so that wet steam never reads 1,00.
TEST(Avisos, Textos) {
    using T = TipoAviso;
    const struct {
        AvisoUsina aviso;
        const char* virgula;
        const char* ponto;
    } casos[] = {
        {{T::VaporInsuficiente, 12.345}, "Vapor insuficiente: faltam 12,35 t/h para a turbina de média pressão",
         "Vapor insuficiente: faltam 12.35 t/h para a turbina de média pressão"},
        {{T::ColetorUmido, 0.9999}, "Vapor úmido no coletor: título 0,99 na saída da turbina de alta pressão",
         "Vapor úmido no coletor: título 0.99 na saída da turbina de alta pressão"},
        {{T::PressaoLimitada, 190.0}, "Pressão da caldeira limitada a 190 bar",
         "Pressão da caldeira limitada a 190 bar"},
        {{T::TemperaturaLimitada, 1300.0}, "Temperatura de saída da caldeira limitada a 1300 °C",
         "Temperatura de saída da caldeira limitada a 1300 °C"},
        {{T::NaoConvergiu, 0.0, 19}, "Propriedades do rótulo 19 não convergiram: resultados não confiáveis",
         "Propriedades do rótulo 19 não convergiram: resultados não confiáveis"},
        {{T::ProcessoUmido, 0.95}, "Vapor de processo úmido: título 0,95", "Vapor de processo úmido: título 0.95"},
        {{T::EscapeUmido, 0.8799, R::EscapeTurbinaMedia},
         "Escape da turbina de média pressão com título 0,87, abaixo de 0,88",
         "Escape da turbina de média pressão com título 0.87, abaixo de 0.88"},
        {{T::EscapeUmido, 0.5, R::EscapeTurbinaMoenda}, "Escape da turbomoenda com título 0,50, abaixo de 0,88",
         "Escape da turbomoenda com título 0.50, abaixo de 0.88"},
        {{T::EscapeUmido, 0.5, R::EscapeTurbinaBomba}, "Escape da turbina da bomba com título 0,50, abaixo de 0,88",
         "Escape da turbina da bomba com título 0.50, abaixo de 0.88"},
        {{T::EscapeUmido, 0.5, R::Coletor}, "Escape da turbina de alta pressão com título 0,50, abaixo de 0,88",
         "Escape da turbina de alta pressão com título 0.50, abaixo de 0.88"},
        {{T::BalancoNaoFecha, -1234.5}, "Balanço de energia não fecha: -1234,50 kW",
         "Balanço de energia não fecha: -1234.50 kW"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(TextoAviso(c.aviso, ","), c.virgula);
        EXPECT_EQ(TextoAviso(c.aviso, "."), c.ponto);
    }
}

// Wet process steam and exhausts below 0,88 are named, only when wet, and
// only for a turbine that takes steam; a plant short of steam marks the
// medium-pressure turbine's figures as not physical, and only those.
TEST(Avisos, VaporUmidoEFigurasNaoFisicas) {
    EntradasUsina e;
    e.PressaoCaldeira = 120.0;
    e.TemperaturaCaldeira = 350.0;
    const ResultadoUsina r = Calcular(e);
    std::vector<int> escapes;
    for (const AvisoUsina& a : r.avisos)
        if (a.tipo == TipoAviso::EscapeUmido) {
            escapes.push_back(a.rotulo);
            EXPECT_EQ(a.quantidade, r.dados.Estado[static_cast<std::size_t>(a.rotulo)].x);
            EXPECT_LT(a.quantidade, QualidadeMinimaEscape);
        }
    EXPECT_EQ(escapes, (std::vector<int>{R::EscapeTurbinaBomba, R::EscapeTurbinaMoenda,
                                         R::EscapeTurbinaMedia}));
    const AvisoUsina* processo = Aviso(r, TipoAviso::ProcessoUmido);
    ASSERT_NE(processo, nullptr);
    EXPECT_EQ(processo->quantidade, r.dados.Estado[R::VaporProcesso].x);
    EXPECT_EQ(Aviso(Calcular(EntradasUsina{}), TipoAviso::ProcessoUmido), nullptr);

    // No milling power: the mill turbine takes no steam and its exhaust is
    // nothing to warn of, however wet the others are.
    e.PotenciaMoagemEspecifica = 0.0;
    for (const AvisoUsina& a : Calcular(e).avisos)
        EXPECT_FALSE(a.tipo == TipoAviso::EscapeUmido && a.rotulo == R::EscapeTurbinaMoenda);

    EntradasUsina curta;
    curta.PercentualValvula = 100.0;
    const ResultadoUsina c = Calcular(curta);
    std::vector<std::string> naoFisicas;
    for (const CampoSaida& campo : CamposSaida())
        if (SaidaNaoFisica(campo, c)) naoFisicas.emplace_back(campo.nome);
    EXPECT_EQ(naoFisicas, (std::vector<std::string>{"Ew14", "Eirr14", "Ee2l14"}));
    for (const CampoSaida& campo : CamposSaida()) EXPECT_FALSE(SaidaNaoFisica(campo, r)) << campo.nome;
}

// The balance warning: the larger energy residual, above 1e-6 of the boiler's
// heat or of the balance's largest term; never a residual that is not a
// number.
TEST(Avisos, BalancoQueNaoFecha) {
    const struct {
        BalancosUsina b;
        bool avisa;
        double residuo;
    } casos[] = {
        {{0, 0, 0.09, -0.05, 1e5, 1e5}, false, 0.09},
        {{0, 0, 0.1, -0.2, 1e5, 1e5}, true, -0.2},
        {{0, 0, 0.2, 0.1, 1e5, 1e5}, true, 0.2},
        {{0, 0, 150.0, 0.0, 1e5, 1e300}, false, 150.0},  // rounding of absurd flows
        {{0, 0, NAN, 0.0, 1e5, 1e5}, false, 0.0},
        {{0, 0, INFINITY, 0.0, 1e5, 1e5}, false, 0.0},
    };
    for (const auto& c : casos) {
        double residuo = 0.0;
        EXPECT_EQ(BalancoNaoFecha(c.b, residuo), c.avisa) << c.b.energiaColetor << " " << c.b.energiaUsina;
        if (c.avisa) {
            EXPECT_EQ(residuo, c.residuo);
        }
    }
}

// Condensate at 61 bar pumped with an efficiency of 2E-9 % (found by
// fuzzing): the feed water's state cannot converge (2 282 157 degC). The run
// names label 19, first, whether it then stops or goes on with the window's
// data kept from an earlier run, and never calls such a run reliable.
TEST(Avisos, PropriedadesQueNaoConvergem) {
    for (bool mantidos : {false, true}) {
        SCOPED_TRACE(mantidos);
        ResultadoUsina r;
        if (mantidos) CalcularUsina(EntradasUsina{}, r);
        EntradasUsina e;
        e.comTurbinaAlta = false;
        e.PressaoCondensado = 61.0;
        e.EficienciaBomba = 2e-9;
        try {
            CalcularUsina(e, r);
        } catch (const ErroUsina&) {
            EXPECT_EQ(r.situacao, SituacaoCalculo::Interrompido);
        }
        ASSERT_FALSE(r.avisos.empty());
        EXPECT_EQ(r.avisos[0], (AvisoUsina{TipoAviso::NaoConvergiu, 0.0, R::AguaAlimentacao}));
        EXPECT_TRUE(ResultadoNaoConfiavel(r.avisos));
    }
    EXPECT_FALSE(ResultadoNaoConfiavel(Calcular(EntradasUsina{}).avisos));
}

}  // namespace
