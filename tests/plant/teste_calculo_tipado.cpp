// The typed entry: the same bits as the run through the fields, the same bits
// on two threads at once as one after another, and output and label tables
// that agree with each other.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <thread>
#include <vector>

#include "plant/CalculoCampos.h"
#include "plant/CalculoUsina.h"
#include "plant/CamposMemoria.h"
#include "plant/PapeisRotulos.h"
#include "plant/TabelaSaidas.h"

namespace {

bool MesmosBits(const ResultadoUsina& a, const ResultadoUsina& b) {
    return std::memcmp(&a.dados, &b.dados, sizeof(DadosUsina)) == 0 &&
           std::memcmp(&a.globais, &b.globais, sizeof(ResultadosGlobais)) == 0 &&
           a.avisos == b.avisos && a.situacao == b.situacao;
}

TEST(CalculoTipado, MesmosBitsQueOsCampos) {
    struct Caso {
        bool comTurbina;
        const char* pressao;  // Eprecal as typed
        const char* temperatura;
        double pressaoTipada;  // bar
        double temperaturaTipada;  // degC
    };
    // The limits of 190 bar and 1300 degC apply to typed inputs as to fields.
    const Caso casos[] = {{true, "80,0", "450,0", 80.0, 450.0},
                          {false, "80,0", "450,0", 80.0, 450.0},
                          {true, "250", "1500", 250.0, 1500.0}};
    for (const Caso& caso : casos) {
        CamposMemoria campos(",");
        campos.DefinirCheckBox1(caso.comTurbina);
        campos.DefinirEntrada("Eprecal", caso.pressao);
        campos.DefinirEntrada("Etscal", caso.temperatura);
        ResultadoUsina pelosCampos;
        CalcularUsinaNosCampos(campos, pelosCampos, ",");

        EntradasUsina entradas;
        entradas.comTurbinaAlta = caso.comTurbina;
        entradas.PressaoCaldeira = caso.pressaoTipada;
        entradas.TemperaturaCaldeira = caso.temperaturaTipada;
        ResultadoUsina tipado;
        CalcularUsina(entradas, tipado);
        EXPECT_TRUE(MesmosBits(tipado, pelosCampos)) << caso.pressao << " " << caso.comTurbina;
    }
}

// Plants spread over the whole sensible range, from a fixed seed.
std::vector<EntradasUsina> UsinasSorteadas(int quantas) {
    std::mt19937_64 gerador(20261208);
    const auto u = [&](double a, double b) { return std::uniform_real_distribution<>(a, b)(gerador); };
    std::vector<EntradasUsina> usinas;
    for (int i = 0; i < quantas; ++i) {
        EntradasUsina e;
        e.CapacidadeUsina = u(50, 1000);
        e.VaporPorTonelada = u(300, 700);
        e.BagacoPorTonelada = u(200, 320);
        e.PciBagaco = u(6000, 9000);
        e.PotenciaMoagemEspecifica = u(0, 30);
        e.PressaoCaldeira = u(20, 120);
        e.TemperaturaCaldeira = u(350, 530);
        e.EficienciaCaldeira = u(60, 95);
        e.PressaoSaidaTurbinaAlta = u(8, std::min(40.0, 0.6 * e.PressaoCaldeira));
        e.EficienciaTurbinaAlta = u(30, 95);
        e.PressaoProcesso = u(1.2, std::min(6.0, 0.5 * e.PressaoSaidaTurbinaAlta));
        e.PressaoCondensado = u(1, 4);
        e.TemperaturaCondensado = u(40, 95);
        e.EficienciaBomba = u(30, 95);
        e.EficienciaTurbinaBomba = u(30, 95);
        e.EficienciaTurbinaMoenda = u(30, 95);
        e.PercentualValvula = u(0, 40);
        e.EficienciaTurbinaMedia = u(30, 95);
        e.comTurbinaAlta = i % 3 != 0;
        usinas.push_back(e);
    }
    return usinas;
}

// Each thread has its own property state and caches: runs on two threads at
// once give exactly the bits of the same runs one after another.
TEST(CalculoTipado, DuasThreadsDaoOsMesmosBits) {
    const std::vector<EntradasUsina> usinas = UsinasSorteadas(100);
    std::vector<ResultadoUsina> emSerie(usinas.size());
    for (std::size_t i = 0; i < usinas.size(); ++i) CalcularUsina(usinas[i], emSerie[i]);

    std::vector<ResultadoUsina> emParalelo(usinas.size());
    const auto metade = [&](std::size_t primeira) {
        for (std::size_t i = primeira; i < usinas.size(); i += 2)
            CalcularUsina(usinas[i], emParalelo[i]);
    };
    std::thread outra(metade, 1);
    metade(0);
    outra.join();

    int completos = 0;
    for (std::size_t i = 0; i < usinas.size(); ++i) {
        EXPECT_TRUE(MesmosBits(emSerie[i], emParalelo[i])) << "usina " << i;
        completos += emSerie[i].situacao == SituacaoCalculo::Completo;
    }
    EXPECT_EQ(completos, 100);
}

// A field fed from a label's state shows a stream; power, efficiencies and
// irreversibility come from a shaft (or the boiler's fuel).
TEST(CalculoTipado, SaidasConcordamComOsPapeisDosRotulos) {
    for (const CampoSaida& c : CamposSaida()) {
        SCOPED_TRACE(c.nome);
        const OrigemValor& o = c.origem;
        if (o.tipo == OrigemValor::Tipo::Estado) {
            EXPECT_EQ(PapelDoRotulo(o.rotulo).tipo, TipoRotulo::Corrente);
        } else if (o.tipo == OrigemValor::Tipo::Arranjo) {
            const TipoRotulo tipo = PapelDoRotulo(o.rotulo).tipo;
            if (o.arranjo == &DadosUsina::Vazao) EXPECT_EQ(tipo, TipoRotulo::Corrente);
            else EXPECT_TRUE(tipo == TipoRotulo::Eixo || tipo == TipoRotulo::Combustivel);
        }
    }
    for (int rotulo = 1; rotulo <= NumeroRotulos; ++rotulo)
        EXPECT_EQ(PapelDoRotulo(rotulo).rotulo, rotulo);
}

}  // namespace
