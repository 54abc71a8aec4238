// usina-calc --sensitivity, --goal and --optimize end to end: the program's
// CSV is the core's answer to the same request, byte for byte, in both
// locales; the JSON has the keys it promises; the base case comes from
// --case, FIELD=TEXT, --without-hp-turbine and --propriedades; --jobs
// changes nothing; the exit statuses.
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "ProgramaUsinaCalc.h"
#include "io/CasoUsina.h"
#include "io/ExportacaoAnalise.h"
#include "plant/Numeros.h"

namespace {

using Json = nlohmann::ordered_json;

std::set<std::string> Chaves(const Json& j) {
    std::set<std::string> chaves;
    for (const auto& [chave, valor] : j.items()) chaves.insert(chave);
    return chaves;
}

TEST_F(UsinaCalc, SensibilidadeComoONucleo) {
    PedidoSensibilidade pedido;
    pedido.saida = "energia_exportada_MWh";
    pedido.passo = 0.05;
    pedido.base.comTurbinaAlta = false;
    pedido.base.CapacidadeUsina = 450.0;
    for (const char* separador : {",", "."}) {
        SCOPED_TRACE(separador);
        pedido.separador = separador;  // of the refusals' messages
        const ResultadoSensibilidade nucleo = ExecutarSensibilidade(pedido);
        const Resultado r = Executar({"--sensitivity", "energia_exportada_MWh", "--step",
                                      std::string("5") + separador + "0", "--without-hp-turbine",
                                      "Ecapusi=450", "--separator", separador});
        EXPECT_EQ(r.status, 0) << r.erros;
        EXPECT_EQ(r.saida, SensibilidadeCsv(nucleo, separador));
        // The columns in their places: the largest swing's row as the core has it.
        const LinhaSensibilidade& l = nucleo.linhas[0];
        const std::string d = std::string(separador) == "," ? ";" : ",";
        EXPECT_TRUE(r.saida.starts_with("campo" + d + "baixo" + d + "base" + d + "alto" + d +
                                        "variacao" + d + "motivo\r\n" + l.campo + d +
                                        TextoExato(*l.baixo, separador) + d +
                                        TextoExato(nucleo.base, separador) + d +
                                        TextoExato(*l.alto, separador) + d +
                                        TextoExato(l.variacao, separador) + d + "\r\n"))
            << r.saida;
    }
    const Resultado j = Executar({"--sensitivity", "Epotele", "--json", "--jobs", "1"});
    ASSERT_EQ(j.status, 0) << j.erros;
    PedidoSensibilidade padrao;
    padrao.saida = "Epotele";
    padrao.separador = ".";  // the C locale's, as the program runs here
    const ResultadoSensibilidade nucleo = ExecutarSensibilidade(padrao);
    const Json linhas = Json::parse(j.saida)["sensibilidade"];
    ASSERT_EQ(linhas.size(), nucleo.linhas.size());
    const std::set<std::string> movida = {"campo", "baixo", "base", "alto", "variacao"};
    const std::set<std::string> parada = {"campo", "motivo"};
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        const Json& l = linhas[i];
        const LinhaSensibilidade& n = nucleo.linhas[i];
        EXPECT_EQ(l["campo"], n.campo);
        if (n.motivo != MotivoSemSensibilidade::Nenhum) {
            EXPECT_EQ(Chaves(l), parada) << l.dump();
            EXPECT_EQ(l["motivo"], n.mensagem);
            continue;
        }
        EXPECT_EQ(Chaves(l), movida) << l.dump();
        EXPECT_EQ(l["baixo"].get<double>(), *n.baixo);
        EXPECT_EQ(l["base"].get<double>(), nucleo.base);
        EXPECT_EQ(l["alto"].get<double>(), *n.alto);
        EXPECT_EQ(l["variacao"].get<double>(), n.variacao);
    }
}

TEST_F(UsinaCalc, MetaComoONucleo) {
    // From a case: without the turbine, 420 t cane/h.
    CasoUsina caso;
    caso.entradas.CapacidadeUsina = 420.0;
    caso.entradas.comTurbinaAlta = false;
    std::ofstream(dir_ / "base.usina") << CasoParaJson(caso);
    PedidoMeta pedido;
    pedido.base = caso.entradas;
    pedido.faixa = {"Evap", 400.0, 700.0};
    pedido.saida = "bagaco_excedente_t";
    pedido.alvo = -500.0;
    const ResultadoMeta nucleo = ExecutarMeta(pedido);
    ASSERT_EQ(nucleo.situacao, SituacaoMeta::Atingida);
    const Resultado r = Executar({"--case", "base.usina", "--goal", "bagaco_excedente_t=-500",
                                  "--vary", "Evap=400:700", "--separator", ","});
    EXPECT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(r.saida, MetaCsv(pedido, nucleo, ","));
    EXPECT_EQ(r.saida, "campo;valor;saida;situacao\r\nEvap;" + TextoExato(*nucleo.valor, ",") + ";" +
                           TextoExato(*nucleo.saida, ",") + ";atingida\r\n");

    // Out of the range: said, not an error.
    const Resultado s = Executar({"--goal", "Epotele=1e6", "--vary", "Evap=400:500", "--json"});
    EXPECT_EQ(s.status, 0);
    EXPECT_EQ(s.saida, "{\"meta\":{\"campo\":\"Evap\",\"valor\":null,\"saida\":null,"
                       "\"situacao\":\"sem solução na faixa\"}}\n");
}

TEST_F(UsinaCalc, OtimizacaoComoONucleo) {
    PedidoOtimizacao pedido;
    pedido.base.VaporPorTonelada = 500.0;
    pedido.base.propriedades = Formulacao::If97;
    pedido.objetivo = "energia_exportada_MWh";
    pedido.faixas = {{"Eprecal", 30.0, 120.0}, {"Etscal", 350.0, 540.0}};
    pedido.restricoes = {{"Eexbag", OperadorRestricao::MaiorOuIgual, 12.0}};
    const ResultadoOtimizacao nucleo = ExecutarOtimizacao(pedido);
    const std::vector<std::string> args = {"--optimize", "energia_exportada_MWh:max", "--vary",
                                           "Eprecal=30:120", "--vary", "Etscal=350:540",
                                           "--constraint", "Eexbag>=12", "Evap=500",
                                           "--propriedades", "if97"};
    std::string anterior;
    for (const char* tarefas : {"1", "2"}) {
        std::vector<std::string> a = args;
        a.insert(a.end(), {"--jobs", tarefas});
        const Resultado r = Executar(a);
        EXPECT_EQ(r.status, 0) << r.erros;
        EXPECT_EQ(r.saida, OtimizacaoCsv(pedido, nucleo, "."));
        EXPECT_TRUE(anterior.empty() || anterior == r.saida);
        anterior = r.saida;
    }
    std::vector<std::string> a = args;
    a.push_back("--json");
    const Resultado j = Executar(a);
    ASSERT_EQ(j.status, 0);
    const Json o = Json::parse(j.saida)["otimizacao"];
    EXPECT_EQ(Chaves(o), (std::set<std::string>{"entradas", "objetivo", "restricoes", "avaliacoes", "situacao"}));
    EXPECT_EQ(Chaves(o["entradas"]), (std::set<std::string>{"Eprecal", "Etscal"}));
    EXPECT_EQ(o["entradas"]["Eprecal"].get<double>(), nucleo.valores[0]);
    EXPECT_EQ(o["entradas"]["Etscal"].get<double>(), nucleo.valores[1]);
    EXPECT_EQ(o["restricoes"][0]["valor"].get<double>(), *nucleo.restricoes[0].valor);
    EXPECT_EQ(o["restricoes"][0]["limite"].get<double>(), 12.0);
    EXPECT_EQ(o["avaliacoes"].get<std::size_t>(), nucleo.avaliacoes);
    EXPECT_EQ(o["objetivo"].get<double>(), *nucleo.objetivo);
    EXPECT_EQ(Chaves(o["restricoes"][0]), (std::set<std::string>{"saida", "operador", "limite", "valor", "ativa"}));
    EXPECT_TRUE(o["restricoes"][0]["ativa"].get<bool>());
    EXPECT_EQ(o["situacao"], "ótimo");

    // Infeasible: exit 0, said in the answer.
    const Resultado i = Executar({"--optimize", "Epotele", "--vary", "Etscal=350:540",
                                  "--constraint", "Eexbag>=60", "--separator", ","});
    EXPECT_EQ(i.status, 0);
    EXPECT_TRUE(i.saida.ends_with("situacao;;;;inviável;\r\n")) << i.saida;
}

// 1: the analysis could not run, nothing on standard output; 2: unusable
// command line.
TEST_F(UsinaCalc, AnaliseSaidas) {
    const struct {
        std::vector<std::string> args;
        int status;
        const char* erros;
    } casos[] = {
        {{"--sensitivity", "Foo"}, 1, "Campo de saída desconhecido: 'Foo'.\n"},
        {{"--sensitivity", "Epotele", "Eefical=150"}, 1, "Valor impossível em"},
        {{"--sensitivity", "Epotele", "--step", "x"}, 1, "'x' is not a valid floating point value.\n"},
        {{"--goal", "Epotele=1", "--vary", "Foo=1:2"}, 1, "Campo de entrada desconhecido: 'Foo'.\n"},
        {{"--goal", "Epotele=1", "--vary", "Evap=500:400"}, 1, "A faixa de 'Evap' precisa"},
        {{"--optimize", "Ew12", "--vary", "Evap=400:500", "--without-hp-turbine"}, 1,
         "O campo de saída 'Ew12' fica em branco sem a turbina de alta pressão.\n"},
        {{"--optimize", "Epotele", "--vary", "Eprecal=100:200"}, 1, "A faixa de 'Eprecal' passa do limite de 190 bar"},
        {{"--optimize", "Epotele", "--vary", "Evap=1:2", "--step", "3"}, 2, "usina-calc: option --step needs --sensitivity"},
        {{"--goal", "Epotele", "--vary", "Evap=1:2"}, 2, "usina-calc: option --goal takes OUTPUT=VALUE"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.erros);
        const Resultado r = Executar(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.saida, "");
        EXPECT_EQ(r.erros.rfind(c.erros, 0), 0u) << r.erros;
    }
}

TEST_F(UsinaCalc, VarreduraDaConfiguracao) {
    const Resultado r = Executar({"--sweep", "Etscal=400:500:2", "--sweep", "com_turbina_alta",
                                  "--outputs", "Ew12"});
    ASSERT_EQ(r.status, 0) << r.erros;
    EXPECT_TRUE(r.saida.starts_with("Etscal,com_turbina_alta,Ew12,aviso,erro\r\n400,1,1"));
    EXPECT_NE(r.saida.find("\r\n400,0,,,\r\n"), std::string::npos);
    EXPECT_TRUE(r.saida.ends_with("\r\n500,0,,,\r\n"));
}

}  // namespace
