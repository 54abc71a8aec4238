#include "ui/janela/LinhaComando.h"

#include <QCommandLineParser>
#include <QFileInfo>

OpcoesJanela LerOpcoesJanela(const QStringList& argumentos) {
    QCommandLineParser leitor;
    leitor.setApplicationDescription(
        "Calculadora do sistema de potência e cogeração de uma usina de açúcar e álcool.");
    const QCommandLineOption ajuda = leitor.addHelpOption();
    const QCommandLineOption lingua(
        "lang", "Idioma da janela: pt (português) ou en (inglês); vale só para esta execução.",
        "pt|en");
    leitor.addOption(lingua);
    leitor.addPositionalArgument("caso", "Arquivo de caso (.usina) a abrir.", "[caso.usina]");

    OpcoesJanela opcoes;
    if (!leitor.parse(argumentos)) {
        opcoes = {QString(), true, 2, leitor.errorText() + "\n\n" + leitor.helpText(), {}};
    } else if (leitor.isSet(ajuda) || leitor.isSet("help-all")) {
        opcoes = {QString(), true, 0, leitor.helpText(), {}};
    } else if (leitor.isSet(lingua) && !IdiomaDoCodigo(leitor.value(lingua))) {
        opcoes = {QString(), true, 2,
                  "Idioma desconhecido: \"" + leitor.value(lingua) + "\" (use pt ou en).\n\n" +
                      leitor.helpText(),
                  {}};
    } else if (leitor.positionalArguments().size() > 1) {
        opcoes = {QString(), true, 2,
                  "Abra um caso de cada vez.\n\n" + leitor.helpText(), {}};
    } else if (!leitor.positionalArguments().isEmpty()) {
        opcoes.caso = QFileInfo(leitor.positionalArguments().first()).absoluteFilePath();
    }
    if (!opcoes.sair && leitor.isSet(lingua)) opcoes.idioma = IdiomaDoCodigo(leitor.value(lingua));
    return opcoes;
}
