// The calculation core's messages (refused inputs, sweeps, case files, the
// water properties) in the window's language. An error that carries its
// kind and values (a refused input) is composed from them, sentence by
// sentence, in the window's language. The others the core composes in
// Portuguese from fixed sentences and variable parts: a field's caption, a
// number, a file name, a reason that is itself a sentence. Each sentence is
// kept here as a pattern with %1, %2...; a message that matches one comes
// back in English with its parts translated the same way (captions through
// TraduzirNucleo). A message that matches none is shown as it is.
#pragma once

#include <QString>
#include <exception>
#include <vector>

#include "plant/ResultadoUsina.h"

class ErroEntradaImpossivel;

// An error as it was thrown, in the window's language (before
// MensagemComPonto); in Portuguese its own message. Anything that is not a
// std::exception is "Unknown error".
QString TextoErroTraduzido(const std::exception& erro);
QString TextoErroTraduzido(const std::exception_ptr& erro);
// A refused input from its reason, value and limit.
QString TextoRecusaTraduzido(const ErroEntradaImpossivel& erro);
// The error a sweep point or a compared case keeps: composed from the error
// as thrown when that is a refused input, else mensagem (the core's text,
// with its full stop) translated.
QString TextoFalhaTraduzido(const std::exception_ptr& falha, const std::string& mensagem);

// mensagem as the core wrote it (before MensagemComPonto); unchanged while
// the window is in Portuguese.
QString TraduzirMensagem(const QString& mensagem);

// How a sweep point and the window's warning line join a run's warnings.
inline constexpr const char* SeparadorAvisos = "  ";

// A run's warnings joined by SeparadorAvisos, each translated on its own.
QString TraduzirAvisos(const QString& avisos);
// A run's typed warnings joined the same way, each composed in the
// window's language; numbers with separador.
QString TextoAvisosTraduzidos(const std::vector<AvisoUsina>& avisos, const std::string& separador);
