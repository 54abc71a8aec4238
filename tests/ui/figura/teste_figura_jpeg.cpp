#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
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

// The quantisation tables of the written file, in the order the DQT
// segments give them (each 64 entries, zigzag order as stored).
std::vector<std::vector<int>> TabelasQuantizacao(const std::vector<unsigned char>& b) {
    std::vector<std::vector<int>> tabelas;
    std::size_t i = 2;  // after SOI
    while (i + 4 <= b.size() && b[i] == 0xFF && b[i + 1] != 0xDA) {  // up to the scan
        const std::size_t tamanho = static_cast<std::size_t>(b[i + 2]) << 8 | b[i + 3];
        if (b[i + 1] == 0xDB) {
            for (std::size_t p = i + 4; p < i + 2 + tamanho;) {
                const bool dezesseisBits = (b[p] >> 4) != 0;
                ++p;
                std::vector<int> t;
                for (int k = 0; k < 64; ++k, p += dezesseisBits ? 2 : 1)
                    t.push_back(dezesseisBits ? b[p] << 8 | b[p + 1] : b[p]);
                tabelas.push_back(t);
            }
        }
        i += 2 + tamanho;
    }
    return tabelas;
}

// The example tables of the JPEG standard (Annex K), in natural (row) order,
// scaled as libjpeg scales them for a quality q: factor 200 - 2q percent,
// rounded, kept within 1..255 for a baseline file; then read in zigzag order.
std::vector<int> TabelaPadrao(const int (&base)[64], int qualidade) {
    const int escala = qualidade < 50 ? 5000 / qualidade : 200 - 2 * qualidade;
    std::vector<int> zigzag;
    for (int s = 0; s <= 14; ++s) {  // anti-diagonals, alternating direction
        for (int k = 0; k <= s; ++k) {
            const int linha = s % 2 == 0 ? s - k : k;
            const int coluna = s - linha;
            if (linha > 7 || coluna > 7) continue;
            const int q = (base[linha * 8 + coluna] * escala + 50) / 100;
            zigzag.push_back(std::clamp(q, 1, 255));
        }
    }
    return zigzag;
}

constexpr int Luminancia[64] = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
constexpr int Crominancia[64] = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

TEST_F(SalvarJpeg, TabelasDeQuantizacaoDaQualidade90) {
    SalvarFiguraJpeg(figura_, "fluxograma");
    const std::vector<std::vector<int>> tabelas = TabelasQuantizacao(Ler("fluxograma.jpg"));
    ASSERT_EQ(tabelas.size(), 2u) << "luminance and chrominance";
    EXPECT_EQ(tabelas[0], TabelaPadrao(Luminancia, 90));
    EXPECT_EQ(tabelas[1], TabelaPadrao(Crominancia, 90));
    // The scaling itself, checked on entries known by hand: 16 -> 3, 99 -> 20.
    EXPECT_EQ(tabelas[0][0], 3);
    EXPECT_EQ(tabelas[1][63], 20);
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
