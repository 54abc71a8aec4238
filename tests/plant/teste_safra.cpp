// The crushing season: the default plant's figures against hand-worked
// values, the edge cases (a mill that buys energy, bagasse missing, a leap
// year, every hour crushing, free energy and bagasse), the checks at each
// end of every season input, and the simple payback.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "plant/CalculoUsina.h"
#include "plant/ErrosPlanta.h"
#include "plant/RetornoInvestimento.h"
#include "plant/SafraUsina.h"
#include "plant/TabelaSafra.h"
#include "plant/ValidacaoSafra.h"

namespace {

ResultadoUsina Calculado(const EntradasUsina& e) {
    ResultadoUsina r;
    CalcularUsina(e, r);
    return r;
}

std::vector<std::string> Textos(const std::vector<AvisoUsina>& avisos) {
    std::vector<std::string> textos;
    for (const AvisoUsina& a : avisos) textos.push_back(TextoAviso(a, ","));
    return textos;
}

void ExpectRelativo(double valor, double esperado, const char* nome) {
    EXPECT_NEAR(valor, esperado, 1e-12 * std::fabs(esperado)) << nome;
}

// The default run (Epotele 18625,354475442313 kW, Eprodbag 104 t/h, Econbag
// 86,47069578967992 t/h as usina-calc --json prints them) and the default
// season, by hand:
//   H = 200 x 24 x 85 / 100 = 4080 h; cane = 400 x 4080 = 1 632 000 t
//   Pg = 18625,354475 x 97 / 100 = 18066,593841 kW; Pp = 12 x 400 = 4800 kW
//   Pe = 13266,593841 kW; 13266,593841 / 400 = 33,166485 kWh/t
//   Eg = 18066,593841 x 4,08 = 73711,702872 MWh; Ep = 4800 x 4,08 = 19584 MWh
//   Ee = 13266,593841 x 4,08 = 54127,702872 MWh
//   bagasse = (104 - 86,470696) x 4080 = 71519,561178 t
//   54127,702872 x 250 = 13 531 925,718003 R$; 71519,561178 x 60 =
//   4 291 173,670686 R$; total 17 823 099,388689 R$
TEST(Safra, UsinaPadraoContraContasAMao) {
    const ResultadoUsina r = Calculado(EntradasUsina{});
    ASSERT_TRUE(r.safra.has_value());
    const ResultadosSafra& s = *r.safra;
    ExpectRelativo(s.Horas, 4080.0, "horas");
    ExpectRelativo(s.Cana, 1632000.0, "cana");
    ExpectRelativo(s.PotenciaGerador, 18066.593841179045, "Pg");
    ExpectRelativo(s.PotenciaPropria, 4800.0, "Pp");
    ExpectRelativo(s.PotenciaExportavel, 13266.593841179045, "Pe");
    ExpectRelativo(s.ExportacaoPorTonelada, 33.16648460294761, "kWh/t");
    ExpectRelativo(s.EnergiaGerada, 73711.7028720105, "Eg");
    ExpectRelativo(s.EnergiaPropria, 19584.0, "Ep");
    ExpectRelativo(s.EnergiaExportada, 54127.7028720105, "Ee");
    ExpectRelativo(s.BagacoExcedente, 71519.56117810591, "bagaço");
    ExpectRelativo(s.ReceitaEnergia, 13531925.718002625, "receita da energia");
    ExpectRelativo(s.ReceitaBagaco, 4291173.670686355, "receita do bagaço");
    ExpectRelativo(s.ReceitaTotal, 17823099.38868898, "receita total");
    EXPECT_TRUE(AvisosSafra(r).empty());
    // The run's own results do not depend on the season.
    EntradasUsina outra;
    outra.safra.RendimentoGerador = 50.0;
    outra.safra.DiasSafra = 1.0;
    const ResultadoUsina r2 = Calculado(outra);
    EXPECT_EQ(r2.globais, r.globais);
    EXPECT_EQ(r2.avisos, r.avisos);
}

struct CasoBorda {
    const char* descricao;
    double bagacoPorTonelada;  // kg/t cane, the plant's Ebag
    EntradasSafra safra;
    double horas;              // h
    double energiaExportada;   // MWh
    double bagacoExcedente;    // t
    double receitaTotal;       // R$
    std::vector<std::string> avisos;
};

EntradasSafra Com(double EntradasSafra::* membro, double valor) {
    EntradasSafra s;
    s.*membro = valor;
    return s;
}

// Worked from the default run's figures above. 50 kWh/t of own load is
// 20 000 kW, above the 18066,59 kW generated: Pe = -1933,406159 kW,
// x 4,08 = -7888,297128 MWh bought, -1 972 074,28 R$. 200 kg/t of bagasse
// is 80 t/h against 86,470696 burnt: (80 - 86,470696) x 4080 =
// -26400,438822 t, -1 584 026,33 R$. 366 days: 366 x 24 x 0,85 = 7466,4 h,
// 13266,593841 x 7,4664 = 99053,696256 MWh. 100 %: 4800 h, 63679,650438 MWh.
const CasoBorda CasosBorda[] = {
    {"consumo próprio acima da geração", 260.0, Com(&EntradasSafra::ConsumoEletricoProprio, 50.0),
     4080.0, -7888.297127989497, 71519.56117810591, -1972074.2819973743 + 4291173.670686355,
     {"A usina importa energia: 7888,30 MWh na safra"}},
    {"falta de bagaço", 200.0, EntradasSafra{}, 4080.0, 54127.7028720105, -26400.438821894084,
     13531925.718002625 - 1584026.3293136451, {"Falta bagaço: 26400,44 t na safra"}},
    {"safra de 366 dias", 260.0, Com(&EntradasSafra::DiasSafra, 366.0), 7466.4,
     99053.69625577923, (104.0 - 86.47069578967992) * 7466.4,
     99053.69625577923 * 250.0 + (104.0 - 86.47069578967992) * 7466.4 * 60.0, {}},
    {"aproveitamento de 100 %", 260.0, Com(&EntradasSafra::AproveitamentoMoagem, 100.0), 4800.0,
     63679.65043765941, (104.0 - 86.47069578967992) * 4800.0,
     63679.65043765941 * 250.0 + (104.0 - 86.47069578967992) * 4800.0 * 60.0, {}},
    {"preços zero", 260.0, [] {
         EntradasSafra s;
         s.PrecoEnergia = 0.0;
         s.PrecoBagaco = 0.0;
         return s;
     }(),
     4080.0, 54127.7028720105, 71519.56117810591, 0.0, {}},
    // Energy bought and bagasse missing at once, both free: the warnings
    // stay, the revenue is zero.
    {"importa e falta bagaço, preços zero", 200.0, [] {
         EntradasSafra s;
         s.ConsumoEletricoProprio = 50.0;
         s.PrecoEnergia = 0.0;
         s.PrecoBagaco = 0.0;
         return s;
     }(),
     4080.0, -7888.297127989497, -26400.438821894084, 0.0,
     {"A usina importa energia: 7888,30 MWh na safra", "Falta bagaço: 26400,44 t na safra"}},
};

TEST(Safra, CasosDeBorda) {
    for (const CasoBorda& c : CasosBorda) {
        SCOPED_TRACE(c.descricao);
        EntradasUsina e;
        e.BagacoPorTonelada = c.bagacoPorTonelada;
        e.safra = c.safra;
        const ResultadoUsina r = Calculado(e);
        ASSERT_EQ(r.situacao, SituacaoCalculo::Completo);
        ASSERT_TRUE(r.safra.has_value());
        const ResultadosSafra& s = *r.safra;
        ExpectRelativo(s.Horas, c.horas, "horas");
        ExpectRelativo(s.Cana, 400.0 * c.horas, "cana");
        ExpectRelativo(s.EnergiaExportada, c.energiaExportada, "energia exportada");
        ExpectRelativo(s.BagacoExcedente, c.bagacoExcedente, "bagaço");
        ExpectRelativo(s.ReceitaTotal, c.receitaTotal, "receita");
        // The parts of the energy and of the revenue add up.
        ExpectRelativo(s.EnergiaExportada, s.EnergiaGerada - s.EnergiaPropria, "balanço de energia");
        EXPECT_EQ(s.ReceitaTotal, s.ReceitaEnergia + s.ReceitaBagaco);
        // The season's warnings follow the run's, never among them.
        EXPECT_EQ(Textos(AvisosSafra(r)), c.avisos);
        EXPECT_EQ(Textos(AvisosComSafra(r)).size(), r.avisos.size() + c.avisos.size());
    }
}

// A run that did not finish has no season, and no season warning.
TEST(Safra, SoDeExecucaoCompleta) {
    EntradasUsina e;
    e.BagacoPorTonelada = 200.0;
    ResultadoUsina r = Calculado(e);
    ASSERT_FALSE(AvisosSafra(r).empty());
    e.EficienciaBomba = 0.0;
    EXPECT_THROW(CalcularUsina(e, r), ErroEntradaImpossivel);
    EXPECT_TRUE(AvisosSafra(r).empty());
    CompletarSafra(EntradasSafra{}, r);
    EXPECT_FALSE(r.safra.has_value());
}

struct Borda {
    const char* campo;
    double valor;
    const char* mensagem;  // "" when accepted
};

const double Menor = std::numeric_limits<double>::denorm_min();

// Each end of each range: the limit itself and the next double past it.
const Borda Bordas[] = {
    {"Ediasafra", 0.0, "Valor impossível em \"Duração da safra [dias]\": 0. Deve ser maior que 0 e "
                       "no máximo 366 dias."},
    {"Ediasafra", Menor, ""},
    {"Ediasafra", 366.0, ""},
    {"Ediasafra", std::nextafter(366.0, 400.0),
     "Valor impossível em \"Duração da safra [dias]\": 366,00000000000006. Deve ser maior que 0 e "
     "no máximo 366 dias."},
    {"Eaprov", 0.0, "Valor impossível em \"Aproveitamento do tempo de moagem [%]\": 0. Deve ser "
                    "maior que 0 e no máximo 100 %."},
    {"Eaprov", 100.0, ""},
    {"Eefiger", Menor, ""},
    {"Eefiger", std::nextafter(100.0, 200.0),
     "Valor impossível em \"Rendimento do gerador [%]\": 100,00000000000001. Deve ser maior que 0 "
     "e no máximo 100 %."},
    {"Econsele", 0.0, ""},
    {"Econsele", -Menor, "Valor impossível em \"Consumo elétrico próprio [kWh/ton cana]\": -5e-324. "
                         "Deve ser zero ou maior."},
    {"Eprecoener", 0.0, ""},
    {"Eprecoener", -1.0, "Valor impossível em \"Preço da energia exportada [R$/MWh]\": -1. Deve ser "
                         "zero ou maior."},
    {"Eprecobag", -0.0, ""},
    {"Eprecobag", std::numeric_limits<double>::infinity(),
     "Valor impossível em \"Preço do bagaço excedente [R$/ton]\": inf. Deve ser um número finito."},
    {"Einvest", 0.0, ""},
    {"Einvest", std::numeric_limits<double>::quiet_NaN(),
     "Valor impossível em \"Investimento [R$]\": nan. Deve ser um número finito."},
};

TEST(Safra, EntradasNasBordasDasFaixas) {
    for (const Borda& b : Bordas) {
        SCOPED_TRACE(std::string(b.campo) + " " + std::to_string(b.valor));
        EntradasUsina e;
        e.safra.*BuscarCampoEntradaSafra(b.campo)->membro = b.valor;
        ResultadoUsina r;
        if (std::string(b.mensagem).empty()) {
            EXPECT_NO_THROW(CalcularUsina(e, r));
            EXPECT_EQ(r.situacao, SituacaoCalculo::Completo);
            continue;
        }
        try {
            CalcularUsina(e, r);
            ADD_FAILURE() << "accepted";
        } catch (const ErroEntradaImpossivel& erro) {
            EXPECT_EQ(erro.campo(), b.campo);
            EXPECT_EQ(std::string(erro.what()), b.mensagem);
        }
        EXPECT_EQ(r.situacao, SituacaoCalculo::Recusado);
    }
    // A plant the checks refuse is refused for the plant, whatever the season.
    EntradasUsina e;
    e.EficienciaBomba = 0.0;
    e.safra.DiasSafra = 0.0;
    ResultadoUsina r;
    try {
        CalcularUsina(e, r);
        ADD_FAILURE() << "accepted";
    } catch (const ErroEntradaImpossivel& erro) {
        EXPECT_EQ(erro.campo(), "Eefibom");
    }
    // The tooltips' sentences, with the user's separator.
    EXPECT_EQ(FaixaPermitidaSafra(*BuscarCampoEntradaSafra("Ediasafra"), ","),
              "Maior que 0 e no máximo 366 dias");
    EXPECT_EQ(FaixaPermitidaSafra(*BuscarCampoEntradaSafra("Eefiger"), ","),
              "Maior que 0 e no máximo 100 %");
    EXPECT_EQ(FaixaPermitidaSafra(*BuscarCampoEntradaSafra("Einvest"), ","), "Zero ou maior");
}

// The payback of the larger investment, whichever case makes it; "não se
// paga" (empty) when it earns no more, or when the quotient is not finite.
TEST(Safra, RetornoSimples) {
    const struct {
        double investimentoA, receitaA, investimentoB, receitaB;
        std::optional<double> safras;
    } casos[] = {
        {0.0, 17e6, 30e6, 23e6, 5.0},            // B invests 30 M more, earns 6 M more
        {30e6, 23e6, 0.0, 17e6, 5.0},            // A is the one that invests more
        {0.0, 17e6, 30e6, 17e6, std::nullopt},   // earns the same
        {0.0, 17e6, 30e6, 16e6, std::nullopt},   // earns less
        {30e6, 16e6, 0.0, 17e6, std::nullopt},   // the cheaper case earns more
        {0.0, -2e6, 1e6, -1.5e6, 2.0},           // both buy energy, B less of it
        {0.0, 0.0, 1e300, 1e-300, std::nullopt}, // never, in any number of seasons
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.investimentoB);
        EXPECT_EQ(RetornoSimples(c.investimentoA, c.receitaA, c.investimentoB, c.receitaB), c.safras);
    }
}

}  // namespace
