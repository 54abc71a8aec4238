// The command line of usina-calc: what the user asked for, checked before
// anything is calculated. Parsed with CLI11.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "equipment/PacotePropriedades.h"
#include "tools/MensagensOpcoes.h"

// One --sweep argument split at its '=' and ':'.
struct VarreduraDigitada {
    std::string campo;
    std::string inicio;
    std::string fim;
    std::string pontos;

    bool operator==(const VarreduraDigitada&) const = default;
};

// One --vary argument split at its first '=' and its ':'.
struct FaixaDigitada {
    std::string campo;
    std::string minimo;
    std::string maximo;

    bool operator==(const FaixaDigitada&) const = default;
};

// --goal OUTPUT=VALUE split at its first '='.
struct MetaDigitada {
    std::string saida;
    std::string valor;

    bool operator==(const MetaDigitada&) const = default;
};

// --constraint OUTPUT>=VALUE or OUTPUT<=VALUE split at its operator.
struct RestricaoDigitada {
    std::string saida;
    bool maiorOuIgual = true;  // >=; false: <=
    std::string limite;

    bool operator==(const RestricaoDigitada&) const = default;
};

// Threads --jobs accepts at most.
inline constexpr unsigned MaximoTarefas = 1024;

struct OpcoesCalc {
    // CAMPO=TEXTO arguments in the order given (a later one for the same
    // field wins when they are applied).
    std::vector<std::pair<std::string, std::string>> entradas;
    bool semTurbinaAlta = false;            // --without-hp-turbine: CheckBox1 cleared
    std::optional<std::string> separador;   // --separator; else the locale's
    std::optional<std::string> relatorio;   // --report NAME (".txt" is appended)
    std::optional<std::string> caso;        // --case FILE: inputs and configuration
    std::optional<std::string> salvarCaso;  // --save-case FILE
    bool json = false;                      // --json
    bool csv = false;                       // --csv
    bool ajuda = false;                     // --help
    std::optional<IdiomaCalc> idioma;       // --lang pt|en; else the locale's
    // --sweep FIELD=START:END:N, once or twice in the order given; START,
    // END and N as typed, read once the separator is known.
    std::vector<VarreduraDigitada> varreduras;
    std::optional<std::string> saidas;  // --outputs F1,F2,... as given
    std::optional<unsigned> tarefas;    // --jobs N
    // --propriedades kkhm|if97: the property package (else the case's, or
    // the 1969 equation).
    std::optional<Formulacao> propriedades;
    bool compararPropriedades = false;  // --compare-properties
    // The analyses; numbers as typed, read once the separator is known.
    std::optional<std::string> sensibilidade;   // --sensitivity OUTPUT
    std::optional<std::string> passo;           // --step PCT
    std::optional<MetaDigitada> meta;           // --goal OUTPUT=VALUE
    std::optional<std::string> otimizar;        // --optimize OUTPUT[:max|:min], the name
    bool maximizar = true;                      // :max (the default) or :min
    std::vector<FaixaDigitada> faixas;          // --vary FIELD=MIN:MAX, in the order given
    std::vector<RestricaoDigitada> restricoes;  // --constraint, in the order given
};


// Parses the arguments (without the program name). Throws ErroOpcoes for a
// --lang other than pt and en, an
// unknown option, a missing option value, an unusable separator, an empty
// file name, --json with --csv, or a CAMPO=TEXTO whose field is not an input
// of the calculation nor of the season; for a --sweep not of the form FIELD=START:END:N, more
// than two of them, a separator holding ':' with them, --json, --csv or
// --report with them, --outputs or --jobs without them, or a --jobs that is
// not a whole number from 1 to MaximoTarefas; for a --propriedades other than
// kkhm or if97, --compare-properties with --sweep, --json, --csv or --report;
// for two of --sweep, --sensitivity, --goal, --optimize and
// --compare-properties; --step without --sensitivity, --vary without --goal
// or --optimize, --constraint without --optimize; a --goal not of the form
// OUTPUT=VALUE, a --vary not FIELD=MIN:MAX, an --optimize suffix other than
// :max and :min, a --constraint without >= or <= between a name and a value;
// --goal without exactly one --vary, --optimize without 1 to 4; --report or
// --outputs with an analysis, or a separator holding ':' with --vary. The
// names and numbers of a sweep and of an analysis are checked when it runs. A value option given twice keeps the last
// value.
OpcoesCalc LerOpcoes(const std::vector<std::string>& argumentos);

// A decimal separator usina-calc accepts: ',' or '.'.
bool SeparadorValido(const std::string& separador);

// The decimal separator of the user's locale (LC_NUMERIC as set by
// setlocale(LC_ALL, "")), or "." when the locale's one is neither ',' nor '.'.
std::string SeparadorDoLocale();

// Usage text for --help, in idioma.
std::string TextoAjuda(IdiomaCalc idioma = IdiomaCalc::Ingles);
