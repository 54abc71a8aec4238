// The calculation core's messages (refused inputs, sweeps, case files, the
// water properties) in the window's language. The core composes them in
// Portuguese from fixed sentences and variable parts: a field's caption, a
// number, a file name, a reason that is itself a sentence. Each sentence is
// kept here as a pattern with %1, %2...; a message that matches one comes
// back in English with its parts translated the same way (captions through
// TraduzirNucleo). A message that matches none is shown as it is.
#pragma once

#include <QString>

// mensagem as the core wrote it (before MensagemComPonto); unchanged while
// the window is in Portuguese.
QString TraduzirMensagem(const QString& mensagem);

// How a sweep point and the window's warning line join a run's warnings.
inline constexpr const char* SeparadorAvisos = "  ";

// A run's warnings joined by SeparadorAvisos, each translated on its own.
QString TraduzirAvisos(const QString& avisos);
