#include "io/Relatorio.h"

#include "io/ErrosArquivo.h"
#include "io/GravacaoAtomica.h"
#include "io/LinhasRelatorio.h"
#include "io/Windows1252.h"
#include "properties/Erros.h"

void EscreverRelatorio(const std::string& nomeDigitado, const ResultadoUsina& resultado,
                       bool comTurbinaAlta, const std::string& separador) {
    ExigirResultadoCompleto(resultado);
    // The whole content exists before the file is touched: a fault leaves no
    // file and an older report of the same name intact.
    std::string conteudo;
    for (const std::string& linha : LinhasRelatorio(resultado, comTurbinaAlta, separador))
        conteudo += ParaWindows1252(linha) + "\r\n";

    const std::string caminho = nomeDigitado + ".txt";
    try {
        GravacaoAtomica arquivo(caminho);
        arquivo.Escrever(conteudo.data(), conteudo.size());
        arquivo.Concluir();
    } catch (const ErroGravacao& erro) {
        throw ErroArquivoGravado(caminho, erro);
    }
}
