// Plants spread over the whole sensible range, from a fixed seed: every one
// passes the input checks. Every third is without the high-pressure turbine,
// and then that turbine's two fields hold any finite double at all (the
// checks skip them), so that writing and reading numbers is tried on every
// kind of double, subnormals and the largest included.
#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "plant/EntradasUsina.h"

inline double DoubleFinitoSorteado(std::mt19937_64& gerador) {
    for (;;) {
        const double x = std::bit_cast<double>(gerador());
        if (std::isfinite(x)) return x;
    }
}

inline std::vector<EntradasUsina> UsinasSorteadas(int quantas, std::uint64_t semente = 20261208) {
    std::mt19937_64 gerador(semente);
    const auto u = [&](double a, double b) { return std::uniform_real_distribution<>(a, b)(gerador); };
    std::vector<EntradasUsina> usinas;
    for (int i = 0; i < quantas; ++i) {
        EntradasUsina e;
        e.CapacidadeUsina = u(50, 1000);
        e.VaporPorTonelada = u(300, 700);
        e.BagacoPorTonelada = u(200, 320);
        e.PciBagaco = u(6000, 9000);
        e.PotenciaMoagemEspecifica = i % 7 == 0 ? 0.0 : u(0, 30);
        e.PressaoCaldeira = i % 11 == 0 ? u(190, 400) : u(20, 120);  // above 190 bar: the limit
        // Superheated up to 190 bar (saturation at 361.5 degC there).
        e.TemperaturaCaldeira = i % 13 == 0 ? u(1300, 1e6) : u(370, 530);
        e.EficienciaCaldeira = u(60, 95);
        e.PressaoSaidaTurbinaAlta = u(8, std::min(40.0, 0.6 * std::min(e.PressaoCaldeira, 190.0)));
        e.EficienciaTurbinaAlta = u(30, 95);
        e.PressaoProcesso = u(1.2, std::min(6.0, 0.5 * e.PressaoSaidaTurbinaAlta));
        e.PressaoCondensado = u(1, 4);
        e.TemperaturaCondensado = u(40, 95);
        e.EficienciaBomba = u(30, 95);
        e.EficienciaTurbinaBomba = u(30, 95);
        e.EficienciaTurbinaMoenda = u(30, 95);
        e.PercentualValvula = i % 5 == 0 ? 0.0 : u(0, 40);
        e.EficienciaTurbinaMedia = u(30, 95);
        e.comTurbinaAlta = i % 3 != 0;
        if (!e.comTurbinaAlta) {
            e.PressaoSaidaTurbinaAlta = DoubleFinitoSorteado(gerador);
            e.EficienciaTurbinaAlta = DoubleFinitoSorteado(gerador);
        }
        usinas.push_back(e);
    }
    return usinas;
}
