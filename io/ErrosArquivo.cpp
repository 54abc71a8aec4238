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

namespace {

// What a path that is not a regular file is, or nothing for a regular file
// or an unknown kind.
bool NaoComum(unsigned tipo, MotivoArquivo& motivo) {
    switch (tipo & S_IFMT) {
    case S_IFIFO: motivo = MotivoArquivo::Fifo; return true;
    case S_IFSOCK: motivo = MotivoArquivo::Soquete; return true;
    case S_IFCHR:
    case S_IFBLK: motivo = MotivoArquivo::Dispositivo; return true;
    case S_IFDIR: motivo = MotivoArquivo::EhPasta; return true;
    default: return false;
    }
}

// The reasons reading and writing share.
FalhaArquivo FalhaComum(int codigo) {
    using M = MotivoArquivo;
    switch (codigo) {
    case ENOTDIR: return {M::ParteNaoEhPasta, codigo};
    case EISDIR: return {M::EhPasta, codigo};
    case EACCES:
    case EPERM: return {M::AcessoNegado, codigo};
    case ENAMETOOLONG: return {M::NomeLongo, codigo};
    case ELOOP: return {M::LigacoesEmCiclo, codigo};
    case EMFILE:
    case ENFILE: return {M::AbertosDemais, codigo};
    case EINVAL: return {M::NomeInvalido, codigo};
    default: return {M::EntradaSaida, codigo};
    }
}

}  // namespace

FalhaArquivo FalhaLeitura(int codigo, unsigned tipo) {
    if (MotivoArquivo motivo{}; NaoComum(tipo, motivo)) return {motivo, codigo};
    if (codigo == ENOENT) return {MotivoArquivo::NaoExiste, codigo};
    return FalhaComum(codigo);
}

FalhaArquivo FalhaGravacao(const ErroGravacao& erro) {
    using M = MotivoArquivo;
    if (MotivoArquivo motivo{}; NaoComum(erro.tipo, motivo)) return {motivo, erro.codigo};
    switch (erro.codigo) {
    // Only files are created here: what is missing is a folder.
    case ENOENT: return {M::PastaNaoExiste, erro.codigo};
    case EACCES:
    case EPERM: return {erro.naPasta ? M::PastaSemPermissao : M::AcessoNegado, erro.codigo};
    case EROFS: return {M::SoLeitura, erro.codigo};
    case ENOSPC:
    case EDQUOT: return {M::DiscoCheio, erro.codigo};
    case EFBIG: return {M::GrandeDemais, erro.codigo};
    default: return FalhaComum(erro.codigo);
    }
}

std::string TextoFalhaArquivo(FalhaArquivo falha) {
    using M = MotivoArquivo;
    switch (falha.motivo) {
    case M::NaoExiste: return "o arquivo não existe";
    case M::PastaNaoExiste: return "a pasta não existe";
    case M::ParteNaoEhPasta: return "uma parte do caminho não é uma pasta";
    case M::EhPasta: return "é uma pasta, não um arquivo";
    case M::AcessoNegado: return "acesso negado";
    case M::PastaSemPermissao: return "não há permissão para criar arquivos na pasta";
    case M::SoLeitura: return "o sistema de arquivos só permite leitura";
    case M::DiscoCheio: return "o disco está cheio";
    case M::GrandeDemais: return "o arquivo passa do tamanho máximo permitido";
    case M::NomeLongo: return "o nome é longo demais";
    case M::LigacoesEmCiclo: return "ligações simbólicas em ciclo";
    case M::AbertosDemais: return "arquivos abertos demais";
    case M::NomeInvalido: return "nome de arquivo inválido";
    case M::Fifo: return "é uma FIFO (pipe nomeado), não um arquivo comum";
    case M::Soquete: return "é um soquete, não um arquivo comum";
    case M::Dispositivo: return "é um dispositivo, não um arquivo comum";
    case M::EntradaSaida: break;
    }
    return "erro de entrada e saída " + std::to_string(falha.codigo);
}

std::string MotivoLeitura(int codigo, unsigned tipo) {
    return TextoFalhaArquivo(FalhaLeitura(codigo, tipo));
}

std::string MotivoGravacao(const ErroGravacao& erro) {
    return TextoFalhaArquivo(FalhaGravacao(erro));
}

std::string MensagemGravacao(const std::string& caminho, const ErroGravacao& erro) {
    return "Não foi possível gravar o arquivo \"" + caminho + "\": " + MotivoGravacao(erro);
}

ErroArquivoNaoGravado::ErroArquivoNaoGravado(std::string caminho, const ErroGravacao& erro)
    : ErroArquivo(MensagemGravacao(caminho, erro)),
      caminho_(std::move(caminho)),
      falha_(FalhaGravacao(erro)) {}

ErroArquivoGravado::ErroArquivoGravado(const std::string& caminho, const ErroGravacao& erro)
    : ErroArquivo(MensagemErroArquivo(erro.codigo)), detalhe(MensagemGravacao(caminho, erro)) {}
