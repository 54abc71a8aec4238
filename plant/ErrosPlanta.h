// Errors of the plant calculation beyond those of the property package: an
// input refused before anything is computed, a request for results that do
// not exist, a sweep that cannot run. Each keeps what its message says (a
// reason, a field, a number), so that a front end can say it in its own
// language; the message is the Portuguese sentence composed from them.
#pragma once

#include <cstdint>
#include <string>

#include "properties/Erros.h"

// What an input that makes no physical sense breaks: its own rule, or its
// relation to another input. Outro: a refusal worded only in its message.
enum class MotivoRecusa {
    Outro,
    NaoFinito,            // any field
    NaoPositivo,          // greater than zero
    Negativo,             // zero or more
    Eficiencia,           // greater than 0, at most 100 %
    Percentual,           // 0 to 100 %
    FaixaPressao,         // within the property range (bar)
    PressaoCaldeira,      // below the boiler pressure, limite (bar)
    PressaoColetor,       // below the high-pressure turbine's outlet pressure, limite (bar)
    SaturacaoCaldeira,    // above saturation at the boiler pressure, limite (degC)
    SaturacaoCondensado,  // below saturation at the condensate pressure, limite (degC)
    Congelamento,         // 0 degC or more
    DiasSafra,            // greater than 0, at most limite (days of a season)
    // A case file's value that is not finite in a field the checks skip (the
    // high-pressure turbine's without it): said without the value.
    NaoFinitoNoArquivo,
};

// An input that makes no physical sense. The message names the field by its
// caption as the window shows it and says what is allowed; the reason, the
// value and the limit it broke are kept too, so that a front end can say it
// in its own language.
class ErroEntradaImpossivel : public ErroUsina {
public:
    ErroEntradaImpossivel(std::string campo, const std::string& mensagem)
        : ErroUsina(mensagem), campo_(std::move(campo)) {}
    ErroEntradaImpossivel(std::string campo, const std::string& mensagem, MotivoRecusa motivo,
                          double valor, double limite, std::string separador)
        : ErroUsina(mensagem),
          campo_(std::move(campo)),
          motivo_(motivo),
          valor_(valor),
          limite_(limite),
          separador_(std::move(separador)) {}
    // Component name of the field, e.g. "Eefitap".
    const std::string& campo() const { return campo_; }
    MotivoRecusa motivo() const { return motivo_; }
    double valor() const { return valor_; }    // as the check read it
    double limite() const { return limite_; }  // the other input's figure, where there is one
    // The decimal separator the message's numbers were written with.
    const std::string& separador() const { return separador_; }

private:
    std::string campo_;
    MotivoRecusa motivo_ = MotivoRecusa::Outro;
    double valor_ = 0.0;
    double limite_ = 0.0;
    std::string separador_;
};

// Why there are no results to write. Outra: a front end's own sentence.
enum class FaltaResultado { Outra, SemCalculo, NaoTerminou };

// The last run did not finish, or there was none: there is nothing to write.
class ErroResultadoIncompleto : public ErroUsina {
public:
    // A sentence of the front end's own, already in its language.
    explicit ErroResultadoIncompleto(const std::string& mensagem) : ErroUsina(mensagem) {}
    explicit ErroResultadoIncompleto(FaltaResultado falta);
    FaltaResultado falta() const { return falta_; }

private:
    FaltaResultado falta_ = FaltaResultado::Outra;
};

// Why a sweep cannot run, with what campo and quantidade hold. Outro: a
// front end's own sentence.
enum class MotivoVarredura {
    Outro,
    NumeroDeEixos,        // quantidade: the axes asked for (not one or two)
    EntradaDesconhecida,  // campo: the name asked for
    EntradaRepetida,      // campo: an input swept twice
    SoComTurbinaAlta,     // campo: a high-pressure turbine's input, without the turbine
    PassaDoLimite,        // campo: a plant input whose range passes its reading limit
    PontosDemais,         // quantidade: MaximoPontosVarredura
    SaidaDesconhecida,    // campo: the name asked for
    SaidaRepetida,        // campo: an output asked for twice
    PoucosPontos,         // campo, quantidade: the points asked for (fewer than two)
    FaixaNaoFinita,       // campo: an end of the range is not finite
    ValoresNaoFinitos,    // campo: a value of the range overflows
    PontosDaConfiguracao, // campo: the configuration axis, not the two points 1 and 0
};

// A sweep that cannot run: an unknown input or output name, too few points,
// a range that is not finite. Raised before any point is calculated.
class ErroVarredura : public ErroUsina {
public:
    // A sentence of the front end's own, already in its language.
    explicit ErroVarredura(const std::string& mensagem) : ErroUsina(mensagem) {}
    ErroVarredura(MotivoVarredura motivo, std::string campo, std::int64_t quantidade = 0);
    MotivoVarredura motivo() const { return motivo_; }
    const std::string& campo() const { return campo_; }  // "Etscal", "Epotele"...
    std::int64_t quantidade() const { return quantidade_; }

private:
    MotivoVarredura motivo_ = MotivoVarredura::Outro;
    std::string campo_;
    std::int64_t quantidade_ = 0;
};
