#include "tools/OpcoesCalc.h"

#include <langinfo.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <utility>

#include "plant/CamposNomeados.h"
#include "plant/Otimizacao.h"
#include "plant/Varredura.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSafra.h"
#include "tools/VarreduraCalc.h"

namespace {

// The options that take a value.
constexpr std::array<const char*, 15> OpcoesComValor = {
    "--separator",   "--report",      "--case",   "--save-case", "--sweep",
    "--outputs",     "--jobs",        "--propriedades", "--sensitivity", "--step",
    "--goal",        "--vary",        "--optimize", "--constraint", "--lang"};

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
        if (i + 1 == saida.size()) throw ErroOpcoes(FraseOpcao::PrecisaValor, {saida[i]});
        ++i;  // the value, whatever it looks like
    }
    return saida;
}

std::optional<std::string> Valor(const CLI::Option* opcao, const std::string& valor) {
    return opcao->count() > 0 ? std::optional<std::string>(valor) : std::nullopt;
}

void ExigirNome(const std::optional<std::string>& nome, const char* opcao) {
    if (nome && nome->empty()) throw ErroOpcoes(FraseOpcao::PrecisaNomeArquivo, {opcao});
}

// FIELD=START:END:N, split; the parts are read when the sweep runs. The
// configuration's name alone sweeps it with and without the turbine.
VarreduraDigitada LerVarredura(const std::string& texto) {
    if (texto == CampoConfiguracao) return {texto, "1", "0", "2"};
    const std::size_t igual = texto.find('=');
    std::vector<std::string> partes;
    if (igual != std::string::npos) {
        std::size_t inicio = igual + 1;
        for (std::size_t dois; (dois = texto.find(':', inicio)) != std::string::npos; inicio = dois + 1)
            partes.push_back(texto.substr(inicio, dois - inicio));
        partes.push_back(texto.substr(inicio));
    }
    if (partes.size() != 3)
        throw ErroOpcoes(FraseOpcao::FormaVarredura, {texto});
    return {texto.substr(0, igual), partes[0], partes[1], partes[2]};
}

// FIELD=MIN:MAX, split; the parts are read when the analysis runs.
FaixaDigitada LerFaixa(const std::string& texto) {
    const std::size_t igual = texto.find('=');
    const std::size_t dois = igual == std::string::npos ? igual : texto.find(':', igual + 1);
    if (dois == std::string::npos || texto.find(':', dois + 1) != std::string::npos)
        throw ErroOpcoes(FraseOpcao::FormaFaixa, {texto});
    return {texto.substr(0, igual), texto.substr(igual + 1, dois - igual - 1), texto.substr(dois + 1)};
}

MetaDigitada LerMeta(const std::string& texto) {
    const std::size_t igual = texto.find('=');
    if (igual == std::string::npos || igual == 0)
        throw ErroOpcoes(FraseOpcao::FormaMeta, {texto});
    return {texto.substr(0, igual), texto.substr(igual + 1)};
}

RestricaoDigitada LerRestricao(const std::string& texto) {
    const std::size_t maior = texto.find(">="), menor = texto.find("<=");
    const std::size_t operador = std::min(maior, menor);
    if (operador == std::string::npos || operador == 0)
        throw ErroOpcoes(FraseOpcao::FormaRestricao, {texto});
    return {texto.substr(0, operador), operador == maior, texto.substr(operador + 2)};
}

unsigned LerTarefas(const std::string& texto) {
    unsigned tarefas = 0;
    const char* fim = texto.data() + texto.size();
    const auto r = std::from_chars(texto.data(), fim, tarefas);
    if (r.ec != std::errc() || r.ptr != fim || tarefas < 1 || tarefas > MaximoTarefas)
        throw ErroOpcoes(FraseOpcao::FormaTarefas, {std::to_string(MaximoTarefas), texto});
    return tarefas;
}

// The analyses' options: one analysis at most, and each option only with
// the analysis it belongs to.
void LerAnalises(OpcoesCalc& op, const std::optional<std::string>& sensibilidade,
                 const std::optional<std::string>& passo, const std::optional<std::string>& meta,
                 const std::optional<std::string>& otimizar, const std::vector<std::string>& faixas,
                 const std::vector<std::string>& restricoes) {
    const std::pair<bool, const char*> modos[] = {
        {!op.varreduras.empty(), "--sweep"},
        {sensibilidade.has_value(), "--sensitivity"},
        {meta.has_value(), "--goal"},
        {otimizar.has_value(), "--optimize"},
        {op.compararPropriedades, "--compare-properties"}};
    const char* modo = nullptr;
    for (const auto& [dado, nome] : modos) {
        if (!dado) continue;
        if (modo != nullptr)
            throw ErroOpcoes(FraseOpcao::JuntasNao, {modo, nome});
        modo = nome;
    }
    if (passo && !sensibilidade) throw ErroOpcoes(FraseOpcao::PassoSemSensibilidade);
    if (!faixas.empty() && !meta && !otimizar)
        throw ErroOpcoes(FraseOpcao::FaixaSemAnalise);
    if (!restricoes.empty() && !otimizar) throw ErroOpcoes(FraseOpcao::RestricaoSemOtimizar);
    if (!sensibilidade && !meta && !otimizar) return;

    op.sensibilidade = sensibilidade;
    op.passo = passo;
    if (meta) op.meta = LerMeta(*meta);
    if (otimizar) {
        // OUTPUT, OUTPUT:max or OUTPUT:min.
        const std::size_t dois = otimizar->rfind(':');
        const std::string sufixo = dois == std::string::npos ? "" : otimizar->substr(dois + 1);
        if (dois != std::string::npos && sufixo != "max" && sufixo != "min")
            throw ErroOpcoes(FraseOpcao::FormaOtimizar, {*otimizar});
        op.otimizar = otimizar->substr(0, dois);
        op.maximizar = sufixo != "min";
    }
    for (const std::string& f : faixas) op.faixas.push_back(LerFaixa(f));
    for (const std::string& r : restricoes) op.restricoes.push_back(LerRestricao(r));
    if (op.meta && op.faixas.size() != 1)
        throw ErroOpcoes(FraseOpcao::MetaUmaFaixa);
    if (op.otimizar && (op.faixas.empty() || op.faixas.size() > MaximoEntradasOtimizacao))
        throw ErroOpcoes(FraseOpcao::OtimizarFaixas, {std::to_string(MaximoEntradasOtimizacao)});
    // The analysis prints its own table or object.
    for (const auto& [dada, nome] : {std::pair{op.relatorio.has_value(), "--report"},
                                     std::pair{op.saidas.has_value(), "--outputs"}})
        if (dada) throw ErroOpcoes(FraseOpcao::NaoCom, {nome, modo});
}

}  // namespace

// Only these two: every other character either reads as part of a number
// (digits, signs, exponent letters) or is the CSV outputs' field separator
// (';', which would print "4;0000E+002" in a semicolon-separated table).
bool SeparadorValido(const std::string& separador) { return separador == "," || separador == "."; }

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
    std::string sensibilidade, passo, meta, otimizar, idioma;
    std::vector<std::string> campos, varreduras, faixas, restricoes;
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
    const CLI::Option* opSensibilidade =
        app.add_option("--sensitivity", sensibilidade)->multi_option_policy(ultimo);
    const CLI::Option* opIdioma = app.add_option("--lang", idioma)->multi_option_policy(ultimo);
    const CLI::Option* opPasso = app.add_option("--step", passo)->multi_option_policy(ultimo);
    const CLI::Option* opMeta = app.add_option("--goal", meta)->multi_option_policy(ultimo);
    const CLI::Option* opOtimizar = app.add_option("--optimize", otimizar)->multi_option_policy(ultimo);
    // One value per --sweep, --vary and --constraint: the FIELD=TEXT
    // arguments after them are not their values.
    for (auto [nome, valores] : {std::pair{"--sweep", &varreduras}, std::pair{"--vary", &faixas},
                                 std::pair{"--constraint", &restricoes}})
        app.add_option(nome, *valores)
            ->allow_extra_args(false)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option("campos", campos);

    // CLI11 takes the arguments last first.
    std::vector<std::string> invertidos = Preparados(argumentos);
    std::reverse(invertidos.begin(), invertidos.end());
    try {
        app.parse(invertidos);
    } catch (const CLI::ParseError& e) {
        throw ErroOpcoes(FraseOpcao::LinhaInvalida, {e.what()});
    }
    for (const std::string& resto : app.remaining())
        throw ErroOpcoes(FraseOpcao::OpcaoDesconhecida, {resto});

    for (const std::string& a : campos) {
        const std::size_t igual = a.find('=');
        if (igual == std::string::npos)
            throw ErroOpcoes(FraseOpcao::ArgumentoSemIgual, {a});
        const std::string campo = a.substr(0, igual);
        if (!BuscarEntrada(campo))
            throw ErroOpcoes(FraseOpcao::CampoDesconhecido, {campo, ListaEntradas()});
        op.entradas.emplace_back(campo, a.substr(igual + 1));
    }

    if (opIdioma->count() > 0) {
        op.idioma = IdiomaCalcDoCodigo(idioma);
        if (!op.idioma) throw ErroOpcoes(FraseOpcao::FormaIdioma, {idioma});
    }
    op.separador = Valor(opSeparador, separador);
    if (op.separador && !SeparadorValido(*op.separador))
        throw ErroOpcoes(FraseOpcao::SeparadorInutil, {*op.separador});
    op.relatorio = Valor(opRelatorio, relatorio);
    op.caso = Valor(opCaso, caso);
    op.salvarCaso = Valor(opSalvar, salvarCaso);
    ExigirNome(op.relatorio, "--report");
    ExigirNome(op.caso, "--case");
    ExigirNome(op.salvarCaso, "--save-case");
    if (op.json && op.csv) throw ErroOpcoes(FraseOpcao::JuntasNao, {"--json", "--csv"});
    if (opPropriedades->count() > 0) {
        const PacotePropriedades* pacote = PacotePorCodigo(propriedades);
        if (pacote == nullptr)
            throw ErroOpcoes(FraseOpcao::FormaPropriedades, {propriedades});
        op.propriedades = pacote->formulacao;
    }
    // The comparison prints a table of its own.
    if (op.compararPropriedades)
        for (const auto& [dada, nome] :
             {std::pair{op.json, "--json"}, std::pair{op.csv, "--csv"},
              std::pair{op.relatorio.has_value(), "--report"}, std::pair{!varreduras.empty(), "--sweep"},
              std::pair{op.propriedades.has_value(), "--propriedades"}})
            if (dada)
                throw ErroOpcoes(FraseOpcao::NaoCom, {nome, "--compare-properties"});

    for (const std::string& v : varreduras) op.varreduras.push_back(LerVarredura(v));
    op.saidas = Valor(opSaidas, saidas);
    if (opTarefas->count() > 0) op.tarefas = LerTarefas(tarefas);
    LerAnalises(op, Valor(opSensibilidade, sensibilidade), Valor(opPasso, passo),
                Valor(opMeta, meta), Valor(opOtimizar, otimizar), faixas, restricoes);
    const bool analise = op.sensibilidade || op.meta || op.otimizar;
    if (op.varreduras.empty()) {
        if (op.saidas) throw ErroOpcoes(FraseOpcao::SaidasSemVarredura);
        if (op.tarefas && !analise)
            throw ErroOpcoes(FraseOpcao::TarefasSemAnalise);
        return op;
    }
    if (op.varreduras.size() > 2) throw ErroOpcoes(FraseOpcao::VarreduraVezes);
    // A sweep prints its own table; the single run's outputs have no place.
    for (const auto& [dada, nome] : {std::pair{op.json, "--json"}, std::pair{op.csv, "--csv"},
                                     std::pair{op.relatorio.has_value(), "--report"}}) {
        if (dada) throw ErroOpcoes(FraseOpcao::NaoCom, {nome, "--sweep"});
    }
    if (op.saidas && op.saidas->empty()) throw ErroOpcoes(FraseOpcao::SaidasVazias);
    return op;
}

namespace {

std::string TextoAjudaIngles() {
    return "Usage: usina-calc [OPTION]... [FIELD=TEXT]...\n"
           "  or:  usina-calc --sweep FIELD=START:END:N [--sweep ...] [OPTION]... [FIELD=TEXT]...\n"
           "  or:  usina-calc --sensitivity OUTPUT [--step PCT] [OPTION]... [FIELD=TEXT]...\n"
           "  or:  usina-calc --goal OUTPUT=VALUE --vary FIELD=MIN:MAX [OPTION]... [FIELD=TEXT]...\n"
           "  or:  usina-calc --optimize OUTPUT[:max|:min] --vary FIELD=MIN:MAX [--vary ...]\n"
           "                  [--constraint OUTPUT>=VALUE|OUTPUT<=VALUE]... [OPTION]... [FIELD=TEXT]...\n"
           "Runs the plant calculation from the window's default inputs and prints\n"
           "every field the run wrote, one FIELD=TEXT line each, in writing order.\n"
           "With --sweep, runs it for each point of a sweep and prints a CSV table;\n"
           "with --sensitivity, --goal or --optimize, runs the analysis and prints its\n"
           "answer as CSV (or JSON with --json).\n"
           "\n"
           "  FIELD=TEXT             replace an input field's text, as typed in the window\n"
           "                         (a season field's for --json, --csv, --sweep and the\n"
           "                         analyses)\n"
           "  --without-hp-turbine   calculate without the high-pressure turbine\n"
           "  --separator C          decimal separator, ',' or '.' (default: the locale's)\n"
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
           "                         " + std::string(CampoConfiguracao) + " (alone, or =1:0:2) sweeps the\n"
           "                         configuration: with (1) and without (0) the\n"
           "                         high-pressure turbine\n"
           "  --outputs F1,F2,...    output fields of the sweep (default:\n"
           "                         " + std::string(SaidasPadraoVarredura) + ")\n"
           "  --sensitivity OUTPUT   run every input at its value -/+ the step, the\n"
           "                         others at the base case; print the output's low,\n"
           "                         base and high values and the swing, largest first\n"
           "                         (columns campo, baixo, base, alto, variacao,\n"
           "                         motivo: why an input cannot be moved)\n"
           "  --step PCT             the sensitivity's step in % (default 10)\n"
           "  --goal OUTPUT=VALUE    find the value of the --vary input at which OUTPUT\n"
           "                         reaches VALUE (columns campo, valor, saida,\n"
           "                         situacao: atingida or \"sem solução na faixa\")\n"
           "  --optimize OUTPUT[:max|:min]\n"
           "                         the largest (default) or smallest OUTPUT over the\n"
           "                         --vary inputs (1 to 4) meeting every --constraint;\n"
           "                         rows tipo, campo, operador, limite, valor, ativa\n"
           "  --vary FIELD=MIN:MAX   an input of --goal or --optimize and its range\n"
           "  --constraint \"OUTPUT>=VALUE\" or \"OUTPUT<=VALUE\"\n"
           "                         a constraint of --optimize (repeatable); a point\n"
           "                         refused, failed or short of steam for the\n"
           "                         medium-pressure turbine is always infeasible\n"
           "  --jobs N               threads of the sweep or analysis (default: one per\n"
           "                         core)\n"
           "  --propriedades P       water property package: kkhm (Keenan, Keyes, Hill\n"
           "                         and Moore 1969, the default) or if97 (IAPWS-IF97);\n"
           "                         for single runs, sweeps, analyses and --json\n"
           "  --compare-properties   run the inputs under both packages and print, as\n"
           "                         CSV, each stream's h, s and ex and the global\n"
           "                         results under each, with their differences\n"
           "  --lang L               language of the messages and of this help: pt or en\n"
           "                         (default: the locale's, LC_MESSAGES or LANG)\n"
           "  -h, --help             show this help\n"
           "\n"
           "Input fields: " + ListaEntradasUsina() + "\n"
           "Season input fields: " + ListaEntradasSafra() + "\n"
           "Season figures (--json \"safra\", --outputs): " + ListaSaidasSafra() + "\n"
           "Every pressure, of the inputs and of the outputs, is absolute: bar (abs.).\n"
           "\n"
           "Exit status: 0 success (warnings on standard error), 1 the case file, the\n"
           "run, the report or the output failed (message on standard error), 2\n"
           "unusable command line. A sweep exits with 0 when it ran, even if some of\n"
           "its points were refused or failed, and with 1 when it could not run\n"
           "(unknown field or output, fewer than 2 points, a number that cannot be read).\n"
           "An analysis exits with 0 when it ran, also when its answer is \"inviável\"\n"
           "or \"sem solução na faixa\", and with 1 when it could not run (unknown field\n"
           "or output, an unusable range, a base case the checks refuse).\n"
           "--json, --csv and --report cannot be used with --sweep, nor --report with an\n"
           "analysis; --save-case saves the base case of the sweep or analysis.\n"
           "The messages of the calculation and of case files are the program's own\n"
           "sentences, in Portuguese.\n";
}

std::string TextoAjudaPortugues() {
    return "Uso: usina-calc [OPÇÃO]... [CAMPO=TEXTO]...\n"
           "  ou: usina-calc --sweep CAMPO=INÍCIO:FIM:N [--sweep ...] [OPÇÃO]... [CAMPO=TEXTO]...\n"
           "  ou: usina-calc --sensitivity SAÍDA [--step PCT] [OPÇÃO]... [CAMPO=TEXTO]...\n"
           "  ou: usina-calc --goal SAÍDA=VALOR --vary CAMPO=MÍN:MÁX [OPÇÃO]... [CAMPO=TEXTO]...\n"
           "  ou: usina-calc --optimize SAÍDA[:max|:min] --vary CAMPO=MÍN:MÁX [--vary ...]\n"
           "                [--constraint SAÍDA>=VALOR|SAÍDA<=VALOR]... [OPÇÃO]... [CAMPO=TEXTO]...\n"
           "Executa o cálculo da usina a partir das entradas padrão da janela e escreve\n"
           "cada campo que a execução gravou, uma linha CAMPO=TEXTO cada, na ordem de\n"
           "gravação. Com --sweep, executa-o em cada ponto de uma varredura e escreve uma\n"
           "tabela CSV; com --sensitivity, --goal ou --optimize, executa a análise e\n"
           "escreve a resposta em CSV (ou JSON com --json).\n"
           "\n"
           "  CAMPO=TEXTO            troca o texto de um campo de entrada, como digitado na\n"
           "                         janela (um da safra para --json, --csv, --sweep e as\n"
           "                         análises)\n"
           "  --without-hp-turbine   calcula sem a turbina de alta pressão\n"
           "  --separator C          separador decimal, ',' ou '.' (padrão: o do locale)\n"
           "  --case ARQUIVO         parte das entradas e da configuração de um arquivo de\n"
           "                         caso (.usina); CAMPO=TEXTO e --without-hp-turbine as\n"
           "                         mudam depois\n"
           "  --save-case ARQUIVO    grava as entradas e a configuração desta execução como\n"
           "                         arquivo de caso, e então executa\n"
           "  --report NOME          depois de uma execução bem-sucedida, grava o relatório\n"
           "                         em NOME.txt\n"
           "  --json                 escreve entradas, resultados, estados das correntes, a\n"
           "                         safra, avisos e campos como um objeto JSON\n"
           "  --csv                  escreve a tabela de correntes em CSV (';' e vírgula\n"
           "                         decimal quando o separador é ','), depois os números\n"
           "                         da safra\n"
           "  --sweep CAMPO=INÍCIO:FIM:N\n"
           "                         varre uma entrada de INÍCIO a FIM em N pontos (os dois\n"
           "                         extremos incluídos); dada duas vezes, a segunda é o laço\n"
           "                         interno. Escreve uma tabela CSV (';' e vírgula decimal\n"
           "                         quando o separador é ','): as entradas varridas, as\n"
           "                         saídas, depois as colunas aviso e erro (a mensagem de\n"
           "                         um ponto recusado ou que falhou)\n"
           "                         " + std::string(CampoConfiguracao) + " (sozinho, ou =1:0:2) varre a\n"
           "                         configuração: com (1) e sem (0) a turbina de alta\n"
           "                         pressão\n"
           "  --outputs S1,S2,...    campos de saída da varredura (padrão:\n"
           "                         " + std::string(SaidasPadraoVarredura) + ")\n"
           "  --sensitivity SAÍDA    executa cada entrada no seu valor -/+ o passo, as\n"
           "                         outras no caso base; escreve os valores baixo, base e\n"
           "                         alto da saída e a variação, a maior primeiro (colunas\n"
           "                         campo, baixo, base, alto, variacao, motivo: por que uma\n"
           "                         entrada não pode variar)\n"
           "  --step PCT             o passo da sensibilidade em % (padrão 10)\n"
           "  --goal SAÍDA=VALOR     acha o valor da entrada de --vary em que SAÍDA atinge\n"
           "                         VALOR (colunas campo, valor, saida, situacao: atingida\n"
           "                         ou \"sem solução na faixa\")\n"
           "  --optimize SAÍDA[:max|:min]\n"
           "                         a maior (padrão) ou a menor SAÍDA sobre as entradas de\n"
           "                         --vary (1 a 4) que atende a cada --constraint; linhas\n"
           "                         tipo, campo, operador, limite, valor, ativa\n"
           "  --vary CAMPO=MÍN:MÁX   uma entrada de --goal ou --optimize e a sua faixa\n"
           "  --constraint \"SAÍDA>=VALOR\" ou \"SAÍDA<=VALOR\"\n"
           "                         uma restrição de --optimize (repetível); um ponto\n"
           "                         recusado, que falhou ou sem vapor para a turbina de\n"
           "                         média pressão é sempre inviável\n"
           "  --jobs N               linhas de execução da varredura ou da análise (padrão:\n"
           "                         uma por núcleo)\n"
           "  --propriedades P       pacote de propriedades da água: kkhm (Keenan, Keyes,\n"
           "                         Hill e Moore 1969, o padrão) ou if97 (IAPWS-IF97); para\n"
           "                         execuções, varreduras, análises e --json\n"
           "  --compare-properties   executa as entradas com os dois pacotes e escreve, em\n"
           "                         CSV, h, s e ex de cada corrente e os resultados globais\n"
           "                         com cada um, com as diferenças\n"
           "  --lang L               idioma das mensagens e desta ajuda: pt ou en (padrão:\n"
           "                         o do locale, LC_MESSAGES ou LANG)\n"
           "  -h, --help             mostra esta ajuda\n"
           "\n"
           "Campos de entrada: " + ListaEntradasUsina() + "\n"
           "Campos de entrada da safra: " + ListaEntradasSafra() + "\n"
           "Números da safra (--json \"safra\", --outputs): " + ListaSaidasSafra() + "\n"
           "Toda pressão, das entradas e das saídas, é absoluta: bar (abs.).\n"
           "\n"
           "Código de saída: 0 sucesso (avisos na saída de erros), 1 o arquivo de caso, a\n"
           "execução, o relatório ou a saída falhou (mensagem na saída de erros), 2 linha\n"
           "de comando inutilizável. Uma varredura sai com 0 quando foi executada, mesmo\n"
           "que alguns pontos tenham sido recusados ou falhado, e com 1 quando não pôde ser\n"
           "executada (campo ou saída desconhecidos, menos de 2 pontos, um número que não\n"
           "pode ser lido). Uma análise sai com 0 quando foi executada, também quando a\n"
           "resposta é \"inviável\" ou \"sem solução na faixa\", e com 1 quando não pôde ser\n"
           "executada (campo ou saída desconhecidos, uma faixa inutilizável, um caso base\n"
           "que as verificações recusam).\n"
           "--json, --csv e --report não podem ser usados com --sweep, nem --report com uma\n"
           "análise; --save-case grava o caso base da varredura ou da análise.\n"
           "As mensagens do cálculo e dos arquivos de caso são as frases do programa, em\n"
           "português.\n";
}

}  // namespace

std::string TextoAjuda(IdiomaCalc idioma) {
    return idioma == IdiomaCalc::Portugues ? TextoAjudaPortugues() : TextoAjudaIngles();
}
