// Texts of the calculation core that the help shows (what's-this texts of
// the fields), listed for lupdate: the inputs' captions and the units that
// change with the language, and the descriptions of the flowsheet labels.
#include <QtGlobal>

[[maybe_unused]] static const char* const TextosNucleoAjuda[] = {
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
    // Units of the inputs.
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
};
