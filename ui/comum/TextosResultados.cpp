// The result panels' titles and captions (plant/LegendasResultados.cpp),
// listed for lupdate in context "Janela", where the window's own panel
// texts are: the panels, the studies and the help look them up there. Each
// must be the core's text byte for byte (each panel's title, then its
// captions not listed before); the studies' tests check that every one has
// its translation.
#include <QtGlobal>

namespace {

[[maybe_unused]] const char* const TextosResultados[] = {
    QT_TRANSLATE_NOOP("Janela", "Vapor para Processo"),
    QT_TRANSLATE_NOOP("Janela", "Vazão de vapor [ton/h]"),
    QT_TRANSLATE_NOOP("Janela", "Pressão [bar]"),
    QT_TRANSLATE_NOOP("Janela", "Temperatura [°C]"),
    QT_TRANSLATE_NOOP("Janela", "Título"),
    QT_TRANSLATE_NOOP("Janela", "Caldeira"),
    QT_TRANSLATE_NOOP("Janela", "Producão de vapor [ton/h]"),
    QT_TRANSLATE_NOOP("Janela", "Pressão de Entrada [bar]"),
    QT_TRANSLATE_NOOP("Janela", "Temperatura de Entrada do Condensado [°C]"),
    QT_TRANSLATE_NOOP("Janela", "Pressão de Saída [bar]"),
    QT_TRANSLATE_NOOP("Janela", "Temperatura de saída do vapor [°C]"),
    QT_TRANSLATE_NOOP("Janela", "Eficiência da caldeira [%]"),
    QT_TRANSLATE_NOOP("Janela", "Consumo de combustível [kg/s]"),
    QT_TRANSLATE_NOOP("Janela", "Turbina de alta pressão"),
    QT_TRANSLATE_NOOP("Janela", "Temperatura de entrada [°C]"),
    QT_TRANSLATE_NOOP("Janela", "Vazão de vapor [kg/s]"),
    QT_TRANSLATE_NOOP("Janela", "Temperatura de saída [°C]"),
    QT_TRANSLATE_NOOP("Janela", "Eficiência Isentrópica [%]"),
    QT_TRANSLATE_NOOP("Janela", "Potência Fornecida [kW]"),
    QT_TRANSLATE_NOOP("Janela", "Irreversibilidades [kW]"),
    QT_TRANSLATE_NOOP("Janela", "Eficiência de segunda lei [%]"),
    QT_TRANSLATE_NOOP("Janela", "Bombeamento de condensado"),
    QT_TRANSLATE_NOOP("Janela", "Vazão de condensado [kg/s]"),
    QT_TRANSLATE_NOOP("Janela", "Pressão na entrada [bar]"),
    QT_TRANSLATE_NOOP("Janela", "temperatura na entrada [°C]"),
    QT_TRANSLATE_NOOP("Janela", "Pressão na saída [bar]"),
    QT_TRANSLATE_NOOP("Janela", "Temperatura na saída [°C]"),
    QT_TRANSLATE_NOOP("Janela", "Eficiência isentrópica [%]"),
    QT_TRANSLATE_NOOP("Janela", "Potência Requerida [kW]"),
    QT_TRANSLATE_NOOP("Janela", "Turbina de Acionamento da bomba de condensado"),
    QT_TRANSLATE_NOOP("Janela", "Pressão de entrada [bar]"),
    QT_TRANSLATE_NOOP("Janela", "Pressão de saída [bar]"),
    QT_TRANSLATE_NOOP("Janela", "Potência fornecida [kW]"),
    QT_TRANSLATE_NOOP("Janela", "Vazão de vapor requerido [kg/s]"),
    QT_TRANSLATE_NOOP("Janela", "TurboMoenda"),
    QT_TRANSLATE_NOOP("Janela", "Temperatura de Entrada [°C]"),
    QT_TRANSLATE_NOOP("Janela", "Potência [kW]"),
    QT_TRANSLATE_NOOP("Janela", "Turbina de Média Pressão"),
    QT_TRANSLATE_NOOP("Janela", "Resultados Globais"),
    QT_TRANSLATE_NOOP("Janela", "Quantidade de vapor [ton/h]"),
    QT_TRANSLATE_NOOP("Janela", "Quantidade de bagaço disponível [ton/h]"),
    QT_TRANSLATE_NOOP("Janela", "Consumo Bagaço Caldeira [ton/h]"),
    QT_TRANSLATE_NOOP("Janela", "Excedente de bagaço [%]"),
    QT_TRANSLATE_NOOP("Janela", "Potência Elétrica [kW]"),
    QT_TRANSLATE_NOOP("Janela", "Potência de moagem [kW]"),
    QT_TRANSLATE_NOOP("Janela", "Potência de bombeamento [kW]"),
    QT_TRANSLATE_NOOP("Janela", "Variação de Entalpia no processo [kW]"),
    QT_TRANSLATE_NOOP("Janela", "Taxa de Irreversibilidade no processo[kW]"),
    QT_TRANSLATE_NOOP("Janela", "Taxa de Irreversibilidade na válvula de Expansão [kW]"),
};

}  // namespace
