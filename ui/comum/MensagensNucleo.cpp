#include "ui/comum/MensagensNucleo.h"

#include <QStringList>

#include "plant/MensagemErro.h"
#include "ui/comum/TextosNucleoJanela.h"

QString TextoErroTraduzido(const std::exception& erro, Idioma idioma) {
    if (const auto* e = dynamic_cast<const ErroEntradaImpossivel*>(&erro))
        return TextoRecusaTraduzido(*e, idioma);
    if (const auto* e = dynamic_cast<const ErroCaso*>(&erro)) return TextoErroCasoTraduzido(*e, idioma);
    if (const auto* e = dynamic_cast<const ErroArquivoNaoGravado*>(&erro))
        return TextoArquivoNaoGravadoTraduzido(*e, idioma);
    if (const auto* e = dynamic_cast<const ErroPropriedades*>(&erro))
        return TextoFalhaPropriedadesTraduzido(*e, idioma);
    if (const auto* e = dynamic_cast<const ErroVarredura*>(&erro))
        return TextoErroVarreduraTraduzido(*e, idioma);
    if (const auto* e = dynamic_cast<const ErroResultadoIncompleto*>(&erro))
        return TextoResultadoIncompletoTraduzido(*e, idioma);
    return QString::fromUtf8(erro.what());
}

QString TextoErroTraduzido(const std::exception& erro) {
    return TextoErroTraduzido(erro, IdiomaAtual());
}

QString TextoErroTraduzido(const std::exception_ptr& erro) {
    try {
        std::rethrow_exception(erro);
    } catch (const std::exception& e) {
        return TextoErroTraduzido(e);
    } catch (...) {
    }
    return QStringLiteral("Unknown error");
}

QString TextoFalhaTraduzido(const std::exception_ptr& falha, const std::string& mensagem) {
    if (falha == nullptr) return QString::fromStdString(mensagem);
    return QString::fromStdString(MensagemComPonto(TextoErroTraduzido(falha).toStdString()));
}

QString TextoAvisosTraduzidos(const std::vector<AvisoUsina>& avisos, const std::string& separador) {
    QStringList textos;
    for (const AvisoUsina& aviso : avisos) textos << TextoAvisoTraduzido(aviso, separador);
    return textos.join(SeparadorAvisos);
}
