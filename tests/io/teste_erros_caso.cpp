// A case file's errors and warnings carry what their sentence names: which
// kind of error, the defect with the line and column, the excerpt, key or
// type it quotes, the input it names, the file reason or the refused input.
// The sentences in both languages, and the file reasons by errno, are
// checked where the window says them
// (tests/ui/comum/teste_mensagens_tipadas.cpp).
#include <cerrno>
#include <sys/stat.h>

#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "DiretorioTemporario.h"
#include "io/CasoUsina.h"
#include "plant/CamposMemoria.h"

namespace {

ErroCaso Recusado(const std::string& json, const std::string& separador = ",") {
    try {
        CasoDeJson(json, "p.usina", separador);
    } catch (const ErroCaso& erro) {
        return erro;
    }
    ADD_FAILURE() << "aceito: " << json;
    throw std::logic_error("aceito");
}

// The default case's file with one piece of its text replaced.
std::string Trocado(const std::string& de, const std::string& para) {
    std::string json = CasoParaJson(CasoUsina{});
    const std::size_t i = json.find(de);
    EXPECT_NE(i, std::string::npos) << de;
    if (i != std::string::npos) json.replace(i, de.size(), para);
    return json;
}

}  // namespace

TEST(ErrosCaso, CadaDefeitoComOQueASuaFraseNomeia) {
    using D = DefeitoCaso;
    using T = TipoJson;
    const struct {
        std::string json;
        DefeitoCaso defeito;
        PosicaoTexto posicao;  // {1, 1} where the sentence names none
        const char* trecho;
        TipoJson tipo;
        const char* campo;
    } casos[] = {
        {" \r\n\t ", D::Vazio, {1, 1}, "", T::Nulo, ""},
        {"{\n \"a\": \"ç\xC3\"}", D::NaoUtf8, {2, 9}, "", T::Nulo, ""},
        {"{\"a\":" + std::string(65, '[') + std::string(65, ']') + "}", D::AninhadoDemais, {1, 1},
         "", T::Nulo, ""},
        {"{\"k\\\"ey\":1,\"k\\\"ey\":[]}", D::ChaveRepetida, {1, 1}, "\"k\\\"ey\"", T::Nulo, ""},
        {"[]", D::RaizNaoObjeto, {1, 1}, "", T::Lista, ""},
        {"2.5", D::RaizNaoObjeto, {1, 1}, "", T::Numero, ""},
        {"{\n\"a\": -1e400}", D::NumeroForaDoAlcance, {2, 6}, "-1e400", T::Nulo, ""},
        {"{\"a\": [1, 2", D::Truncado, {1, 12}, "", T::Nulo, ""},
        {"{\"a\": 1,\n\"b\": @x\n}", D::JsonInvalido, {2, 6}, "\"@x\"", T::Nulo, ""},
        {"{\"a\": +Inf}", D::JsonInvalidoNaoFinito, {1, 7}, "\"+Inf}\"", T::Nulo, ""},
        {"{\"versao\": 1}", D::FaltaFormato, {1, 1}, "", T::Nulo, ""},
        {"{\"formato\": \"usina\"}", D::FormatoErrado, {1, 1}, "\"usina\"", T::Texto, ""},
        {"{\"formato\": {}}", D::FormatoErrado, {1, 1}, "", T::Objeto, ""},
        {"{\"formato\": \"usina-caso\"}", D::FaltaVersao, {1, 1}, "", T::Nulo, ""},
        {"{\"formato\": \"usina-caso\", \"versao\": true}", D::VersaoNaoNumero, {1, 1}, "",
         T::Logico, ""},
        {"{\"formato\": \"usina-caso\", \"versao\": 1}", D::FaltaEntrada, {1, 1}, "", T::Nulo,
         "Ecapusi"},
        {Trocado("\"Etcon\": 90.0", "\"Etcon\": null"), D::EntradaNaoNumero, {1, 1}, "", T::Nulo,
         "Etcon"},
        {Trocado("\"Eprecobag\": 60.0", "\"Eprecobag\": \"60\""), D::EntradaNaoNumero, {1, 1}, "",
         T::Texto, "Eprecobag"},
        {Trocado("  \"com_turbina_alta\": true,\n", ""), D::FaltaTurbinaAlta, {1, 1}, "", T::Nulo,
         ""},
        {Trocado("\"com_turbina_alta\": true", "\"com_turbina_alta\": \"sim\""),
         D::TurbinaAltaNaoLogica, {1, 1}, "", T::Texto, ""},
        {Trocado("\"descricao\"", "\"propriedades\": \"IF97\", \"descricao\""),
         D::PropriedadesInvalidas, {1, 1}, "\"IF97\"", T::Texto, ""},
        {Trocado("\"descricao\"", "\"propriedades\": [], \"descricao\""), D::PropriedadesInvalidas,
         {1, 1}, "", T::Lista, ""},
        {Trocado("\"descricao\": \"\"", "\"descricao\": false"),
         D::DescricaoNaoTexto, {1, 1}, "", T::Logico, ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.json.substr(0, 60));
        const ErroCaso erro = Recusado(c.json);
        EXPECT_EQ(erro.tipo(), TipoErroCaso::Invalido);
        EXPECT_EQ(erro.arquivo(), "p.usina");
        EXPECT_EQ(erro.recusa(), nullptr);
        const MotivoCaso& m = erro.motivo();
        EXPECT_EQ(m.defeito, c.defeito);
        EXPECT_EQ(m.posicao, c.posicao);
        EXPECT_EQ(m.trecho, c.trecho);
        EXPECT_EQ(m.tipo, c.tipo);
        EXPECT_EQ(m.campo, c.campo);
        EXPECT_EQ(erro.what(), "O arquivo \"p.usina\" não é um caso válido: " +
                                   TextoMotivoCaso(m, erro.separador()));
    }

    // The size of a file too large, and a version with the user's separator.
    const ErroCaso grande = Recusado(std::string(TamanhoMaximoCaso + 7, ' '));
    EXPECT_EQ(grande.motivo().defeito, D::GrandeDemais);
    EXPECT_EQ(grande.motivo().bytes, TamanhoMaximoCaso + 7);
    const ErroCaso versao = Recusado("{\"formato\": \"usina-caso\", \"versao\": 0.5}", ".");
    EXPECT_EQ(versao.motivo().defeito, D::VersaoDesconhecida);
    EXPECT_EQ(versao.motivo().numero, 0.5);
    EXPECT_EQ(versao.separador(), ".");
    EXPECT_NE(std::string(versao.what()).find("a versão 0.5 do formato"), std::string::npos);
}

// A refused input: the case names it as the checks raised it.
TEST(ErrosCaso, EntradaRecusadaGuardaARecusa) {
    const ErroCaso erro = Recusado(Trocado("\"Eefiger\": 97.0", "\"Eefiger\": 0"), ".");
    EXPECT_EQ(erro.tipo(), TipoErroCaso::Invalido);
    EXPECT_EQ(erro.motivo().defeito, DefeitoCaso::EntradaRecusada);
    ASSERT_NE(erro.recusa(), nullptr);
    EXPECT_EQ(erro.recusa()->campo(), "Eefiger");
    EXPECT_EQ(erro.recusa()->motivo(), MotivoRecusa::Eficiencia);
    EXPECT_EQ(erro.recusa()->separador(), ".");
    EXPECT_EQ(erro.what(), "O arquivo \"p.usina\" não é um caso válido: " +
                               std::string(erro.recusa()->what()));
}

TEST(ErrosCaso, AvisosDasChavesDesconhecidas) {
    std::string json = CasoParaJson(CasoUsina{});
    for (int i = 0; i < 22; ++i) json.insert(1, "\"x" + std::to_string(i) + "\": 1, ");
    json.insert(1, "\"a\\u0001b\": 1, ");
    const CasoLido lido = CasoDeJson(json, "p.usina");
    ASSERT_EQ(lido.avisosTipados.size(), 21u);
    EXPECT_EQ(lido.avisosTipados[0],
              (AvisoCaso{TipoAvisoCaso::ChaveDesconhecida, "p.usina", "\"a\\u0001b\"", 0}));
    EXPECT_EQ(lido.avisosTipados[1],
              (AvisoCaso{TipoAvisoCaso::ChaveDesconhecida, "p.usina", "\"x21\"", 0}));
    EXPECT_EQ(lido.avisosTipados[20], (AvisoCaso{TipoAvisoCaso::MaisChaves, "p.usina", "", 3}));
    ASSERT_EQ(lido.avisos.size(), 21u);
    for (std::size_t i = 0; i < lido.avisos.size(); ++i)
        EXPECT_EQ(lido.avisos[i], TextoAvisoCaso(lido.avisosTipados[i]));
}

class ErrosArquivoCaso : public DiretorioTemporario {};

// Reading, saving and making a case: the file and the reason each error
// carries.
TEST_F(ErrosArquivoCaso, LerGravarEFazerDosCampos) {
    const auto naoLido = [](const std::string& caminho) {
        try {
            LerCaso(caminho);
        } catch (const ErroCaso& erro) {
            EXPECT_EQ(erro.tipo(), TipoErroCaso::NaoLido);
            EXPECT_EQ(erro.arquivo(), caminho);
            return erro.falha();
        }
        ADD_FAILURE() << caminho;
        return FalhaArquivo{};
    };
    ASSERT_EQ(mkdir("pasta", 0700), 0);
    ASSERT_EQ(mkfifo("fifo.usina", 0600), 0);
    EXPECT_EQ(naoLido("falta.usina"), (FalhaArquivo{MotivoArquivo::NaoExiste, ENOENT}));
    EXPECT_EQ(naoLido("pasta"), (FalhaArquivo{MotivoArquivo::EhPasta, EISDIR}));
    EXPECT_EQ(naoLido("fifo.usina"), (FalhaArquivo{MotivoArquivo::Fifo, EACCES}));
    EXPECT_EQ(naoLido("pasta/falta/x.usina"), (FalhaArquivo{MotivoArquivo::NaoExiste, ENOENT}));

    // Saving: a refused input first, then the file's own failure.
    CasoUsina recusado;
    recusado.entradas.PressaoCondensado = 95.0;
    try {
        GravarCaso("pasta/r.usina", recusado, ".");
        ADD_FAILURE() << "gravado";
    } catch (const ErroCaso& erro) {
        EXPECT_EQ(erro.tipo(), TipoErroCaso::NaoGravado);
        EXPECT_EQ(erro.arquivo(), "pasta/r.usina");
        ASSERT_NE(erro.recusa(), nullptr);
        EXPECT_EQ(erro.recusa()->campo(), "Eprecon");
        EXPECT_EQ(erro.recusa()->motivo(), MotivoRecusa::PressaoCaldeira);
        EXPECT_EQ(erro.recusa()->limite(), 80.0);
    }
    CasoUsina semTurbina;
    semTurbina.entradas.comTurbinaAlta = false;
    semTurbina.entradas.EficienciaTurbinaAlta = std::numeric_limits<double>::quiet_NaN();
    try {
        GravarCaso("pasta/n.usina", semTurbina);
        ADD_FAILURE() << "gravado";
    } catch (const ErroCaso& erro) {
        ASSERT_NE(erro.recusa(), nullptr);
        EXPECT_EQ(erro.recusa()->campo(), "Eefitap");
        EXPECT_EQ(erro.recusa()->motivo(), MotivoRecusa::NaoFinitoNoArquivo);
    }
    try {
        GravarCaso("falta/x.usina", CasoUsina{});
        ADD_FAILURE() << "gravado";
    } catch (const ErroArquivoNaoGravado& erro) {
        EXPECT_EQ(erro.caminho(), "falta/x.usina");
        EXPECT_EQ(erro.falha(), (FalhaArquivo{MotivoArquivo::PastaNaoExiste, ENOENT}));
    }
    EXPECT_TRUE(Entradas("pasta").empty());

    CamposMemoria campos(",");
    campos.DefinirEntrada("Eefibom", "65;0");
    try {
        CasoDosCampos(campos, ",");
        ADD_FAILURE() << "feito";
    } catch (const ErroCaso& erro) {
        EXPECT_EQ(erro.tipo(), TipoErroCaso::TextoNaoNumero);
        EXPECT_EQ(erro.motivo().campo, "Eefibom");
        EXPECT_EQ(erro.motivo().trecho, "\"65;0\"");
    }
}
