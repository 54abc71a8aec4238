#include "ui/janela/Uusina.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QColor>
#include <QIcon>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QShortcut>
#include <QStyle>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <exception>
#include <string>
#include <unordered_map>
#include <vector>

#include "io/ErrosArquivo.h"
#include "io/Relatorio.h"
#include "plant/CalculoCampos.h"
#include "plant/EntradasCampos.h"
#include "plant/Numeros.h"
#include "plant/TabelaEntradas.h"
#include "plant/SafraUsina.h"
#include "plant/TabelaSafra.h"
#include "plant/TextosPadrao.h"
#include "ui/vistas/VistaSafra.h"
#include "ui/ajuda/MenuAjuda.h"
#include "ui/ajuda/OQueE.h"
#include "ui/comum/AvisosVista.h"
#include "ui/comum/Configuracoes.h"
#include "ui/comum/DialogosArquivo.h"
#include "ui/comum/ExportacaoVista.h"
#include "ui/comum/IconeUsina.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/MensagensNucleo.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/comum/TextosNucleoJanela.h"
#include "ui/comum/TratadorErros.h"
#include "ui/analise/JanelaAnalise.h"
#include "ui/figura/Fluxograma.h"
#include "ui/figura/Impressao.h"
#include "ui/figura/SalvarJpeg.h"
#include "ui/janela/CamposJanela.h"
#include "ui/janela/DefinicaoJanela.h"
#include "ui/janela/Memo.h"
#include "ui/janela/PaineisDados.h"
#include "ui/janela/PaineisSaida.h"
#include "ui/janela/SeletorDiretorio.h"

namespace {

constexpr int AlturaBanner = 41;  // pixels
const QColor CorAviso(0xa0, 0x00, 0x00);  // the warning line's warnings and failures

// Width that shows the memo's longest line unbroken, frame and margins
// included (pixels).
int LarguraTexto(const QTextEdit& memo) {
    const QFontMetrics medidas = memo.fontMetrics();
    int largura = 0;
    for (const QString& linha : LinhasDoMemo(memo))
        largura = std::max(largura, medidas.horizontalAdvance(linha));
    return largura + 2 * (memo.frameWidth() + int(memo.document()->documentMargin())) + 12;
}

// Memo1 wide enough for its longest line beside its scroll bar.
void AjustarMemo1(QTextEdit& memo) {
    memo.setMinimumWidth(LarguraTexto(memo) + memo.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

// Memo2 shows its three lines whole, without scroll bars.
void AjustarAoTexto(QTextEdit& memo, int linhas) {
    const int margens = 2 * (memo.frameWidth() + int(memo.document()->documentMargin())) + 4;
    memo.setFixedSize(LarguraTexto(memo), memo.fontMetrics().lineSpacing() * linhas + margens);
    memo.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

// The window's fields during a run, recording what the run writes: each
// field once, in the order of its first write, with its last text.
class CamposGravados : public Campos {
public:
    CamposGravados(Campos& campos, std::vector<std::pair<std::string, std::string>>& escritos)
        : campos_(campos), escritos_(escritos) {
        escritos_.clear();
    }
    std::string Texto(const std::string& nome) const override { return campos_.Texto(nome); }
    void DefinirTexto(const std::string& nome, const std::string& texto) override {
        campos_.DefinirTexto(nome, texto);
        const auto [posicao, novo] = indices_.try_emplace(nome, escritos_.size());
        if (novo) escritos_.emplace_back(nome, texto);
        else escritos_[posicao->second].second = texto;
    }
    void DefinirVisivel(const std::string& nome, bool visivel) override {
        campos_.DefinirVisivel(nome, visivel);
    }
    bool CheckBox1Marcado() const override { return campos_.CheckBox1Marcado(); }
    Formulacao Propriedades() const override { return campos_.Propriedades(); }

private:
    Campos& campos_;
    std::vector<std::pair<std::string, std::string>>& escritos_;
    std::unordered_map<std::string, std::size_t> indices_;
};

// "Pressão de operação da Caldeira: use vírgula decimal, por exemplo 80,5":
// the caption of a field whose text is not a number, without its unit, and
// a number near the field's default written with the window's separator.
QString DicaNumero(const char* legenda, double padrao) {
    const std::string separador = SeparadorDecimal();
    QString campo = TraduzirNucleo(legenda);
    if (const qsizetype colchete = campo.lastIndexOf('['); colchete > 0)
        campo = campo.left(colchete).trimmed();
    const QString exemplo =
        QString::fromStdString(TextoFixo(std::floor(padrao) + 0.5, 1, separador));
    const char* modelo =
        separador == ","   ? QT_TRANSLATE_NOOP("TFusina", "%1: use vírgula decimal, por exemplo %2")
        : separador == "." ? QT_TRANSLATE_NOOP("TFusina", "%1: use ponto decimal, por exemplo %2")
                           : QT_TRANSLATE_NOOP("TFusina", "%1: escreva um número, por exemplo %2");
    return QCoreApplication::translate("TFusina", modelo).arg(campo, exemplo);
}

// The hint for a run stopped at a field's text that is not a number; none
// for any other error.
std::function<QString()> DicaDoErro(const std::exception_ptr& erro) {
    try {
        std::rethrow_exception(erro);
    } catch (const ErroEntradaNaoNumerica& e) {
        const EntradasUsina padrao;
        return [legenda = e.campo().legenda, valor = padrao.*e.campo().membro] {
            return DicaNumero(legenda, valor);
        };
    } catch (...) {
    }
    return nullptr;
}

// A file name typed on an output panel, refused when there is none: the
// extension alone would make a hidden file.
void ExigirNome(const QString& nome, const QString& mensagem) {
    if (nome.trimmed().isEmpty()) throw ErroArquivo(mensagem.toStdString());
}

QString CaminhoMostrado(const QString& caminho) {
    return QDir::toNativeSeparators(QFileInfo(caminho).absoluteFilePath());
}

}  // namespace

TFusina::TFusina(QWidget* pai)
    : QWidget(pai),
      figura_(DesenharFluxograma()),
      dialogos_(std::make_unique<DialogosImpressaoQt>(this)),
      dialogosArquivo_(std::make_unique<DialogosArquivoQt>(this)) {
    setObjectName("Fusina");
    setWindowTitle(QCoreApplication::translate(ContextoJanela, TituloJanela));
    setWindowIcon(IconeUsina());
    setAcceptDrops(true);  // a case file dropped on the window opens

    auto* topo = new QHBoxLayout;
    topo->addWidget(CriarColunaEsquerda());
    Divisao = new QSplitter(Qt::Horizontal, this);
    Divisao->setObjectName("Divisao");
    Divisao->setChildrenCollapsible(false);
    Divisao->addWidget(CriarAreaPaineis());
    Divisao->addWidget(CriarVistas());
    Divisao->setStretchFactor(1, 1);
    topo->addWidget(Divisao, 1);

    LinhaAviso = new QLabel(this);
    LinhaAviso->setObjectName("LinhaAviso");
    LinhaAviso->setWordWrap(true);
    // Its texts carry files' keys and names: never taken for markup.
    LinhaAviso->setTextFormat(Qt::PlainText);

    auto* principal = new QVBoxLayout(this);
    principal->setMenuBar(CriarMenus());
    CriarMenuExibir();
    CriarMenuAnalise();
    CriarTrocaPaginas();
    CriarMenuIdioma(this, BarraMenus);
    CriarMenuAjuda(this, BarraMenus);
    principal->addLayout(topo, 1);
    principal->addWidget(LinhaAviso);
    principal->addWidget(CriarBanner());

    campos_ = std::make_unique<CamposJanela>(*this, *CheckBox1);
    LigarFontesEntradas();
    LigarCamposTurbinaAlta();
    LigarEventos();
    LigarCaso();
    DefinirDicas();
    DefinirOQueE(this);
    AtualizarVistas();
    RadioGroup1Click();
    // A settings file that could not be used is said once, at the start.
    if (const auto problema = ProblemaConfiguracoes())
        DefinirNota([problema = *problema] { return TextoProblemaConfiguracoes(problema); },
                    TipoNota::Aviso);

    // Fill the screen's work area; main() then maximizes.
    if (QScreen* tela = screen()) setGeometry(tela->availableGeometry());
}

TFusina::~TFusina() = default;

QPrinter& TFusina::Impressora() {
    if (!impressora_) impressora_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *impressora_;
}

QWidget* TFusina::CriarColunaEsquerda() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    // As wide as its widest content, so no item of the list is cut.
    Panel1->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    Memo1 = CriarMemo("Memo1", LinhasMemo1(), true, Panel1);
    Memo1->setLineWrapMode(QTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    AjustarMemo1(*Memo1);

    RadioGroup1 = new QGroupBox(Panel1);
    RadioGroup1->setObjectName("RadioGroup1");
    TextoTraduzido(RadioGroup1, "title", ContextoJanela, TituloComponentes);
    itens_ = new QButtonGroup(RadioGroup1);
    itens_->setExclusive(true);
    auto* itens = new QVBoxLayout(RadioGroup1);
    const auto& paineis = PaineisJanela();
    for (int i = 0; i < std::ssize(paineis); ++i) {
        auto* item = new QRadioButton(RadioGroup1);
        TextoTraduzido(item, "text", ContextoJanela, paineis[i].item);
        itens_->addButton(item, i);
        itens->addWidget(item);
    }
    itens_->button(0)->setChecked(true);

    BitBtn1 = new QPushButton(Panel1);
    BitBtn1->setObjectName("BitBtn1");
    TextoTraduzido(BitBtn1, "text", "TFusina", QT_TRANSLATE_NOOP("TFusina", "Executar"));

    auto* coluna = new QVBoxLayout(Panel1);
    coluna->addWidget(Memo1, 1);
    coluna->addWidget(RadioGroup1);
    coluna->addWidget(BitBtn1);
    return Panel1;
}

QWidget* TFusina::CriarAreaPaineis() {
    // All the panels share one cell; only the chosen one is shown.
    auto* area = new QWidget;
    auto* grade = new QGridLayout(area);
    grade->setContentsMargins(4, 8, 4, 4);
    const std::string separador = SeparadorDecimal();
    for (const DefinicaoPainel& definicao : PaineisJanela()) {
        switch (definicao.forma) {
        case FormaPainel::Dados: {
            QGridLayout* linhas = CriarPainelDados(*this, definicao, separador, area);
            if (definicao.painel == &TFusina::Panel11) {
                // The configuration: with or without the high-pressure turbine.
                Memo2 = CriarMemo("Memo2", LinhasMemo2(), false, Panel11);
                AjustarAoTexto(*Memo2, 3);
                CheckBox1 = new QCheckBox(Panel11);
                CheckBox1->setObjectName("CheckBox1");
                TextoTraduzido(CheckBox1, "text", "TFusina", QT_TRANSLATE_NOOP("TFusina", "Sim"));
                CheckBox1->setChecked(true);
                const int proxima = linhas->rowCount();
                linhas->addWidget(Memo2, proxima, 0, Qt::AlignRight);
                linhas->addWidget(CheckBox1, proxima, 1);
            }
            break;
        }
        case FormaPainel::Relatorio:
            seletor2_ = CriarPainelRelatorio(*this, definicao, separador, area);
            break;
        case FormaPainel::Figura:
            seletor1_ = CriarPainelFigura(*this, definicao, separador, figura_, area);
            break;
        }
        QFrame* painel = this->*definicao.painel;
        paineisPorItem_.push_back(painel);
        grade->addWidget(painel, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    }

    // Scrolls rather than clips on a small screen.
    auto* rolagem = new QScrollArea(this);
    rolagem->setObjectName("AreaPaineis");
    rolagem->setFrameShape(QFrame::NoFrame);
    rolagem->setWidgetResizable(true);
    rolagem->setWidget(area);
    return rolagem;
}

void TFusina::CriarTrocaPaginas() {
    TrocaPaginas = new QWidget(BarraMenus);
    TrocaPaginas->setObjectName("TrocaPaginas");
    auto* linha = new QHBoxLayout(TrocaPaginas);
    linha->setContentsMargins(0, 0, 4, 0);
    linha->setSpacing(2);
    const auto botao = [&](const char* nome) {
        auto* b = new QToolButton(TrocaPaginas);
        b->setObjectName(nome);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        linha->addWidget(b);
        return b;
    };
    BotaoPainel = botao("BotaoPainel");
    BotaoVistas = botao("BotaoVistas");
    connect(BotaoPainel, &QToolButton::clicked, this, [this] { MostrarPagina(false); });
    connect(BotaoVistas, &QToolButton::clicked, this, [this] { MostrarPagina(true); });
    BarraMenus->setCornerWidget(TrocaPaginas, Qt::TopRightCorner);
    TrocaPaginas->hide();
    TraduzirAbas();
}

QFrame* TFusina::CriarBanner() {
    Panel14 = new QFrame(this);
    Panel14->setObjectName("Panel14");
    Panel14->setFrameShape(QFrame::StyledPanel);
    Panel14->setFixedHeight(AlturaBanner);
    auto* texto = new QLabel(Panel14);
    texto->setObjectName("TextoBanner");
    TextoTraduzido(texto, "text", ContextoJanela, TextoBanner);
    texto->setAlignment(Qt::AlignCenter);
    auto* layout = new QHBoxLayout(Panel14);
    layout->addWidget(texto);
    return Panel14;
}

void TFusina::LigarEventos() {
    // Fires when the selection changes, by mouse or keyboard, not when the
    // chosen item is clicked again.
    connect(itens_, &QButtonGroup::idToggled, this, [this](int, bool marcado) {
        if (marcado) RadioGroup1Click();
    });
    connect(BitBtn1, &QPushButton::clicked, this, &TFusina::BitBtn1Click);
    connect(Button1, &QPushButton::clicked, this, &TFusina::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFusina::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TFusina::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TFusina::Button4Click);
    connect(DriveComboBox1, &QComboBox::activated, this, &TFusina::DriveComboBox1Change);
    connect(DriveComboBox2, &QComboBox::activated, this, &TFusina::DriveComboBox2Change);
    connect(DirectoryListBox1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { AbrirDiretorio(*seletor1_, item); });
    connect(DirectoryListBox2, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { AbrirDiretorio(*seletor2_, item); });
    LigarTeclado();
}

void TFusina::LigarTeclado() {
    // F9 runs the calculation from anywhere in the window.
    auto* f9 = new QShortcut(QKeySequence(Qt::Key_F9), this);
    f9->setObjectName("AtalhoExecutar");
    f9->setContext(Qt::WindowShortcut);
    connect(f9, &QShortcut::activated, this, &TFusina::BitBtn1Click);
    TextoTraduzido(BitBtn1, "toolTip", "TFusina", QT_TRANSLATE_NOOP("TFusina", "Executar (F9)"));

    // Enter in an input field does what the button of its panel does: the
    // plant inputs run the calculation, the two file names write their file.
    for (const CampoEntrada& entrada : CamposEntrada()) {
        auto* campo = findChild<QLineEdit*>(entrada.nome);
        if (campo == nullptr) continue;
        const std::string nome = entrada.nome;
        if (nome == "Etxt") {
            connect(campo, &QLineEdit::returnPressed, this, &TFusina::Button1Click);
        } else if (nome == "Ejpeg") {
            connect(campo, &QLineEdit::returnPressed, this, &TFusina::Button3Click);
        } else {
            connect(campo, &QLineEdit::returnPressed, this, &TFusina::BitBtn1Click);
        }
    }
}

void TFusina::LigarCamposTurbinaAlta() {
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        if (!c.soComTurbinaAlta) continue;
        QWidget* campo = findChild<QLineEdit*>(c.nome);
        QSizePolicy politica = campo->sizePolicy();
        politica.setRetainSizeWhenHidden(true);
        campo->setSizePolicy(politica);
    }
    connect(CheckBox1, &QCheckBox::toggled, this, &TFusina::MostrarCamposTurbinaAlta);
    MostrarCamposTurbinaAlta();
}

void TFusina::MostrarCamposTurbinaAlta() {
    const bool comTurbinaAlta = CheckBox1->isChecked();
    for (const CampoEntradaUsina& c : CamposEntradaUsina())
        if (c.soComTurbinaAlta) campos_->DefinirVisivel(c.nome, comTurbinaAlta);
}

void TFusina::DefinirDialogosImpressao(std::unique_ptr<DialogosImpressao> dialogos) {
    dialogos_ = std::move(dialogos);
}

void TFusina::DefinirDialogosArquivo(std::unique_ptr<DialogosArquivo> dialogos) {
    dialogosArquivo_ = std::move(dialogos);
}

void TFusina::RadioGroup1Click() {
    ExecutarTratando([this] {
        const int escolhido = itens_->checkedId();
        for (int i = 0; i < std::ssize(paineisPorItem_); ++i)
            paineisPorItem_[i]->setVisible(i == escolhido);
    });
    // The panel area takes the chosen panel's size, the views the rest; on
    // their own page the views give way to the panel chosen.
    divisaoArrastada_ = false;
    paginaVistas_ = false;
    QMetaObject::invokeMethod(this, &TFusina::OrganizarDivisao, Qt::QueuedConnection);
}

void TFusina::BitBtn1Click() {
    ExecutarTratando([this] {
        avisosExecucao_.clear();
        situacaoExecucao_ = SituacaoCalculo::SemCalculo;
        DefinirNota(nullptr);
        dicaNumero_ = nullptr;
        // Warnings found before a failure are shown too, followed by the
        // statement that the results are incomplete.
        const auto mostrarAvisos = [this] {
            avisosExecucao_ = AvisosComSafra(resultado_);
            situacaoExecucao_ = resultado_.situacao;
            MostrarNotaExecucao();
        };
        entradasExecucao_.clear();
        // The season's form is no written field: a text of it that is not a
        // number stops the run as one of theirs does, before anything runs.
        if (const CampoEntradaSafra* ilegivel = entradas_->SafraIlegivel()) {
            try {
                LerNumero(Safra->Texto(ilegivel->nome).toStdString(), SeparadorDecimal());
            } catch (const ErroConversao&) {
                saidasDeOutroCaso_ = true;
                MarcarSaidasAntigas();
                const EntradasSafra padrao;
                dicaNumero_ = [legenda = ilegivel->legenda, valor = padrao.*ilegivel->membro] {
                    return DicaNumero(legenda, valor);
                };
                MostrarNotaExecucao();
                throw;
            }
        }
        const EntradasSafra safra = entradas_->Entradas().safra;
        CamposGravados gravados(*campos_, camposExecucao_);
        executando_ = true;
        EntradasUsina lidas;
        try {
            lidas = CalcularUsinaNosCampos(gravados, resultado_, SeparadorDecimal(), &safra);
        } catch (...) {
            executando_ = false;
            // Refused or stopped: the panels keep numbers of another run.
            saidasDeOutroCaso_ = true;
            dicaNumero_ = DicaDoErro(std::current_exception());
            mostrarAvisos();
            AtualizarVistas();
            throw;
        }
        executando_ = false;
        saidasDeOutroCaso_ = false;
        // The inputs the run read, as typed, for the export of its results.
        turbinaAltaExecucao_ = lidas.comTurbinaAlta;
        entradasExecucao_ = EntradasLidasPorNome(lidas);
        mostrarAvisos();
        AtualizarVistas();
    });
}

void TFusina::Button1Click() {
    ExecutarTratando([this] {
        const QString nome = Etxt->text();
        ExigirResultadoCompleto(resultado_);
        ExigirNome(nome, tr("Digite o nome do arquivo do relatório antes de gravar"));
        const QString arquivo = nome + ".txt";
        if (!PodeGravar(arquivo)) return;
        EscreverRelatorio(nome.toStdString(), resultado_, CheckBox1->isChecked(),
                          SeparadorDecimal());
        seletor1_->Atualizar();
        seletor2_->MostrarArquivo(arquivo);
        DefinirNota([caminho = CaminhoMostrado(arquivo)] {
            return tr("Relatório gravado em %1").arg(caminho);
        });
    });
}

void TFusina::Button2Click() {
    ExecutarTratando([this] { ImprimirFluxograma(*dialogos_, Impressora(), figura_); });
}

void TFusina::Button3Click() {
    ExecutarTratando([this] {
        const QString nome = Ejpeg->text();
        ExigirNome(nome, tr("Digite o nome do arquivo da figura antes de salvar"));
        const QString arquivo = nome + ".jpg";
        if (!PodeGravar(arquivo)) return;
        SalvarFiguraJpeg(figura_, nome.toStdString());
        seletor2_->Atualizar();
        seletor1_->MostrarArquivo(arquivo);
        DefinirNota([caminho = CaminhoMostrado(arquivo)] {
            return tr("Figura salva em %1").arg(caminho);
        });
    });
}

void TFusina::Button4Click() {
    ExecutarTratando([this] { dialogos_->ConfigurarImpressora(Impressora()); });
}

void TFusina::DriveComboBox1Change() {
    ExecutarTratando([this] { seletor1_->EscolherUnidade(DriveComboBox1->currentIndex()); });
    AtualizarSeletores();
}

void TFusina::DriveComboBox2Change() {
    ExecutarTratando([this] { seletor2_->EscolherUnidade(DriveComboBox2->currentIndex()); });
    AtualizarSeletores();
}

void TFusina::AbrirDiretorio(SeletorDiretorio& seletor, QListWidgetItem* item) {
    ExecutarTratando([&] { seletor.AbrirEntrada(item); });
    AtualizarSeletores();
}

void TFusina::AtualizarSeletores() {
    // Both lists show the one working directory, whichever changed it. They
    // are rebuilt once the widget's own signal has returned, since rebuilding
    // deletes the entry or item that was just activated.
    QMetaObject::invokeMethod(
        this,
        [this] {
            ExecutarTratando([this] {
                seletor1_->Atualizar();
                seletor2_->Atualizar();
            });
        },
        Qt::QueuedConnection);
}

bool TFusina::PodeGravar(const QString& caminho) { return ::PodeGravar(*dialogosArquivo_, caminho); }

void TFusina::MostrarLinhaAviso() {
    LinhaAviso->setText(nota_ ? nota_() : QString());
    // Only the colour of the text is the line's own; the rest is the window's.
    QPalette paleta;
    if (tipoNota_ == TipoNota::Aviso) paleta.setColor(QPalette::WindowText, CorAviso);
    LinhaAviso->setPalette(paleta);
}

void TFusina::DefinirNota(Nota nota, TipoNota tipo) {
    nota_ = std::move(nota);
    tipoNota_ = tipo;
    notaDesatualizada_ = false;
    MostrarLinhaAviso();
}

void TFusina::MostrarNotaExecucao() {
    if (avisosExecucao_.empty() && TextoSituacaoTraduzida(situacaoExecucao_).isEmpty() &&
        !dicaNumero_) {
        DefinirNota(nullptr);
        return;
    }
    // The run's warnings are one message, with the statement that it did
    // not finish after them.
    DefinirNota(
        [this] {
            QStringList partes;
            const std::string separador = SeparadorDecimal();
            for (const AvisoUsina& aviso : avisosExecucao_)
                partes << TextoAvisoTraduzido(aviso, separador);
            if (const QString situacao = TextoSituacaoTraduzida(situacaoExecucao_);
                !situacao.isEmpty())
                partes << situacao;
            if (dicaNumero_) partes << dicaNumero_();
            return partes.join("  ");
        },
        TipoNota::Aviso);
}

void TFusina::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::LanguageChange) Retraduzir();
    QWidget::changeEvent(evento);
}

void TFusina::Retraduzir() {
    AtualizarTitulo();
    DefinirLinhasMemo(*Memo1, LinhasMemo1(), true);
    AjustarMemo1(*Memo1);
    DefinirLinhasMemo(*Memo2, LinhasMemo2(), false);
    AjustarAoTexto(*Memo2, 3);
    TraduzirAbas();
    MostrarDicas();
    MostrarLinhaAviso();
    PreencherRecentes();
    // Captions of another length: the panels take another width. Measured
    // once the labels' new texts are laid out.
    QMetaObject::invokeMethod(this, &TFusina::OrganizarDivisao, Qt::QueuedConnection);
}
