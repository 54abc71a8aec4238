#include "io/ExportacaoComparacao.h"

#include <cstddef>
#include <optional>
#include <vector>

#include "io/ExportacaoResultados.h"
#include "plant/Numeros.h"

std::string ComparacaoCsv(const ComparacaoCasos& comparacao, const std::string& separadorDecimal) {
    const char delimitador = DelimitadorCsv(separadorDecimal);
    const std::string decimal = separadorDecimal == "," ? "," : ".";
    const auto numero = [&](const std::optional<double>& x) {
        return x ? TextoExato(*x, decimal) : std::string();
    };

    std::vector<std::string> celulas = {"Seção", "Grandeza", "Unidade"};
    for (std::size_t i = 0; i < comparacao.casos.size(); ++i) {
        celulas.push_back(comparacao.casos[i].nome);
        if (i == 0) continue;
        celulas.push_back("Diferença");
        celulas.push_back("Diferença [%]");
    }
    std::string csv = LinhaCsv(celulas, delimitador);

    celulas = {"Casos", "Situação", ""};
    for (std::size_t i = 0; i < comparacao.casos.size(); ++i) {
        const CasoCalculado& caso = comparacao.casos[i];
        celulas.push_back(caso.situacao == SituacaoCalculo::Completo ? "calculado" : caso.erro);
        if (i == 0) continue;
        celulas.push_back("");
        celulas.push_back("");
    }
    csv += LinhaCsv(celulas, delimitador);

    const auto secao = [&](const char* nome, const std::vector<LinhaComparacao>& linhas) {
        for (const LinhaComparacao& l : linhas) {
            if (l.estimativa) continue;
            celulas = {nome, l.nome, l.unidade};
            for (std::size_t i = 0; i < l.valores.size(); ++i) {
                const ValorComparado& v = l.valores[i];
                if (l.tipo == TipoLinhaComparacao::SimNao)
                    celulas.push_back(!v.valor ? "" : *v.valor != 0.0 ? "sim" : "não");
                else if (l.tipo == TipoLinhaComparacao::Formulacao)
                    celulas.push_back(
                        !v.valor ? "" : Pacote(static_cast<Formulacao>(*v.valor)).codigo);
                else
                    celulas.push_back(numero(v.valor));
                if (i == 0) continue;
                celulas.push_back(numero(v.diferenca));
                celulas.push_back(numero(v.porcento));
            }
            csv += LinhaCsv(celulas, delimitador);
        }
    };
    secao("Entradas que diferem", comparacao.entradas);
    secao("Resultados globais", comparacao.globais);
    secao("Indicadores", comparacao.indicadores);
    secao("Correntes", comparacao.correntes);
    secao("Safra", comparacao.safra);

    // The payback of a different investment, in seasons, under each other
    // case; only when some case has one.
    bool algumRetorno = false;
    for (const RetornoComparado& r : comparacao.retornos) algumRetorno = algumRetorno || r.aplicavel;
    if (algumRetorno) {
        celulas = {"Safra", "Retorno simples do investimento", "safras"};
        for (std::size_t i = 0; i < comparacao.retornos.size(); ++i) {
            const RetornoComparado& r = comparacao.retornos[i];
            celulas.push_back(!r.aplicavel ? "" : r.safras ? numero(r.safras) : "não se paga");
            if (i == 0) continue;
            celulas.push_back("");
            celulas.push_back("");
        }
        csv += LinhaCsv(celulas, delimitador);
    }
    return csv;
}
