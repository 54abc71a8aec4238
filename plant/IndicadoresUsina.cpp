#include "plant/IndicadoresUsina.h"

#include <cmath>

#include "plant/EntradasUsina.h"
#include "plant/EstadoLegivel.h"
#include "plant/PapeisRotulos.h"

const char* const FonteFatorExergia =
    "Exergia do bagaço estimada: PCI × 1,36, pela correlação de Szargut e Styrylska (1964) para "
    "combustíveis sólidos, bagaço seco com C 47 %, H 6,5 %, O 44 %, cinzas 2,5 % e 50 % de "
    "umidade.";

namespace {

namespace R = Rotulo;

constexpr double SegundosPorHora = 3600.0;

// a / b, or nothing when b is zero or the quotient is not a number.
std::optional<double> Razao(double a, double b) {
    if (b == 0.0) return std::nullopt;
    const double q = a / b;
    if (!std::isfinite(q)) return std::nullopt;
    return q;
}

// Steam a turbine takes for each kWh it delivers; not defined for a turbine
// that delivers nothing or takes no steam (a negative flow is a shortfall of
// steam, not a consumption).
std::optional<double> ConsumoEspecifico(const DadosUsina& d, int entrada, int eixo) {
    const double vazao = d.Vazao[static_cast<std::size_t>(entrada)];  // kg/s
    const double potencia = d.Potencia[static_cast<std::size_t>(eixo)];  // kW
    if (!(potencia > 0.0) || !(vazao > 0.0)) return std::nullopt;
    return Razao(vazao * SegundosPorHora, potencia);
}

}  // namespace

IndicadoresUsina CalcularIndicadores(const ResultadoUsina& resultado) {
    ExigirResultadoCompleto(resultado);
    const DadosUsina& d = resultado.dados;
    const ResultadosGlobais& g = resultado.globais;
    const auto& E = d.Estado;
    IndicadoresUsina ind;
    auto& lista = ind.indicadores;

    lista.push_back({"Potência elétrica por tonelada de cana",
                     Razao(g.PotenciaEletrica, d.CapacidadeUsina), "kWh/t",
                     "Potência nos eixos dos geradores (turbinas de alta e de média pressão) "
                     "dividida pela moagem horária de cana.",
                     false});
    lista.push_back({"Consumo de vapor por tonelada de cana",
                     Razao(g.ProducaoVapor * KgPorTonelada, d.CapacidadeUsina), "kg/t",
                     "Vapor produzido pela caldeira dividido pela moagem horária de cana.", false});

    const char* const explicacaoConsumo =
        "Vazão de vapor da turbina × 3600 dividida pela sua potência; não definido quando a "
        "turbina não entrega potência.";
    if (resultado.comTurbinaAlta)
        lista.push_back({"Consumo específico de vapor da turbina de alta pressão",
                         ConsumoEspecifico(d, R::VaporVivo, R::EixoTurbinaAlta), "kg/kWh",
                         explicacaoConsumo, false});
    lista.push_back({"Consumo específico de vapor da turbomoenda",
                     ConsumoEspecifico(d, R::EntradaTurbinaMoenda, R::EixoTurbinaMoenda),
                     "kg/kWh", explicacaoConsumo, false});
    lista.push_back({"Consumo específico de vapor da turbina de média pressão",
                     ConsumoEspecifico(d, R::EntradaTurbinaMedia, R::EixoTurbinaMedia), "kg/kWh",
                     explicacaoConsumo, false});
    lista.push_back({"Consumo específico de vapor da turbina da bomba",
                     ConsumoEspecifico(d, R::EntradaTurbinaBomba, R::EixoTurbinaBomba),
                     "kg/kWh", explicacaoConsumo, false});

    lista.push_back({"Excedente de bagaço", g.BagacoDisponivel - g.ConsumoBagaco, "t/h",
                     "Bagaço disponível menos o queimado na caldeira; negativo quando falta "
                     "bagaço.",
                     false});

    // Superheat of the mixed exhausts; a wet or liquid process stream has none.
    std::optional<double> superaquecimento;
    if (const auto estado = LerEstado(E[R::VaporProcesso], resultado.formulacao)) {
        if (estado->fase == Fase::Superaquecido) superaquecimento = estado->grausK;
        else if (estado->fase == Fase::VaporSaturado) superaquecimento = 0.0;
    }
    lista.push_back({"Superaquecimento do vapor de processo", superaquecimento, "K",
                     "Temperatura do vapor de processo (11) menos a de saturação à sua pressão; "
                     "não definido quando o vapor é úmido.",
                     false});

    // Energy the plant delivers (shaft power to the generators and the mill,
    // heat to the process) over the bagasse's LHV. The pump-drive turbine
    // feeds the pump inside the plant, so neither counts; with no other loss
    // than the boiler's, this equals the boiler's efficiency.
    const double energiaCombustivel = d.ConsumoCombustivel * d.PciBagaco;  // kW
    const double produtoEnergia =
        g.PotenciaEletrica + g.PotenciaMoagem + d.VariacaoEntalpiaProcesso;  // kW
    const std::optional<double> primeiraLei = Razao(produtoEnergia, energiaCombustivel);
    lista.push_back({"Eficiência de primeira lei da usina",
                     primeiraLei ? std::optional<double>(*primeiraLei * Porcento) : std::nullopt,
                     "%",
                     "(Potência elétrica + potência de moagem + calor ao processo m11·(h11 − "
                     "h18)) / (consumo de bagaço × PCI).",
                     false});

    const double exergiaCombustivel = energiaCombustivel * FatorExergiaBagaco;  // kW
    lista.push_back({"Exergia do bagaço queimado", exergiaCombustivel, "kW",
                     "Consumo de bagaço × PCI × 1,36 (estimativa: a exergia química do bagaço "
                     "não é dado do cálculo).",
                     true});

    // Exergy delivered: the shaft power and the exergy the steam gives up in
    // the process, m11 (ex11 - ex18), over the fuel's.
    const double produtoExergia =
        g.PotenciaEletrica + g.PotenciaMoagem + d.IrreversibilidadeProcesso;  // kW
    const std::optional<double> segundaLei = Razao(produtoExergia, exergiaCombustivel);
    lista.push_back({"Eficiência de segunda lei da usina",
                     segundaLei ? std::optional<double>(*segundaLei * Porcento) : std::nullopt,
                     "%",
                     "(Potência elétrica + potência de moagem + exergia cedida ao processo "
                     "m11·(ex11 − ex18)) / exergia do bagaço queimado.",
                     true});

    // What the plant can sell, from the season's generator efficiency and
    // own load; only for a run given the season's inputs.
    if (resultado.safra) {
        const ResultadosSafra& s = *resultado.safra;
        lista.push_back({"Potência exportável", s.PotenciaExportavel, "kW",
                         "Potência elétrica × rendimento do gerador menos o consumo elétrico "
                         "próprio da usina; negativa quando a usina importa energia.",
                         false});
        lista.push_back({"Energia exportada por tonelada de cana", s.ExportacaoPorTonelada,
                         "kWh/t", "Potência exportável dividida pela moagem horária de cana.",
                         false});
    }

    // Where the fuel's exergy is destroyed. The boiler destroys what the
    // water does not take up; the shafts, the process and the valve keep
    // their own figures; the mixer's is the exergy its inlets bring less
    // the mixed stream's. The header only copies its inlet's state into each
    // outlet, so it destroys nothing and has no row.
    const double mCaldeira = d.Vazao[R::VaporVivo];  // kg/s
    const double caldeira =
        exergiaCombustivel - mCaldeira * (E[R::VaporVivo].ex - E[R::AguaAlimentacao].ex);  // kW
    double entraMisturador = 0.0;  // kW
    for (int rotulo : {R::SaidaValvula, R::EscapeTurbinaMoenda, R::EscapeTurbinaMedia,
                       R::EscapeTurbinaBomba}) {
        const auto i = static_cast<std::size_t>(rotulo);
        entraMisturador = entraMisturador + d.Vazao[i] * E[i].ex;
    }
    const double misturador =
        entraMisturador - d.Vazao[R::VaporProcesso] * E[R::VaporProcesso].ex;  // kW

    auto& partes = ind.destruicao;
    partes.push_back({"Caldeira", caldeira, std::nullopt, true});
    if (resultado.comTurbinaAlta)
        partes.push_back(
            {"Turbina de alta pressão", d.Irreversibilidade[R::EixoTurbinaAlta], std::nullopt});
    partes.push_back({"Turbina da bomba", d.Irreversibilidade[R::EixoTurbinaBomba], std::nullopt});
    partes.push_back({"Turbomoenda", d.Irreversibilidade[R::EixoTurbinaMoenda], std::nullopt});
    partes.push_back({"Válvula de expansão", d.IrreversibilidadeValvula, std::nullopt});
    partes.push_back({"Turbina de média pressão", d.Irreversibilidade[R::EixoTurbinaMedia],
                      std::nullopt, false, TurbinaMediaSemVapor(resultado)});
    partes.push_back({"Misturador dos escapes", misturador, std::nullopt});
    partes.push_back({"Processo", d.IrreversibilidadeProcesso, std::nullopt});
    partes.push_back({"Bomba de condensado", d.Irreversibilidade[R::EixoBomba], std::nullopt});

    double total = 0.0;  // kW
    for (const ParcelaDestruicao& p : partes)
        if (!p.naoFisica) total = total + p.potencia;
    ind.destruicaoTotal = total;
    for (ParcelaDestruicao& p : partes) {
        const std::optional<double> fracao = Razao(p.potencia, total);
        if (fracao && !p.naoFisica) p.porcento = *fracao * Porcento;
    }

    // The closure of the run, each residual beside its share of what the
    // balance carries.
    const BalancosUsina& b = resultado.balancos;
    const double vapor = d.Vazao[R::VaporVivo];  // kg/s
    const auto parcela = [](double residuo, double referencia) {
        const std::optional<double> r = Razao(residuo, referencia);
        return r ? std::optional<double>(*r * Porcento) : std::nullopt;
    };
    const char* const doVapor = "do vapor produzido";
    const char* const doCalor = "do calor da caldeira";
    ind.balancos = {
        {"Massa no coletor", b.massaColetor, "kg/s", parcela(b.massaColetor, vapor), doVapor},
        {"Massa no misturador", b.massaMisturador, "kg/s", parcela(b.massaMisturador, vapor),
         doVapor},
        {"Energia no coletor", b.energiaColetor, "kW", parcela(b.energiaColetor, b.calorCaldeira),
         doCalor},
        {"Energia da usina", b.energiaUsina, "kW", parcela(b.energiaUsina, b.calorCaldeira),
         doCalor},
    };
    return ind;
}
