// The checks that refuse inputs making no physical sense before anything is
// computed: ranges of each field, pressures falling in the direction the
// steam flows, superheated live steam and liquid condensate.
#pragma once

#include <string>
#include <vector>

#include "plant/EntradasUsina.h"
#include "plant/ErrosPlanta.h"

struct CampoEntradaUsina;

// The inputs with the limits the reading of the fields applies: a boiler
// pressure above 190 bar becomes 190 bar, an outlet temperature above
// 1300 degC becomes 1300 degC.
EntradasUsina ComLimites(EntradasUsina entradas);

// Throws ErroEntradaImpossivel for the first input that makes no sense, in
// the order of the input panels, then the relations between them; fields of
// the high-pressure turbine only with that turbine; then the season's
// inputs (ValidacaoSafra.h). The message names the
// field by its caption and says what is allowed; numbers in it use
// separador. Expects the limits already applied.
void ValidarEntradas(const EntradasUsina& entradas, const std::string& separador);

// A refusal's reason as its message says it, in Portuguese with its numbers
// as %1 and %2 ("Deve ser menor que a pressão de operação da caldeira, %1
// bar"), and those numbers as the message writes them, with separador. A
// front end translates the first and puts the second in: the same sentence
// in its own language. Empty for MotivoRecusa::Outro.
const char* ModeloMotivoRecusa(MotivoRecusa motivo);
std::vector<std::string> NumerosMotivoRecusa(MotivoRecusa motivo, double limite,
                                             const std::string& separador);
// The value a refusal names, as its message writes it.
std::string NumeroRecusado(double valor, const std::string& separador);

// The refusal of valor in the field nome, captioned legenda, for motivo:
// "Valor impossível em "<legenda>": <valor>. <reason>." (for
// NaoFinitoNoArquivo "Valor impossível em "<legenda>": não é um número
// finito."), numbers with separador, and the values kept.
ErroEntradaImpossivel RecusaEntrada(const char* nome, const char* legenda, double valor,
                                    MotivoRecusa motivo, double limite,
                                    const std::string& separador);

// What the checks allow in a field, as one Portuguese sentence for its
// tooltip: the field's own range, its relation to other fields and the
// limit its reading applies. Numbers use separador.
std::string FaixaPermitida(const CampoEntradaUsina& campo, const std::string& separador);
