#include "ui/Relatorio.h"

#include "properties/Erros.h"
#include "ui/ErrosArquivo.h"
#include "ui/GravacaoAtomica.h"
#include "ui/LinhasRelatorio.h"
#include "ui/Windows1252.h"

void EscreverRelatorio(const std::string& nomeDigitado, const ResultadoUsina& resultado,
                       bool comTurbinaAlta, const std::string& separador) {
    ExigirResultadoCompleto(resultado);
    // The whole content exists before the file is touched: a fault leaves no
    // file and an older report of the same name intact.
    std::string conteudo;
    for (const std::string& linha : LinhasRelatorio(resultado, comTurbinaAlta, separador))
        conteudo += ParaWindows1252(linha) + "\r\n";

    try {
        GravacaoAtomica arquivo(nomeDigitado + ".txt");
        arquivo.Escrever(conteudo.data(), conteudo.size());
        arquivo.Concluir();
    } catch (const ErroGravacao& erro) {
        throw ErroArquivo(MensagemErroArquivo(erro.codigo));
    }
}
