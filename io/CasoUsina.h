// The case file ".usina": a mill's inputs and configuration as UTF-8 JSON, so
// that they can be kept, reopened and sent to a colleague. Read and written
// with nlohmann-json; see docs/formato-caso.md.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "plant/EntradasUsina.h"
#include "properties/Erros.h"

inline constexpr const char* FormatoCaso = "usina-caso";
inline constexpr int VersaoCaso = 1;

struct CasoUsina {
    EntradasUsina entradas;  // window units; the high-pressure turbine's fields also without it
    std::string descricao;   // free text, may be empty
};

struct CasoLido {
    CasoUsina caso;
    std::vector<std::string> avisos;  // unknown keys, ignored (Portuguese)
};

// A case file that cannot be read or is refused: the message, in Portuguese,
// names the file and says what is wrong.
class ErroCaso : public ErroUsina {
public:
    using ErroUsina::ErroUsina;
};

// The file's text as JSON (UTF-8, ends with a newline).
std::string CasoParaJson(const CasoUsina& caso);

// Reads a case from its text; nomeArquivo names it in the messages. Checks
// the format name, the version, every key's type and every value by the same
// rules as the calculation's input checks (after its limits). Throws ErroCaso.
CasoLido CasoDeJson(std::string_view texto, const std::string& nomeArquivo);

// Reads the file (ErroCaso also for a missing file, a directory, a file too
// large to be a case).
CasoLido LerCaso(const std::string& caminho);

// Writes the file atomically: the previous one stays whole until the new one
// is complete. Throws ErroArquivo.
void GravarCaso(const std::string& caminho, const CasoUsina& caso);
