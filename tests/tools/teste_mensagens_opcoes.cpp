// usina-calc in the window's two languages: each refusal of the command line
// said from its kind and values in Portuguese and English, the language
// taken from --lang or the locale, and the help in both with the same
// options.
#include <cstdlib>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "ProgramaUsinaCalc.h"
#include "tools/MensagensOpcoes.h"
#include "tools/OpcoesCalc.h"

namespace {

// Command lines × languages: the whole sentence in each.
TEST(MensagensOpcoes, CadaRecusaNosDoisIdiomas) {
    const struct {
        std::vector<std::string> args;
        const char* ingles;
        const char* portugues;
    } casos[] = {
        {{"--separator", ";"}, "unusable decimal separator ';' (use ',' or '.')",
         "separador decimal inutilizável ';' (use ',' ou '.')"},
        {{"--report"}, "option --report needs a value", "a opção --report precisa de um valor"},
        {{"--case="}, "option --case needs a file name", "a opção --case precisa de um nome de arquivo"},
        {{"--json", "--csv"}, "options --json and --csv cannot be used together",
         "as opções --json e --csv não podem ser usadas juntas"},
        {{"--sweep", "Etscal"}, "option --sweep takes FIELD=START:END:N, not 'Etscal'",
         "a opção --sweep recebe CAMPO=INÍCIO:FIM:N, não 'Etscal'"},
        {{"--sweep", "Etscal=1:2:3", "--csv"}, "option --csv cannot be used with --sweep",
         "a opção --csv não pode ser usada com --sweep"},
        {{"--sweep", "Etscal=1:2:3", "--jobs", "0"},
         "option --jobs takes a whole number of threads from 1 to 1024, not '0'",
         "a opção --jobs recebe um número inteiro de linhas de execução de 1 a 1024, não '0'"},
        {{"--bogus"}, "unknown option '--bogus'", "opção desconhecida '--bogus'"},
        {{"Ecapusi"}, "argument 'Ecapusi' is neither an option nor FIELD=TEXT",
         "o argumento 'Ecapusi' não é uma opção nem CAMPO=TEXTO"},
        {{"--lang", "fr"}, "option --lang takes pt or en, not 'fr'", "a opção --lang recebe pt ou en, não 'fr'"},
        {{"--propriedades", "x"}, "option --propriedades takes kkhm or if97, not 'x'",
         "a opção --propriedades recebe kkhm ou if97, não 'x'"},
        {{"--optimize", "Epotele", "--vary", "Evap=1:2", "--vary", "Evap=1:2", "--vary", "Evap=1:2",
          "--vary", "Evap=1:2", "--vary", "Evap=1:2"},
         "option --optimize needs 1 to 4 --vary FIELD=MIN:MAX",
         "a opção --optimize precisa de 1 a 4 --vary CAMPO=MÍN:MÁX"},
        {{"--step", "5"}, "option --step needs --sensitivity", "a opção --step precisa de --sensitivity"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.ingles);
        try {
            LerOpcoes(c.args);
            ADD_FAILURE() << "accepted";
        } catch (const ErroOpcoes& e) {
            EXPECT_EQ(std::string(e.what()), c.ingles);
            EXPECT_EQ(e.Texto(IdiomaCalc::Ingles), c.ingles);
            EXPECT_EQ(e.Texto(IdiomaCalc::Portugues), c.portugues);
        }
    }
}

// Every kind has a sentence in each language, different from the other,
// and every %n is replaced; a value holding "%1" is not read again.
TEST(MensagensOpcoes, TodaFraseComposta) {
    const std::vector<std::string> valores = {"A", "B", "C"};
    for (int f = 0; f <= static_cast<int>(FraseOpcao::LinhaInvalida); ++f) {
        SCOPED_TRACE(f);
        const auto frase = static_cast<FraseOpcao>(f);
        const std::string en = TextoOpcao(frase, IdiomaCalc::Ingles, valores);
        const std::string pt = TextoOpcao(frase, IdiomaCalc::Portugues, valores);
        EXPECT_FALSE(en.empty());
        EXPECT_NE(en, pt);
        for (const std::string& t : {en, pt}) EXPECT_FALSE(std::regex_search(t, std::regex("%[0-9]"))) << t;
    }
    EXPECT_EQ(TextoOpcao(FraseOpcao::JuntasNao, IdiomaCalc::Portugues, {"%2", "--x"}),
              "as opções %2 e --x não podem ser usadas juntas");
}

// The language of the locale's messages, as POSIX orders the variables.
TEST(MensagensOpcoes, IdiomaDoAmbiente) {
    const struct {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        IdiomaCalc esperado;
    } casos[] = {
        {nullptr, nullptr, nullptr, IdiomaCalc::Ingles},
        {nullptr, nullptr, "pt_BR.UTF-8", IdiomaCalc::Portugues},
        {nullptr, nullptr, "pt_PT", IdiomaCalc::Portugues},
        {nullptr, nullptr, "en_US.UTF-8", IdiomaCalc::Ingles},
        {nullptr, "en_GB", "pt_BR.UTF-8", IdiomaCalc::Ingles},
        {"", "pt_BR", "en_US", IdiomaCalc::Portugues},  // an empty variable counts as unset
        {"C", "pt_BR", "pt_BR", IdiomaCalc::Ingles},
        {"pt_BR.UTF-8", "en_US", "C", IdiomaCalc::Portugues},
    };
    for (const auto& c : casos) {
        for (const auto& [nome, valor] : {std::pair{"LC_ALL", c.lcAll}, std::pair{"LC_MESSAGES", c.lcMessages},
                                           std::pair{"LANG", c.lang}}) {
            if (valor == nullptr) unsetenv(nome);
            else setenv(nome, valor, 1);
        }
        EXPECT_EQ(IdiomaCalcDoAmbiente(), c.esperado)
            << (c.lcAll ? c.lcAll : "-") << " " << (c.lcMessages ? c.lcMessages : "-") << " "
            << (c.lang ? c.lang : "-");
    }
    setenv("LC_ALL", "C", 1);
    // --lang wins, the last valid one; an unknown code is skipped here and
    // refused by the parser.
    EXPECT_EQ(IdiomaCalcDosArgumentos({"--lang", "pt"}), IdiomaCalc::Portugues);
    EXPECT_EQ(IdiomaCalcDosArgumentos({"--lang=pt", "--lang", "en"}), IdiomaCalc::Ingles);
    EXPECT_EQ(IdiomaCalcDosArgumentos({"--lang", "pt", "--lang=xx"}), IdiomaCalc::Portugues);
    EXPECT_EQ(IdiomaCalcDosArgumentos({"--lang"}), std::nullopt);
    EXPECT_EQ(LerOpcoes({"--lang", "pt"}).idioma, IdiomaCalc::Portugues);
    EXPECT_EQ(LerOpcoes({}).idioma, std::nullopt);
}

std::set<std::string> Opcoes(const std::string& ajuda) {
    std::set<std::string> opcoes;
    const std::regex opcao("--[a-z][a-z-]+");
    for (auto i = std::sregex_iterator(ajuda.begin(), ajuda.end(), opcao); i != std::sregex_iterator(); ++i)
        opcoes.insert(i->str());
    return opcoes;
}

// The help names the same options in both languages, --lang among them,
// and the same field lists.
TEST(MensagensOpcoes, AjudaNosDoisIdiomas) {
    const std::string en = TextoAjuda(IdiomaCalc::Ingles), pt = TextoAjuda(IdiomaCalc::Portugues);
    EXPECT_EQ(Opcoes(en), Opcoes(pt));
    EXPECT_TRUE(Opcoes(pt).contains("--lang"));
    EXPECT_TRUE(Opcoes(pt).contains("--separator"));
    EXPECT_TRUE(pt.starts_with("Uso: usina-calc"));
    EXPECT_TRUE(en.starts_with("Usage: usina-calc"));
    EXPECT_NE(pt.find("',' ou '.'"), std::string::npos);
    EXPECT_NE(pt.find("bar (abs.)"), std::string::npos);
    EXPECT_NE(en.find("bar (abs.)"), std::string::npos);
    for (const char* linha : {"Ecapusi", "Ediasafra", "receita_total_R"}) {
        EXPECT_NE(en.find(linha), std::string::npos) << linha;
        EXPECT_NE(pt.find(linha), std::string::npos) << linha;
    }
}

// The built program: language from --lang over the locale, exit status 2.
TEST_F(UsinaCalc, MensagensNoIdiomaPedido) {
    const struct {
        std::vector<std::string> args;
        std::string ambiente;
        std::string erros;
    } casos[] = {
        {{"--separator", ";"}, "LC_ALL=C",
         "usina-calc: unusable decimal separator ';' (use ',' or '.')\nTry 'usina-calc --help'.\n"},
        {{"--separator", ";", "--lang", "pt"}, "LC_ALL=C",
         "usina-calc: separador decimal inutilizável ';' (use ',' ou '.')\n"
         "Experimente 'usina-calc --help'.\n"},
        {{"--bogus"}, "LC_ALL= LC_MESSAGES= LANG=pt_BR.UTF-8",
         "usina-calc: opção desconhecida '--bogus'\nExperimente 'usina-calc --help'.\n"},
        {{"--bogus", "--lang=en"}, "LC_ALL= LC_MESSAGES= LANG=pt_BR.UTF-8",
         "usina-calc: unknown option '--bogus'\nTry 'usina-calc --help'.\n"},
        {{"--lang", "fr"}, "LC_ALL=C",
         "usina-calc: option --lang takes pt or en, not 'fr'\nTry 'usina-calc --help'.\n"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.erros);
        const Resultado r = Executar(c.args, c.ambiente);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.saida, "");
        EXPECT_EQ(r.erros, c.erros);
    }
    const Resultado ajuda = Executar({"--help", "--lang", "pt"});
    EXPECT_EQ(ajuda.status, 0);
    EXPECT_EQ(ajuda.saida, TextoAjuda(IdiomaCalc::Portugues));
    EXPECT_EQ(Executar({"--help"}).saida, TextoAjuda(IdiomaCalc::Ingles));
}

}  // namespace
