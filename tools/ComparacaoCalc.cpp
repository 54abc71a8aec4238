#include "tools/ComparacaoCalc.h"

#include "io/ExportacaoComparacao.h"
#include "plant/ComparacaoCasos.h"
#include "plant/ErrosPlanta.h"
#include "plant/MensagemErro.h"
#include "plant/Numeros.h"
#include "plant/TabelaEntradas.h"
#include "properties/Diagnostico.h"
#include "tools/ExecucaoCalc.h"

int ExecutarComparacaoPropriedades(const OpcoesCalc& opcoes, const std::string& separador,
                                   std::ostream& saida, std::ostream& erros) {
    CamposMemoria campos(separador);
    std::string descricao;
    EntradasSafra safra;
    if (!CamposDaLinhaDeComando(opcoes, separador, campos, safra, descricao, erros)) return 1;
    EntradasUsina entradas;
    entradas.safra = safra;
    entradas.comTurbinaAlta = campos.CheckBox1Marcado();
    try {
        // Every input a run reads must be a number.
        for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
            if (c.soComTurbinaAlta && !entradas.comTurbinaAlta) continue;
            entradas.*c.membro = LerNumero(campos.Texto(c.nome), separador);
        }
    } catch (const ErroUsina& e) {
        erros << MensagemComPonto(e.what()) << '\n';
        return 1;
    }
    if (!SalvarCasoPedido(opcoes, campos, safra, descricao, separador, erros)) return 1;

    DefinirSaidaDiagnosticos(stderr);  // standard output is the table
    const std::vector<CasoComparado> casos = CasosFormulacoes(entradas);
    const ComparacaoCasos comparacao =
        CompararCasos(casos[0], {casos[1]}, separador, /*correntes=*/true);
    int status = 0;
    for (const CasoCalculado& caso : comparacao.casos) {
        for (const std::string& aviso : caso.avisos) erros << caso.nome << ": " << aviso << '\n';
        if (caso.situacao == SituacaoCalculo::Completo) continue;
        erros << caso.nome << ": " << caso.erro << '\n';
        status = 1;
    }
    saida << ComparacaoCsv(comparacao, separador);
    saida.flush();
    if (!saida) {
        erros << TextoFalhaSaidaPadrao(opcoes.idioma.value_or(IdiomaCalc::Ingles)) << '\n';
        return 1;
    }
    return status;
}
