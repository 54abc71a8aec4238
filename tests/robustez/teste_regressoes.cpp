// Faults found by fuzzing, each pinned where it was fixed.
#include <gtest/gtest.h>

#include <string>

#include "plant/CalculoCampos.h"
#include "plant/CamposMemoria.h"
#include "plant/Numeros.h"
#include "properties/Erros.h"

namespace {

// An almost zero efficiency of the mill-drive turbine makes its steam flow,
// and so the shortfall of the medium-pressure turbine, some 1e300 kg/s. The
// warning's t/h were written into a 64-byte buffer that cannot hold such a
// number in fixed notation, and the message carried whatever bytes that
// buffer held. All the digits must be there.
TEST(Regressoes, AvisoDeVaporInsuficienteComVazaoEnorme) {
    CamposMemoria campos(",");
    campos.DefinirEntrada("Eefitm", "1E-300");
    campos.DefinirEntrada("Eefitmp", "1E-300");
    ResultadoUsina resultado;
    CalcularUsinaNosCampos(campos, resultado, ",");

    ASSERT_EQ(resultado.avisos.size(), 1u);
    const std::string inicio = "Vapor insuficiente: faltam ";
    const std::string fim = " t/h para a turbina de média pressão";
    const std::string aviso = TextoAviso(resultado.avisos[0], ",");
    ASSERT_EQ(aviso.substr(0, inicio.size()), inicio);
    ASSERT_EQ(aviso.substr(aviso.size() - fim.size()), fim);
    const std::string numero = aviso.substr(inicio.size(), aviso.size() - inicio.size() - fim.size());
    EXPECT_GT(numero.size(), 300u);
    EXPECT_EQ(numero.find_first_not_of("0123456789"), numero.size() - 3) << numero;
    EXPECT_EQ(numero.substr(numero.size() - 3), ",00");
    // A flow this large is an integer in binary: the digits are exact.
    EXPECT_EQ(LerNumero(numero, ","), -3.6 * resultado.dados.Vazao[5]);
}

}  // namespace
