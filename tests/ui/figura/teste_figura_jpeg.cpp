#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <csetjmp>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

#include "io/ErrosArquivo.h"
#include "ui/figura/Fluxograma.h"
#include "ui/figura/SalvarJpeg.h"

namespace {

std::vector<unsigned char> Ler(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void Gravar(const std::string& caminho, const std::string& conteudo) {
    std::ofstream(caminho, std::ios::binary) << conteudo;
}

bool TemMarcador(const std::vector<unsigned char>& b, unsigned char segundo) {
    for (std::size_t i = 0; i + 1 < b.size(); ++i)
        if (b[i] == 0xFF && b[i + 1] == segundo) return true;
    return false;
}

// Entries of a directory, hidden ones (temporary files) included.
QStringList Conteudo(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Name);
}

struct Decodificada {
    int largura = 0, altura = 0, componentes = 0;
    bool progressivo = true;
    J_COLOR_SPACE espaco = JCS_UNKNOWN;
    std::vector<unsigned char> rgb;
};

struct ErroLeitura {
    jpeg_error_mgr padrao;
    std::jmp_buf salto;
};

extern "C" void FalharLeitura(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErroLeitura*>(cinfo->err)->salto, 1);
}

// Decodes with libjpeg; false when the data are not a valid JPEG stream.
bool Decodificar(std::vector<unsigned char>& bytes, Decodificada& d) {
    jpeg_decompress_struct cinfo{};
    ErroLeitura erro{};
    cinfo.err = jpeg_std_error(&erro.padrao);
    erro.padrao.error_exit = FalharLeitura;
    if (setjmp(erro.salto) != 0) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    d.largura = static_cast<int>(cinfo.image_width);
    d.altura = static_cast<int>(cinfo.image_height);
    d.componentes = cinfo.num_components;
    d.progressivo = cinfo.progressive_mode;
    d.espaco = cinfo.jpeg_color_space;
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    d.rgb.resize(static_cast<std::size_t>(d.largura) * static_cast<std::size_t>(d.altura) * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW linha = d.rgb.data() + static_cast<std::size_t>(cinfo.output_scanline) * d.largura * 3;
        jpeg_read_scanlines(&cinfo, &linha, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

// Saving works relative to the working directory, so each test runs in a
// fresh temporary directory of its own.
class SalvarJpeg : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        anterior_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    }
    void TearDown() override { QDir::setCurrent(anterior_); }
    QString Pasta() const { return dir_.path(); }

    QImage figura_ = DesenharFluxograma();

private:
    QTemporaryDir dir_;
    QString anterior_;
};

TEST_F(SalvarJpeg, ArquivoBaselineDe538x317ComTresComponentes) {
    SalvarFiguraJpeg(figura_, "fluxograma");
    std::vector<unsigned char> bytes = Ler("fluxograma.jpg");
    ASSERT_GT(bytes.size(), 1000u);

    Decodificada d;
    ASSERT_TRUE(Decodificar(bytes, d));
    EXPECT_EQ(d.largura, 538);
    EXPECT_EQ(d.altura, 317);
    EXPECT_EQ(d.componentes, 3);
    EXPECT_EQ(d.espaco, JCS_YCbCr);
    EXPECT_FALSE(d.progressivo);
    EXPECT_TRUE(TemMarcador(bytes, 0xC0)) << "SOF0 (baseline) missing";
    EXPECT_FALSE(TemMarcador(bytes, 0xC2)) << "SOF2 (progressive) present";

    // Rows stored top first and not mirrored: dark where the picture has a
    // line, light in the empty corner.
    auto luz = [&](int x, int y) { return d.rgb[(static_cast<std::size_t>(y) * 538 + x) * 3 + 1]; };
    EXPECT_LT(luz(400, 93), 128);   // steam header
    EXPECT_LT(luz(400, 244), 128);  // exhaust collector
    EXPECT_GT(luz(5, 5), 200);
    EXPECT_GT(luz(400, 100), 200);
}

TEST_F(SalvarJpeg, SalvarDuasVezesDaArquivosIdenticos) {
    SalvarFiguraJpeg(figura_, "a");
    SalvarFiguraJpeg(figura_, "b");
    const auto primeiro = Ler("a.jpg");
    SalvarFiguraJpeg(figura_, "a");  // over the existing file
    EXPECT_EQ(Ler("a.jpg"), primeiro);
    EXPECT_EQ(Ler("b.jpg"), primeiro);
}

TEST_F(SalvarJpeg, NomeUsadoComoDigitadoMaisJpg) {
    ASSERT_TRUE(QDir(Pasta()).mkdir("sub"));
    const struct {
        const char* digitado;
        const char* arquivo;
    } casos[] = {
        {"fluxograma", "fluxograma.jpg"},
        {"fluxograma.jpg", "fluxograma.jpg.jpg"},
        {" figura ", " figura .jpg"},
        {"sub/figura", "sub/figura.jpg"},
        {"figuração", "figuração.jpg"},
    };
    for (const auto& c : casos) {
        SalvarFiguraJpeg(figura_, c.digitado);
        EXPECT_FALSE(Ler(c.arquivo).empty()) << c.digitado;
    }
    EXPECT_FALSE(QFile::exists("fluxograma")) << "the name typed is not the file name";
}

TEST_F(SalvarJpeg, ArquivoQueNaoPodeSerCriado) {
    Gravar("comum", "not a directory");
    ASSERT_TRUE(QDir(Pasta()).mkdir("pasta.jpg"));
    const QStringList antes = Conteudo(Pasta());
    const char* casos[] = {
        "nao_existe/fluxograma",  // missing directory
        "comum/fluxograma",       // a file used as a directory
        "/proc/fluxograma",       // refused even to root
        "pasta",                  // the name is taken by a directory
    };
    for (const char* digitado : casos) {
        const std::string nome = std::string(digitado) + ".jpg";
        try {
            SalvarFiguraJpeg(figura_, digitado);
            ADD_FAILURE() << "no error for " << digitado;
        } catch (const ErroArquivo& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot create file " + nome);
        }
        EXPECT_FALSE(QFileInfo(QString::fromStdString(nome)).isFile()) << nome;
    }
    EXPECT_EQ(Conteudo(Pasta()), antes);
}

// libjpeg's own error path must come back as an error, not end the program.
TEST_F(SalvarJpeg, ErroDaBibliotecaViraMensagem) {
    Gravar("vazia.jpg", "old contents");
    try {
        SalvarFiguraJpeg(QImage(), "vazia");
        ADD_FAILURE() << "an empty picture was saved";
    } catch (const ErroArquivo& e) {
        EXPECT_EQ(std::string(e.what()), "JPEG error #" + std::to_string(JERR_EMPTY_IMAGE));
    }
    const auto restante = Ler("vazia.jpg");
    EXPECT_EQ(std::string(restante.begin(), restante.end()), "old contents");
    EXPECT_EQ(Conteudo(Pasta()), QStringList{"vazia.jpg"});
}

// A write that fails halfway (here the file-size limit, as a full disk
// would) must keep the old file and leave no partial one behind.
TEST_F(SalvarJpeg, FalhaAoEscreverPreservaArquivoExistente) {
    Gravar("fluxograma.jpg", "old contents");
    rlimit limiteAnterior{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limiteAnterior), 0);
    const auto sinalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = limiteAnterior;
    limite.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);

    std::string mensagem;
    try {
        SalvarFiguraJpeg(figura_, "fluxograma");
    } catch (const ErroArquivo& e) {
        mensagem = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &limiteAnterior);
    std::signal(SIGXFSZ, sinalAnterior);

    EXPECT_FALSE(mensagem.empty()) << "the failed write was reported as success";
    EXPECT_EQ(mensagem.find("Cannot create file"), std::string::npos) << mensagem;
    const auto restante = Ler("fluxograma.jpg");
    EXPECT_EQ(std::string(restante.begin(), restante.end()), "old contents");
    EXPECT_EQ(Conteudo(Pasta()), QStringList{"fluxograma.jpg"});
}

}  // namespace
