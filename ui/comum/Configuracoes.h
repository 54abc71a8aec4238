// The user's settings (the recent cases, the language) in the file where
// Qt keeps the program's settings: ~/.config/<organisation>/<application>.conf
// ($XDG_CONFIG_HOME when set). The file is looked at before Qt reads it,
// every time: anything but a regular file of at most
// TamanhoMaximoConfiguracoes bytes is neither read nor written (a FIFO
// there would freeze the start, a huge file would fill the memory). The
// program then starts with its defaults and keeps this session's choices to
// itself, and the warning line says why.
#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

class QSettings;

// Eight recent paths and the language take a few kilobytes; this leaves room
// for long paths and for settings of later versions.
inline constexpr qint64 TamanhoMaximoConfiguracoes = 256 * 1024;  // bytes

QString ArquivoConfiguracoes();

// The settings, or nullptr when the file is not to be used.
std::unique_ptr<QSettings> AbrirConfiguracoes();

// Why the file is not used, as the core's Portuguese sentence (the window
// translates it); empty when it is used.
QString ProblemaConfiguracoes();
