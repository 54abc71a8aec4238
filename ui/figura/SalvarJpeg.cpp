#include "ui/figura/SalvarJpeg.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cstdlib>
#include <memory>
#include <vector>

#include <jpeglib.h>

#include "io/ErrosArquivo.h"
#include "io/GravacaoAtomica.h"
#include "properties/Erros.h"

namespace {

constexpr int QualidadeJpeg = 90;

// libjpeg's default error handler calls exit(); ours jumps back to the
// compressing function instead, which then reports the message code.
struct ErroJpeg {
    jpeg_error_mgr padrao;
    std::jmp_buf salto;
};

extern "C" void SairComErro(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErroJpeg*>(cinfo->err)->salto, 1);
}

// The libjpeg calls, and nothing with a destructor, between setjmp and any
// longjmp: unwinding by longjmp skips destructors. Returns 0 on success or
// the library's message code. buffer/tamanho hold the caller's buffer on
// entry and the compressed bytes on success.
int Comprimir(JSAMPROW* linhas, int largura, int altura, unsigned char** buffer,
              unsigned long* tamanho) {
    jpeg_compress_struct cinfo{};
    ErroJpeg erro{};
    cinfo.err = jpeg_std_error(&erro.padrao);
    erro.padrao.error_exit = SairComErro;
    if (setjmp(erro.salto) != 0) {
        const int codigo = erro.padrao.msg_code;
        jpeg_destroy_compress(&cinfo);
        return codigo != 0 ? codigo : -1;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, buffer, tamanho);
    cinfo.image_width = static_cast<JDIMENSION>(largura);
    cinfo.image_height = static_cast<JDIMENSION>(altura);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, QualidadeJpeg, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height)
        jpeg_write_scanlines(&cinfo, &linhas[cinfo.next_scanline], 1);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return 0;
}

struct LiberarMalloc {
    void operator()(unsigned char* p) const { std::free(p); }
};
using BufferC = std::unique_ptr<unsigned char, LiberarMalloc>;

// Compresses a 24-bit copy of figura into memory.
std::vector<unsigned char> CodificarJpeg(const QImage& figura) {
    QImage copia = figura.convertToFormat(QImage::Format_RGB888);
    std::vector<JSAMPROW> linhas(static_cast<std::size_t>(copia.height()));
    for (int y = 0; y < copia.height(); ++y) linhas[static_cast<std::size_t>(y)] = copia.scanLine(y);

    // When the memory destination outgrows a buffer it allocated itself it
    // frees that buffer, so after an error the caller's pointer could be left
    // dangling. Handing it a buffer of our own, far larger than the picture
    // ever compresses to, keeps our pointer valid whatever happens; a buffer
    // the library did allocate is reported back on success and freed too.
    const unsigned long capacidade =
        static_cast<unsigned long>(copia.sizeInBytes()) * 2 + 65536;
    BufferC proprio(static_cast<unsigned char*>(std::malloc(capacidade)));
    if (!proprio) throw std::bad_alloc();
    unsigned char* saida = proprio.get();
    unsigned long tamanho = capacidade;

    const int codigo = Comprimir(linhas.data(), copia.width(), copia.height(), &saida, &tamanho);
    if (codigo != 0) throw ErroArquivo("JPEG error #" + std::to_string(codigo));
    BufferC crescido(saida != proprio.get() ? saida : nullptr);
    return std::vector<unsigned char>(saida, saida + tamanho);
}

}  // namespace

void SalvarFiguraJpeg(const QImage& figura, const std::string& nomeDigitado) {
    const std::string nome = nomeDigitado + ".jpg";
    // The file is created first so that a name the system refuses is
    // reported before any compression work, as the user expects.
    std::unique_ptr<GravacaoAtomica> arquivo;
    try {
        arquivo = std::make_unique<GravacaoAtomica>(nome);
    } catch (const ErroGravacao&) {
        throw ErroArquivo("Cannot create file " + nome);
    }
    const std::vector<unsigned char> bytes = CodificarJpeg(figura);
    try {
        arquivo->Escrever(bytes.data(), bytes.size());
        arquivo->Concluir();
    } catch (const ErroGravacao& e) {
        throw ErroArquivo(MensagemErroArquivo(e.codigo));
    }
}
