// The calculation core's texts that the window shows, listed for lupdate in
// context "Nucleo": the window looks them up with TraduzirNucleo (ui/Idioma.h).
// The core stays free of Qt and keeps them in Portuguese for the report, the
// case files and the exports. Each must be the core's text byte for byte;
// the views' tests check that every one they show has its translation.
// Texts the core composes with numbers (ranges, warnings, stream states,
// messages) are composed again in the window instead (TextosNucleoJanela,
// ModeloCorrentes, TextosFalhasJanela, TextosCasoJanela).
#include <QtGlobal>

namespace {

[[maybe_unused]] const char* const TextosNucleo[] = {
    // Captions of the inputs (plant/TabelaEntradas.cpp).
    QT_TRANSLATE_NOOP("Nucleo", "Capacidade da Usina [ton cana/h]"),
    QT_TRANSLATE_NOOP("Nucleo", "Vapor por tonelada de cana [kg]"),
    QT_TRANSLATE_NOOP("Nucleo", "Bagaço (50% de umidade) por ton de cana [kg]"),
    QT_TRANSLATE_NOOP("Nucleo", "PCI do bagaço [kJ/kg]"),
    QT_TRANSLATE_NOOP("Nucleo", "Potência de moagem [kWh/ton cana]"),
    QT_TRANSLATE_NOOP("Nucleo", "Pressão do vapor para processos [bar]"),
    QT_TRANSLATE_NOOP("Nucleo", "Pressão de operação da Caldeira [bar]"),
    QT_TRANSLATE_NOOP("Nucleo", "Temperatura de saída da caldeira [°C]"),
    QT_TRANSLATE_NOOP("Nucleo", "Eficiência Térmica da Caldeira [%]"),
    QT_TRANSLATE_NOOP("Nucleo", "Pressão de saída na turbina de alta pressão [bar]"),
    QT_TRANSLATE_NOOP("Nucleo", "Eficiência da turbina de alta pressão [%]"),
    QT_TRANSLATE_NOOP("Nucleo", "Pressão do condensado de retorno [bar]"),
    QT_TRANSLATE_NOOP("Nucleo", "Temperatura do condensado de retorno [°C]"),
    QT_TRANSLATE_NOOP("Nucleo", "Eficiência isentrópica da bomba de condensado [%]"),
    QT_TRANSLATE_NOOP("Nucleo", "Eficiência da turbina de acionamento da bomba [%]"),
    QT_TRANSLATE_NOOP("Nucleo", "Eficiência isentrópica da turbomoenda [%]"),
    QT_TRANSLATE_NOOP("Nucleo", "Quantidade de vapor para válvula de expansão [%]"),
    QT_TRANSLATE_NOOP("Nucleo", "Eficiência isentrópica turbina de média pressão [%]"),
    // Units of the inputs that hold a word.
    QT_TRANSLATE_NOOP("Nucleo", "kWh/t cana"),
    QT_TRANSLATE_NOOP("Nucleo", "kg/t cana"),
    QT_TRANSLATE_NOOP("Nucleo", "t cana/h"),
    // What each flowsheet label is (plant/PapeisRotulos.cpp).
    QT_TRANSLATE_NOOP("Nucleo", "Vapor vivo"),
    QT_TRANSLATE_NOOP("Nucleo", "Coletor de vapor"),
    QT_TRANSLATE_NOOP("Nucleo", "Vapor para a válvula de expansão"),
    QT_TRANSLATE_NOOP("Nucleo", "Vapor para a turbomoenda"),
    QT_TRANSLATE_NOOP("Nucleo", "Vapor para a turbina de média pressão"),
    QT_TRANSLATE_NOOP("Nucleo", "Vapor para a turbina da bomba"),
    QT_TRANSLATE_NOOP("Nucleo", "Saída da válvula de expansão"),
    QT_TRANSLATE_NOOP("Nucleo", "Escape da turbomoenda"),
    QT_TRANSLATE_NOOP("Nucleo", "Escape da turbina de média pressão"),
    QT_TRANSLATE_NOOP("Nucleo", "Escape da turbina da bomba"),
    QT_TRANSLATE_NOOP("Nucleo", "Vapor para processo"),
    QT_TRANSLATE_NOOP("Nucleo", "Eixo da turbina de alta pressão"),
    QT_TRANSLATE_NOOP("Nucleo", "Eixo da turbomoenda"),
    QT_TRANSLATE_NOOP("Nucleo", "Eixo da turbina de média pressão"),
    QT_TRANSLATE_NOOP("Nucleo", "Não usado"),
    QT_TRANSLATE_NOOP("Nucleo", "Eixo da turbina da bomba"),
    QT_TRANSLATE_NOOP("Nucleo", "Bagaço (combustível da caldeira)"),
    QT_TRANSLATE_NOOP("Nucleo", "Condensado de retorno"),
    QT_TRANSLATE_NOOP("Nucleo", "Água de alimentação"),
    QT_TRANSLATE_NOOP("Nucleo", "Eixo da bomba de condensado"),
    QT_TRANSLATE_NOOP("Nucleo", "kJ/kg"),
    QT_TRANSLATE_NOOP("Nucleo", "bar"),
    QT_TRANSLATE_NOOP("Nucleo", "°C"),
    QT_TRANSLATE_NOOP("Nucleo", "%"),
    // The same captions without their units: the comparison's rows of inputs
    // (plant/ComparacaoCasos), and its row of the configuration.
    QT_TRANSLATE_NOOP("Nucleo", "Capacidade da Usina"),
    QT_TRANSLATE_NOOP("Nucleo", "Vapor por tonelada de cana"),
    QT_TRANSLATE_NOOP("Nucleo", "Bagaço (50% de umidade) por ton de cana"),
    QT_TRANSLATE_NOOP("Nucleo", "PCI do bagaço"),
    QT_TRANSLATE_NOOP("Nucleo", "Potência de moagem"),
    QT_TRANSLATE_NOOP("Nucleo", "Pressão do vapor para processos"),
    QT_TRANSLATE_NOOP("Nucleo", "Pressão de operação da Caldeira"),
    QT_TRANSLATE_NOOP("Nucleo", "Temperatura de saída da caldeira"),
    QT_TRANSLATE_NOOP("Nucleo", "Eficiência Térmica da Caldeira"),
    QT_TRANSLATE_NOOP("Nucleo", "Pressão de saída na turbina de alta pressão"),
    QT_TRANSLATE_NOOP("Nucleo", "Eficiência da turbina de alta pressão"),
    QT_TRANSLATE_NOOP("Nucleo", "Pressão do condensado de retorno"),
    QT_TRANSLATE_NOOP("Nucleo", "Temperatura do condensado de retorno"),
    QT_TRANSLATE_NOOP("Nucleo", "Eficiência isentrópica da bomba de condensado"),
    QT_TRANSLATE_NOOP("Nucleo", "Eficiência da turbina de acionamento da bomba"),
    QT_TRANSLATE_NOOP("Nucleo", "Eficiência isentrópica da turbomoenda"),
    QT_TRANSLATE_NOOP("Nucleo", "Quantidade de vapor para válvula de expansão"),
    QT_TRANSLATE_NOOP("Nucleo", "Eficiência isentrópica turbina de média pressão"),
    QT_TRANSLATE_NOOP("Nucleo", "Turbina de alta pressão"),
    // The global results' names: the comparison's rows (plant/ResultadoUsina).
    QT_TRANSLATE_NOOP("Nucleo", "Quantidade de vapor"),
    QT_TRANSLATE_NOOP("Nucleo", "Quantidade de bagaço disponível"),
    QT_TRANSLATE_NOOP("Nucleo", "Consumo de bagaço na caldeira"),
    QT_TRANSLATE_NOOP("Nucleo", "Excedente de bagaço"),
    QT_TRANSLATE_NOOP("Nucleo", "Potência elétrica"),
    QT_TRANSLATE_NOOP("Nucleo", "Potência de bombeamento"),
    QT_TRANSLATE_NOOP("Nucleo", "Variação de entalpia no processo"),
    QT_TRANSLATE_NOOP("Nucleo", "Taxa de irreversibilidades no processo"),
    QT_TRANSLATE_NOOP("Nucleo", "Taxa de irreversibilidades na válvula de expansão"),
    // The indicators, the equipment whose exergy destroyed the comparison lists,
    // and the estimate's source (plant/IndicadoresUsina).
    QT_TRANSLATE_NOOP("Nucleo", "Potência elétrica por tonelada de cana"),
    QT_TRANSLATE_NOOP("Nucleo", "Consumo de vapor por tonelada de cana"),
    QT_TRANSLATE_NOOP("Nucleo", "Consumo específico de vapor da turbina de alta pressão"),
    QT_TRANSLATE_NOOP("Nucleo", "Consumo específico de vapor da turbomoenda"),
    QT_TRANSLATE_NOOP("Nucleo", "Consumo específico de vapor da turbina de média pressão"),
    QT_TRANSLATE_NOOP("Nucleo", "Consumo específico de vapor da turbina da bomba"),
    QT_TRANSLATE_NOOP("Nucleo", "Superaquecimento do vapor de processo"),
    QT_TRANSLATE_NOOP("Nucleo", "Eficiência de primeira lei da usina"),
    QT_TRANSLATE_NOOP("Nucleo", "Exergia do bagaço queimado"),
    QT_TRANSLATE_NOOP("Nucleo", "Eficiência de segunda lei da usina"),
    QT_TRANSLATE_NOOP("Nucleo", "Potência exportável"),
    QT_TRANSLATE_NOOP("Nucleo", "Energia exportada por tonelada de cana"),
    QT_TRANSLATE_NOOP("Nucleo", "Turbina da bomba"),
    QT_TRANSLATE_NOOP("Nucleo", "Turbomoenda"),
    QT_TRANSLATE_NOOP("Nucleo", "Válvula de expansão"),
    QT_TRANSLATE_NOOP("Nucleo", "Turbina de média pressão"),
    QT_TRANSLATE_NOOP("Nucleo", "Misturador dos escapes"),
    QT_TRANSLATE_NOOP("Nucleo", "Processo"),
    QT_TRANSLATE_NOOP("Nucleo", "Bomba de condensado"),
    QT_TRANSLATE_NOOP("Nucleo", "total"),
    QT_TRANSLATE_NOOP("Nucleo",
                      "Exergia do bagaço estimada: PCI × 1,36, pela correlação de Szargut e "
                      "Styrylska (1964) para combustíveis sólidos, bagaço seco com C 47 %, H "
                      "6,5 %, O 44 %, cinzas 2,5 % e 50 % de umidade."),
    // The two configurations as the comparison names them (plant/ComparacaoCasos).
    QT_TRANSLATE_NOOP("Nucleo", "Com turbina de alta pressão"),
    QT_TRANSLATE_NOOP("Nucleo", "Sem turbina de alta pressão"),
    // Cogeneration indicators (plant/IndicadoresUsina): names, explanations,
    // the source of the fuel exergy factor.
    QT_TRANSLATE_NOOP("Nucleo",
                      "Potência nos eixos dos geradores (turbinas de alta e de média pressão) "
                      "dividida pela moagem horária de cana."),
    QT_TRANSLATE_NOOP("Nucleo", "Vapor produzido pela caldeira dividido pela moagem horária de cana."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "Vazão de vapor da turbina × 3600 dividida pela sua potência; não definido "
                      "quando a turbina não entrega potência."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "Bagaço disponível menos o queimado na caldeira; negativo quando falta "
                      "bagaço."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "Temperatura do vapor de processo (11) menos a de saturação à sua pressão; "
                      "não definido quando o vapor é úmido."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "(Potência elétrica + potência de moagem + calor ao processo m11·(h11 − "
                      "h18)) / (consumo de bagaço × PCI)."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "Consumo de bagaço × PCI × 1,36 (estimativa: a exergia química do bagaço "
                      "não é dado do cálculo)."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "(Potência elétrica + potência de moagem + exergia cedida ao processo "
                      "m11·(ex11 − ex18)) / exergia do bagaço queimado."),
    QT_TRANSLATE_NOOP("Nucleo",
                      "Potência elétrica × rendimento do gerador menos o consumo elétrico "
                      "próprio da usina; negativa quando a usina importa energia."),
    QT_TRANSLATE_NOOP("Nucleo", "Potência exportável dividida pela moagem horária de cana."),
    // Where exergy is destroyed (indicators, exergy chart) and the names of
    // the T-s diagram's isobars.
    QT_TRANSLATE_NOOP("Nucleo", "Caldeira"),
    QT_TRANSLATE_NOOP("Nucleo", "Coletor"),
    QT_TRANSLATE_NOOP("Nucleo", "Condensado"),
    // The run's closure checks (plant/IndicadoresUsina) and what each share
    // is of.
    QT_TRANSLATE_NOOP("Nucleo", "Massa no coletor"),
    QT_TRANSLATE_NOOP("Nucleo", "Massa no misturador"),
    QT_TRANSLATE_NOOP("Nucleo", "Energia no coletor"),
    QT_TRANSLATE_NOOP("Nucleo", "Energia da usina"),
    QT_TRANSLATE_NOOP("Nucleo", "do vapor produzido"),
    QT_TRANSLATE_NOOP("Nucleo", "do calor da caldeira"),
    // The crushing season (plant/TabelaSafra): its inputs' captions and
    // units, its figures' captions and units.
    QT_TRANSLATE_NOOP("Nucleo", "Duração da safra [dias]"),
    QT_TRANSLATE_NOOP("Nucleo", "Aproveitamento do tempo de moagem [%]"),
    QT_TRANSLATE_NOOP("Nucleo", "Rendimento do gerador [%]"),
    QT_TRANSLATE_NOOP("Nucleo", "Consumo elétrico próprio [kWh/ton cana]"),
    QT_TRANSLATE_NOOP("Nucleo", "Preço da energia exportada [R$/MWh]"),
    QT_TRANSLATE_NOOP("Nucleo", "Preço do bagaço excedente [R$/ton]"),
    QT_TRANSLATE_NOOP("Nucleo", "Investimento [R$]"),
    QT_TRANSLATE_NOOP("Nucleo", "dias"),
    QT_TRANSLATE_NOOP("Nucleo", "Horas de moagem na safra"),
    QT_TRANSLATE_NOOP("Nucleo", "Cana moída na safra"),
    QT_TRANSLATE_NOOP("Nucleo", "Potência nos terminais dos geradores"),
    QT_TRANSLATE_NOOP("Nucleo", "Potência consumida pela usina"),
    QT_TRANSLATE_NOOP("Nucleo", "Energia gerada na safra"),
    QT_TRANSLATE_NOOP("Nucleo", "Energia consumida pela usina na safra"),
    QT_TRANSLATE_NOOP("Nucleo", "Energia exportada na safra"),
    QT_TRANSLATE_NOOP("Nucleo", "Bagaço excedente na safra"),
    QT_TRANSLATE_NOOP("Nucleo", "Receita da energia"),
    QT_TRANSLATE_NOOP("Nucleo", "Receita do bagaço"),
    QT_TRANSLATE_NOOP("Nucleo", "Receita total da safra"),
    QT_TRANSLATE_NOOP("Nucleo", "Investimento"),
    QT_TRANSLATE_NOOP("Nucleo", "Duração da safra"),
    QT_TRANSLATE_NOOP("Nucleo", "Aproveitamento do tempo de moagem"),
    QT_TRANSLATE_NOOP("Nucleo", "Rendimento do gerador"),
    QT_TRANSLATE_NOOP("Nucleo", "Consumo elétrico próprio"),
    QT_TRANSLATE_NOOP("Nucleo", "Preço da energia exportada"),
    QT_TRANSLATE_NOOP("Nucleo", "Preço do bagaço excedente"),
    QT_TRANSLATE_NOOP("Nucleo", "Retorno simples do investimento"),
    QT_TRANSLATE_NOOP("Nucleo", "safras"),
    // The property packages (equipment/PacotePropriedades) and the row that
    // names them in a comparison.
    QT_TRANSLATE_NOOP("Nucleo", "Keenan, Keyes, Hill e Moore (1969)"),
    QT_TRANSLATE_NOOP("Nucleo", "Propriedades da água"),
};

}  // namespace
