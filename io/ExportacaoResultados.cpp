#include "io/ExportacaoResultados.h"

#include <cmath>

#include <nlohmann/json.hpp>

#include "io/LocaleNeutro.h"
#include "plant/Numeros.h"
#include "plant/SafraUsina.h"
#include "plant/TabelaCorrentes.h"
#include "plant/TabelaSafra.h"
#include "plant/TabelaSaidas.h"

namespace {

using Json = nlohmann::ordered_json;

// ---------------------------------------------------------------------------
// CSV
// ---------------------------------------------------------------------------

// Where the decimal mark is a comma, the delimiter is a semicolon.
struct FormatoCsv {
    char delimitador;
    std::string decimal;
};

FormatoCsv Formato(const std::string& separadorDecimal) {
    return {DelimitadorCsv(separadorDecimal), separadorDecimal == "," ? "," : "."};
}

std::string NumeroCsv(double valor, const FormatoCsv& formato) {
    if (!std::isfinite(valor)) return "";  // an empty cell, never "inf" or "nan"
    return TextoExato(valor, formato.decimal);
}

std::string Linha(const std::vector<std::string>& celulas, const FormatoCsv& formato) {
    return LinhaCsv(celulas, formato.delimitador);
}

// Names, with their units, of the stream table's columns.
std::vector<std::string> CabecalhoCorrentes(CabecalhoPressao pressao) {
    std::vector<std::string> cabecalho = {
        "Rótulo",          "Descrição",        "Vazão [kg/s]",
        "Pressão [bar]",   "Temperatura [°C]", "Volume específico [m³/kg]",
        "Entalpia [kJ/kg]", "Entropia [kJ/(kg K)]", "Exergia [kJ/kg]",
        "Título"};
    if (pressao == CabecalhoPressao::BarAbsoluto) cabecalho[3] = "Pressão [bar (abs.)]";
    return cabecalho;
}

}  // namespace

char DelimitadorCsv(const std::string& separadorDecimal) {
    return separadorDecimal == "," ? ';' : ',';
}

std::string LinhaCsv(const std::vector<std::string>& celulas, char delimitador) {
    std::string linha;
    for (std::size_t i = 0; i < celulas.size(); ++i) {
        if (i > 0) linha += delimitador;
        linha += CampoCsv(celulas[i], delimitador);
    }
    return linha + "\r\n";
}

std::string CampoCsv(std::string_view texto, char delimitador) {
    const char especiais[] = {delimitador, '"', '\r', '\n', '\0'};
    if (texto.find_first_of(especiais) == std::string_view::npos) return std::string(texto);
    std::string campo = "\"";
    for (char c : texto) {
        if (c == '"') campo += '"';
        campo += c;
    }
    return campo + "\"";
}

std::string CorrentesCsv(const ResultadoUsina& resultado, const std::string& separadorDecimal,
                         CabecalhoPressao pressao) {
    ExigirResultadoCompleto(resultado);
    const FormatoCsv formato = Formato(separadorDecimal);
    std::string csv = Linha(CabecalhoCorrentes(pressao), formato);
    for (const LinhaCorrente& l : TabelaCorrentes(resultado)) {
        std::vector<std::string> celulas = {std::to_string(l.rotulo), l.descricao};
        for (double v : {l.vazao, l.pressao, l.temperatura, l.volume, l.entalpia, l.entropia,
                         l.exergia, l.titulo})
            celulas.push_back(NumeroCsv(v, formato));
        csv += Linha(celulas, formato);
    }
    return csv;
}

std::string ResultadosCsv(const ResultadoUsina& resultado, const std::string& separadorDecimal,
                          CabecalhoPressao pressao) {
    const FormatoCsv formato = Formato(separadorDecimal);
    std::string csv = CorrentesCsv(resultado, separadorDecimal, pressao) + "\r\n";
    csv += Linha({"Resultado global", "Valor", "Unidade"}, formato);
    for (const LinhaResultadoGlobal& g : LinhasResultadosGlobais())
        csv += Linha({g.nome, NumeroCsv(resultado.globais.*g.valor, formato), g.unidade}, formato);
    // A run of the other package says so, as a case file does; without the
    // row the states are the 1969 equation's.
    if (resultado.formulacao != Formulacao::Kkhm1969)
        csv += Linha({"Propriedades da água", Pacote(resultado.formulacao).codigo, ""}, formato);
    if (resultado.safra) csv += "\r\n" + SafraCsv(resultado, separadorDecimal);
    return csv;
}

std::string SafraCsv(const ResultadoUsina& resultado, const std::string& separadorDecimal) {
    ExigirResultadoCompleto(resultado);
    if (!resultado.safra) return "";
    const FormatoCsv formato = Formato(separadorDecimal);
    std::string csv = Linha({"Resultado da safra", "Valor", "Unidade"}, formato);
    for (const CampoSaidaSafra& c : CamposSaidaSafra())
        csv += Linha({c.legenda, NumeroCsv((*resultado.safra).*c.membro, formato), c.unidade},
                     formato);
    return csv;
}

std::string ResultadosJson(const std::vector<std::pair<std::string, double>>& entradas,
                           bool comTurbinaAlta, const ResultadoUsina& resultado,
                           const std::vector<CampoEscrito>& campos,
                           const std::string& separador) {
    LocaleNeutro neutro;
    Json j = Json::object();
    Json& lidas = j["entradas"] = Json::object();
    for (const auto& [nome, valor] : entradas) lidas[nome] = valor;
    j["com_turbina_alta"] = comTurbinaAlta;
    j["propriedades"] = Pacote(resultado.formulacao).codigo;

    Json& resultados = j["resultados"] = Json::object();
    Json naoFisicos = Json::array();
    const bool completo = resultado.situacao == SituacaoCalculo::Completo;
    for (const auto& [nome, texto] : campos) {
        const CampoSaida* campo = BuscarCampoSaida(nome);
        if (campo == nullptr) continue;  // an input rewritten by the run
        if (campo->etapa == EtapaCalculo::TurbinaAlta && !comTurbinaAlta) continue;  // blank panel
        if (completo && SaidaNaoFisica(*campo, resultado)) {
            // Not a figure of a real machine: null here, named below; the
            // field's text is still in "campos".
            resultados[nome] = nullptr;
            naoFisicos.push_back(nome);
            continue;
        }
        resultados[nome] = ValorExibido(*campo, resultado);
    }
    if (!naoFisicos.empty()) j["nao_fisicos"] = std::move(naoFisicos);

    Json& estados = j["estados"] = Json::array();
    if (resultado.situacao == SituacaoCalculo::Completo) {
        for (const LinhaCorrente& l : TabelaCorrentes(resultado)) {
            Json e = Json::object();
            e["rotulo"] = l.rotulo;
            e["vazao_kg_s"] = l.vazao;
            e["p_bar"] = l.pressao;
            e["t_C"] = l.temperatura;
            e["v_m3_kg"] = l.volume;
            e["h_kJ_kg"] = l.entalpia;
            e["s_kJ_kgK"] = l.entropia;
            e["ex_kJ_kg"] = l.exergia;
            e["titulo"] = l.titulo;
            estados.push_back(std::move(e));
        }
    }

    if (completo) {
        const BalancosUsina& b = resultado.balancos;
        Json& balancos = j["balancos"] = Json::object();
        balancos["massa_coletor_kg_s"] = b.massaColetor;
        balancos["massa_misturador_kg_s"] = b.massaMisturador;
        balancos["energia_coletor_kW"] = b.energiaColetor;
        balancos["energia_usina_kW"] = b.energiaUsina;
        balancos["calor_caldeira_kW"] = b.calorCaldeira;
    }
    if (completo && resultado.safra) {
        Json& safra = j["safra"] = Json::object();
        for (const CampoSaidaSafra& c : CamposSaidaSafra()) safra[c.nome] = (*resultado.safra).*c.membro;
    }

    // The season's warnings go with its figures, after the run's.
    Json& avisos = j["avisos"] = Json::array();
    for (const AvisoUsina& aviso : AvisosComSafra(resultado))
        avisos.push_back(TextoAviso(aviso, separador));

    Json& textos = j["campos"] = Json::object();
    for (const auto& [nome, texto] : campos) textos[nome] = texto;

    return j.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}
