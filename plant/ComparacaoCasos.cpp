#include "plant/ComparacaoCasos.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "plant/CalculoUsina.h"
#include "plant/ErrosPlanta.h"
#include "plant/IndicadoresUsina.h"
#include "plant/MensagemErro.h"
#include "plant/TabelaCorrentes.h"
#include "plant/RetornoInvestimento.h"
#include "plant/SafraUsina.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSafra.h"

namespace {

const char* const PrefixoDestruicao = "Destruição de exergia: ";

// A field's caption without the unit in brackets at its end.
std::string SemUnidade(const std::string& legenda) {
    std::string texto = legenda;
    const std::size_t colchete = texto.rfind('[');
    if (colchete != std::string::npos && colchete > 0) texto.erase(colchete);
    while (!texto.empty() && texto.back() == ' ') texto.pop_back();
    return texto;
}

// Fills each value's differences to the first one's. The percentage is taken
// on the magnitude of the reference so that its sign is the sign of the
// change also where the reference is negative (a bagasse shortfall).
void Diferencas(LinhaComparacao& linha) {
    if (linha.valores.empty()) return;
    const std::optional<double> referencia = linha.valores.front().valor;
    for (ValorComparado& v : linha.valores) {
        v.diferenca.reset();
        v.porcento.reset();
        if (!referencia || !v.valor) continue;
        const double diferenca = *v.valor - *referencia;
        if (!std::isfinite(diferenca)) continue;
        v.diferenca = diferenca;
        if (*referencia == 0.0) continue;
        const double porcento = Porcento * diferenca / std::fabs(*referencia);
        if (std::isfinite(porcento)) v.porcento = porcento;
    }
}

// One case's run, with its message when it did not finish.
struct Corrida {
    ResultadoUsina resultado;
    std::optional<IndicadoresUsina> indicadores;
};

Corrida Calcular(const CasoComparado& caso, CasoCalculado& calculado,
                 const std::string& separador) {
    Corrida corrida;
    calculado.nome = caso.nome;
    calculado.entradas = caso.entradas;
    try {
        CalcularUsina(caso.entradas, corrida.resultado, nullptr, separador);
    } catch (const ErroUsina& erro) {
        calculado.erro = MensagemComPonto(erro.what());
        calculado.falha = std::current_exception();
    }
    calculado.situacao = corrida.resultado.situacao;
    // A run that threw before recording how far it got still did not finish.
    if (!calculado.erro.empty() && calculado.situacao == SituacaoCalculo::Completo)
        calculado.situacao = SituacaoCalculo::Interrompido;
    if (calculado.situacao == SituacaoCalculo::SemCalculo)
        calculado.situacao = SituacaoCalculo::Recusado;
    if (calculado.situacao == SituacaoCalculo::Completo) {
        corrida.indicadores = CalcularIndicadores(corrida.resultado);
        // The season's warnings too, typed as worded: a front end that says
        // them from the typed list must find every one.
        calculado.avisosTipados = AvisosComSafra(corrida.resultado);
        for (const AvisoUsina& a : calculado.avisosTipados)
            calculado.avisos.push_back(TextoAviso(a, separador));
    }
    return corrida;
}

bool UsaCampo(const CampoEntradaUsina& campo, const EntradasUsina& e) {
    return !campo.soComTurbinaAlta || e.comTurbinaAlta;
}

// The row of an indicator or an exergy-destruction share, found by name and
// made the first time a case has it: rows keep the order in which the cases
// list them.
LinhaComparacao& LinhaPorNome(std::vector<LinhaComparacao>& linhas, const std::string& nome,
                              const std::string& unidade, bool estimativa, std::size_t casos) {
    for (LinhaComparacao& l : linhas)
        if (l.nome == nome) return l;
    LinhaComparacao nova;
    nova.nome = nome;
    nova.unidade = unidade;
    nova.estimativa = estimativa;
    nova.valores.resize(casos);
    linhas.push_back(std::move(nova));
    return linhas.back();
}

}  // namespace

ComparacaoCasos CompararCasos(const CasoComparado& atual, const std::vector<CasoComparado>& outros,
                              const std::string& separador, bool correntes) {
    std::vector<const CasoComparado*> todos = {&atual};
    for (const CasoComparado& c : outros) todos.push_back(&c);
    const std::size_t n = todos.size();

    ComparacaoCasos comparacao;
    comparacao.casos.resize(n);
    std::vector<Corrida> corridas;
    corridas.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        corridas.push_back(Calcular(*todos[i], comparacao.casos[i], separador));

    // Inputs: the configuration first, then the fields in panel order.
    const EntradasUsina& referencia = atual.entradas;
    bool outraConfiguracao = false;
    for (const CasoComparado* c : todos)
        outraConfiguracao = outraConfiguracao || c->entradas.comTurbinaAlta != referencia.comTurbinaAlta;
    if (outraConfiguracao) {
        LinhaComparacao linha;
        linha.nome = "Turbina de alta pressão";
        linha.tipo = TipoLinhaComparacao::SimNao;
        for (const CasoComparado* c : todos)
            linha.valores.push_back({c->entradas.comTurbinaAlta ? 1.0 : 0.0, {}, {}});
        comparacao.entradas.push_back(std::move(linha));
    }
    bool outraFormulacao = false;
    for (const CasoComparado* c : todos)
        outraFormulacao = outraFormulacao || c->entradas.propriedades != referencia.propriedades;
    if (outraFormulacao) {
        LinhaComparacao linha;
        linha.nome = "Propriedades da água";
        linha.tipo = TipoLinhaComparacao::Formulacao;
        for (const CasoComparado* c : todos)
            linha.valores.push_back({static_cast<double>(c->entradas.propriedades), {}, {}});
        comparacao.entradas.push_back(std::move(linha));
    }
    for (const CampoEntradaUsina& campo : CamposEntradaUsina()) {
        LinhaComparacao linha;
        linha.nome = SemUnidade(campo.legenda);
        linha.unidade = campo.unidade;
        bool difere = false;
        for (const CasoComparado* c : todos) {
            ValorComparado v;
            if (UsaCampo(campo, c->entradas)) {
                v.valor = c->entradas.*campo.membro;
                difere = difere || (UsaCampo(campo, referencia) &&
                                    *v.valor != referencia.*campo.membro);
            }
            linha.valores.push_back(v);
        }
        if (!difere) continue;
        Diferencas(linha);
        comparacao.entradas.push_back(std::move(linha));
    }
    // The season's inputs, used by every case.
    for (const CampoEntradaSafra& campo : CamposEntradaSafra()) {
        LinhaComparacao linha;
        linha.nome = SemUnidade(campo.legenda);
        linha.unidade = campo.unidade;
        bool difere = false;
        for (const CasoComparado* c : todos) {
            const double valor = c->entradas.safra.*campo.membro;
            linha.valores.push_back({valor, {}, {}});
            difere = difere || valor != referencia.safra.*campo.membro;
        }
        if (!difere) continue;
        Diferencas(linha);
        comparacao.entradas.push_back(std::move(linha));
    }

    for (const LinhaResultadoGlobal& g : LinhasResultadosGlobais()) {
        LinhaComparacao linha;
        linha.nome = g.nome;
        linha.unidade = g.unidade;
        for (const Corrida& c : corridas) {
            ValorComparado v;
            if (c.resultado.situacao == SituacaoCalculo::Completo) v.valor = c.resultado.globais.*g.valor;
            linha.valores.push_back(v);
        }
        Diferencas(linha);
        comparacao.globais.push_back(std::move(linha));
    }

    // Indicators, then each equipment's exergy destroyed and the total.
    std::vector<LinhaComparacao> destruicao;
    for (std::size_t i = 0; i < n; ++i) {
        if (!corridas[i].indicadores) continue;
        const IndicadoresUsina& ind = *corridas[i].indicadores;
        for (const Indicador& ic : ind.indicadores)
            LinhaPorNome(comparacao.indicadores, ic.nome, ic.unidade, ic.estimativa, n)
                .valores[i].valor = ic.valor;
        for (const ParcelaDestruicao& p : ind.destruicao) {
            ValorComparado& v =
                LinhaPorNome(destruicao, PrefixoDestruicao + p.equipamento, "kW", p.estimativa, n)
                    .valores[i];
            if (p.naoFisica) v.naoFisico = true;
            else v.valor = p.potencia;
        }
        // The total holds the boiler's estimated share.
        LinhaPorNome(destruicao, std::string(PrefixoDestruicao) + "total", "kW", true, n)
            .valores[i].valor = ind.destruicaoTotal;
    }
    // The total after the equipment, whatever order the cases met them in.
    for (std::size_t i = 0; i + 1 < destruicao.size(); ++i)
        if (destruicao[i].nome == std::string(PrefixoDestruicao) + "total")
            std::rotate(destruicao.begin() + static_cast<std::ptrdiff_t>(i),
                        destruicao.begin() + static_cast<std::ptrdiff_t>(i) + 1, destruicao.end());
    for (LinhaComparacao& l : destruicao) comparacao.indicadores.push_back(std::move(l));
    for (LinhaComparacao& l : comparacao.indicadores) Diferencas(l);

    // Streams, property by property, where every case has them.
    const bool todosCompletos =
        std::all_of(corridas.begin(), corridas.end(), [](const Corrida& c) {
            return c.resultado.situacao == SituacaoCalculo::Completo;
        });
    if (correntes && todosCompletos) {
        std::vector<std::vector<LinhaCorrente>> tabelas;
        for (const Corrida& c : corridas) tabelas.push_back(TabelaCorrentes(c.resultado));
        const struct {
            const char* simbolo;
            const char* unidade;
            double LinhaCorrente::* valor;
        } grandezas[] = {{"h", "kJ/kg", &LinhaCorrente::entalpia},
                         {"s", "kJ/(kg K)", &LinhaCorrente::entropia},
                         {"ex", "kJ/kg", &LinhaCorrente::exergia}};
        for (const auto& g : grandezas)
            for (std::size_t k = 0; k < tabelas.front().size(); ++k) {
                const LinhaCorrente& primeira = tabelas.front()[k];
                LinhaComparacao linha;
                linha.nome = std::string(g.simbolo) + " " + std::to_string(primeira.rotulo) + " " +
                             primeira.descricao;
                linha.unidade = g.unidade;
                for (const std::vector<LinhaCorrente>& t : tabelas)
                    linha.valores.push_back({t[k].*g.valor, {}, {}});
                Diferencas(linha);
                comparacao.correntes.push_back(std::move(linha));
            }
    }

    for (const CampoSaidaSafra& campo : CamposSaidaSafra()) {
        LinhaComparacao linha;
        linha.nome = campo.legenda;
        linha.unidade = campo.unidade;
        for (const Corrida& c : corridas) {
            ValorComparado v;
            if (c.resultado.situacao == SituacaoCalculo::Completo && c.resultado.safra)
                v.valor = (*c.resultado.safra).*campo.membro;
            linha.valores.push_back(v);
        }
        Diferencas(linha);
        comparacao.safra.push_back(std::move(linha));
    }

    // Each case's investment against the current case's, from the seasons'
    // total revenues.
    comparacao.retornos.resize(n);
    const ResultadoUsina& atualCalculado = corridas.front().resultado;
    for (std::size_t i = 1; i < n; ++i) {
        const ResultadoUsina& r = corridas[i].resultado;
        const double investimentoAtual = atual.entradas.safra.Investimento;  // R$
        const double investimento = todos[i]->entradas.safra.Investimento;   // R$
        if (!atualCalculado.safra || !r.safra || investimento == investimentoAtual) continue;
        RetornoComparado& retorno = comparacao.retornos[i];
        retorno.aplicavel = true;
        retorno.safras = RetornoSimples(investimentoAtual, atualCalculado.safra->ReceitaTotal,
                                        investimento, r.safra->ReceitaTotal);
    }
    return comparacao;
}

std::vector<CasoComparado> CasosConfiguracoes(const EntradasUsina& entradas) {
    EntradasUsina com = entradas;
    com.comTurbinaAlta = true;
    EntradasUsina sem = entradas;
    sem.comTurbinaAlta = false;
    return {{"Com turbina de alta pressão", com}, {"Sem turbina de alta pressão", sem}};
}

std::vector<CasoComparado> CasosFormulacoes(const EntradasUsina& entradas) {
    EntradasUsina kkhm = entradas;
    kkhm.propriedades = Formulacao::Kkhm1969;
    EntradasUsina if97 = entradas;
    if97.propriedades = Formulacao::If97;
    return {{Pacote(Formulacao::Kkhm1969).nome, kkhm}, {Pacote(Formulacao::If97).nome, if97}};
}
