// Every kind of the core's refusals, failures and warnings, raised by the
// core itself where it can be: its Portuguese message is the text it has
// always been (written out here as it was before the kinds existed), the
// window composes that same Portuguese from the kind and values the error
// carries, and the English it composes from them is the sentence the
// window gave when it still read the Portuguese back through patterns,
// with either decimal separator. Rows marked "new" are sentences the
// patterns left in Portuguese: their English is new, their Portuguese not.
#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <fstream>
#include <functional>
#include <limits>
#include <sys/stat.h>
#include <gtest/gtest.h>

#include "if97/EstadoIF97.h"
#include "io/CasoUsina.h"
#include "io/GravacaoAtomica.h"
#include "plant/CamposMemoria.h"
#include "plant/DiagramaTs.h"
#include "plant/ValidacaoEntradas.h"
#include "plant/Varredura.h"
#include "properties/dtvp03.h"
#include "ui/comum/Configuracoes.h"
#include "ui/comum/MensagensNucleo.h"
#include "ui/comum/TextosNucleoJanela.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinito = std::numeric_limits<double>::infinity();

using Lancador = std::function<void(const std::string& separador)>;

// A folder holding a FIFO and a file one byte larger than a case may be,
// for the whole program's run.
const std::string& Pasta() {
    static QTemporaryDir pasta;
    static const std::string caminho = [] {
        const std::string d = QDir(pasta.path()).absolutePath().toStdString();
        mkfifo((d + "/f.usina").c_str(), 0600);
        std::ofstream(d + "/g.usina") << std::string(TamanhoMaximoCaso + 1, ' ');
        return d;
    }();
    return caminho;
}

Lancador Lancar(const std::exception_ptr& erro) {
    return [erro](const std::string&) { std::rethrow_exception(erro); };
}
template <typename Erro>
Lancador Lancar(const Erro& erro) {
    return Lancar(std::make_exception_ptr(erro));
}

Lancador Caso(std::string json) {
    return [json](const std::string& s) { CasoDeJson(json, "planta.usina", s); };
}

// The default case's file with one piece of its text replaced.
Lancador Trocado(const std::string& de, const std::string& para) {
    std::string json = CasoParaJson(CasoUsina{});
    const std::size_t i = json.find(de);
    if (i == std::string::npos) ADD_FAILURE() << de;
    else json.replace(i, de.size(), para);
    return Caso(json);
}

Lancador Ler(std::string caminho) {
    return [caminho](const std::string& s) { LerCaso(caminho, s); };
}

Lancador Gravar(std::string caminho, std::function<void(CasoUsina&)> muda) {
    return [caminho, muda](const std::string& s) {
        CasoUsina caso;
        muda(caso);
        GravarCaso(caminho, caso, s);
    };
}

Lancador DosCampos(std::string nome, std::string texto) {
    return [nome, texto](const std::string& s) {
        CamposMemoria campos(s);
        campos.DefinirEntrada(nome, texto);
        CasoDosCampos(campos, s);
    };
}

MotivoCaso Motivo(DefeitoCaso defeito) {
    MotivoCaso m;
    m.defeito = defeito;
    return m;
}

// A state of either property package from the pressure (MPa) and the
// mode's other value.
Lancador Estado(PropertyMode modo, double p, double k, bool if97) {
    return [=](const std::string&) {
        StatePoint e{};
        e.p = p;
        e.t = e.h = e.s = e.x = k;
        PhaseRegion regiao = 0;
        if (if97) AvaliarEstadoIF97(modo, regiao, e);
        else EvaluateState(modo, regiao, e);
    };
}
Lancador Estado1969(PropertyMode modo, double p, double k) { return Estado(modo, p, k, false); }
Lancador EstadoIF97(PropertyMode modo, double p, double k) { return Estado(modo, p, k, true); }

Lancador Varredura(std::vector<EixoVarredura> eixos, std::vector<std::string> saidas,
                   bool turbinaAlta = true) {
    return [=](const std::string& s) {
        PedidoVarredura p;
        p.base.comTurbinaAlta = turbinaAlta;
        p.eixos = eixos;
        p.saidas = saidas;
        p.separador = s;
        VerificarVarredura(p);
    };
}

Lancador Resultado(SituacaoCalculo situacao) {
    return [situacao](const std::string&) {
        ResultadoUsina r;
        r.situacao = situacao;
        ExigirResultadoCompleto(r);
    };
}

Lancador Entradas(std::function<void(EntradasUsina&)> muda) {
    return [muda](const std::string& s) {
        EntradasUsina e;
        muda(e);
        ValidarEntradas(e, s);
    };
}

struct Linha {
    const char* nome;
    Lancador lancar;
    const char* portugues;  // with ","
    const char* ingles;
    const char* portuguesPonto = nullptr;  // with ".", where it differs
    const char* inglesPonto = nullptr;
};

// clang-format off
const std::vector<Linha>& Linhas() {
    static const std::vector<Linha> linhas = {
        {"vazio", Caso(""),
         "O arquivo \"planta.usina\" não é um caso válido: está vazio",
         "The file \"planta.usina\" is not a valid case: it is empty"},
        {"utf8", Caso("{\"a\":\"\xff\"}"),
         "O arquivo \"planta.usina\" não é um caso válido: o texto não está em UTF-8 (byte inválido na linha 1, coluna 7)",
         "The file \"planta.usina\" is not a valid case: the text is not UTF-8 (invalid byte at line 1, column 7)"},
        {"grande", Caso(std::string(TamanhoMaximoCaso + 1, ' ')),
         "O arquivo \"planta.usina\" não é um caso válido: é grande demais para um caso: 1048577 bytes (o máximo é 1048576 bytes, 1 MiB)",
         "The file \"planta.usina\" is not a valid case: it is too large for a case: 1048577 bytes (the maximum is 1048576 bytes, 1 MiB)"},
        {"aninhado", Caso("{\"a\":" + std::string(70, '[') + std::string(70, ']') + "}"),
         "O arquivo \"planta.usina\" não é um caso válido: objetos e listas aninhados em mais de 64 níveis",
         "The file \"planta.usina\" is not a valid case: objects and lists nested more than 64 levels deep"},
        {"repetida", Caso("{\"a\":1,\"a\":2}"),
         "O arquivo \"planta.usina\" não é um caso válido: a chave \"a\" aparece mais de uma vez",
         "The file \"planta.usina\" is not a valid case: the key \"a\" appears more than once"},
        {"raiz_lista", Caso("[1]"),
         "O arquivo \"planta.usina\" não é um caso válido: o conteúdo deve ser um objeto JSON ({...}), não uma lista",
         "The file \"planta.usina\" is not a valid case: the content must be a JSON object ({...}), not a list"},
        {"raiz_logico", Caso("true"),
         "O arquivo \"planta.usina\" não é um caso válido: o conteúdo deve ser um objeto JSON ({...}), não um valor lógico",
         "The file \"planta.usina\" is not a valid case: the content must be a JSON object ({...}), not a logical value"},
        {"raiz_null", Caso("null"),
         "O arquivo \"planta.usina\" não é um caso válido: o conteúdo deve ser um objeto JSON ({...}), não null",
         "The file \"planta.usina\" is not a valid case: the content must be a JSON object ({...}), not null"},
        {"alcance", Caso("{\"a\":1e999}"),
         "O arquivo \"planta.usina\" não é um caso válido: o número 1e999 (linha 1, coluna 6) está fora do alcance de um número de ponto flutuante",
         "The file \"planta.usina\" is not a valid case: the number 1e999 (line 1, column 6) is out of the range of a floating-point number"},
        {"truncado", Caso("{\"formato\":"),
         "O arquivo \"planta.usina\" não é um caso válido: o texto acaba (linha 1, coluna 12) antes de o JSON se completar: o arquivo parece truncado",
         "The file \"planta.usina\" is not a valid case: the text ends (line 1, column 12) before the JSON is complete: the file looks truncated"},
        {"invalido", Caso("{\"a\":x}"),
         "O arquivo \"planta.usina\" não é um caso válido: JSON inválido na linha 1, coluna 6, em \"x}\"",
         "The file \"planta.usina\" is not a valid case: invalid JSON at line 1, column 6, at \"x}\""},
        {"invalido2", Caso("{\n  \"a\": tru\n}"),
         "O arquivo \"planta.usina\" não é um caso válido: JSON inválido na linha 2, coluna 11, em \"\\n}\"",
         "The file \"planta.usina\" is not a valid case: invalid JSON at line 2, column 11, at \"\\n}\""},
        {"inf", Caso("{\"formato\": -Infinity}"),
         "O arquivo \"planta.usina\" não é um caso válido: JSON inválido na linha 1, coluna 14, em \"Infinity}\" (NaN e Infinity não são números em JSON)",
         "The file \"planta.usina\" is not a valid case: invalid JSON at line 1, column 14, at \"Infinity}\" (NaN and Infinity are not numbers in JSON)"},
        {"falta_formato", Caso("{}"),
         "O arquivo \"planta.usina\" não é um caso válido: falta a chave \"formato\" com o valor \"usina-caso\": não parece um caso do usina",
         "The file \"planta.usina\" is not a valid case: the key \"formato\" with the value \"usina-caso\" is missing: it does not look like a usina case"},
        {"formato_texto", Caso("{\"formato\":\"x\"}"),
         "O arquivo \"planta.usina\" não é um caso válido: \"formato\" deve ser \"usina-caso\", não \"x\"",
         "The file \"planta.usina\" is not a valid case: \"formato\" must be \"usina-caso\", not \"x\""},
        {"formato_num", Caso("{\"formato\":1}"),
         "O arquivo \"planta.usina\" não é um caso válido: \"formato\" deve ser \"usina-caso\", não um número",
         "The file \"planta.usina\" is not a valid case: \"formato\" must be \"usina-caso\", not a number"},
        {"formato_objeto", Caso("{\"formato\":{}}"),
         "O arquivo \"planta.usina\" não é um caso válido: \"formato\" deve ser \"usina-caso\", não um objeto",
         "The file \"planta.usina\" is not a valid case: \"formato\" must be \"usina-caso\", not an object"},
        {"falta_versao", Caso("{\"formato\":\"usina-caso\"}"),
         "O arquivo \"planta.usina\" não é um caso válido: falta a chave \"versao\"",
         "The file \"planta.usina\" is not a valid case: the key \"versao\" is missing"},
        {"versao_texto", Caso("{\"formato\":\"usina-caso\",\"versao\":\"1\"}"),
         "O arquivo \"planta.usina\" não é um caso válido: \"versao\" deve ser um número, não um texto",
         "The file \"planta.usina\" is not a valid case: \"versao\" must be a number, not a text"},
        {"versao_7", Caso("{\"formato\":\"usina-caso\",\"versao\":7}"),
         "O arquivo \"planta.usina\" não é um caso válido: a versão 7 do formato não é conhecida (este programa lê a versão 1)",
         "The file \"planta.usina\" is not a valid case: version 7 of the format is not known (this program reads version 1)"},
        {"versao_15", Caso("{\"formato\":\"usina-caso\",\"versao\":1.5}"),
         "O arquivo \"planta.usina\" não é um caso válido: a versão 1,5 do formato não é conhecida (este programa lê a versão 1)",
         "The file \"planta.usina\" is not a valid case: version 1,5 of the format is not known (this program reads version 1)",
         "O arquivo \"planta.usina\" não é um caso válido: a versão 1.5 do formato não é conhecida (este programa lê a versão 1)",
         "The file \"planta.usina\" is not a valid case: version 1.5 of the format is not known (this program reads version 1)"},
        {"falta_entrada", Caso("{\"formato\":\"usina-caso\",\"versao\":1}"),
         "O arquivo \"planta.usina\" não é um caso válido: falta a entrada \"Ecapusi\" (Capacidade da Usina [ton cana/h])",
         "The file \"planta.usina\" is not a valid case: the input \"Ecapusi\" (Mill capacity [t cane/h]) is missing"},
        {"entrada_texto", Trocado("\"Ecapusi\": 400.0", "\"Ecapusi\": \"400\""),
         "O arquivo \"planta.usina\" não é um caso válido: a entrada \"Ecapusi\" (Capacidade da Usina [ton cana/h]) deve ser um número, não um texto",
         "The file \"planta.usina\" is not a valid case: the input \"Ecapusi\" (Mill capacity [t cane/h]) must be a number, not a text"},
        {"safra_texto", Trocado("\"Ediasafra\": 200.0", "\"Ediasafra\": [1]"),
         "O arquivo \"planta.usina\" não é um caso válido: a entrada \"Ediasafra\" (Duração da safra [dias]) deve ser um número, não uma lista",
         "The file \"planta.usina\" is not a valid case: the input \"Ediasafra\" (Season length [days]) must be a number, not a list"},
        {"falta_turbina", Trocado("\"com_turbina_alta\": true,", ""),
         "O arquivo \"planta.usina\" não é um caso válido: falta a chave \"com_turbina_alta\" (true ou false)",
         "The file \"planta.usina\" is not a valid case: the key \"com_turbina_alta\" (true or false) is missing"},
        {"turbina_num", Trocado("\"com_turbina_alta\": true", "\"com_turbina_alta\": 1"),
         "O arquivo \"planta.usina\" não é um caso válido: \"com_turbina_alta\" deve ser true ou false, não um número",
         "The file \"planta.usina\" is not a valid case: \"com_turbina_alta\" must be true or false, not a number"},
        {"prop_texto", Trocado("\"descricao\"", "\"propriedades\": \"x\", \"descricao\""),
         "O arquivo \"planta.usina\" não é um caso válido: \"propriedades\" deve ser \"kkhm\" ou \"if97\", não \"x\"",
         "The file \"planta.usina\" is not a valid case: \"propriedades\" must be \"kkhm\" or \"if97\", not \"x\""},
        {"prop_num", Trocado("\"descricao\"", "\"propriedades\": 3, \"descricao\""),
         "O arquivo \"planta.usina\" não é um caso válido: \"propriedades\" deve ser \"kkhm\" ou \"if97\", não um número",
         "The file \"planta.usina\" is not a valid case: \"propriedades\" must be \"kkhm\" or \"if97\", not a number"},
        {"descricao", Trocado("\"descricao\": \"\"", "\"descricao\": 5"),
         "O arquivo \"planta.usina\" não é um caso válido: \"descricao\" deve ser um texto, não um número",
         "The file \"planta.usina\" is not a valid case: \"descricao\" must be a text, not a number"},
        {"recusa_eficiencia", Trocado("\"Eefical\": 85.0", "\"Eefical\": 150.5"),
         "O arquivo \"planta.usina\" não é um caso válido: Valor impossível em \"Eficiência Térmica da Caldeira [%]\": 150,5. Deve ser maior que 0 e no máximo 100 %.",
         "The file \"planta.usina\" is not a valid case: Impossible value in \"Boiler thermal efficiency [%]\": 150,5. Must be greater than 0 and at most 100 %.",
         "O arquivo \"planta.usina\" não é um caso válido: Valor impossível em \"Eficiência Térmica da Caldeira [%]\": 150.5. Deve ser maior que 0 e no máximo 100 %.",
         "The file \"planta.usina\" is not a valid case: Impossible value in \"Boiler thermal efficiency [%]\": 150.5. Must be greater than 0 and at most 100 %."},
        // The English is new: the patterns left it in Portuguese.
        {"recusa_dias", Trocado("\"Ediasafra\": 200.0", "\"Ediasafra\": 400.5"),
         "O arquivo \"planta.usina\" não é um caso válido: Valor impossível em \"Duração da safra [dias]\": 400,5. Deve ser maior que 0 e no máximo 366 dias.",
         "The file \"planta.usina\" is not a valid case: Impossible value in \"Season length [days]\": 400,5. Must be greater than 0 and at most 366 days.",
         "O arquivo \"planta.usina\" não é um caso válido: Valor impossível em \"Duração da safra [dias]\": 400.5. Deve ser maior que 0 e no máximo 366 dias.",
         "The file \"planta.usina\" is not a valid case: Impossible value in \"Season length [days]\": 400.5. Must be greater than 0 and at most 366 days."},
        {"ler_nao_existe", Ler("/nao/existe/caso.usina"),
         "Não foi possível ler o arquivo \"/nao/existe/caso.usina\": o arquivo não existe",
         "The file \"/nao/existe/caso.usina\" could not be read: the file does not exist"},
        {"ler_pasta", Ler(Pasta()),
         "Não foi possível ler o arquivo \"{pasta}\": é uma pasta, não um arquivo",
         "The file \"{pasta}\" could not be read: it is a folder, not a file"},
        {"ler_fifo", Ler(Pasta() + "/f.usina"),
         "Não foi possível ler o arquivo \"{pasta}/f.usina\": é uma FIFO (pipe nomeado), não um arquivo comum",
         "The file \"{pasta}/f.usina\" could not be read: it is a FIFO (named pipe), not a regular file"},
        {"ler_nul", Ler(std::string("a\0b.usina", 9)),
         "Não foi possível ler o arquivo \"a\\0b.usina\": nome de arquivo inválido",
         "The file \"a\\0b.usina\" could not be read: invalid file name"},
        {"ler_grande", Ler(Pasta() + "/g.usina"),
         "O arquivo \"{pasta}/g.usina\" não é um caso válido: é grande demais para um caso: 1048577 bytes (o máximo é 1048576 bytes, 1 MiB)",
         "The file \"{pasta}/g.usina\" is not a valid case: it is too large for a case: 1048577 bytes (the maximum is 1048576 bytes, 1 MiB)"},
        {"ler_mais_de", Lancar(ErroCaso::Invalido("g.usina", Motivo(DefeitoCaso::CresceuAoLer), ",")),
         "O arquivo \"g.usina\" não é um caso válido: é grande demais para um caso: mais de 1048576 bytes (o máximo é 1048576 bytes, 1 MiB)",
         "The file \"g.usina\" is not a valid case: it is too large for a case: more than 1048576 bytes (the maximum is 1048576 bytes, 1 MiB)"},
        {"gravar_pasta_falta", Gravar("/nao/existe/x.usina", [](CasoUsina&) {}),
         "Não foi possível gravar o arquivo \"/nao/existe/x.usina\": a pasta não existe",
         "Could not write the file \"/nao/existe/x.usina\": the folder does not exist"},
        {"gravar_recusa", Gravar("/tmp/x.usina", [](CasoUsina& c) { c.entradas.EficienciaCaldeira = 150.5; }),
         "O caso não foi gravado em \"/tmp/x.usina\": Valor impossível em \"Eficiência Térmica da Caldeira [%]\": 150,5. Deve ser maior que 0 e no máximo 100 %.",
         "The case was not saved to \"/tmp/x.usina\": Impossible value in \"Boiler thermal efficiency [%]\": 150,5. Must be greater than 0 and at most 100 %.",
         "O caso não foi gravado em \"/tmp/x.usina\": Valor impossível em \"Eficiência Térmica da Caldeira [%]\": 150.5. Deve ser maior que 0 e no máximo 100 %.",
         "The case was not saved to \"/tmp/x.usina\": Impossible value in \"Boiler thermal efficiency [%]\": 150.5. Must be greater than 0 and at most 100 %."},
        {"gravar_nao_finito", Gravar("/tmp/x.usina", [](CasoUsina& c) {
                 c.entradas.comTurbinaAlta = false;
                 c.entradas.PressaoSaidaTurbinaAlta = Infinito;
             }),
         "O caso não foi gravado em \"/tmp/x.usina\": Valor impossível em \"Pressão de saída na turbina de alta pressão [bar]\": não é um número finito.",
         "The case was not saved to \"/tmp/x.usina\": Impossible value in \"HP turbine outlet pressure [bar]\": not a finite number."},
        {"campos", DosCampos("Ecapusi", "abc"),
         "O caso não pode ser gravado: o texto de \"Capacidade da Usina [ton cana/h]\" não é um número: \"abc\"",
         "The case cannot be saved: the text of \"Mill capacity [t cane/h]\" is not a number: \"abc\""},
        {"p_pressao", Estado1969(ModoPressaoTemperatura, 25.0, 100.0),
         "Pressão fora da faixa das propriedades da água (0,0006109 a 19 MPa): 25",
         "Pressure outside the range of the water properties (0,0006109 to 19 MPa): 25"},
        {"p_modo", Estado1969(99, 1.0, 0.0),
         "Modo de cálculo das propriedades da água inválido: 99",
         "Invalid calculation mode of the water properties: 99"},
        {"p_titulo", Estado1969(ModoPressaoTitulo, 1.0, 1.5),
         "Título fora do intervalo de 0 a 1: 1,5",
         "Quality outside the interval 0 to 1: 1,5"},
        {"p_singular", Lancar(ErroPropriedades(FalhaPropriedades::SistemaSingular)),
         "Sistema de equações singular no cálculo das propriedades da água",
         "Singular system of equations in the water property calculation"},
        // The English is new: the patterns left it in Portuguese.
        {"i_temp", EstadoIF97(ModoPressaoTemperatura, 1.0, 3000.0),
         "Temperatura fora da faixa das propriedades da água (-20 a 2000 °C): 3000",
         "Temperature outside the range of the water properties (-20 to 2000 °C): 3000"},
        // The English is new: the patterns left it in Portuguese.
        {"i_temp_nan", EstadoIF97(ModoPressaoTemperatura, 1.0, NaN),
         "Temperatura fora da faixa das propriedades da água: nan",
         "Temperature outside the range of the water properties: nan"},
        // The English is new: the patterns left it in Portuguese.
        {"i_h_inf", EstadoIF97(ModoPressaoEntalpia, 1.0, Infinito),
         "Entalpia fora da faixa das propriedades da água: inf",
         "Enthalpy outside the range of the water properties: inf"},
        // The English is new: the patterns left it in Portuguese.
        {"i_s_inf", EstadoIF97(ModoPressaoEntropia, 1.0, -Infinito),
         "Entropia fora da faixa das propriedades da água: -inf",
         "Entropy outside the range of the water properties: -inf"},
        // The English is new: the patterns left it in Portuguese.
        {"i_tsat", [](const std::string&) { PressaoSaturacaoIF97(400.0); },
         "Temperatura fora da faixa de saturação (0 a 373,946 °C): 400",
         "Temperature outside the saturation range (0 to 373,946 °C): 400"},
        // The English is new: the patterns left it in Portuguese.
        {"i_psat", [](const std::string&) { SaturadosNaPressaoIF97(30.0); },
         "Pressão fora da faixa de saturação (0,0006109 a 22,064 MPa): 30",
         "Pressure outside the saturation range (0,0006109 to 22,064 MPa): 30"},
        {"ts_curva", [](const std::string&) { SaturacaoNaTemperatura(400.0); },
         "Temperatura fora da curva de saturação",
         "Temperature outside the saturation curve"},
        {"ts_separados", Lancar(ErroPropriedades(FalhaPropriedades::SemSaturadosSeparados)),
         "Sem líquido e vapor saturados separados a esta temperatura",
         "No separate saturated liquid and vapour at this temperature"},
        {"v_eixos", Varredura({}, {"Epotele"}),
         "Uma varredura tem um ou dois campos de entrada, não 0.",
         "A sweep has one or two input fields, not 0."},
        {"v_entrada", Varredura({{"Exyz", 1, 2, 3}}, {"Epotele"}),
         "Campo de entrada desconhecido na varredura: 'Exyz'.",
         "Unknown input field in the sweep: 'Exyz'."},
        {"v_repetida", Varredura({{"Etscal", 400, 500, 3}, {"Etscal", 400, 500, 3}}, {"Epotele"}),
         "O campo 'Etscal' aparece duas vezes na varredura.",
         "The field 'Etscal' appears twice in the sweep."},
        {"v_alta", Varredura({{"Epstap", 10, 20, 3}}, {"Epotele"}, false),
         "O campo 'Epstap' só é usado com a turbina de alta pressão.",
         "The field 'Epstap' is used only with the high-pressure turbine."},
        {"v_limite", Varredura({{"Eprecal", 100, 250, 3}}, {"Epotele"}),
         "A faixa da varredura de 'Eprecal' passa do limite de 190 bar: acima dele o cálculo usa o próprio limite.",
         "The sweep range of 'Eprecal' goes past the limit of 190 bar: above it the calculation uses the limit itself."},
        {"v_demais", Varredura({{"Etscal", 400, 500, 1001}, {"Eefical", 80, 90, 1001}}, {"Epotele"}),
         "A varredura teria mais de 1000000 pontos.",
         "The sweep would have more than 1000000 points."},
        {"v_saida", Varredura({{"Etscal", 400, 500, 3}}, {"Exyz"}),
         "Campo de saída desconhecido na varredura: 'Exyz'.",
         "Unknown output field in the sweep: 'Exyz'."},
        {"v_saida_rep", Varredura({{"Etscal", 400, 500, 3}}, {"Epotele", "Epotele"}),
         "O campo de saída 'Epotele' aparece duas vezes na varredura.",
         "The output field 'Epotele' appears twice in the sweep."},
        {"v_poucos", Varredura({{"Etscal", 400, 500, 1}}, {"Epotele"}),
         "A varredura de 'Etscal' precisa de pelo menos 2 pontos, não 1.",
         "The sweep of 'Etscal' needs at least 2 points, not 1."},
        {"v_nao_finita", Varredura({{"Etscal", 400, Infinito, 3}}, {"Epotele"}),
         "A faixa da varredura de 'Etscal' não é finita.",
         "The sweep range of 'Etscal' is not finite."},
        {"v_valores", [](const std::string&) { ValoresEixo({"Etscal", -1e308, 1e308, 3}); },
         "A faixa da varredura de 'Etscal' dá valores que não são finitos.",
         "The sweep range of 'Etscal' gives values that are not finite."},
        {"r_sem", Resultado(SituacaoCalculo::SemCalculo),
         "Ainda não há resultados: execute o cálculo (Executar) antes de gravar.",
         "No results yet: run the calculation (Run) before saving."},
        {"r_incompleto", Resultado(SituacaoCalculo::Interrompido),
         "O último cálculo não terminou: não há resultados completos para gravar.",
         "The last calculation did not finish: there are no complete results to save."},
        {"r_eficiencia", Entradas([](EntradasUsina& e) { e.EficienciaCaldeira = 150; }),
         "Valor impossível em \"Eficiência Térmica da Caldeira [%]\": 150. Deve ser maior que 0 e no máximo 100 %.",
         "Impossible value in \"Boiler thermal efficiency [%]\": 150. Must be greater than 0 and at most 100 %."},
        {"r_capacidade", Entradas([](EntradasUsina& e) { e.CapacidadeUsina = -1; }),
         "Valor impossível em \"Capacidade da Usina [ton cana/h]\": -1. Deve ser maior que zero.",
         "Impossible value in \"Mill capacity [t cane/h]\": -1. Must be greater than zero."},
        {"r_moagem", Entradas([](EntradasUsina& e) { e.PotenciaMoagemEspecifica = -0.5; }),
         "Valor impossível em \"Potência de moagem [kWh/ton cana]\": -0,5. Deve ser zero ou maior.",
         "Impossible value in \"Milling power [kWh/t cane]\": -0,5. Must be zero or greater.",
         "Valor impossível em \"Potência de moagem [kWh/ton cana]\": -0.5. Deve ser zero ou maior.",
         "Impossible value in \"Milling power [kWh/t cane]\": -0.5. Must be zero or greater."},
        {"r_valvula", Entradas([](EntradasUsina& e) { e.PercentualValvula = 101; }),
         "Valor impossível em \"Quantidade de vapor para válvula de expansão [%]\": 101. Deve estar entre 0 e 100 %.",
         "Impossible value in \"Steam to the expansion valve [%]\": 101. Must be between 0 and 100 %."},
        {"r_faixa_pressao", Entradas([](EntradasUsina& e) { e.PressaoProcesso = 0.001; }),
         "Valor impossível em \"Pressão do vapor para processos [bar]\": 0,001. Deve estar entre 0,006109 e 190 bar, a faixa das propriedades da água.",
         "Impossible value in \"Process steam pressure [bar]\": 0,001. Must be between 0,006109 and 190 bar, the range of the water properties.",
         "Valor impossível em \"Pressão do vapor para processos [bar]\": 0.001. Deve estar entre 0.006109 e 190 bar, a faixa das propriedades da água.",
         "Impossible value in \"Process steam pressure [bar]\": 0.001. Must be between 0.006109 and 190 bar, the range of the water properties."},
        {"r_coletor_caldeira", Entradas([](EntradasUsina& e) { e.PressaoSaidaTurbinaAlta = 90.5; }),
         "Valor impossível em \"Pressão de saída na turbina de alta pressão [bar]\": 90,5. Deve ser menor que a pressão de operação da caldeira, 80 bar.",
         "Impossible value in \"HP turbine outlet pressure [bar]\": 90,5. Must be lower than the boiler's operating pressure, 80 bar.",
         "Valor impossível em \"Pressão de saída na turbina de alta pressão [bar]\": 90.5. Deve ser menor que a pressão de operação da caldeira, 80 bar.",
         "Impossible value in \"HP turbine outlet pressure [bar]\": 90.5. Must be lower than the boiler's operating pressure, 80 bar."},
        {"r_processo_coletor", Entradas([](EntradasUsina& e) { e.PressaoProcesso = 30; }),
         "Valor impossível em \"Pressão do vapor para processos [bar]\": 30. Deve ser menor que a pressão de saída na turbina de alta pressão, 22 bar.",
         "Impossible value in \"Process steam pressure [bar]\": 30. Must be lower than the high-pressure turbine's outlet pressure, 22 bar."},
        {"r_saturacao_caldeira", Entradas([](EntradasUsina& e) { e.TemperaturaCaldeira = 250; }),
         "Valor impossível em \"Temperatura de saída da caldeira [°C]\": 250. Deve ser maior que a temperatura de saturação à pressão da caldeira, 295,07 °C: o vapor vivo sai superaquecido.",
         "Impossible value in \"Boiler outlet temperature [°C]\": 250. Must be higher than the saturation temperature at the boiler pressure, 295,07 °C: live steam leaves superheated.",
         "Valor impossível em \"Temperatura de saída da caldeira [°C]\": 250. Deve ser maior que a temperatura de saturação à pressão da caldeira, 295.07 °C: o vapor vivo sai superaquecido.",
         "Impossible value in \"Boiler outlet temperature [°C]\": 250. Must be higher than the saturation temperature at the boiler pressure, 295.07 °C: live steam leaves superheated."},
        {"r_saturacao_condensado", Entradas([](EntradasUsina& e) { e.TemperaturaCondensado = 150; }),
         "Valor impossível em \"Temperatura do condensado de retorno [°C]\": 150. Deve ser menor que a temperatura de saturação à pressão do condensado, 120,23 °C: o condensado volta líquido.",
         "Impossible value in \"Return condensate temperature [°C]\": 150. Must be lower than the saturation temperature at the condensate pressure, 120,23 °C: the condensate returns liquid.",
         "Valor impossível em \"Temperatura do condensado de retorno [°C]\": 150. Deve ser menor que a temperatura de saturação à pressão do condensado, 120.23 °C: o condensado volta líquido.",
         "Impossible value in \"Return condensate temperature [°C]\": 150. Must be lower than the saturation temperature at the condensate pressure, 120.23 °C: the condensate returns liquid."},
        {"r_congela", Entradas([](EntradasUsina& e) { e.TemperaturaCondensado = -5; }),
         "Valor impossível em \"Temperatura do condensado de retorno [°C]\": -5. Deve ser 0 °C ou mais: abaixo disso a água congela.",
         "Impossible value in \"Return condensate temperature [°C]\": -5. Must be 0 °C or more: below that the water freezes."},
        {"r_nan", Entradas([](EntradasUsina& e) { e.PciBagaco = NaN; }),
         "Valor impossível em \"PCI do bagaço [kJ/kg]\": nan. Deve ser um número finito.",
         "Impossible value in \"Bagasse LHV [kJ/kg]\": nan. Must be a finite number."},
        // The English is new: the patterns left it in Portuguese.
        {"s_dias", Entradas([](EntradasUsina& e) { e.safra.DiasSafra = 400.5; }),
         "Valor impossível em \"Duração da safra [dias]\": 400,5. Deve ser maior que 0 e no máximo 366 dias.",
         "Impossible value in \"Season length [days]\": 400,5. Must be greater than 0 and at most 366 days.",
         "Valor impossível em \"Duração da safra [dias]\": 400.5. Deve ser maior que 0 e no máximo 366 dias.",
         "Impossible value in \"Season length [days]\": 400.5. Must be greater than 0 and at most 366 days."},
        {"s_aprov", Entradas([](EntradasUsina& e) { e.safra.AproveitamentoMoagem = 100.5; }),
         "Valor impossível em \"Aproveitamento do tempo de moagem [%]\": 100,5. Deve ser maior que 0 e no máximo 100 %.",
         "Impossible value in \"Crushing time utilisation [%]\": 100,5. Must be greater than 0 and at most 100 %.",
         "Valor impossível em \"Aproveitamento do tempo de moagem [%]\": 100.5. Deve ser maior que 0 e no máximo 100 %.",
         "Impossible value in \"Crushing time utilisation [%]\": 100.5. Must be greater than 0 and at most 100 %."},
    };
    return linhas;
}
// clang-format on

std::string ComPasta(std::string texto) {
    const std::string marca = "{pasta}";
    for (std::size_t i; (i = texto.find(marca)) != std::string::npos;)
        texto.replace(i, marca.size(), Pasta());
    return texto;
}

std::exception_ptr Lancado(const Lancador& lancar, const std::string& separador) {
    try {
        lancar(separador);
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

std::string Composto(const std::exception_ptr& erro, Idioma idioma) {
    try {
        std::rethrow_exception(erro);
    } catch (const std::exception& e) {
        return TextoErroTraduzido(e, idioma).toStdString();
    }
}

std::string What(const std::exception_ptr& erro) {
    try {
        std::rethrow_exception(erro);
    } catch (const std::exception& e) {
        return e.what();
    }
}

TEST(MensagensTipadas, CadaTipoEmPortuguesComoEraEEmInglesDosValores) {
    for (const Linha& l : Linhas()) {
        for (const std::string separador : {",", "."}) {
            SCOPED_TRACE(std::string(l.nome) + " " + separador);
            const bool ponto = separador == ".";
            const std::string portugues =
                ComPasta(ponto && l.portuguesPonto ? l.portuguesPonto : l.portugues);
            const std::string ingles = ComPasta(ponto && l.inglesPonto ? l.inglesPonto : l.ingles);
            const std::exception_ptr erro = Lancado(l.lancar, separador);
            ASSERT_NE(erro, nullptr);
            EXPECT_EQ(What(erro), portugues);
            EXPECT_EQ(Composto(erro, Idioma::Portugues), portugues);
            EXPECT_EQ(Composto(erro, Idioma::Ingles), ingles);
        }
    }
}

// The reasons a file cannot be read or written, from errno and the kind of
// what the path names: the sentence of a case that cannot be read and of a
// file the window cannot write, each in both languages.
TEST(MensagensTipadas, MotivosDeArquivo) {
    struct Razao {
        int codigo;
        unsigned tipo;
        bool naPasta;
        const char* leitura;
        const char* reading;
        const char* gravacao;
        const char* writing;
    };
    // clang-format off
    const Razao razoes[] = {
        {ENOENT, 0, false, "o arquivo não existe", "the file does not exist", "a pasta não existe", "the folder does not exist"},
        {ENOTDIR, 0, false, "uma parte do caminho não é uma pasta", "a part of the path is not a folder", "uma parte do caminho não é uma pasta", "a part of the path is not a folder"},
        {EISDIR, 0, false, "é uma pasta, não um arquivo", "it is a folder, not a file", "é uma pasta, não um arquivo", "it is a folder, not a file"},
        {EACCES, 0, false, "acesso negado", "access denied", "acesso negado", "access denied"},
        {EACCES, 0, true, "acesso negado", "access denied", "não há permissão para criar arquivos na pasta", "there is no permission to create files in the folder"},
        {EPERM, 0, false, "acesso negado", "access denied", "acesso negado", "access denied"},
        {EPERM, 0, true, "acesso negado", "access denied", "não há permissão para criar arquivos na pasta", "there is no permission to create files in the folder"},
        {ENAMETOOLONG, 0, false, "o nome é longo demais", "the name is too long", "o nome é longo demais", "the name is too long"},
        {ELOOP, 0, false, "ligações simbólicas em ciclo", "symbolic links in a loop", "ligações simbólicas em ciclo", "symbolic links in a loop"},
        {EMFILE, 0, false, "arquivos abertos demais", "too many open files", "arquivos abertos demais", "too many open files"},
        {ENFILE, 0, false, "arquivos abertos demais", "too many open files", "arquivos abertos demais", "too many open files"},
        {EINVAL, 0, false, "nome de arquivo inválido", "invalid file name", "nome de arquivo inválido", "invalid file name"},
        {EROFS, 0, false, "erro de entrada e saída 30", "input/output error 30", "o sistema de arquivos só permite leitura", "the file system is read-only"},
        {ENOSPC, 0, false, "erro de entrada e saída 28", "input/output error 28", "o disco está cheio", "the disk is full"},
        {EDQUOT, 0, false, "erro de entrada e saída 122", "input/output error 122", "o disco está cheio", "the disk is full"},
        {EFBIG, 0, false, "erro de entrada e saída 27", "input/output error 27", "o arquivo passa do tamanho máximo permitido", "the file exceeds the largest size allowed"},
        {EIO, 0, false, "erro de entrada e saída 5", "input/output error 5", "erro de entrada e saída 5", "input/output error 5"},
        {EACCES, S_IFIFO, false, "é uma FIFO (pipe nomeado), não um arquivo comum", "it is a FIFO (named pipe), not a regular file", "é uma FIFO (pipe nomeado), não um arquivo comum", "it is a FIFO (named pipe), not a regular file"},
        {EACCES, S_IFSOCK, false, "é um soquete, não um arquivo comum", "it is a socket, not a regular file", "é um soquete, não um arquivo comum", "it is a socket, not a regular file"},
        {EACCES, S_IFCHR, false, "é um dispositivo, não um arquivo comum", "it is a device, not a regular file", "é um dispositivo, não um arquivo comum", "it is a device, not a regular file"},
        {EACCES, S_IFBLK, false, "é um dispositivo, não um arquivo comum", "it is a device, not a regular file", "é um dispositivo, não um arquivo comum", "it is a device, not a regular file"},
        {EISDIR, S_IFDIR, false, "é uma pasta, não um arquivo", "it is a folder, not a file", "é uma pasta, não um arquivo", "it is a folder, not a file"},
    };
    // clang-format on
    for (const Razao& r : razoes) {
        SCOPED_TRACE(r.leitura);
        const ErroCaso lido = ErroCaso::NaoLido("a.usina", FalhaLeitura(r.codigo, r.tipo));
        EXPECT_EQ(lido.what(), "Não foi possível ler o arquivo \"a.usina\": " + std::string(r.leitura));
        EXPECT_EQ(TextoErroTraduzido(lido, Idioma::Portugues).toStdString(), lido.what());
        EXPECT_EQ(TextoErroTraduzido(lido, Idioma::Ingles).toStdString(),
                  "The file \"a.usina\" could not be read: " + std::string(r.reading));

        const ErroGravacao gravacao(r.codigo, "x", r.tipo, r.naPasta);
        const ErroArquivoNaoGravado escrito("/x/<h1>r.txt", gravacao);
        EXPECT_EQ(escrito.what(), MensagemGravacao("/x/<h1>r.txt", gravacao));
        EXPECT_EQ(escrito.what(),
                  "Não foi possível gravar o arquivo \"/x/<h1>r.txt\": " + std::string(r.gravacao));
        EXPECT_EQ(TextoErroTraduzido(escrito, Idioma::Portugues).toStdString(), escrito.what());
        EXPECT_EQ(TextoErroTraduzido(escrito, Idioma::Ingles).toStdString(),
                  "Could not write the file \"/x/<h1>r.txt\": " + std::string(r.writing));
    }
}

// The warnings that do not stop anything: a case file's unknown keys, the
// season's energy bought and bagasse missing, and a settings file the
// program does not use. The season's English is new.
TEST(MensagensTipadas, AvisosEConfiguracoes) {
    std::string json = CasoParaJson(CasoUsina{});
    json.insert(json.find("\"descricao\""), "\"xyz\": 1, ");
    for (int i = 0; i < 25; ++i) json.insert(1, "\"k" + std::to_string(i) + "\": 1, ");
    const CasoLido lido = CasoDeJson(json, "planta.usina", ",");
    ASSERT_EQ(lido.avisosTipados.size(), 21u);
    ASSERT_EQ(lido.avisos.size(), 21u);
    for (std::size_t i = 0; i < lido.avisos.size(); ++i) {
        EXPECT_EQ(lido.avisos[i], TextoAvisoCaso(lido.avisosTipados[i]));
        EXPECT_EQ(TextoAvisoCasoTraduzido(lido.avisosTipados[i], Idioma::Portugues).toStdString(),
                  lido.avisos[i]);
    }
    // The keys in the file's order: k24 ... k5 named, then the six left (k4 ... k0, xyz).
    EXPECT_EQ(lido.avisos[0], "O arquivo \"planta.usina\" tem a chave desconhecida \"k24\", ignorada.");
    EXPECT_EQ(TextoAvisoCasoTraduzido(lido.avisosTipados[0], Idioma::Ingles).toStdString(),
              "The file \"planta.usina\" has the unknown key \"k24\", ignored.");
    EXPECT_EQ(lido.avisos[20], "O arquivo \"planta.usina\" tem mais 6 chaves desconhecidas, ignoradas.");
    EXPECT_EQ(TextoAvisoCasoTraduzido(lido.avisosTipados[20], Idioma::Ingles).toStdString(),
              "The file \"planta.usina\" has 6 more unknown keys, ignored.");

    const struct {
        AvisoUsina aviso;
        const char* virgula;
        const char* ponto;
        const char* ingles;  // with ","
    } safra[] = {
        {{TipoAviso::ImportaEnergia, 1234.567}, "A usina importa energia: 1234,57 MWh na safra",
         "A usina importa energia: 1234.57 MWh na safra",
         "The mill imports energy: 1234,57 MWh in the season"},
        {{TipoAviso::FaltaBagaco, 0.5}, "Falta bagaço: 0,50 t na safra", "Falta bagaço: 0.50 t na safra",
         "Bagasse is short: 0,50 t in the season"},
    };
    for (const auto& c : safra) {
        EXPECT_EQ(TextoAviso(c.aviso, ","), c.virgula);
        EXPECT_EQ(TextoAviso(c.aviso, "."), c.ponto);
        EXPECT_EQ(TextoAvisoTraduzido(c.aviso, ",").toStdString(), c.virgula);
        EXPECT_EQ(TextoAvisoTraduzido(c.aviso, ".").toStdString(), c.ponto);
        AplicarIdioma(Idioma::Ingles);
        const std::string ingles = TextoAvisoTraduzido(c.aviso, ",").toStdString();
        AplicarIdioma(Idioma::Portugues);
        EXPECT_EQ(ingles, c.ingles);
    }

    ProblemaArquivoConfiguracoes grande;
    grande.caminho = "/home/u/.config/usina/usina.conf";
    grande.grandeDemais = true;
    grande.tamanho = 300000;
    ProblemaArquivoConfiguracoes fifo;
    fifo.caminho = grande.caminho;
    fifo.falha = FalhaLeitura(EACCES, S_IFIFO);
    EXPECT_EQ(TextoProblemaConfiguracoes(grande, Idioma::Portugues).toStdString(),
              "As configurações em \"/home/u/.config/usina/usina.conf\" não foram lidas: é grande "
              "demais: 300000 bytes (o máximo é 262144 bytes); esta sessão usa os valores padrão e "
              "não as guarda.");
    EXPECT_EQ(TextoProblemaConfiguracoes(grande, Idioma::Ingles).toStdString(),
              "The settings in \"/home/u/.config/usina/usina.conf\" were not read: it is too large: "
              "300000 bytes (the maximum is 262144 bytes); this session uses the defaults and does "
              "not save them.");
    EXPECT_EQ(TextoProblemaConfiguracoes(fifo, Idioma::Portugues).toStdString(),
              "As configurações em \"/home/u/.config/usina/usina.conf\" não foram lidas: é uma FIFO "
              "(pipe nomeado), não um arquivo comum; esta sessão usa os valores padrão e não as "
              "guarda.");
    EXPECT_EQ(TextoProblemaConfiguracoes(fifo, Idioma::Ingles).toStdString(),
              "The settings in \"/home/u/.config/usina/usina.conf\" were not read: it is a FIFO "
              "(named pipe), not a regular file; this session uses the defaults and does not save "
              "them.");
}

}  // namespace
