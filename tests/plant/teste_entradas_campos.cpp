// The inputs between the fields and a case: every number written reads back
// as the same double, and saving refuses what a run would refuse.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "plant/CamposMemoria.h"
#include "plant/EntradasCampos.h"
#include "plant/ErrosPlanta.h"
#include "plant/Numeros.h"
#include "plant/TabelaEntradas.h"

namespace {

double DeBits(std::uint64_t bits) {
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

TEST(TextoExato, LidoDeVoltaDaOMesmoNumero) {
    for (const std::string separador : {",", ".", "\xD9\xAB"}) {
        const double fixos[] = {400.0, 0.1 + 0.2, 7530.123, 1e-7, 1e21, 5e-324, -0.0,
                                1.7976931348623157e308, 10.000000000000002};
        for (double v : fixos)
            EXPECT_EQ(LerNumero(TextoExato(v, separador), separador), v) << TextoExato(v, separador);
        // Any finite double, by its bits.
        std::mt19937_64 gerador(20261208);
        for (int i = 0; i < 20000; ++i) {
            const double v = DeBits(gerador());
            if (!std::isfinite(v)) continue;
            const std::string texto = TextoExato(v, separador);
            ASSERT_EQ(LerNumero(texto, separador), v) << texto;
        }
    }
    EXPECT_EQ(TextoExato(400.0, ","), "400");
    EXPECT_EQ(TextoExato(7530.123, ","), "7530,123");
}

TEST(EntradasCampos, EscritasELidasVoltamIguais) {
    EntradasUsina entradas;
    entradas.PciBagaco = 7530.123;
    entradas.PercentualValvula = 0.1 + 0.2;
    entradas.comTurbinaAlta = false;
    CamposMemoria campos(",");
    campos.DefinirCheckBox1(false);
    EscreverEntradas(campos, entradas, ",");
    EXPECT_EQ(campos.Texto("Epci"), "7530,123");
    ASSERT_TRUE(LerEntradas(campos, ",").has_value());
    EXPECT_EQ(*LerEntradas(campos, ","), entradas);
    EXPECT_EQ(EntradasParaSalvar(campos, ","), entradas);

    campos.DefinirEntrada("Etcon", "noventa");
    EXPECT_FALSE(LerEntradas(campos, ",").has_value());
}

TEST(EntradasCampos, SalvarRecusaTextoQueNaoENumeroEValorImpossivel) {
    CamposMemoria campos(",");
    campos.DefinirEntrada("Etcon", "noventa");
    try {
        (void)EntradasParaSalvar(campos, ",");
        FAIL() << "aceitou texto que não é número";
    } catch (const ErroUsina& erro) {
        EXPECT_STREQ(erro.what(),
                     "O texto \"noventa\" em \"Temperatura do condensado de retorno [°C]\" "
                     "não é um número");
    }
    campos.DefinirEntrada("Etcon", "90");
    campos.DefinirEntrada("Eefitap", "150");
    EXPECT_THROW((void)EntradasParaSalvar(campos, ","), ErroEntradaImpossivel);

    // Above the reading limit is saved as typed: the run applies the limit.
    campos.DefinirEntrada("Eefitap", "75");
    campos.DefinirEntrada("Eprecal", "250");
    campos.DefinirEntrada("Etscal", "600");
    EXPECT_EQ(EntradasParaSalvar(campos, ",").PressaoCaldeira, 250.0);
}

}  // namespace
