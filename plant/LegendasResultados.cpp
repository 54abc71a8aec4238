#include "plant/LegendasResultados.h"

#include <stdexcept>
#include <string>

const std::vector<PainelResultados>& PaineisResultados() {
    // Captions as the panels have always written them, slips and all
    // ("Producão"): they are the window's texts, and its translations key
    // on them.
    static const std::vector<PainelResultados> paineis = {
        {"Vapor para Processo",
         {
             {"Em11", "Vazão de vapor [ton/h]"},
             {"Ep11", "Pressão [bar]"},
             {"Et11", "Temperatura [°C]"},
             {"Etit11", "Título"},
         }},
        {"Caldeira",
         {
             {"Em1c", "Producão de vapor [ton/h]"},
             {"Ep19c", "Pressão de Entrada [bar]"},
             {"Et19c", "Temperatura de Entrada do Condensado [°C]"},
             {"Ep1c", "Pressão de Saída [bar]"},
             {"Et1c", "Temperatura de saída do vapor [°C]"},
             {"Eefi17", "Eficiência da caldeira [%]"},
             {"Emcomb", "Consumo de combustível [kg/s]"},
         }},
        {"Turbina de alta pressão",
         {
             {"Ep1t", "Pressão de Entrada [bar]"},
             {"Et1t", "Temperatura de entrada [°C]"},
             {"Em2", "Vazão de vapor [kg/s]"},
             {"Ep2", "Pressão de Saída [bar]"},
             {"Et2", "Temperatura de saída [°C]"},
             {"Eefi12", "Eficiência Isentrópica [%]"},
             {"Ew12", "Potência Fornecida [kW]"},
             {"Eirr12", "Irreversibilidades [kW]"},
             {"Ee2l12", "Eficiência de segunda lei [%]"},
         }},
        {"Bombeamento de condensado",
         {
             {"Em18", "Vazão de condensado [kg/s]"},
             {"Ep18", "Pressão na entrada [bar]"},
             {"Et18", "temperatura na entrada [°C]"},
             {"Ep19b", "Pressão na saída [bar]"},
             {"Et19b", "Temperatura na saída [°C]"},
             {"Eefi20", "Eficiência isentrópica [%]"},
             {"Ew20", "Potência Requerida [kW]"},
             {"Eirr20", "Irreversibilidades [kW]"},
             {"Ee2l20", "Eficiência de segunda lei [%]"},
         }},
        {"Turbina de Acionamento da bomba de condensado",
         {
             {"Ep6", "Pressão de entrada [bar]"},
             {"Et6", "Temperatura de entrada [°C]"},
             {"Ep10", "Pressão de saída [bar]"},
             {"Et10", "Temperatura de saída [°C]"},
             {"Eefi16", "Eficiência isentrópica [%]"},
             {"Ew16", "Potência fornecida [kW]"},
             {"Em6", "Vazão de vapor requerido [kg/s]"},
             {"Eirr16", "Irreversibilidades [kW]"},
             {"Ee2l16", "Eficiência de segunda lei [%]"},
         }},
        {"TurboMoenda",
         {
             {"Ep4", "Pressão de Entrada [bar]"},
             {"Et4", "Temperatura de Entrada [°C]"},
             {"Ep8", "Pressão de saída [bar]"},
             {"Et8", "Temperatura de saída [°C]"},
             {"Eefi13", "Eficiência Isentrópica [%]"},
             {"Ew13", "Potência [kW]"},
             {"Em4", "Vazão de vapor [kg/s]"},
             {"Eirr4", "Irreversibilidades [kW]"},
             {"Ee2l4", "Eficiência de segunda lei [%]"},
         }},
        {"Turbina de Média Pressão",
         {
             {"Ep5", "Pressão de Entrada [bar]"},
             {"Et5", "Temperatura de entrada [°C]"},
             {"Ep9", "Pressão de saída [bar]"},
             {"Et9", "Temperatura de saída [°C]"},
             {"Em5", "Vazão de vapor [kg/s]"},
             {"Ew14", "Potência fornecida [kW]"},
             {"Eefi14", "Eficiência isentrópica [%]"},
             {"Eirr14", "Irreversibilidades [kW]"},
             {"Ee2l14", "Eficiência de segunda lei [%]"},
         }},
        {"Resultados Globais",
         {
             {"Eprodvap", "Quantidade de vapor [ton/h]"},
             {"Eprodbag", "Quantidade de bagaço disponível [ton/h]"},
             {"Econbag", "Consumo Bagaço Caldeira [ton/h]"},
             {"Eexbag", "Excedente de bagaço [%]"},
             {"Epotele", "Potência Elétrica [kW]"},
             {"Epotmoa", "Potência de moagem [kW]"},
             {"Epotbombea", "Potência de bombeamento [kW]"},
             {"Evarent", "Variação de Entalpia no processo [kW]"},
             {"Etaxirr", "Taxa de Irreversibilidade no processo[kW]"},
             {"Eirrvalv", "Taxa de Irreversibilidade na válvula de Expansão [kW]"},
         }},
    };
    return paineis;
}

ResultadoNoPainel BuscarResultadoNoPainel(std::string_view nome) {
    for (const PainelResultados& p : PaineisResultados())
        for (const LinhaResultado& l : p.linhas)
            if (nome == l.nome) return {&p, &l};
    return {};
}

namespace {

ResultadoNoPainel Exigir(std::string_view nome) {
    const ResultadoNoPainel achado = BuscarResultadoNoPainel(nome);
    if (achado.linha == nullptr)
        throw std::out_of_range("no result panel shows " + std::string(nome));
    return achado;
}

}  // namespace

const char* LegendaResultado(std::string_view nome) { return Exigir(nome).linha->legenda; }

const char* TituloPainelResultado(std::string_view nome) { return Exigir(nome).painel->titulo; }
