#include "io/ExportacaoAnalise.h"

#include <cmath>
#include <optional>
#include <vector>

#include <nlohmann/json.hpp>

#include "io/ExportacaoResultados.h"
#include "plant/Numeros.h"

namespace {

using Json = nlohmann::ordered_json;

std::string Numero(const std::optional<double>& valor, const std::string& separadorDecimal) {
    if (!valor || !std::isfinite(*valor)) return "";
    return TextoExato(*valor, separadorDecimal == "," ? "," : ".");
}

Json NumeroJson(const std::optional<double>& valor) {
    if (!valor || !std::isfinite(*valor)) return nullptr;
    return *valor;
}

std::string Dump(const Json& j) { return j.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n"; }

}  // namespace

std::string SensibilidadeCsv(const ResultadoSensibilidade& resultado,
                             const std::string& separadorDecimal) {
    const char d = DelimitadorCsv(separadorDecimal);
    std::string csv = LinhaCsv({"campo", "baixo", "base", "alto", "variacao", "motivo"}, d);
    const std::string base = Numero(resultado.base, separadorDecimal);
    for (const LinhaSensibilidade& l : resultado.linhas) {
        const bool movida = l.motivo == MotivoSemSensibilidade::Nenhum;
        csv += LinhaCsv({l.campo, Numero(l.baixo, separadorDecimal), base,
                         Numero(l.alto, separadorDecimal),
                         movida ? Numero(l.variacao, separadorDecimal) : "",
                         movida ? "" : l.mensagem},
                        d);
    }
    return csv;
}

std::string SensibilidadeJson(const ResultadoSensibilidade& resultado) {
    Json linhas = Json::array();
    for (const LinhaSensibilidade& l : resultado.linhas) {
        Json j = Json::object();
        j["campo"] = l.campo;
        if (l.motivo == MotivoSemSensibilidade::Nenhum) {
            j["baixo"] = NumeroJson(l.baixo);
            j["base"] = NumeroJson(resultado.base);
            j["alto"] = NumeroJson(l.alto);
            j["variacao"] = NumeroJson(l.variacao);
        } else {
            j["motivo"] = l.mensagem;
        }
        linhas.push_back(std::move(j));
    }
    Json j = Json::object();
    j["sensibilidade"] = std::move(linhas);
    return Dump(j);
}

std::string MetaCsv(const PedidoMeta& pedido, const ResultadoMeta& resultado,
                    const std::string& separadorDecimal) {
    const char d = DelimitadorCsv(separadorDecimal);
    return LinhaCsv({"campo", "valor", "saida", "situacao"}, d) +
           LinhaCsv({pedido.faixa.campo, Numero(resultado.valor, separadorDecimal),
                     Numero(resultado.saida, separadorDecimal),
                     TextoSituacaoMeta(resultado.situacao)},
                    d);
}

std::string MetaJson(const PedidoMeta& pedido, const ResultadoMeta& resultado) {
    Json meta = Json::object();
    meta["campo"] = pedido.faixa.campo;
    meta["valor"] = NumeroJson(resultado.valor);
    meta["saida"] = NumeroJson(resultado.saida);
    meta["situacao"] = TextoSituacaoMeta(resultado.situacao);
    Json j = Json::object();
    j["meta"] = std::move(meta);
    return Dump(j);
}

std::string OtimizacaoCsv(const PedidoOtimizacao& pedido, const ResultadoOtimizacao& resultado,
                          const std::string& separadorDecimal) {
    const char d = DelimitadorCsv(separadorDecimal);
    const auto numero = [&](const std::optional<double>& v) { return Numero(v, separadorDecimal); };
    std::string csv = LinhaCsv({"tipo", "campo", "operador", "limite", "valor", "ativa"}, d);
    for (std::size_t k = 0; k < resultado.valores.size(); ++k)
        csv += LinhaCsv({"entrada", pedido.faixas[k].campo, "", "", numero(resultado.valores[k]), ""}, d);
    csv += LinhaCsv({"objetivo", pedido.objetivo, pedido.maximizar ? "max" : "min", "",
                     numero(resultado.objetivo), ""},
                    d);
    for (const RestricaoAvaliada& r : resultado.restricoes)
        csv += LinhaCsv({"restricao", r.restricao.saida, TextoOperador(r.restricao.operador),
                         numero(r.restricao.limite), numero(r.valor), r.ativa ? "sim" : "não"},
                        d);
    csv += LinhaCsv({"avaliacoes", "", "", "", std::to_string(resultado.avaliacoes), ""}, d);
    csv += LinhaCsv({"situacao", "", "", "", TextoSituacaoOtimizacao(resultado.situacao), ""}, d);
    return csv;
}

std::string OtimizacaoJson(const PedidoOtimizacao& pedido, const ResultadoOtimizacao& resultado) {
    Json entradas = Json::object();
    for (std::size_t k = 0; k < resultado.valores.size(); ++k)
        entradas[pedido.faixas[k].campo] = NumeroJson(resultado.valores[k]);
    Json restricoes = Json::array();
    for (const RestricaoAvaliada& r : resultado.restricoes) {
        Json j = Json::object();
        j["saida"] = r.restricao.saida;
        j["operador"] = TextoOperador(r.restricao.operador);
        j["limite"] = NumeroJson(r.restricao.limite);
        j["valor"] = NumeroJson(r.valor);
        j["ativa"] = r.ativa;
        restricoes.push_back(std::move(j));
    }
    Json otimizacao = Json::object();
    otimizacao["entradas"] = std::move(entradas);
    otimizacao["objetivo"] = NumeroJson(resultado.objetivo);
    otimizacao["restricoes"] = std::move(restricoes);
    otimizacao["avaliacoes"] = resultado.avaliacoes;
    otimizacao["situacao"] = TextoSituacaoOtimizacao(resultado.situacao);
    Json j = Json::object();
    j["otimizacao"] = std::move(otimizacao);
    return Dump(j);
}
