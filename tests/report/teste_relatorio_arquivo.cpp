// The report as a file: its name, its bytes (Windows-1252, CR LF) and what
// is left on disk when writing it fails.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "DadosExemplo.h"
#include "DiretorioTemporario.h"
#include "io/Relatorio.h"
#include "io/Windows1252.h"
#include "properties/Erros.h"

namespace {

using RelatorioArquivo = DiretorioTemporario;

// The message of the error that writing the report throws.
std::string MensagemAoEscrever(const std::string& nome,
                               const ResultadoUsina& r = ResultadoExemplo()) {
    try {
        EscreverRelatorio(nome, r, true, ",");
    } catch (const ErroUsina& erro) {
        return erro.what();
    }
    return "(sem erro)";
}

TEST_F(RelatorioArquivo, BytesWindows1252ComCrLfEmTodaLinha) {
    EscreverRelatorio("dados", ResultadoExemplo(), true, ",");
    const std::string bytes = Ler("dados.txt");
    ASSERT_GT(bytes.size(), 3u);
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    std::size_t linhas = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') ++linhas;
        const bool crlf = bytes[i] == '\r' ? bytes[i + 1] == '\n' : bytes[i] != '\n' || bytes[i - 1] == '\r';
        ASSERT_TRUE(crlf) << "CR ou LF isolado no byte " << i;
    }
    EXPECT_EQ(linhas, 153u);
    EXPECT_EQ(bytes.find('\xC3'), std::string::npos);  // no UTF-8 leaked through
    for (const char* esperado : {
             "\r\nConfigura\xE7\xE3o com turbina de alta press\xE3o\r\n",
             "\r\nTemperatura de sa\xED" "da da caldeira [\xB0" "C]= ",
             "\r\nEfici\xEAncia de 2\xBA Lei [%]= ",
             "\r\nR\xF3t Vaz\xE3o [kg/s]   Pot\xEAncia[kW]  Efici\xEAncia[%]\r\n",
             "\r\nR\xF3t vol espec[m^3/kg] temperat[\xB0" "C]  press\xE3o[bar]  ener int[kJ/kg]   "
             "entalpia [kJ/kg]  entropia[kJ/kgK] exergia[kJ/kg] T\xEDtulo\r\n1 "})
        EXPECT_NE(bytes.find(esperado), std::string::npos) << esperado;

    // The same data give the same bytes; the name is used exactly as typed.
    EscreverRelatorio("dados.txt", ResultadoExemplo(), true, ",");
    EXPECT_EQ(Ler("dados.txt.txt"), bytes);
    EXPECT_EQ(Entradas(), (std::vector<std::string>{"dados.txt", "dados.txt.txt"}));
}

TEST_F(RelatorioArquivo, ErroNaoCriaNemEstragaArquivo) {
    Gravar("dados.txt", "relatorio anterior\r\n");
    std::filesystem::create_directory("pasta.txt");
    const std::pair<std::string, const char*> casos[] = {
        {"nao-existe/dados", "Invalid filename"},
        {"dados.txt/dados", "Invalid filename"},  // a file used as a directory
        {"pasta", "File access denied"},          // the name is a directory
    };
    for (const auto& [nome, mensagem] : casos) EXPECT_EQ(MensagemAoEscrever(nome), mensagem);
    EXPECT_EQ(Ler("dados.txt"), "relatorio anterior\r\n");
    EXPECT_EQ(Entradas(), (std::vector<std::string>{"dados.txt", "pasta.txt"}));
    EXPECT_TRUE(Entradas("pasta.txt").empty());
}

// Only a finished run is written: before the first run, after refused
// inputs and after a run that stopped half-way, the report is refused and
// the old file stays, even when the data look complete.
TEST_F(RelatorioArquivo, SoResultadoCompletoEGravado) {
    Gravar("dados.txt", "relatorio anterior\r\n");
    const char* const semCalculo =
        "Ainda não há resultados: execute o cálculo (Executar) antes de gravar.";
    const char* const incompleto =
        "O último cálculo não terminou: não há resultados completos para gravar.";
    const std::pair<SituacaoCalculo, const char*> casos[] = {
        {SituacaoCalculo::SemCalculo, semCalculo},
        {SituacaoCalculo::Recusado, incompleto},
        {SituacaoCalculo::Interrompido, incompleto},
    };
    for (const auto& [situacao, mensagem] : casos) {
        ResultadoUsina r = ResultadoExemplo();
        r.situacao = situacao;
        EXPECT_EQ(MensagemAoEscrever("dados", r), mensagem);
    }
    EXPECT_EQ(MensagemAoEscrever("dados", ResultadoUsina{}), semCalculo);
    EXPECT_EQ(Ler("dados.txt"), "relatorio anterior\r\n");
    EXPECT_EQ(Entradas(), std::vector<std::string>{"dados.txt"});
}

TEST_F(RelatorioArquivo, ArquivoSomenteLeituraAcessoNegado) {
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root: permission bits do not stop root from writing";
    Gravar("dados.txt", "protegido");
    std::filesystem::permissions("dados.txt", std::filesystem::perms::owner_read);
    EXPECT_EQ(MensagemAoEscrever("dados"), "File access denied");
    EXPECT_EQ(Ler("dados.txt"), "protegido");
}

// The code page's own characters at 0x80 to 0x9F, the Latin-1 range, and a
// character it lacks.
TEST(Windows1252, TabelaDosCaracteres) {
    const struct {
        const char* utf8;
        const char* bytes;
    } casos[] = {
        {"€™Ÿ–", "\x80\x99\x9F\x96"},
        {"‚ƒ„…†‡ˆ‰Š‹ŒŽ", "\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"},
        {"‘’“”•—˜šœžŸ", "\x91\x92\x93\x94\x95\x97\x98\x9A\x9C\x9E\x9F"},
        {"ão°º", "\xE3o\xB0\xBA"},
        {"Āx", "?x"},
        {"\xC3", "?"},
    };
    for (const auto& c : casos) EXPECT_EQ(ParaWindows1252(c.utf8), c.bytes) << c.utf8;
}

}  // namespace
