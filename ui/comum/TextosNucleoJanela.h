// The calculation core's sentences the main window shows, composed in the
// window's language from the core's typed data: what an input accepts (its
// tooltip), the warnings of a run and the statement of a run that did not
// finish. In Portuguese each is exactly the core's own text (FaixaPermitida,
// TextoAviso, TextoSituacao), which the report and usina-calc keep using.
#pragma once

#include <QString>
#include <string>

#include "plant/ResultadoUsina.h"
#include "ui/comum/Idioma.h"

struct CampoEntradaUsina;

// FaixaPermitida(campo, separador) in the window's language, or in idioma
// whatever the window's language is (the manual's pages).
QString FaixaPermitidaTraduzida(const CampoEntradaUsina& campo, const std::string& separador);
QString FaixaPermitidaTraduzida(const CampoEntradaUsina& campo, const std::string& separador,
                                Idioma idioma);

// A unit of the core in the window's language, for the texts that explain a
// figure (tooltips, what's-this, the PDF report): pressures are absolute,
// so "bar" reads "bar (abs.)". Captions keep the unit as written.
QString UnidadeExplicada(const char* unidade);
QString UnidadeExplicada(const char* unidade, Idioma idioma);

// The tooltip of an input field: caption, unit and the values accepted.
QString DicaEntrada(const CampoEntradaUsina& campo, const std::string& separador);

// TextoAviso(aviso, separador) in the window's language.
QString TextoAvisoTraduzido(const AvisoUsina& aviso, const std::string& separador);

// TextoSituacao(situacao) in the window's language; empty when the run
// finished or none was made.
QString TextoSituacaoTraduzida(SituacaoCalculo situacao);
