#include "ui/comum/TextosNucleoJanela.h"

#include <QCoreApplication>
#include <string_view>

#include "plant/EntradasUsina.h"
#include "plant/Numeros.h"
#include "plant/PapeisRotulos.h"
#include "plant/TabelaEntradas.h"
#include "ui/comum/Idioma.h"

namespace {

QString Traduzir(const char* texto) {
    return QCoreApplication::translate("TextosNucleoJanela", texto);
}

// A warning's number as the core writes it (NumeroAvisoPonto), with the
// user's separator.
QString NumeroAviso(const AvisoUsina& aviso, const std::string& separador) {
    QString texto = QString::fromStdString(NumeroAvisoPonto(aviso));
    return texto.replace(QLatin1Char('.'), QString::fromStdString(separador));
}

}  // namespace

QString FaixaPermitidaTraduzida(const CampoEntradaUsina& campo, const std::string& separador) {
    return FaixaPermitidaTraduzida(campo, separador, IdiomaAtual());
}

QString FaixaPermitidaTraduzida(const CampoEntradaUsina& campo, const std::string& separador,
                                Idioma idioma) {
    const auto traduzir = [idioma](const char* texto) {
        return TraduzirEm(idioma, "TextosNucleoJanela", texto);
    };
    const std::string nome = campo.nome;
    QString faixa;
    switch (campo.regra) {
    case RegraEntrada::Positiva:
        faixa = traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela", "Maior que zero"));
        break;
    case RegraEntrada::NaoNegativa:
        faixa = traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela", "Zero ou maior"));
        break;
    case RegraEntrada::Eficiencia:
        faixa = traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela", "Maior que 0 e no máximo 100 %"));
        break;
    case RegraEntrada::Percentual:
        faixa = traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela", "De 0 a 100 %"));
        break;
    case RegraEntrada::Pressao:
        faixa = traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela", "De %1 a %2 bar"))
                    .arg(QString::fromStdString(TextoExato(PressaoMinimaBar, separador)),
                                 QString::fromStdString(TextoExato(PressaoMaximaBar, separador)));
        break;
    case RegraEntrada::Livre: break;
    }
    // The relations the checks make between fields.
    if (nome == "Eprevap")
        faixa += traduzir(QT_TRANSLATE_NOOP(
            "TextosNucleoJanela",
            ", menor que a pressão de saída na turbina de alta pressão (sem ela, menor que a "
            "pressão de operação da caldeira)"));
    else if (nome == "Epstap" || nome == "Eprecon")
        faixa += traduzir(
            QT_TRANSLATE_NOOP("TextosNucleoJanela", ", menor que a pressão de operação da caldeira"));
    else if (nome == "Etscal")
        faixa = traduzir(QT_TRANSLATE_NOOP(
            "TextosNucleoJanela",
            "Maior que a temperatura de saturação à pressão da caldeira (vapor superaquecido)"));
    else if (nome == "Etcon")
        faixa = traduzir(QT_TRANSLATE_NOOP(
            "TextosNucleoJanela",
            "De 0 °C até abaixo da temperatura de saturação à pressão do condensado "
            "(condensado líquido)"));
    // The reading's own limit: larger values are read as the limit.
    if (campo.limite != 0.0) {
        const QString limite = QString::fromUtf8(campo.textoLimite);
        faixa += traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela", "; acima de %1 %2 é lido como %3"))
                     .arg(limite, TraduzirNucleo(idioma, campo.unidade), limite);
    }
    return faixa;
}

QString UnidadeExplicada(const char* unidade) { return UnidadeExplicada(unidade, IdiomaAtual()); }

QString UnidadeExplicada(const char* unidade, Idioma idioma) {
    if (std::string_view(unidade) == "bar")
        return TraduzirEm(idioma, "TextosNucleoJanela", QT_TRANSLATE_NOOP("TextosNucleoJanela", "bar (abs.)"));
    return TraduzirNucleo(idioma, unidade);
}

QString DicaEntrada(const CampoEntradaUsina& campo, const std::string& separador) {
    return Traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela", "%1\nUnidade: %2\nValores aceitos: %3."))
        .arg(TraduzirNucleo(campo.legenda), UnidadeExplicada(campo.unidade),
             FaixaPermitidaTraduzida(campo, separador));
}

QString TextoAvisoTraduzido(const AvisoUsina& aviso, const std::string& separador) {
    const QString numero = NumeroAviso(aviso, separador);
    switch (aviso.tipo) {
    case TipoAviso::VaporInsuficiente:
        return Traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela",
                                          "Vapor insuficiente: faltam %1 t/h para a turbina de "
                                          "média pressão"))
            .arg(numero);
    case TipoAviso::ColetorUmido:
        return Traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela",
                                          "Vapor úmido no coletor: título %1 na saída da turbina "
                                          "de alta pressão"))
            .arg(numero);
    case TipoAviso::PressaoLimitada:
        return Traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela",
                                          "Pressão da caldeira limitada a %1 bar"))
            .arg(numero);
    case TipoAviso::TemperaturaLimitada:
        return Traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela",
                                          "Temperatura de saída da caldeira limitada a %1 °C"))
            .arg(numero);
    case TipoAviso::NaoConvergiu:
        return Traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela",
                                          "Propriedades do rótulo %1 não convergiram: resultados "
                                          "não confiáveis"))
            .arg(aviso.rotulo);
    case TipoAviso::ProcessoUmido:
        return Traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela", "Vapor de processo úmido: título %1"))
            .arg(numero);
    case TipoAviso::EscapeUmido: {
        const AvisoUsina minimo{TipoAviso::EscapeUmido, QualidadeMinimaEscape};
        const char* texto = nullptr;
        switch (aviso.rotulo) {
        case Rotulo::Coletor:
            texto = QT_TRANSLATE_NOOP("TextosNucleoJanela",
                                      "Escape da turbina de alta pressão com título %1, abaixo de %2");
            break;
        case Rotulo::EscapeTurbinaMoenda:
            texto = QT_TRANSLATE_NOOP("TextosNucleoJanela",
                                      "Escape da turbomoenda com título %1, abaixo de %2");
            break;
        case Rotulo::EscapeTurbinaMedia:
            texto = QT_TRANSLATE_NOOP("TextosNucleoJanela",
                                      "Escape da turbina de média pressão com título %1, abaixo de %2");
            break;
        case Rotulo::EscapeTurbinaBomba:
            texto = QT_TRANSLATE_NOOP("TextosNucleoJanela",
                                      "Escape da turbina da bomba com título %1, abaixo de %2");
            break;
        default:
            texto = QT_TRANSLATE_NOOP("TextosNucleoJanela",
                                      "Escape da turbina com título %1, abaixo de %2");
            break;
        }
        return Traduzir(texto).arg(numero, NumeroAviso(minimo, separador));
    }
    case TipoAviso::BalancoNaoFecha:
        return Traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela", "Balanço de energia não fecha: %1 kW"))
            .arg(numero);
    case TipoAviso::ImportaEnergia:
        return Traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela",
                                          "A usina importa energia: %1 MWh na safra"))
            .arg(numero);
    case TipoAviso::FaltaBagaco:
        return Traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela", "Falta bagaço: %1 t na safra"))
            .arg(numero);
    }
    return numero;  // not reached: every kind of warning has its text
}

QString TextoSituacaoTraduzida(SituacaoCalculo situacao) {
    switch (situacao) {
    case SituacaoCalculo::Recusado:
        return Traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela",
                                          "Dados de entrada recusados: nada foi calculado. Corrija "
                                          "o campo indicado e execute de novo."));
    case SituacaoCalculo::Interrompido:
        return Traduzir(QT_TRANSLATE_NOOP("TextosNucleoJanela",
                                          "O último cálculo parou com um erro: os resultados "
                                          "mostrados estão incompletos."));
    case SituacaoCalculo::SemCalculo:
    case SituacaoCalculo::Completo:
        break;
    }
    return {};
}
