#include "tools/VarreduraCalc.h"

#include <charconv>
#include <cstdio>
#include <limits>

#include "io/ExportacaoVarredura.h"
#include "plant/CamposMemoria.h"
#include "plant/ErrosPlanta.h"
#include "plant/CamposNomeados.h"
#include "plant/MensagemErro.h"
#include "plant/Numeros.h"
#include "plant/TabelaEntradas.h"
#include "properties/Diagnostico.h"
#include "tools/ExecucaoCalc.h"

namespace {

// Standard output refused a row: the sweep stops.
struct SaidaFalhou {};

// The number of points: a whole number, surrounding spaces allowed like a
// field's.
int LerPontos(const VarreduraDigitada& v) {
    const std::size_t primeiro = v.pontos.find_first_not_of(' ');
    const std::size_t ultimo = v.pontos.find_last_not_of(' ');
    const char* inicio = v.pontos.data() + (primeiro == std::string::npos ? 0 : primeiro);
    const char* fim = v.pontos.data() + (ultimo == std::string::npos ? 0 : ultimo + 1);
    long long pontos = 0;
    const auto r = std::from_chars(inicio, fim, pontos);
    if (r.ptr != fim || inicio == fim || r.ec == std::errc::invalid_argument)
        throw ErroVarredura("O número de pontos da varredura de '" + v.campo +
                            "' não é um número inteiro: '" + v.pontos + "'.");
    // Out of range either way: the sweep's own checks say why.
    if (r.ec == std::errc::result_out_of_range || pontos > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (pontos < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(pontos);
}

std::vector<std::string> Nomes(const std::string& lista) {
    std::vector<std::string> nomes;
    std::size_t inicio = 0;
    for (std::size_t virgula; (virgula = lista.find(',', inicio)) != std::string::npos;
         inicio = virgula + 1)
        nomes.push_back(lista.substr(inicio, virgula - inicio));
    nomes.push_back(lista.substr(inicio));
    return nomes;
}

}  // namespace

int ExecutarVarreduraCalc(const OpcoesCalc& opcoes, const std::string& separador,
                          std::ostream& saida, std::ostream& erros) {
    if (separador.find(':') != std::string::npos) {
        erros << "usina-calc: option --sweep cannot be used with the decimal separator '"
              << separador << "'\nTry 'usina-calc --help'.\n";
        return 2;
    }
    CamposMemoria campos(separador);
    EntradasSafra safra;
    std::string descricao;
    if (!CamposDaLinhaDeComando(opcoes, separador, campos, safra, descricao, erros)) return 1;

    PedidoVarredura pedido;
    pedido.separador = separador;
    pedido.saidas = Nomes(opcoes.saidas ? *opcoes.saidas : SaidasPadraoVarredura);
    pedido.tarefas = opcoes.tarefas.value_or(0);
    try {
        for (const VarreduraDigitada& v : opcoes.varreduras) {
            if (!BuscarEntrada(v.campo) && v.campo != CampoConfiguracao)
                throw ErroVarredura(MotivoVarredura::EntradaDesconhecida, v.campo);
            pedido.eixos.push_back(
                {v.campo, LerNumero(v.inicio, separador), LerNumero(v.fim, separador), LerPontos(v)});
        }
        std::vector<std::string> varridos;
        bool configuracao = false;
        for (const EixoVarredura& eixo : pedido.eixos) {
            varridos.push_back(eixo.campo);
            configuracao = configuracao || eixo.campo == CampoConfiguracao;
        }
        // Swept, the configuration runs points with the turbine whatever the base's.
        pedido.base = EntradasDosCampos(campos, safra, varridos, configuracao, separador);
        // Names and ranges are checked by the sweep before it runs; the case
        // is saved only for a sweep that will run.
        VerificarVarredura(pedido);
        if (!SalvarCasoPedido(opcoes, campos, safra, descricao, separador, erros)) return 1;
        // Standard output is the table: the diagnostic lines go elsewhere.
        DefinirSaidaDiagnosticos(stderr);
        // Each row is written as soon as its point and every earlier one
        // are done, so a sweep of any size needs no more memory than the
        // threads' work; a failed write stops the sweep.
        saida << CabecalhoVarreduraCsv(pedido, separador);
        pedido.entregar = [&](std::size_t, const PontoVarredura& ponto) {
            if (!(saida << LinhaVarreduraCsv(ponto, separador))) throw SaidaFalhou{};
        };
        ExecutarVarredura(pedido);
    } catch (const ErroUsina& e) {
        erros << MensagemComPonto(e.what()) << '\n';
        return 1;
    } catch (const SaidaFalhou&) {
    }
    saida.flush();
    if (!saida) {
        erros << TextoFalhaSaidaPadrao(opcoes.idioma.value_or(IdiomaCalc::Ingles)) << '\n';
        return 1;
    }
    return 0;
}
