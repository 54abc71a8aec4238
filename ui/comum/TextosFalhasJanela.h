// The core's refusals and failures said in a language from the kind and
// the values they carry: a refused input, a property evaluation that
// failed, a sweep that cannot run, results that do not exist, a file that
// could not be read or written. In Portuguese each is the core's own
// message, byte for byte; in English the sentence the window's translation
// gives it, with the same numbers, names and file names. The sentences are
// translated in context "Mensagens".
#pragma once

#include <QString>

#include "io/ErrosArquivo.h"
#include "plant/ErrosPlanta.h"
#include "properties/Erros.h"
#include "ui/comum/Idioma.h"

// A refused input from its reason, value and limit; a refusal worded only
// in its message (MotivoRecusa::Outro) is its message.
QString TextoRecusaTraduzido(const ErroEntradaImpossivel& erro, Idioma idioma);

QString TextoFalhaPropriedadesTraduzido(const ErroPropriedades& erro, Idioma idioma);

// A sweep's refusal; one of the front end's own (MotivoVarredura::Outro) is
// its message, already in the window's language.
QString TextoErroVarreduraTraduzido(const ErroVarredura& erro, Idioma idioma);

// The same for results that do not exist (FaltaResultado::Outra).
QString TextoResultadoIncompletoTraduzido(const ErroResultadoIncompleto& erro, Idioma idioma);

// Why a file could not be read or written, for a sentence that names it.
QString TextoFalhaArquivoTraduzido(FalhaArquivo falha, Idioma idioma);

// "Não foi possível gravar o arquivo "<caminho>": <motivo>".
QString TextoArquivoNaoGravadoTraduzido(const ErroArquivoNaoGravado& erro, Idioma idioma);
