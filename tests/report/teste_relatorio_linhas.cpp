// The report's lines: which value goes on which line, the tables and the
// two configurations. Lines are numbered from 1 as in the file.
#include <gtest/gtest.h>

#include "DadosExemplo.h"
#include "io/LinhasRelatorio.h"
#include "plant/Numeros.h"
#include "io/LinhasRelatorio.h"

namespace {

// Captions with the value and conversion the layout assigns, chosen where a
// mix-up is likely: converted values, repeated captions, the flow's place in
// each turbine section, the computed global results.
TEST(LinhasRelatorio, LegendasComSeusValores) {
    const ResultadoUsina r = ResultadoExemplo();
    const DadosUsina& d = r.dados;
    const auto& e = d.Estado;
    const auto linhas = LinhasRelatorio(r, true, ",");
    ASSERT_EQ(linhas.size(), 153u);
    struct Caso { std::size_t linha; const char* legenda; double valor; };
    const Caso casos[] = {
        {15, "Pressão do vapor para processo [bar]= ", e[11].p * 10},
        {19, "Pressão de saída turbina de alta pressão [bar]= ", e[2].p * 10},
        {24, "Eficiência isentrópica da turbobomba [%]= ", d.Eficiencia[16]},
        {33, "Título= ", e[11].x},
        {37, "Pressão na entrada [bar]= ", e[19].p * 10},
        {47, "Vazão de vapor [kg/s]= ", d.Vazao[1]},
        {56, "Vazão de condensado [kg/s]= ", d.Vazao[18]},
        {73, "Vazão de vapor requerido [kg/s]= ", d.Vazao[6]},
        {84, "Vazão de vapor [kg/s]= ", d.Vazao[4]},
        {91, "Vazão de vapor [kg/s]= ", d.Vazao[5]},
        {97, "Eficiência de 2º Lei [%]= ", d.EficienciaSegundaLei[14]},
        {102, "Consumo de bagaço na caldeira [ton/h]= ", 3.6 * d.ConsumoCombustivel},
        {103, "Excedente de bagaço [%]= ",
         (d.BagacoDisponivel - 3.6 * d.ConsumoCombustivel) / d.BagacoDisponivel * 100},
        {104, "Potência elétrica [kW]= ", d.Potencia[12] + d.Potencia[14]},
        {109, "Taxa de irreversibilidades na válvula de expansão [kW]= ", (e[3].ex - e[7].ex) * d.Vazao[3]},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(linhas[c.linha - 1], c.legenda + FormatarLongo(c.valor)) << "linha " << c.linha;

    // Long format, positive and negative, written out in full.
    EXPECT_EQ(linhas[6], "Capacidade da usina [ton de cana/h]=  4.00000000000000E+0002");
    EXPECT_EQ(linhas[61], "Potência requerida [kW]= -1.23450000000000E+0003");
}

TEST(LinhasRelatorio, TabelasSemPreenchimentoDoRotulo) {
    ResultadoUsina r = ResultadoExemplo();
    r.dados.Vazao[1] = 12.5;
    r.dados.Potencia[1] = 0.0;
    r.dados.Eficiencia[1] = 85.0;
    const auto linhas = LinhasRelatorio(r, true, ",");
    EXPECT_EQ(linhas[111], "1    1,2500E+001      0,0000E+000      8,5000E+001");
    EXPECT_EQ(linhas[119].substr(0, 2), "9 ");
    // Labels 10 to 20 are one character wider; a negative value one space nearer.
    EXPECT_EQ(linhas[130], "20    2,0500E+001     -1,2345E+003      6,0000E+001");
    // State table, label 2: 3000 dm3/kg is 3 m3/kg, 0.25 MPa is 2.5 bar.
    EXPECT_EQ(linhas[134].substr(0, 49), "2     3,0000E+000     1,0200E+002     2,5000E+000");
    EXPECT_EQ(linhas[134].size(), 1u + 8 * 16);
}

TEST(LinhasRelatorio, ConfiguracaoMudaSoALinha12EATurbinaDeAlta) {
    const ResultadoUsina r = ResultadoExemplo();
    const auto com = LinhasRelatorio(r, true, ",");
    const auto sem = LinhasRelatorio(r, false, ",");
    ASSERT_EQ(sem.size(), 145u);
    EXPECT_EQ(com[11], "Configuração com turbina de alta pressão");
    EXPECT_EQ(sem[11], "Configuração sem turbina de alta pressão");
    EXPECT_EQ(sem[44], "Não há dados.");
    for (std::size_t i = 0; i < 44; ++i) {
        if (i != 11) { EXPECT_EQ(com[i], sem[i]) << "linha " << i + 1; }
    }
    for (std::size_t i = 53; i < 153; ++i) EXPECT_EQ(com[i], sem[i - 8]) << "linha " << i + 1;
}

}  // namespace
