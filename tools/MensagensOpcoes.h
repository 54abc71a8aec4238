// The languages usina-calc speaks, as the window does (pt, en), and the
// sentences of its command line: each refusal of an option has a kind and
// the values it names, and is said in either language from them.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

enum class IdiomaCalc { Portugues, Ingles };

// "pt" and "en", as --lang and the window spell them.
std::optional<IdiomaCalc> IdiomaCalcDoCodigo(const std::string& codigo);

// Without --lang: the language of the user's locale for messages (LC_ALL,
// else LC_MESSAGES, else LANG): Portuguese for "pt...", English otherwise.
IdiomaCalc IdiomaCalcDoAmbiente();

// The last --lang given with a known code, scanned before the command line
// is parsed so that its own refusals are said in that language.
std::optional<IdiomaCalc> IdiomaCalcDosArgumentos(const std::vector<std::string>& argumentos);

enum class FraseOpcao {
    PrecisaValor,          // %1 option
    PrecisaNomeArquivo,    // %1 option
    FormaVarredura,        // %1 as typed
    FormaFaixa,            // %1
    FormaMeta,             // %1
    FormaRestricao,        // %1
    FormaOtimizar,         // %1
    FormaTarefas,          // %1 the largest, %2 as typed
    FormaPropriedades,     // %1
    FormaIdioma,           // %1
    JuntasNao,             // %1, %2 options
    NaoCom,                // %1 option, %2 the option it cannot go with
    PassoSemSensibilidade,
    FaixaSemAnalise,
    RestricaoSemOtimizar,
    MetaUmaFaixa,
    OtimizarFaixas,        // %1 the largest number of --vary
    SaidasSemVarredura,
    TarefasSemAnalise,
    VarreduraVezes,
    SaidasVazias,
    OpcaoDesconhecida,     // %1 as typed
    ArgumentoSemIgual,     // %1 as typed
    CampoDesconhecido,     // %1 field, %2 the inputs
    SeparadorInutil,       // %1 as typed
    LinhaInvalida,         // %1 the parser's own text
};

// The sentence in idioma, each %n replaced by valores[n - 1].
std::string TextoOpcao(FraseOpcao frase, IdiomaCalc idioma, const std::vector<std::string>& valores);

// A command line that cannot be used; the tool exits with status 2. what()
// is the English sentence.
class ErroOpcoes : public std::runtime_error {
public:
    ErroOpcoes(FraseOpcao frase, std::vector<std::string> valores = {});
    FraseOpcao frase() const { return frase_; }
    const std::vector<std::string>& valores() const { return valores_; }
    std::string Texto(IdiomaCalc idioma) const { return TextoOpcao(frase_, idioma, valores_); }

private:
    FraseOpcao frase_;
    std::vector<std::string> valores_;
};

// The tool's own lines around a message.
std::string TextoTenteAjuda(IdiomaCalc idioma);      // "Try 'usina-calc --help'."
std::string TextoFalhaSaidaPadrao(IdiomaCalc idioma);  // standard output could not be written
