#include "tools/OpcoesCalc.h"

#include <langinfo.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <utility>

#include "plant/CamposNomeados.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSafra.h"
#include "tools/VarreduraCalc.h"

namespace {

// The options that take a value.
constexpr std::array<const char*, 8> OpcoesComValor = {
    "--separator", "--report", "--case",  "--save-case",
    "--sweep",     "--outputs", "--jobs", "--propriedades"};

bool TomaValor(const std::string& argumento) {
    return std::find(OpcoesComValor.begin(), OpcoesComValor.end(), argumento) != OpcoesComValor.end();
}

// The input fields of the calculation. The window's file-name fields are
// inputs too, but the tool does not use them; accepting them silently
// would mislead.
std::string ListaEntradasUsina() {
    std::string lista;
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        if (!lista.empty()) lista += ", ";
        lista += c.nome;
    }
    return lista;
}

// The crushing season's inputs and figures.
std::string ListaEntradasSafra() {
    std::string lista;
    for (const CampoEntradaSafra& c : CamposEntradaSafra()) {
        if (!lista.empty()) lista += ", ";
        lista += c.nome;
    }
    return lista;
}

std::string ListaSaidasSafra() {
    std::string lista;
    for (const CampoSaidaSafra& c : CamposSaidaSafra()) {
        if (!lista.empty()) lista += ", ";
        lista += c.nome;
    }
    return lista;
}

std::string ListaEntradas() { return ListaEntradasUsina() + ", " + ListaEntradasSafra(); }

// CLI11 takes "--opcao=" (nothing after the '=') for the option without a
// value and then consumes the next argument as its value. The value options
// are split here, so an empty value stays empty and is refused below; and a
// value option at the very end, whose value CLI11 would report in its own
// words, is refused here.
std::vector<std::string> Preparados(const std::vector<std::string>& argumentos) {
    std::vector<std::string> saida;
    for (const std::string& a : argumentos) {
        const std::size_t igual = a.find('=');
        if (a.starts_with("--") && igual != std::string::npos && TomaValor(a.substr(0, igual))) {
            saida.push_back(a.substr(0, igual));
            saida.push_back(a.substr(igual + 1));
        } else {
            saida.push_back(a);
        }
    }
    for (std::size_t i = 0; i < saida.size(); ++i) {
        if (!TomaValor(saida[i])) continue;
        if (i + 1 == saida.size()) throw ErroOpcoes("option " + saida[i] + " needs a value");
        ++i;  // the value, whatever it looks like
    }
    return saida;
}

std::optional<std::string> Valor(const CLI::Option* opcao, const std::string& valor) {
    return opcao->count() > 0 ? std::optional<std::string>(valor) : std::nullopt;
}

void ExigirNome(const std::optional<std::string>& nome, const char* opcao) {
    if (nome && nome->empty()) throw ErroOpcoes(std::string("option ") + opcao + " needs a file name");
}

// FIELD=START:END:N, split; the parts are read when the sweep runs.
VarreduraDigitada LerVarredura(const std::string& texto) {
    const std::size_t igual = texto.find('=');
    std::vector<std::string> partes;
    if (igual != std::string::npos) {
        std::size_t inicio = igual + 1;
        for (std::size_t dois; (dois = texto.find(':', inicio)) != std::string::npos; inicio = dois + 1)
            partes.push_back(texto.substr(inicio, dois - inicio));
        partes.push_back(texto.substr(inicio));
    }
    if (partes.size() != 3)
        throw ErroOpcoes("option --sweep takes FIELD=START:END:N, not '" + texto + "'");
    return {texto.substr(0, igual), partes[0], partes[1], partes[2]};
}

unsigned LerTarefas(const std::string& texto) {
    unsigned tarefas = 0;
    const char* fim = texto.data() + texto.size();
    const auto r = std::from_chars(texto.data(), fim, tarefas);
    if (r.ec != std::errc() || r.ptr != fim || tarefas < 1 || tarefas > MaximoTarefas)
        throw ErroOpcoes("option --jobs takes a whole number of threads from 1 to " +
                         std::to_string(MaximoTarefas) + ", not '" + texto + "'");
    return tarefas;
}

}  // namespace

bool SeparadorValido(const std::string& separador) {
    if (separador.empty()) return false;
    for (char c : separador) {
        if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'E' || c == 'e' || c == ' ')
            return false;
    }
    return true;
}

std::string SeparadorDoLocale() {
    const char* radix = nl_langinfo(RADIXCHAR);
    const std::string separador = radix != nullptr ? radix : "";
    return SeparadorValido(separador) ? separador : ".";
}

OpcoesCalc LerOpcoes(const std::vector<std::string>& argumentos) {
    OpcoesCalc op;
    CLI::App app("", "usina-calc");
    app.set_help_flag();  // the tool's own help text, TextoAjuda
    app.allow_extras();   // unknown options are named below, in the tool's words
    std::string separador, relatorio, caso, salvarCaso, saidas, tarefas, propriedades;
    std::vector<std::string> campos, varreduras;
    app.add_flag("-h,--help", op.ajuda);
    app.add_flag("--json", op.json);
    app.add_flag("--csv", op.csv);
    app.add_flag("--without-hp-turbine", op.semTurbinaAlta);
    app.add_flag("--compare-properties", op.compararPropriedades);
    const auto ultimo = CLI::MultiOptionPolicy::TakeLast;
    const CLI::Option* opSeparador = app.add_option("--separator", separador)->multi_option_policy(ultimo);
    const CLI::Option* opRelatorio = app.add_option("--report", relatorio)->multi_option_policy(ultimo);
    const CLI::Option* opCaso = app.add_option("--case", caso)->multi_option_policy(ultimo);
    const CLI::Option* opSalvar = app.add_option("--save-case", salvarCaso)->multi_option_policy(ultimo);
    const CLI::Option* opSaidas = app.add_option("--outputs", saidas)->multi_option_policy(ultimo);
    const CLI::Option* opTarefas = app.add_option("--jobs", tarefas)->multi_option_policy(ultimo);
    const CLI::Option* opPropriedades =
        app.add_option("--propriedades", propriedades)->multi_option_policy(ultimo);
    // One value per --sweep: the FIELD=TEXT arguments after it are not its values.
    app.add_option("--sweep", varreduras)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option("campos", campos);

    // CLI11 takes the arguments last first.
    std::vector<std::string> invertidos = Preparados(argumentos);
    std::reverse(invertidos.begin(), invertidos.end());
    try {
        app.parse(invertidos);
    } catch (const CLI::ParseError& e) {
        throw ErroOpcoes(e.what());
    }
    for (const std::string& resto : app.remaining())
        throw ErroOpcoes("unknown option '" + resto + "'");

    for (const std::string& a : campos) {
        const std::size_t igual = a.find('=');
        if (igual == std::string::npos)
            throw ErroOpcoes("argument '" + a + "' is neither an option nor FIELD=TEXT");
        const std::string campo = a.substr(0, igual);
        if (!BuscarEntrada(campo))
            throw ErroOpcoes("unknown input field '" + campo + "' (inputs: " + ListaEntradas() + ")");
        op.entradas.emplace_back(campo, a.substr(igual + 1));
    }

    op.separador = Valor(opSeparador, separador);
    if (op.separador && !SeparadorValido(*op.separador))
        throw ErroOpcoes("unusable decimal separator '" + *op.separador +
                         "' (it must not be empty nor contain digits, signs, E, e or spaces)");
    op.relatorio = Valor(opRelatorio, relatorio);
    op.caso = Valor(opCaso, caso);
    op.salvarCaso = Valor(opSalvar, salvarCaso);
    ExigirNome(op.relatorio, "--report");
    ExigirNome(op.caso, "--case");
    ExigirNome(op.salvarCaso, "--save-case");
    if (op.json && op.csv) throw ErroOpcoes("options --json and --csv cannot be used together");
    if (opPropriedades->count() > 0) {
        const PacotePropriedades* pacote = PacotePorCodigo(propriedades);
        if (pacote == nullptr)
            throw ErroOpcoes("option --propriedades takes kkhm or if97, not '" + propriedades + "'");
        op.propriedades = pacote->formulacao;
    }
    // The comparison prints a table of its own.
    if (op.compararPropriedades)
        for (const auto& [dada, nome] :
             {std::pair{op.json, "--json"}, std::pair{op.csv, "--csv"},
              std::pair{op.relatorio.has_value(), "--report"}, std::pair{!varreduras.empty(), "--sweep"},
              std::pair{op.propriedades.has_value(), "--propriedades"}})
            if (dada)
                throw ErroOpcoes(std::string("option ") + nome +
                                 " cannot be used with --compare-properties");

    for (const std::string& v : varreduras) op.varreduras.push_back(LerVarredura(v));
    op.saidas = Valor(opSaidas, saidas);
    if (opTarefas->count() > 0) op.tarefas = LerTarefas(tarefas);
    if (op.varreduras.empty()) {
        if (op.saidas) throw ErroOpcoes("option --outputs needs --sweep");
        if (op.tarefas) throw ErroOpcoes("option --jobs needs --sweep");
        return op;
    }
    if (op.varreduras.size() > 2) throw ErroOpcoes("option --sweep can be given once or twice");
    // A sweep prints its own table; the single run's outputs have no place.
    for (const auto& [dada, nome] : {std::pair{op.json, "--json"}, std::pair{op.csv, "--csv"},
                                     std::pair{op.relatorio.has_value(), "--report"}}) {
        if (dada) throw ErroOpcoes(std::string("option ") + nome + " cannot be used with --sweep");
    }
    // START:END:N could not be told apart.
    if (op.separador && op.separador->find(':') != std::string::npos)
        throw ErroOpcoes("option --sweep cannot be used with the decimal separator '" +
                         *op.separador + "'");
    if (op.saidas && op.saidas->empty()) throw ErroOpcoes("option --outputs needs output field names");
    return op;
}

std::string TextoAjuda() {
    return "Usage: usina-calc [OPTION]... [FIELD=TEXT]...\n"
           "  or:  usina-calc --sweep FIELD=START:END:N [--sweep ...] [OPTION]... [FIELD=TEXT]...\n"
           "Runs the plant calculation from the window's default inputs and prints\n"
           "every field the run wrote, one FIELD=TEXT line each, in writing order.\n"
           "With --sweep, runs it for each point of a sweep and prints a CSV table.\n"
           "\n"
           "  FIELD=TEXT             replace an input field's text, as typed in the window\n"           "                         (a season field's for --json, --csv and --sweep)\n"
           "  --without-hp-turbine   calculate without the high-pressure turbine\n"
           "  --separator C          decimal separator (default: the locale's)\n"
           "  --case FILE            start from the inputs and configuration of a case\n"
           "                         file (.usina); FIELD=TEXT and --without-hp-turbine\n"
           "                         then change them\n"
           "  --save-case FILE       save this run's inputs and configuration as a case\n"
           "                         file, then run\n"
           "  --report NAME          after a successful run, write the report to NAME.txt\n"
           "  --json                 print inputs, results, stream states, the season,\n"
           "                         warnings and fields as one JSON object\n"
           "  --csv                  print the stream table as CSV (';' and a decimal\n"
           "                         comma when the separator is ','), then the season's\n"
           "                         figures\n"
           "  --sweep FIELD=START:END:N\n"
           "                         sweep an input from START to END in N points (both\n"
           "                         ends included); given twice, the second is the inner\n"
           "                         loop. Prints a CSV table (';' and a decimal comma\n"
           "                         when the separator is ','): the swept inputs, the\n"
           "                         outputs, then columns aviso (warnings) and erro (the\n"
           "                         message of a refused or failed point)\n"
           "  --outputs F1,F2,...    output fields of the sweep (default:\n"
           "                         " + std::string(SaidasPadraoVarredura) + ")\n"
           "  --jobs N               threads of the sweep (default: one per core)\n"
           "  --propriedades P       water property package: kkhm (Keenan, Keyes, Hill\n"
           "                         and Moore 1969, the default) or if97 (IAPWS-IF97);\n"
           "                         for single runs, sweeps and --json\n"
           "  --compare-properties   run the inputs under both packages and print, as\n"
           "                         CSV, each stream's h, s and ex and the global\n"
           "                         results under each, with their differences\n"
           "  -h, --help             show this help\n"
           "\n"
           "Input fields: " + ListaEntradasUsina() + "\n"
           "Season input fields: " + ListaEntradasSafra() + "\n"
           "Season figures (--json \"safra\", --outputs): " + ListaSaidasSafra() + "\n"
           "\n"
           "Exit status: 0 success (warnings on standard error), 1 the case file, the\n"
           "run, the report or the output failed (message on standard error), 2\n"
           "unusable command line. A sweep exits with 0 when it ran, even if some of\n"
           "its points were refused or failed, and with 1 when it could not run\n"
           "(unknown field or output, fewer than 2 points, a number that cannot be read).\n"
           "--json, --csv and --report cannot be used with --sweep; --save-case saves\n"
           "the base case of the sweep.\n";
}
