#include "io/ExportacaoVarredura.h"

#include <vector>

#include "io/ExportacaoResultados.h"
#include "plant/Numeros.h"

std::string CabecalhoVarreduraCsv(const PedidoVarredura& pedido,
                                  const std::string& separadorDecimal) {
    std::vector<std::string> celulas;
    for (const EixoVarredura& eixo : pedido.eixos) celulas.push_back(eixo.campo);
    for (const std::string& saida : pedido.saidas) celulas.push_back(saida);
    celulas.push_back("aviso");
    celulas.push_back("erro");
    return LinhaCsv(celulas, DelimitadorCsv(separadorDecimal));
}

std::string LinhaVarreduraCsv(const PontoVarredura& ponto, const std::string& separadorDecimal) {
    const std::string decimal = separadorDecimal == "," ? "," : ".";
    std::vector<std::string> celulas;
    for (double valor : ponto.valores) celulas.push_back(TextoExato(valor, decimal));
    for (const std::optional<double>& saida : ponto.saidas)
        celulas.push_back(saida ? TextoExato(*saida, decimal) : std::string());
    celulas.push_back(ponto.aviso);
    celulas.push_back(ponto.erro);
    return LinhaCsv(celulas, DelimitadorCsv(separadorDecimal));
}

std::string VarreduraCsv(const PedidoVarredura& pedido, const ResultadoVarredura& resultado,
                         const std::string& separadorDecimal) {
    std::string csv = CabecalhoVarreduraCsv(pedido, separadorDecimal);
    for (const PontoVarredura& ponto : resultado.pontos)
        if (ponto.calculado) csv += LinhaVarreduraCsv(ponto, separadorDecimal);
    return csv;
}
