// The whole "Executar" run on the in-memory holder of fields: results of the
// default inputs in both configurations, the rewriting and limiting of the
// inputs, where a run stops on an error, and the mass balance.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "plant/CalculoCampos.h"
#include "plant/CamposMemoria.h"
#include "plant/Numeros.h"
#include "properties/Erros.h"

namespace {

const std::string Virgula = ",";

// Records every text written to the fields, in order.
class CamposGravados : public CamposMemoria {
public:
    CamposGravados() : CamposMemoria(Virgula) {}
    void DefinirTexto(const std::string& nome, const std::string& texto) override {
        escritas.push_back(nome + "=" + texto);
        CamposMemoria::DefinirTexto(nome, texto);
    }
    std::vector<std::string> escritas;
};

struct Execucao {
    CamposGravados campos;
    ResultadoUsina resultado;
    const DadosUsina& dados = resultado.dados;
    std::vector<std::string> avisos;
    std::string erro;

    // Runs and keeps the error message, if any.
    void Executar() {
        erro.clear();
        avisos.clear();
        try {
            CalcularUsinaNosCampos(campos, resultado, Virgula);
        } catch (const ErroUsina& e) {
            erro = e.what();
        }
        for (const AvisoUsina& aviso : resultado.avisos) avisos.push_back(TextoAviso(aviso, Virgula));
    }
    double Numero(const std::string& nome) const { return LerNumero(campos.Texto(nome), Virgula); }
};

struct LinhaTabela {
    const char* campo;
    double comTurbina;
    double semTurbina;  // NAN: left blank
};

// Results of the default inputs, to four significant digits.
const LinhaTabela tabelaPadrao[] = {
    {"Et19b", 91.52, 91.52},      {"Ew20", -661.9, -661.9},     {"Emcomb", 24.02, 24.02},
    {"Et2", 298.8, NAN},          {"Ew12", 13710, NAN},         {"Eirr12", 2460, NAN},
    {"Ee2l12", 84.79, NAN},       {"Em6", 3.167, 1.828},        {"Em4", 28.71, 16.57},
    {"Eirr4", 4745, 4600},        {"Em5", 16.12, 29.60},        {"Ew14", 4913, 15630},
    {"Et11", 165.8, 193.1},       {"Etit11", 1.037, 1.063},     {"Econbag", 86.47, 86.47},
    {"Eexbag", 16.86, 16.86},     {"Epotele", 18630, 15630},    {"Epotbombea", 661.9, 661.9},
    {"Evarent", 129100, 132100},  {"Etaxirr", 32860, 33880},    {"Eirrvalv", 1556, 2476},
};

void ConferirTabela(bool comTurbina) {
    Execucao x;
    x.campos.DefinirCheckBox1(comTurbina);
    x.Executar();
    ASSERT_EQ(x.erro, "");
    EXPECT_TRUE(x.avisos.empty());
    for (const LinhaTabela& l : tabelaPadrao) {
        const double esperado = comTurbina ? l.comTurbina : l.semTurbina;
        SCOPED_TRACE(l.campo);
        if (std::isnan(esperado)) {
            EXPECT_EQ(x.campos.Texto(l.campo), " ");
        } else {
            // Half a unit in the fourth significant digit.
            const double unidade = std::pow(10.0, std::floor(std::log10(std::fabs(esperado))) - 3);
            EXPECT_NEAR(x.Numero(l.campo), esperado, 0.5 * unidade + 1e-12);
        }
    }
    EXPECT_EQ(x.campos.Texto("Eprodvap"), "    1,9200E+002");
    EXPECT_EQ(x.campos.Texto("Eprodbag"), "    1,0400E+002");
    EXPECT_EQ(x.campos.Texto("Epotmoa"), "    6,0000E+003");
    EXPECT_NEAR(x.dados.Vazao[1], 53.33, 0.005);
    EXPECT_NEAR(x.dados.Vazao[3], 5.333, 0.0005);
}

TEST(CalculoUsina, TabelaPadraoComTurbinaDeAlta) { ConferirTabela(true); }
TEST(CalculoUsina, TabelaPadraoSemTurbinaDeAlta) { ConferirTabela(false); }

TEST(CalculoUsina, EntradasReescritasNaFormaDeTexto) {
    Execucao x;
    x.Executar();
    ASSERT_EQ(x.erro, "");
    const std::pair<const char*, const char*> esperados[] = {
        {"Ecapusi", "    4,0000E+002"}, {"Evap", "    4,8000E+002"}, {"Ebag", "    2,6000E+002"},
        {"Epci", "    7,5300E+003"},    {"Epotmoe", "    1,5000E+001"}, {"Eprevap", "    2,5000E+000"},
        {"Eprecal", "    8,0000E+001"}, {"Etscal", "    4,5000E+002"}, {"Epstap", "    2,2000E+001"},
        {"Emvalv", "    1,0000E+001"},  {"Eefitmp", "    7,0000E+001"},
    };
    for (const auto& [campo, texto] : esperados) EXPECT_EQ(x.campos.Texto(campo), texto) << campo;
    // The next run reads the rewritten texts and gives the same results.
    const std::string antes = x.campos.Texto("Etaxirr");
    x.Executar();
    EXPECT_EQ(x.campos.Texto("Etaxirr"), antes);
}

TEST(CalculoUsina, LimiteDePressaoDaCaldeira) {
    Execucao x;
    x.campos.DefinirEntrada("Eprecal", "200,0");
    x.Executar();
    ASSERT_EQ(x.erro, "");
    const auto& w = x.campos.escritas;
    const auto limite = std::find(w.begin(), w.end(), "Eprecal=190,0");
    ASSERT_NE(limite, w.end());
    EXPECT_NE(std::find(limite, w.end(), "Eprecal=    1,9000E+002"), w.end());
    EXPECT_EQ(x.campos.Texto("Eprecal"), "    1,9000E+002");
    EXPECT_EQ(x.dados.Estado[1].p, 19.0);
    EXPECT_NEAR(x.dados.Estado[19].p, 19.0, 1e-8);  // as the equation gives it back
    // Read twice, warned of once, first.
    ASSERT_FALSE(x.avisos.empty());
    EXPECT_EQ(x.avisos[0], "Pressão da caldeira limitada a 190 bar");
    EXPECT_EQ(std::count(x.avisos.begin(), x.avisos.end(), x.avisos[0]), 1);
}

TEST(CalculoUsina, LimiteDeTemperaturaDaCaldeira) {
    Execucao x;
    x.campos.DefinirEntrada("Etscal", "1500");
    x.Executar();
    ASSERT_EQ(x.erro, "");
    const auto& w = x.campos.escritas;
    EXPECT_NE(std::find(w.begin(), w.end(), "Etscal=1300,0"), w.end());
    EXPECT_EQ(x.campos.Texto("Etscal"), "    1,3000E+003");
    EXPECT_EQ(x.dados.Estado[1].t, 1300.0);
    ASSERT_FALSE(x.avisos.empty());
    EXPECT_EQ(x.avisos[0], "Temperatura de saída da caldeira limitada a 1300 °C");
}

TEST(CalculoUsina, ValoresNoLimiteUsadosComoDigitados) {
    Execucao x;
    x.campos.DefinirEntrada("Eprecal", "190");
    x.campos.DefinirEntrada("Etscal", "1300");
    x.Executar();
    ASSERT_EQ(x.erro, "");
    for (const std::string& e : x.campos.escritas) {
        EXPECT_NE(e, "Eprecal=190,0");
        EXPECT_NE(e, "Etscal=1300,0");
    }
    EXPECT_EQ(x.dados.Estado[1].p, 19.0);
    EXPECT_EQ(x.dados.Estado[1].t, 1300.0);
    for (const AvisoUsina& a : x.resultado.avisos) {
        EXPECT_NE(a.tipo, TipoAviso::PressaoLimitada);
        EXPECT_NE(a.tipo, TipoAviso::TemperaturaLimitada);
    }
}

TEST(CalculoUsina, PontoDecimalRejeitadoNoCampoCerto) {
    Execucao x;
    x.campos.DefinirEntrada("Eprevap", "2.5");
    x.Executar();
    EXPECT_EQ(x.erro, "'2.5' is not a valid floating point value");
    EXPECT_EQ(x.campos.Texto("Epotmoe"), "    1,5000E+001");  // read before it
    EXPECT_EQ(x.campos.Texto("Eprevap"), "2.5");
    EXPECT_EQ(x.campos.Texto("Eprecon"), "2,0");  // after it: untouched
    EXPECT_EQ(x.campos.Texto("Em18"), "");
    EXPECT_EQ(x.dados.CapacidadeUsina, 400.0);
}

TEST(CalculoUsina, CampoVazioEEspacosEmVolta) {
    Execucao x;
    x.campos.DefinirEntrada("Ecapusi", "  400,0  ");
    x.campos.DefinirEntrada("Evap", "");
    x.Executar();
    EXPECT_EQ(x.erro, "'' is not a valid floating point value");
    EXPECT_EQ(x.campos.Texto("Ecapusi"), "    4,0000E+002");
}

void ConferirBalanco(const DadosUsina& d) {
    const auto& m = d.Vazao;
    EXPECT_EQ(m[2], m[1]);
    EXPECT_NEAR(m[1], m[3] + m[4] + m[5] + m[6], 1e-12 * std::fabs(m[1]));
    for (int i = 3; i <= 6; ++i) EXPECT_EQ(m[i + 4], m[i]) << i;
    EXPECT_NEAR(m[11], m[1], 1e-12 * std::fabs(m[1]));
    EXPECT_EQ(m[19], 0.0);
    EXPECT_EQ(m[17], 0.0);
    EXPECT_EQ(m[15], 0.0);
    EXPECT_EQ(d.Estado[15], StatePoint{});
    EXPECT_EQ(d.Potencia[15], 0.0);
}

TEST(CalculoUsina, BalancoDeMassaEmCadaConfiguracao) {
    Execucao x;
    for (const char* valvula : {"10,0", "0", "100", "35"}) {
        for (bool comTurbina : {true, false}) {
            SCOPED_TRACE(testing::Message() << valvula << " " << comTurbina);
            x.campos.DefinirEntrada("Emvalv", valvula);
            x.campos.DefinirCheckBox1(comTurbina);
            x.Executar();
            ASSERT_EQ(x.erro, "");
            ConferirBalanco(x.dados);
        }
    }
}

TEST(CalculoUsina, ConfiguracaoAlternadaMostraEEscondeOsCampos) {
    Execucao x;
    x.campos.DefinirCheckBox1(false);
    x.Executar();
    EXPECT_FALSE(x.campos.Visivel("Epstap"));
    EXPECT_FALSE(x.campos.Visivel("Eefitap"));
    EXPECT_EQ(x.dados.Estado[2], x.dados.Estado[1]);
    EXPECT_EQ(x.campos.Texto("Epotele"), x.campos.Texto("Ew14"));
    EXPECT_EQ(x.Numero("Et4"), 450.0);
    x.campos.DefinirCheckBox1(true);
    x.Executar();
    EXPECT_TRUE(x.campos.Visivel("Epstap"));
    EXPECT_TRUE(x.campos.Visivel("Eefitap"));
    EXPECT_NEAR(x.Numero("Ew12"), 13712, 1);
    // Back without it: the turbine's efficiencies stay as the last run left them.
    x.campos.DefinirCheckBox1(false);
    x.Executar();
    EXPECT_EQ(x.dados.Eficiencia[12], 75.0);
    EXPECT_NEAR(x.dados.EficienciaSegundaLei[12], 84.79, 0.005);
    EXPECT_EQ(x.dados.Potencia[12], 0.0);
    EXPECT_EQ(x.dados.Irreversibilidade[12], 0.0);
}

// Zero milling power: no steam for the mill drive, on the first run and
// after a run that had some.
TEST(CalculoUsina, PotenciaDeMoagemZeroNaoUsaVazaoAntiga) {
    for (bool rodouAntes : {false, true}) {
        Execucao x;
        if (rodouAntes) x.Executar();
        x.campos.DefinirEntrada("Epotmoe", "0");
        x.Executar();
        ASSERT_EQ(x.erro, "") << rodouAntes;
        EXPECT_EQ(x.dados.Vazao[4], 0.0);
        EXPECT_EQ(x.dados.Potencia[13], 0.0);
        EXPECT_EQ(x.campos.Texto("Ee2l4"), "    0,0000E+000");
        ConferirBalanco(x.dados);
    }
}

// No valve share: label 7 holds nothing of an earlier run.
TEST(CalculoUsina, ValvulaFechadaZeraORotulo7) {
    Execucao x;
    x.Executar();
    x.campos.DefinirEntrada("Emvalv", "0");
    x.Executar();
    ASSERT_EQ(x.erro, "");
    EXPECT_EQ(x.dados.Estado[7], StatePoint{});
    EXPECT_EQ(x.dados.Vazao[3], 0.0);
    EXPECT_EQ(x.dados.IrreversibilidadeValvula, 0.0);
    EXPECT_EQ(x.campos.Texto("Eirrvalv"), "    0,0000E+000");
}

TEST(CalculoUsina, VaporInsuficienteAvisaEContinua) {
    Execucao x;
    x.campos.DefinirEntrada("Emvalv", "100");
    x.Executar();
    ASSERT_EQ(x.erro, "");
    ASSERT_EQ(x.avisos.size(), 1u);
    const double faltam = -3.6 * x.dados.Vazao[5];
    EXPECT_GT(faltam, 0.0);
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.2f", faltam);
    std::string numero = texto;
    numero[numero.find('.')] = ',';
    EXPECT_EQ(x.avisos[0],
              "Vapor insuficiente: faltam " + numero + " t/h para a turbina de média pressão");
    EXPECT_LT(x.Numero("Ew14"), 0.0);
    EXPECT_LT(x.Numero("Epotele"), x.Numero("Ew12"));
}

}  // namespace
