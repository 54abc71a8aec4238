// The computer-program verification tables of IAPWS-IF97 (R7-97(2012)) and
// of its supplementary backward equations (SR3-03(2014), SR5-05(2016)), at
// every printed digit. The releases print v in m3/kg and T in K; the package
// works in dm3/kg (x 1000).
#include <gtest/gtest.h>

#include "if97/Fronteiras.h"
#include "if97/Regiao1.h"
#include "if97/Regiao2.h"
#include "if97/Regiao3.h"
#include "if97/Regiao5.h"
#include "if97/Retrocesso12.h"
#include "if97/Retrocesso3.h"
#include "tests/if97/DigitosIF97.h"

using namespace if97;

namespace {

// T (K) or rho (kg/m3), p (MPa); then v (m3/kg) or p, h, u, s, cp, w.
struct LinhaDireta {
    double a, b, v, h, u, s, cp, w;
};

void Verificar(const PontoIF97& e, double w, const LinhaDireta& l, bool porDensidade) {
    if (porDensidade) EsperarDigitos(e.p, l.v);
    else EsperarDigitos(e.v / 1000.0, l.v);
    EsperarDigitos(e.h, l.h);
    EsperarDigitos(e.u, l.u);
    EsperarDigitos(e.s, l.s);
    EsperarDigitos(e.cp, l.cp);
    EsperarDigitos(w, l.w);
}

}  // namespace

// R7-97(2012) Tables 5, 15 and 42: regions 1, 2 and 5 at (T, p).
TEST(VerificacaoIF97, RegioesDeGibbs) {
    const LinhaDireta regiao1[] = {
        {300, 3, 0.100215168e-2, 0.115331273e3, 0.112324818e3, 0.392294792, 0.417301218e1, 0.150773921e4},
        {300, 80, 0.971180894e-3, 0.184142828e3, 0.106448356e3, 0.368563852, 0.401008987e1, 0.163469054e4},
        {500, 3, 0.120241800e-2, 0.975542239e3, 0.971934985e3, 0.258041912e1, 0.465580682e1, 0.124071337e4},
    };
    const LinhaDireta regiao2[] = {
        {300, 0.0035, 0.394913866e2, 0.254991145e4, 0.241169160e4, 0.852238967e1, 0.191300162e1, 0.427920172e3},
        {700, 0.0035, 0.923015898e2, 0.333568375e4, 0.301262819e4, 0.101749996e2, 0.208141274e1, 0.644289068e3},
        {700, 30, 0.542946619e-2, 0.263149474e4, 0.246861076e4, 0.517540298e1, 0.103505092e2, 0.480386523e3},
    };
    const LinhaDireta regiao5[] = {
        {1500, 0.5, 0.138455090e1, 0.521976855e4, 0.452749310e4, 0.965408875e1, 0.261609445e1, 0.917068690e3},
        {1500, 30, 0.230761299e-1, 0.516723514e4, 0.447495124e4, 0.772970133e1, 0.272724317e1, 0.928548002e3},
        {2000, 30, 0.311385219e-1, 0.657122604e4, 0.563707038e4, 0.853640523e1, 0.288569882e1, 0.106736948e4},
    };
    for (const LinhaDireta& l : regiao1) Verificar(Regiao1(l.b, l.a), VelocidadeSomRegiao1(l.b, l.a), l, false);
    for (const LinhaDireta& l : regiao2) Verificar(Regiao2(l.b, l.a), VelocidadeSomRegiao2(l.b, l.a), l, false);
    for (const LinhaDireta& l : regiao5) Verificar(Regiao5(l.b, l.a), VelocidadeSomRegiao5(l.b, l.a), l, false);
}

// R7-97(2012) Table 33: region 3 at (T, rho), pressure out.
TEST(VerificacaoIF97, Regiao3PorDensidade) {
    const LinhaDireta linhas[] = {
        {650, 500, 0.255837018e2, 0.186343019e4, 0.181226279e4, 0.405427273e1, 0.138935717e2, 0.502005554e3},
        {650, 200, 0.222930643e2, 0.237512401e4, 0.226365868e4, 0.485438792e1, 0.446579342e2, 0.383444594e3},
        {750, 500, 0.783095639e2, 0.225868845e4, 0.210206932e4, 0.446971906e1, 0.634165359e1, 0.760696041e3},
    };
    for (const LinhaDireta& l : linhas) Verificar(Regiao3(l.b, l.a), VelocidadeSomRegiao3(l.b, l.a), l, true);
}

// R7-97(2012) Tables 35 and 36 (saturation), the B23 check value below
// Eq. (6) and the B2bc check value below Eq. (21).
TEST(VerificacaoIF97, Fronteiras) {
    const double pSat[][2] = {{300, 0.353658941e-2}, {500, 0.263889776e1}, {600, 0.123443146e2}};
    for (const auto& l : pSat) EsperarDigitos(PressaoSaturacao(l[0]), l[1]);
    const double tSat[][2] = {{0.1, 0.372755919e3}, {1, 0.453035632e3}, {10, 0.584149488e3}};
    for (const auto& l : tSat) EsperarDigitos(TemperaturaSaturacao(l[0]), l[1]);
    EsperarDigitos(PressaoB23(0.623150000e3), 0.165291643e2);
    EsperarDigitos(TemperaturaB23(0.165291643e2), 0.623150000e3);
    EsperarDigitos(PressaoB2bc(0.3516004323e4), 0.1000000000e3, 10);
    EsperarDigitos(EntalpiaB2bc(0.1000000000e3), 0.3516004323e4, 10);
    // The constant that splits region 3 from regions 1 and 2 by pressure.
    EXPECT_NEAR(PressaoSaturacao(T13), pBaixaRegiao3, 1e-13);
}

// R7-97(2012) Tables 7, 9, 24 and 29: T(p,h) and T(p,s) of regions 1 and 2
// (2a, 2b, 2c in threes). Columns: p (MPa), h or s, T (K).
TEST(VerificacaoIF97, RetrocessoRegioes1e2) {
    const double t1ph[][3] = {{3, 500, 0.391798509e3}, {80, 500, 0.378108626e3}, {80, 1500, 0.611041229e3}};
    const double t1ps[][3] = {{3, 0.5, 0.307842258e3}, {80, 0.5, 0.309979785e3}, {80, 3, 0.565899909e3}};
    const double t2ph[][3] = {
        {0.001, 3000, 0.534433241e3}, {3, 3000, 0.575373370e3}, {3, 4000, 0.101077577e4},
        {5, 3500, 0.801299102e3},     {5, 4000, 0.101531583e4}, {25, 3500, 0.875279054e3},
        {40, 2700, 0.743056411e3},    {60, 2700, 0.791137067e3}, {60, 3200, 0.882756860e3},
    };
    const double t2ps[][3] = {
        {0.1, 7.5, 0.399517097e3}, {0.1, 8, 0.514127081e3},   {2.5, 8, 0.103984917e4},
        {8, 6, 0.600484040e3},     {8, 7.5, 0.106495556e4},   {90, 6, 0.103801126e4},
        {20, 5.75, 0.697992849e3}, {80, 5.25, 0.854011484e3}, {80, 5.75, 0.949017998e3},
    };
    for (const auto& l : t1ph) EsperarDigitos(TemperaturaRegiao1PH(l[0], l[1]), l[2]);
    for (const auto& l : t1ps) EsperarDigitos(TemperaturaRegiao1PS(l[0], l[1]), l[2]);
    for (const auto& l : t2ph) EsperarDigitos(TemperaturaRegiao2PH(l[0], l[1]), l[2]);
    for (const auto& l : t2ps) EsperarDigitos(TemperaturaRegiao2PS(l[0], l[1]), l[2]);
}

// SR3-03(2014) Tables 5 and 8 (p, h: T, v) and 12 and 15 (p, s: T, v),
// subregions 3a then 3b; columns p (MPa), h or s, T (K), v (m3/kg).
TEST(VerificacaoIF97, RetrocessoRegiao3) {
    const double ph[][4] = {
        {20, 1700, 6.293083892e2, 1.749903962e-3},  {50, 2000, 6.905718338e2, 1.908139035e-3},
        {100, 2100, 7.336163014e2, 1.676229776e-3}, {20, 2500, 6.418418053e2, 6.670547043e-3},
        {50, 2400, 7.351848618e2, 2.801244590e-3},  {100, 2700, 8.420460876e2, 2.404234998e-3},
    };
    const double ps[][4] = {
        {20, 3.8, 6.282959869e2, 1.733791463e-3},  {50, 3.6, 6.297158726e2, 1.469680170e-3},
        {100, 4.0, 7.056880237e2, 1.555893131e-3}, {20, 5.0, 6.401176443e2, 6.262101987e-3},
        {50, 4.5, 7.163687517e2, 2.332634294e-3},  {100, 5.0, 8.474332825e2, 2.449610757e-3},
    };
    for (const auto& l : ph) {
        EsperarDigitos(TemperaturaRegiao3PH(l[0], l[1]), l[2], 10);
        EsperarDigitos(VolumeRegiao3PH(l[0], l[1]) / 1000.0, l[3], 10);
    }
    for (const auto& l : ps) {
        EsperarDigitos(TemperaturaRegiao3PS(l[0], l[1]), l[2], 10);
        EsperarDigitos(VolumeRegiao3PS(l[0], l[1]) / 1000.0, l[3], 10);
    }
}

// SR5-05(2016) Table 5: v(p,T) of the two subregions the plant reaches,
// 3c (liquid side) and 3t (vapour side); columns p (MPa), T (K), v (m3/kg).
TEST(VerificacaoIF97, VolumeRegiao3PorPressaoETemperatura) {
    const double c[][3] = {{20, 630, 1.761696406e-3}, {30, 650, 1.819560617e-3}};
    const double t[][3] = {{17, 626, 8.483262001e-3}, {20, 640, 6.227528101e-3}};
    for (const auto& l : c) EsperarDigitos(VolumeRegiao3c(l[0], l[1]) / 1000.0, l[2], 10);
    for (const auto& l : t) EsperarDigitos(VolumeRegiao3t(l[0], l[1]) / 1000.0, l[2], 10);
}
