#include "ui/DefinicaoJanela.h"

#include <QLocale>

#include "plant/TabelaEntradas.h"
#include "ui/Uusina.h"

// One row: caption LabelN beside the field; member and component names come
// from the same token.
#define LINHA(n, campo, texto, tipo) \
    LinhaCampo{&TFusina::Label##n, &TFusina::campo, "Label" #n, #campo, texto, TipoCampo::tipo}

// A plant input: its caption is the one the calculation's messages name it by.
#define ENTRADA(n, campo) LINHA(n, campo, LegendaEntrada(#campo), Entrada)

#define PAINEL(p, n, titulo, item, forma) \
    &TFusina::p, &TFusina::Label##n, #p, "Label" #n, titulo, item, FormaPainel::forma

const std::vector<DefinicaoPainel>& PaineisJanela() {
    static const std::vector<DefinicaoPainel> paineis = {
        {PAINEL(Panel11, 1, "Dados de Entrada Globais", "Dados de Entrada globais", Dados),
         {
             ENTRADA(2, Ecapusi),
             ENTRADA(3, Evap),
             ENTRADA(4, Ebag),
             ENTRADA(5, Epci),
             ENTRADA(6, Epotmoe),
         }},
        {PAINEL(Panel2, 7, "Dados de Entrada", "Dados de Entrada", Dados),
         {
             ENTRADA(8, Eprevap),
             ENTRADA(9, Eprecal),
             ENTRADA(10, Etscal),
             ENTRADA(11, Eefical),
             ENTRADA(12, Epstap),
             ENTRADA(13, Eefitap),
             ENTRADA(14, Eprecon),
             ENTRADA(15, Etcon),
             ENTRADA(16, Eefibom),
             ENTRADA(17, Eefitb),
             ENTRADA(18, Eefitm),
             ENTRADA(19, Emvalv),
             ENTRADA(20, Eefitmp),
         }},
        {PAINEL(Panel3, 21, "Vapor para Processo", "Processo", Dados),
         {
             LINHA(22, Em11, "Vazão de vapor [ton/h]", Saida),
             LINHA(23, Ep11, "Pressão [bar]", Saida),
             LINHA(24, Et11, "Temperatura [°C]", Saida),
             LINHA(25, Etit11, "Título", Saida),
         }},
        {PAINEL(Panel5, 26, "Caldeira", "Caldeira", Dados),
         {
             LINHA(27, Em1c, "Producão de vapor [ton/h]", Saida),
             LINHA(28, Ep19c, "Pressão de Entrada [bar]", Saida),
             LINHA(29, Et19c, "Temperatura de Entrada do Condensado [°C]", Saida),
             LINHA(30, Ep1c, "Pressão de Saída [bar]", Saida),
             LINHA(31, Et1c, "Temperatura de saída do vapor [°C]", Saida),
             LINHA(32, Eefi17, "Eficiência da caldeira [%]", Saida),
             LINHA(33, Emcomb, "Consumo de combustível [kg/s]", Saida),
         }},
        {PAINEL(Panel4, 34, "Turbina de alta pressão", "Turbina alta pressão", Dados),
         {
             LINHA(35, Ep1t, "Pressão de Entrada [bar]", Saida),
             LINHA(36, Et1t, "Temperatura de entrada [°C]", Saida),
             LINHA(37, Em2, "Vazão de vapor [kg/s]", Saida),
             LINHA(38, Ep2, "Pressão de Saída [bar]", Saida),
             LINHA(39, Et2, "Temperatura de saída [°C]", Saida),
             LINHA(40, Eefi12, "Eficiência Isentrópica [%]", Saida),
             LINHA(41, Ew12, "Potência Fornecida [kW]", Saida),
             LINHA(42, Eirr12, "Irreversibilidades [kW]", Saida),
             LINHA(43, Ee2l12, "Eficiência de segunda lei [%]", Saida),
         }},
        {PAINEL(Panel6, 44, "Bombeamento de condensado", "Bomba", Dados),
         {
             LINHA(45, Em18, "Vazão de condensado [kg/s]", Saida),
             LINHA(46, Ep18, "Pressão na entrada [bar]", Saida),
             LINHA(47, Et18, "temperatura na entrada [°C]", Saida),
             LINHA(48, Ep19b, "Pressão na saída [bar]", Saida),
             LINHA(49, Et19b, "Temperatura na saída [°C]", Saida),
             LINHA(50, Eefi20, "Eficiência isentrópica [%]", Saida),
             LINHA(51, Ew20, "Potência Requerida [kW]", Saida),
             LINHA(52, Eirr20, "Irreversibilidades [kW]", Saida),
             LINHA(53, Ee2l20, "Eficiência de segunda lei [%]", Saida),
         }},
        {PAINEL(Panel7, 54, "Turbina de Acionamento da bomba de condensado",
                "Turbina de acionamento bomba", Dados),
         {
             LINHA(55, Ep6, "Pressão de entrada [bar]", SaidaEditavel),
             LINHA(56, Et6, "Temperatura de entrada [°C]", Saida),
             LINHA(57, Ep10, "Pressão de saída [bar]", Saida),
             LINHA(58, Et10, "Temperatura de saída [°C]", Saida),
             LINHA(59, Eefi16, "Eficiência isentrópica [%]", Saida),
             LINHA(60, Ew16, "Potência fornecida [kW]", Saida),
             LINHA(61, Em6, "Vazão de vapor requerido [kg/s]", Saida),
             LINHA(62, Eirr16, "Irreversibilidades [kW]", Saida),
             LINHA(63, Ee2l16, "Eficiência de segunda lei [%]", Saida),
         }},
        {PAINEL(Panel8, 64, "TurboMoenda", "Turbomoenda", Dados),
         {
             LINHA(65, Ep4, "Pressão de Entrada [bar]", Saida),
             LINHA(66, Et4, "Temperatura de Entrada [°C]", Saida),
             LINHA(67, Ep8, "Pressão de saída [bar]", Saida),
             LINHA(68, Et8, "Temperatura de saída [°C]", Saida),
             LINHA(69, Eefi13, "Eficiência Isentrópica [%]", SaidaEditavel),
             LINHA(70, Ew13, "Potência [kW]", SaidaEditavel),
             LINHA(71, Em4, "Vazão de vapor [kg/s]", Saida),
             LINHA(72, Eirr4, "Irreversibilidades [kW]", Saida),
             LINHA(73, Ee2l4, "Eficiência de segunda lei [%]", Saida),
         }},
        {PAINEL(Panel9, 74, "Turbina de Média Pressão", "Turbina média pressão", Dados),
         {
             LINHA(75, Ep5, "Pressão de Entrada [bar]", Saida),
             LINHA(76, Et5, "Temperatura de entrada [°C]", Saida),
             LINHA(77, Ep9, "Pressão de saída [bar]", Saida),
             LINHA(78, Et9, "Temperatura de saída [°C]", Saida),
             LINHA(79, Em5, "Vazão de vapor [kg/s]", Saida),
             LINHA(80, Ew14, "Potência fornecida [kW]", Saida),
             LINHA(81, Eefi14, "Eficiência isentrópica [%]", Saida),
             LINHA(82, Eirr14, "Irreversibilidades [kW]", Saida),
             LINHA(83, Ee2l14, "Eficiência de segunda lei [%]", Saida),
         }},
        {PAINEL(Panel12, 84, "Resultados Globais", "Resultados Gerais", Dados),
         {
             LINHA(85, Eprodvap, "Quantidade de vapor [ton/h]", SaidaEditavel),
             LINHA(86, Eprodbag, "Quantidade de bagaço disponível [ton/h]", Saida),
             LINHA(87, Econbag, "Consumo Bagaço Caldeira [ton/h]", Saida),
             LINHA(88, Eexbag, "Excedente de bagaço [%]", Saida),
             LINHA(89, Epotele, "Potência Elétrica [kW]", Saida),
             LINHA(90, Epotmoa, "Potência de moagem [kW]", Saida),
             LINHA(91, Epotbombea, "Potência de bombeamento [kW]", Saida),
             LINHA(92, Evarent, "Variação de Entalpia no processo [kW]", Saida),
             LINHA(93, Etaxirr, "Taxa de Irreversibilidade no processo[kW]", Saida),
             LINHA(94, Eirrvalv, "Taxa de Irreversibilidade na válvula de Expansão [kW]", Saida),
         }},
        {PAINEL(Panel10, 95, "Dados Gerais por rótulo", "Arquivo de resultados gerais", Relatorio),
         {
             LINHA(96, Etxt, "Digite o nome do arquivo de saída tipo .txt", Entrada),
         }},
        {PAINEL(Panel13, 97, "Fluxograma esquemático da Usina avaliada com contra pressão",
                "Fluxograma", Figura),
         {
             LINHA(98, Ejpeg, "Salvar a figura como .jpeg", Entrada),
         }},
    };
    return paineis;
}

#undef LINHA
#undef ENTRADA
#undef PAINEL

const char* const TituloJanela = "Modelagem Computacional de uma Usina de açúcar e álcool";
const char* const TituloComponentes = "Componentes";
const char* const TextoBanner =
    "Projeto usina: cálculo do sistema de potência e cogeração de uma usina de açúcar e álcool";

QStringList LinhasMemo1() {
    return {
        "Projeto usina",
        "Cálculo do sistema de potência",
        "e cogeração a bagaço de cana",
        "",
        "Este programa foi elaborado para ",
        "uma dada configuração de ",
        "fluxograma correspondente ao",
        "sistema de potência de uma",
        "usina de açúcar e álcool.",
        "",
        "As propriedades da água e do",
        "vapor vêm de rotinas próprias,",
        "escritas a partir da equação",
        "fundamental de Keenan, Keyes,",
        "Hill e Moore (1969).",
    };
}

QStringList LinhasMemo2() {
    return {"Para calcular parâmetros da ", "usina sem turbina de alta ", "pressão, tire o flag."};
}

std::string SeparadorDecimal() { return QLocale().decimalPoint().toStdString(); }
