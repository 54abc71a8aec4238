// usina-calc's command line.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tools/OpcoesCalc.h"

namespace {

using Args = std::vector<std::string>;
using Entradas = std::vector<std::pair<std::string, std::string>>;

TEST(LerOpcoes, CampoIgualTexto) {
    const OpcoesCalc op = LerOpcoes({"Ecapusi=500", "Eprevap=", "Emvalv= 2=5 ", "Ecapusi=600"});
    // Order kept, empty text allowed (the run reports it), split at the first '='.
    EXPECT_EQ(op.entradas, (Entradas{{"Ecapusi", "500"}, {"Eprevap", ""}, {"Emvalv", " 2=5 "},
                                     {"Ecapusi", "600"}}));
}

TEST(LerOpcoes, Opcoes) {
    OpcoesCalc op = LerOpcoes({"--json", "--without-hp-turbine", "--separator", ".", "--report",
                               "saida final"});
    EXPECT_TRUE(op.json);
    EXPECT_TRUE(op.semTurbinaAlta);
    EXPECT_EQ(op.separador, ".");
    EXPECT_EQ(op.relatorio, "saida final");

    EXPECT_FALSE(op.csv);
    EXPECT_FALSE(op.caso);
    EXPECT_FALSE(op.salvarCaso);

    op = LerOpcoes({"--separator=,", "--report=r", "--csv", "--case=a b.usina",
                    "--save-case", "=c.usina"});
    EXPECT_EQ(op.separador, ",");
    EXPECT_EQ(op.relatorio, "r");
    EXPECT_TRUE(op.csv);
    EXPECT_EQ(op.caso, "a b.usina");
    EXPECT_EQ(op.salvarCaso, "=c.usina");

    // A value is taken whatever it looks like; the last of a repeated option wins.
    op = LerOpcoes({"--report", "-x", "--case", "Ecapusi=5", "--separator", ";", "--separator=.",
                    "Ecapusi=6"});
    EXPECT_EQ(op.relatorio, "-x");
    EXPECT_EQ(op.caso, "Ecapusi=5");
    EXPECT_EQ(op.separador, ".");
    EXPECT_EQ(op.entradas, (Entradas{{"Ecapusi", "6"}}));
}

// --sweep split at its first '=' and at ':', in the order given; START, END
// and N are read only when the sweep runs (with the separator then known).
TEST(LerOpcoes, Varredura) {
    OpcoesCalc op = LerOpcoes({"--sweep", "Eprecal=30:120:10", "--sweep=Etscal= 4,5e2 :x:-1",
                               "--outputs", "Ew12,Foo", "--jobs=3", "--save-case", "c.usina"});
    EXPECT_EQ(op.varreduras, (std::vector<VarreduraDigitada>{{"Eprecal", "30", "120", "10"},
                                                             {"Etscal", " 4,5e2 ", "x", "-1"}}));
    EXPECT_EQ(op.saidas, "Ew12,Foo");
    EXPECT_EQ(op.tarefas, 3u);
    EXPECT_EQ(op.salvarCaso, "c.usina");

    // FIELD=TEXT after a --sweep is an input of the base, not a second sweep.
    op = LerOpcoes({"--sweep", "Etscal=1:2:3", "Eprevap=x", "Etscal=9"});
    EXPECT_EQ(op.varreduras, (std::vector<VarreduraDigitada>{{"Etscal", "1", "2", "3"}}));
    EXPECT_EQ(op.entradas, (Entradas{{"Eprevap", "x"}, {"Etscal", "9"}}));

    op = LerOpcoes({"--sweep", "Foo=::", "--jobs", "1024"});
    EXPECT_EQ(op.varreduras, (std::vector<VarreduraDigitada>{{"Foo", "", "", ""}}));
    EXPECT_FALSE(op.saidas);
    EXPECT_EQ(op.tarefas, 1024u);
}

struct Invalida {
    Args args;
    std::string trecho;  // part of the message
};

const Invalida CasosInvalidos[] = {
    {{"Foo=1"}, "unknown input field 'Foo'"},
    {{"Ep18=1"}, "unknown input field 'Ep18'"},    // an output field
    {{"Etxt=x"}, "unknown input field 'Etxt'"},    // file name, not used by the tool
    {{"ecapusi=1"}, "unknown input field 'ecapusi'"},
    {{"=1"}, "unknown input field ''"},
    {{"Ecapusi"}, "neither an option nor FIELD=TEXT"},
    {{"--separator"}, "needs a value"},
    {{"--separator", ""}, "unusable decimal separator"},  // "400,0" would read as 4000
    {{"--separator", "1"}, "unusable decimal separator"},
    {{"--separator=E"}, "unusable decimal separator"},
    {{"--separator", "-"}, "unusable decimal separator"},
    {{"--separator", " "}, "unusable decimal separator"},
    // Only ',' and '.': ';' is the CSV tables' field separator ("4;0000E+002").
    {{"--separator", ";"}, "unusable decimal separator ';' (use ',' or '.')"},
    {{"--separator=:"}, "unusable decimal separator ':'"},
    {{"--separator", "\xD9\xAB"}, "unusable decimal separator"},  // the Arabic one
    {{"--separator", ",,"}, "unusable decimal separator ',,'"},
    {{"--separator", ". "}, "unusable decimal separator"},
    {{"--report"}, "needs a value"},
    {{"--report="}, "needs a file name"},
    {{"--bogus"}, "unknown option '--bogus'"},
    {{"--bogus=1"}, "unknown option '--bogus=1'"},
    {{"-x"}, "unknown option '-x'"},
    {{"--", "Ecapusi=1"}, "unknown option '--'"},
    {{"--separator", "--json"}, "unusable decimal separator '--json'"},
    {{"--case"}, "option --case needs a value"},
    {{"--save-case"}, "option --save-case needs a value"},
    {{"--case="}, "option --case needs a file name"},
    {{"--save-case", ""}, "option --save-case needs a file name"},
    // "--report=" is an empty name, not the option waiting for the next argument.
    {{"--report=", "Ecapusi=5"}, "option --report needs a file name"},
    {{"--json", "--csv"}, "options --json and --csv cannot be used together"},
    {{"--json=talvez"}, "--json"},
    {{"--sweep"}, "option --sweep needs a value"},
    {{"--sweep", "Etscal"}, "option --sweep takes FIELD=START:END:N, not 'Etscal'"},
    {{"--sweep", "Etscal=1:2"}, "takes FIELD=START:END:N"},
    {{"--sweep", "Etscal=1:2:3:4"}, "takes FIELD=START:END:N"},
    {{"--sweep", "A=1:2:3", "--sweep", "B=1:2:3", "--sweep", "C=1:2:3"}, "once or twice"},
    {{"--sweep", "Etscal=1:2:3", "--json"}, "option --json cannot be used with --sweep"},
    {{"--sweep", "Etscal=1:2:3", "--csv"}, "option --csv cannot be used with --sweep"},
    {{"--report", "r", "--sweep", "Etscal=1:2:3"}, "option --report cannot be used with --sweep"},
    {{"--sweep", "Etscal=1:2:3", "--separator", ":"}, "decimal separator ':'"},
    {{"--sweep", "Etscal=1:2:3", "--outputs="}, "option --outputs needs output field names"},
    {{"--outputs", "Ew12"}, "option --outputs needs --sweep"},
    {{"--jobs", "2"}, "option --jobs needs --sweep"},
    {{"--sweep", "Etscal=1:2:3", "--jobs", "0"}, "--jobs takes a whole number of threads from 1"},
    {{"--sweep", "Etscal=1:2:3", "--jobs", "1025"}, "from 1 to 1024, not '1025'"},
    {{"--sweep", "Etscal=1:2:3", "--jobs", "2.5"}, "not '2.5'"},
    {{"--sweep", "Etscal=1:2:3", "--jobs", "-1"}, "not '-1'"},
    {{"--sweep", "Etscal=1:2:3", "--jobs"}, "option --jobs needs a value"},
};

TEST(LerOpcoes, LinhaDeComandoInutilizavel) {
    for (const Invalida& c : CasosInvalidos) {
        SCOPED_TRACE(c.trecho);
        try {
            LerOpcoes(c.args);
            ADD_FAILURE() << "accepted";
        } catch (const ErroOpcoes& e) {
            EXPECT_NE(std::string(e.what()).find(c.trecho), std::string::npos) << e.what();
        }
    }
}

}  // namespace
