// The case file: written and read back bit for bit, and every kind of bad
// file refused with a message naming the file and the fault.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "DiretorioTemporario.h"
#include "UsinasSorteadas.h"
#include "io/CasoUsina.h"
#include "plant/CamposMemoria.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSafra.h"

namespace {

// Every input and the configuration, the numbers compared as bits (0 and -0,
// or two NaNs, are not the same case).
::testing::AssertionResult MesmosBits(const EntradasUsina& a, const EntradasUsina& b) {
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        if (std::bit_cast<std::uint64_t>(a.*c.membro) != std::bit_cast<std::uint64_t>(b.*c.membro))
            return ::testing::AssertionFailure() << c.nome << ": " << a.*c.membro << " != " << b.*c.membro;
    }
    if (a.comTurbinaAlta != b.comTurbinaAlta) return ::testing::AssertionFailure() << "configuração";
    return ::testing::AssertionSuccess();
}

TEST(CasoUsina, IdaEVoltaBitABit) {
    int semTurbina = 0;
    for (const EntradasUsina& e : UsinasSorteadas(3000)) {
        CasoUsina caso{e, "Safra 2026/27 — caldeira \"nova\"\nlinha 2\ttab \\ barra"};
        const CasoLido lido = CasoDeJson(CasoParaJson(caso), "caso.usina");
        ASSERT_TRUE(MesmosBits(lido.caso.entradas, e));
        ASSERT_EQ(lido.caso.descricao, caso.descricao);
        ASSERT_TRUE(lido.avisos.empty());
        semTurbina += !e.comTurbinaAlta;
    }
    EXPECT_EQ(semTurbina, 1000);
}

// The extremes of what a case may hold, the input limits above their end
// kept as typed: a reload must make the very run that saved them.
TEST(CasoUsina, ValoresExtremosVoltamIguais) {
    EntradasUsina e;
    e.comTurbinaAlta = false;
    e.PressaoSaidaTurbinaAlta = -0.0;
    e.EficienciaTurbinaAlta = 4.9406564584124654e-324;
    e.PotenciaMoagemEspecifica = -0.0;
    e.PercentualValvula = 2.2250738585072009e-308;  // largest subnormal
    e.PressaoCaldeira = 1.7976931348623157e308;     // read as 190 bar by the run
    e.TemperaturaCaldeira = 1e300;                  // read as 1300 degC
    e.CapacidadeUsina = 0.1 + 0.2;
    const CasoLido lido = CasoDeJson(CasoParaJson({e, ""}), "x");
    EXPECT_TRUE(MesmosBits(lido.caso.entradas, e));
}

// The season's inputs are optional keys. A file written before them opens
// with their defaults and no warning, and saves back with them; written
// ones come back to the bit, a few of them with the rest at the defaults;
// a bad one is refused naming it.
TEST(CasoUsina, EntradasDaSafraOpcionais) {
    const std::string atual = CasoParaJson(CasoUsina{});
    const std::string antigo = atual.substr(0, atual.find(",\n  \"Ediasafra\"")) + "\n}\n";
    ASSERT_EQ(antigo.find("Einvest"), std::string::npos);
    ASSERT_TRUE(antigo.ends_with("\"Eefitmp\": 70.0\n}\n"));
    CasoLido lido = CasoDeJson(antigo, "antigo.usina");
    EXPECT_EQ(lido.caso, CasoUsina{});
    EXPECT_TRUE(lido.avisos.empty());
    EXPECT_EQ(CasoParaJson(lido.caso), atual);
    EXPECT_TRUE(atual.ends_with("  \"Eprecobag\": 60.0,\n  \"Einvest\": 0.0\n}\n")) << atual;

    CasoUsina caso;
    caso.entradas.safra = {366.0, 0.1 + 0.2, std::numeric_limits<double>::denorm_min(), 0.0,
                           1e300, 60.5, 123456789.01};
    lido = CasoDeJson(CasoParaJson(caso), "safra.usina");
    for (const CampoEntradaSafra& c : CamposEntradaSafra())
        EXPECT_EQ(std::bit_cast<std::uint64_t>(lido.caso.entradas.safra.*c.membro),
                  std::bit_cast<std::uint64_t>(caso.entradas.safra.*c.membro))
            << c.nome;
    EXPECT_EQ(lido.caso, caso);

    std::string alguns = antigo;
    alguns.insert(1, "\"Einvest\": 5e6, \"Eaprov\": 90,");
    lido = CasoDeJson(alguns, "alguns.usina");
    EntradasSafra esperado;
    esperado.Investimento = 5e6;
    esperado.AproveitamentoMoagem = 90.0;
    EXPECT_EQ(lido.caso.entradas.safra, esperado);

    const struct {
        const char* chaves;
        const char* mensagem;
    } ruins[] = {
        {"\"Eaprov\": 0,", "O arquivo \"r.usina\" não é um caso válido: Valor impossível em "
                          "\"Aproveitamento do tempo de moagem [%]\": 0. Deve ser maior que 0 e no "
                          "máximo 100 %."},
        {"\"Einvest\": \"1\",", "O arquivo \"r.usina\" não é um caso válido: a entrada \"Einvest\" "
                                "(Investimento [R$]) deve ser um número, não um texto"},
    };
    for (const auto& r : ruins) {
        std::string texto = antigo;
        texto.insert(1, r.chaves);
        try {
            CasoDeJson(texto, "r.usina");
            ADD_FAILURE() << r.chaves;
        } catch (const ErroCaso& e) {
            EXPECT_EQ(std::string(e.what()), r.mensagem);
        }
    }
}

class ArquivoCaso : public DiretorioTemporario {};

TEST_F(ArquivoCaso, FormaDoArquivo) {
    const std::string json = CasoParaJson(CasoUsina{});
    EXPECT_TRUE(json.starts_with(
        "{\n  \"formato\": \"usina-caso\",\n  \"versao\": 1,\n  \"descricao\": \"\",\n"
        "  \"com_turbina_alta\": true,\n"))
        << json;
    EXPECT_NE(json.find("\n  \"Ecapusi\": 400.0,\n"), std::string::npos) << json;
    EXPECT_EQ(json.back(), '\n');
    // The example in docs/ is the program's defaults, byte for byte.
    CasoUsina exemplo;
    exemplo.descricao = "Dados padrão do programa";
    EXPECT_EQ(Ler(USINA_DIRETORIO_DOCS "/exemplo.usina"), CasoParaJson(exemplo));
}

// A UTF-8 byte order mark (as some Windows editors write) is skipped.
TEST(CasoUsina, MarcaDeOrdemAceita) {
    const CasoLido lido = CasoDeJson("\xEF\xBB\xBF" + CasoParaJson(CasoUsina{}), "bom.usina");
    EXPECT_EQ(lido.caso, CasoUsina{});
}

// Keys the program does not know (a later version, a typing error) are
// named in warnings, at most 20 one by one, and otherwise ignored.
TEST(CasoUsina, ChavesDesconhecidasViramAvisos) {
    std::string json = CasoParaJson(CasoUsina{});
    json.insert(1, "\"Ecapusi \": 1, \"notas\": {\"a\": [1, {\"b\": null}]}, \"x\\u0007\": true,");
    CasoLido lido = CasoDeJson(json, "dir/caso.usina");
    EXPECT_EQ(lido.caso, CasoUsina{});
    EXPECT_EQ(lido.avisos,
              (std::vector<std::string>{
                  "O arquivo \"dir/caso.usina\" tem a chave desconhecida \"Ecapusi \", ignorada.",
                  "O arquivo \"dir/caso.usina\" tem a chave desconhecida \"notas\", ignorada.",
                  "O arquivo \"dir/caso.usina\" tem a chave desconhecida \"x\\u0007\", ignorada."}));

    json = CasoParaJson(CasoUsina{});
    for (int i = 0; i < 25; ++i) json.insert(1, "\"k" + std::to_string(i) + "\": 0,");
    lido = CasoDeJson(json, "c");
    ASSERT_EQ(lido.avisos.size(), 21u);
    EXPECT_EQ(lido.avisos.back(), "O arquivo \"c\" tem mais 5 chaves desconhecidas, ignoradas.");
}

// ---------------------------------------------------------------------------
// Refused files
// ---------------------------------------------------------------------------

std::string Padrao() { return CasoParaJson(CasoUsina{}); }

// The default case with the text `de` (first occurrence) replaced by `para`.
std::string Trocado(const std::string& de, const std::string& para) {
    std::string s = Padrao();
    const std::size_t p = s.find(de);
    if (p == std::string::npos) throw std::logic_error("not in the case: " + de);
    return s.replace(p, de.size(), para);
}

std::string Aninhado(std::size_t niveis) {
    return "{\"x\": " + std::string(niveis - 1, '[') + std::string(niveis - 1, ']') + "}";
}

struct Recusado {
    const char* falha;
    std::string texto;
    std::string trecho;  // what the message must say after the file's name
};

const std::vector<Recusado>& CasosRecusados() {
    static const std::vector<Recusado> casos = {
        {"vazio", "", "está vazio"},
        {"só a marca de ordem", "\xEF\xBB\xBF", "está vazio"},
        {"truncado", Padrao().substr(0, Padrao().size() / 2), "o arquivo parece truncado"},
        {"texto não fechado", "{\"formato\": \"usina-c", "o arquivo parece truncado"},
        {"NaN", Trocado("400.0", "NaN"), "linha 6, coluna 14, em \"NaN,\" (NaN e Infinity"},
        {"Infinity", Trocado("400.0", "Infinity"), "(NaN e Infinity não são números em JSON)"},
        {"-Infinity", Trocado("400.0", "-Infinity"), "(NaN e Infinity não são números em JSON)"},
        {"1e999", Trocado("400.0", "1e999"),
         "o número 1e999 (linha 6, coluna 14) está fora do alcance de um número de ponto flutuante"},
        {"texto no lugar de número", Trocado("400.0", "\"400\""),
         "a entrada \"Ecapusi\" (Capacidade da Usina [ton cana/h]) deve ser um número, não um texto"},
        {"lógico no lugar de número", Trocado("480.0", "true"),
         "a entrada \"Evap\" (Vapor por tonelada de cana [kg]) deve ser um número, não um valor lógico"},
        {"null no lugar de número", Trocado("70.0", "null"), "\"Eefitmp\" (Eficiência isentrópica turbina de média pressão [%]) deve ser um número, não null"},
        {"objeto no lugar de número", Trocado("90.0", "{}"), "deve ser um número, não um objeto"},
        {"configuração não lógica", Trocado("true", "1"), "\"com_turbina_alta\" deve ser true ou false, não um número"},
        {"descrição não texto", Trocado("\"descricao\": \"\"", "\"descricao\": 5"), "\"descricao\" deve ser um texto, não um número"},
        {"sem a configuração", Trocado("\"com_turbina_alta\": true,", ""), "falta a chave \"com_turbina_alta\""},
        {"sem uma entrada", Trocado("\"Etcon\": 90.0,", ""), "falta a entrada \"Etcon\" (Temperatura do condensado de retorno [°C])"},
        {"aninhamento profundo", Aninhado(100000), "objetos e listas aninhados em mais de 64 níveis"},
        {"aninhamento logo além do limite", Aninhado(65), "aninhados em mais de 64 níveis"},
        {"byte inválido", Trocado("\"descricao\": \"\"", "\"descricao\": \"a\xFF\""), "o texto não está em UTF-8 (byte inválido na linha 4, coluna 18)"},
        {"Latin-1", Trocado("\"descricao\": \"\"", "\"descricao\": \"press\xE3o\""), "não está em UTF-8"},
        {"marca de ordem quebrada", "\xEF\xBB{}", "não está em UTF-8"},
        {"marca de ordem em UTF-16", "\xFF\xFE{\0}\0", "não está em UTF-8"},
        {"versão desconhecida", Trocado("\"versao\": 1", "\"versao\": 2"), "a versão 2 do formato não é conhecida (este programa lê a versão 1)"},
        {"versão fracionária", Trocado("\"versao\": 1", "\"versao\": 1.5"), "a versão 1,5 do formato"},
        {"versão zero", Trocado("\"versao\": 1", "\"versao\": 0"), "a versão 0 do formato não é conhecida"},
        {"sem versão", Trocado("\"versao\": 1,", ""), "falta a chave \"versao\""},
        {"outro formato", Trocado("usina-caso", "planilha"), "\"formato\" deve ser \"usina-caso\", não \"planilha\""},
        {"JSON de outro programa", "{\"nome\": \"x\", \"valores\": [1, 2]}", "falta a chave \"formato\" com o valor \"usina-caso\": não parece um caso do usina"},
        {"lista no topo", "[" + Padrao() + "]", "o conteúdo deve ser um objeto JSON ({...}), não uma lista"},
        {"chave repetida", Trocado("\"Evap\"", "\"Ecapusi\""), "a chave \"Ecapusi\" aparece mais de uma vez"},
        // The season's seven keys come last, Einvest the very last.
        {"lixo depois do objeto", Padrao() + "x", "JSON inválido na linha 32, coluna 1, em \"x\""},
        {"vírgula sobrando", Trocado("\"Einvest\": 0.0\n", "\"Einvest\": 0.0,\n"), "JSON inválido na linha 31, coluna 1, em \"}\""},
        {"vírgula decimal", Trocado("400.0", "400,0"), "JSON inválido na linha 6, coluna 18"},
        {"caractere de controle num texto", Trocado("\"descricao\": \"\"", "\"descricao\": \"a\nb\""), "JSON inválido na linha 4"},
        {"eficiência zero", Trocado("65.0", "0"), "Valor impossível em \"Eficiência isentrópica da bomba de condensado [%]\": 0. Deve ser maior que 0 e no máximo 100 %."},
        {"número minúsculo vira zero", Trocado("65.0", "1e-999"), "Valor impossível em \"Eficiência isentrópica da bomba de condensado [%]\": 0."},
        {"condensado acima da caldeira", Trocado("\"Eprecon\": 2.0", "\"Eprecon\": 85.5"), "Valor impossível em \"Pressão do condensado de retorno [bar]\": 85,5. Deve ser menor que a pressão de operação da caldeira, 80 bar."},
        {"turbina de alta acima da caldeira", Trocado("22.0", "90.0"), "\"Pressão de saída na turbina de alta pressão [bar]\": 90. Deve ser menor"},
        {"vapor vivo saturado", Trocado("450.0", "200.0"), "o vapor vivo sai superaquecido"},
        {"pacote desconhecido", Trocado("\"com_turbina_alta\": true", "\"com_turbina_alta\": true, \"propriedades\": \"iapws95\""),
         "\"propriedades\" deve ser \"kkhm\" ou \"if97\", não \"iapws95\""},
        {"pacote não texto", Trocado("\"com_turbina_alta\": true", "\"com_turbina_alta\": true, \"propriedades\": 97"),
         "\"propriedades\" deve ser \"kkhm\" ou \"if97\", não um número"},
        // 80 bar: saturation at 295,01 degC with IAPWS-IF97, 295,07 with the
        // 1969 equation; each file is checked with its own package.
        {"vapor vivo saturado para o pacote de 1969", Trocado("450.0", "295.04"), "295,07 °C"},
    };
    return casos;
}

TEST(CasoUsina, ArquivosRecusados) {
    for (const Recusado& c : CasosRecusados()) {
        SCOPED_TRACE(c.falha);
        try {
            CasoDeJson(c.texto, "pasta/meu caso.usina");
            ADD_FAILURE() << "accepted";
        } catch (const ErroCaso& e) {
            const std::string esperado =
                "O arquivo \"pasta/meu caso.usina\" não é um caso válido: ";
            const std::string m = e.what();
            EXPECT_EQ(m.substr(0, esperado.size()), esperado) << m;
            EXPECT_NE(m.find(c.trecho, esperado.size()), std::string::npos) << m;
        }
    }
}

// Exactly 64 levels of nesting are still read; the checks of the fields of
// the high-pressure turbine follow the configuration, as in a run.
TEST(CasoUsina, LimitesAceitos) {
    std::string json = Padrao();
    json.insert(1, "\"x\": " + std::string(63, '[') + std::string(63, ']') + ",");
    EXPECT_EQ(CasoDeJson(json, "c").caso, CasoUsina{});

    json = Trocado("\"com_turbina_alta\": true", "\"com_turbina_alta\": false");
    json.replace(json.find("22.0"), 4, "900");  // beyond the property range
    const CasoLido lido = CasoDeJson(json, "c");
    EXPECT_EQ(lido.caso.entradas.PressaoSaidaTurbinaAlta, 900.0);
    EXPECT_FALSE(lido.caso.entradas.comTurbinaAlta);
    // Above 190 bar the run reads the limit: the case keeps the number.
    EXPECT_EQ(CasoDeJson(Trocado("\"Eprecal\": 80.0", "\"Eprecal\": 250"), "c").caso.entradas.PressaoCaldeira, 250.0);
}

// ---------------------------------------------------------------------------
// Files
// ---------------------------------------------------------------------------

std::string MensagemDeLer(const std::string& caminho) {
    try {
        LerCaso(caminho);
    } catch (const ErroCaso& e) {
        return e.what();
    }
    return "accepted";
}

TEST_F(ArquivoCaso, GravaELe) {
    CasoUsina caso;
    caso.entradas = UsinasSorteadas(3)[0];
    caso.descricao = "Moenda de 2026";
    GravarCaso("caso.usina", caso);
    EXPECT_EQ(Ler("caso.usina"), CasoParaJson(caso));
    const CasoLido lido = LerCaso("caso.usina");
    EXPECT_TRUE(MesmosBits(lido.caso.entradas, caso.entradas));
    EXPECT_EQ(lido.caso.descricao, caso.descricao);
    EXPECT_EQ(Entradas(), std::vector<std::string>{"caso.usina"});  // no temporary file left
}

TEST_F(ArquivoCaso, ArquivosQueNaoSePodemLer) {
    std::filesystem::create_directory("pasta.usina");
    EXPECT_EQ(MensagemDeLer("nao-existe.usina"),
              "Não foi possível ler o arquivo \"nao-existe.usina\": o arquivo não existe");
    EXPECT_EQ(MensagemDeLer("pasta.usina"),
              "Não foi possível ler o arquivo \"pasta.usina\": é uma pasta, não um arquivo");
    Gravar("arquivo", "x");
    EXPECT_EQ(MensagemDeLer("arquivo/caso.usina"),
              "Não foi possível ler o arquivo \"arquivo/caso.usina\": uma parte do caminho não é "
              "uma pasta");
    EXPECT_EQ(MensagemDeLer(std::string("a\0b", 3)),
              "Não foi possível ler o arquivo \"a\\0b\": nome de arquivo inválido");
    if (geteuid() != 0) {  // root reads any file
        Gravar("fechado.usina", Padrao());
        chmod("fechado.usina", 0);
        EXPECT_EQ(MensagemDeLer("fechado.usina"),
                  "Não foi possível ler o arquivo \"fechado.usina\": acesso negado");
    }
}

// A file of 50 MiB (sparse: nothing of it is on disk) is refused from its
// size, without being read; a device without end, after 1 MiB and a byte.
TEST_F(ArquivoCaso, ArquivoGrandeDemais) {
    const int fd = open("grande.usina", O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, 50 << 20), 0);
    close(fd);
    EXPECT_EQ(MensagemDeLer("grande.usina"),
              "O arquivo \"grande.usina\" não é um caso válido: é grande demais para um caso: "
              "52428800 bytes (o máximo é 1048576 bytes, 1 MiB)");

    // Exactly the limit is read (and then refused for what it holds).
    std::string limite = Padrao();
    limite.insert(limite.size() - 2, std::string(TamanhoMaximoCaso - limite.size(), ' '));
    Gravar("limite.usina", limite);
    ASSERT_EQ(std::filesystem::file_size("limite.usina"), TamanhoMaximoCaso);
    EXPECT_EQ(LerCaso("limite.usina").caso, CasoUsina{});
    Gravar("limite.usina", limite + " ");
    EXPECT_NE(MensagemDeLer("limite.usina").find("1048577 bytes"), std::string::npos);

    // A device is not read at all, endless or not.
    if (std::filesystem::exists("/dev/zero")) {
        EXPECT_EQ(MensagemDeLer("/dev/zero"),
                  "Não foi possível ler o arquivo \"/dev/zero\": é um dispositivo, não um arquivo comum");
    }
}

// A case the reader would refuse is never written, and an older file of the
// same name stays as it was; a file error gives the program's file message.
TEST_F(ArquivoCaso, GravacaoRecusada) {
    Gravar("caso.usina", "anterior");
    CasoUsina caso;
    caso.entradas.EficienciaBomba = 0.0;
    try {
        GravarCaso("caso.usina", caso);
        ADD_FAILURE() << "written";
    } catch (const ErroCaso& e) {
        EXPECT_STREQ(e.what(),
                     "O caso não foi gravado em \"caso.usina\": Valor impossível em \"Eficiência "
                     "isentrópica da bomba de condensado [%]\": 0. Deve ser maior que 0 e no máximo "
                     "100 %.");
    }
    // The checks skip the high-pressure turbine's fields without it, but a
    // value that JSON cannot hold is refused all the same.
    caso = CasoUsina{};
    caso.entradas.comTurbinaAlta = false;
    caso.entradas.EficienciaTurbinaAlta = std::nan("");
    EXPECT_THROW(GravarCaso("caso.usina", caso), ErroCaso);
    EXPECT_EQ(Ler("caso.usina"), "anterior");

    try {
        GravarCaso("nao/existe/caso.usina", CasoUsina{});
        ADD_FAILURE() << "written";
    } catch (const ErroArquivo& e) {
        EXPECT_STREQ(e.what(), "Não foi possível gravar o arquivo \"nao/existe/caso.usina\": a pasta não existe");
    }
    std::filesystem::create_directory("pasta");
    EXPECT_THROW(GravarCaso("pasta", CasoUsina{}), ErroArquivo);
    EXPECT_EQ(Entradas(), (std::vector<std::string>{"caso.usina", "pasta"}));
}

// ---------------------------------------------------------------------------
// Fields
// ---------------------------------------------------------------------------

// A case put into the fields and taken back from them is the same case, to
// the bit, with either separator.
TEST(CasoUsina, CamposIdaEVolta) {
    for (const std::string& separador : {std::string(","), std::string(".")}) {
        for (const EntradasUsina& e : UsinasSorteadas(300, 5)) {
            CamposMemoria campos(separador);
            for (const auto& [nome, texto] : TextosDoCaso(e, separador)) campos.DefinirEntrada(nome, texto);
            campos.DefinirCheckBox1(e.comTurbinaAlta);
            ASSERT_TRUE(MesmosBits(CasoDosCampos(campos, separador).entradas, e));
        }
    }
}

}  // namespace

// The property package: absent means the 1969 equation and the file is the
// one it always was; IAPWS-IF97 is written, read back and checked with its
// own saturation.
TEST(CasoUsina, PacoteDePropriedades) {
    EXPECT_EQ(Padrao().find("propriedades"), std::string::npos);
    EXPECT_EQ(CasoDeJson(Padrao(), "c").caso.entradas.propriedades, Formulacao::Kkhm1969);
    CasoUsina caso;
    caso.entradas.propriedades = Formulacao::If97;
    caso.entradas.TemperaturaCaldeira = 295.04;  // above IAPWS-IF97's saturation only
    const std::string json = CasoParaJson(caso);
    EXPECT_NE(json.find("\"propriedades\": \"if97\""), std::string::npos) << json;
    const CasoLido lido = CasoDeJson(json, "c");
    EXPECT_EQ(lido.caso, caso);
    EXPECT_TRUE(lido.avisos.empty());
    const std::string kkhm = Trocado("\"com_turbina_alta\": true",
                                     "\"com_turbina_alta\": true, \"propriedades\": \"kkhm\"");
    EXPECT_EQ(CasoDeJson(kkhm, "c").caso, CasoUsina{});
}
