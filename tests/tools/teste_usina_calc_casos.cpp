// usina-calc end to end with case files, JSON and CSV: a saved case makes
// the very run that saved it, refused files stop everything, and the
// machine-readable outputs hold the calculation's numbers to the bit.
#include <bit>
#include <sys/stat.h>
#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "ProgramaUsinaCalc.h"
#include "UsinasSorteadas.h"
#include "io/CasoUsina.h"
#include "plant/CalculoUsina.h"
#include "plant/Numeros.h"
#include "plant/SafraUsina.h"
#include "plant/TabelaCorrentes.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSafra.h"
#include "plant/TabelaSaidas.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

bool MesmosBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// A number as an engineer might type it: three decimals, five significant
// digits in scientific form, or every digit; with the given separator.
std::string Digitado(double valor, int forma, const std::string& separador) {
    char buf[400];
    const auto r = forma == 0   ? std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::fixed, 3)
                   : forma == 1 ? std::to_chars(buf, buf + sizeof buf, valor,
                                                std::chars_format::scientific, 4)
                                : std::to_chars(buf, buf + sizeof buf, valor);
    std::string texto;
    for (const char* c = buf; c != r.ptr; ++c) texto += *c == '.' ? separador : std::string(1, *c);
    return texto;
}

// The FIELD=TEXT arguments of a plant (any form for the turbine's fields
// without the turbine, whose values may be huge), and its configuration.
std::vector<std::string> Argumentos(const EntradasUsina& e, int indice, const std::string& separador) {
    std::vector<std::string> args = {"--separator", separador};
    if (!e.comTurbinaAlta) args.push_back("--without-hp-turbine");
    int forma = indice;
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        const bool livre = c.soComTurbinaAlta && !e.comTurbinaAlta;
        args.push_back(std::string(c.nome) + "=" + Digitado(e.*c.membro, livre ? 2 : forma++ % 3, separador));
    }
    return args;
}

// Saving a case and running from it prints byte for byte what the saving
// run printed, in every output form, for plants of every kind in both
// configurations (above the 190 bar and 1300 degC reading limits too).
TEST_F(UsinaCalc, CasoSalvoRefazAMesmaExecucao) {
    int i = 0;
    for (const EntradasUsina& e : UsinasSorteadas(60, 11)) {
        const std::string separador = i % 2 == 0 ? "," : ".";
        const std::vector<std::string> forma = i % 4 < 2 ? std::vector<std::string>{}
                                               : i % 4 == 2 ? std::vector<std::string>{"--json"}
                                                            : std::vector<std::string>{"--csv"};
        std::vector<std::string> args = Argumentos(e, i, separador);
        args.insert(args.end(), forma.begin(), forma.end());
        SCOPED_TRACE(i);
        ++i;

        std::vector<std::string> salvando = args;
        salvando.insert(salvando.end(), {"--save-case", "caso.usina"});
        const Resultado original = Executar(salvando);
        ASSERT_EQ(original.status, 0) << original.erros;
        ASSERT_FALSE(original.saida.empty());

        std::vector<std::string> doCaso = {"--separator", separador, "--case", "caso.usina"};
        doCaso.insert(doCaso.end(), forma.begin(), forma.end());
        const Resultado refeito = Executar(doCaso);
        EXPECT_EQ(refeito.status, 0);
        EXPECT_EQ(refeito.erros, original.erros);
        ASSERT_EQ(refeito.saida, original.saida);

        // Arguments after --case change it as they would change the defaults.
        std::vector<std::string> mudado = doCaso;
        mudado.insert(mudado.end(), {"--without-hp-turbine", "Ecapusi=333"});
        std::vector<std::string> direto = args;
        direto.insert(direto.end(), {"--without-hp-turbine", "Ecapusi=333"});
        EXPECT_EQ(Executar(mudado).saida, Executar(direto).saida);
    }
}

// The description of a case read survives a save from it; the saved file is
// the reader's exact form.
TEST_F(UsinaCalc, SalvarDeUmCasoGuardaADescricao) {
    CasoUsina caso;
    caso.entradas.CapacidadeUsina = 0.1 + 0.2;
    caso.descricao = "Usina \"A\"\nsafra 2026";
    GravarCaso((dir_ / "a.usina").string(), caso);
    const Resultado r = Executar({"--case", "a.usina", "--save-case", "b.usina", "Evap=490"});
    ASSERT_EQ(r.status, 0) << r.erros;
    caso.entradas.VaporPorTonelada = 490;
    EXPECT_EQ(Ler(dir_ / "b.usina"), CasoParaJson(caso));
}

struct CasoRuim {
    const char* arquivo;
    std::string conteudo;  // "" with criar false: no such file
    bool criar;
    std::string erro;      // all of standard error
};

// A case file that cannot be read or is refused: its message on standard
// error, status 1, nothing computed, nothing on standard output, in every
// output form, and no report nor saved case.
TEST_F(UsinaCalc, CasoRecusadoNaoCalculaNada) {
    std::string frio = CasoParaJson(CasoUsina{});
    frio.replace(frio.find("450.0"), 5, "250.0");
    const CasoRuim casos[] = {
        {"falta.usina", "", false,
         "Não foi possível ler o arquivo \"falta.usina\": o arquivo não existe.\n"},
        {"pasta", "", true, "Não foi possível ler o arquivo \"pasta\": é uma pasta, não um arquivo.\n"},
        {"metade.usina", CasoParaJson(CasoUsina{}).substr(0, 100), true,
         "O arquivo \"metade.usina\" não é um caso válido: o texto acaba (linha 6, coluna 10) "
         "antes de o JSON se completar: o arquivo parece truncado.\n"},
        {"frio.usina", frio, true,
         "O arquivo \"frio.usina\" não é um caso válido: Valor impossível em \"Temperatura de saída "
         "da caldeira [°C]\": 250. Deve ser maior que a temperatura de saturação à pressão da "
         "caldeira, 295.07 °C: o vapor vivo sai superaquecido.\n"},
    };
    fs::create_directory(dir_ / "pasta");
    for (const CasoRuim& c : casos) {
        SCOPED_TRACE(c.arquivo);
        if (c.criar && !fs::exists(dir_ / c.arquivo)) std::ofstream(dir_ / c.arquivo) << c.conteudo;
        for (const char* forma : {"--report", "--json", "--csv"}) {
            std::vector<std::string> args = {"--separator", ".", "--case", c.arquivo, "--save-case",
                                             "novo.usina", forma};
            if (std::string(forma) == "--report") args.push_back("r");
            const Resultado r = Executar(args);
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.saida, "");
            EXPECT_EQ(r.erros, c.erro);
        }
        EXPECT_FALSE(fs::exists(dir_ / "novo.usina"));
        EXPECT_FALSE(fs::exists(dir_ / "r.txt"));
    }
}

// A case is saved only from inputs a reload would accept: all 18 texts
// numbers (also the turbine's without it: the case keeps them) and inputs
// the checks accept. Otherwise nothing is written and nothing computed.
TEST_F(UsinaCalc, CasoNaoSalvo) {
    std::ofstream(dir_ / "antigo.usina") << "anterior";
    const struct {
        std::vector<std::string> args;
        std::string erro;
    } casos[] = {
        {{"--without-hp-turbine", "Eefitap=x"},
         "O caso não pode ser gravado: o texto de \"Eficiência da turbina de alta pressão [%]\" "
         "não é um número: \"x\"\n"},
        {{"Eefibom=0"},
         "O caso não foi gravado em \"antigo.usina\": Valor impossível em \"Eficiência isentrópica "
         "da bomba de condensado [%]\": 0. Deve ser maior que 0 e no máximo 100 %.\n"},
    };
    for (const auto& c : casos) {
        std::vector<std::string> args = {"--save-case", "antigo.usina"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Resultado r = Executar(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.saida, "");
        EXPECT_EQ(r.erros, c.erro);
        EXPECT_EQ(Ler(dir_ / "antigo.usina"), "anterior");
    }
    const Resultado r = Executar({"--save-case", "nao/existe.usina"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.saida, "");
    EXPECT_EQ(r.erros, "Não foi possível gravar o arquivo \"nao/existe.usina\": a pasta não existe.\n");
}

// Unknown keys are warned about on standard error; the run goes on.
TEST_F(UsinaCalc, ChaveDesconhecidaAvisada) {
    std::string json = CasoParaJson(CasoUsina{});
    json.insert(1, "\"autor\": \"eu\",");
    std::ofstream(dir_ / "c.usina") << json;
    const Resultado r = Executar({"--case", "c.usina"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.erros, "O arquivo \"c.usina\" tem a chave desconhecida \"autor\", ignorada.\n");
    EXPECT_EQ(r.saida, Executar({}).saida);
}

// --json against a typed run of the same inputs, to the last bit: outputs,
// stream states, inputs as typed (before the reading limits), warnings.
TEST_F(UsinaCalc, JsonIgualAoCalculo) {
    for (bool comTurbina : {true, false}) {
        SCOPED_TRACE(comTurbina);
        std::vector<std::string> args = {"--json", "--separator", ",", "Eprecal=250",
                                         "Emvalv=85,5", "Ecapusi=4,125E2"};
        if (!comTurbina) args.push_back("--without-hp-turbine");
        const Resultado r = Executar(args);
        ASSERT_EQ(r.status, 0) << r.erros;
        const Json j = Json::parse(r.saida);

        EntradasUsina e;
        e.PressaoCaldeira = 250;
        e.PercentualValvula = 85.5;
        e.CapacidadeUsina = 412.5;
        e.comTurbinaAlta = comTurbina;
        ResultadoUsina calculado;
        CalcularUsina(e, calculado);

        std::vector<std::string> chaves;
        for (const auto& [chave, valor] : j.items()) chaves.push_back(chave);
        EXPECT_EQ(chaves, (std::vector<std::string>{"entradas", "com_turbina_alta", "propriedades",
                                                    "resultados", "nao_fisicos", "estados",
                                                    "balancos", "safra", "avisos", "campos"}));
        EXPECT_EQ(j["propriedades"], "kkhm");
        EXPECT_EQ(j["com_turbina_alta"], comTurbina);
        // The season's seven inputs after the plant's, at their defaults.
        ASSERT_EQ(j["entradas"].size(), comTurbina ? 25u : 23u);
        for (const CampoEntradaSafra& c : CamposEntradaSafra())
            EXPECT_TRUE(MesmosBits(j["entradas"][c.nome].get<double>(), e.safra.*c.membro)) << c.nome;
        ASSERT_TRUE(calculado.safra.has_value());
        ASSERT_EQ(j["safra"].size(), CamposSaidaSafra().size());
        for (const CampoSaidaSafra& c : CamposSaidaSafra())
            EXPECT_TRUE(MesmosBits(j["safra"][c.nome].get<double>(), (*calculado.safra).*c.membro))
                << c.nome;
        for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
            if (c.soComTurbinaAlta && !comTurbina) {
                EXPECT_FALSE(j["entradas"].contains(c.nome));
                continue;
            }
            EXPECT_TRUE(MesmosBits(j["entradas"][c.nome].get<double>(), e.*c.membro)) << c.nome;
        }
        std::size_t saidas = 0;
        for (const CampoSaida& c : CamposSaida()) {
            if (!comTurbina && c.etapa == EtapaCalculo::TurbinaAlta) continue;
            ++saidas;
            // The medium-pressure turbine short of steam is no machine: its
            // power and efficiencies are null and named, never 100 %.
            if (SaidaNaoFisica(c, calculado)) {
                EXPECT_TRUE(j["resultados"][c.nome].is_null()) << c.nome;
                continue;
            }
            EXPECT_TRUE(MesmosBits(j["resultados"][c.nome].get<double>(), ValorExibido(c, calculado)))
                << c.nome;
        }
        EXPECT_EQ(j["resultados"].size(), saidas);
        EXPECT_EQ(j["nao_fisicos"], Json::array({"Ew14", "Eirr14", "Ee2l14"}));
        EXPECT_TRUE(MesmosBits(j["balancos"]["energia_usina_kW"].get<double>(),
                               calculado.balancos.energiaUsina));
        EXPECT_TRUE(MesmosBits(j["balancos"]["massa_coletor_kg_s"].get<double>(),
                               calculado.balancos.massaColetor));
        const std::vector<LinhaCorrente> linhas = TabelaCorrentes(calculado);
        ASSERT_EQ(j["estados"].size(), linhas.size());
        for (std::size_t i = 0; i < linhas.size(); ++i) {
            const Json& s = j["estados"][i];
            const LinhaCorrente& l = linhas[i];
            ASSERT_EQ(s.size(), 9u);  // exactly these keys
            EXPECT_EQ(s["rotulo"], l.rotulo);
            EXPECT_TRUE(MesmosBits(s["vazao_kg_s"].get<double>(), l.vazao));
            EXPECT_TRUE(MesmosBits(s["p_bar"].get<double>(), l.pressao));
            EXPECT_TRUE(MesmosBits(s["t_C"].get<double>(), l.temperatura));
            EXPECT_TRUE(MesmosBits(s["v_m3_kg"].get<double>(), l.volume));
            EXPECT_TRUE(MesmosBits(s["h_kJ_kg"].get<double>(), l.entalpia));
            EXPECT_TRUE(MesmosBits(s["s_kJ_kgK"].get<double>(), l.entropia));
            EXPECT_TRUE(MesmosBits(s["ex_kJ_kg"].get<double>(), l.exergia));
            EXPECT_TRUE(MesmosBits(s["titulo"].get<double>(), l.titulo));
        }
        // 250 bar is read as 190, from which the high-pressure turbine
        // exhausts wet steam, and 85.5 % of the steam through the valve
        // leaves the turbines short; without the high-pressure turbine the
        // generators then make less than the mill's own load, and that
        // season's warning comes after the run's, on standard error too.
        std::vector<TipoAviso> tipos;
        Json textos = Json::array();
        std::string erros;
        for (const AvisoUsina& a : AvisosComSafra(calculado)) {
            tipos.push_back(a.tipo);
            textos.push_back(TextoAviso(a, ","));
            erros += TextoAviso(a, ",") + "\n";
        }
        using T = TipoAviso;
        const std::vector<T> esperados =
            comTurbina ? std::vector<T>{T::PressaoLimitada, T::ColetorUmido, T::VaporInsuficiente}
                       : std::vector<T>{T::PressaoLimitada, T::VaporInsuficiente,
                                        T::ImportaEnergia};
        EXPECT_EQ(tipos, esperados);
        EXPECT_EQ(j["avisos"], textos);
        EXPECT_EQ(r.erros, erros);
    }
}

// --csv: semicolons and decimal commas with ',' as the separator, commas
// and points otherwise (the C locale's default included); the same numbers.
TEST_F(UsinaCalc, CsvNosDoisLocais) {
    const Resultado virgula = Executar({"--csv", "--separator", ","});
    const Resultado ponto = Executar({"--csv", "--separator", "."});
    const Resultado padrao = Executar({"--csv"});
    ASSERT_EQ(virgula.status, 0);
    ASSERT_EQ(ponto.status, 0);
    EXPECT_EQ(padrao.saida, ponto.saida);
    EXPECT_TRUE(virgula.saida.starts_with("Rótulo;Descrição;Vazão [kg/s];Pressão [bar];"));
    EXPECT_TRUE(ponto.saida.starts_with("Rótulo,Descrição,Vazão [kg/s],Pressão [bar],"));
    EXPECT_NE(virgula.saida.find("\r\n11;Vapor para processo;53,33333333333333;2,4999999999999996;"), std::string::npos)
        << virgula.saida;
    EXPECT_NE(ponto.saida.find("\r\n11,Vapor para processo,53.33333333333333,2.4999999999999996,"), std::string::npos);
    // Changing ';' to ',' and ',' to '.' turns one into the other.
    std::string convertido = virgula.saida;
    for (char& c : convertido) c = c == ',' ? '.' : c == ';' ? ',' : c;
    EXPECT_EQ(convertido, ponto.saida);
}

// A locale whose decimal mark has two bytes (U+066B), neither ',' nor '.':
// the case file's numbers, written with a point, still read exactly. Made with localedef in
// the test's directory; skipped where that is not possible.
TEST_F(UsinaCalc, CasoNumLocaleDeSeparadorLongo) {
    const std::string locais = (dir_ / "locais").string();
    fs::create_directory(locais);
    if (std::system(("localedef -i ps_AF -f UTF-8 " + Aspas(locais + "/ps_AF.UTF-8") +
                     " >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << "localedef cannot make ps_AF.UTF-8";
    std::ofstream(dir_ / "exemplo.usina") << Ler(USINA_DIRETORIO_DOCS "/exemplo.usina");
    const std::string ambiente = "LOCPATH=" + Aspas(locais) + " LC_ALL=ps_AF.UTF-8";
    // The locale's separator is neither ',' nor '.': the tool falls back to
    // the decimal point; the same separator asked for is refused.
    const Resultado local = Executar({"--case", "exemplo.usina"}, ambiente);
    const Resultado ponto = Executar({"--separator", ".", "--case", "exemplo.usina"});
    const Resultado explicito = Executar({"--separator", "\xD9\xAB", "--case", "exemplo.usina"});
    ASSERT_EQ(local.status, 0) << local.erros;
    EXPECT_TRUE(TemLinha(local.saida, "Eprevap=    2.5000E+000")) << local.saida;
    EXPECT_EQ(local.saida, ponto.saida);
    EXPECT_EQ(explicito.status, 2);
    EXPECT_TRUE(explicito.saida.empty());
    EXPECT_NE(explicito.erros.find("unusable decimal separator '\xD9\xAB' (use ',' or '.')"),
              std::string::npos)
        << explicito.erros;
}

}  // namespace

namespace {

// File errors name the file and say why, in the program's Portuguese; a
// FIFO given as the case or the report's target is refused at once, not
// waited on (timeout would end the program with 124 after 5 s).
TEST_F(UsinaCalc, ErrosDeArquivoNomeiamOArquivoEOMotivo) {
    fs::create_symlink("ciclo2.txt", dir_ / "ciclo1.txt");
    fs::create_symlink("ciclo1.txt", dir_ / "ciclo2.txt");
    ASSERT_EQ(mkfifo((dir_ / "fifo.txt").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo((dir_ / "f.usina").c_str(), 0600), 0);
    const struct {
        std::vector<std::string> args;
        std::string erro;
    } casos[] = {
        {{"--report", "nao/rel"}, "Não foi possível gravar o arquivo \"nao/rel.txt\": a pasta não existe.\n"},
        {{"--report", "ciclo1"},
         "Não foi possível gravar o arquivo \"ciclo1.txt\": ligações simbólicas em ciclo.\n"},
        {{"--report", "fifo"},
         "Não foi possível gravar o arquivo \"fifo.txt\": é uma FIFO (pipe nomeado), não um arquivo comum.\n"},
        {{"--case", "f.usina"},
         "Não foi possível ler o arquivo \"f.usina\": é uma FIFO (pipe nomeado), não um arquivo comum.\n"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.args[1]);
        const Resultado r = Executar(c.args, "LC_ALL=C timeout 5");
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.erros, c.erro);
    }
    EXPECT_TRUE(fs::is_fifo(dir_ / "fifo.txt"));
}

// The season through usina-calc. Its inputs never change the plain output,
// the report nor the warnings of the plain form; --json carries them and the
// season, a saved case keeps them; a text that is not a number and a
// refused value stop the run naming the field, with nothing on standard
// output.
TEST_F(UsinaCalc, EntradasDaSafra) {
    const std::vector<std::string> safra = {"Ediasafra=180", "Eefiger=95.5", "Econsele=60",
                                            "Einvest=1e6"};
    std::vector<std::string> args = {"--report", "com", "Emvalv=60"};
    args.insert(args.end(), safra.begin(), safra.end());
    const Resultado com = Executar(args);
    const Resultado sem = Executar({"--report", "sem", "Emvalv=60"});
    ASSERT_EQ(com.status, 0) << com.erros;
    EXPECT_EQ(com.saida, sem.saida);
    EXPECT_EQ(com.erros, sem.erros);
    EXPECT_EQ(Ler(dir_ / "com.txt"), Ler(dir_ / "sem.txt"));

    // 180 x 24 x 85 / 100 = 3672 h; 60 kWh/t of own load makes the mill buy.
    args = {"--json", "--save-case", "s.usina", "Emvalv=60"};
    args.insert(args.end(), safra.begin(), safra.end());
    const Resultado json = Executar(args);
    ASSERT_EQ(json.status, 0) << json.erros;
    const Json j = Json::parse(json.saida);
    EXPECT_EQ(j["entradas"]["Ediasafra"], 180.0);
    EXPECT_EQ(j["entradas"]["Einvest"], 1e6);
    EXPECT_EQ(j["entradas"]["Eprecobag"], 60.0);  // a default
    EXPECT_EQ(j["safra"]["horas_h"], 3672.0);
    ASSERT_LT(j["safra"]["potencia_exportavel_kW"].get<double>(), 0.0);
    const std::string importa = j["avisos"].back().get<std::string>();
    EXPECT_TRUE(importa.starts_with("A usina importa energia: ")) << importa;
    EXPECT_TRUE(json.erros.ends_with(importa + "\n")) << json.erros;
    EXPECT_TRUE(sem.erros.find("importa") == std::string::npos);
    const Resultado reaberto = Executar({"--json", "--case", "s.usina"});
    EXPECT_EQ(reaberto.saida, json.saida);

    // A sweep's season column is the single run's figure, to the bit.
    const Resultado varredura =
        Executar({"--case", "s.usina", "--sweep", "Eprecoener=100:400:3", "--outputs",
                  "receita_total_R,Epotele"});
    ASSERT_EQ(varredura.status, 0) << varredura.erros;
    const std::string linha = varredura.saida.substr(varredura.saida.find("\r\n400,") + 2);
    const Resultado isolada = Executar({"--json", "--case", "s.usina", "Eprecoener=400"});
    const double receita = Json::parse(isolada.saida)["safra"]["receita_total_R"].get<double>();
    EXPECT_TRUE(linha.starts_with("400," + TextoExato(receita, ".") + ",")) << linha;
    EXPECT_NE(linha.find(importa.substr(0, 24)), std::string::npos) << linha;

    const struct {
        const char* argumento;
        const char* erro;
    } ruins[] = {
        {"Eaprov=abc", "O texto de \"Aproveitamento do tempo de moagem [%]\" não é um número: 'abc'.\n"},
        {"Ediasafra=400", "Valor impossível em \"Duração da safra [dias]\": 400. Deve ser maior que 0 "
                          "e no máximo 366 dias.\n"},
    };
    for (const auto& r : ruins) {
        SCOPED_TRACE(r.argumento);
        const Resultado recusado = Executar({r.argumento});
        EXPECT_EQ(recusado.status, 1);
        EXPECT_EQ(recusado.saida, "");
        EXPECT_EQ(recusado.erros, r.erro);
    }
}

}  // namespace

// --propriedades chooses the package for a run, a sweep and --json, over
// the case file's; --compare-properties prints both runs side by side.
TEST_F(UsinaCalc, PacoteDePropriedades) {
    const auto epotele = [](const Resultado& r) {
        return Json::parse(r.saida)["resultados"]["Epotele"].get<double>();
    };
    EntradasUsina e;
    e.propriedades = Formulacao::If97;
    ResultadoUsina if97;
    CalcularUsina(e, if97);
    e.propriedades = Formulacao::Kkhm1969;
    ResultadoUsina kkhm;
    CalcularUsina(e, kkhm);

    const Resultado r = Executar({"--json", "--propriedades", "if97"});
    ASSERT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(Json::parse(r.saida)["propriedades"], "if97");
    EXPECT_TRUE(MesmosBits(epotele(r), if97.globais.PotenciaEletrica));

    // Saved with the case, and taken from it unless the option says otherwise.
    ASSERT_EQ(Executar({"--propriedades", "if97", "--save-case", "a.usina"}).status, 0);
    EXPECT_TRUE(MesmosBits(epotele(Executar({"--json", "--case", "a.usina"})),
                           if97.globais.PotenciaEletrica));
    EXPECT_TRUE(MesmosBits(epotele(Executar({"--json", "--case", "a.usina", "--propriedades", "kkhm"})),
                           kkhm.globais.PotenciaEletrica));

    const Resultado varredura = Executar(
        {"--propriedades", "if97", "--sweep", "Etscal=450:460:2", "--outputs", "Epotele"});
    ASSERT_EQ(varredura.status, 0) << varredura.erros;
    EXPECT_NE(varredura.saida.find("\r\n450," + TextoExato(if97.globais.PotenciaEletrica, ".") + ","),
              std::string::npos)
        << varredura.saida;

    const Resultado comparacao = Executar({"--compare-properties"});
    ASSERT_EQ(comparacao.status, 0) << comparacao.erros;
    EXPECT_EQ(comparacao.saida.rfind("Seção,Grandeza,Unidade,Keenan, Keyes, Hill e Moore (1969),",
                                     0),
              std::string::npos);  // the name holds commas: quoted
    EXPECT_EQ(comparacao.saida.rfind(
                  "Seção,Grandeza,Unidade,\"Keenan, Keyes, Hill e Moore (1969)\",IAPWS-IF97,", 0),
              0u)
        << comparacao.saida.substr(0, 200);
    const std::string linha = "\r\nResultados globais,Potência elétrica,kW," +
                              TextoExato(kkhm.globais.PotenciaEletrica, ".") + "," +
                              TextoExato(if97.globais.PotenciaEletrica, ".") + "," +
                              TextoExato(if97.globais.PotenciaEletrica - kkhm.globais.PotenciaEletrica, ".") +
                              ",";
    EXPECT_NE(comparacao.saida.find(linha), std::string::npos) << linha;
    EXPECT_NE(comparacao.saida.find("\r\nCorrentes,h 1 Vapor vivo,kJ/kg,"), std::string::npos);

    for (const std::vector<std::string>& ruim :
         {std::vector<std::string>{"--propriedades", "iapws95"},
          std::vector<std::string>{"--compare-properties", "--json"},
          std::vector<std::string>{"--compare-properties", "--sweep", "Etscal=400:450:2"},
          std::vector<std::string>{"--compare-properties", "--propriedades", "if97"}}) {
        const Resultado x = Executar(ruim);
        EXPECT_EQ(x.status, 2) << ruim[1];
        EXPECT_EQ(x.saida, "");
    }
}
