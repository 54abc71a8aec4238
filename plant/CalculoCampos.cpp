#include "plant/CalculoCampos.h"

#include <exception>
#include <map>
#include <vector>

#include "plant/CalculoUsina.h"
#include "plant/ErrosPlanta.h"
#include "plant/Numeros.h"
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
    std::vector<Leitura> leituras;
    std::size_t falha = SIZE_MAX;  // index into leituras of the text that is not a number
    std::exception_ptr erro;

    LeituraAntecipada(const Campos& campos, const std::string& separador) {
        entradas.comTurbinaAlta = campos.CheckBox1Marcado();
        // A limited field is read again from the limit's text, also by a later
        // reading of the same field.
        std::map<std::string, std::string> substituidos;
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
                erro = std::current_exception();
                leituras.push_back(lida);
                return;
            }
            if (c.limite != 0.0 && lida.valor / c.divisorLimite > c.limite) {
                const std::string textoLimite = std::string(c.textoLimite) + separador + "0";
                substituidos[c.nome] = textoLimite;
                lida.valor = LerNumero(textoLimite, separador);
                lida.limitado = true;
            }
            entradas.*c.membro = lida.valor;
            leituras.push_back(lida);
        }
    }
};

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
        for (std::size_t i = 0; i < lidas_.leituras.size(); ++i) {
            const Leitura& lida = lidas_.leituras[i];
            if (lida.leitura->etapa != etapa) continue;
            if (i == lidas_.falha) std::rethrow_exception(lidas_.erro);
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
        for (const CampoSaida& c : CamposSaida()) {
            if (c.etapa != etapa) continue;
            campos_.DefinirTexto(c.nome, emBranco ? std::string(" ")
                                                  : FormatarCampo(ValorExibido(c, resultado),
                                                                  separador_));
        }
    }

private:
    Campos& campos_;
    const LeituraAntecipada& lidas_;
    const std::string& separador_;
};

}  // namespace

void CalcularUsinaNosCampos(Campos& campos, ResultadoUsina& resultado,
                            const std::string& separador) {
    resultado.situacao = SituacaoCalculo::Interrompido;
    resultado.avisos.clear();
    const LeituraAntecipada lidas(campos, separador);
    if (lidas.erro == nullptr) {
        try {
            ValidarEntradas(lidas.entradas, separador);
        } catch (const ErroEntradaImpossivel&) {
            resultado.situacao = SituacaoCalculo::Recusado;
            throw;
        }
    }
    EscritaCampos escrita(campos, lidas, separador);
    ExecutarSequencia(lidas.entradas, resultado, &escrita);
}
