#include "properties/Diagnostico.h"

#include <cstdio>

#include "properties/ArmadilhasPF.h"

namespace {
GravadorDiagnosticos* gravadorAtivo = nullptr;
std::FILE* saidaDiagnosticos = nullptr;  // null: standard output
}

void DefinirSaidaDiagnosticos(std::FILE* destino) { saidaDiagnosticos = destino; }

GravadorDiagnosticos::GravadorDiagnosticos() : anterior_(gravadorAtivo) { gravadorAtivo = this; }

GravadorDiagnosticos::~GravadorDiagnosticos() { gravadorAtivo = anterior_; }

void EscreverDiagnostico(const std::string& linha) {
    for (GravadorDiagnosticos* g = gravadorAtivo; g != nullptr; g = g->anterior_) {
        g->linhas_.push_back(linha);
    }
    SuspensaoArmadilhas semArmadilhas;  // the C library's I/O is not ours
    // Errors are ignored on purpose: a process without a usable standard
    // output still evaluates every state.
    std::FILE* destino = saidaDiagnosticos != nullptr ? saidaDiagnosticos : stdout;
    std::fputs(linha.c_str(), destino);
    std::fputc('\n', destino);
    std::fflush(destino);
    std::clearerr(destino);
}
