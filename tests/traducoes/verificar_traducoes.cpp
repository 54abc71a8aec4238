// Checks the English translation file against the texts the sources mark for
// translation (a fresh lupdate extraction): every text has a finished,
// non-empty translation; nothing in the file is stale; the translation keeps
// the source's placeholders (%1...) and, where the source has a keyboard
// accelerator (&), has one too. Prints each fault; exit status 1 if any.
//
// verificar_traducoes <usina_en.ts> <extraido.ts>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <cstdio>
#include <map>
#include <utility>

namespace {

struct Mensagem {
    QString traducao;
    QString tipo;  // "unfinished", "vanished", "obsolete" or empty
};

using Chave = std::pair<QString, QString>;  // context, source

bool Ler(const QString& caminho, std::map<Chave, Mensagem>& mensagens, int& falhas) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "não foi possível abrir %s\n", qPrintable(caminho));
        return false;
    }
    QXmlStreamReader xml(&arquivo);
    QString contexto, fonte;
    Mensagem mensagem;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"name") contexto = xml.readElementText();
            else if (xml.name() == u"message") mensagem = {}, fonte.clear();
            else if (xml.name() == u"source") fonte = xml.readElementText();
            else if (xml.name() == u"translation") {
                mensagem.tipo = xml.attributes().value("type").toString();
                mensagem.traducao = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (xml.isEndElement() && xml.name() == u"message") {
            if (!mensagens.emplace(Chave{contexto, fonte}, mensagem).second) {
                std::printf("%s: repetido: [%s] %s\n", qPrintable(caminho), qPrintable(contexto),
                            qPrintable(fonte));
                ++falhas;
            }
        }
    }
    if (xml.hasError()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caminho), qPrintable(xml.errorString()));
        return false;
    }
    return true;
}

QSet<QString> Marcadores(const QString& texto) {
    static const QRegularExpression marcador(QStringLiteral("%L?\\d+"));
    QSet<QString> encontrados;
    for (const auto& m : marcador.globalMatch(texto)) encontrados.insert(m.captured());
    return encontrados;
}

// A single & before a letter (&& is a literal ampersand; &nbsp; and the like
// are HTML entities).
bool TemAcelerador(const QString& texto) {
    static const QRegularExpression acelerador(QStringLiteral("(^|[^&])&(?!&|[a-z]+;|#)\\w"));
    return acelerador.match(texto).hasMatch();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "uso: verificar_traducoes <usina_en.ts> <extraido.ts>\n");
        return 2;
    }
    int falhas = 0;
    std::map<Chave, Mensagem> traduzidas, extraidas;
    if (!Ler(QString::fromLocal8Bit(argv[1]), traduzidas, falhas) ||
        !Ler(QString::fromLocal8Bit(argv[2]), extraidas, falhas))
        return 2;
    const auto falha = [&falhas](const char* o_que, const Chave& chave) {
        std::printf("%s: [%s] %s\n", o_que, qPrintable(chave.first), qPrintable(chave.second));
        ++falhas;
    };
    for (const auto& [chave, mensagem] : extraidas)
        if (!traduzidas.count(chave)) falha("ausente do arquivo de tradução", chave);
    for (const auto& [chave, mensagem] : traduzidas) {
        if (!extraidas.count(chave)) falha("não está mais nas fontes", chave);
        if (!mensagem.tipo.isEmpty()) falha(qPrintable("marcada " + mensagem.tipo), chave);
        if (mensagem.traducao.trimmed().isEmpty()) {
            falha("sem tradução", chave);
            continue;
        }
        if (Marcadores(chave.second) != Marcadores(mensagem.traducao))
            falha("marcadores %n diferentes na tradução", chave);
        if (TemAcelerador(chave.second) && !TemAcelerador(mensagem.traducao))
            falha("tradução sem o atalho &", chave);
    }
    std::printf("%zu textos, %d falhas\n", traduzidas.size(), falhas);
    return falhas == 0 ? 0 : 1;
}
