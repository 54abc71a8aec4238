// Inputs that make no physical sense are refused before anything is
// computed, naming the field by its caption; inputs exactly at the edge of
// what is allowed still run.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "plant/CalculoCampos.h"
#include "plant/CamposMemoria.h"
#include "plant/ErrosPlanta.h"
#include "plant/TabelaEntradas.h"
#include "plant/ValidacaoEntradas.h"

namespace {

struct Caso {
    const char* entradas;  // FIELD=TEXT ..., typed over the defaults
    bool comTurbina;
    const char* legenda;   // caption the refusal names; nullptr: the run finishes
};

// Each rule, on each side of its limit. Saturation: 295,07 degC at 80 bar,
// 120,23 degC at 2 bar; the header is 22 bar with the high-pressure turbine
// and the boiler's 80 bar without it.
const Caso casos[] = {
    {"Ecapusi=0", true, "Capacidade da Usina [ton cana/h]"},
    {"Ecapusi=-400", true, "Capacidade da Usina [ton cana/h]"},
    {"Ecapusi=0,001", true, nullptr},
    {"Evap=0", true, "Vapor por tonelada de cana [kg]"},
    {"Ebag=0", true, "Bagaço (50% de umidade) por ton de cana [kg]"},
    {"Epci=-7530", true, "PCI do bagaço [kJ/kg]"},
    {"Epotmoe=-0,1", true, "Potência de moagem [kWh/ton cana]"},
    {"Epotmoe=0", true, nullptr},
    {"Eefical=0", true, "Eficiência Térmica da Caldeira [%]"},
    {"Eefical=100,001", true, "Eficiência Térmica da Caldeira [%]"},
    {"Eefitap=150", true, "Eficiência da turbina de alta pressão [%]"},
    {"Eefitap=150", false, nullptr},  // hidden without the turbine: not read
    {"Epstap=x", false, nullptr},
    {"Eefibom=0", true, "Eficiência isentrópica da bomba de condensado [%]"},
    {"Eefitb=-5", true, "Eficiência da turbina de acionamento da bomba [%]"},
    {"Eefitm=0", false, "Eficiência isentrópica da turbomoenda [%]"},
    {"Eefitmp=100,5", true, "Eficiência isentrópica turbina de média pressão [%]"},
    {"Eefical=100 Eefitap=100 Eefibom=100 Eefitb=100 Eefitm=100 Eefitmp=100", true, nullptr},
    {"Emvalv=-0,1", true, "Quantidade de vapor para válvula de expansão [%]"},
    {"Emvalv=120", true, "Quantidade de vapor para válvula de expansão [%]"},
    {"Emvalv=0", true, nullptr},
    {"Emvalv=100", false, nullptr},  // a shortfall: a warning, not a refusal
    {"Eprevap=0,0061", true, "Pressão do vapor para processos [bar]"},
    {"Eprevap=0,006109", true, nullptr},
    {"Eprecon=0,001", true, "Pressão do condensado de retorno [bar]"},
    {"Eprecon=0,006109 Etcon=0", true, nullptr},
    {"Eprecal=0,006", false, "Pressão de operação da Caldeira [bar]"},
    {"Eprecal=190", true, nullptr},
    {"Eprecal=250", true, nullptr},  // limited to 190 as the field is read
    {"Epstap=190,5", true, "Pressão de saída na turbina de alta pressão [bar]"},
    {"Epstap=80", true, "Pressão de saída na turbina de alta pressão [bar]"},
    {"Epstap=79,9", true, nullptr},
    {"Eprevap=22", true, "Pressão do vapor para processos [bar]"},
    {"Eprevap=21,9", true, nullptr},
    {"Eprevap=22", false, nullptr},
    {"Eprevap=80", false, "Pressão do vapor para processos [bar]"},
    {"Eprecon=80", true, "Pressão do condensado de retorno [bar]"},
    {"Eprecon=79,9 Etcon=90", true, nullptr},
    {"Etscal=250", true, "Temperatura de saída da caldeira [°C]"},
    {"Etscal=295", false, "Temperatura de saída da caldeira [°C]"},
    {"Etscal=295,1", false, nullptr},
    {"Etscal=5000", true, nullptr},  // limited to 1300
    {"Etcon=120,3", true, "Temperatura do condensado de retorno [°C]"},
    {"Etcon=120,2", true, nullptr},
    {"Etcon=-0,5", true, "Temperatura do condensado de retorno [°C]"},
    {"Etcon=0", true, nullptr},
};

void Digitar(CamposMemoria& campos, const std::string& entradas) {
    std::istringstream palavras(entradas);
    std::string par;
    while (palavras >> par) {
        const std::size_t igual = par.find('=');
        campos.DefinirEntrada(par.substr(0, igual), par.substr(igual + 1));
    }
}

TEST(ValidacaoEntradas, RecusaNomeandoALegendaSemEscreverNada) {
    for (const Caso& caso : casos) {
        SCOPED_TRACE(testing::Message() << caso.entradas << (caso.comTurbina ? "" : " sem turbina"));
        CamposMemoria campos(",");
        campos.DefinirCheckBox1(caso.comTurbina);
        ResultadoUsina resultado;
        CalcularUsinaNosCampos(campos, resultado, ",");  // an earlier, good run
        const ResultadoUsina anterior = resultado;
        campos.LimparEscritos();

        Digitar(campos, caso.entradas);
        try {
            CalcularUsinaNosCampos(campos, resultado, ",");
            EXPECT_EQ(caso.legenda, nullptr) << "não recusou";
            EXPECT_EQ(resultado.situacao, SituacaoCalculo::Completo);
        } catch (const ErroEntradaImpossivel& e) {
            ASSERT_NE(caso.legenda, nullptr) << "recusou: " << e.what();
            const std::string inicio = std::string("Valor impossível em \"") + caso.legenda + "\": ";
            EXPECT_EQ(std::string(e.what()).substr(0, inicio.size()), inicio) << e.what();
            EXPECT_EQ(e.what()[std::strlen(e.what()) - 1], '.');
            EXPECT_TRUE(campos.CamposEscritos().empty()) << campos.CamposEscritos().front();
            EXPECT_EQ(resultado.situacao, SituacaoCalculo::Recusado);
            EXPECT_EQ(std::memcmp(&resultado.dados, &anterior.dados, sizeof(DadosUsina)), 0);
            EXPECT_EQ(campos.Visivel("Epstap"), caso.comTurbina);
        } catch (const ErroUsina& e) {
            ADD_FAILURE() << "outro erro: " << e.what();
        }
    }
}

// The checks wait for every input to read as a number: with a text that is
// not one, the run goes as far as that field, as it always did, even past an
// impossible value before it.
TEST(ValidacaoEntradas, TextoQueNaoENumeroSegueOCaminhoDeSempre) {
    CamposMemoria campos(",");
    Digitar(campos, "Eefitap=150 Eefitmp=x");
    ResultadoUsina resultado;
    try {
        CalcularUsinaNosCampos(campos, resultado, ",");
        ADD_FAILURE() << "sem erro";
    } catch (const ErroUsina& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid floating point value");
    }
    EXPECT_EQ(campos.Texto("Eefitap"), "    1,5000E+002");
    EXPECT_EQ(campos.Texto("Eefi12"), "    1,5000E+002");
    EXPECT_EQ(campos.Texto("Emvalv"), "    1,0000E+001");  // read just before
    EXPECT_EQ(campos.Texto("Ew14"), "");                    // after it: untouched
    EXPECT_EQ(resultado.situacao, SituacaoCalculo::Interrompido);
}

}  // namespace

// The tooltip sentence of each kind of field: its own range, the relations
// the checks apply and the limit of the reading, with the user's separator.
TEST(ValidacaoEntradas, FaixaPermitidaDizOQueAsVerificacoesAceitam) {
    const struct {
        const char* campo;
        const char* faixa;
    } casos[] = {
        {"Ecapusi", "Maior que zero"},
        {"Epotmoe", "Zero ou maior"},
        {"Eefical", "Maior que 0 e no máximo 100 %"},
        {"Emvalv", "De 0 a 100 %"},
        {"Eprecal", "De 0,006109 a 190 bar; acima de 190 bar é lido como 190"},
        {"Eprecon", "De 0,006109 a 190 bar, menor que a pressão de operação da caldeira"},
        {"Etscal", "Maior que a temperatura de saturação à pressão da caldeira (vapor "
                   "superaquecido); acima de 1300 °C é lido como 1300"},
        {"Etcon", "De 0 °C até abaixo da temperatura de saturação à pressão do condensado "
                  "(condensado líquido)"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(FaixaPermitida(*BuscarCampoEntrada(c.campo), ","), c.faixa) << c.campo;
    EXPECT_EQ(FaixaPermitida(*BuscarCampoEntrada("Eprevap"), "."),
              "De 0.006109 a 190 bar, menor que a pressão de saída na turbina de alta pressão "
              "(sem ela, menor que a pressão de operação da caldeira)");
    for (const CampoEntradaUsina& c : CamposEntradaUsina())
        EXPECT_FALSE(FaixaPermitida(c, ",").empty()) << c.nome;
}
