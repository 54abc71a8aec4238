// A sensitivity, a goal seek or an optimisation that cannot run as asked:
// raised before anything is calculated (or, for the base case of a
// sensitivity, by its own run), with the field it concerns and why, so that
// a front end can say it in its own language.
#pragma once

#include <string>
#include <utility>

#include "properties/Erros.h"

enum class MotivoErroAnalise {
    EntradaDesconhecida,    // campo is neither a plant nor a season input
    SaidaDesconhecida,      // campo is neither a plant output nor a season figure
    EntradaRepetida,        // campo is varied twice
    EntradaNaoUsada,        // campo is read only with the high-pressure turbine, which is off
    SaidaEmBranco,          // campo is an output of the high-pressure turbine, which is off
    FaixaInvalida,          // the range of campo is not finite, or its minimum is not below its maximum
    FaixaAlemDoLimite,      // the range of campo passes the reading limit of the input
    NumeroDeEntradas,       // an optimisation varies 1 to 4 inputs
    GradeGrande,            // an optimisation's grid would pass MaximoPontosVarredura points
    PassoInvalido,          // the step of a sensitivity is not above 0 and below 100 %
    ValorInvalido,          // a target or a constraint's limit is not finite
};

class ErroAnalise : public ErroUsina {
public:
    ErroAnalise(MotivoErroAnalise motivo, std::string campo, const std::string& mensagem)
        : ErroUsina(mensagem), motivo_(motivo), campo_(std::move(campo)) {}
    MotivoErroAnalise motivo() const { return motivo_; }
    // The input or output named, as given; empty where none is.
    const std::string& campo() const { return campo_; }

private:
    MotivoErroAnalise motivo_;
    std::string campo_;
};
