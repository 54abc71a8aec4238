#include "io/CasoUsina.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <unordered_set>

#include <nlohmann/json.hpp>

#include "io/AberturaArquivo.h"
#include "io/ErrosArquivo.h"
#include "io/GravacaoAtomica.h"
#include "io/LocaleNeutro.h"
#include "plant/EntradasCampos.h"
#include "plant/ErrosPlanta.h"
#include "plant/Numeros.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSafra.h"
#include "plant/ValidacaoEntradas.h"

namespace {

// Writing keeps the keys in the order given; reading goes through the SAX
// interface below, which keeps no tree.
using JsonOrdenado = nlohmann::ordered_json;
using Json = nlohmann::json;

constexpr const char* ChaveFormato = "formato";
constexpr const char* ChaveVersao = "versao";
constexpr const char* ChaveDescricao = "descricao";
constexpr const char* ChaveTurbinaAlta = "com_turbina_alta";
// Optional: the property package; a file without it is of the 1969 equation.
constexpr const char* ChavePropriedades = "propriedades";
constexpr std::size_t AvisosMaximos = 20;       // unknown keys named one by one
constexpr std::size_t CaracteresNoAviso = 60;   // of an unknown key's name
constexpr std::size_t CaracteresDoTrecho = 30;  // of the text near a syntax error

constexpr std::string_view MarcaDeOrdem = "\xEF\xBB\xBF";  // UTF-8 byte order mark

std::string Aspas(const std::string& s) { return "\"" + s + "\""; }

// ---------------------------------------------------------------------------
// UTF-8 and positions
// ---------------------------------------------------------------------------

// Length of the valid UTF-8 sequence starting at s[i], or 0 if the bytes
// there are not one (stray continuation byte, overlong form, surrogate,
// beyond U+10FFFF, truncated).
std::size_t SequenciaUtf8(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    std::size_t n = 0;
    std::uint32_t cp = 0;
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) { n = 2; cp = c & 0x1Fu; }
    else if (c >= 0xE0 && c <= 0xEF) { n = 3; cp = c & 0x0Fu; }
    else if (c >= 0xF0 && c <= 0xF4) { n = 4; cp = c & 0x07u; }
    else return 0;
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(i + k) & 0x3Fu);
    }
    if ((n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000)) return 0;  // overlong
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return 0;
    return n;
}

// Offset of the first byte that is not valid UTF-8, or npos.
std::size_t PrimeiroByteInvalido(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = SequenciaUtf8(s, i);
        if (n == 0) return i;
        i += n;
    }
    return std::string_view::npos;
}

// "linha 3, coluna 14" of the byte at offset (columns count characters; a
// byte order mark is not one).
std::string Posicao(std::string_view texto, std::size_t offset) {
    offset = std::min(offset, texto.size());
    std::size_t linha = 1, coluna = 1;
    const std::size_t inicio = texto.starts_with(MarcaDeOrdem) ? MarcaDeOrdem.size() : 0;
    for (std::size_t i = inicio; i < offset; ++i) {
        const auto c = static_cast<unsigned char>(texto[i]);
        if (c == '\n') {
            ++linha;
            coluna = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++coluna;
        }
    }
    return "linha " + std::to_string(linha) + ", coluna " + std::to_string(coluna);
}

// At most `maximo` characters of valid UTF-8 text, "..." when cut.
std::string Encurtado(const std::string& s, std::size_t maximo) {
    std::size_t i = 0, caracteres = 0;
    while (i < s.size() && caracteres < maximo) {
        const std::size_t n = SequenciaUtf8(s, i);
        i += n == 0 ? 1 : n;
        ++caracteres;
    }
    return i < s.size() ? s.substr(0, i) + "..." : s;
}

// A key or text of the file as a message shows it: quoted and escaped as in
// JSON, so control characters and quotes cannot garble the message.
std::string Citado(const std::string& s, std::size_t maximo) {
    return Json(Encurtado(s, maximo)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

// ---------------------------------------------------------------------------
// Reading
// ---------------------------------------------------------------------------

// Whether a text starts with the name of a number JSON does not have: NaN,
// Infinity or inf, in any case, with an optional sign.
bool PareceNaoFinito(std::string_view s) {
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) s.remove_prefix(1);
    std::string inicio(s.substr(0, 3));
    for (char& c : inicio) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return inicio == "nan" || inicio == "inf";
}

enum class Tipo { Nulo, Logico, Numero, Texto, Lista, Objeto };

const char* NomeTipo(Tipo tipo) {
    switch (tipo) {
    case Tipo::Nulo: return "null";
    case Tipo::Logico: return "um valor lógico";
    case Tipo::Numero: return "um número";
    case Tipo::Texto: return "um texto";
    case Tipo::Lista: return "uma lista";
    case Tipo::Objeto: return "um objeto";
    }
    return "";
}

// The value of a key of the top-level object: its type and, for the scalars
// a case uses, the value itself. Nested values are only typed.
struct Valor {
    Tipo tipo = Tipo::Nulo;
    double numero = 0.0;
    bool logico = false;
    std::string texto;
};

Valor SoTipo(Tipo tipo) {
    Valor v;
    v.tipo = tipo;
    return v;
}

// Collects the keys of the top-level object in file order, skipping what is
// nested in their values. Stops (returns false, with the reason in motivo)
// at a syntax error, a number beyond the range of a double, nesting deeper
// than ProfundidadeMaximaCaso, a repeated key, or a top level that is not an
// object. nlohmann's SAX parser keeps its own stack on the heap, so the
// depth limit is what stops a deeply nested file, before any tree is built.
class LeitorCaso : public nlohmann::json_sax<Json> {
public:
    explicit LeitorCaso(std::string_view texto) : texto_(texto) {}

    std::vector<std::pair<std::string, Valor>> chaves;
    std::string motivo;

    bool null() override { return Escalar(SoTipo(Tipo::Nulo)); }
    bool boolean(bool v) override { return Escalar({Tipo::Logico, 0.0, v, {}}); }
    bool number_integer(number_integer_t v) override {
        return Escalar({Tipo::Numero, static_cast<double>(v), false, {}});
    }
    bool number_unsigned(number_unsigned_t v) override {
        return Escalar({Tipo::Numero, static_cast<double>(v), false, {}});
    }
    bool number_float(number_float_t v, const string_t&) override {
        return Escalar({Tipo::Numero, v, false, {}});
    }
    bool string(string_t& v) override { return Escalar({Tipo::Texto, 0.0, false, std::move(v)}); }
    bool binary(binary_t&) override { return Escalar(SoTipo(Tipo::Nulo)); }  // not produced by JSON text

    bool start_object(std::size_t) override { return Abrir(Tipo::Objeto); }
    bool start_array(std::size_t) override { return Abrir(Tipo::Lista); }
    bool end_object() override { return Fechar(); }
    bool end_array() override { return Fechar(); }

    bool key(string_t& chave) override {
        if (profundidade_ == 1) chave_ = std::move(chave);
        return true;
    }

    bool parse_error(std::size_t posicao, const std::string& trecho,
                     const nlohmann::detail::exception& erro) override {
        motivo = MotivoSintaxe(posicao, trecho, erro.id);
        return false;
    }

private:
    bool Abrir(Tipo tipo) {
        if (profundidade_ == 0 && tipo != Tipo::Objeto) return RaizNaoObjeto(tipo);
        if (profundidade_ == 1 && !Guardar(SoTipo(tipo))) return false;
        if (++profundidade_ > ProfundidadeMaximaCaso) {
            motivo = "objetos e listas aninhados em mais de " +
                     std::to_string(ProfundidadeMaximaCaso) + " níveis";
            return false;
        }
        return true;
    }

    bool Fechar() {
        --profundidade_;
        return true;
    }

    bool Escalar(Valor valor) {
        if (profundidade_ == 0) return RaizNaoObjeto(valor.tipo);
        return profundidade_ == 1 ? Guardar(std::move(valor)) : true;
    }

    bool Guardar(Valor valor) {
        if (!vistas_.insert(chave_).second) {
            motivo = "a chave " + Citado(chave_, CaracteresNoAviso) + " aparece mais de uma vez";
            return false;
        }
        chaves.emplace_back(chave_, std::move(valor));
        return true;
    }

    bool RaizNaoObjeto(Tipo tipo) {
        motivo = std::string("o conteúdo deve ser um objeto JSON ({...}), não ") + NomeTipo(tipo);
        return false;
    }

    std::string MotivoSintaxe(std::size_t posicao, const std::string& trecho, int id) const {
        // nlohmann's position counts the bytes read, the offending one
        // included; its error 406 is a number beyond the range of a double,
        // the number being the last token read.
        if (id == 406) {
            const std::size_t inicio = posicao >= trecho.size() ? posicao - trecho.size() : 0;
            return "o número " + Encurtado(trecho, CaracteresDoTrecho) + " (" +
                   Posicao(texto_, inicio) + ") está fora do alcance de um número de ponto flutuante";
        }
        const std::size_t offset = posicao > 0 ? posicao - 1 : 0;
        if (trecho.empty() || offset >= texto_.size())
            return "o texto acaba (" + Posicao(texto_, texto_.size()) +
                   ") antes de o JSON se completar: o arquivo parece truncado";
        // The text from the offending byte to the end of its line (the line
        // end itself when it is the offending byte: in a string).
        const std::size_t fimLinha = texto_.find_first_of("\r\n", offset + 1);
        const std::string adiante(texto_.substr(offset, fimLinha == std::string_view::npos
                                                            ? std::string_view::npos
                                                            : fimLinha - offset));
        std::string m = "JSON inválido na " + Posicao(texto_, offset) + ", em " +
                        Citado(adiante, CaracteresDoTrecho);
        if (PareceNaoFinito(texto_.substr(offset))) m += " (NaN e Infinity não são números em JSON)";
        return m;
    }

    std::string_view texto_;
    std::size_t profundidade_ = 0;  // objects and arrays open
    std::string chave_;             // the top-level key whose value comes next
    std::unordered_set<std::string> vistas_;  // top-level keys so far
};

// The reason for a file larger than a case can be.
std::string GrandeDemais(const std::string& bytes) {
    return "é grande demais para um caso: " + bytes + " bytes (o máximo é " +
           std::to_string(TamanhoMaximoCaso) + " bytes, 1 MiB)";
}

[[noreturn]] void Recusar(const std::string& nomeArquivo, const std::string& motivo) {
    throw ErroCaso("O arquivo " + Aspas(nomeArquivo) + " não é um caso válido: " + motivo);
}

const Valor* Buscar(const std::vector<std::pair<std::string, Valor>>& chaves, std::string_view nome) {
    for (const auto& [chave, valor] : chaves)
        if (chave == nome) return &valor;
    return nullptr;
}

bool ChaveConhecida(const std::string& chave) {
    return chave == ChaveFormato || chave == ChaveVersao || chave == ChaveDescricao ||
           chave == ChaveTurbinaAlta || chave == ChavePropriedades ||
           BuscarCampoEntrada(chave) != nullptr || BuscarCampoEntradaSafra(chave) != nullptr;
}

// A number of the file as a message shows it (shortest exact form).
std::string NumeroNaMensagem(double valor, const std::string& separador) {
    return TextoExato(valor, separador);
}

// The input checks of the calculation, and finite values for the fields
// the checks skip (the high-pressure turbine's without it): JSON has no
// other numbers, and a case that could not be written again is no case.
void VerificarEntradas(const EntradasUsina& entradas, const std::string& separador) {
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        if (!std::isfinite(entradas.*c.membro))
            throw ErroEntradaImpossivel(c.nome, "Valor impossível em " + Aspas(c.legenda) +
                                                    ": não é um número finito.");
    }
    ValidarEntradas(ComLimites(entradas), separador);
}

template <typename Campo>
std::string DescricaoCampo(const Campo& c) {
    return Aspas(c.nome) + " (" + c.legenda + ")";
}

}  // namespace

std::string CasoParaJson(const CasoUsina& caso) {
    LocaleNeutro neutro;
    JsonOrdenado j;
    j[ChaveFormato] = FormatoCaso;
    j[ChaveVersao] = VersaoCaso;
    j[ChaveDescricao] = caso.descricao;
    j[ChaveTurbinaAlta] = caso.entradas.comTurbinaAlta;
    // Written only when it is not the default, so that a case of the 1969
    // equation is the very file it always was.
    if (caso.entradas.propriedades != Formulacao::Kkhm1969)
        j[ChavePropriedades] = Pacote(caso.entradas.propriedades).codigo;
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) j[c.nome] = caso.entradas.*c.membro;
    for (const CampoEntradaSafra& c : CamposEntradaSafra()) j[c.nome] = caso.entradas.safra.*c.membro;
    // A description that is not valid UTF-8 (from outside the program) gets
    // U+FFFD in place of the bad bytes rather than no file.
    return j.dump(2, ' ', false, JsonOrdenado::error_handler_t::replace) + "\n";
}

CasoLido CasoDeJson(std::string_view texto, const std::string& nomeArquivo,
                    const std::string& separador) {
    if (texto.size() > TamanhoMaximoCaso) Recusar(nomeArquivo, GrandeDemais(std::to_string(texto.size())));
    const std::string_view semMarca =
        texto.starts_with(MarcaDeOrdem) ? texto.substr(MarcaDeOrdem.size()) : texto;
    if (semMarca.find_first_not_of(" \t\r\n") == std::string_view::npos)
        Recusar(nomeArquivo, "está vazio");
    if (const std::size_t ruim = PrimeiroByteInvalido(texto); ruim != std::string_view::npos)
        Recusar(nomeArquivo, "o texto não está em UTF-8 (byte inválido na " + Posicao(texto, ruim) + ")");

    LeitorCaso leitor(texto);
    {
        LocaleNeutro neutro;
        if (!Json::sax_parse(texto.begin(), texto.end(), &leitor)) Recusar(nomeArquivo, leitor.motivo);
    }
    const auto& chaves = leitor.chaves;

    // What the file is, before what it holds: another program's JSON is
    // named as such, not as a case missing its inputs.
    const Valor* formato = Buscar(chaves, ChaveFormato);
    if (formato == nullptr)
        Recusar(nomeArquivo, "falta a chave \"formato\" com o valor \"" + std::string(FormatoCaso) +
                                 "\": não parece um caso do usina");
    if (formato->tipo != Tipo::Texto || formato->texto != FormatoCaso)
        Recusar(nomeArquivo, "\"formato\" deve ser \"" + std::string(FormatoCaso) + "\", não " +
                                 (formato->tipo == Tipo::Texto ? Citado(formato->texto, CaracteresNoAviso)
                                                               : NomeTipo(formato->tipo)));
    const Valor* versao = Buscar(chaves, ChaveVersao);
    if (versao == nullptr) Recusar(nomeArquivo, "falta a chave \"versao\"");
    if (versao->tipo != Tipo::Numero)
        Recusar(nomeArquivo, std::string("\"versao\" deve ser um número, não ") + NomeTipo(versao->tipo));
    if (versao->numero != VersaoCaso)
        Recusar(nomeArquivo, "a versão " + NumeroNaMensagem(versao->numero, separador) +
                                 " do formato não é conhecida (este programa lê a versão " +
                                 std::to_string(VersaoCaso) + ")");

    CasoLido lido;
    EntradasUsina& e = lido.caso.entradas;
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        const Valor* v = Buscar(chaves, c.nome);
        if (v == nullptr) Recusar(nomeArquivo, "falta a entrada " + DescricaoCampo(c));
        if (v->tipo != Tipo::Numero)
            Recusar(nomeArquivo, "a entrada " + DescricaoCampo(c) + " deve ser um número, não " +
                                     NomeTipo(v->tipo));
        e.*c.membro = v->numero;
    }
    const Valor* turbina = Buscar(chaves, ChaveTurbinaAlta);
    if (turbina == nullptr)
        Recusar(nomeArquivo, "falta a chave \"com_turbina_alta\" (true ou false)");
    if (turbina->tipo != Tipo::Logico)
        Recusar(nomeArquivo, std::string("\"com_turbina_alta\" deve ser true ou false, não ") +
                                 NomeTipo(turbina->tipo));
    e.comTurbinaAlta = turbina->logico;
    // Before the checks: saturation is the package's own.
    if (const Valor* propriedades = Buscar(chaves, ChavePropriedades)) {
        const PacotePropriedades* pacote =
            propriedades->tipo == Tipo::Texto ? PacotePorCodigo(propriedades->texto) : nullptr;
        if (pacote == nullptr)
            Recusar(nomeArquivo,
                    std::string("\"propriedades\" deve ser \"kkhm\" ou \"if97\", não ") +
                        (propriedades->tipo == Tipo::Texto
                             ? Citado(propriedades->texto, CaracteresNoAviso)
                             : std::string(NomeTipo(propriedades->tipo))));
        e.propriedades = pacote->formulacao;
    }
    // The season's inputs are optional: a file without them (written before
    // the season existed) takes the defaults.
    for (const CampoEntradaSafra& c : CamposEntradaSafra()) {
        const Valor* v = Buscar(chaves, c.nome);
        if (v == nullptr) continue;
        if (v->tipo != Tipo::Numero)
            Recusar(nomeArquivo, "a entrada " + DescricaoCampo(c) + " deve ser um número, não " +
                                     NomeTipo(v->tipo));
        e.safra.*c.membro = v->numero;
    }
    if (const Valor* descricao = Buscar(chaves, ChaveDescricao)) {
        if (descricao->tipo != Tipo::Texto)
            Recusar(nomeArquivo, std::string("\"descricao\" deve ser um texto, não ") +
                                     NomeTipo(descricao->tipo));
        lido.caso.descricao = descricao->texto;
    }

    try {
        VerificarEntradas(e, separador);
    } catch (const ErroEntradaImpossivel& erro) {
        Recusar(nomeArquivo, erro.what());
    }

    // Keys of a later version or typing errors: said, not fatal.
    std::size_t desconhecidas = 0;
    for (const auto& [chave, valor] : chaves) {
        if (ChaveConhecida(chave)) continue;
        if (++desconhecidas <= AvisosMaximos)
            lido.avisos.push_back("O arquivo " + Aspas(nomeArquivo) + " tem a chave desconhecida " +
                                  Citado(chave, CaracteresNoAviso) + ", ignorada.");
    }
    if (desconhecidas > AvisosMaximos)
        lido.avisos.push_back("O arquivo " + Aspas(nomeArquivo) + " tem mais " +
                              std::to_string(desconhecidas - AvisosMaximos) +
                              " chaves desconhecidas, ignoradas.");
    return lido;
}

namespace {

[[noreturn]] void NaoLido(const std::string& caminho, const std::string& motivo) {
    throw ErroCaso("Não foi possível ler o arquivo " + Aspas(caminho) + ": " + motivo);
}

}  // namespace

CasoLido LerCaso(const std::string& caminho, const std::string& separador) {
    // The C library would silently cut the name at an embedded NUL.
    if (caminho.find('\0') != std::string::npos) {
        std::string visivel;  // the message is a C string: the NUL is shown, not kept
        for (char c : caminho) visivel += c == '\0' ? std::string("\\0") : std::string(1, c);
        NaoLido(visivel, "nome de arquivo inválido");
    }
    std::string texto;
    try {
        ArquivoLido arquivo(caminho);
        if (arquivo.Tamanho() > TamanhoMaximoCaso)
            Recusar(caminho, GrandeDemais(std::to_string(arquivo.Tamanho())));
        // At most one byte past the limit: a file that grew is not read to
        // its end to find it too large.
        texto = arquivo.Ler(TamanhoMaximoCaso + 1);
    } catch (const ErroAbertura& erro) {
        NaoLido(caminho, MotivoLeitura(erro.codigo, erro.tipo));
    }
    if (texto.size() > TamanhoMaximoCaso)
        Recusar(caminho, GrandeDemais("mais de " + std::to_string(TamanhoMaximoCaso)));
    return CasoDeJson(texto, caminho, separador);
}

void GravarCaso(const std::string& caminho, const CasoUsina& caso, const std::string& separador) {
    try {
        VerificarEntradas(caso.entradas, separador);
    } catch (const ErroEntradaImpossivel& erro) {
        throw ErroCaso("O caso não foi gravado em " + Aspas(caminho) + ": " + erro.what());
    }
    const std::string texto = CasoParaJson(caso);
    try {
        GravacaoAtomica arquivo(caminho);
        arquivo.Escrever(texto.data(), texto.size());
        arquivo.Concluir();
    } catch (const ErroGravacao& erro) {
        throw ErroArquivo(MensagemGravacao(caminho, erro));
    }
}

CasoUsina CasoDosCampos(const Campos& campos, const std::string& separador) {
    CasoUsina caso;
    try {
        caso.entradas = EntradasDosCampos(campos, separador);
    } catch (const ErroEntradaNaoNumerica& e) {
        throw ErroCaso("O caso não pode ser gravado: o texto de " + Aspas(e.campo().legenda) +
                       " não é um número: " + Citado(e.texto(), CaracteresNoAviso));
    }
    return caso;
}

std::vector<std::pair<std::string, std::string>> TextosDoCaso(const EntradasUsina& entradas,
                                                              const std::string& separador) {
    std::vector<std::pair<std::string, std::string>> textos;
    for (const CampoEntradaUsina& c : CamposEntradaUsina())
        textos.emplace_back(c.nome, TextoExato(entradas.*c.membro, separador));
    return textos;
}
