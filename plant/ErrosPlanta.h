// Errors of the plant calculation beyond those of the property package: an
// input refused before anything is computed, and a request for results that
// do not exist.
#pragma once

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

// The last run did not finish, or there was none: there is nothing to write.
class ErroResultadoIncompleto : public ErroUsina {
public:
    using ErroUsina::ErroUsina;
};

// A sweep that cannot run: an unknown input or output name, too few points,
// a range that is not finite. Raised before any point is calculated.
class ErroVarredura : public ErroUsina {
public:
    using ErroUsina::ErroUsina;
};
