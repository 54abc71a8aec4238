#include "tools/MensagensOpcoes.h"

#include <cstdlib>
#include <string_view>

namespace {

struct Sentenca {
    FraseOpcao frase;
    const char* ingles;
    const char* portugues;
};

// One row per refusal, both languages side by side.
constexpr Sentenca Sentencas[] = {
    {FraseOpcao::PrecisaValor, "option %1 needs a value", "a opção %1 precisa de um valor"},
    {FraseOpcao::PrecisaNomeArquivo, "option %1 needs a file name",
     "a opção %1 precisa de um nome de arquivo"},
    {FraseOpcao::FormaVarredura, "option --sweep takes FIELD=START:END:N, not '%1'",
     "a opção --sweep recebe CAMPO=INÍCIO:FIM:N, não '%1'"},
    {FraseOpcao::FormaFaixa, "option --vary takes FIELD=MIN:MAX, not '%1'",
     "a opção --vary recebe CAMPO=MÍN:MÁX, não '%1'"},
    {FraseOpcao::FormaMeta, "option --goal takes OUTPUT=VALUE, not '%1'",
     "a opção --goal recebe SAÍDA=VALOR, não '%1'"},
    {FraseOpcao::FormaRestricao, "option --constraint takes OUTPUT>=VALUE or OUTPUT<=VALUE, not '%1'",
     "a opção --constraint recebe SAÍDA>=VALOR ou SAÍDA<=VALOR, não '%1'"},
    {FraseOpcao::FormaOtimizar, "option --optimize takes OUTPUT, OUTPUT:max or OUTPUT:min, not '%1'",
     "a opção --optimize recebe SAÍDA, SAÍDA:max ou SAÍDA:min, não '%1'"},
    {FraseOpcao::FormaTarefas, "option --jobs takes a whole number of threads from 1 to %1, not '%2'",
     "a opção --jobs recebe um número inteiro de linhas de execução de 1 a %1, não '%2'"},
    {FraseOpcao::FormaPropriedades, "option --propriedades takes kkhm or if97, not '%1'",
     "a opção --propriedades recebe kkhm ou if97, não '%1'"},
    {FraseOpcao::FormaIdioma, "option --lang takes pt or en, not '%1'",
     "a opção --lang recebe pt ou en, não '%1'"},
    {FraseOpcao::JuntasNao, "options %1 and %2 cannot be used together",
     "as opções %1 e %2 não podem ser usadas juntas"},
    {FraseOpcao::NaoCom, "option %1 cannot be used with %2", "a opção %1 não pode ser usada com %2"},
    {FraseOpcao::PassoSemSensibilidade, "option --step needs --sensitivity",
     "a opção --step precisa de --sensitivity"},
    {FraseOpcao::FaixaSemAnalise, "option --vary needs --goal or --optimize",
     "a opção --vary precisa de --goal ou --optimize"},
    {FraseOpcao::RestricaoSemOtimizar, "option --constraint needs --optimize",
     "a opção --constraint precisa de --optimize"},
    {FraseOpcao::MetaUmaFaixa, "option --goal needs exactly one --vary FIELD=MIN:MAX",
     "a opção --goal precisa de exatamente um --vary CAMPO=MÍN:MÁX"},
    {FraseOpcao::OtimizarFaixas, "option --optimize needs 1 to %1 --vary FIELD=MIN:MAX",
     "a opção --optimize precisa de 1 a %1 --vary CAMPO=MÍN:MÁX"},
    {FraseOpcao::SaidasSemVarredura, "option --outputs needs --sweep",
     "a opção --outputs precisa de --sweep"},
    {FraseOpcao::TarefasSemAnalise, "option --jobs needs --sweep, --sensitivity, --goal or --optimize",
     "a opção --jobs precisa de --sweep, --sensitivity, --goal ou --optimize"},
    {FraseOpcao::VarreduraVezes, "option --sweep can be given once or twice",
     "a opção --sweep pode ser dada uma ou duas vezes"},
    {FraseOpcao::SaidasVazias, "option --outputs needs output field names",
     "a opção --outputs precisa de nomes de campos de saída"},
    {FraseOpcao::OpcaoDesconhecida, "unknown option '%1'", "opção desconhecida '%1'"},
    {FraseOpcao::ArgumentoSemIgual, "argument '%1' is neither an option nor FIELD=TEXT",
     "o argumento '%1' não é uma opção nem CAMPO=TEXTO"},
    {FraseOpcao::CampoDesconhecido, "unknown input field '%1' (inputs: %2)",
     "campo de entrada desconhecido '%1' (entradas: %2)"},
    {FraseOpcao::SeparadorInutil, "unusable decimal separator '%1' (use ',' or '.')",
     "separador decimal inutilizável '%1' (use ',' ou '.')"},
    {FraseOpcao::LinhaInvalida, "%1", "linha de comando inválida: %1"},
};

}  // namespace

std::optional<IdiomaCalc> IdiomaCalcDoCodigo(const std::string& codigo) {
    if (codigo == "pt") return IdiomaCalc::Portugues;
    if (codigo == "en") return IdiomaCalc::Ingles;
    return std::nullopt;
}

IdiomaCalc IdiomaCalcDoAmbiente() {
    for (const char* variavel : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* valor = std::getenv(variavel);
        if (valor == nullptr || *valor == '\0') continue;
        return std::string_view(valor).starts_with("pt") ? IdiomaCalc::Portugues : IdiomaCalc::Ingles;
    }
    return IdiomaCalc::Ingles;
}

std::optional<IdiomaCalc> IdiomaCalcDosArgumentos(const std::vector<std::string>& argumentos) {
    std::optional<IdiomaCalc> idioma;
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        std::optional<IdiomaCalc> este;
        if (argumentos[i] == "--lang" && i + 1 < argumentos.size()) este = IdiomaCalcDoCodigo(argumentos[++i]);
        else if (argumentos[i].starts_with("--lang=")) este = IdiomaCalcDoCodigo(argumentos[i].substr(7));
        if (este) idioma = este;
    }
    return idioma;
}

std::string TextoOpcao(FraseOpcao frase, IdiomaCalc idioma, const std::vector<std::string>& valores) {
    std::string_view modelo;
    for (const Sentenca& s : Sentencas)
        if (s.frase == frase) modelo = idioma == IdiomaCalc::Portugues ? s.portugues : s.ingles;
    // Each %n once, left to right; a value is never scanned again.
    std::string texto;
    for (std::size_t i = 0; i < modelo.size(); ++i) {
        if (modelo[i] == '%' && i + 1 < modelo.size() && modelo[i + 1] >= '1' && modelo[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(modelo[i + 1] - '1');
            if (n < valores.size()) texto += valores[n];
            ++i;
        } else {
            texto += modelo[i];
        }
    }
    return texto;
}

ErroOpcoes::ErroOpcoes(FraseOpcao frase, std::vector<std::string> valores)
    : std::runtime_error(TextoOpcao(frase, IdiomaCalc::Ingles, valores)),
      frase_(frase),
      valores_(std::move(valores)) {}

std::string TextoTenteAjuda(IdiomaCalc idioma) {
    return idioma == IdiomaCalc::Portugues ? "Experimente 'usina-calc --help'."
                                           : "Try 'usina-calc --help'.";
}

std::string TextoFalhaSaidaPadrao(IdiomaCalc idioma) {
    return idioma == IdiomaCalc::Portugues
               ? "usina-calc: não foi possível escrever os resultados na saída padrão"
               : "usina-calc: could not write the results to standard output";
}
