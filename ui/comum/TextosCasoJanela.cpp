#include "ui/comum/TextosCasoJanela.h"

#include "io/CasoUsina.h"
#include "plant/CamposNomeados.h"
#include "plant/Numeros.h"
#include "ui/comum/TextosFalhasJanela.h"

namespace {

QString Traduzir(Idioma idioma, const char* fonte) { return TraduzirEm(idioma, "Mensagens", fonte); }

QString Texto(const std::string& texto) { return QString::fromStdString(texto); }

QString Aspas(const QString& texto) { return '"' + texto + '"'; }

QString NomeTipo(TipoJson tipo, Idioma idioma) {
    switch (tipo) {
    case TipoJson::Nulo: return QStringLiteral("null");  // JSON's own word
    case TipoJson::Logico: return Traduzir(idioma, QT_TRANSLATE_NOOP("Mensagens", "um valor lógico"));
    case TipoJson::Numero: return Traduzir(idioma, QT_TRANSLATE_NOOP("Mensagens", "um número"));
    case TipoJson::Texto: return Traduzir(idioma, QT_TRANSLATE_NOOP("Mensagens", "um texto"));
    case TipoJson::Lista: return Traduzir(idioma, QT_TRANSLATE_NOOP("Mensagens", "uma lista"));
    case TipoJson::Objeto: return Traduzir(idioma, QT_TRANSLATE_NOOP("Mensagens", "um objeto"));
    }
    return {};
}

// What a key was found to hold: its text as the file has it, or its type.
QString Encontrado(const MotivoCaso& m, Idioma idioma) {
    return m.trecho.empty() ? NomeTipo(m.tipo, idioma) : Texto(m.trecho);
}

QString Posicao(PosicaoTexto posicao, Idioma idioma) {
    return Traduzir(idioma, QT_TRANSLATE_NOOP("Mensagens", "linha %1, coluna %2"))
        .arg(Texto(std::to_string(posicao.linha)), Texto(std::to_string(posicao.coluna)));
}

// "\"Ecapusi\" (caption)": the name as the file has it, the caption
// translated.
QString Entrada(const std::string& campo, Idioma idioma) {
    const char* legenda = LegendaEntradaNomeada(campo);
    return Aspas(Texto(campo)) + " (" + (legenda ? TraduzirNucleo(idioma, legenda) : QString()) +
           ")";
}

}  // namespace

QString TextoMotivoCasoTraduzido(const MotivoCaso& m, const std::string& separador, Idioma idioma) {
    using D = DefeitoCaso;
    const auto traduzir = [idioma](const char* fonte) { return Traduzir(idioma, fonte); };
    const QString maximo = Texto(std::to_string(TamanhoMaximoCaso));
    switch (m.defeito) {
    case D::GrandeDemais:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "é grande demais para um caso: %1 bytes (o "
                                                       "máximo é %2 bytes, 1 MiB)"))
            .arg(Texto(std::to_string(m.bytes)), maximo);
    case D::CresceuAoLer:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "é grande demais para um caso: %1 bytes (o "
                                                       "máximo é %2 bytes, 1 MiB)"))
            .arg(traduzir(QT_TRANSLATE_NOOP("Mensagens", "mais de %1")).arg(maximo), maximo);
    case D::Vazio: return traduzir(QT_TRANSLATE_NOOP("Mensagens", "está vazio"));
    case D::NaoUtf8:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens",
                                          "o texto não está em UTF-8 (byte inválido na %1)"))
            .arg(Posicao(m.posicao, idioma));
    case D::AninhadoDemais:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens",
                                          "objetos e listas aninhados em mais de %1 níveis"))
            .arg(Texto(std::to_string(ProfundidadeMaximaCaso)));
    case D::ChaveRepetida:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "a chave %1 aparece mais de uma vez"))
            .arg(Texto(m.trecho));
    case D::RaizNaoObjeto:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens",
                                          "o conteúdo deve ser um objeto JSON ({...}), não %1"))
            .arg(NomeTipo(m.tipo, idioma));
    case D::NumeroForaDoAlcance:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "o número %1 (%2) está fora do alcance de um "
                                                       "número de ponto flutuante"))
            .arg(Texto(m.trecho), Posicao(m.posicao, idioma));
    case D::Truncado:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "o texto acaba (%1) antes de o JSON se "
                                                       "completar: o arquivo parece truncado"))
            .arg(Posicao(m.posicao, idioma));
    case D::JsonInvalido:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "JSON inválido na %1, em %2"))
            .arg(Posicao(m.posicao, idioma), Texto(m.trecho));
    case D::JsonInvalidoNaoFinito:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "JSON inválido na %1, em %2 (NaN e Infinity "
                                                       "não são números em JSON)"))
            .arg(Posicao(m.posicao, idioma), Texto(m.trecho));
    case D::FaltaFormato:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "falta a chave \"formato\" com o valor \"%1\": "
                                                       "não parece um caso do usina"))
            .arg(QString::fromUtf8(FormatoCaso));
    case D::FormatoErrado:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "\"formato\" deve ser \"%1\", não %2"))
            .arg(QString::fromUtf8(FormatoCaso), Encontrado(m, idioma));
    case D::FaltaVersao: return traduzir(QT_TRANSLATE_NOOP("Mensagens", "falta a chave \"versao\""));
    case D::VersaoNaoNumero:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "\"versao\" deve ser um número, não %1"))
            .arg(NomeTipo(m.tipo, idioma));
    case D::VersaoDesconhecida:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "a versão %1 do formato não é conhecida (este "
                                                       "programa lê a versão %2)"))
            .arg(Texto(TextoExato(m.numero, separador)), Texto(std::to_string(VersaoCaso)));
    case D::FaltaEntrada:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "falta a entrada %1"))
            .arg(Entrada(m.campo, idioma));
    case D::EntradaNaoNumero:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "a entrada %1 deve ser um número, não %2"))
            .arg(Entrada(m.campo, idioma), NomeTipo(m.tipo, idioma));
    case D::FaltaTurbinaAlta:
        return traduzir(
            QT_TRANSLATE_NOOP("Mensagens", "falta a chave \"com_turbina_alta\" (true ou false)"));
    case D::TurbinaAltaNaoLogica:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens",
                                          "\"com_turbina_alta\" deve ser true ou false, não %1"))
            .arg(NomeTipo(m.tipo, idioma));
    case D::PropriedadesInvalidas:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens",
                                          "\"propriedades\" deve ser \"kkhm\" ou \"if97\", não %1"))
            .arg(Encontrado(m, idioma));
    case D::DescricaoNaoTexto:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "\"descricao\" deve ser um texto, não %1"))
            .arg(NomeTipo(m.tipo, idioma));
    case D::EntradaRecusada: break;
    }
    return {};
}

QString TextoErroCasoTraduzido(const ErroCaso& erro, Idioma idioma) {
    const auto traduzir = [idioma](const char* fonte) { return Traduzir(idioma, fonte); };
    const QString arquivo = Aspas(Texto(erro.arquivo()));
    switch (erro.tipo()) {
    case TipoErroCaso::Invalido:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "O arquivo %1 não é um caso válido: %2"))
            .arg(arquivo,
                 erro.recusa() ? TextoRecusaTraduzido(*erro.recusa(), idioma)
                               : TextoMotivoCasoTraduzido(erro.motivo(), erro.separador(), idioma));
    case TipoErroCaso::NaoLido:
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "Não foi possível ler o arquivo %1: %2"))
            .arg(arquivo, TextoFalhaArquivoTraduzido(erro.falha(), idioma));
    case TipoErroCaso::NaoGravado:
        if (erro.recusa() == nullptr) break;
        return traduzir(QT_TRANSLATE_NOOP("Mensagens", "O caso não foi gravado em %1: %2"))
            .arg(arquivo, TextoRecusaTraduzido(*erro.recusa(), idioma));
    case TipoErroCaso::TextoNaoNumero: {
        const char* legenda = LegendaEntradaNomeada(erro.motivo().campo);
        return traduzir(QT_TRANSLATE_NOOP("Mensagens",
                                          "O caso não pode ser gravado: o texto de %1 não é um "
                                          "número: %2"))
            .arg(Aspas(legenda ? TraduzirNucleo(idioma, legenda) : Texto(erro.motivo().campo)),
                 Texto(erro.motivo().trecho));
    }
    }
    return QString::fromUtf8(erro.what());
}

QString TextoAvisoCasoTraduzido(const AvisoCaso& aviso, Idioma idioma) {
    const QString arquivo = Aspas(Texto(aviso.arquivo));
    switch (aviso.tipo) {
    case TipoAvisoCaso::ChaveDesconhecida:
        return Traduzir(idioma, QT_TRANSLATE_NOOP("Mensagens",
                                                  "O arquivo %1 tem a chave desconhecida %2, "
                                                  "ignorada."))
            .arg(arquivo, Texto(aviso.chave));
    case TipoAvisoCaso::MaisChaves:
        return Traduzir(idioma, QT_TRANSLATE_NOOP("Mensagens",
                                                  "O arquivo %1 tem mais %2 chaves desconhecidas, "
                                                  "ignoradas."))
            .arg(arquivo, Texto(std::to_string(aviso.quantidade)));
    }
    return {};
}
