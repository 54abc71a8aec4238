#include "ui/DefinicaoJanela.h"

#include <QCoreApplication>
#include <QLocale>
#include <initializer_list>

#include "plant/TabelaEntradas.h"
#include "ui/Uusina.h"

// One row: caption LabelN beside the field; member and component names come
// from the same token.
#define LINHA_EM(contexto, n, campo, tipo, texto)                                          \
    LinhaCampo{&TFusina::Label##n, &TFusina::campo, "Label" #n, #campo, texto, contexto, \
               TipoCampo::tipo}
#define LINHA(n, campo, tipo, texto) LINHA_EM(ContextoJanela, n, campo, tipo, texto)

// A plant input: its caption is the one the calculation's messages name it by,
// a text of the core translated as such.
#define ENTRADA(n, campo) LINHA_EM("Nucleo", n, campo, Entrada, LegendaEntrada(#campo))

#define PAINEL(p, n, forma, titulo, item) \
    &TFusina::p, &TFusina::Label##n, #p, "Label" #n, titulo, item, FormaPainel::forma

const std::vector<DefinicaoPainel>& PaineisJanela() {
    static const std::vector<DefinicaoPainel> paineis = {
        {PAINEL(Panel11, 1, Dados,
                QT_TRANSLATE_NOOP("Janela", "Dados de Entrada Globais"),
                QT_TRANSLATE_NOOP("Janela", "Dados de Entrada globais")),
         {
             ENTRADA(2, Ecapusi),
             ENTRADA(3, Evap),
             ENTRADA(4, Ebag),
             ENTRADA(5, Epci),
             ENTRADA(6, Epotmoe),
         }},
        {PAINEL(Panel2, 7, Dados,
                QT_TRANSLATE_NOOP("Janela", "Dados de Entrada"),
                QT_TRANSLATE_NOOP("Janela", "Dados de Entrada")),
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
        {PAINEL(Panel3, 21, Dados,
                QT_TRANSLATE_NOOP("Janela", "Vapor para Processo"),
                QT_TRANSLATE_NOOP("Janela", "Processo")),
         {
             LINHA(22, Em11, Saida, QT_TRANSLATE_NOOP("Janela", "Vazão de vapor [ton/h]")),
             LINHA(23, Ep11, Saida, QT_TRANSLATE_NOOP("Janela", "Pressão [bar]")),
             LINHA(24, Et11, Saida, QT_TRANSLATE_NOOP("Janela", "Temperatura [°C]")),
             LINHA(25, Etit11, Saida, QT_TRANSLATE_NOOP("Janela", "Título")),
         }},
        {PAINEL(Panel5, 26, Dados,
                QT_TRANSLATE_NOOP("Janela", "Caldeira"),
                QT_TRANSLATE_NOOP("Janela", "Caldeira")),
         {
             LINHA(27, Em1c, Saida, QT_TRANSLATE_NOOP("Janela", "Producão de vapor [ton/h]")),
             LINHA(28, Ep19c, Saida, QT_TRANSLATE_NOOP("Janela", "Pressão de Entrada [bar]")),
             LINHA(29, Et19c, Saida,
                   QT_TRANSLATE_NOOP("Janela", "Temperatura de Entrada do Condensado [°C]")),
             LINHA(30, Ep1c, Saida, QT_TRANSLATE_NOOP("Janela", "Pressão de Saída [bar]")),
             LINHA(31, Et1c, Saida,
                   QT_TRANSLATE_NOOP("Janela", "Temperatura de saída do vapor [°C]")),
             LINHA(32, Eefi17, Saida, QT_TRANSLATE_NOOP("Janela", "Eficiência da caldeira [%]")),
             LINHA(33, Emcomb, Saida, QT_TRANSLATE_NOOP("Janela", "Consumo de combustível [kg/s]")),
         }},
        {PAINEL(Panel4, 34, Dados,
                QT_TRANSLATE_NOOP("Janela", "Turbina de alta pressão"),
                QT_TRANSLATE_NOOP("Janela", "Turbina alta pressão")),
         {
             LINHA(35, Ep1t, Saida, QT_TRANSLATE_NOOP("Janela", "Pressão de Entrada [bar]")),
             LINHA(36, Et1t, Saida, QT_TRANSLATE_NOOP("Janela", "Temperatura de entrada [°C]")),
             LINHA(37, Em2, Saida, QT_TRANSLATE_NOOP("Janela", "Vazão de vapor [kg/s]")),
             LINHA(38, Ep2, Saida, QT_TRANSLATE_NOOP("Janela", "Pressão de Saída [bar]")),
             LINHA(39, Et2, Saida, QT_TRANSLATE_NOOP("Janela", "Temperatura de saída [°C]")),
             LINHA(40, Eefi12, Saida, QT_TRANSLATE_NOOP("Janela", "Eficiência Isentrópica [%]")),
             LINHA(41, Ew12, Saida, QT_TRANSLATE_NOOP("Janela", "Potência Fornecida [kW]")),
             LINHA(42, Eirr12, Saida, QT_TRANSLATE_NOOP("Janela", "Irreversibilidades [kW]")),
             LINHA(43, Ee2l12, Saida, QT_TRANSLATE_NOOP("Janela", "Eficiência de segunda lei [%]")),
         }},
        {PAINEL(Panel6, 44, Dados,
                QT_TRANSLATE_NOOP("Janela", "Bombeamento de condensado"),
                QT_TRANSLATE_NOOP("Janela", "Bomba")),
         {
             LINHA(45, Em18, Saida, QT_TRANSLATE_NOOP("Janela", "Vazão de condensado [kg/s]")),
             LINHA(46, Ep18, Saida, QT_TRANSLATE_NOOP("Janela", "Pressão na entrada [bar]")),
             LINHA(47, Et18, Saida, QT_TRANSLATE_NOOP("Janela", "temperatura na entrada [°C]")),
             LINHA(48, Ep19b, Saida, QT_TRANSLATE_NOOP("Janela", "Pressão na saída [bar]")),
             LINHA(49, Et19b, Saida, QT_TRANSLATE_NOOP("Janela", "Temperatura na saída [°C]")),
             LINHA(50, Eefi20, Saida, QT_TRANSLATE_NOOP("Janela", "Eficiência isentrópica [%]")),
             LINHA(51, Ew20, Saida, QT_TRANSLATE_NOOP("Janela", "Potência Requerida [kW]")),
             LINHA(52, Eirr20, Saida, QT_TRANSLATE_NOOP("Janela", "Irreversibilidades [kW]")),
             LINHA(53, Ee2l20, Saida, QT_TRANSLATE_NOOP("Janela", "Eficiência de segunda lei [%]")),
         }},
        {PAINEL(Panel7, 54, Dados,
                QT_TRANSLATE_NOOP("Janela", "Turbina de Acionamento da bomba de condensado"),
                QT_TRANSLATE_NOOP("Janela", "Turbina de acionamento bomba")),
         {
             LINHA(55, Ep6, SaidaEditavel, QT_TRANSLATE_NOOP("Janela", "Pressão de entrada [bar]")),
             LINHA(56, Et6, Saida, QT_TRANSLATE_NOOP("Janela", "Temperatura de entrada [°C]")),
             LINHA(57, Ep10, Saida, QT_TRANSLATE_NOOP("Janela", "Pressão de saída [bar]")),
             LINHA(58, Et10, Saida, QT_TRANSLATE_NOOP("Janela", "Temperatura de saída [°C]")),
             LINHA(59, Eefi16, Saida, QT_TRANSLATE_NOOP("Janela", "Eficiência isentrópica [%]")),
             LINHA(60, Ew16, Saida, QT_TRANSLATE_NOOP("Janela", "Potência fornecida [kW]")),
             LINHA(61, Em6, Saida, QT_TRANSLATE_NOOP("Janela", "Vazão de vapor requerido [kg/s]")),
             LINHA(62, Eirr16, Saida, QT_TRANSLATE_NOOP("Janela", "Irreversibilidades [kW]")),
             LINHA(63, Ee2l16, Saida, QT_TRANSLATE_NOOP("Janela", "Eficiência de segunda lei [%]")),
         }},
        {PAINEL(Panel8, 64, Dados,
                QT_TRANSLATE_NOOP("Janela", "TurboMoenda"),
                QT_TRANSLATE_NOOP("Janela", "Turbomoenda")),
         {
             LINHA(65, Ep4, Saida, QT_TRANSLATE_NOOP("Janela", "Pressão de Entrada [bar]")),
             LINHA(66, Et4, Saida, QT_TRANSLATE_NOOP("Janela", "Temperatura de Entrada [°C]")),
             LINHA(67, Ep8, Saida, QT_TRANSLATE_NOOP("Janela", "Pressão de saída [bar]")),
             LINHA(68, Et8, Saida, QT_TRANSLATE_NOOP("Janela", "Temperatura de saída [°C]")),
             LINHA(69, Eefi13, SaidaEditavel,
                   QT_TRANSLATE_NOOP("Janela", "Eficiência Isentrópica [%]")),
             LINHA(70, Ew13, SaidaEditavel, QT_TRANSLATE_NOOP("Janela", "Potência [kW]")),
             LINHA(71, Em4, Saida, QT_TRANSLATE_NOOP("Janela", "Vazão de vapor [kg/s]")),
             LINHA(72, Eirr4, Saida, QT_TRANSLATE_NOOP("Janela", "Irreversibilidades [kW]")),
             LINHA(73, Ee2l4, Saida, QT_TRANSLATE_NOOP("Janela", "Eficiência de segunda lei [%]")),
         }},
        {PAINEL(Panel9, 74, Dados,
                QT_TRANSLATE_NOOP("Janela", "Turbina de Média Pressão"),
                QT_TRANSLATE_NOOP("Janela", "Turbina média pressão")),
         {
             LINHA(75, Ep5, Saida, QT_TRANSLATE_NOOP("Janela", "Pressão de Entrada [bar]")),
             LINHA(76, Et5, Saida, QT_TRANSLATE_NOOP("Janela", "Temperatura de entrada [°C]")),
             LINHA(77, Ep9, Saida, QT_TRANSLATE_NOOP("Janela", "Pressão de saída [bar]")),
             LINHA(78, Et9, Saida, QT_TRANSLATE_NOOP("Janela", "Temperatura de saída [°C]")),
             LINHA(79, Em5, Saida, QT_TRANSLATE_NOOP("Janela", "Vazão de vapor [kg/s]")),
             LINHA(80, Ew14, Saida, QT_TRANSLATE_NOOP("Janela", "Potência fornecida [kW]")),
             LINHA(81, Eefi14, Saida, QT_TRANSLATE_NOOP("Janela", "Eficiência isentrópica [%]")),
             LINHA(82, Eirr14, Saida, QT_TRANSLATE_NOOP("Janela", "Irreversibilidades [kW]")),
             LINHA(83, Ee2l14, Saida, QT_TRANSLATE_NOOP("Janela", "Eficiência de segunda lei [%]")),
         }},
        {PAINEL(Panel12, 84, Dados,
                QT_TRANSLATE_NOOP("Janela", "Resultados Globais"),
                QT_TRANSLATE_NOOP("Janela", "Resultados Gerais")),
         {
             LINHA(85, Eprodvap, SaidaEditavel,
                   QT_TRANSLATE_NOOP("Janela", "Quantidade de vapor [ton/h]")),
             LINHA(86, Eprodbag, Saida,
                   QT_TRANSLATE_NOOP("Janela", "Quantidade de bagaço disponível [ton/h]")),
             LINHA(87, Econbag, Saida,
                   QT_TRANSLATE_NOOP("Janela", "Consumo Bagaço Caldeira [ton/h]")),
             LINHA(88, Eexbag, Saida, QT_TRANSLATE_NOOP("Janela", "Excedente de bagaço [%]")),
             LINHA(89, Epotele, Saida, QT_TRANSLATE_NOOP("Janela", "Potência Elétrica [kW]")),
             LINHA(90, Epotmoa, Saida, QT_TRANSLATE_NOOP("Janela", "Potência de moagem [kW]")),
             LINHA(91, Epotbombea, Saida,
                   QT_TRANSLATE_NOOP("Janela", "Potência de bombeamento [kW]")),
             LINHA(92, Evarent, Saida,
                   QT_TRANSLATE_NOOP("Janela", "Variação de Entalpia no processo [kW]")),
             LINHA(93, Etaxirr, Saida,
                   QT_TRANSLATE_NOOP("Janela", "Taxa de Irreversibilidade no processo[kW]")),
             LINHA(94, Eirrvalv, Saida,
                   QT_TRANSLATE_NOOP("Janela", "Taxa de Irreversibilidade na válvula de Expansão [kW]")),
         }},
        {PAINEL(Panel10, 95, Relatorio,
                QT_TRANSLATE_NOOP("Janela", "Dados Gerais por rótulo"),
                QT_TRANSLATE_NOOP("Janela", "Arquivo de resultados gerais")),
         {
             LINHA(96, Etxt, Entrada,
                   QT_TRANSLATE_NOOP("Janela", "Digite o nome do arquivo de saída tipo .txt")),
         }},
        {PAINEL(Panel13, 97, Figura,
                QT_TRANSLATE_NOOP("Janela", "Fluxograma esquemático da Usina avaliada com contra pressão"),
                QT_TRANSLATE_NOOP("Janela", "Fluxograma")),
         {
             LINHA(98, Ejpeg, Entrada, QT_TRANSLATE_NOOP("Janela", "Salvar a figura como .jpeg")),
         }},
    };
    return paineis;
}

#undef LINHA
#undef LINHA_EM
#undef ENTRADA
#undef PAINEL

const char* const TituloJanela =
    QT_TRANSLATE_NOOP("Janela", "Modelagem Computacional de uma Usina de açúcar e álcool");
const char* const TituloComponentes = QT_TRANSLATE_NOOP("Janela", "Componentes");
const char* const TextoBanner = QT_TRANSLATE_NOOP(
    "Janela",
    "Projeto usina: cálculo do sistema de potência e cogeração de uma usina de açúcar e álcool");

namespace {

// The lines in the window's language; a blank line stays blank.
QStringList Traduzidas(std::initializer_list<const char*> linhas) {
    QStringList traduzidas;
    for (const char* linha : linhas)
        traduzidas << (*linha == '\0' ? QString() : QCoreApplication::translate(ContextoJanela, linha));
    return traduzidas;
}

}  // namespace

QStringList LinhasMemo1() {
    // Each line is translated on its own: the memo shows them as they are,
    // so a translation keeps them about as long.
    return Traduzidas({
        QT_TRANSLATE_NOOP("Janela", "Projeto usina"),
        QT_TRANSLATE_NOOP("Janela", "Cálculo do sistema de potência"),
        QT_TRANSLATE_NOOP("Janela", "e cogeração a bagaço de cana"),
        "",
        QT_TRANSLATE_NOOP("Janela", "Este programa foi elaborado para "),
        QT_TRANSLATE_NOOP("Janela", "uma dada configuração de "),
        QT_TRANSLATE_NOOP("Janela", "fluxograma correspondente ao"),
        QT_TRANSLATE_NOOP("Janela", "sistema de potência de uma"),
        QT_TRANSLATE_NOOP("Janela", "usina de açúcar e álcool."),
        "",
        QT_TRANSLATE_NOOP("Janela", "As propriedades da água e do"),
        QT_TRANSLATE_NOOP("Janela", "vapor vêm de rotinas próprias,"),
        QT_TRANSLATE_NOOP("Janela", "escritas a partir da equação"),
        QT_TRANSLATE_NOOP("Janela", "fundamental de Keenan, Keyes,"),
        QT_TRANSLATE_NOOP("Janela", "Hill e Moore (1969)."),
    });
}

QStringList LinhasMemo2() {
    return Traduzidas({QT_TRANSLATE_NOOP("Janela", "Para calcular parâmetros da "),
                       QT_TRANSLATE_NOOP("Janela", "usina sem turbina de alta "),
                       QT_TRANSLATE_NOOP("Janela", "pressão, tire o flag.")});
}

std::string SeparadorDecimal() { return QLocale().decimalPoint().toStdString(); }
