#include "ui/janela/DefinicaoJanela.h"

#include <QCoreApplication>
#include <initializer_list>

#include "plant/LegendasResultados.h"
#include "plant/TabelaEntradas.h"
#include "ui/janela/Uusina.h"

// One row: caption LabelN beside the field; member and component names come
// from the same token.
#define LINHA_EM(contexto, n, campo, tipo, texto)                                          \
    LinhaCampo{&TFusina::Label##n, &TFusina::campo, "Label" #n, #campo, texto, contexto, \
               TipoCampo::tipo}
#define LINHA(n, campo, tipo, texto) LINHA_EM(ContextoJanela, n, campo, tipo, texto)

// A plant input: its caption is the one the calculation's messages name it by,
// a text of the core translated as such.
#define ENTRADA(n, campo) LINHA_EM("Nucleo", n, campo, Entrada, LegendaEntrada(#campo))

// A plant output: its caption and its panel's title are the result panels'
// table of the core, translated as the window's own texts.
#define SAIDA(n, campo, tipo) LINHA(n, campo, tipo, LegendaResultado(#campo))

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
                TituloPainelResultado("Em11"),
                QT_TRANSLATE_NOOP("Janela", "Processo")),
         {
             SAIDA(22, Em11, Saida),
             SAIDA(23, Ep11, Saida),
             SAIDA(24, Et11, Saida),
             SAIDA(25, Etit11, Saida),
         }},
        {PAINEL(Panel5, 26, Dados,
                TituloPainelResultado("Em1c"),
                QT_TRANSLATE_NOOP("Janela", "Caldeira")),
         {
             SAIDA(27, Em1c, Saida),
             SAIDA(28, Ep19c, Saida),
             SAIDA(29, Et19c, Saida),
             SAIDA(30, Ep1c, Saida),
             SAIDA(31, Et1c, Saida),
             SAIDA(32, Eefi17, Saida),
             SAIDA(33, Emcomb, Saida),
         }},
        {PAINEL(Panel4, 34, Dados,
                TituloPainelResultado("Ep1t"),
                QT_TRANSLATE_NOOP("Janela", "Turbina alta pressão")),
         {
             SAIDA(35, Ep1t, Saida),
             SAIDA(36, Et1t, Saida),
             SAIDA(37, Em2, Saida),
             SAIDA(38, Ep2, Saida),
             SAIDA(39, Et2, Saida),
             SAIDA(40, Eefi12, Saida),
             SAIDA(41, Ew12, Saida),
             SAIDA(42, Eirr12, Saida),
             SAIDA(43, Ee2l12, Saida),
         }},
        {PAINEL(Panel6, 44, Dados,
                TituloPainelResultado("Em18"),
                QT_TRANSLATE_NOOP("Janela", "Bomba")),
         {
             SAIDA(45, Em18, Saida),
             SAIDA(46, Ep18, Saida),
             SAIDA(47, Et18, Saida),
             SAIDA(48, Ep19b, Saida),
             SAIDA(49, Et19b, Saida),
             SAIDA(50, Eefi20, Saida),
             SAIDA(51, Ew20, Saida),
             SAIDA(52, Eirr20, Saida),
             SAIDA(53, Ee2l20, Saida),
         }},
        {PAINEL(Panel7, 54, Dados,
                TituloPainelResultado("Ep6"),
                QT_TRANSLATE_NOOP("Janela", "Turbina de acionamento bomba")),
         {
             SAIDA(55, Ep6, SaidaEditavel),
             SAIDA(56, Et6, Saida),
             SAIDA(57, Ep10, Saida),
             SAIDA(58, Et10, Saida),
             SAIDA(59, Eefi16, Saida),
             SAIDA(60, Ew16, Saida),
             SAIDA(61, Em6, Saida),
             SAIDA(62, Eirr16, Saida),
             SAIDA(63, Ee2l16, Saida),
         }},
        {PAINEL(Panel8, 64, Dados,
                TituloPainelResultado("Ep4"),
                QT_TRANSLATE_NOOP("Janela", "Turbomoenda")),
         {
             SAIDA(65, Ep4, Saida),
             SAIDA(66, Et4, Saida),
             SAIDA(67, Ep8, Saida),
             SAIDA(68, Et8, Saida),
             SAIDA(69, Eefi13, SaidaEditavel),
             SAIDA(70, Ew13, SaidaEditavel),
             SAIDA(71, Em4, Saida),
             SAIDA(72, Eirr4, Saida),
             SAIDA(73, Ee2l4, Saida),
         }},
        {PAINEL(Panel9, 74, Dados,
                TituloPainelResultado("Ep5"),
                QT_TRANSLATE_NOOP("Janela", "Turbina média pressão")),
         {
             SAIDA(75, Ep5, Saida),
             SAIDA(76, Et5, Saida),
             SAIDA(77, Ep9, Saida),
             SAIDA(78, Et9, Saida),
             SAIDA(79, Em5, Saida),
             SAIDA(80, Ew14, Saida),
             SAIDA(81, Eefi14, Saida),
             SAIDA(82, Eirr14, Saida),
             SAIDA(83, Ee2l14, Saida),
         }},
        {PAINEL(Panel12, 84, Dados,
                TituloPainelResultado("Eprodvap"),
                QT_TRANSLATE_NOOP("Janela", "Resultados Gerais")),
         {
             SAIDA(85, Eprodvap, SaidaEditavel),
             SAIDA(86, Eprodbag, Saida),
             SAIDA(87, Econbag, Saida),
             SAIDA(88, Eexbag, Saida),
             SAIDA(89, Epotele, Saida),
             SAIDA(90, Epotmoa, Saida),
             SAIDA(91, Epotbombea, Saida),
             SAIDA(92, Evarent, Saida),
             SAIDA(93, Etaxirr, Saida),
             SAIDA(94, Eirrvalv, Saida),
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
#undef SAIDA
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
