#include "tools/AnaliseCalc.h"

#include <cstdio>

#include "io/ExportacaoAnalise.h"
#include "plant/AtingirMeta.h"
#include "plant/CamposMemoria.h"
#include "plant/MensagemErro.h"
#include "plant/Numeros.h"
#include "plant/Otimizacao.h"
#include "plant/SafraUsina.h"
#include "plant/Sensibilidade.h"
#include "properties/Diagnostico.h"
#include "tools/ExecucaoCalc.h"

namespace {

std::vector<FaixaEntrada> Faixas(const OpcoesCalc& opcoes, const std::string& separador) {
    std::vector<FaixaEntrada> faixas;
    for (const FaixaDigitada& f : opcoes.faixas)
        faixas.push_back({f.campo, LerNumero(f.minimo, separador), LerNumero(f.maximo, separador)});
    return faixas;
}

std::vector<std::string> Nomes(const std::vector<FaixaEntrada>& faixas) {
    std::vector<std::string> nomes;
    for (const FaixaEntrada& f : faixas) nomes.push_back(f.campo);
    return nomes;
}

void Avisar(const std::vector<AvisoUsina>& avisos, const std::string& separador, std::ostream& erros) {
    for (const AvisoUsina& aviso : avisos) erros << TextoAviso(aviso, separador) << '\n';
}

std::string Sensibilidade(const OpcoesCalc& opcoes, const EntradasUsina& base,
                          const std::string& separador, std::ostream& erros) {
    PedidoSensibilidade pedido;
    pedido.base = base;
    pedido.saida = *opcoes.sensibilidade;
    if (opcoes.passo) pedido.passo = LerNumero(*opcoes.passo, separador) / Porcento;
    pedido.separador = separador;
    pedido.tarefas = opcoes.tarefas.value_or(0);
    const ResultadoSensibilidade r = ExecutarSensibilidade(pedido);
    Avisar(r.avisosBase, separador, erros);
    return opcoes.json ? SensibilidadeJson(r) : SensibilidadeCsv(r, separador);
}

std::string Meta(const OpcoesCalc& opcoes, const EntradasUsina& base,
                 const std::vector<FaixaEntrada>& faixas, const std::string& separador,
                 std::ostream& erros) {
    PedidoMeta pedido;
    pedido.base = base;
    pedido.faixa = faixas[0];
    pedido.saida = opcoes.meta->saida;
    pedido.alvo = LerNumero(opcoes.meta->valor, separador);
    pedido.separador = separador;
    pedido.tarefas = opcoes.tarefas.value_or(0);
    const ResultadoMeta r = ExecutarMeta(pedido);
    Avisar(r.avisos, separador, erros);
    return opcoes.json ? MetaJson(pedido, r) : MetaCsv(pedido, r, separador);
}

std::string Otimizacao(const OpcoesCalc& opcoes, const EntradasUsina& base,
                       const std::vector<FaixaEntrada>& faixas, const std::string& separador,
                       std::ostream& erros) {
    PedidoOtimizacao pedido;
    pedido.base = base;
    pedido.objetivo = *opcoes.otimizar;
    pedido.maximizar = opcoes.maximizar;
    pedido.faixas = faixas;
    for (const RestricaoDigitada& r : opcoes.restricoes)
        pedido.restricoes.push_back({r.saida,
                                     r.maiorOuIgual ? OperadorRestricao::MaiorOuIgual
                                                    : OperadorRestricao::MenorOuIgual,
                                     LerNumero(r.limite, separador)});
    pedido.separador = separador;
    pedido.tarefas = opcoes.tarefas.value_or(0);
    const ResultadoOtimizacao r = ExecutarOtimizacao(pedido);
    if (r.resultado) Avisar(AvisosComSafra(*r.resultado), separador, erros);
    if (r.limiteVapor)
        erros << "O ótimo está no limite do vapor da turbina de média pressão: com menos vapor "
                 "para ela a usina não fecha.\n";
    return opcoes.json ? OtimizacaoJson(pedido, r) : OtimizacaoCsv(pedido, r, separador);
}

}  // namespace

int ExecutarAnaliseCalc(const OpcoesCalc& opcoes, const std::string& separador,
                        std::ostream& saida, std::ostream& erros) {
    if (!opcoes.faixas.empty() && separador.find(':') != std::string::npos) {
        erros << "usina-calc: option --vary cannot be used with the decimal separator '"
              << separador << "'\nTry 'usina-calc --help'.\n";
        return 2;
    }
    CamposMemoria campos(separador);
    EntradasSafra safra;
    std::string descricao;
    if (!CamposDaLinhaDeComando(opcoes, separador, campos, safra, descricao, erros)) return 1;

    std::string texto;
    try {
        const std::vector<FaixaEntrada> faixas = Faixas(opcoes, separador);
        const EntradasUsina base = EntradasDosCampos(campos, safra, Nomes(faixas), false, separador);
        if (!SalvarCasoPedido(opcoes, campos, safra, descricao, separador, erros)) return 1;
        // Standard output is the answer: the diagnostic lines go elsewhere.
        DefinirSaidaDiagnosticos(stderr);
        if (opcoes.sensibilidade)
            texto = Sensibilidade(opcoes, base, separador, erros);
        else if (opcoes.meta)
            texto = Meta(opcoes, base, faixas, separador, erros);
        else
            texto = Otimizacao(opcoes, base, faixas, separador, erros);
    } catch (const std::exception& e) {
        erros << MensagemComPonto(e.what()) << '\n';
        return 1;
    }
    saida << texto;
    saida.flush();
    if (!saida) {
        erros << TextoFalhaSaidaPadrao(opcoes.idioma.value_or(IdiomaCalc::Ingles)) << '\n';
        return 1;
    }
    return 0;
}
