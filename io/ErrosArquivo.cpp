#include "io/ErrosArquivo.h"

#include <cerrno>

std::string MensagemErroArquivo(int codigo) {
    switch (codigo) {
    // A directory of the path is missing or is not a directory, or the file
    // system refuses the name. Files are only ever created here, so a missing
    // path never means "File not found".
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
        return "Invalid filename";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    // EISDIR: the name given is an existing directory.
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return "File access denied";
    case ENOSPC:
    case EDQUOT:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(codigo);
    }
}
