// usina-calc end to end: the built program, its output and its exit status.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "ProgramaUsinaCalc.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

struct Caso {
    std::vector<std::string> args;
    std::vector<std::string> linhas;  // lines the output must hold
};

// Values the plant's defaults give exactly (192 t/h of steam, 104 t/h of
// bagasse, 6000 kW of milling power) and the two input limits.
const Caso CasosExecucao[] = {
    {{"--separator", ","},
     {"Ecapusi=    4,0000E+002", "Eprodvap=    1,9200E+002", "Eprodbag=    1,0400E+002",
      "Epotmoa=    6,0000E+003"}},
    {{"--separator", ".", "Ecapusi= 5.0E2 "},
     {"Ecapusi=    5.0000E+002", "Eprodvap=    2.4000E+002", "Epotmoa=    7.5000E+003"}},
    {{}, {"Eprodvap=    1.9200E+002"}},  // the C locale's separator
    {{"--separator", ",", "Eprecal=200"}, {"Eprecal=    1,9000E+002", "Ep1c=    1,9000E+002"}},
    {{"--separator", ",", "Etscal=1500"}, {"Etscal=    1,3000E+003", "Et1c=    1,3000E+003"}},
    {{"--separator", ",", "--without-hp-turbine"}, {"Ep1t= ", "Ew12= ", "Epotmoa=    6,0000E+003"}},
};

TEST_F(UsinaCalc, ExecucaoEscreveOsCampos) {
    for (const Caso& c : CasosExecucao) {
        const Resultado r = Executar(c.args);
        EXPECT_EQ(r.status, 0) << r.erros;
        for (const auto& l : c.linhas) EXPECT_TRUE(TemLinha(r.saida, l)) << l << "\n" << r.saida;
    }
}

// The JSON's "campos" are the plain output's lines, in the same order.
TEST_F(UsinaCalc, JsonTemOsMesmosCamposNaMesmaOrdem) {
    for (const std::vector<std::string>& configuracao :
         {std::vector<std::string>{}, std::vector<std::string>{"--without-hp-turbine"}}) {
        std::vector<std::string> args = {"--separator", ","};
        args.insert(args.end(), configuracao.begin(), configuracao.end());
        const Resultado texto = Executar(args);
        args.push_back("--json");
        const Resultado json = Executar(args);
        ASSERT_EQ(json.status, 0) << json.erros;
        std::string linhas;
        const Json j = Json::parse(json.saida);
        for (const auto& [nome, valor] : j["campos"].items())
            linhas += nome + "=" + valor.get<std::string>() + "\n";
        EXPECT_EQ(linhas, texto.saida);
    }
}

// A bad text stops the run at its field: the fields read before it show their
// rewritten values, nothing after it is written.
TEST_F(UsinaCalc, TextoInvalidoParaNoCampo) {
    const Resultado r = Executar({"--separator", ",", "Eprevap=2.5"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.erros, "'2.5' is not a valid floating point value.\n");
    EXPECT_EQ(r.saida,
              "Ecapusi=    4,0000E+002\nEvap=    4,8000E+002\nEbag=    2,6000E+002\n"
              "Epci=    7,5300E+003\nEpotmoe=    1,5000E+001\n");

    const Resultado vazio = Executar({"--separator", ",", "Ecapusi="});
    EXPECT_EQ(vazio.status, 1);
    EXPECT_EQ(vazio.erros, "'' is not a valid floating point value.\n");
    EXPECT_EQ(vazio.saida, "");
}

TEST_F(UsinaCalc, FalhaDePontoFlutuante) {
    // An efficiency of 1E-300 % sends the pump's outlet enthalpy out of reach.
    const Resultado r = Executar({"--separator", ",", "Eefibom=1E-300"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.erros, "Floating point division by zero.\n");
    EXPECT_TRUE(TemLinha(r.saida, "Eefibom=    1,0000E-300")) << r.saida;
    EXPECT_EQ(r.saida.find("Em18="), std::string::npos);  // the pump panel is not shown
}

// Impossible inputs are refused before any field is written: nothing on
// standard output, the message on standard error, status 1, no report.
TEST_F(UsinaCalc, EntradaImpossivelRecusadaSemSaida) {
    const Resultado r = Executar({"--separator", ",", "--report", "r", "Eefibom=0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.saida, "");
    EXPECT_EQ(r.erros,
              "Valor impossível em \"Eficiência isentrópica da bomba de condensado [%]\": 0. Deve "
              "ser maior que 0 e no máximo 100 %.\n");
    EXPECT_FALSE(fs::exists(dir_ / "r.txt"));
}

TEST_F(UsinaCalc, LinhaDeComandoInutilizavelSaiCom2) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"Foo=1"}, {"--separator"}, {"--separator", ""}, {"--nada"}}) {
        const Resultado r = Executar(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_EQ(r.saida, "");
        EXPECT_NE(r.erros.find("usina-calc: "), std::string::npos);
    }
    const Resultado r = Executar({"Foo=1"});
    EXPECT_NE(r.erros.find("'Foo'"), std::string::npos) << r.erros;
}

TEST_F(UsinaCalc, RelatorioSoAposExecucaoBemSucedida) {
    Resultado r = Executar({"--report", "r"});
    EXPECT_EQ(r.status, 0) << r.erros;
    EXPECT_GT(fs::file_size(dir_ / "r.txt"), 0u);

    r = Executar({"--separator", ",", "--report", "falha", "Eprevap=2.5"});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(fs::exists(dir_ / "falha.txt"));
}

TEST_F(UsinaCalc, RelatorioQueFalhaSai1EMostraOsCampos) {
    const Resultado r = Executar({"--report", "nao/existe/r"});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.erros.empty());
    EXPECT_TRUE(TemLinha(r.saida, "Eprodvap=    1.9200E+002")) << r.saida;
}

// A results line that cannot be written is a failure, not a success.
TEST_F(UsinaCalc, SaidaPadraoCheia) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const Resultado r = Executar({}, "LC_ALL=C", "/dev/full");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.erros.find("could not write"), std::string::npos) << r.erros;
}

}  // namespace

namespace {

// The whole output of the default run, in both configurations, byte for byte
// against the saved outputs; with no arguments under the C locale the same
// lines come with a decimal point.
TEST_F(UsinaCalc, SaidaCompletaDosDadosPadrao) {
    const std::pair<std::vector<std::string>, const char*> casos[] = {
        {{}, "saida_padrao.txt"},
        {{"--without-hp-turbine"}, "saida_sem_turbina_alta.txt"},
    };
    for (const auto& [args, arquivo] : casos) {
        SCOPED_TRACE(arquivo);
        const std::string esperado = Ler(fs::path(USINA_DIRETORIO_TESTES) / arquivo);
        std::vector<std::string> comVirgula = args;
        comVirgula.insert(comVirgula.begin(), {"--separator", ","});
        Resultado r = Executar(comVirgula);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.erros, "");
        EXPECT_EQ(r.saida, esperado);

        r = Executar(args, "LC_ALL=C");
        EXPECT_EQ(r.status, 0);
        std::string comPonto = esperado;
        for (char& c : comPonto) {
            if (c == ',') c = '.';
        }
        EXPECT_EQ(r.saida, comPonto);
    }
}

}  // namespace

namespace {

// The property package's diagnostic lines stay on standard output in the
// plain listing but go to standard error with --json, so the JSON parses.
// Diagnostic lines come from states the checks refuse, so they are reached on
// the way to a field that is not a number: the run then goes as far as that
// field without checking (here steam at 90 degC returned as "condensate").
TEST_F(UsinaCalc, DiagnosticosForaDoJson) {
    const std::string linha = "SISTEMA INFORMA: NUMERO MAXIMO DE ITERACOES EXCEDIDO";
    Resultado r = Executar({"--separator", ",", "Eprecon=0,00611", "Eefitmp=x"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(TemLinha(r.saida, linha));
    r = Executar({"--json", "--separator", ",", "Eprecon=0,00611", "Eefitmp=x"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.saida.front(), '{');
    EXPECT_EQ(r.saida.find("SISTEMA"), std::string::npos);
    EXPECT_NE(r.erros.find(linha + "\n"), std::string::npos);
    // The CSV of a run that stopped is empty, and stays clean of them too.
    r = Executar({"--csv", "--separator", ",", "Eprecon=0,00611", "Eefitmp=x"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.saida, "");
    EXPECT_NE(r.erros.find(linha + "\n"), std::string::npos);
}

}  // namespace
