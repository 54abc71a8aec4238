#include "fuzz/EntradasFuzz.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <bit>
#include <cstring>
#include <exception>
#include <string_view>
#include <vector>

#include "io/CasoUsina.h"
#include "io/LinhasRelatorio.h"
#include "plant/CalculoCampos.h"
#include "plant/CamposMemoria.h"
#include "plant/ErrosPlanta.h"
#include "plant/Numeros.h"
#include "plant/PapeisRotulos.h"
#include "plant/ResultadoUsina.h"
#include "plant/TabelaEntradas.h"
#include "plant/ValidacaoEntradas.h"
#include "properties/Erros.h"

namespace {

// ---------------------------------------------------------------------------
// Number reader
// ---------------------------------------------------------------------------

// The fields' five significant digits: a value and the number its text reads
// back as differ by at most half a unit in the fifth digit, 5e-5 of the
// value. Below the normal range the nearest subnormal may be one step away.
bool DentroDoArredondamento(double original, double relido) {
    const double limite = 5e-5 * std::fabs(original) * (1 + 1e-12) + DBL_TRUE_MIN;
    return std::fabs(relido - original) <= limite;
}

// The number text form: optional spaces, optional '-', one digit, the
// separator, four digits, 'E', sign, at least three exponent digits.
bool FormaDeCampo(const std::string& texto, const std::string& separador) {
    std::size_t i = texto.find_first_not_of(' ');
    if (texto.size() != 15 || i == std::string::npos) return false;
    auto digitos = [&](std::size_t minimo) {
        std::size_t n = 0;
        while (i < texto.size() && texto[i] >= '0' && texto[i] <= '9') ++i, ++n;
        return n >= minimo;
    };
    if (texto[i] == '-') ++i;
    if (!digitos(1) || texto.compare(i, separador.size(), separador) != 0) return false;
    i += separador.size();
    const std::size_t antes = i;
    if (!digitos(4) || i - antes != 4) return false;
    if (i + 1 >= texto.size() || texto[i] != 'E' || (texto[i + 1] != '+' && texto[i + 1] != '-'))
        return false;
    i += 2;
    return digitos(3) && i == texto.size();
}

// The same text as the C library reads it: the accepted grammar with the
// separator replaced by a point. The fuzzing process never sets a locale, so
// strtod uses the point.
double LidoPelaBibliotecaC(const std::string& texto, const std::string& separador) {
    std::string c = texto;
    const std::size_t s = c.find(separador);
    if (s != std::string::npos) c.replace(s, separador.size(), ".");
    return std::strtod(c.c_str(), nullptr);
}

std::string VerificarNumero(const std::string& texto, const std::string& separador) {
    const std::string onde = " (separador '" + separador + "', texto '" + texto + "')";
    double valor = 0.0;
    try {
        valor = LerNumero(texto, separador);
    } catch (const ErroConversao& e) {
        // what() is a C string: a text with a NUL byte shows up to the NUL.
        const std::string esperada = "'" + texto + "' is not a valid floating point value";
        if (e.what() != esperada.substr(0, esperada.find('\0')))
            return "mensagem de conversão inesperada: " + std::string(e.what()) + onde;
        return "";
    } catch (const std::exception& e) {
        return "exceção fora das do sistema ao ler: " + std::string(e.what()) + onde;
    }
    if (!std::isfinite(valor)) return "valor lido não finito" + onde;
    const double c = LidoPelaBibliotecaC(texto, separador);
    if (!(c == valor) || std::signbit(c) != std::signbit(valor))
        return "valor difere do da biblioteca C" + onde;

    const std::string campo = FormatarCampo(valor, separador);
    if (!FormaDeCampo(campo, separador)) return "campo fora da forma: '" + campo + "'" + onde;
    double relido = 0.0;
    try {
        relido = LerNumero(campo, separador);
    } catch (const ErroConversao&) {
        // Five digits round the very largest doubles up to 1,7977E+308,
        // beyond the range a text may name. Any other value must read back.
        if (std::fabs(valor) >= 1.79765e308) return "";
        return "campo não relido: '" + campo + "'" + onde;
    }
    if (!DentroDoArredondamento(valor, relido))
        return "campo relido longe do valor: '" + campo + "'" + onde;
    // The text already has five digits: a second round changes nothing.
    const std::string denovo = FormatarCampo(relido, separador);
    if (denovo != campo) return "segunda volta mudou '" + campo + "' para '" + denovo + "'" + onde;
    return "";
}

// ---------------------------------------------------------------------------
// Plant run
// ---------------------------------------------------------------------------

enum Opcao : unsigned {
    ComTurbinaAlta = 1,
    SeparadorPonto = 2,
    DadosPersistentes = 4,
    SegundaExecucao = 8,
    AlternarCheckBox = 16,
};

// The high-pressure turbine's result fields, blank without that turbine.
const char* const PainelAlta[] = {"Ep1t", "Et1t",   "Em2",  "Ep2",   "Et2",
                                  "Eefi12", "Ew12", "Eirr12", "Ee2l12"};

bool NoPainelAlta(const std::string& nome) {
    for (const char* p : PainelAlta)
        if (nome == p) return true;
    return false;
}

// The numeric input fields, in panel order (the file names are not inputs of
// the calculation).
const std::vector<std::string>& CamposNumericos() {
    static const std::vector<std::string> nomes = [] {
        std::vector<std::string> n;
        for (const CampoEntradaUsina& c : CamposEntradaUsina()) n.push_back(c.nome);
        return n;
    }();
    return nomes;
}

bool ComecaCom(const std::string& s, std::string_view prefixo) {
    return s.size() >= prefixo.size() && s.compare(0, prefixo.size(), prefixo) == 0;
}

// A number in a message: written by the property package with a decimal
// comma, possibly with an exponent.
bool NumeroDeMensagem(const std::string& texto) {
    try {
        return std::isfinite(LerNumero(texto, ","));
    } catch (const ErroConversao&) {
        return false;
    }
}

// Whether the message is one of the system's errors; for a text that is not
// a number, the text must be that of an input field as it stands.
bool MensagemConhecida(const std::string& m, const CamposMemoria& campos) {
    for (const char* fixa : {"Floating point division by zero", "Invalid floating point operation",
                             "Floating point overflow",
                             "Sistema de equações singular no cálculo das propriedades da água"})
        if (m == fixa) return true;
    for (const std::string_view prefixo :
         {std::string_view("Pressão fora da faixa das propriedades da água (0,0006109 a 19 MPa): "),
          std::string_view("Título fora do intervalo de 0 a 1: ")})
        if (ComecaCom(m, prefixo)) return NumeroDeMensagem(m.substr(prefixo.size()));
    const std::string_view modo = "Modo de cálculo das propriedades da água inválido: ";
    if (ComecaCom(m, modo)) {
        const std::string resto = m.substr(modo.size());
        return !resto.empty() && resto.find_first_not_of("-0123456789") == std::string::npos;
    }
    for (const std::string& nome : CamposNumericos()) {
        // what() is a C string: a text with a NUL byte shows up to the NUL.
        const std::string esperada = "'" + campos.Texto(nome) + "' is not a valid floating point value";
        if (m == esperada.substr(0, esperada.find('\0'))) return true;
    }
    return false;
}

// Every figure of the plant data; any non-finite one is named.
std::string FiguraNaoFinita(const DadosUsina& d) {
    for (int i = 0; i <= NumeroRotulos; ++i) {
        for (int k = 0; k <= 10; ++k)
            if (!std::isfinite(Slot(d.Estado[i], k)))
                return "Estado[" + std::to_string(i) + "] posição " + std::to_string(k);
        const std::pair<const char*, const PorRotulo*> tabelas[] = {
            {"Eficiencia", &d.Eficiencia},
            {"Potencia", &d.Potencia},
            {"Vazao", &d.Vazao},
            {"Irreversibilidade", &d.Irreversibilidade},
            {"EficienciaSegundaLei", &d.EficienciaSegundaLei}};
        for (const auto& [nome, tabela] : tabelas)
            if (!std::isfinite((*tabela)[i])) return std::string(nome) + "[" + std::to_string(i) + "]";
    }
    const std::pair<const char*, double> escalares[] = {
        {"CapacidadeUsina", d.CapacidadeUsina},
        {"BagacoDisponivel", d.BagacoDisponivel},
        {"PciBagaco", d.PciBagaco},
        {"VaporPorTonelada", d.VaporPorTonelada},
        {"BagacoPorTonelada", d.BagacoPorTonelada},
        {"PotenciaMoagemEspecifica", d.PotenciaMoagemEspecifica},
        {"PercentualValvula", d.PercentualValvula},
        {"ProducaoVapor", d.ProducaoVapor},
        {"ConsumoCombustivel", d.ConsumoCombustivel},
        {"VariacaoEntalpiaProcesso", d.VariacaoEntalpiaProcesso},
        {"IrreversibilidadeProcesso", d.IrreversibilidadeProcesso},
        {"IrreversibilidadeValvula", d.IrreversibilidadeValvula}};
    for (const auto& [nome, valor] : escalares)
        if (!std::isfinite(valor)) return nome;
    return "";
}

// The report the user may ask for right after the run: refused unless the
// run finished, and then whole.
std::string VerificarRelatorio(const ResultadoUsina& resultado, bool comTurbinaAlta,
                               const std::string& separador) {
    if (resultado.situacao != SituacaoCalculo::Completo) {
        try {
            ExigirResultadoCompleto(resultado);
        } catch (const ErroResultadoIncompleto&) {
            return "";
        }
        return "relatório aceito de um cálculo que não terminou";
    }
    std::vector<std::string> linhas;
    try {
        linhas = LinhasRelatorio(resultado, comTurbinaAlta, separador);
    } catch (const std::exception& e) {
        return "relatório de um cálculo completo falhou: " + std::string(e.what());
    }
    if (linhas.size() != (comTurbinaAlta ? 153u : 145u))
        return "relatório com " + std::to_string(linhas.size()) + " linhas";
    for (const std::string& l : linhas)
        if (l.find("NAN") != std::string::npos || l.find("INF") != std::string::npos)
            return "relatório com valor não finito: " + l;
    return "";
}

// A warning's text: its kind's sentence with its number written plainly
// (digits, the separator, two decimals; no exponent, no "nan" or "inf"), a
// number that fits the kind (a shortfall not negative, a wet quality below
// 1), and a label that exists. A balance that does not close is a fault of
// the calculation itself, unless some state did not converge.
std::string VerificarAviso(const AvisoUsina& aviso, const std::string& separador,
                           bool naoConfiavel) {
    const std::string texto = TextoAviso(aviso, separador);
    if (!std::isfinite(aviso.quantidade)) return "aviso com quantidade não finita: " + texto;
    std::string numero = NumeroAvisoPonto(aviso);
    if (!numero.empty() && numero[0] == '-') numero.erase(0, 1);
    const std::size_t ponto = numero.find('.');
    const bool legivel = numero.find_first_not_of("0123456789.") == std::string::npos &&
                         (ponto == std::string::npos ? !numero.empty()
                                                     : ponto > 0 && numero.size() == ponto + 3);
    if (!legivel) return "aviso com quantidade ilegível: " + texto;
    switch (aviso.tipo) {
    case TipoAviso::VaporInsuficiente:
        // A shortfall below 0,005 t/h shows as 0,00.
        if (!(aviso.quantidade >= 0.0)) return "falta de vapor negativa: " + texto;
        break;
    case TipoAviso::ColetorUmido:
    case TipoAviso::ProcessoUmido:
        if (!(aviso.quantidade < 1.0)) return "título úmido não abaixo de 1: " + texto;
        break;
    case TipoAviso::EscapeUmido:
        if (!(aviso.quantidade < QualidadeMinimaEscape)) return "escape acima do mínimo: " + texto;
        break;
    case TipoAviso::NaoConvergiu:
        if (aviso.rotulo < 1 || aviso.rotulo > NumeroRotulos) return "rótulo inexistente: " + texto;
        break;
    case TipoAviso::BalancoNaoFecha:
        if (!naoConfiavel) return "balanço não fecha numa execução que convergiu: " + texto;
        break;
    case TipoAviso::PressaoLimitada:
    case TipoAviso::TemperaturaLimitada:
        break;
    case TipoAviso::ImportaEnergia:
    case TipoAviso::FaltaBagaco:
        // Energy bought and bagasse missing are said as amounts, never negative.
        if (!(aviso.quantidade >= 0.0)) return "falta da safra negativa: " + texto;
        break;
    }
    return "";
}

// A refusal names a plant input by its caption as the window shows it.
bool RecusaConhecida(const ErroEntradaImpossivel& e) {
    const CampoEntradaUsina* campo = BuscarCampoEntrada(e.campo());
    return campo != nullptr &&
           ComecaCom(e.what(), "Valor impossível em \"" + std::string(campo->legenda) + "\": ");
}

// Inputs that passed the checks describe a working plant: no machine
// destroys negative exergy or beats the second law, except the medium-pressure
// turbine when the steam it is left with is negative (a shortfall, warned of).
// Without the high-pressure turbine its figures are those an earlier run left.
std::string VerificarFisica(const DadosUsina& d, bool comTurbinaAlta) {
    namespace R = Rotulo;
    const bool faltaVapor = d.Vazao[R::EntradaTurbinaMedia] < 0.0;
    for (const int eixo : {R::EixoBomba, R::EixoTurbinaAlta, R::EixoTurbinaBomba,
                           R::EixoTurbinaMoenda, R::EixoTurbinaMedia}) {
        if (eixo == R::EixoTurbinaMedia && faltaVapor) continue;
        if (eixo == R::EixoTurbinaAlta && !comTurbinaAlta) continue;
        const double folga = 1e-9 * (1.0 + std::fabs(d.Potencia[eixo]));
        if (d.Irreversibilidade[eixo] < -folga)
            return "irreversibilidade negativa no eixo " + std::to_string(eixo);
        if (d.EficienciaSegundaLei[eixo] > 100.0 + 1e-9)
            return "eficiência de segunda lei acima de 100 % no eixo " + std::to_string(eixo);
    }
    return "";
}

std::string Executar(CamposMemoria& campos, ResultadoUsina& resultado,
                     const std::string& separador) {
    campos.LimparEscritos();
    bool concluiu = false;
    bool recusou = false;
    try {
        CalcularUsinaNosCampos(campos, resultado, separador);
        concluiu = true;
    } catch (const ErroEntradaImpossivel& e) {
        if (!RecusaConhecida(e)) return "recusa sem a legenda do campo: " + std::string(e.what());
        recusou = true;
    } catch (const ErroUsina& e) {
        if (!MensagemConhecida(e.what(), campos))
            return "mensagem de erro desconhecida: " + std::string(e.what());
    } catch (const std::exception& e) {
        return "exceção fora das do sistema: " + std::string(e.what());
    }
    const SituacaoCalculo esperada = concluiu  ? SituacaoCalculo::Completo
                                     : recusou ? SituacaoCalculo::Recusado
                                               : SituacaoCalculo::Interrompido;
    if (resultado.situacao != esperada) return "situação do cálculo não corresponde ao fim da execução";
    if (recusou && !campos.CamposEscritos().empty())
        return "entrada recusada, mas o campo " + campos.CamposEscritos().front() + " foi escrito";

    const bool comTurbina = campos.CheckBox1Marcado();
    for (const std::string& nome : campos.CamposEscritos()) {
        const std::string texto = campos.Texto(nome);
        if (texto == " ") {
            if (!NoPainelAlta(nome)) return "campo " + nome + " em branco";
            if (concluiu && comTurbina) return "campo " + nome + " em branco com a turbina de alta";
            continue;
        }
        if (concluiu && !comTurbina && NoPainelAlta(nome))
            return "campo " + nome + " não ficou em branco sem a turbina de alta";
        try {
            LerNumero(texto, separador);
        } catch (const ErroConversao&) {
            // Only a value rounded up past the largest double (see
            // ExercitarNumero) may be shown in a form that cannot be read.
            const std::size_t i = texto.find_first_not_of(' ');
            const std::string t = i == std::string::npos ? texto : texto.substr(i);
            const std::string maximo = "1" + separador + "7977E+308";
            if (t != maximo && t != "-" + maximo) return "campo " + nome + " ilegível: '" + texto + "'";
        }
    }
    // A run whose states did not all converge says so; its numbers may mean
    // nothing, and the physics is checked on every other finished run.
    const bool naoConfiavel = ResultadoNaoConfiavel(resultado.avisos);
    if (concluiu) {
        if (campos.Visivel("Epstap") != comTurbina || campos.Visivel("Eefitap") != comTurbina)
            return "visibilidade do painel de alta não segue CheckBox1";
        if (!naoConfiavel) {
            const std::string fisica = VerificarFisica(resultado.dados, comTurbina);
            if (!fisica.empty()) return fisica;
        }
    }
    // Warnings are shown whether or not the run went on to the end.
    for (const AvisoUsina& aviso : resultado.avisos) {
        const std::string falha = VerificarAviso(aviso, separador, naoConfiavel);
        if (!falha.empty()) return falha;
    }
    const std::string figura = FiguraNaoFinita(resultado.dados);
    if (!figura.empty()) return "dado não finito: " + figura;
    return VerificarRelatorio(resultado, comTurbina, separador);
}

// ---------------------------------------------------------------------------
// Case file
// ---------------------------------------------------------------------------

bool Utf8Valido(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3
                                     : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (n == 0 || i + n > s.size() || (n == 2 && c < 0xC2)) return false;
        std::uint32_t cp = n == 1 ? c : c & (0x7Fu >> n);
        for (std::size_t k = 1; k < n; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if ((b & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (b & 0x3Fu);
        }
        if ((n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000) || cp > 0x10FFFF ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n;
    }
    return true;
}

// The inputs of two cases, field by field, as bits.
std::string DiferencaEntradas(const EntradasUsina& a, const EntradasUsina& b) {
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        if (std::bit_cast<std::uint64_t>(a.*c.membro) != std::bit_cast<std::uint64_t>(b.*c.membro))
            return c.nome;
    }
    return a.comTurbinaAlta == b.comTurbinaAlta ? "" : "com_turbina_alta";
}

std::string VerificarCaso(const std::string& texto) {
    const std::string nome = "fuzz.usina";
    CasoLido lido;
    try {
        lido = CasoDeJson(texto, nome);
    } catch (const ErroCaso& e) {
        const std::string m = e.what();
        if (!ComecaCom(m, "O arquivo \"fuzz.usina\" não é um caso válido: "))
            return "mensagem sem o nome do arquivo: " + m;
        if (!Utf8Valido(m)) return "mensagem fora de UTF-8: " + m;
        return "";
    } catch (const std::exception& e) {
        return "exceção fora de ErroCaso ao ler: " + std::string(e.what());
    }

    const EntradasUsina& e = lido.caso.entradas;
    for (const CampoEntradaUsina& c : CamposEntradaUsina())
        if (!std::isfinite(e.*c.membro)) return std::string("entrada não finita aceita: ") + c.nome;
    try {
        ValidarEntradas(ComLimites(e), ",");
    } catch (const std::exception& erro) {
        return "caso aceito que as verificações recusam: " + std::string(erro.what());
    }
    if (lido.avisos.size() > 21) return "avisos demais: " + std::to_string(lido.avisos.size());
    for (const std::string& aviso : lido.avisos)
        if (!Utf8Valido(aviso)) return "aviso fora de UTF-8: " + aviso;

    CasoLido relido;
    try {
        relido = CasoDeJson(CasoParaJson(lido.caso), nome);
    } catch (const std::exception& erro) {
        return "caso gravado não relido: " + std::string(erro.what());
    }
    const std::string campo = DiferencaEntradas(relido.caso.entradas, e);
    if (!campo.empty()) return "ida e volta mudou " + campo;
    if (relido.caso.descricao != lido.caso.descricao) return "ida e volta mudou a descrição";
    if (!relido.avisos.empty()) return "caso gravado com aviso: " + relido.avisos[0];
    return "";
}

}  // namespace

std::string ExercitarNumero(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string texto(reinterpret_cast<const char*>(dados), tamanho);
    for (const char* separador : {",", "."}) {
        const std::string falha = VerificarNumero(texto, separador);
        if (!falha.empty()) return falha;
    }
    return "";
}

std::string ExercitarUsina(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho == 0) return "";
    const unsigned opcoes = dados[0];
    const std::string separador = (opcoes & SeparadorPonto) ? "." : ",";

    CamposMemoria campos(separador);
    campos.DefinirCheckBox1((opcoes & ComTurbinaAlta) != 0);
    const std::string entrada(reinterpret_cast<const char*>(dados), tamanho);
    std::size_t inicio = entrada.find('\n');
    for (const std::string& nome : CamposNumericos()) {
        if (inicio == std::string::npos) break;
        ++inicio;
        const std::size_t fim = entrada.find('\n', inicio);
        const std::string texto =
            entrada.substr(inicio, fim == std::string::npos ? std::string::npos : fim - inicio);
        if (!texto.empty()) campos.DefinirEntrada(nome, texto);
        inicio = fim;
    }

    // The window keeps one result from run to run for the program's life.
    static ResultadoUsina persistente;
    ResultadoUsina nova;
    ResultadoUsina& plantaDados = (opcoes & DadosPersistentes) ? persistente : nova;
    std::string falha = Executar(campos, plantaDados, separador);
    if (falha.empty() && (opcoes & SegundaExecucao)) {
        if (opcoes & AlternarCheckBox) campos.DefinirCheckBox1(!campos.CheckBox1Marcado());
        falha = Executar(campos, plantaDados, separador);
        if (!falha.empty()) falha = "segunda execução: " + falha;
    }
    return falha;
}

std::string ExercitarCaso(const std::uint8_t* dados, std::size_t tamanho) {
    return VerificarCaso(std::string(reinterpret_cast<const char*>(dados), tamanho));
}
