#include "ui/comum/MensagensNucleo.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <vector>

#include "plant/ErrosPlanta.h"
#include "plant/MensagemErro.h"
#include "plant/TabelaEntradas.h"
#include "plant/ValidacaoEntradas.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/TextosNucleoJanela.h"

namespace {

// The core's sentences, each exactly as it composes it, %n where a part
// varies. Order matters only where one pattern could match another's text:
// the longer sentence comes first.
const char* const Padroes[] = {
    // Refused inputs (plant/ValidacaoEntradas, io/CasoUsina).
    QT_TRANSLATE_NOOP("Mensagens", "Valor impossível em \"%1\": %2. %3."),
    QT_TRANSLATE_NOOP("Mensagens", "Valor impossível em %1: não é um número finito."),
    QT_TRANSLATE_NOOP("Mensagens", "Deve ser um número finito"),
    QT_TRANSLATE_NOOP("Mensagens", "Deve ser maior que zero"),
    QT_TRANSLATE_NOOP("Mensagens", "Deve ser zero ou maior"),
    QT_TRANSLATE_NOOP("Mensagens", "Deve ser maior que 0 e no máximo 100 %"),
    QT_TRANSLATE_NOOP("Mensagens", "Deve estar entre 0 e 100 %"),
    QT_TRANSLATE_NOOP("Mensagens", "Deve estar entre %1 e %2 bar, a faixa das propriedades da água"),
    QT_TRANSLATE_NOOP("Mensagens", "Deve ser menor que a pressão de operação da caldeira, %1 bar"),
    QT_TRANSLATE_NOOP("Mensagens",
                      "Deve ser menor que a pressão de saída na turbina de alta pressão, %1 bar"),
    QT_TRANSLATE_NOOP("Mensagens",
                      "Deve ser maior que a temperatura de saturação à pressão da caldeira, %1 °C: "
                      "o vapor vivo sai superaquecido"),
    QT_TRANSLATE_NOOP("Mensagens",
                      "Deve ser menor que a temperatura de saturação à pressão do condensado, %1 "
                      "°C: o condensado volta líquido"),
    QT_TRANSLATE_NOOP("Mensagens", "Deve ser 0 °C ou mais: abaixo disso a água congela"),
    // Sweeps (plant/Varredura).
    QT_TRANSLATE_NOOP("Mensagens", "Uma varredura tem um ou dois campos de entrada, não %1."),
    QT_TRANSLATE_NOOP("Mensagens", "Campo de entrada desconhecido na varredura: %1."),
    QT_TRANSLATE_NOOP("Mensagens", "O campo de saída %1 aparece duas vezes na varredura."),
    QT_TRANSLATE_NOOP("Mensagens", "O campo %1 aparece duas vezes na varredura."),
    QT_TRANSLATE_NOOP("Mensagens", "O campo %1 só é usado com a turbina de alta pressão."),
    QT_TRANSLATE_NOOP("Mensagens", "A varredura teria mais de %1 pontos."),
    QT_TRANSLATE_NOOP("Mensagens", "Campo de saída desconhecido na varredura: %1."),
    QT_TRANSLATE_NOOP("Mensagens", "A varredura de %1 precisa de pelo menos 2 pontos, não %2."),
    QT_TRANSLATE_NOOP("Mensagens", "A faixa da varredura de %1 dá valores que não são finitos."),
    QT_TRANSLATE_NOOP("Mensagens", "A faixa da varredura de %1 não é finita."),
    QT_TRANSLATE_NOOP("Mensagens", "A faixa da varredura de %1 passa do limite de %2 %3: acima "
                                   "dele o cálculo usa o próprio limite."),
    // A run's warning and results that do not exist (plant/ResultadoUsina).
    QT_TRANSLATE_NOOP("Mensagens",
                      "Vapor insuficiente: faltam %1 t/h para a turbina de média pressão"),
    QT_TRANSLATE_NOOP("Mensagens",
                      "Vapor úmido no coletor: título %1 na saída da turbina de alta pressão"),
    QT_TRANSLATE_NOOP("Mensagens", "Pressão da caldeira limitada a %1 bar"),
    QT_TRANSLATE_NOOP("Mensagens", "Temperatura de saída da caldeira limitada a %1 °C"),
    QT_TRANSLATE_NOOP("Mensagens",
                      "Propriedades do rótulo %1 não convergiram: resultados não confiáveis"),
    QT_TRANSLATE_NOOP("Mensagens", "Vapor de processo úmido: título %1"),
    QT_TRANSLATE_NOOP("Mensagens",
                      "Escape da turbina de alta pressão com título %1, abaixo de %2"),
    QT_TRANSLATE_NOOP("Mensagens", "Escape da turbomoenda com título %1, abaixo de %2"),
    QT_TRANSLATE_NOOP("Mensagens",
                      "Escape da turbina de média pressão com título %1, abaixo de %2"),
    QT_TRANSLATE_NOOP("Mensagens", "Escape da turbina da bomba com título %1, abaixo de %2"),
    QT_TRANSLATE_NOOP("Mensagens", "Balanço de energia não fecha: %1 kW"),
    QT_TRANSLATE_NOOP("Mensagens",
                      "Ainda não há resultados: execute o cálculo (Executar) antes de gravar."),
    QT_TRANSLATE_NOOP("Mensagens",
                      "O último cálculo não terminou: não há resultados completos para gravar."),
    // The water properties (properties/, plant/DiagramaTs).
    QT_TRANSLATE_NOOP("Mensagens",
                      "Pressão fora da faixa das propriedades da água (0,0006109 a 19 MPa): %1"),
    QT_TRANSLATE_NOOP("Mensagens", "Modo de cálculo das propriedades da água inválido: %1"),
    QT_TRANSLATE_NOOP("Mensagens", "Título fora do intervalo de 0 a 1: %1"),
    QT_TRANSLATE_NOOP("Mensagens", "Sistema de equações singular no cálculo das propriedades da água"),
    QT_TRANSLATE_NOOP("Mensagens", "Temperatura fora da curva de saturação"),
    QT_TRANSLATE_NOOP("Mensagens", "Sem líquido e vapor saturados separados a esta temperatura"),
    // Case files (io/CasoUsina): the message, then its reasons.
    QT_TRANSLATE_NOOP("Mensagens", "O arquivo %1 não é um caso válido: %2"),
    QT_TRANSLATE_NOOP("Mensagens", "Não foi possível ler o arquivo %1: %2"),
    QT_TRANSLATE_NOOP("Mensagens", "O caso não foi gravado em %1: %2"),
    QT_TRANSLATE_NOOP("Mensagens", "O caso não pode ser gravado: o texto de %1 não é um número: %2"),
    QT_TRANSLATE_NOOP("Mensagens", "O arquivo %1 tem a chave desconhecida %2, ignorada."),
    QT_TRANSLATE_NOOP("Mensagens", "O arquivo %1 tem mais %2 chaves desconhecidas, ignoradas."),
    QT_TRANSLATE_NOOP("Mensagens", "está vazio"),
    QT_TRANSLATE_NOOP("Mensagens", "o texto não está em UTF-8 (byte inválido na %1)"),
    QT_TRANSLATE_NOOP("Mensagens", "linha %1, coluna %2"),
    QT_TRANSLATE_NOOP("Mensagens",
                      "falta a chave \"formato\" com o valor \"%1\": não parece um caso do usina"),
    QT_TRANSLATE_NOOP("Mensagens", "\"formato\" deve ser \"%1\", não %2"),
    QT_TRANSLATE_NOOP("Mensagens", "falta a chave \"versao\""),
    QT_TRANSLATE_NOOP("Mensagens", "\"propriedades\" deve ser \"kkhm\" ou \"if97\", não %1"),
    QT_TRANSLATE_NOOP("Mensagens", "\"versao\" deve ser um número, não %1"),
    QT_TRANSLATE_NOOP("Mensagens",
                      "a versão %1 do formato não é conhecida (este programa lê a versão %2)"),
    QT_TRANSLATE_NOOP("Mensagens", "falta a entrada %1"),
    QT_TRANSLATE_NOOP("Mensagens", "a entrada %1 deve ser um número, não %2"),
    QT_TRANSLATE_NOOP("Mensagens", "falta a chave \"com_turbina_alta\" (true ou false)"),
    QT_TRANSLATE_NOOP("Mensagens", "\"com_turbina_alta\" deve ser true ou false, não %1"),
    QT_TRANSLATE_NOOP("Mensagens", "\"descricao\" deve ser um texto, não %1"),
    QT_TRANSLATE_NOOP("Mensagens", "objetos e listas aninhados em mais de %1 níveis"),
    QT_TRANSLATE_NOOP("Mensagens", "a chave %1 aparece mais de uma vez"),
    QT_TRANSLATE_NOOP("Mensagens", "o conteúdo deve ser um objeto JSON ({...}), não %1"),
    QT_TRANSLATE_NOOP("Mensagens",
                      "o número %1 (%2) está fora do alcance de um número de ponto flutuante"),
    QT_TRANSLATE_NOOP("Mensagens",
                      "o texto acaba (%1) antes de o JSON se completar: o arquivo parece truncado"),
    QT_TRANSLATE_NOOP("Mensagens",
                      "JSON inválido na %1, em %2 (NaN e Infinity não são números em JSON)"),
    QT_TRANSLATE_NOOP("Mensagens", "JSON inválido na %1, em %2"),
    QT_TRANSLATE_NOOP("Mensagens", "é grande demais para um caso: %1 bytes (o máximo é %2 bytes, 1 MiB)"),
    QT_TRANSLATE_NOOP("Mensagens", "mais de %1"),
    QT_TRANSLATE_NOOP("Mensagens", "um valor lógico"),
    QT_TRANSLATE_NOOP("Mensagens", "um número"),
    QT_TRANSLATE_NOOP("Mensagens", "um texto"),
    QT_TRANSLATE_NOOP("Mensagens", "uma lista"),
    QT_TRANSLATE_NOOP("Mensagens", "um objeto"),
    QT_TRANSLATE_NOOP("Mensagens", "o arquivo não existe"),
    QT_TRANSLATE_NOOP("Mensagens", "uma parte do caminho não é uma pasta"),
    QT_TRANSLATE_NOOP("Mensagens", "é uma pasta, não um arquivo"),
    QT_TRANSLATE_NOOP("Mensagens", "acesso negado"),
    QT_TRANSLATE_NOOP("Mensagens", "o nome é longo demais"),
    QT_TRANSLATE_NOOP("Mensagens", "ligações simbólicas em ciclo"),
    QT_TRANSLATE_NOOP("Mensagens", "arquivos abertos demais"),
    QT_TRANSLATE_NOOP("Mensagens", "erro de entrada e saída %1"),
    QT_TRANSLATE_NOOP("Mensagens", "nome de arquivo inválido"),
    // Files written, and files that are not regular ones (io/ErrosArquivo).
    QT_TRANSLATE_NOOP("Mensagens", "Não foi possível gravar o arquivo %1: %2"),
    QT_TRANSLATE_NOOP("Mensagens", "a pasta não existe"),
    QT_TRANSLATE_NOOP("Mensagens", "não há permissão para criar arquivos na pasta"),
    QT_TRANSLATE_NOOP("Mensagens", "o sistema de arquivos só permite leitura"),
    QT_TRANSLATE_NOOP("Mensagens", "o disco está cheio"),
    QT_TRANSLATE_NOOP("Mensagens", "o arquivo passa do tamanho máximo permitido"),
    QT_TRANSLATE_NOOP("Mensagens", "é uma FIFO (pipe nomeado), não um arquivo comum"),
    QT_TRANSLATE_NOOP("Mensagens", "é um soquete, não um arquivo comum"),
    QT_TRANSLATE_NOOP("Mensagens", "é um dispositivo, não um arquivo comum"),
    // The settings file (ui/Configuracoes).
    QT_TRANSLATE_NOOP("Mensagens", "As configurações em %1 não foram lidas: %2; esta sessão usa "
                                   "os valores padrão e não as guarda."),
    QT_TRANSLATE_NOOP("Mensagens", "é grande demais: %1 bytes (o máximo é %2 bytes)"),
};

struct Padrao {
    const char* fonte;
    QRegularExpression expressao;
};

// Literal text matched as it is, each %n as the shortest text that lets the
// whole message match.
const std::vector<Padrao>& PadroesCompilados() {
    static const std::vector<Padrao> padroes = [] {
        static const QRegularExpression marcador(QStringLiteral("%\\d"));
        std::vector<Padrao> lista;
        for (const char* fonte : Padroes) {
            const QString texto = QString::fromUtf8(fonte);
            QString expressao = QStringLiteral("^");
            qsizetype inicio = 0;
            for (const auto& m : marcador.globalMatch(texto)) {
                expressao += QRegularExpression::escape(texto.mid(inicio, m.capturedStart() - inicio));
                expressao += QStringLiteral("(.+?)");
                inicio = m.capturedEnd();
            }
            expressao += QRegularExpression::escape(texto.mid(inicio)) + QStringLiteral("$");
            lista.push_back({fonte, QRegularExpression(expressao)});
        }
        return lista;
    }();
    return padroes;
}

QString Traduzir(const QString& texto, int profundidade);

// A variable part: a sentence of its own, a caption, a quoted caption or
// "name" (caption); anything else (numbers, file names) as it is.
QString TraduzirParte(const QString& parte, int profundidade) {
    const QString traduzida = Traduzir(parte, profundidade);
    if (traduzida != parte) return traduzida;
    static const QRegularExpression campo(QStringLiteral("^(\"[^\"]+\") \\((.+)\\)$"));
    if (const auto m = campo.match(parte); m.hasMatch())
        return m.captured(1) + " (" + TraduzirParte(m.captured(2), profundidade) + ")";
    if (parte.size() > 2 && parte.startsWith('"') && parte.endsWith('"'))
        return '"' + TraduzirParte(parte.mid(1, parte.size() - 2), profundidade) + '"';
    return TraduzirNucleo(parte.toUtf8().constData());
}

QString Traduzir(const QString& texto, int profundidade) {
    if (profundidade > 4) return texto;  // reasons nest two or three deep
    for (const Padrao& padrao : PadroesCompilados()) {
        const auto m = padrao.expressao.match(texto);
        if (!m.hasMatch()) continue;
        QString traduzido = QCoreApplication::translate("Mensagens", padrao.fonte);
        // Parts are put in one pass, so a % inside a part is never read as
        // a marker.
        QStringList partes;
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            partes << TraduzirParte(m.captured(i), profundidade + 1);
        QString resultado;
        static const QRegularExpression marcador(QStringLiteral("%(\\d)"));
        qsizetype inicio = 0;
        for (const auto& marca : marcador.globalMatch(traduzido)) {
            resultado += traduzido.mid(inicio, marca.capturedStart() - inicio);
            const int n = marca.captured(1).toInt();
            resultado += n >= 1 && n <= partes.size() ? partes[n - 1] : marca.captured();
            inicio = marca.capturedEnd();
        }
        return resultado + traduzido.mid(inicio);
    }
    return texto;
}

}  // namespace

QString TraduzirMensagem(const QString& mensagem) {
    if (IdiomaAtual() == Idioma::Portugues) return mensagem;
    return Traduzir(mensagem, 0);
}

QString TextoRecusaTraduzido(const ErroEntradaImpossivel& erro) {
    const auto traduzir = [](const char* texto) {
        return QCoreApplication::translate("Mensagens", texto);
    };
    const CampoEntradaUsina* campo = BuscarCampoEntrada(erro.campo());
    if (IdiomaAtual() == Idioma::Portugues || erro.motivo() == MotivoRecusa::Outro ||
        campo == nullptr)
        return TraduzirMensagem(QString::fromUtf8(erro.what()));
    // The reason's sentence with its numbers, as the core writes them.
    QString motivo = traduzir(ModeloMotivoRecusa(erro.motivo()));
    for (const std::string& numero :
         NumerosMotivoRecusa(erro.motivo(), erro.limite(), erro.separador()))
        motivo = motivo.arg(QString::fromStdString(numero));
    return traduzir(QT_TRANSLATE_NOOP("Mensagens", "Valor impossível em \"%1\": %2. %3."))
        .arg(TraduzirNucleo(campo->legenda),
             QString::fromStdString(NumeroRecusado(erro.valor(), erro.separador())), motivo);
}

QString TextoErroTraduzido(const std::exception& erro) {
    if (const auto* recusa = dynamic_cast<const ErroEntradaImpossivel*>(&erro))
        return TextoRecusaTraduzido(*recusa);
    return TraduzirMensagem(QString::fromUtf8(erro.what()));
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
    if (falha != nullptr) {
        try {
            std::rethrow_exception(falha);
        } catch (const ErroEntradaImpossivel& e) {
            return QString::fromStdString(MensagemComPonto(TextoRecusaTraduzido(e).toStdString()));
        } catch (...) {
        }
    }
    return TraduzirMensagem(QString::fromStdString(mensagem));
}

QString TextoAvisosTraduzidos(const std::vector<AvisoUsina>& avisos, const std::string& separador) {
    QStringList textos;
    for (const AvisoUsina& aviso : avisos) textos << TextoAvisoTraduzido(aviso, separador);
    return textos.join(SeparadorAvisos);
}

QString TraduzirAvisos(const QString& avisos) {
    if (IdiomaAtual() == Idioma::Portugues) return avisos;
    QStringList partes = avisos.split(SeparadorAvisos);
    for (QString& parte : partes) parte = Traduzir(parte, 0);
    return partes.join(SeparadorAvisos);
}
