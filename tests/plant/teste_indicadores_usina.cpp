// The cogeneration indicators against figures worked by hand from the
// default run's printed results, against the plant's own balances (energy
// and exergy), and on runs where a ratio has no denominator.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "plant/CalculoUsina.h"
#include "plant/EstadoLegivel.h"
#include "plant/IndicadoresUsina.h"
#include "plant/Numeros.h"
#include "plant/PapeisRotulos.h"
#include "properties/dtvp03.h"

namespace {

ResultadoUsina Calculado(const EntradasUsina& e) {
    ResultadoUsina r;
    CalcularUsina(e, r);
    return r;
}

const Indicador* Buscar(const IndicadoresUsina& ind, const std::string& nome) {
    for (const Indicador& i : ind.indicadores)
        if (i.nome == nome) return &i;
    return nullptr;
}

double Parcela(const IndicadoresUsina& ind, const std::string& equipamento) {
    for (const ParcelaDestruicao& p : ind.destruicao)
        if (p.equipamento == equipamento) return p.potencia;
    ADD_FAILURE() << "no row " << equipamento;
    return 0.0;
}

// The factor worked once by hand from the composition: h/c = 6,5/47 =
// 0,138298, o/c = 44/47 = 0,936170; beta = (1,0414 + 0,002448 - 0,313871) /
// 0,623566 = 1,170649; (7530 + 0,5 x 2442) / 7530 = 1,162151.
TEST(IndicadoresUsina, FatorDeExergiaDoBagaco) {
    EXPECT_NEAR(BetaSzargutStyrylska(6.5 / 47.0, 44.0 / 47.0), 1.170649, 1e-6);
    EXPECT_NEAR(FatorExergiaBagaco, 1.170649 * 1.162151, 2e-6);
    // The source line quotes the factor the program uses.
    EXPECT_NE(std::string(FonteFatorExergia).find(TextoFixo(FatorExergiaBagaco, 2, ",")),
              std::string::npos);
}

// The default run. Inputs typed as the program's defaults; states and
// results as usina-calc --json --separator . prints them.
TEST(IndicadoresUsina, CorridaPadraoContraContasAMao) {
    const IndicadoresUsina ind = CalcularIndicadores(Calculado(EntradasUsina{}));

    const double capacidade = 400.0;                    // t cane/h
    const double pci = 7530.0;                          // kJ/kg
    const double mComb = 24.019637719355533;            // kg/s, Emcomb
    const double m = 53.33333333333333;                 // kg/s, Em18
    const double pEle = 18625.354475442313;             // kW, Epotele
    const double pMoe = 6000.0;                         // kW
    const double pAlta = 13711.891788330393;            // kW, Ew12
    const double pMedia = 4913.462687111922;            // kW, Ew14
    const double pTurbBomba = 661.8980947467767;        // kW, Ew16
    const double qProcesso = 129112.33674711843;        // kW, Evarent
    const double exProcesso = 32855.942001769195;       // kW, Etaxirr
    const double ex1 = 1322.1677444478335, ex19 = 34.91323960198238;  // kJ/kg
    const double tSat25 = 127.43674145237145;  // degC, the wet exhaust 9 at 2,5 bar
    const double exComb = mComb * pci * 1.360470901434315;  // kW

    const struct {
        const char* nome;
        double esperado;
        const char* unidade;
    } casos[] = {
        {"Potência elétrica por tonelada de cana", pEle / capacidade, "kWh/t"},
        {"Consumo de vapor por tonelada de cana", 192.0 * 1000.0 / capacidade, "kg/t"},
        {"Consumo específico de vapor da turbina de alta pressão", m * 3600.0 / pAlta, "kg/kWh"},
        {"Consumo específico de vapor da turbomoenda", 28.710624825129997 * 3600.0 / pMoe,
         "kg/kWh"},
        {"Consumo específico de vapor da turbina de média pressão",
         16.122123863079487 * 3600.0 / pMedia, "kg/kWh"},
        {"Consumo específico de vapor da turbina da bomba", 3.1672513117905092 * 3600.0 / pTurbBomba,
         "kg/kWh"},
        {"Excedente de bagaço", 104.0 - 86.47069578967992, "t/h"},
        {"Superaquecimento do vapor de processo", 165.79612094409762 - tSat25, "K"},
        {"Eficiência de primeira lei da usina", (pEle + pMoe + qProcesso) / (mComb * pci) * 100.0,
         "%"},
        {"Exergia do bagaço queimado", exComb, "kW"},
        {"Eficiência de segunda lei da usina", (pEle + pMoe + exProcesso) / exComb * 100.0, "%"},
        // The season's defaults: a 97 % generator and 12 kWh/t of own load,
        // 18625,35 x 0,97 - 12 x 400 = 13266,59 kW, or 33,17 kWh/t.
        {"Potência exportável", pEle * 0.97 - 12.0 * capacidade, "kW"},
        {"Energia exportada por tonelada de cana", (pEle * 0.97 - 12.0 * capacidade) / capacidade,
         "kWh/t"},
    };
    ASSERT_EQ(ind.indicadores.size(), std::size(casos));
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        const Indicador* i = Buscar(ind, c.nome);
        ASSERT_NE(i, nullptr);
        ASSERT_TRUE(i->valor.has_value());
        // The superheat's t_sat is read at label 9's pressure, 4e-9 bar off.
        const double tolerancia = std::string(c.unidade) == "K" ? 1e-6 : 1e-9 * std::fabs(c.esperado);
        EXPECT_NEAR(*i->valor, c.esperado, tolerancia);
        EXPECT_EQ(i->unidade, c.unidade);
        EXPECT_FALSE(i->explicacao.empty());
    }
    // Rounded figures to recognise on screen.
    EXPECT_NEAR(*Buscar(ind, "Eficiência de segunda lei da usina")->valor, 23.36, 0.005);
    EXPECT_NEAR(*Buscar(ind, "Superaquecimento do vapor de processo")->valor, 38.36, 0.005);

    // Exergy destroyed: the boiler's from the water's exergy gain, the
    // mixer's from the four exhausts and the mixed stream.
    EXPECT_NEAR(Parcela(ind, "Caldeira"), exComb - m * (ex1 - ex19), 1e-9 * exComb);
    const double misturador = 5.333333333333333 * 727.1367632022202 +
                              28.710624825129997 * 644.716193708336 +
                              16.122123863079487 * 616.9793639376884 +
                              3.1672513117905092 * 644.716193708336 - m * 642.1079908246693;
    EXPECT_NEAR(Parcela(ind, "Misturador dos escapes"), misturador, 1e-6);
    EXPECT_NEAR(Parcela(ind, "Turbina de alta pressão"), 2459.6778696163656, 1e-9);
    EXPECT_NEAR(Parcela(ind, "Processo"), exProcesso, 1e-9);
    EXPECT_NEAR(Parcela(ind, "Válvula de expansão"), 1556.3416008485947, 1e-9);
    EXPECT_NEAR(Parcela(ind, "Bomba de condensado"), 189.67615806806242, 1e-9);

    // Only the figures resting on the fuel exergy are estimates.
    for (const Indicador& i : ind.indicadores)
        EXPECT_EQ(i.estimativa, i.nome == "Exergia do bagaço queimado" ||
                                    i.nome == "Eficiência de segunda lei da usina")
            << i.nome;
    for (const ParcelaDestruicao& p : ind.destruicao)
        EXPECT_EQ(p.estimativa, p.equipamento == "Caldeira") << p.equipamento;
}

// Independent of the indicators' own arithmetic: the boiler is the plant's
// only energy loss, so the first-law efficiency is the boiler's; and every
// kW of fuel exergy is either shaft power to the generators and the mill or
// destroyed somewhere (the process's figure counts its use as destruction),
// so the parts add up to the fuel exergy. Shares add up to 100 %.
TEST(IndicadoresUsina, BalancosDeEnergiaEExergia) {
    const auto com = [](auto mudar) {
        EntradasUsina e;
        mudar(e);
        return e;
    };
    const struct {
        const char* caso;
        EntradasUsina entradas;
    } casos[] = {
        {"padrão", EntradasUsina{}},
        {"sem turbina de alta", com([](EntradasUsina& e) { e.comTurbinaAlta = false; })},
        {"válvula fechada", com([](EntradasUsina& e) { e.PercentualValvula = 0.0; })},
        {"caldeira a 70 %", com([](EntradasUsina& e) { e.EficienciaCaldeira = 70.0; })},
        // Wet exhausts from a superheated header (with the high-pressure
        // turbine at 320 degC the header itself would be wet).
        {"processo úmido", com([](EntradasUsina& e) {
             e.comTurbinaAlta = false;
             e.TemperaturaCaldeira = 320.0;
             e.PercentualValvula = 0.0;
         })},
        {"vapor insuficiente", com([](EntradasUsina& e) { e.PercentualValvula = 60.0; })},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const ResultadoUsina r = Calculado(c.entradas);
        const IndicadoresUsina ind = CalcularIndicadores(r);
        EXPECT_NEAR(*Buscar(ind, "Eficiência de primeira lei da usina")->valor,
                    c.entradas.EficienciaCaldeira, 1e-6);

        const double exComb = *Buscar(ind, "Exergia do bagaço queimado")->valor;  // kW
        const double eixos = r.globais.PotenciaEletrica + r.globais.PotenciaMoagem;  // kW
        double soma = 0.0, somaPorcento = 0.0;
        for (const ParcelaDestruicao& p : ind.destruicao) {
            // A turbine short of steam has no share and is out of the total.
            EXPECT_EQ(p.naoFisica, p.equipamento == "Turbina de média pressão" &&
                                       TurbinaMediaSemVapor(r));
            if (p.naoFisica) {
                EXPECT_FALSE(p.porcento.has_value());
                continue;
            }
            soma += p.potencia;
            ASSERT_TRUE(p.porcento.has_value());
            somaPorcento += *p.porcento;
        }
        EXPECT_NEAR(soma, ind.destruicaoTotal, 1e-9 * soma);
        EXPECT_NEAR(somaPorcento, 100.0, 1e-9);
        // A turbine whose irreversibility the model holds at zero (a
        // negative flow) breaks the balance; the others close it.
        if (!TurbinaMediaSemVapor(r)) {
            EXPECT_NEAR(soma + eixos, exComb, 1e-6 * exComb);
        }
        // The run's closure, as the view shows it: residuals next to nothing.
        ASSERT_EQ(ind.balancos.size(), 4u);
        for (const LinhaBalanco& b : ind.balancos) {
            ASSERT_TRUE(b.porcento.has_value()) << b.nome;
            EXPECT_LT(std::fabs(*b.porcento), 1e-9) << b.nome;
        }
        EXPECT_EQ(ind.balancos[3].residuo, r.balancos.energiaUsina);
        EXPECT_EQ(ind.balancos[0].residuo, r.balancos.massaColetor);
    }
}

TEST(IndicadoresUsina, SemTurbinaDeAlta) {
    EntradasUsina e;
    e.comTurbinaAlta = false;
    const IndicadoresUsina ind = CalcularIndicadores(Calculado(e));
    EXPECT_EQ(Buscar(ind, "Consumo específico de vapor da turbina de alta pressão"), nullptr);
    for (const ParcelaDestruicao& p : ind.destruicao)
        EXPECT_NE(p.equipamento, "Turbina de alta pressão");
    // Electric power from the medium-pressure turbine alone: 15630 kW.
    EXPECT_NEAR(*Buscar(ind, "Potência elétrica por tonelada de cana")->valor, 15630.0 / 400.0,
                0.2);
}

// A turbine that delivers nothing has no specific consumption; nothing in
// the result is ever infinite or not a number.
TEST(IndicadoresUsina, RazoesSemDenominador) {
    EntradasUsina semMoagem;
    semMoagem.PotenciaMoagemEspecifica = 0.0;  // the mill turbine gets no steam
    EntradasUsina semVapor;
    semVapor.PercentualValvula = 100.0;  // the medium-pressure turbine's flow goes negative
    EntradasUsina umido;
    umido.comTurbinaAlta = false;
    umido.TemperaturaCaldeira = 320.0;
    umido.PercentualValvula = 0.0;  // the mixed exhausts come out wet

    const auto tudoFinito = [](const IndicadoresUsina& ind) {
        for (const Indicador& i : ind.indicadores) EXPECT_TRUE(std::isfinite(i.valor.value_or(0.0)));
        for (const ParcelaDestruicao& p : ind.destruicao)
            EXPECT_TRUE(std::isfinite(p.potencia + p.porcento.value_or(0.0)));
    };

    const IndicadoresUsina a = CalcularIndicadores(Calculado(semMoagem));
    EXPECT_FALSE(Buscar(a, "Consumo específico de vapor da turbomoenda")->valor.has_value());
    EXPECT_TRUE(Buscar(a, "Consumo específico de vapor da turbina de média pressão")->valor);
    tudoFinito(a);

    const ResultadoUsina rb = Calculado(semVapor);
    ASSERT_FALSE(rb.avisos.empty());
    const IndicadoresUsina b = CalcularIndicadores(rb);
    EXPECT_FALSE(
        Buscar(b, "Consumo específico de vapor da turbina de média pressão")->valor.has_value());
    tudoFinito(b);

    const ResultadoUsina rc = Calculado(umido);
    ASSERT_EQ(LerEstado(rc.dados.Estado[11])->fase, Fase::Umido);
    const IndicadoresUsina c = CalcularIndicadores(rc);
    EXPECT_FALSE(Buscar(c, "Superaquecimento do vapor de processo")->valor.has_value());
    tudoFinito(c);
}

// Process steam exactly saturated has no superheat to speak of: 0 K, not
// "not defined" (which is for wet steam).
TEST(IndicadoresUsina, VaporDeProcessoSaturado) {
    ResultadoUsina r = Calculado(EntradasUsina{});
    StatePoint& e = r.dados.Estado[Rotulo::VaporProcesso];
    StatePoint saturado;
    saturado.p = e.p;
    saturado.x = 1.0;
    PhaseRegion regiao = 0;
    EvaluateState(ModoPressaoTitulo, regiao, saturado);
    e = saturado;
    const std::optional<double> k =
        Buscar(CalcularIndicadores(r), "Superaquecimento do vapor de processo")->valor;
    ASSERT_TRUE(k.has_value());
    EXPECT_EQ(*k, 0.0);
}

}  // namespace
