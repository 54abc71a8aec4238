#include "io/ErrosArquivo.h"

#include <cerrno>
#include <sys/stat.h>

#include "io/GravacaoAtomica.h"

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

std::string TipoNaoComum(unsigned tipo) {
    switch (tipo & S_IFMT) {
    case S_IFIFO: return "uma FIFO (pipe nomeado)";
    case S_IFSOCK: return "um soquete";
    case S_IFCHR:
    case S_IFBLK: return "um dispositivo";
    case S_IFDIR: return "uma pasta";
    default: return {};
    }
}

namespace {

std::string NaoComum(unsigned tipo) {
    if ((tipo & S_IFMT) == S_IFDIR) return "é uma pasta, não um arquivo";
    return "é " + TipoNaoComum(tipo) + ", não um arquivo comum";
}

// The reasons reading and writing share.
std::string MotivoComum(int codigo) {
    switch (codigo) {
    case ENOTDIR: return "uma parte do caminho não é uma pasta";
    case EISDIR: return "é uma pasta, não um arquivo";
    case EACCES:
    case EPERM: return "acesso negado";
    case ENAMETOOLONG: return "o nome é longo demais";
    case ELOOP: return "ligações simbólicas em ciclo";
    case EMFILE:
    case ENFILE: return "arquivos abertos demais";
    case EINVAL: return "nome de arquivo inválido";
    default: return "erro de entrada e saída " + std::to_string(codigo);
    }
}

}  // namespace

std::string MotivoLeitura(int codigo, unsigned tipo) {
    if (!TipoNaoComum(tipo).empty()) return NaoComum(tipo);
    if (codigo == ENOENT) return "o arquivo não existe";
    return MotivoComum(codigo);
}

std::string MotivoGravacao(const ErroGravacao& erro) {
    if (!TipoNaoComum(erro.tipo).empty()) return NaoComum(erro.tipo);
    switch (erro.codigo) {
    // Only files are created here: what is missing is a folder.
    case ENOENT: return "a pasta não existe";
    case EACCES:
    case EPERM:
        return erro.naPasta ? "não há permissão para criar arquivos na pasta" : "acesso negado";
    case EROFS: return "o sistema de arquivos só permite leitura";
    case ENOSPC:
    case EDQUOT: return "o disco está cheio";
    case EFBIG: return "o arquivo passa do tamanho máximo permitido";
    default: return MotivoComum(erro.codigo);
    }
}

std::string MensagemGravacao(const std::string& caminho, const ErroGravacao& erro) {
    return "Não foi possível gravar o arquivo \"" + caminho + "\": " + MotivoGravacao(erro);
}

ErroArquivoGravado::ErroArquivoGravado(const std::string& caminho, const ErroGravacao& erro)
    : ErroArquivo(MensagemErroArquivo(erro.codigo)), detalhe(MensagemGravacao(caminho, erro)) {}
