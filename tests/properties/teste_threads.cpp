// Evaluations on several threads at once: each thread's working state, kept
// results and diagnostic recorder are its own, so the results are those of
// one thread alone, bit for bit; and the saturation temperature query.
#include <gtest/gtest.h>

#include <sys/types.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <latch>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "properties/Diagnostico.h"
#include "properties/Erros.h"
#include "properties/dtvp03.h"
#include "tests/EstadosTeste.h"

namespace {

struct Caso {
    PropertyMode modo;
    StatePoint entrada;
};

struct Resultado {
    StatePoint estado;
    PhaseRegion regiao = 0;
    std::string erro;
    std::vector<std::string> linhas;  // diagnostic lines of this call
};

Resultado Avaliar(const Caso& c) {
    Resultado r;
    r.estado = c.entrada;
    GravadorDiagnosticos gravador;
    try {
        EvaluateState(c.modo, r.regiao, r.estado);
    } catch (const ErroPropriedades& e) {
        r.erro = e.what();
    }
    r.linhas = gravador.Linhas();
    return r;
}

// All four modes in every region, at ten pressures (more than the kept
// saturations, so they are evicted and computed again) including both ends
// of the range, with values far outside the table that make the solver write
// its diagnostic line, and inputs repeated at short and long distances so
// that the kept saturations and kept results are both used.
std::vector<Caso> Casos() {
    const double pressoes[] = {PressaoMinima, 0.0101, 0.1013432, 0.25, 1.0,
                               2.2,           4.5,    8.0,       12.5, PressaoMaxima};
    std::vector<Caso> casos;
    auto com = [](double p, int slot, double valor) {
        StatePoint e;
        e.p = p;
        Slot(e, slot) = valor;
        return e;
    };
    for (double t : {-5.0, 20.0, 91.5, 150.0, 250.0, 374.0, 450.0, 600.0, 1300.0}) {
        for (double p : pressoes) casos.push_back({ModoPressaoTemperatura, com(p, 1, t)});
    }
    for (double h : {50.0, 400.0, 1189.83, 2000.0, 2800.0, 3300.0, 9000.0}) {
        for (double p : pressoes) casos.push_back({ModoPressaoEntalpia, com(p, 4, h)});
    }
    for (double s : {0.3, 1.3, 4.0, 6.9, 8.5}) {
        for (double p : pressoes) casos.push_back({ModoPressaoEntropia, com(p, 5, s)});
    }
    for (double x : {0.0, 0.3, 1.0}) {
        for (double p : pressoes) casos.push_back({ModoPressaoTitulo, com(p, 10, x)});
    }
    const std::size_t n = casos.size();
    for (std::size_t i = 0; i < n; i += 3) casos.push_back(casos[i]);  // long distance
    std::vector<Caso> intercalados;
    for (std::size_t i = 0; i < casos.size(); ++i) {
        intercalados.push_back(casos[i]);
        if (i >= 2 && i % 4 == 0) intercalados.push_back(casos[i - 2]);  // short distance
    }
    return intercalados;
}

// The results indexed like the cases, whatever the order they ran in.
std::vector<Resultado> Percorrer(const std::vector<Caso>& casos, bool deTrasParaFrente) {
    std::vector<Resultado> resultados(casos.size());
    for (std::size_t j = 0; j < casos.size(); ++j) {
        const std::size_t i = deTrasParaFrente ? casos.size() - 1 - j : j;
        resultados[i] = Avaliar(casos[i]);
    }
    return resultados;
}

void CompararBits(const std::vector<Resultado>& obtidos, const std::vector<Resultado>& ref) {
    ASSERT_EQ(obtidos.size(), ref.size());
    for (std::size_t i = 0; i < ref.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "caso " << i);
        EXPECT_EQ(std::memcmp(&obtidos[i].estado, &ref[i].estado, sizeof(StatePoint)), 0);
        EXPECT_EQ(obtidos[i].regiao, ref[i].regiao);
        EXPECT_EQ(obtidos[i].erro, ref[i].erro);
        EXPECT_EQ(obtidos[i].linhas, ref[i].linhas);
    }
}

// Diagnostic lines into memory for the test's duration, one entry per write
// the stream makes. The stream is unbuffered, so a line written in one call
// arrives as one write, and a line written piecemeal as several.
class SaidaRegistrada {
public:
    SaidaRegistrada() {
        cookie_io_functions_t funcoes{};
        funcoes.write = [](void* c, const char* dados, std::size_t n) -> ssize_t {
            auto* eu = static_cast<SaidaRegistrada*>(c);
            std::lock_guard<std::mutex> trava(eu->trava_);
            eu->escritas_.emplace_back(dados, n);
            return static_cast<ssize_t>(n);
        };
        arquivo_ = fopencookie(this, "w", funcoes);
        std::setvbuf(arquivo_, nullptr, _IONBF, 0);
        DefinirSaidaDiagnosticos(arquivo_);
    }
    ~SaidaRegistrada() {
        DefinirSaidaDiagnosticos(nullptr);
        std::fclose(arquivo_);
    }
    SaidaRegistrada(const SaidaRegistrada&) = delete;
    SaidaRegistrada& operator=(const SaidaRegistrada&) = delete;

    std::vector<std::string> Escritas() {
        std::lock_guard<std::mutex> trava(trava_);
        return escritas_;
    }

private:
    std::mutex trava_;
    std::vector<std::string> escritas_;
    std::FILE* arquivo_;
};

TEST(EvaluateStateEmThreads, DuasThreadsDaoOsMesmosBitsQueUmaSo) {
    const std::vector<Caso> casos = Casos();
    SaidaRegistrada saida;

    std::vector<Resultado> referencia;
    std::thread([&] { referencia = Percorrer(casos, false); }).join();
    std::size_t linhasReferencia = 0;
    std::set<std::string> textos;
    for (const Resultado& r : referencia) {
        linhasReferencia += r.linhas.size();
        textos.insert(r.linhas.begin(), r.linhas.end());
    }
    ASSERT_GT(linhasReferencia, 0u);  // the diagnostics are part of the comparison

    // Two threads at once, in opposite orders and several rounds, so that
    // each one's kept results differ from the other's at every moment. Each
    // call's recorder must hold that call's lines, none of the other thread's.
    constexpr int Voltas = 8;
    std::vector<std::vector<Resultado>> frente(Voltas), tras(Voltas);
    std::latch largada(2);
    std::thread a([&] {
        largada.arrive_and_wait();
        for (auto& v : frente) v = Percorrer(casos, false);
    });
    std::thread b([&] {
        largada.arrive_and_wait();
        for (auto& v : tras) v = Percorrer(casos, true);
    });
    a.join();
    b.join();
    for (int v = 0; v < Voltas; ++v) {
        SCOPED_TRACE(testing::Message() << "volta " << v);
        CompararBits(frente[v], referencia);
        CompararBits(tras[v], referencia);
    }

    // Every line reached the stream whole, with its newline, in one write.
    const std::vector<std::string> escritas = saida.Escritas();
    EXPECT_EQ(escritas.size(), linhasReferencia * (1 + 2 * Voltas));
    for (const std::string& escrita : escritas) {
        ASSERT_TRUE(!escrita.empty() && escrita.back() == '\n') << escrita;
        EXPECT_TRUE(textos.count(escrita.substr(0, escrita.size() - 1))) << escrita;
    }
}

bool MesmosBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// On a fresh thread (nothing kept yet) the query computes the temperature;
// after an evaluation at the same pressure it finds the kept one. Both are
// the evaluation's own, and the query leaves the working state alone.
TEST(TemperaturaSaturacao, AMesmaQueAAvaliacaoUsa) {
    std::thread([] {
        for (double p : {PressaoMinima, 0.0101, 0.1013432, 2.0, 8.0, 12.5, PressaoMaxima}) {
            SCOPED_TRACE(testing::Message() << "p=" << p);
            const PropertyWorkspace antes = propertyWorkspace;
            const double calculada = TemperaturaSaturacao(p);
            EXPECT_EQ(std::memcmp(&antes, &propertyWorkspace, sizeof antes), 0);
            Avaliar({ModoPressaoTemperatura, PT(p, 20.0)});
            EXPECT_TRUE(MesmosBits(calculada, propertyWorkspace.temperaturaSaturacao))
                << calculada << " " << propertyWorkspace.temperaturaSaturacao;
            Avaliar({ModoPressaoTemperatura, PT(1.0, 20.0)});  // another state behind
            EXPECT_TRUE(MesmosBits(TemperaturaSaturacao(p), calculada));
        }
    }).join();
}

// Asking for saturation temperatures between evaluations, at their own
// pressures and at others, changes none of the evaluations' results.
TEST(TemperaturaSaturacao, NaoMudaAsAvaliacoesSeguintes) {
    const std::vector<Caso> casos = Casos();
    std::vector<Resultado> referencia, comConsultas(casos.size());
    std::thread([&] { referencia = Percorrer(casos, false); }).join();
    std::thread([&] {
        for (std::size_t i = 0; i < casos.size(); ++i) {
            TemperaturaSaturacao(i % 2 == 0 ? casos[i].entrada.p : 3.0 + 1e-3 * static_cast<double>(i));
            comConsultas[i] = Avaliar(casos[i]);
        }
    }).join();
    CompararBits(comConsultas, referencia);
}

TEST(TemperaturaSaturacao, PressaoForaDaFaixaDaOErroDaAvaliacao) {
    for (double p : {19.000001, 0.0006, 0.0, -25.0, double(NAN), double(INFINITY)}) {
        SCOPED_TRACE(testing::Message() << "p=" << p);
        const std::string esperada = Avaliar({ModoPressaoTemperatura, PT(p, 20.0)}).erro;
        ASSERT_FALSE(esperada.empty());
        try {
            TemperaturaSaturacao(p);
            ADD_FAILURE() << "sem erro";
        } catch (const ErroPropriedades& e) {
            EXPECT_EQ(e.what(), esperada);
        }
    }
}

}  // namespace
