// The inputs of a holder of fields: read all at once, kept as single texts
// change (and in step with a full reading after every change), handed back
// by the run as typed, and listed for the export of a run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plant/CalculoCampos.h"
#include "plant/CamposMemoria.h"
#include "plant/EntradasCampos.h"
#include "plant/ErrosPlanta.h"
#include "plant/Numeros.h"
#include "plant/TabelaEntradas.h"

namespace {

// Whether two sets of inputs are the same doubles, bit for bit.
bool MesmasEntradas(const EntradasUsina& a, const EntradasUsina& b) { return a == b; }

}  // namespace

// A typed text changes one input; a text that is not a number leaves the
// inputs unreadable, with the full reading naming that field and text.
TEST(EntradasCampos, CadaTextoAtualizaSoSuaEntrada) {
    CamposMemoria campos(",");
    EntradasCampos acompanhadas(campos, ",");
    ASSERT_TRUE(acompanhadas.Legiveis());
    EXPECT_TRUE(acompanhadas.Iguais(EntradasUsina{}));

    const struct {
        const char* nome;
        const char* texto;
        const char* falha;  // the field the full reading refuses, or nullptr
    } passos[] = {
        {"Ecapusi", "500", nullptr},
        {"Eprecal", " 6,5E1 ", nullptr},
        {"Etscal", "abc", "Etscal"},
        {"Eefitap", "", "Etscal"},     // the first in the table's order
        {"Etscal", "460,5", "Eefitap"},
        {"Eefitap", "80", nullptr},
        {"Etxt", "relatorio", nullptr},  // not an input: ignored
    };
    for (const auto& p : passos) {
        SCOPED_TRACE(std::string(p.nome) + "=" + p.texto);
        if (BuscarCampoEntrada(p.nome) != nullptr) campos.DefinirEntrada(p.nome, p.texto);
        acompanhadas.TextoMudou(p.nome, p.texto);
        EXPECT_EQ(acompanhadas.Legiveis(), p.falha == nullptr);
        if (p.falha == nullptr) {
            const EntradasUsina lidas = EntradasDosCampos(campos, ",");
            EXPECT_TRUE(MesmasEntradas(acompanhadas.Entradas(), lidas));
            EXPECT_TRUE(acompanhadas.Iguais(lidas));
            continue;
        }
        try {
            (void)EntradasDosCampos(campos, ",");
            ADD_FAILURE() << "lido";
        } catch (const ErroEntradaNaoNumerica& e) {
            EXPECT_STREQ(e.campo().nome, p.falha);
            EXPECT_EQ(e.texto(), campos.Texto(p.falha));
        }
        EXPECT_FALSE(acompanhadas.Iguais(acompanhadas.Entradas()));
    }
    const EntradasUsina final = acompanhadas.Entradas();
    EXPECT_EQ(final.CapacidadeUsina, 500.0);
    EXPECT_EQ(final.PressaoCaldeira, 65.0);
    EXPECT_EQ(final.TemperaturaCaldeira, 460.5);
    EXPECT_EQ(final.EficienciaTurbinaAlta, 80.0);

    // The configuration is part of the inputs.
    acompanhadas.TurbinaAltaMudou(false);
    EXPECT_FALSE(acompanhadas.Iguais(final));
    campos.DefinirCheckBox1(false);
    EXPECT_TRUE(acompanhadas.Iguais(EntradasDosCampos(campos, ",")));
}

// The run hands back what it read as typed: a value above a reading limit
// as typed (the field then shows the limit), the texts in the number form
// they had before the run rewrote them, and the high-pressure turbine's two
// inputs only with it.
TEST(EntradasCampos, ExecucaoDevolveAsEntradasDigitadas) {
    const struct {
        const char* nome;
        const char* texto;
        bool comTurbina;
    } casos[] = {
        {"Eprecal", "250", true},   // above 190 bar: run at the limit
        {"Etscal", "1400", true},   // above 1300 degC
        {"Ecapusi", "4,00001E2", true},
        {"Eefitap", "x", false},    // not read without the turbine
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        CamposMemoria campos(",");
        campos.DefinirEntrada(c.nome, c.texto);
        campos.DefinirCheckBox1(c.comTurbina);
        ResultadoUsina resultado;
        const EntradasUsina lidas = CalcularUsinaNosCampos(campos, resultado, ",");
        EXPECT_EQ(lidas.comTurbinaAlta, c.comTurbina);
        const std::vector<std::pair<std::string, double>> porNome = EntradasLidasPorNome(lidas);
        EXPECT_EQ(porNome.size(), c.comTurbina ? 18u : 16u);
        bool achado = false;
        for (const auto& [nome, valor] : porNome) {
            const CampoEntradaUsina& campo = *BuscarCampoEntrada(nome);
            EXPECT_EQ(valor, lidas.*campo.membro) << nome;
            if (nome != c.nome) continue;
            achado = true;
            EXPECT_EQ(valor, LerNumero(c.texto, ",")) << "as typed";
            // The field shows another number now: the limit, or five digits.
            EXPECT_NE(LerNumero(campos.Texto(nome), ","), valor);
        }
        EXPECT_EQ(achado, c.comTurbina);
    }
}
