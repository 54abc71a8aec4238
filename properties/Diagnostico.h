// The property package's diagnostic lines on standard output.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Writes one line to standard output. A line that cannot be written (no
// usable standard output) is dropped: it never aborts an evaluation. The line
// and its newline go out in one call, so lines written by several threads at
// once never mix within a line.
void EscreverDiagnostico(const std::string& linha);

// Sends the diagnostic lines to another stream (standard output by default),
// for a front end whose standard output must stay machine-readable. One
// setting for the whole process; set it before the calculations start.
void DefinirSaidaDiagnosticos(std::FILE* destino);

// While an object of this class lives, every diagnostic line its thread
// writes is also kept, so that a saved result can later repeat the lines its
// computation wrote. Lines written by other threads are not kept.
class GravadorDiagnosticos {
public:
    GravadorDiagnosticos();
    ~GravadorDiagnosticos();
    GravadorDiagnosticos(const GravadorDiagnosticos&) = delete;
    GravadorDiagnosticos& operator=(const GravadorDiagnosticos&) = delete;

    const std::vector<std::string>& Linhas() const { return linhas_; }

private:
    friend void EscreverDiagnostico(const std::string& linha);

    std::vector<std::string> linhas_;
    GravadorDiagnosticos* anterior_;
};
