#include "tools/OpcoesCalc.h"

#include <langinfo.h>

#include "plant/TextosPadrao.h"

namespace {

// The file-name fields of the window are inputs too, but the tool does not
// use them; accepting them silently would mislead.
bool EntradaDoCalculo(const std::string& nome) {
    if (nome == "Etxt" || nome == "Ejpeg") return false;
    for (const CampoEntrada& c : CamposEntrada())
        if (nome == c.nome) return true;
    return false;
}

std::string ListaEntradas() {
    std::string lista;
    for (const CampoEntrada& c : CamposEntrada()) {
        if (!EntradaDoCalculo(c.nome)) continue;
        if (!lista.empty()) lista += ", ";
        lista += c.nome;
    }
    return lista;
}

// Value of an option given as "--opcao VALOR" or "--opcao=VALOR"; advances i
// past a separate value.
std::optional<std::string> ValorDaOpcao(const std::vector<std::string>& args, std::size_t& i,
                                        const std::string& opcao) {
    const std::string& a = args[i];
    if (a == opcao) {
        if (i + 1 >= args.size()) throw ErroOpcoes("option " + opcao + " needs a value");
        return args[++i];
    }
    if (a.compare(0, opcao.size() + 1, opcao + "=") == 0) return a.substr(opcao.size() + 1);
    return std::nullopt;
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

OpcoesCalc LerOpcoes(const std::vector<std::string>& args) {
    OpcoesCalc op;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            op.ajuda = true;
        } else if (a == "--json") {
            op.json = true;
        } else if (a == "--without-hp-turbine") {
            op.semTurbinaAlta = true;
        } else if (auto sep = ValorDaOpcao(args, i, "--separator")) {
            if (!SeparadorValido(*sep))
                throw ErroOpcoes("unusable decimal separator '" + *sep +
                                 "' (it must not be empty nor contain digits, signs, E, e or spaces)");
            op.separador = *sep;
        } else if (auto nome = ValorDaOpcao(args, i, "--report")) {
            if (nome->empty()) throw ErroOpcoes("option --report needs a file name");
            op.relatorio = *nome;
        } else if (a.compare(0, 1, "-") == 0) {
            throw ErroOpcoes("unknown option '" + a + "'");
        } else {
            const std::size_t igual = a.find('=');
            if (igual == std::string::npos)
                throw ErroOpcoes("argument '" + a + "' is neither an option nor FIELD=TEXT");
            const std::string campo = a.substr(0, igual);
            if (!EntradaDoCalculo(campo))
                throw ErroOpcoes("unknown input field '" + campo + "' (inputs: " + ListaEntradas() + ")");
            op.entradas.emplace_back(campo, a.substr(igual + 1));
        }
    }
    return op;
}

std::string TextoAjuda() {
    return "Usage: usina-calc [OPTION]... [FIELD=TEXT]...\n"
           "Runs the plant calculation from the window's default inputs and prints\n"
           "every field the run wrote, one FIELD=TEXT line each, in writing order.\n"
           "\n"
           "  FIELD=TEXT             replace an input field's text, as typed in the window\n"
           "  --without-hp-turbine   calculate without the high-pressure turbine\n"
           "  --separator C          decimal separator (default: the locale's)\n"
           "  --report NAME          after a successful run, write the report to NAME.txt\n"
           "  --json                 print the fields as one JSON object\n"
           "  -h, --help             show this help\n"
           "\n"
           "Input fields: " + ListaEntradas() + "\n"
           "\n"
           "Exit status: 0 success (warnings on standard error), 1 the run or the\n"
           "report failed (message on standard error), 2 unusable command line.\n";
}
