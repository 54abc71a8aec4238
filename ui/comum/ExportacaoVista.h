// One "Exportar…" of a view or a study, start to end: the name asked for,
// the suffix that name must have, the question before a file is replaced,
// the write, and the file the next export starts at. Each export is a small
// policy of data; the flow is the same for all.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "ui/comum/DialogosArquivo.h"

class QWidget;

struct FormatoExportacao {
    const char* filtro;  // "Imagem PNG (*.png)", Portuguese, translated in the policy's context
    const char* sufixo;  // "png"
};

// What the suffix of the chosen name must be.
enum class SufixoExportacao {
    Exigido,   // one of the formats', in any case; another name is refused
    SeFaltar,  // a name without a suffix takes the first format's; others stay as they are
};

struct PoliticaExportacao {
    const char* contexto;                     // of the filters and the message
    std::vector<FormatoExportacao> formatos;  // in the order the dialogue offers them
    const char* nomeInicial;                  // "fluxograma.png", in the working directory
    SufixoExportacao sufixo;
    const char* mensagemSufixo;  // why an Exigido name is refused; nullptr for SeFaltar
    // Each export starts at the last file written, its format offered first,
    // and the first at nomeInicial in the working directory of the view's
    // creation; otherwise each starts at nomeInicial in the working
    // directory of the moment.
    bool lembrar;
};

// The export of one table as CSV: the one format, a name without a suffix
// made a .csv, each export starting at nomeInicial in the working directory.
PoliticaExportacao PoliticaTabelaCsv(const char* contexto, const char* filtro,
                                     const char* nomeInicial);

// Whether the file at caminho may be written over; the window's question.
using ConfirmacaoSubstituir = std::function<bool(const QString& caminho)>;

// The window's question before a write to caminho: about the file a
// symbolic link leads to, or about an existing regular file; true without a
// question when there is no such file (a directory, a FIFO or a device is
// not replaced: the write says why).
bool PodeGravar(DialogosArquivo& dialogos, const QString& caminho);

class ExportacaoVista {
public:
    // Qt's own dialogues are parented to dono until others are given.
    ExportacaoVista(QWidget* dono, PoliticaExportacao politica);

    // The name asked for with the window's dialogue (tests answer it).
    void DefinirEscolha(EscolhaArquivo escolha);
    // The question before a file that is there is written over.
    void DefinirConfirmacao(ConfirmacaoSubstituir confirmacao);

    // Writes the file: caminho as chosen, sufixo in lower case.
    using Gravacao = std::function<void(const QString& caminho, const QString& sufixo)>;
    // Asks for the name, checks or completes its suffix, asks before
    // replacing anything at that name, then has gravar write. Returns the
    // file written; empty when cancelled or when the file is kept. Throws
    // ErroArquivo for a refused suffix, and what gravar throws.
    QString Exportar(const QString& titulo, const Gravacao& gravar);

private:
    QWidget* dono_;
    PoliticaExportacao politica_;
    EscolhaArquivo escolha_;
    ConfirmacaoSubstituir confirmacao_;
    QString ultimo_;  // with lembrar: where the next export starts
};
