// Writes a manual page with its inputs table filled in, for the copy that is
// installed beside the program (the window fills its own at run time):
//   usina_gerar_manual PAGINA.html SAIDA.html SEPARADOR
#include <QFile>
#include <QString>
#include <cstdio>

#include "ui/ManualUsina.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "uso: %s PAGINA.html SAIDA.html SEPARADOR\n", argv[0]);
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
    QFile saida(QString::fromLocal8Bit(argv[2]));
    if (!saida.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        saida.write(PreencherManual(html, argv[3]).toUtf8()) < 0 || !saida.flush()) {
        std::fprintf(stderr, "%s: não foi possível gravar\n", argv[2]);
        return 1;
    }
    return 0;
}
