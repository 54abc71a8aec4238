// The case file ".usina": a mill's inputs and configuration as UTF-8 JSON, so
// that they can be kept, reopened and sent to a colleague. Read and written
// with nlohmann-json; see docs/formato-caso.md.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "io/ErrosArquivo.h"
#include "io/ErrosCaso.h"
#include "plant/Campos.h"
#include "plant/EntradasUsina.h"

inline constexpr const char* FormatoCaso = "usina-caso";
inline constexpr int VersaoCaso = 1;

// Limits of what the reader takes: larger files and deeper nesting are
// refused before they are parsed (no case comes near either).
inline constexpr std::size_t TamanhoMaximoCaso = 1024 * 1024;  // bytes
inline constexpr std::size_t ProfundidadeMaximaCaso = 64;      // nested objects and arrays

struct CasoUsina {
    // Window units, before the reading limits (a boiler pressure above
    // 190 bar stays as typed). All 18 inputs, the high-pressure turbine's
    // also without it, so a case keeps them when the turbine is turned off;
    // and the season's seven, optional in the file (defaults when absent).
    EntradasUsina entradas;
    std::string descricao;  // free text, may be empty

    bool operator==(const CasoUsina&) const = default;
};

struct CasoLido {
    CasoUsina caso;
    std::vector<std::string> avisos;  // unknown keys, ignored (Portuguese)
    std::vector<AvisoCaso> avisosTipados;  // the same, as kinds and values
};

// The file's text as JSON (UTF-8, two-space indentation, ends with a
// newline), keys in a fixed order. Numbers are written so they read back as
// the same double. A value that is not finite would come out as null, which
// the reader refuses: GravarCaso refuses such a case before writing.
std::string CasoParaJson(const CasoUsina& caso);

// Reads a case from its text; nomeArquivo names it in the messages, and
// numbers in the messages of the input checks use separador. Checks the
// format name, the version, every key's type and every value by the same
// rules as the calculation's input checks (after its limits). A UTF-8 byte
// order mark at the start is skipped. Throws ErroCaso.
CasoLido CasoDeJson(std::string_view texto, const std::string& nomeArquivo,
                    const std::string& separador = ",");

// Reads the file (ErroCaso also for a missing or unreadable file, a
// directory, a file larger than TamanhoMaximoCaso, which is not read).
CasoLido LerCaso(const std::string& caminho, const std::string& separador = ",");

// Writes the file atomically: the previous one stays whole until the new one
// is complete. A case the reader would refuse (an input that is not finite
// or fails the checks) is not written: ErroCaso. File errors:
// ErroArquivoNaoGravado.
void GravarCaso(const std::string& caminho, const CasoUsina& caso,
                const std::string& separador = ",");

// The case of what the input fields hold (EntradasDosCampos,
// plant/EntradasCampos.h); the fields hold no season, which is left at its
// defaults for the caller to set. Throws ErroCaso naming the first field
// whose text is not a number.
CasoUsina CasoDosCampos(const Campos& campos, const std::string& separador);

// The 18 input texts of a case, in panel order: each written as the default
// texts are, with more decimals only where the case's number needs them
// (TextoEntrada), so a run on them reads the very doubles of the case.
// CheckBox1 is entradas.comTurbinaAlta.
std::vector<std::pair<std::string, std::string>> TextosDoCaso(const EntradasUsina& entradas,
                                                              const std::string& separador);

// The refusal of a case whose input campo (a plant's or a season's field)
// holds a text that is not a number, the text quoted as the messages quote.
ErroCaso ErroTextoDoCampo(const std::string& campo, const std::string& texto);
