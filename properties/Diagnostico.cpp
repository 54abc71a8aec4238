#include "properties/Diagnostico.h"

#include <atomic>
#include <cstdio>

#include "properties/ArmadilhasPF.h"

namespace {
// Innermost recorder of the calling thread; each links to the one it hides.
thread_local constinit GravadorDiagnosticos* gravadorAtivo = nullptr;
std::atomic<std::FILE*> saidaDiagnosticos{nullptr};  // null: standard output
}

void DefinirSaidaDiagnosticos(std::FILE* destino) { saidaDiagnosticos.store(destino); }

GravadorDiagnosticos::GravadorDiagnosticos() : anterior_(gravadorAtivo) { gravadorAtivo = this; }

GravadorDiagnosticos::~GravadorDiagnosticos() { gravadorAtivo = anterior_; }

void EscreverDiagnostico(const std::string& linha) {
    for (GravadorDiagnosticos* g = gravadorAtivo; g != nullptr; g = g->anterior_) {
        g->linhas_.push_back(linha);
    }
    std::string texto;
    texto.reserve(linha.size() + 1);
    texto += linha;
    texto += '\n';
    SuspensaoArmadilhas semArmadilhas;  // the C library's I/O is not ours
    // Errors are ignored on purpose: a process without a usable standard
    // output still evaluates every state. The stream's lock is held for the
    // whole of one fwrite, which keeps the line whole.
    std::FILE* const escolhido = saidaDiagnosticos.load();
    std::FILE* const destino = escolhido != nullptr ? escolhido : stdout;
    std::fwrite(texto.data(), 1, texto.size(), destino);
    std::fflush(destino);
    std::clearerr(destino);
}
