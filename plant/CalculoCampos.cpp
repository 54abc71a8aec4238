#include "plant/CalculoCampos.h"

#include <array>
#include <cstdint>
#include <exception>
#include <map>
#include <vector>

#include "plant/CalculoUsina.h"
#include "plant/EntradasCampos.h"
#include "plant/ErrosPlanta.h"
#include "plant/Numeros.h"
#include "plant/SafraUsina.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSaidas.h"
#include "plant/ValidacaoEntradas.h"
#include "properties/Erros.h"

namespace {

// How one reading of the sequence went when the fields were read ahead.
struct Leitura {
    const LeituraEntrada* leitura;
    double valor = 0.0;     // window units, after the limit
    bool limitado = false;  // the text was above the limit and became the limit's text
};

// Every reading of the run, done ahead on the texts as they stand, without
// writing: the values, which readings the limit replaced, and the first text
// that is not a number (the run must stop there, as if it had read the fields
// one by one).
struct LeituraAntecipada {
    EntradasUsina entradas;
    EntradasUsina digitadas;  // as typed, before the limits
    std::vector<Leitura> leituras;
    std::size_t falha = SIZE_MAX;  // index into leituras of the text that is not a number
    std::exception_ptr erro;
    std::vector<AvisoUsina> avisos;  // a limit applied, once per field

    LeituraAntecipada(const Campos& campos, const std::string& separador) {
        entradas.comTurbinaAlta = campos.CheckBox1Marcado();
        entradas.propriedades = campos.Propriedades();
        digitadas.comTurbinaAlta = entradas.comTurbinaAlta;
        digitadas.propriedades = entradas.propriedades;
        // A limited field is read again from the limit's text, also by a later
        // reading of the same field.
        std::map<std::string, std::string> substituidos;
        leituras.reserve(SequenciaLeitura().size());
        for (const LeituraEntrada& l : SequenciaLeitura()) {
            const CampoEntradaUsina& c = *l.campo;
            if (c.soComTurbinaAlta && !entradas.comTurbinaAlta) continue;
            Leitura lida{&l};
            const auto sub = substituidos.find(c.nome);
            const std::string texto = sub != substituidos.end() ? sub->second : campos.Texto(c.nome);
            try {
                lida.valor = LerNumero(texto, separador);
            } catch (const ErroConversao&) {
                falha = leituras.size();
                // The same error and message, naming the field for a front
                // end that says which one it was.
                erro = std::make_exception_ptr(ErroEntradaNaoNumerica(c, texto));
                leituras.push_back(lida);
                return;
            }
            if (sub == substituidos.end()) digitadas.*c.membro = lida.valor;
            if (c.limite != 0.0 && lida.valor / c.divisorLimite > c.limite) {
                const std::string textoLimite = std::string(c.textoLimite) + separador + "0";
                substituidos[c.nome] = textoLimite;
                lida.valor = LerNumero(textoLimite, separador);
                lida.limitado = true;
                avisos.push_back(AvisoLimite(c));
            }
            entradas.*c.membro = lida.valor;
            leituras.push_back(lida);
        }
    }
};

// The output fields of each step, in the table's order (a run writes about a
// hundred fields; the table is not searched for each step).
struct SaidaDaEtapa {
    std::string nome;  // made once, not at every write
    const CampoSaida* campo;
};

const std::vector<SaidaDaEtapa>& SaidasDaEtapa(EtapaCalculo etapa) {
    constexpr auto NumeroEtapas = static_cast<std::size_t>(EtapaCalculo::ResultadosGlobais) + 1;
    static const auto porEtapa = [] {
        std::array<std::vector<SaidaDaEtapa>, NumeroEtapas> p;
        for (const CampoSaida& c : CamposSaida())
            p[static_cast<std::size_t>(c.etapa)].push_back({c.nome, &c});
        return p;
    }();
    return porEtapa[static_cast<std::size_t>(etapa)];
}

// Writes the fields as the steps go: before a step, its inputs rewritten (or
// the stop at a text that is not a number); after it, its panel.
class EscritaCampos : public ObservadorCalculo {
public:
    EscritaCampos(Campos& campos, const LeituraAntecipada& lidas, const std::string& separador)
        : campos_(campos), lidas_(lidas), separador_(separador) {}

    void AntesDaEtapa(EtapaCalculo etapa) override {
        if (etapa == EtapaCalculo::TurbinaAlta) {
            for (const CampoEntradaUsina& c : CamposEntradaUsina())
                if (c.soComTurbinaAlta) campos_.DefinirVisivel(c.nome, lidas_.entradas.comTurbinaAlta);
        }
        // The readings are in the order of the steps: each step takes those
        // of its own from where the previous one stopped.
        for (; proxima_ < lidas_.leituras.size(); ++proxima_) {
            const Leitura& lida = lidas_.leituras[proxima_];
            if (lida.leitura->etapa != etapa) break;
            if (proxima_ == lidas_.falha) std::rethrow_exception(lidas_.erro);
            const CampoEntradaUsina& c = *lida.leitura->campo;
            if (lida.limitado)
                campos_.DefinirTexto(c.nome, std::string(c.textoLimite) + separador_ + "0");
            if (lida.leitura->reescrever) {
                // A pressure is rewritten from the value kept, in MPa, times 10.
                const double valor =
                    c.pressao ? PressaoArmazenada(lida.valor) * BarPorMPa : lida.valor;
                campos_.DefinirTexto(c.nome, FormatarCampo(valor, separador_));
            }
        }
    }

    void DepoisDaEtapa(EtapaCalculo etapa, const ResultadoUsina& resultado) override {
        // Without the high-pressure turbine its panel is left blank.
        const bool emBranco = etapa == EtapaCalculo::TurbinaAlta && !resultado.comTurbinaAlta;
        for (const SaidaDaEtapa& s : SaidasDaEtapa(etapa)) {
            campos_.DefinirTexto(s.nome, emBranco ? std::string(" ")
                                                  : FormatarCampo(ValorExibido(*s.campo, resultado),
                                                                  separador_));
        }
    }

private:
    Campos& campos_;
    const LeituraAntecipada& lidas_;
    const std::string& separador_;
    std::size_t proxima_ = 0;  // next reading to rewrite
};

}  // namespace

EntradasUsina CalcularUsinaNosCampos(Campos& campos, ResultadoUsina& resultado,
                                     const std::string& separador, const EntradasSafra* safra) {
    resultado.situacao = SituacaoCalculo::Interrompido;
    resultado.avisos.clear();
    LeituraAntecipada lidas(campos, separador);
    resultado.formulacao = lidas.entradas.propriedades;
    if (safra != nullptr) lidas.entradas.safra = lidas.digitadas.safra = *safra;
    if (lidas.erro == nullptr) {
        try {
            ValidarEntradas(lidas.entradas, separador);
        } catch (const ErroEntradaImpossivel&) {
            resultado.situacao = SituacaoCalculo::Recusado;
            throw;
        }
    }
    EscritaCampos escrita(campos, lidas, separador);
    ExecutarSequencia(lidas.entradas, resultado, &escrita, lidas.avisos);
    if (safra != nullptr) CompletarSafra(*safra, resultado);
    return lidas.digitadas;
}
