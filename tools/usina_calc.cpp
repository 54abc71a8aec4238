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

    OpcoesCalc opcoes;
    try {
        opcoes = LerOpcoes(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const ErroOpcoes& e) {
        std::cerr << "usina-calc: " << e.what() << "\nTry 'usina-calc --help'.\n";
        return 2;
    }
    if (opcoes.ajuda) {
        std::cout << TextoAjuda() << std::flush;
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
