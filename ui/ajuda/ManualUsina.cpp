#include "ui/ajuda/ManualUsina.h"

#include <QFile>

#include "plant/TabelaEntradas.h"
#include "plant/TextosPadrao.h"
#include "ui/comum/TextosNucleoJanela.h"

// The pages are compiled into this static library, which must register them
// (once).
void RegistrarRecursosAjuda() {
    static const bool registrado = [] {
        Q_INIT_RESOURCE(manual);
        return true;
    }();
    (void)registrado;
}

const char* const MarcadorTabelaEntradas = "<!-- tabela-entradas -->";

QUrl EnderecoManual(Idioma idioma) {
    RegistrarRecursosAjuda();
    return QUrl(idioma == Idioma::Ingles ? "qrc:/manual/manual.en.html"
                                         : "qrc:/manual/manual.pt.html");
}

std::optional<Idioma> IdiomaDoEndereco(const QUrl& endereco) {
    for (Idioma idioma : {Idioma::Portugues, Idioma::Ingles})
        if (endereco.adjusted(QUrl::RemoveFragment) == EnderecoManual(idioma)) return idioma;
    return std::nullopt;
}

QString LinhasTabelaEntradas(Idioma idioma, const std::string& separador) {
    const auto celula = [](const QString& texto) {
        return "<td valign=\"top\">" + texto.toHtmlEscaped() + "</td>";
    };
    QString linhas;
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        linhas += "<tr><td valign=\"top\"><code>" + QString::fromUtf8(c.nome) +
                  (c.soComTurbinaAlta ? " &dagger;" : "") + "</code></td>";
        // The caption and unit as the window shows them in idioma; numbers
        // are typed the same in both languages.
        linhas += celula(TraduzirNucleo(idioma, c.legenda)) +
                  celula(UnidadeExplicada(c.unidade, idioma)) +
                  celula(QString::fromStdString(TextoPadrao(c.nome, separador))) +
                  celula(FaixaPermitidaTraduzida(c, separador, idioma) + ".") + "</tr>\n";
    }
    return linhas;
}

QString PreencherManual(const QString& html, Idioma idioma, const std::string& separador) {
    QString pagina = html;
    return pagina.replace(QString::fromLatin1(MarcadorTabelaEntradas),
                          LinhasTabelaEntradas(idioma, separador));
}

QString TextoManual(Idioma idioma, const std::string& separador) {
    QFile arquivo(":" + EnderecoManual(idioma).path());
    if (!arquivo.open(QIODevice::ReadOnly)) return {};
    return PreencherManual(QString::fromUtf8(arquivo.readAll()), idioma, separador);
}
