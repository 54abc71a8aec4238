// usina-calc: the plant calculation from the command line, on the same core
// as the window. See TextoAjuda() for the usage.
#include <clocale>
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "tools/AnaliseCalc.h"
#include "tools/ComparacaoCalc.h"
#include "tools/ExecucaoCalc.h"
#include "tools/OpcoesCalc.h"
#include "tools/VarreduraCalc.h"

int main(int argc, char** argv) {
    // A closed pipe shows up as a failed write (reported, status 1) instead
    // of killing the process silently.
    std::signal(SIGPIPE, SIG_IGN);
    std::setlocale(LC_ALL, "");

    // The language of the messages: --lang, else the locale's, read before
    // the command line is checked so that its refusals are said in it.
    const std::vector<std::string> argumentos(argv + 1, argv + argc);
    const IdiomaCalc idioma = IdiomaCalcDosArgumentos(argumentos).value_or(IdiomaCalcDoAmbiente());
    OpcoesCalc opcoes;
    try {
        opcoes = LerOpcoes(argumentos);
    } catch (const ErroOpcoes& e) {
        std::cerr << "usina-calc: " << e.Texto(idioma) << '\n' << TextoTenteAjuda(idioma) << '\n';
        return 2;
    }
    opcoes.idioma = idioma;
    if (opcoes.ajuda) {
        std::cout << TextoAjuda(idioma) << std::flush;
        return std::cout ? 0 : 1;
    }
    const std::string separador = opcoes.separador ? *opcoes.separador : SeparadorDoLocale();
    // A sweep, an analysis, the two property packages side by side, or a
    // single run: each builds its inputs as a run does.
    if (!opcoes.varreduras.empty())
        return ExecutarVarreduraCalc(opcoes, separador, std::cout, std::cerr);
    if (opcoes.sensibilidade || opcoes.meta || opcoes.otimizar)
        return ExecutarAnaliseCalc(opcoes, separador, std::cout, std::cerr);
    if (opcoes.compararPropriedades)
        return ExecutarComparacaoPropriedades(opcoes, separador, std::cout, std::cerr);
    return ExecutarCalc(opcoes, separador, std::cout, std::cerr);
}
