// What reading or writing a case file can refuse or warn of. Each error and
// warning keeps what its sentence names (the file, the defect, a position
// in the text, a key, the type of a value, a refused input), so that a front
// end can say it in its own language; its message is the Portuguese
// sentence composed from them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "io/ErrosArquivo.h"
#include "plant/ErrosPlanta.h"

// The type of a JSON value, as a message names what it found instead.
enum class TipoJson { Nulo, Logico, Numero, Texto, Lista, Objeto };

// "null", "um valor lógico", "um número", "um texto", "uma lista", "um objeto".
const char* NomeTipoJson(TipoJson tipo);

// Why a file is not a valid case; the MotivoCaso member each sentence names.
enum class DefeitoCaso {
    GrandeDemais,           // bytes: the file's size
    CresceuAoLer,           // the file grew past TamanhoMaximoCaso while it was read
    Vazio,
    NaoUtf8,                // posicao: the first byte that is not UTF-8
    AninhadoDemais,         // deeper than ProfundidadeMaximaCaso
    ChaveRepetida,          // trecho: the key
    RaizNaoObjeto,          // tipo: what the text holds instead of an object
    NumeroForaDoAlcance,    // trecho: the number as written; posicao
    Truncado,               // posicao: the end of the text
    JsonInvalido,           // posicao: the offending byte; trecho: from it to the line's end
    JsonInvalidoNaoFinito,  // the same, where the text there names NaN or Infinity
    FaltaFormato,
    FormatoErrado,          // trecho: the text found, or (trecho empty) tipo
    FaltaVersao,
    VersaoNaoNumero,        // tipo
    VersaoDesconhecida,     // numero: the version found
    FaltaEntrada,           // campo
    EntradaNaoNumero,       // campo, tipo
    FaltaTurbinaAlta,
    TurbinaAltaNaoLogica,   // tipo
    PropriedadesInvalidas,  // trecho: the text found, or (trecho empty) tipo
    DescricaoNaoTexto,      // tipo
    EntradaRecusada,        // the input checks' refusal (ErroCaso::recusa)
};

// A place in the file's text: lines from 1, columns in characters from 1.
struct PosicaoTexto {
    std::size_t linha = 1;
    std::size_t coluna = 1;

    bool operator==(const PosicaoTexto&) const = default;
};

// "linha 3, coluna 14".
std::string TextoPosicao(PosicaoTexto posicao);

struct MotivoCaso {
    DefeitoCaso defeito = DefeitoCaso::Vazio;
    PosicaoTexto posicao;
    // The file's text as the sentence shows it: a key or a text quoted and
    // escaped as in JSON, or a number as written, cut to a few characters.
    std::string trecho;
    TipoJson tipo = TipoJson::Nulo;
    std::size_t bytes = 0;
    double numero = 0.0;
    std::string campo;  // component name of a plant's or a season's input

    bool operator==(const MotivoCaso&) const = default;
};

enum class TipoErroCaso {
    Invalido,        // "O arquivo "<arquivo>" não é um caso válido: <motivo>"
    NaoLido,         // "Não foi possível ler o arquivo "<arquivo>": <falha>"
    NaoGravado,      // "O caso não foi gravado em "<arquivo>": <recusa>"
    TextoNaoNumero,  // "O caso não pode ser gravado: o texto de "<caption of motivo.campo>"
                     // não é um número: <motivo.trecho>"
};

// A case that cannot be read, is refused, or cannot be made from the fields.
class ErroCaso : public ErroUsina {
public:
    // numero of VersaoDesconhecida is written with separador.
    static ErroCaso Invalido(std::string arquivo, MotivoCaso motivo, std::string separador);
    static ErroCaso Recusado(std::string arquivo, const ErroEntradaImpossivel& recusa);
    static ErroCaso NaoLido(std::string arquivo, FalhaArquivo falha);
    static ErroCaso NaoGravado(std::string arquivo, const ErroEntradaImpossivel& recusa);
    static ErroCaso TextoNaoNumero(std::string campo, std::string trecho);

    TipoErroCaso tipo() const { return tipo_; }
    const std::string& arquivo() const { return arquivo_; }  // as the message names it
    const MotivoCaso& motivo() const { return motivo_; }     // Invalido, TextoNaoNumero
    FalhaArquivo falha() const { return falha_; }            // NaoLido
    // NaoGravado, and Invalido for DefeitoCaso::EntradaRecusada; else nullptr.
    const ErroEntradaImpossivel* recusa() const { return recusa_ ? &*recusa_ : nullptr; }
    const std::string& separador() const { return separador_; }

private:
    ErroCaso(TipoErroCaso tipo, std::string arquivo, MotivoCaso motivo, FalhaArquivo falha,
             std::optional<ErroEntradaImpossivel> recusa, std::string separador);

    TipoErroCaso tipo_;
    std::string arquivo_;
    MotivoCaso motivo_;
    FalhaArquivo falha_;
    std::optional<ErroEntradaImpossivel> recusa_;
    std::string separador_;
};

// The Portuguese reason of a file that is not a valid case, as its message
// says it after "não é um caso válido: " (not for EntradaRecusada, whose
// reason is the refusal's message). Numbers with separador.
std::string TextoMotivoCaso(const MotivoCaso& motivo, const std::string& separador);

// "\"Ecapusi\" (Capacidade da Usina [ton cana/h])": an input as a case's
// messages name it.
std::string DescricaoEntradaCaso(const std::string& campo);

// A key of the file the reader does not know: said, not fatal.
enum class TipoAvisoCaso {
    ChaveDesconhecida,  // chave: the key, quoted
    MaisChaves,         // quantidade: unknown keys past those named one by one
};

struct AvisoCaso {
    TipoAvisoCaso tipo = TipoAvisoCaso::ChaveDesconhecida;
    std::string arquivo;
    std::string chave;
    std::size_t quantidade = 0;

    bool operator==(const AvisoCaso&) const = default;
};

// "O arquivo "planta.usina" tem a chave desconhecida "x", ignorada."...
std::string TextoAvisoCaso(const AvisoCaso& aviso);
