// The user manual compiled into the program, one HTML page per language:
// where each page is, and the rows of its inputs table, generated from the
// input table and the checks so that the manual states exactly what a run
// accepts.
#pragma once

#include <QString>
#include <QUrl>
#include <optional>
#include <string>

#include "ui/comum/Idioma.h"


// The comment in each page that the generated rows replace, inside the
// page's own table (whose header is in the page's language).
extern const char* const MarcadorTabelaEntradas;

// Makes the manual's pages and the packaged licence readable from the
// resources (":/manual/...", ":/sobre/copyright"); called by the functions
// below, harmless to call again.
void RegistrarRecursosAjuda();

// "qrc:/manual/manual.pt.html", "qrc:/manual/manual.en.html".
QUrl EnderecoManual(Idioma idioma);
// The language of a manual page's address; none for anything else.
std::optional<Idioma> IdiomaDoEndereco(const QUrl& endereco);

// One row per plant input, in the order of the panels: field name, caption,
// unit, default text and what the checks allow (FaixaPermitida); fields read
// only with the high-pressure turbine are marked with a dagger. Captions,
// units and the values allowed are in idioma, as the window shows them in
// that language whatever language it is in now; in Portuguese they are the
// core's texts exactly. Numbers use separador.
QString LinhasTabelaEntradas(Idioma idioma, const std::string& separador);

// A page as stored, with the marker replaced by the rows in idioma.
QString PreencherManual(const QString& html, Idioma idioma, const std::string& separador);

// A language's page read from the resources and filled in that language;
// empty when the resource is missing.
QString TextoManual(Idioma idioma, const std::string& separador);
