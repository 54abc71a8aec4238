// The case file's errors and warnings (io/ErrosCaso.h) said in a language
// from what they carry: the file, the defect with its position, excerpt,
// key, type or number, the input refused. In Portuguese each is the core's
// own message, byte for byte. The file's own text (names, keys, excerpts)
// is never translated. Context "Mensagens".
#pragma once

#include <QString>

#include "io/ErrosCaso.h"
#include "ui/comum/Idioma.h"

QString TextoErroCasoTraduzido(const ErroCaso& erro, Idioma idioma);

// The reason of a file that is not a valid case (not EntradaRecusada).
QString TextoMotivoCasoTraduzido(const MotivoCaso& motivo, const std::string& separador,
                                 Idioma idioma);

QString TextoAvisoCasoTraduzido(const AvisoCaso& aviso, Idioma idioma);
