#include "tools/ExecucaoCalc.h"

#include <exception>
#include <utility>
#include <vector>

#include "io/CasoUsina.h"
#include "io/ErrosArquivo.h"
#include "io/ExportacaoResultados.h"
#include "io/Relatorio.h"
#include "plant/CalculoCampos.h"
#include "plant/CamposMemoria.h"
#include "plant/MensagemErro.h"
#include "plant/Numeros.h"
#include "plant/SafraUsina.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSafra.h"
#include "properties/Diagnostico.h"
#include "tools/SaidaCalc.h"

namespace {

// The inputs a run reads that read as numbers, as typed: the run rewrites
// the fields, so they are read before it.
std::vector<std::pair<std::string, double>> EntradasDigitadas(const CamposMemoria& campos,
                                                             const std::string& separador) {
    std::vector<std::pair<std::string, double>> lidas;
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        if (c.soComTurbinaAlta && !campos.CheckBox1Marcado()) continue;
        try {
            lidas.emplace_back(c.nome, LerNumero(campos.Texto(c.nome), separador));
        } catch (const ErroConversao&) {
        }
    }
    return lidas;
}

// The season's FIELD=TEXT arguments, the last of each field, read with the
// separator. False, with the message on erros, for a text that is not a
// number.
bool LerSafraDigitada(const OpcoesCalc& opcoes, const std::string& separador,
                      EntradasSafra& safra, std::ostream& erros) {
    for (const CampoEntradaSafra& c : CamposEntradaSafra()) {
        const std::string* texto = nullptr;
        for (const auto& [nome, digitado] : opcoes.entradas)
            if (nome == c.nome) texto = &digitado;
        if (texto == nullptr) continue;
        try {
            safra.*c.membro = LerNumero(*texto, separador);
        } catch (const ErroConversao&) {
            erros << "O texto de \"" << c.legenda << "\" não é um número: '" << *texto << "'.\n";
            return false;
        }
    }
    return true;
}

}  // namespace

bool CamposDaLinhaDeComando(const OpcoesCalc& opcoes, const std::string& separador,
                            CamposMemoria& campos, EntradasSafra& safra, std::string& descricao,
                            std::ostream& erros) {
    bool comTurbina = true;
    // The case file first: the arguments then change single inputs. Each
    // number goes into its field as a text that reads back to the same bits.
    if (opcoes.caso) {
        CasoLido lido;
        try {
            lido = LerCaso(*opcoes.caso, separador);
        } catch (const ErroCaso& e) {
            erros << MensagemComPonto(e.what()) << '\n';
            return false;
        }
        for (const std::string& aviso : lido.avisos) erros << aviso << '\n';
        for (const auto& [nome, texto] : TextosDoCaso(lido.caso.entradas, separador))
            campos.DefinirEntrada(nome, texto);
        comTurbina = lido.caso.entradas.comTurbinaAlta;
        campos.DefinirPropriedades(lido.caso.entradas.propriedades);
        safra = lido.caso.entradas.safra;
        descricao = lido.caso.descricao;
    }
    if (opcoes.propriedades) campos.DefinirPropriedades(*opcoes.propriedades);
    // The season's fields are not the window's: they are read here.
    for (const auto& [nome, texto] : opcoes.entradas)
        if (BuscarCampoEntradaSafra(nome) == nullptr) campos.DefinirEntrada(nome, texto);
    if (!LerSafraDigitada(opcoes, separador, safra, erros)) return false;
    if (opcoes.semTurbinaAlta) comTurbina = false;
    campos.DefinirCheckBox1(comTurbina);
    return true;
}

EntradasUsina EntradasDosCampos(const CamposMemoria& campos, const EntradasSafra& safra,
                                const std::vector<std::string>& variados, bool todasConfiguracoes,
                                const std::string& separador) {
    EntradasUsina base;
    base.safra = safra;
    base.comTurbinaAlta = campos.CheckBox1Marcado();
    base.propriedades = campos.Propriedades();
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        bool lido = !(c.soComTurbinaAlta && !base.comTurbinaAlta && !todasConfiguracoes);
        for (const std::string& nome : variados) lido = lido && nome != c.nome;
        try {
            base.*c.membro = LerNumero(campos.Texto(c.nome), separador);
        } catch (const ErroConversao&) {
            if (lido) throw;
        }
    }
    return base;
}

bool SalvarCasoPedido(const OpcoesCalc& opcoes, const CamposMemoria& campos,
                      const EntradasSafra& safra, const std::string& descricao,
                      const std::string& separador, std::ostream& erros) {
    if (!opcoes.salvarCaso) return true;
    // The case holds the numbers the texts read as, before the reading
    // limits, so that reloading it makes this very run.
    try {
        CasoUsina caso = CasoDosCampos(campos, separador);
        caso.entradas.safra = safra;
        caso.descricao = descricao;
        GravarCaso(*opcoes.salvarCaso, caso, separador);
    } catch (const ErroCaso& e) {
        erros << MensagemComPonto(e.what()) << '\n';
        return false;
    } catch (const ErroArquivo& e) {
        // The message names the file and says why.
        erros << MensagemComPonto(e.what()) << '\n';
        return false;
    }
    return true;
}

int ExecutarCalc(const OpcoesCalc& opcoes, const std::string& separador, std::ostream& saida,
                 std::ostream& erros) {
    CamposMemoria campos(separador);
    EntradasSafra safra;
    std::string descricao;
    if (!CamposDaLinhaDeComando(opcoes, separador, campos, safra, descricao, erros)) return 1;
    const bool comTurbina = campos.CheckBox1Marcado();
    if (!SalvarCasoPedido(opcoes, campos, safra, descricao, separador, erros)) return 1;

    // JSON and CSV on standard output must stay parseable: the property
    // package's diagnostic lines go to standard error instead.
    if (opcoes.json || opcoes.csv) DefinirSaidaDiagnosticos(stderr);
    auto digitadas = opcoes.json ? EntradasDigitadas(campos, separador)
                                 : std::vector<std::pair<std::string, double>>{};
    if (opcoes.json)
        for (const CampoEntradaSafra& c : CamposEntradaSafra())
            digitadas.emplace_back(c.nome, safra.*c.membro);

    int status = 0;
    ResultadoUsina resultado;
    std::string falha;
    try {
        CalcularUsinaNosCampos(campos, resultado, separador, &safra);
        // The report describes a finished run only.
        if (opcoes.relatorio)
            EscreverRelatorio(*opcoes.relatorio, resultado, campos.CheckBox1Marcado(), separador);
    } catch (const ErroArquivoGravado& e) {
        // The window keeps the report's fixed texts; here the file and the
        // reason are said.
        falha = MensagemComPonto(e.detalhe);
        status = 1;
    } catch (const std::exception& e) {
        falha = MensagemComPonto(e.what());
        status = 1;
    }
    // The season's warnings go with its figures, which the plain form does
    // not print.
    const bool comSafra = opcoes.json || opcoes.csv;
    for (const AvisoUsina& aviso : comSafra ? AvisosComSafra(resultado) : resultado.avisos)
        erros << TextoAviso(aviso, separador) << '\n';
    if (status != 0) erros << falha << '\n';

    if (opcoes.json) {
        saida << ResultadosJson(digitadas, comTurbina, resultado, CamposEscritos(campos), separador);
    } else if (opcoes.csv) {
        // The stream table exists only for a finished run.
        if (resultado.situacao == SituacaoCalculo::Completo)
            saida << CorrentesCsv(resultado, separador) << "\r\n" << SafraCsv(resultado, separador);
    } else {
        EscreverCampos(saida, campos);
    }
    saida.flush();
    // A full disk or a closed pipe must not pass for a successful run.
    if (!saida) {
        erros << TextoFalhaSaidaPadrao(opcoes.idioma.value_or(IdiomaCalc::Ingles)) << '\n';
        return 1;
    }
    return status;
}
