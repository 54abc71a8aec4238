// The main window's "Arquivo" menu: case files (new, open, save, recent),
// the export of the last run's results, the window title that names the case
// and marks unsaved changes, the question before changes are lost, and case
// files dropped on the window.
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

#include "io/CasoUsina.h"
#include "io/ErrosArquivo.h"
#include "io/ExportacaoResultados.h"
#include "plant/EntradasCampos.h"
#include "plant/TabelaEntradas.h"
#include "plant/TextosPadrao.h"
#include "plant/ValidacaoEntradas.h"
#include "ui/analise/JanelaAnalise.h"
#include "ui/comum/DialogosArquivo.h"
#include "ui/comum/GravarArquivo.h"
#include "ui/janela/DialogoPropriedadesCaso.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/MensagensNucleo.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/comum/TextoLiteral.h"
#include "ui/comum/TratadorErros.h"
#include "ui/janela/CamposJanela.h"
#include "ui/janela/CasosRecentes.h"
#include "ui/janela/DefinicaoJanela.h"
#include "ui/janela/Uusina.h"
#include "ui/vistas/VistaSafra.h"

namespace {

constexpr const char* SufixoCaso = ".usina";
constexpr int LarguraRecente = 480;  // pixels of a path in "Abrir recente"

// A path for the C library (the file system's own bytes).
std::string CaminhoLocal(const QString& caminho) { return QFile::encodeName(caminho).toStdString(); }

QString Mostrado(const QString& caminho) {
    return QDir::toNativeSeparators(QFileInfo(caminho).absoluteFilePath());
}

// The case file among the dropped URLs: the first local file ending in
// .usina, or empty.
QString CasoArrastado(const QMimeData* dados) {
    if (dados == nullptr || !dados->hasUrls()) return {};
    for (const QUrl& url : dados->urls()) {
        const QString local = url.toLocalFile();
        if (!local.isEmpty() && local.endsWith(SufixoCaso, Qt::CaseInsensitive)) return local;
    }
    return {};
}

void GravarTexto(const QString& caminho, const std::string& conteudo) {
    GravarArquivo(caminho, QByteArray::fromStdString(conteudo));
}

}  // namespace

QMenuBar* TFusina::CriarMenus() {
    BarraMenus = new QMenuBar(this);
    BarraMenus->setObjectName("BarraMenus");
    MenuArquivo = MenuTraduzido(BarraMenus, "MenuArquivo", "TFusina",
                                QT_TRANSLATE_NOOP("TFusina", "&Arquivo"));

    const auto acao = [this](const char* nome, const char* texto, const QKeySequence& atalho) {
        return AcaoTraduzida(MenuArquivo, nome, "TFusina", texto, atalho);
    };
    AcaoNovo = acao("AcaoNovo", QT_TRANSLATE_NOOP("TFusina", "&Novo"),
                    QKeySequence(Qt::CTRL | Qt::Key_N));
    AcaoAbrir = acao("AcaoAbrir", QT_TRANSLATE_NOOP("TFusina", "&Abrir…"),
                     QKeySequence(Qt::CTRL | Qt::Key_O));
    MenuRecentes = MenuTraduzido(MenuArquivo, "MenuRecentes", "TFusina",
                                 QT_TRANSLATE_NOOP("TFusina", "Abrir &recente"));
    MenuArquivo->addSeparator();
    AcaoSalvar = acao("AcaoSalvar", QT_TRANSLATE_NOOP("TFusina", "&Salvar"),
                      QKeySequence(Qt::CTRL | Qt::Key_S));
    AcaoSalvarComo = acao("AcaoSalvarComo", QT_TRANSLATE_NOOP("TFusina", "Salvar &como…"),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    AcaoPropriedadesCaso = acao("AcaoPropriedadesCaso",
                                QT_TRANSLATE_NOOP("TFusina", "Propriedades do caso…"), QKeySequence());
    MenuArquivo->addSeparator();
    AcaoExportar =
        acao("AcaoExportar", QT_TRANSLATE_NOOP("TFusina", "&Exportar resultados…"), QKeySequence());
    AcaoRelatorioPdf = acao("AcaoRelatorioPdf", QT_TRANSLATE_NOOP("TFusina", "Relatório &PDF…"),
                            QKeySequence(Qt::CTRL | Qt::Key_P));
    MenuArquivo->addSeparator();
    AcaoSair = acao("AcaoSair", QT_TRANSLATE_NOOP("TFusina", "Sa&ir"),
                    QKeySequence(Qt::CTRL | Qt::Key_Q));

    connect(AcaoNovo, &QAction::triggered, this, &TFusina::NovoClick);
    connect(AcaoAbrir, &QAction::triggered, this, &TFusina::AbrirClick);
    connect(AcaoSalvar, &QAction::triggered, this, [this] { SalvarClick(); });
    connect(AcaoSalvarComo, &QAction::triggered, this, [this] { SalvarComoClick(); });
    connect(AcaoPropriedadesCaso, &QAction::triggered, this, &TFusina::PropriedadesCasoClick);
    connect(AcaoExportar, &QAction::triggered, this, &TFusina::ExportarClick);
    connect(AcaoRelatorioPdf, &QAction::triggered, this, &TFusina::RelatorioPdfClick);
    connect(AcaoSair, &QAction::triggered, this, &QWidget::close);
    // The list may have changed in another window of the program.
    connect(MenuArquivo, &QMenu::aboutToShow, this, &TFusina::PreencherRecentes);
    PreencherRecentes();
    return BarraMenus;
}

void TFusina::PreencherRecentes() {
    // The entries go later, not at once: the one chosen may be the caller.
    for (QAction* antiga : MenuRecentes->actions()) {
        MenuRecentes->removeAction(antiga);
        antiga->deleteLater();
    }
    const QStringList lista = CasosRecentes::Lista();
    const QFontMetrics medidas(MenuRecentes->font());
    const QString pessoal = QDir::homePath() + "/";
    for (qsizetype i = 0; i < lista.size(); ++i) {
        const QString& caminho = lista[i];
        QString texto = caminho.startsWith(pessoal) ? "~/" + caminho.mid(pessoal.size()) : caminho;
        texto = medidas.elidedText(QDir::toNativeSeparators(texto), Qt::ElideMiddle, LarguraRecente);
        texto.replace("&", "&&");
        QAction* a = MenuRecentes->addAction(QString("&%1 %2").arg(i + 1).arg(texto));
        a->setData(caminho);
        a->setToolTip(DicaLiteral(QDir::toNativeSeparators(caminho)));
        connect(a, &QAction::triggered, this, [this, caminho] { AbrirRecenteClick(caminho); });
    }
    if (!lista.isEmpty()) {
        MenuRecentes->addSeparator();
        QAction* limpar = MenuRecentes->addAction(tr("&Limpar lista"));
        limpar->setObjectName("AcaoLimparRecentes");
        connect(limpar, &QAction::triggered, this, [this] {
            CasosRecentes::Limpar();
            PreencherRecentes();
        });
    }
    MenuRecentes->menuAction()->setEnabled(!lista.isEmpty());
}

void TFusina::LigarCaso() {
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        if (QLineEdit* campo = findChild<QLineEdit*>(c.nome))
            connect(campo, &QLineEdit::textChanged, this, &TFusina::AtualizarTitulo);
    }
    connect(CheckBox1, &QCheckBox::toggled, this, &TFusina::AtualizarTitulo);
    AtualizarTitulo();
}

bool TFusina::CasoAlterado() const {
    // A field that is not a number is no number of the case.
    return !entradas_->Iguais(entradasCaso_) || descricaoCaso_ != descricaoArquivo_;
}

void TFusina::DefinirDescricaoCaso(const QString& descricao) {
    descricaoCaso_ = descricao.toStdString();
    AtualizarTitulo();
}

void TFusina::PropriedadesCasoClick() {
    ExecutarTratando([this] {
        std::optional<QString> digitada;
        if (editarDescricao_) {
            digitada = editarDescricao_(NomeCaso(), DescricaoCaso());
        } else {
            DialogoPropriedadesCaso dialogo(NomeCaso(), DescricaoCaso(), this);
            if (dialogo.exec() == QDialog::Accepted) digitada = dialogo.Descricao();
        }
        if (digitada) DefinirDescricaoCaso(*digitada);
    });
}

QString TFusina::NomeCaso() const {
    return caminhoCaso_.isEmpty() ? tr("Sem título") : QFileInfo(caminhoCaso_).fileName();
}

void TFusina::AtualizarTitulo() {
    QString legenda = QCoreApplication::translate(ContextoJanela, TituloJanela);
    // A package other than the default is always in sight.
    if (campos_ && campos_->Propriedades() != Formulacao::Kkhm1969)
        legenda += QString::fromUtf8(" — ") + tr("propriedades IAPWS-IF97");
    const bool alterado = CasoAlterado();
    if (Analise != nullptr) Analise->DefinirNomeCaso(NomeCaso() + (alterado ? "*" : ""));
    if (caminhoCaso_.isEmpty() && !alterado) {
        setWindowTitle(legenda);
        return;
    }
    setWindowTitle(NomeCaso() + (alterado ? "*" : "") + QString::fromUtf8(" — ") + legenda);
}

bool TFusina::PodeDescartarAlteracoes() {
    if (!CasoAlterado()) return true;
    const QString nome = NomeCaso();
    switch (dialogosArquivo_->PerguntarAlteracoes(nome)) {
    case RespostaAlteracoes::Salvar:
        return SalvarClick();
    case RespostaAlteracoes::Descartar:
        return true;
    case RespostaAlteracoes::Cancelar:
        break;
    }
    return false;
}

void TFusina::MostrarCaso(const QString& caminho, const CasoLido& lido) {
    caminhoCaso_ = QFileInfo(caminho).absoluteFilePath();
    entradasCaso_ = lido.caso.entradas;
    descricaoCaso_ = lido.caso.descricao;
    descricaoArquivo_ = lido.caso.descricao;
    for (const auto& [nome, texto] : TextosDoCaso(lido.caso.entradas, SeparadorDecimal()))
        campos_->DefinirTexto(nome, texto);
    CheckBox1->setChecked(lido.caso.entradas.comTurbinaAlta);
    Safra->DefinirEntradas(lido.caso.entradas.safra);
    DefinirFormulacao(lido.caso.entradas.propriedades);
    CasosRecentes::Acrescentar(caminhoCaso_);
    PreencherRecentes();

    // The output panels still show the last run, made from other inputs.
    // The reading's warnings are composed from their kinds each time the
    // note is shown, in the language of the moment.
    const std::vector<AvisoCaso> avisos = lido.avisosTipados;
    const bool anterior = resultado_.situacao != SituacaoCalculo::SemCalculo;
    DefinirNota(
        [avisos, anterior] {
            QStringList nota;
            for (const AvisoCaso& aviso : avisos)
                nota << TextoAvisoCasoTraduzido(aviso, IdiomaAtual());
            if (anterior) nota << tr("Caso aberto: os resultados mostrados são do cálculo anterior.");
            return nota.join("  ");
        },
        avisos.empty() ? TipoNota::Informacao : TipoNota::Aviso);
    saidasDeOutroCaso_ = true;
    MarcarSaidasAntigas();
    AtualizarTitulo();
}

void TFusina::AplicarEntradas(const EntradasUsina& entradas) {
    for (const auto& [nome, texto] : TextosDoCaso(entradas, SeparadorDecimal()))
        campos_->DefinirTexto(nome, texto);
    CheckBox1->setChecked(entradas.comTurbinaAlta);
    Safra->DefinirEntradas(entradas.safra);
    DefinirFormulacao(entradas.propriedades);
    DefinirNota([] { return tr("Resposta da análise aplicada às entradas: clique em \"Executar\"."); });
    AtualizarTitulo();
}

bool TFusina::AbrirCaso(const QString& caminho) {
    bool aberto = false;
    ExecutarTratando([&] {
        // A file that cannot be read is refused before anything is asked.
        const CasoLido lido = LerCaso(CaminhoLocal(caminho), SeparadorDecimal());
        if (!PodeDescartarAlteracoes()) return;
        MostrarCaso(caminho, lido);
        aberto = true;
    });
    return aberto;
}

void TFusina::NovoClick() {
    ExecutarTratando([this] {
        if (!PodeDescartarAlteracoes()) return;
        caminhoCaso_.clear();
        entradasCaso_ = EntradasUsina{};
        descricaoCaso_.clear();
        descricaoArquivo_.clear();
        const std::string separador = SeparadorDecimal();
        for (const CampoEntradaUsina& c : CamposEntradaUsina())
            campos_->DefinirTexto(c.nome, TextoPadrao(c.nome, separador));
        CheckBox1->setChecked(entradasCaso_.comTurbinaAlta);
        Safra->DefinirEntradas(entradasCaso_.safra);
        DefinirFormulacao(entradasCaso_.propriedades);
        if (resultado_.situacao != SituacaoCalculo::SemCalculo)
            DefinirNota(
                [] { return tr("Caso novo: os resultados mostrados são do cálculo anterior."); });
        else
            DefinirNota(nullptr);
        saidasDeOutroCaso_ = true;
        MarcarSaidasAntigas();
        AtualizarTitulo();
    });
}

void TFusina::AbrirClick() {
    ExecutarTratando([this] {
        if (!PodeDescartarAlteracoes()) return;
        const QString inicial =
            caminhoCaso_.isEmpty() ? QDir::currentPath() : QFileInfo(caminhoCaso_).absolutePath();
        const QString escolhido = dialogosArquivo_->EscolherCasoParaAbrir(inicial);
        if (escolhido.isEmpty()) return;
        MostrarCaso(escolhido, LerCaso(CaminhoLocal(escolhido), SeparadorDecimal()));
    });
}

void TFusina::AbrirRecenteClick(const QString& caminho) {
    ExecutarTratando([&] {
        if (!QFileInfo::exists(caminho)) {
            CasosRecentes::Retirar(caminho);
            PreencherRecentes();
            throw ErroArquivo(
                tr("O arquivo \"%1\" não existe mais e foi retirado da lista de recentes")
                    .arg(Mostrado(caminho))
                    .toStdString());
        }
        AbrirCaso(caminho);
    });
}

CasoUsina TFusina::CasoParaSalvar() const {
    const std::string separador = SeparadorDecimal();
    CasoUsina caso;
    caso.entradas = EntradasDaJanela();
    caso.descricao = descricaoCaso_;
    // Refused as a run would refuse it (after the reading limits) ...
    ValidarEntradas(ComLimites(caso.entradas), separador);
    // ... and as the reading of the file would: the high-pressure turbine's
    // fields are kept, and checked, also without the turbine.
    (void)CasoDeJson(CasoParaJson(caso),
                     caminhoCaso_.isEmpty() ? std::string("Sem título")
                                            : QFileInfo(caminhoCaso_).fileName().toStdString(),
                     separador);
    return caso;
}

void TFusina::GravarCasoNoArquivo(const QString& caminho, const CasoUsina& caso) {
    GravarCaso(CaminhoLocal(caminho), caso, SeparadorDecimal());
    caminhoCaso_ = QFileInfo(caminho).absoluteFilePath();
    entradasCaso_ = caso.entradas;
    descricaoArquivo_ = caso.descricao;
    CasosRecentes::Acrescentar(caminhoCaso_);
    PreencherRecentes();
    AtualizarTitulo();
}

bool TFusina::SalvarClick() {
    if (caminhoCaso_.isEmpty()) return SalvarComoClick();
    bool salvo = false;
    ExecutarTratando([&] {
        GravarCasoNoArquivo(caminhoCaso_, CasoParaSalvar());
        salvo = true;
    });
    return salvo;
}

bool TFusina::SalvarComoClick() {
    bool salvo = false;
    ExecutarTratando([&] {
        // Inputs that cannot be saved are refused before a name is asked for.
        const CasoUsina caso = CasoParaSalvar();
        const QString inicial = caminhoCaso_.isEmpty()
                                    ? QDir::current().absoluteFilePath(QString("caso") + SufixoCaso)
                                    : caminhoCaso_;
        QString escolhido = dialogosArquivo_->EscolherCasoParaSalvar(inicial);
        if (escolhido.isEmpty()) return;
        if (!escolhido.endsWith(SufixoCaso, Qt::CaseInsensitive)) escolhido += SufixoCaso;
        // Saving again under the case's own name needs no question.
        if (QFileInfo(escolhido).absoluteFilePath() != caminhoCaso_ && !PodeGravar(escolhido))
            return;
        GravarCasoNoArquivo(escolhido, caso);
        salvo = true;
    });
    return salvo;
}

void TFusina::ExportarClick() {
    ExecutarTratando([this] {
        ExigirResultadoCompleto(resultado_);
        const QString base = caminhoCaso_.isEmpty()
                                 ? QDir::current().absoluteFilePath("resultados")
                                 : QFileInfo(caminhoCaso_).absolutePath() + "/" +
                                       QFileInfo(caminhoCaso_).completeBaseName();
        const QString escolhido = dialogosArquivo_->EscolherExportacao(base + ".csv");
        if (escolhido.isEmpty()) return;
        const bool json = escolhido.endsWith(".json", Qt::CaseInsensitive);
        if (!json && !escolhido.endsWith(".csv", Qt::CaseInsensitive))
            throw ErroArquivo(
                tr("Escolha um nome terminado em .csv ou .json para exportar os resultados")
                    .toStdString());
        if (!PodeGravar(escolhido)) return;
        const std::string separador = SeparadorDecimal();
        if (json)
            GravarTexto(escolhido, ResultadosJson(entradasExecucao_, turbinaAltaExecucao_, resultado_,
                                                  camposExecucao_, separador));
        else
            GravarCsv(escolhido, ResultadosCsv(resultado_, separador, CabecalhoPressao::BarAbsoluto));
        DefinirNota([caminho = Mostrado(escolhido)] {
            return tr("Resultados exportados para %1").arg(caminho);
        });
    });
}

void TFusina::closeEvent(QCloseEvent* evento) {
    bool fechar = true;
    ExecutarTratando([&] { fechar = PodeDescartarAlteracoes(); });
    if (fechar) {
        // The analysis tools stop their work and their window goes too.
        analise_->Encerrar();
        analise_->close();
        evento->accept();
    } else {
        evento->ignore();
    }
}

void TFusina::dragEnterEvent(QDragEnterEvent* evento) {
    if (!CasoArrastado(evento->mimeData()).isEmpty()) evento->acceptProposedAction();
}

void TFusina::dropEvent(QDropEvent* evento) {
    const QString caminho = CasoArrastado(evento->mimeData());
    if (caminho.isEmpty()) return;
    evento->acceptProposedAction();
    // Opened once the drop has finished: the question and the error box are
    // modal and must not hold up the program the file was dragged from.
    QMetaObject::invokeMethod(this, [this, caminho] { AbrirCaso(caminho); }, Qt::QueuedConnection);
}
