// The calculation core's refusals, failures and warnings in the window's
// language. Each error of the core carries its kind and values (a refused
// input, a property failure, a sweep's refusal, missing results, a case
// file's defect, a file that could not be written), and the window composes
// its sentence from them (TextosFalhasJanela, TextosCasoJanela,
// TextosNucleoJanela); nothing is read back from a Portuguese sentence. An
// error that carries no kind is shown as it is: the written calculation's
// own English texts ("'x' is not a valid floating point value", "File
// access denied"), and the window's own sentences, already in its language.
#pragma once

#include <QString>
#include <exception>
#include <string>
#include <vector>

#include "plant/ResultadoUsina.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/TextosCasoJanela.h"
#include "ui/comum/TextosFalhasJanela.h"

// An error as it was thrown, in the window's language or in idioma (before
// MensagemComPonto); in Portuguese the core's own message. Anything that is
// not a std::exception is "Unknown error".
QString TextoErroTraduzido(const std::exception& erro);
QString TextoErroTraduzido(const std::exception& erro, Idioma idioma);
QString TextoErroTraduzido(const std::exception_ptr& erro);

// The error a sweep point or a compared case keeps, with its full stop:
// composed from the error as thrown, or mensagem (the core's text, with its
// full stop) as it is when nothing was kept.
QString TextoFalhaTraduzido(const std::exception_ptr& falha, const std::string& mensagem);

// How a sweep point and the window's warning line join a run's warnings.
inline constexpr const char* SeparadorAvisos = "  ";

// A run's typed warnings joined by SeparadorAvisos, each composed in the
// window's language; numbers with separador.
QString TextoAvisosTraduzidos(const std::vector<AvisoUsina>& avisos, const std::string& separador);
