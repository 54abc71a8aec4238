// The exports of a run: JSON of runs that did not finish (a finished one is
// compared with the calculation end to end, through usina-calc) and CSV read
// back by a small RFC 4180 reader, its numbers compared to the bit with the
// stream table.
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "io/ExportacaoComparacao.h"
#include "io/ExportacaoResultados.h"
#include "io/ExportacaoVarredura.h"
#include "plant/CalculoCampos.h"
#include "plant/CalculoUsina.h"
#include "plant/CamposMemoria.h"
#include "plant/ErrosPlanta.h"
#include "plant/Numeros.h"
#include "plant/TabelaCorrentes.h"
#include "plant/TabelaSafra.h"

namespace {

using Json = nlohmann::ordered_json;

bool MesmosBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// A run through the fields, as usina-calc makes it, and what it exports.
struct Execucao {
    CamposMemoria campos;
    ResultadoUsina resultado;
    std::vector<CampoEscrito> escritos;
    bool comTurbina;

    Execucao(const std::vector<std::pair<std::string, std::string>>& textos, bool comTurbinaAlta,
             const std::string& separador)
        : campos(separador), comTurbina(comTurbinaAlta) {
        for (const auto& [nome, texto] : textos) campos.DefinirEntrada(nome, texto);
        campos.DefinirCheckBox1(comTurbinaAlta);
        try {
            CalcularUsinaNosCampos(campos, resultado, separador);
        } catch (const ErroUsina&) {
        }
        for (const std::string& nome : campos.CamposEscritos()) escritos.emplace_back(nome, campos.Texto(nome));
    }

    Json Exportado(const std::string& separador) const {
        return Json::parse(ResultadosJson({{"Ecapusi", 400.0}}, comTurbina, resultado, escritos, separador));
    }
};

// A run that stopped: the outputs written so far, no stream table; a run
// refused: nothing but the inputs; the warnings with the user's separator.
TEST(ResultadosJson, ExecucoesIncompletasEAvisos) {
    Json j = Execucao({{"Eefitmp", "x"}}, true, ",").Exportado(",");
    EXPECT_EQ(j["estados"], Json::array());
    EXPECT_TRUE(j["resultados"].contains("Ew16"));    // pump-drive turbine, before the stop
    EXPECT_FALSE(j["resultados"].contains("Ew14"));   // medium-pressure turbine, not reached
    EXPECT_FALSE(j["campos"].contains("Eefitmp"));

    j = Execucao({{"Eefibom", "0"}}, true, ",").Exportado(",");
    EXPECT_EQ(j["resultados"], Json::object());
    EXPECT_EQ(j["campos"], Json::object());
    EXPECT_EQ(j["estados"], Json::array());

    const Execucao aviso({{"Emvalv", "95"}}, true, ".");
    ASSERT_EQ(aviso.resultado.avisos.size(), 1u);
    j = aviso.Exportado(".");
    EXPECT_EQ(j["avisos"], Json::array({TextoAviso(aviso.resultado.avisos[0], ".")}));
    EXPECT_NE(j["avisos"][0].get<std::string>().find('.'), std::string::npos);
}

// A separator that is not UTF-8 (any bytes are accepted on the command
// line) still gives valid JSON: the bad bytes become U+FFFD.
TEST(ResultadosJson, TextoQueNaoEUtf8) {
    const Execucao execucao({}, true, "\xFF");
    const std::string json = ResultadosJson({}, true, execucao.resultado, execucao.escritos, "\xFF");
    const Json j = Json::parse(json);
    EXPECT_EQ(j["campos"]["Ecapusi"], "    4\xEF\xBF\xBD" "0000E+002");
    EXPECT_EQ(j["entradas"], Json::object());
    EXPECT_EQ(json.back(), '\n');
    EXPECT_EQ(json.find('\n'), json.size() - 1);  // one line
}

// ---------------------------------------------------------------------------
// CSV
// ---------------------------------------------------------------------------

// An RFC 4180 reader of one whole file: rows of cells, CR LF line ends.
std::vector<std::vector<std::string>> LerCsv(const std::string& csv, char delimitador) {
    std::vector<std::vector<std::string>> linhas(1);
    std::string celula;
    bool aspas = false;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        const char c = csv[i];
        if (aspas) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') celula += '"', ++i;
            else if (c == '"') aspas = false;
            else celula += c;
        } else if (c == '"' && celula.empty()) {
            aspas = true;
        } else if (c == delimitador) {
            linhas.back().push_back(celula);
            celula.clear();
        } else if (c == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n') {
            linhas.back().push_back(celula);
            celula.clear();
            linhas.emplace_back();
            ++i;
        } else {
            EXPECT_NE(c, '"') << "quote inside an unquoted cell";
            EXPECT_NE(c, '\n') << "bare line feed";
            celula += c;
        }
    }
    EXPECT_TRUE(celula.empty() && linhas.back().empty()) << "no CR LF at the end";
    linhas.pop_back();
    return linhas;
}

TEST(Csv, Aspas) {
    const struct {
        const char* texto;
        char delimitador;
        const char* campo;
    } casos[] = {
        {"Vapor vivo", ';', "Vapor vivo"},
        {"", ';', ""},
        {"a;b", ';', "\"a;b\""},
        {"a,b", ';', "a,b"},
        {"a,b", ',', "\"a,b\""},
        {"a;b", ',', "a;b"},
        {"diz \"sim\"", ',', "\"diz \"\"sim\"\"\""},
        {"l1\nl2", ',', "\"l1\nl2\""},
        {"l1\rl2", ';', "\"l1\rl2\""},
        {"Água de alimentação", ',', "Água de alimentação"},
    };
    for (const auto& c : casos) EXPECT_EQ(CampoCsv(c.texto, c.delimitador), c.campo) << c.texto;

    // A description holding both delimiters, quotes and a line end reads
    // back whole from a row.
    for (char delimitador : {',', ';'}) {
        const std::vector<std::string> celulas = {"1", "Vapor; \"vivo\", alto\r\nlinha 2", "", "2,5"};
        EXPECT_EQ(LerCsv(LinhaCsv(celulas, delimitador), delimitador),
                  std::vector<std::vector<std::string>>{celulas});
    }
}

ResultadoUsina Padrao(bool comTurbina) {
    EntradasUsina e;
    e.comTurbinaAlta = comTurbina;
    ResultadoUsina r;
    CalcularUsina(e, r);
    return r;
}

// Both locales' forms, read back cell by cell: the numbers are the stream
// table's to the bit.
TEST(Csv, TabelaDeCorrentesLidaDeVolta) {
    const struct {
        std::string separador;  // the user's decimal separator
        char delimitador;
        std::string decimal;
    } formas[] = {{",", ';', ","}, {".", ',', "."}, {"\xD9\xAB", ',', "."}};
    for (bool comTurbina : {true, false}) {
        const ResultadoUsina r = Padrao(comTurbina);
        const std::vector<LinhaCorrente> linhas = TabelaCorrentes(r);
        for (const auto& f : formas) {
            SCOPED_TRACE(f.separador);
            const auto csv = LerCsv(CorrentesCsv(r, f.separador), f.delimitador);
            ASSERT_EQ(csv.size(), linhas.size() + 1);
            EXPECT_EQ(csv[0], (std::vector<std::string>{
                                  "Rótulo", "Descrição", "Vazão [kg/s]", "Pressão [bar]",
                                  "Temperatura [°C]", "Volume específico [m³/kg]",
                                  "Entalpia [kJ/kg]", "Entropia [kJ/(kg K)]", "Exergia [kJ/kg]",
                                  "Título"}));
            for (std::size_t i = 0; i < linhas.size(); ++i) {
                const LinhaCorrente& l = linhas[i];
                const std::vector<std::string>& c = csv[i + 1];
                ASSERT_EQ(c.size(), 10u);
                EXPECT_EQ(c[0], std::to_string(l.rotulo));
                EXPECT_EQ(c[1], l.descricao);
                const double esperado[] = {l.vazao, l.pressao, l.temperatura, l.volume,
                                           l.entalpia, l.entropia, l.exergia, l.titulo};
                for (std::size_t k = 0; k < 8; ++k)
                    EXPECT_TRUE(MesmosBits(LerNumero(c[k + 2], f.decimal), esperado[k]))
                        << l.rotulo << " " << c[k + 2];
            }
        }
    }
    const std::string csv = CorrentesCsv(Padrao(true), ",");
    EXPECT_EQ(csv.substr(csv.find("\r\n") + 2, 36), "1;Vapor vivo;53,33333333333333;79,99");
}

TEST(Csv, ResultadosGlobais) {
    const ResultadoUsina r = Padrao(true);
    const std::string correntes = CorrentesCsv(r, ".");
    const std::string csv = ResultadosCsv(r, ".");
    ASSERT_EQ(csv.substr(0, correntes.size()), correntes);
    // The season's table closes the file, after an empty line.
    const std::string safra = "\r\n" + SafraCsv(r, ".");
    ASSERT_TRUE(csv.ends_with(safra));
    const auto globais =
        LerCsv(csv.substr(correntes.size() + 2, csv.size() - safra.size() - correntes.size() - 2), ',');
    ASSERT_EQ(globais.size(), 11u);
    EXPECT_EQ(globais[0], (std::vector<std::string>{"Resultado global", "Valor", "Unidade"}));
    const double esperado[] = {r.globais.ProducaoVapor, r.globais.BagacoDisponivel,
                               r.globais.ConsumoBagaco, r.globais.ExcedenteBagaco,
                               r.globais.PotenciaEletrica, r.globais.PotenciaMoagem,
                               r.globais.PotenciaBombeamento, r.globais.VariacaoEntalpiaProcesso,
                               r.globais.IrreversibilidadeProcesso,
                               r.globais.IrreversibilidadeValvula};
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_TRUE(MesmosBits(LerNumero(globais[i + 1][1], "."), esperado[i])) << globais[i + 1][0];
    EXPECT_EQ(globais[1], (std::vector<std::string>{"Quantidade de vapor", "192", "t/h"}));
    EXPECT_EQ(globais[10][2], "kW");
    // The package is named when it is not the 1969 equation.
    EntradasUsina e;
    e.propriedades = Formulacao::If97;
    ResultadoUsina if97;
    CalcularUsina(e, if97);
    const std::string comPacote = ResultadosCsv(if97, ".");
    EXPECT_EQ(csv.find("Propriedades da água"), std::string::npos);
    EXPECT_NE(comPacote.find("\r\nPropriedades da água,if97,\r\n"), std::string::npos);

    // The season's figures to the bit, each with its caption and unit.
    const auto linhasSafra = LerCsv(safra.substr(2), ',');
    ASSERT_EQ(linhasSafra.size(), 1 + CamposSaidaSafra().size());
    EXPECT_EQ(linhasSafra[0], (std::vector<std::string>{"Resultado da safra", "Valor", "Unidade"}));
    for (std::size_t i = 0; i < CamposSaidaSafra().size(); ++i) {
        const CampoSaidaSafra& c = CamposSaidaSafra()[i];
        EXPECT_EQ(linhasSafra[i + 1][0], c.legenda);
        EXPECT_TRUE(MesmosBits(LerNumero(linhasSafra[i + 1][1], "."), (*r.safra).*c.membro)) << c.nome;
        EXPECT_EQ(linhasSafra[i + 1][2], c.unidade);
    }
    EXPECT_EQ(linhasSafra.back()[0], "Receita total da safra");
}

// Nothing is exported from a run that did not finish.
TEST(Csv, SoDeExecucaoCompleta) {
    EXPECT_THROW(CorrentesCsv(ResultadoUsina{}, ","), ErroResultadoIncompleto);
    const Execucao parou({{"Eefitmp", "x"}}, true, ",");
    EXPECT_THROW(CorrentesCsv(parou.resultado, ","), ErroResultadoIncompleto);
    EXPECT_THROW(ResultadosCsv(parou.resultado, "."), ErroResultadoIncompleto);
}

// A sweep's CSV: a decimal comma with semicolons only for the comma, a
// decimal point with commas for any other separator; no row for a point a
// cancellation left out.
TEST(Csv, VarreduraPorSeparadorESemPontosNaoCalculados) {
    PedidoVarredura pedido;
    pedido.eixos = {{"Etscal", 400.5, 401.5, 3}};
    pedido.saidas = {"Epotele"};
    ResultadoVarredura r;
    r.pontos.resize(3);
    for (std::size_t i = 0; i < 3; ++i) {
        r.pontos[i].valores = {400.5 + static_cast<double>(i) * 0.5};
        r.pontos[i].saidas = {1234.25};
        r.pontos[i].calculado = i != 1;
    }
    r.cancelada = true;
    const struct {
        const char* separador;
        const char* csv;
    } casos[] = {
        {",", "Etscal;Epotele;aviso;erro\r\n400,5;1234,25;;\r\n401,5;1234,25;;\r\n"},
        {".", "Etscal,Epotele,aviso,erro\r\n400.5,1234.25,,\r\n401.5,1234.25,,\r\n"},
        {"·", "Etscal,Epotele,aviso,erro\r\n400.5,1234.25,,\r\n401.5,1234.25,,\r\n"},
    };
    for (const auto& c : casos) EXPECT_EQ(VarreduraCsv(pedido, r, c.separador), c.csv) << c.separador;
}

// The comparison's CSV: the season's figures after the indicators, then the
// payback under each case whose investment differs, a number of seasons or
// "não se paga"; no payback row when every case invests the same.
TEST(Csv, ComparacaoComSafraERetorno) {
    EntradasUsina caro;  // the same plant for 1 M R$: earns nothing more
    caro.safra.Investimento = 1e6;
    EntradasUsina melhor;  // a better medium-pressure turbine for 4 M R$
    melhor.EficienciaTurbinaMedia = 85.0;
    melhor.safra.Investimento = 4e6;
    const ComparacaoCasos c =
        CompararCasos({"Atual", EntradasUsina{}}, {{"Caro", caro}, {"Melhor", melhor}});
    ASSERT_TRUE(c.retornos[2].safras.has_value());
    const auto linhas = LerCsv(ComparacaoCsv(c, "."), ',');
    ASSERT_GE(linhas.size(), 2 + c.entradas.size() + c.globais.size() + 14);
    EXPECT_EQ(linhas.back(),
              (std::vector<std::string>{"Safra", "Retorno simples do investimento", "safras", "",
                                        "não se paga", "", "", TextoExato(*c.retornos[2].safras, "."),
                                        "", ""}));
    // The season's rows between the indicators and the payback.
    const auto& receita = linhas[linhas.size() - 2];
    EXPECT_EQ(linhas[linhas.size() - 2 - CamposSaidaSafra().size()][0], "Indicadores");
    EXPECT_EQ(std::vector<std::string>(receita.begin(), receita.begin() + 3),
              (std::vector<std::string>{"Safra", "Receita total da safra", "R$"}));
    EXPECT_TRUE(MesmosBits(LerNumero(receita[8], "."), *c.safra.back().valores[2].diferenca));

    const auto semRetorno = LerCsv(ComparacaoCsv(CompararCasos({"A", EntradasUsina{}}, {{"B", EntradasUsina{}}}), "."), ',');
    EXPECT_EQ(semRetorno.back()[1], CamposSaidaSafra().back().legenda);
}

}  // namespace
