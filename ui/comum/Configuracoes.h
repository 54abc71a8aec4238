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
#include <optional>

#include "io/ErrosArquivo.h"
#include "ui/comum/Idioma.h"

class QSettings;

// Eight recent paths and the language take a few kilobytes; this leaves room
// for long paths and for settings of later versions.
inline constexpr qint64 TamanhoMaximoConfiguracoes = 256 * 1024;  // bytes

QString ArquivoConfiguracoes();

// The settings, or nullptr when the file is not to be used.
std::unique_ptr<QSettings> AbrirConfiguracoes();

// Why the file is not used: it is larger than TamanhoMaximoConfiguracoes,
// or it cannot be read as a regular file.
struct ProblemaArquivoConfiguracoes {
    QString caminho;  // as the system shows it
    bool grandeDemais = false;
    qint64 tamanho = 0;  // bytes, when grandeDemais
    FalhaArquivo falha;  // otherwise
};

// Nothing when the file is used.
std::optional<ProblemaArquivoConfiguracoes> ProblemaConfiguracoes();

// The problem as the warning line says it, in the window's language or in
// idioma.
QString TextoProblemaConfiguracoes(const ProblemaArquivoConfiguracoes& problema);
QString TextoProblemaConfiguracoes(const ProblemaArquivoConfiguracoes& problema, Idioma idioma);
