#include "io/ErrosCaso.h"

#include <utility>

#include "io/CasoUsina.h"
#include "plant/CamposNomeados.h"
#include "plant/Numeros.h"

namespace {

std::string Aspas(const std::string& s) { return "\"" + s + "\""; }

// The caption of a plant's or a season's input.
std::string LegendaCaso(const std::string& campo) {
    const char* legenda = LegendaEntradaNomeada(campo);
    return legenda != nullptr ? legenda : campo;
}

// What a key was found to hold: the text itself, quoted, or its type.
std::string Encontrado(const MotivoCaso& m) {
    return m.trecho.empty() ? std::string(NomeTipoJson(m.tipo)) : m.trecho;
}

std::string Mensagem(TipoErroCaso tipo, const std::string& arquivo, const MotivoCaso& motivo,
                     FalhaArquivo falha, const std::optional<ErroEntradaImpossivel>& recusa,
                     const std::string& separador) {
    switch (tipo) {
    case TipoErroCaso::Invalido:
        return "O arquivo " + Aspas(arquivo) + " não é um caso válido: " +
               (recusa ? std::string(recusa->what()) : TextoMotivoCaso(motivo, separador));
    case TipoErroCaso::NaoLido:
        return "Não foi possível ler o arquivo " + Aspas(arquivo) + ": " + TextoFalhaArquivo(falha);
    case TipoErroCaso::NaoGravado:
        return "O caso não foi gravado em " + Aspas(arquivo) + ": " + recusa->what();
    case TipoErroCaso::TextoNaoNumero:
        return "O caso não pode ser gravado: o texto de " + Aspas(LegendaCaso(motivo.campo)) +
               " não é um número: " + motivo.trecho;
    }
    return {};
}

}  // namespace

const char* NomeTipoJson(TipoJson tipo) {
    switch (tipo) {
    case TipoJson::Nulo: return "null";
    case TipoJson::Logico: return "um valor lógico";
    case TipoJson::Numero: return "um número";
    case TipoJson::Texto: return "um texto";
    case TipoJson::Lista: return "uma lista";
    case TipoJson::Objeto: return "um objeto";
    }
    return "";
}

std::string TextoPosicao(PosicaoTexto posicao) {
    return "linha " + std::to_string(posicao.linha) + ", coluna " + std::to_string(posicao.coluna);
}

std::string DescricaoEntradaCaso(const std::string& campo) {
    return Aspas(campo) + " (" + LegendaCaso(campo) + ")";
}

std::string TextoMotivoCaso(const MotivoCaso& m, const std::string& separador) {
    using D = DefeitoCaso;
    const std::string maximo = std::to_string(TamanhoMaximoCaso);
    switch (m.defeito) {
    case D::GrandeDemais:
        return "é grande demais para um caso: " + std::to_string(m.bytes) + " bytes (o máximo é " +
               maximo + " bytes, 1 MiB)";
    case D::CresceuAoLer:
        return "é grande demais para um caso: mais de " + maximo + " bytes (o máximo é " + maximo +
               " bytes, 1 MiB)";
    case D::Vazio: return "está vazio";
    case D::NaoUtf8:
        return "o texto não está em UTF-8 (byte inválido na " + TextoPosicao(m.posicao) + ")";
    case D::AninhadoDemais:
        return "objetos e listas aninhados em mais de " + std::to_string(ProfundidadeMaximaCaso) +
               " níveis";
    case D::ChaveRepetida: return "a chave " + m.trecho + " aparece mais de uma vez";
    case D::RaizNaoObjeto:
        return std::string("o conteúdo deve ser um objeto JSON ({...}), não ") + NomeTipoJson(m.tipo);
    case D::NumeroForaDoAlcance:
        return "o número " + m.trecho + " (" + TextoPosicao(m.posicao) +
               ") está fora do alcance de um número de ponto flutuante";
    case D::Truncado:
        return "o texto acaba (" + TextoPosicao(m.posicao) +
               ") antes de o JSON se completar: o arquivo parece truncado";
    case D::JsonInvalido: return "JSON inválido na " + TextoPosicao(m.posicao) + ", em " + m.trecho;
    case D::JsonInvalidoNaoFinito:
        return "JSON inválido na " + TextoPosicao(m.posicao) + ", em " + m.trecho +
               " (NaN e Infinity não são números em JSON)";
    case D::FaltaFormato:
        return "falta a chave \"formato\" com o valor \"" + std::string(FormatoCaso) +
               "\": não parece um caso do usina";
    case D::FormatoErrado:
        return "\"formato\" deve ser \"" + std::string(FormatoCaso) + "\", não " + Encontrado(m);
    case D::FaltaVersao: return "falta a chave \"versao\"";
    case D::VersaoNaoNumero:
        return std::string("\"versao\" deve ser um número, não ") + NomeTipoJson(m.tipo);
    case D::VersaoDesconhecida:
        return "a versão " + TextoExato(m.numero, separador) +
               " do formato não é conhecida (este programa lê a versão " +
               std::to_string(VersaoCaso) + ")";
    case D::FaltaEntrada: return "falta a entrada " + DescricaoEntradaCaso(m.campo);
    case D::EntradaNaoNumero:
        return "a entrada " + DescricaoEntradaCaso(m.campo) + " deve ser um número, não " +
               NomeTipoJson(m.tipo);
    case D::FaltaTurbinaAlta: return "falta a chave \"com_turbina_alta\" (true ou false)";
    case D::TurbinaAltaNaoLogica:
        return std::string("\"com_turbina_alta\" deve ser true ou false, não ") + NomeTipoJson(m.tipo);
    case D::PropriedadesInvalidas:
        return "\"propriedades\" deve ser \"kkhm\" ou \"if97\", não " + Encontrado(m);
    case D::DescricaoNaoTexto:
        return std::string("\"descricao\" deve ser um texto, não ") + NomeTipoJson(m.tipo);
    case D::EntradaRecusada: break;
    }
    return {};
}

ErroCaso::ErroCaso(TipoErroCaso tipo, std::string arquivo, MotivoCaso motivo, FalhaArquivo falha,
                   std::optional<ErroEntradaImpossivel> recusa, std::string separador)
    : ErroUsina(Mensagem(tipo, arquivo, motivo, falha, recusa, separador)),
      tipo_(tipo),
      arquivo_(std::move(arquivo)),
      motivo_(std::move(motivo)),
      falha_(falha),
      recusa_(std::move(recusa)),
      separador_(std::move(separador)) {}

ErroCaso ErroCaso::Invalido(std::string arquivo, MotivoCaso motivo, std::string separador) {
    return ErroCaso(TipoErroCaso::Invalido, std::move(arquivo), std::move(motivo), {}, std::nullopt,
                    std::move(separador));
}

ErroCaso ErroCaso::Recusado(std::string arquivo, const ErroEntradaImpossivel& recusa) {
    MotivoCaso motivo;
    motivo.defeito = DefeitoCaso::EntradaRecusada;
    return ErroCaso(TipoErroCaso::Invalido, std::move(arquivo), std::move(motivo), {}, recusa,
                    recusa.separador());
}

ErroCaso ErroCaso::NaoLido(std::string arquivo, FalhaArquivo falha) {
    return ErroCaso(TipoErroCaso::NaoLido, std::move(arquivo), {}, falha, std::nullopt, {});
}

ErroCaso ErroCaso::NaoGravado(std::string arquivo, const ErroEntradaImpossivel& recusa) {
    return ErroCaso(TipoErroCaso::NaoGravado, std::move(arquivo), {}, {}, recusa,
                    recusa.separador());
}

ErroCaso ErroCaso::TextoNaoNumero(std::string campo, std::string trecho) {
    MotivoCaso motivo;
    motivo.campo = std::move(campo);
    motivo.trecho = std::move(trecho);
    return ErroCaso(TipoErroCaso::TextoNaoNumero, {}, std::move(motivo), {}, std::nullopt, {});
}

std::string TextoAvisoCaso(const AvisoCaso& aviso) {
    switch (aviso.tipo) {
    case TipoAvisoCaso::ChaveDesconhecida:
        return "O arquivo " + Aspas(aviso.arquivo) + " tem a chave desconhecida " + aviso.chave +
               ", ignorada.";
    case TipoAvisoCaso::MaisChaves:
        return "O arquivo " + Aspas(aviso.arquivo) + " tem mais " +
               std::to_string(aviso.quantidade) + " chaves desconhecidas, ignoradas.";
    }
    return {};
}
