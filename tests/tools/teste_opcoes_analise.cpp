// usina-calc's command line for --sensitivity, --goal and --optimize: what is
// split and kept, and each unusable combination refused with its reason.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/OpcoesCalc.h"

namespace {

TEST(LerOpcoesAnalise, PartesGuardadasComoDigitadas) {
    OpcoesCalc op = LerOpcoes({"--sensitivity", "Epotele", "--step=5,5", "--jobs", "2", "--json"});
    EXPECT_EQ(op.sensibilidade, "Epotele");
    EXPECT_EQ(op.passo, "5,5");
    EXPECT_EQ(op.tarefas, 2u);

    op = LerOpcoes({"--goal", "bagaco_excedente_t=-1e3", "--vary=Evap= 400:7e2"});
    EXPECT_EQ(op.meta, (MetaDigitada{"bagaco_excedente_t", "-1e3"}));
    EXPECT_EQ(op.faixas, (std::vector<FaixaDigitada>{{"Evap", " 400", "7e2"}}));

    // The direction is :max unless :min; --vary and --constraint in order,
    // FIELD=TEXT arguments after them not taken as theirs.
    op = LerOpcoes({"--optimize", "Emcomb:min", "--vary", "Eprecal=30:120", "Evap=500", "--vary",
                    "Etscal=350:540", "--constraint", "Eexbag>=5", "--constraint=Epotele<=2e4",
                    "--without-hp-turbine", "--propriedades", "if97", "--case", "c.usina"});
    EXPECT_EQ(op.otimizar, "Emcomb");
    EXPECT_FALSE(op.maximizar);
    EXPECT_EQ(op.faixas, (std::vector<FaixaDigitada>{{"Eprecal", "30", "120"}, {"Etscal", "350", "540"}}));
    EXPECT_EQ(op.restricoes,
              (std::vector<RestricaoDigitada>{{"Eexbag", true, "5"}, {"Epotele", false, "2e4"}}));
    EXPECT_EQ(op.entradas.size(), 1u);
    EXPECT_TRUE(LerOpcoes({"--optimize", "Epotele", "--vary", "Evap=1:2"}).maximizar);
    EXPECT_TRUE(LerOpcoes({"--optimize", "Epotele:max", "--vary", "Evap=1:2"}).maximizar);
}

TEST(LerOpcoesAnalise, LinhaDeComandoInutilizavel) {
    const struct {
        std::vector<std::string> args;
        const char* trecho;
    } casos[] = {
        {{"--sensitivity", "Epotele", "--sweep", "Evap=1:2:3"}, "options --sweep and --sensitivity cannot"},
        {{"--goal", "Epotele=1", "--vary", "Evap=1:2", "--optimize", "Epotele", "--vary", "Evap=1:2"},
         "options --goal and --optimize cannot"},
        {{"--step", "5"}, "option --step needs --sensitivity"},
        {{"--vary", "Evap=1:2"}, "option --vary needs --goal or --optimize"},
        {{"--sensitivity", "Epotele", "--vary", "Evap=1:2"}, "option --vary needs --goal or --optimize"},
        {{"--goal", "Epotele=1", "--vary", "Evap=1:2", "--constraint", "Eexbag>=5"},
         "option --constraint needs --optimize"},
        {{"--goal", "Epotele", "--vary", "Evap=1:2"}, "option --goal takes OUTPUT=VALUE, not 'Epotele'"},
        {{"--goal", "Epotele=1"}, "option --goal needs exactly one --vary"},
        {{"--goal", "Epotele=1", "--vary", "Evap=1:2", "--vary", "Ebag=1:2"}, "exactly one --vary"},
        {{"--optimize", "Epotele"}, "option --optimize needs 1 to 4 --vary"},
        {{"--optimize", "Epotele", "--vary", "A=1:2", "--vary", "B=1:2", "--vary", "C=1:2", "--vary",
          "D=1:2", "--vary", "E=1:2"},
         "needs 1 to 4 --vary"},
        {{"--optimize", "Epotele:maior", "--vary", "Evap=1:2"}, "OUTPUT:max or OUTPUT:min, not 'Epotele:maior'"},
        {{"--optimize", "Epotele", "--vary", "Evap=1:2:3"}, "option --vary takes FIELD=MIN:MAX, not 'Evap=1:2:3'"},
        {{"--optimize", "Epotele", "--vary", "Evap"}, "takes FIELD=MIN:MAX"},
        {{"--optimize", "Epotele", "--vary", "Evap=1:2", "--constraint", "Eexbag>5"},
         "takes OUTPUT>=VALUE or OUTPUT<=VALUE, not 'Eexbag>5'"},
        {{"--optimize", "Epotele", "--vary", "Evap=1:2", "--constraint", ">=5"}, "OUTPUT>=VALUE"},
        {{"--sensitivity", "Epotele", "--report", "r"}, "option --report cannot be used with --sensitivity"},
        {{"--sensitivity", "Epotele", "--outputs", "Ew12"}, "option --outputs cannot be used with --sensitivity"},
        {{"--optimize", "Epotele", "--vary", "Evap=1:2", "--separator", ":"}, "decimal separator ':'"},
        {{"--sensitivity", "Epotele", "--compare-properties"}, "cannot be used together"},
    };
    for (const auto& c : casos) {
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
