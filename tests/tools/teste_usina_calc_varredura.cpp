// usina-calc --sweep end to end: the table byte for byte in both locales,
// the same table on one thread and on two, each row the program's own single
// run of those inputs, and the exit statuses.
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "ProgramaUsinaCalc.h"
#include "io/CasoUsina.h"
#include "io/ExportacaoResultados.h"
#include "plant/Numeros.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

std::vector<std::string> Linhas(const std::string& csv) {
    std::vector<std::string> linhas;
    std::size_t inicio = 0;
    for (std::size_t fim; (fim = csv.find("\r\n", inicio)) != std::string::npos; inicio = fim + 2)
        linhas.push_back(csv.substr(inicio, fim - inicio));
    EXPECT_EQ(inicio, csv.size()) << "every line ends with CR LF";
    return linhas;
}

// The cells of a row without quoted cells.
std::vector<std::string> Celulas(const std::string& linha, char delimitador) {
    std::vector<std::string> celulas;
    std::size_t inicio = 0;
    for (std::size_t fim; (fim = linha.find(delimitador, inicio)) != std::string::npos;
         inicio = fim + 1)
        celulas.push_back(linha.substr(inicio, fim - inicio));
    celulas.push_back(linha.substr(inicio));
    return celulas;
}

// Two swept inputs (boiler outlet temperature outer, valve share inner)
// crossing a refused temperature (250 degC is below saturation at 80 bar),
// a wet header (350 degC) and a steam shortfall (all live steam through the
// valve): decimal comma
// and semicolons, or decimal point and commas, the refusal quoted.
const std::vector<std::string> ArgumentosDourados = {
    "--sweep", "Etscal=250:450:3", "--sweep", "Emvalv=0:100:2", "--outputs", "Epotele,Ew12,Et11"};

TEST_F(UsinaCalc, VarreduraNosDoisLocales) {
    const struct {
        std::vector<std::string> separador;
        const char* ambiente;
        const char* arquivo;
    } casos[] = {{{"--separator", ","}, "LC_ALL=C", "varredura_virgula.csv"},
                 {{}, "LC_ALL=C", "varredura_ponto.csv"},
                 {{"--separator", "."}, "LC_ALL=C", "varredura_ponto.csv"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.arquivo);
        std::vector<std::string> args = c.separador;
        args.insert(args.end(), ArgumentosDourados.begin(), ArgumentosDourados.end());
        const Resultado r = Executar(args, c.ambiente);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.erros, "");
        EXPECT_EQ(r.saida, Ler(fs::path(USINA_DIRETORIO_TESTES) / c.arquivo));
    }
    // Spot checks of the saved tables, so that they cannot silently be
    // regenerated wrong: header, the refusal with its doubled quotes, the
    // shortfall, and the numbers of the other form.
    const std::vector<std::string> virgula =
        Linhas(Ler(fs::path(USINA_DIRETORIO_TESTES) / "varredura_virgula.csv"));
    ASSERT_EQ(virgula.size(), 7u);
    EXPECT_EQ(virgula[0], "Etscal;Emvalv;Epotele;Ew12;Et11;aviso;erro");
    EXPECT_EQ(virgula[1].rfind("250;0;;;;;\"Valor impossível em \"\"Temperatura de saída da caldeira "
                               "[°C]\"\": 250. Deve ser maior que a temperatura de saturação à "
                               "pressão da caldeira, 295,07 °C",
                               0),
              0u);
    // At 350 degC the high-pressure turbine exhausts wet steam: the header's
    // consumers take it whole, and the shortfall is that of the wet steam.
    EXPECT_NE(virgula[4].find(";Vapor úmido no coletor: título 0,99 na saída da turbina de alta "
                              "pressão  Vapor insuficiente: faltam 131,35 t/h para a turbina de "
                              "média pressão;"),
              std::string::npos);
    const std::vector<std::string> ponto =
        Linhas(Ler(fs::path(USINA_DIRETORIO_TESTES) / "varredura_ponto.csv"));
    ASSERT_EQ(ponto.size(), 7u);
    for (std::size_t i = 3; i < 7; ++i) {
        std::string convertida = ponto[i];
        for (char& ch : convertida) ch = ch == ',' ? ';' : ch == '.' ? ',' : ch;
        EXPECT_EQ(convertida, virgula[i]);
    }
}

// Each row against the program's own single run of its inputs (--json,
// FIELD=TEXT with the row's numbers as printed), to the bit: a 2-D sweep
// with refused points, without the high-pressure turbine too.
TEST_F(UsinaCalc, CadaLinhaEhAExecucaoIsolada) {
    const std::vector<std::string> saidas = {"Epotele", "Eexbag", "Emcomb", "Ew12", "Ew14", "Et1c"};
    for (bool semTurbina : {false, true}) {
        SCOPED_TRACE(semTurbina);
        std::vector<std::string> base = {"--separator", ",", "Ecapusi=450"};
        if (semTurbina) base.push_back("--without-hp-turbine");
        std::vector<std::string> args = base;
        args.insert(args.end(), {"--sweep", "Eprecal=40:120:3", "--sweep", "Etscal=300:520:3",
                                 "--outputs", "Epotele,Eexbag,Emcomb,Ew12,Ew14,Et1c", "--jobs", "2"});
        const Resultado r = Executar(args);
        ASSERT_EQ(r.status, 0) << r.erros;
        const std::vector<std::string> linhas = Linhas(r.saida);
        ASSERT_EQ(linhas.size(), 10u);
        int recusados = 0;
        for (std::size_t i = 1; i < linhas.size(); ++i) {
            SCOPED_TRACE(linhas[i]);
            // A refusal's message holds the delimiter only in quotes, after the numbers.
            const std::vector<std::string> cel = Celulas(linhas[i], ';');
            std::vector<std::string> unica = base;
            unica.insert(unica.end(), {"--json", "Eprecal=" + cel[0], "Etscal=" + cel[1]});
            const Resultado isolada = Executar(unica);
            if (isolada.status != 0) {
                ++recusados;
                // Refused before anything was computed.
                EXPECT_TRUE(Json::parse(isolada.saida)["resultados"].empty());
                // The same message, quoted for CSV.
                const std::string mensagem = isolada.erros.substr(0, isolada.erros.size() - 1);
                EXPECT_TRUE(linhas[i].ends_with(";" + CampoCsv(mensagem, ';'))) << isolada.erros;
                for (std::size_t j = 0; j < saidas.size(); ++j) EXPECT_EQ(cel[2 + j], "");
                continue;
            }
            const Json j = Json::parse(isolada.saida);
            for (std::size_t k = 0; k < saidas.size(); ++k) {
                SCOPED_TRACE(saidas[k]);
                if (!j["resultados"].contains(saidas[k])) {
                    EXPECT_TRUE(semTurbina);
                    EXPECT_EQ(cel[2 + k], "");
                    continue;
                }
                const double esperado = j["resultados"][saidas[k]].get<double>();
                EXPECT_EQ(std::bit_cast<std::uint64_t>(LerNumero(cel[2 + k], ",")),
                          std::bit_cast<std::uint64_t>(esperado));
            }
        }
        // 300 degC is below saturation from 100 bar up (the 120 bar row).
        EXPECT_EQ(recusados, 1);
    }
}

// The table does not depend on the number of threads.
TEST_F(UsinaCalc, VarreduraIgualComUmaEDuasThreads) {
    const std::vector<std::string> args = {"--separator", ",",  "--sweep", "Eprecal=20:140:8",
                                           "--sweep",     "Etscal=250:540:6"};
    std::vector<std::string> uma = args, duas = args;
    uma.insert(uma.end(), {"--jobs", "1"});
    duas.insert(duas.end(), {"--jobs", "2"});
    const Resultado r1 = Executar(uma), r2 = Executar(duas);
    EXPECT_EQ(r1.status, 0);
    EXPECT_EQ(r2.status, 0);
    EXPECT_EQ(Linhas(r1.saida).size(), 1u + 8u * 6u);
    EXPECT_EQ(r1.saida, r2.saida);
    EXPECT_EQ(Linhas(r1.saida)[0], "Eprecal;Etscal;Epotele;Eexbag;Econbag;Emcomb;Ew12;Ew14;aviso;erro");
}

// The base case of a sweep is made as for a single run, and --save-case
// keeps it; the sweep then runs from it.
TEST_F(UsinaCalc, VarreduraApartirDeUmCaso) {
    CasoUsina caso;
    caso.entradas.CapacidadeUsina = 321.5;
    caso.entradas.comTurbinaAlta = false;
    std::ofstream(dir_ / "base.usina") << CasoParaJson(caso);
    const Resultado r = Executar({"--case", "base.usina", "Evap=500", "--save-case", "nova.usina",
                                  "--sweep", "Etscal=400:500:2", "--outputs", "Ew12,Eprodvap"});
    ASSERT_EQ(r.status, 0) << r.erros;
    // 321.5 t/h x 500 kg/t = 160.75 t/h of steam; no high-pressure turbine.
    EXPECT_EQ(r.saida, "Etscal,Ew12,Eprodvap,aviso,erro\r\n400,,160.75,,\r\n500,,160.75,,\r\n");
    const CasoLido salvo = LerCaso((dir_ / "nova.usina").string());
    EXPECT_EQ(salvo.caso.entradas.CapacidadeUsina, 321.5);
    EXPECT_EQ(salvo.caso.entradas.VaporPorTonelada, 500.0);
    EXPECT_FALSE(salvo.caso.entradas.comTurbinaAlta);
}

struct Saida {
    std::vector<std::string> args;
    int status;
    std::string erros;  // the start of standard error
};

// 0: the sweep ran (failed points are in the table); 1: it could not run,
// nothing on standard output and no case saved; 2: unusable command line.
const Saida Saidas[] = {
    {{"--sweep", "Eefibom=1e-300:100:2"}, 0, ""},
    {{"--sweep", "Eprecal=10:30:2", "--sweep", "Etscal=150:200:2"}, 0, ""},  // all refused
    {{"--sweep", "Foo=1:2:3"}, 1, "Campo de entrada desconhecido na varredura: 'Foo'.\n"},
    {{"--sweep", "Etscal=400:450:2", "--outputs", "Ew12,Epotele,Ew12"}, 1,
     "O campo de saída 'Ew12' aparece duas vezes na varredura.\n"},
    {{"--sweep", "Etscal=1:2:1"}, 1, "A varredura de 'Etscal' precisa de pelo menos 2 pontos, não 1.\n"},
    {{"--sweep", "Etscal=1:2:x"}, 1, "O número de pontos da varredura de 'Etscal' não é um número inteiro: 'x'.\n"},
    {{"--sweep", "Etscal=1:2:2.0"}, 1, "O número de pontos"},
    {{"--sweep", "Etscal=1,5:2:3"}, 1, "'1,5' is not a valid floating point value.\n"},
    {{"--sweep", "Etscal=:2:3"}, 1, "'' is not a valid floating point value.\n"},
    {{"--sweep", "Etscal=-1e308:1e308:3"}, 1, "A faixa da varredura de 'Etscal' dá valores"},
    {{"--sweep", "Etscal=1:2:99999999999"}, 1, "A varredura teria mais de 1000000 pontos.\n"},
    {{"--sweep", "Etscal=1:2:3", "--outputs", "Epotele,,Ew12"}, 1, "Campo de saída desconhecido na varredura: ''.\n"},
    {{"--sweep", "Etscal=1:2:3", "--without-hp-turbine", "--sweep", "Eefitap=50:90:2"}, 1, "O campo 'Eefitap' só"},
    {{"--sweep", "Etscal=1:2:3", "Eprevap=x"}, 1, "'x' is not a valid floating point value.\n"},
    {{"--sweep", "Etscal=1:2:3", "--case", "nao-existe.usina"}, 1, ""},
    {{"--sweep", "Etscal=1:2"}, 2, "usina-calc: option --sweep takes FIELD=START:END:N"},
    {{"--sweep", "Etscal=1:2:3", "--csv"}, 2, "usina-calc: option --csv cannot be used with --sweep"},
    {{"--sweep", "Etscal=1:2:3", "--jobs", "0"}, 2, "usina-calc: option --jobs takes"},
    {{"--jobs", "2"}, 2, "usina-calc: option --jobs needs --sweep"},
};

TEST_F(UsinaCalc, StatusDeSaidaDaVarredura) {
    for (const Saida& c : Saidas) {
        SCOPED_TRACE(c.args[1]);
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--save-case", "c.usina"});
        const Resultado r = Executar(args);
        EXPECT_EQ(r.status, c.status) << r.erros;
        EXPECT_EQ(r.erros.rfind(c.erros, 0), 0u) << r.erros;
        EXPECT_EQ(r.saida.empty(), c.status != 0);
        EXPECT_EQ(fs::exists(dir_ / "c.usina"), c.status == 0);
        fs::remove(dir_ / "c.usina");
    }
    // A text of the swept field that is not a number does not matter: the
    // sweep replaces it.
    EXPECT_EQ(Executar({"--sweep", "Etscal=400:450:2", "Etscal=x"}).status, 0);
}

}  // namespace
