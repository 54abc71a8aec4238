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
#include "plant/TextosPadrao.h"
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

// The line and column of the byte at offset (columns count characters; a
// byte order mark is not one).
PosicaoTexto Posicao(std::string_view texto, std::size_t offset) {
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
    return {linha, coluna};
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

using Tipo = TipoJson;

// A defect of the file with no more to say than its kind.
MotivoCaso Defeito(DefeitoCaso defeito) {
    MotivoCaso m;
    m.defeito = defeito;
    return m;
}

MotivoCaso DefeitoDoTipo(DefeitoCaso defeito, Tipo tipo) {
    MotivoCaso m = Defeito(defeito);
    m.tipo = tipo;
    return m;
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
// nested in their values. Stops (returns false, with the defect in motivo)
// at a syntax error, a number beyond the range of a double, nesting deeper
// than ProfundidadeMaximaCaso, a repeated key, or a top level that is not an
// object. nlohmann's SAX parser keeps its own stack on the heap, so the
// depth limit is what stops a deeply nested file, before any tree is built.
class LeitorCaso : public nlohmann::json_sax<Json> {
public:
    explicit LeitorCaso(std::string_view texto) : texto_(texto) {}

    std::vector<std::pair<std::string, Valor>> chaves;
    MotivoCaso motivo;

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
            motivo = Defeito(DefeitoCaso::AninhadoDemais);
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
            motivo = Defeito(DefeitoCaso::ChaveRepetida);
            motivo.trecho = Citado(chave_, CaracteresNoAviso);
            return false;
        }
        chaves.emplace_back(chave_, std::move(valor));
        return true;
    }

    bool RaizNaoObjeto(Tipo tipo) {
        motivo = DefeitoDoTipo(DefeitoCaso::RaizNaoObjeto, tipo);
        return false;
    }

    MotivoCaso MotivoSintaxe(std::size_t posicao, const std::string& trecho, int id) const {
        // nlohmann's position counts the bytes read, the offending one
        // included; its error 406 is a number beyond the range of a double,
        // the number being the last token read.
        if (id == 406) {
            const std::size_t inicio = posicao >= trecho.size() ? posicao - trecho.size() : 0;
            MotivoCaso m = Defeito(DefeitoCaso::NumeroForaDoAlcance);
            m.trecho = Encurtado(trecho, CaracteresDoTrecho);
            m.posicao = Posicao(texto_, inicio);
            return m;
        }
        const std::size_t offset = posicao > 0 ? posicao - 1 : 0;
        if (trecho.empty() || offset >= texto_.size()) {
            MotivoCaso m = Defeito(DefeitoCaso::Truncado);
            m.posicao = Posicao(texto_, texto_.size());
            return m;
        }
        // The text from the offending byte to the end of its line (the line
        // end itself when it is the offending byte: in a string).
        const std::size_t fimLinha = texto_.find_first_of("\r\n", offset + 1);
        const std::string adiante(texto_.substr(offset, fimLinha == std::string_view::npos
                                                            ? std::string_view::npos
                                                            : fimLinha - offset));
        MotivoCaso m = Defeito(PareceNaoFinito(texto_.substr(offset))
                                   ? DefeitoCaso::JsonInvalidoNaoFinito
                                   : DefeitoCaso::JsonInvalido);
        m.posicao = Posicao(texto_, offset);
        m.trecho = Citado(adiante, CaracteresDoTrecho);
        return m;
    }

    std::string_view texto_;
    std::size_t profundidade_ = 0;  // objects and arrays open
    std::string chave_;             // the top-level key whose value comes next
    std::unordered_set<std::string> vistas_;  // top-level keys so far
};

// A file larger than a case can be.
MotivoCaso GrandeDemais(std::size_t bytes) {
    MotivoCaso m = Defeito(DefeitoCaso::GrandeDemais);
    m.bytes = bytes;
    return m;
}

[[noreturn]] void Recusar(const std::string& nomeArquivo, MotivoCaso motivo,
                          const std::string& separador) {
    throw ErroCaso::Invalido(nomeArquivo, std::move(motivo), separador);
}

// A key's value of the wrong type; trecho quotes it when it is a text and
// the sentence names texts so.
MotivoCaso Encontrado(DefeitoCaso defeito, const Valor& valor, bool citarTexto = false) {
    MotivoCaso m = DefeitoDoTipo(defeito, valor.tipo);
    if (citarTexto && valor.tipo == Tipo::Texto) m.trecho = Citado(valor.texto, CaracteresNoAviso);
    return m;
}

MotivoCaso DaEntrada(DefeitoCaso defeito, const char* campo, Tipo tipo = Tipo::Nulo) {
    MotivoCaso m = DefeitoDoTipo(defeito, tipo);
    m.campo = campo;
    return m;
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

// The input checks of the calculation, and finite values for the fields
// the checks skip (the high-pressure turbine's without it): JSON has no
// other numbers, and a case that could not be written again is no case.
void VerificarEntradas(const EntradasUsina& entradas, const std::string& separador) {
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        if (!std::isfinite(entradas.*c.membro))
            throw RecusaEntrada(c.nome, c.legenda, entradas.*c.membro,
                                MotivoRecusa::NaoFinitoNoArquivo, 0.0, separador);
    }
    ValidarEntradas(ComLimites(entradas), separador);
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
    using D = DefeitoCaso;
    if (texto.size() > TamanhoMaximoCaso)
        Recusar(nomeArquivo, GrandeDemais(texto.size()), separador);
    const std::string_view semMarca =
        texto.starts_with(MarcaDeOrdem) ? texto.substr(MarcaDeOrdem.size()) : texto;
    if (semMarca.find_first_not_of(" \t\r\n") == std::string_view::npos)
        Recusar(nomeArquivo, Defeito(D::Vazio), separador);
    if (const std::size_t ruim = PrimeiroByteInvalido(texto); ruim != std::string_view::npos) {
        MotivoCaso m = Defeito(D::NaoUtf8);
        m.posicao = Posicao(texto, ruim);
        Recusar(nomeArquivo, std::move(m), separador);
    }

    LeitorCaso leitor(texto);
    {
        LocaleNeutro neutro;
        if (!Json::sax_parse(texto.begin(), texto.end(), &leitor))
            Recusar(nomeArquivo, leitor.motivo, separador);
    }
    const auto& chaves = leitor.chaves;

    // What the file is, before what it holds: another program's JSON is
    // named as such, not as a case missing its inputs.
    const Valor* formato = Buscar(chaves, ChaveFormato);
    if (formato == nullptr) Recusar(nomeArquivo, Defeito(D::FaltaFormato), separador);
    if (formato->tipo != Tipo::Texto || formato->texto != FormatoCaso)
        Recusar(nomeArquivo, Encontrado(D::FormatoErrado, *formato, true), separador);
    const Valor* versao = Buscar(chaves, ChaveVersao);
    if (versao == nullptr) Recusar(nomeArquivo, Defeito(D::FaltaVersao), separador);
    if (versao->tipo != Tipo::Numero)
        Recusar(nomeArquivo, Encontrado(D::VersaoNaoNumero, *versao), separador);
    if (versao->numero != VersaoCaso) {
        MotivoCaso m = Defeito(D::VersaoDesconhecida);
        m.numero = versao->numero;
        Recusar(nomeArquivo, std::move(m), separador);
    }

    CasoLido lido;
    EntradasUsina& e = lido.caso.entradas;
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        const Valor* v = Buscar(chaves, c.nome);
        if (v == nullptr) Recusar(nomeArquivo, DaEntrada(D::FaltaEntrada, c.nome), separador);
        if (v->tipo != Tipo::Numero)
            Recusar(nomeArquivo, DaEntrada(D::EntradaNaoNumero, c.nome, v->tipo), separador);
        e.*c.membro = v->numero;
    }
    const Valor* turbina = Buscar(chaves, ChaveTurbinaAlta);
    if (turbina == nullptr) Recusar(nomeArquivo, Defeito(D::FaltaTurbinaAlta), separador);
    if (turbina->tipo != Tipo::Logico)
        Recusar(nomeArquivo, Encontrado(D::TurbinaAltaNaoLogica, *turbina), separador);
    e.comTurbinaAlta = turbina->logico;
    // Before the checks: saturation is the package's own.
    if (const Valor* propriedades = Buscar(chaves, ChavePropriedades)) {
        const PacotePropriedades* pacote =
            propriedades->tipo == Tipo::Texto ? PacotePorCodigo(propriedades->texto) : nullptr;
        if (pacote == nullptr)
            Recusar(nomeArquivo, Encontrado(D::PropriedadesInvalidas, *propriedades, true), separador);
        e.propriedades = pacote->formulacao;
    }
    // The season's inputs are optional: a file without them (written before
    // the season existed) takes the defaults.
    for (const CampoEntradaSafra& c : CamposEntradaSafra()) {
        const Valor* v = Buscar(chaves, c.nome);
        if (v == nullptr) continue;
        if (v->tipo != Tipo::Numero)
            Recusar(nomeArquivo, DaEntrada(D::EntradaNaoNumero, c.nome, v->tipo), separador);
        e.safra.*c.membro = v->numero;
    }
    if (const Valor* descricao = Buscar(chaves, ChaveDescricao)) {
        if (descricao->tipo != Tipo::Texto)
            Recusar(nomeArquivo, Encontrado(D::DescricaoNaoTexto, *descricao), separador);
        lido.caso.descricao = descricao->texto;
    }

    try {
        VerificarEntradas(e, separador);
    } catch (const ErroEntradaImpossivel& erro) {
        throw ErroCaso::Recusado(nomeArquivo, erro);
    }

    // Keys of a later version or typing errors: said, not fatal.
    std::size_t desconhecidas = 0;
    for (const auto& [chave, valor] : chaves) {
        if (ChaveConhecida(chave)) continue;
        if (++desconhecidas <= AvisosMaximos)
            lido.avisosTipados.push_back({TipoAvisoCaso::ChaveDesconhecida, nomeArquivo,
                                          Citado(chave, CaracteresNoAviso), 0});
    }
    if (desconhecidas > AvisosMaximos)
        lido.avisosTipados.push_back(
            {TipoAvisoCaso::MaisChaves, nomeArquivo, {}, desconhecidas - AvisosMaximos});
    for (const AvisoCaso& aviso : lido.avisosTipados) lido.avisos.push_back(TextoAvisoCaso(aviso));
    return lido;
}

CasoLido LerCaso(const std::string& caminho, const std::string& separador) {
    // The C library would silently cut the name at an embedded NUL.
    if (caminho.find('\0') != std::string::npos) {
        std::string visivel;  // the message is a C string: the NUL is shown, not kept
        for (char c : caminho) visivel += c == '\0' ? std::string("\\0") : std::string(1, c);
        throw ErroCaso::NaoLido(visivel, {MotivoArquivo::NomeInvalido, EINVAL});
    }
    std::string texto;
    try {
        ArquivoLido arquivo(caminho);
        if (arquivo.Tamanho() > TamanhoMaximoCaso)
            Recusar(caminho, GrandeDemais(arquivo.Tamanho()), separador);
        // At most one byte past the limit: a file that grew is not read to
        // its end to find it too large.
        texto = arquivo.Ler(TamanhoMaximoCaso + 1);
    } catch (const ErroAbertura& erro) {
        throw ErroCaso::NaoLido(caminho, FalhaLeitura(erro.codigo, erro.tipo));
    }
    if (texto.size() > TamanhoMaximoCaso)
        Recusar(caminho, Defeito(DefeitoCaso::CresceuAoLer), separador);
    return CasoDeJson(texto, caminho, separador);
}

void GravarCaso(const std::string& caminho, const CasoUsina& caso, const std::string& separador) {
    try {
        VerificarEntradas(caso.entradas, separador);
    } catch (const ErroEntradaImpossivel& erro) {
        throw ErroCaso::NaoGravado(caminho, erro);
    }
    const std::string texto = CasoParaJson(caso);
    try {
        GravacaoAtomica arquivo(caminho);
        arquivo.Escrever(texto.data(), texto.size());
        arquivo.Concluir();
    } catch (const ErroGravacao& erro) {
        throw ErroArquivoNaoGravado(caminho, erro);
    }
}

CasoUsina CasoDosCampos(const Campos& campos, const std::string& separador) {
    CasoUsina caso;
    try {
        caso.entradas = EntradasDosCampos(campos, separador);
    } catch (const ErroEntradaNaoNumerica& e) {
        throw ErroTextoDoCampo(e.campo().nome, e.texto());
    }
    return caso;
}

std::vector<std::pair<std::string, std::string>> TextosDoCaso(const EntradasUsina& entradas,
                                                              const std::string& separador) {
    std::vector<std::pair<std::string, std::string>> textos;
    for (const CampoEntradaUsina& c : CamposEntradaUsina())
        textos.emplace_back(c.nome, TextoEntrada(entradas.*c.membro, separador));
    return textos;
}

ErroCaso ErroTextoDoCampo(const std::string& campo, const std::string& texto) {
    return ErroCaso::TextoNaoNumero(campo, Citado(texto, CaracteresNoAviso));
}
