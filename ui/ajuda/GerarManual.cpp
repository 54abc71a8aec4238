// Writes a manual page with its inputs table filled in, in the page's
// language, for the copy that is installed beside the program (the window
// fills its own at run time):
//   usina_gerar_manual PAGINA.html SAIDA.html SEPARADOR pt|en
// The English rows come from the window's translation compiled into the
// program, read directly: nothing needs to be installed on an application.
#include <QFile>
#include <QString>
#include <cstdio>
#include <exception>

#include "ui/ajuda/ManualUsina.h"

int main(int argc, char** argv) {
    const auto idioma = argc == 5 ? IdiomaDoCodigo(QString::fromLatin1(argv[4])) : std::nullopt;
    if (!idioma) {
        std::fprintf(stderr, "uso: %s PAGINA.html SAIDA.html SEPARADOR pt|en\n", argv[0]);
        return 2;
    }
    QFile pagina(QString::fromLocal8Bit(argv[1]));
    if (!pagina.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: não foi possível ler\n", argv[1]);
        return 1;
    }
    const QString html = QString::fromUtf8(pagina.readAll());
    if (!html.contains(QString::fromLatin1(MarcadorTabelaEntradas))) {
        std::fprintf(stderr, "%s: sem o marcador da tabela de entradas\n", argv[1]);
        return 1;
    }
    QString preenchida;
    try {
        preenchida = PreencherManual(html, *idioma, argv[3]);
    } catch (const std::exception& erro) {  // the translation could not be loaded
        std::fprintf(stderr, "%s: %s\n", argv[1], erro.what());
        return 1;
    }
    QFile saida(QString::fromLocal8Bit(argv[2]));
    if (!saida.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        saida.write(preenchida.toUtf8()) < 0 || !saida.flush()) {
        std::fprintf(stderr, "%s: não foi possível gravar\n", argv[2]);
        return 1;
    }
    return 0;
}
