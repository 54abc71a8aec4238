// The window's views of the whole plant: the tab widget beside the panels,
// the "Exibir" menu, the tooltips of the input fields and the tracking of
// results that no longer match the inputs.
#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>

#include "io/CasoUsina.h"
#include "plant/EntradasCampos.h"
#include "plant/ErrosPlanta.h"
#include "plant/ResultadoUsina.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSafra.h"
#include "plant/ValidacaoEntradas.h"
#include "ui/analise/VistaComparacao.h"
#include "ui/analise/VistaEstudo.h"
#include "ui/comum/AvisosVista.h"
#include "ui/comum/DialogosArquivo.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/comum/TextosNucleoJanela.h"
#include "ui/comum/TratadorErros.h"
#include "ui/figura/FluxogramaResultados.h"
#include "ui/janela/CamposJanela.h"
#include "ui/janela/DefinicaoJanela.h"
#include "ui/janela/RelatorioPdf.h"
#include "ui/janela/Uusina.h"
#include "ui/vistas/TabelasHtml.h"
#include "ui/vistas/VistaCorrentes.h"
#include "ui/vistas/VistaDiagramaTs.h"
#include "ui/vistas/VistaExergia.h"
#include "ui/vistas/VistaFluxograma.h"
#include "ui/vistas/VistaIndicadores.h"
#include "ui/vistas/VistaSafra.h"

namespace {

// Pixels the views keep at least: beside the panels, or below them on a
// narrow window.
constexpr int LarguraMinimaVistas = 480;
constexpr int AlturaMinimaVistas = 200;

}  // namespace

QWidget* TFusina::CriarVistas() {
    Vistas = new QTabWidget(this);
    Vistas->setObjectName("Vistas");
    Vistas->setDocumentMode(true);
    FluxogramaResultados = new VistaFluxograma(Vistas);
    Correntes = new VistaCorrentes(Vistas);
    Indicadores = new VistaIndicadores(Vistas);
    Vistas->addTab(FluxogramaResultados, QString());
    Vistas->addTab(Correntes, QString());
    Vistas->addTab(Indicadores, QString());
    // The season: its inputs, and its figures from the last run.
    Safra = new VistaSafra(Vistas);
    Vistas->addTab(Safra, QString());
    // A divider the user dragged stays where it was put.
    connect(Divisao, &QSplitter::splitterMoved, this, [this] { divisaoArrastada_ = true; });

    // The comparison runs its own cases from the fields' inputs.
    Comparacao = new VistaComparacao(Vistas);
    Vistas->addTab(Comparacao, QString());
    Comparacao->DefinirEscolhaCaso([this] {
        return dialogosArquivo_->EscolherCasoParaAbrir(
            caminhoCaso_.isEmpty() ? QDir::currentPath() : caminhoCaso_);
    });

    // The study takes its base case from the fields when it starts.
    Estudo = new VistaEstudo(Vistas);
    Vistas->insertTab(Vistas->indexOf(Comparacao), Estudo, QString());

    // The charts of the last finished run.
    Exergia = new VistaExergia(Vistas);
    DiagramaTs = new VistaDiagramaTs(Vistas);
    Vistas->addTab(Exergia, QString());
    Vistas->addTab(DiagramaTs, QString());
    TraduzirAbas();
    vistasResultado_ = {FluxogramaResultados, Correntes, Indicadores, Safra, Exergia, DiagramaTs};

    // Every export asks for its name and before replacing a file through
    // the window's dialogues, so that tests answer them.
    const auto escolha = [this](const QString& titulo, const QString& inicial,
                                const QStringList& filtros, const QStringList& sufixos) {
        return dialogosArquivo_->EscolherArquivoParaGravar(titulo, inicial, filtros, sufixos);
    };
    const auto confirmacao = [this](const QString& caminho) { return PodeGravar(caminho); };
    for (VistaResultado* vista : vistasResultado_) {
        vista->DefinirEscolhaArquivo(escolha);
        vista->DefinirConfirmacaoSubstituir(confirmacao);
    }
    Estudo->DefinirEscolhaArquivo(escolha);
    Estudo->DefinirConfirmacaoSubstituir(confirmacao);
    Comparacao->DefinirEscolhaArquivo(escolha);
    Comparacao->DefinirConfirmacaoSubstituir(confirmacao);
    return Vistas;
}

void TFusina::TraduzirAbas() {
    const struct {
        QWidget* vista;
        const char* titulo;
    } abas[] = {
        {FluxogramaResultados, QT_TRANSLATE_NOOP("TFusina", "Fluxograma com resultados")},
        {Correntes, QT_TRANSLATE_NOOP("TFusina", "Tabela de correntes")},
        {Indicadores, QT_TRANSLATE_NOOP("TFusina", "Indicadores")},
        {Safra, QT_TRANSLATE_NOOP("TFusina", "Safra")},
        {Estudo, QT_TRANSLATE_NOOP("TFusina", "Estudo paramétrico")},
        {Comparacao, QT_TRANSLATE_NOOP("TFusina", "Comparar casos")},
        {Exergia, QT_TRANSLATE_NOOP("TFusina", "Exergia")},
        {DiagramaTs, QT_TRANSLATE_NOOP("TFusina", "Diagrama T-s")},
    };
    for (const auto& aba : abas)
        if (const int i = Vistas->indexOf(aba.vista); i >= 0) Vistas->setTabText(i, tr(aba.titulo));
}

void TFusina::CriarMenuExibir() {
    MenuExibir = MenuTraduzido(BarraMenus, "MenuExibir", "TFusina",
                               QT_TRANSLATE_NOOP("TFusina", "E&xibir"));
    const auto acao = [this](const char* nome, const char* texto, int tecla, QWidget* vista) {
        QAction* a =
            AcaoTraduzida(MenuExibir, nome, "TFusina", texto, QKeySequence(Qt::CTRL | tecla));
        connect(a, &QAction::triggered, this, [this, vista] { ExibirVista(vista); });
        return a;
    };
    AcaoExibirFluxograma =
        acao("AcaoExibirFluxograma", QT_TRANSLATE_NOOP("TFusina", "&Fluxograma com resultados"),
             Qt::Key_1, FluxogramaResultados);
    AcaoExibirCorrentes = acao("AcaoExibirCorrentes",
                               QT_TRANSLATE_NOOP("TFusina", "&Tabela de correntes"), Qt::Key_2,
                               Correntes);
    AcaoExibirIndicadores = acao("AcaoExibirIndicadores",
                                 QT_TRANSLATE_NOOP("TFusina", "&Indicadores"), Qt::Key_3,
                                 Indicadores);
    AcaoExibirSafra = acao("AcaoExibirSafra", QT_TRANSLATE_NOOP("TFusina", "&Safra"), Qt::Key_8, Safra);
}

void TFusina::LigarFontesEntradas() {
    // The numbers the input fields hold, each text read once when it
    // changes, a run's rewriting included; connected before anything that
    // asks for them when a field or the configuration changes.
    entradas_ = std::make_unique<EntradasCampos>(*campos_, SeparadorDecimal());
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        auto* campo = findChild<QLineEdit*>(c.nome);
        if (campo == nullptr) continue;
        connect(campo, &QLineEdit::textChanged, this,
                [this, nome = std::string(c.nome)](const QString& texto) {
                    entradas_->TextoMudou(nome, texto.toStdString());
                });
    }
    connect(CheckBox1, &QCheckBox::toggled, this,
            [this](bool marcado) { entradas_->TurbinaAltaMudou(marcado); });
    // The season's form: read as the written fields are, and a change of it
    // stales the views and the case as theirs does.
    connect(Safra, &VistaSafra::TextoMudou, this, [this](const std::string& nome, const QString& texto) {
        entradas_->TextoMudou(nome, texto.toStdString());
        VerificarDesatualizado();
        AtualizarTitulo();
    });
    // The study and the comparison read the fields' inputs when they run.
    const auto fonte = [this] { return EntradasDaJanela(); };
    Comparacao->DefinirFonteEntradas(fonte);
    Estudo->DefinirFonteEntradas(fonte);
    connect(CheckBox1, &QCheckBox::toggled, Estudo, &VistaEstudo::AtualizarCampos);
}

EntradasUsina TFusina::EntradasDaJanela() const {
    // A field that is not a number is refused as saving the case refuses
    // it: the case's message names the field.
    if (!entradas_->Legiveis()) {
        EntradasUsina entradas = CasoDosCampos(*campos_, SeparadorDecimal()).entradas;
        if (const CampoEntradaSafra* c = entradas_->SafraIlegivel())
            throw ErroTextoDoCampo(c->nome, Safra->Texto(c->nome).toStdString());
        return entradas;
    }
    return entradas_->Entradas();
}

void TFusina::DefinirFormulacao(Formulacao formulacao) {
    campos_->DefinirPropriedades(formulacao);
    entradas_->PropriedadesMudou(formulacao);
    (formulacao == Formulacao::If97 ? AcaoPropriedadesIf97 : AcaoPropriedades1969)->setChecked(true);
    VerificarDesatualizado();
    AtualizarTitulo();
}

void TFusina::CriarMenuAnalise() {
    MenuAnalise = MenuTraduzido(BarraMenus, "MenuAnalise", "TFusina",
                                QT_TRANSLATE_NOOP("TFusina", "A&nálise"));
    const auto acao = [this](const char* nome, const char* texto, const QKeySequence& atalho) {
        return AcaoTraduzida(MenuAnalise, nome, "TFusina", texto, atalho);
    };
    AcaoEstudo = acao("AcaoEstudo", QT_TRANSLATE_NOOP("TFusina", "&Estudo paramétrico"),
                      QKeySequence(Qt::CTRL | Qt::Key_4));
    AcaoCompararCasos = acao("AcaoCompararCasos", QT_TRANSLATE_NOOP("TFusina", "&Comparar casos"),
                             QKeySequence(Qt::CTRL | Qt::Key_5));
    AcaoCompararConfiguracoes = acao(
        "AcaoCompararConfiguracoes",
        QT_TRANSLATE_NOOP("TFusina", "Comparar &configurações (com e sem a turbina de alta)"),
        QKeySequence());
    AcaoCompararFormulacoes = acao(
        "AcaoCompararFormulacoes",
        QT_TRANSLATE_NOOP("TFusina", "Comparar &formulações (1969 e IAPWS-IF97)"), QKeySequence());
    // The property package: one of the two, always.
    MenuPropriedades = MenuTraduzido(MenuAnalise, "MenuPropriedades", "TFusina",
                                     QT_TRANSLATE_NOOP("TFusina", "&Propriedades da água"));
    auto* grupo = new QActionGroup(MenuPropriedades);
    grupo->setExclusive(true);
    AcaoPropriedades1969 = AcaoTraduzida(
        MenuPropriedades, "AcaoPropriedades1969", "TFusina",
        QT_TRANSLATE_NOOP("TFusina", "Keenan, Keyes, Hill e Moore (1969), padrão"), QKeySequence());
    AcaoPropriedadesIf97 = AcaoTraduzida(MenuPropriedades, "AcaoPropriedadesIf97", "TFusina",
                                         QT_TRANSLATE_NOOP("TFusina", "IAPWS-IF97"), QKeySequence());
    for (QAction* a : {AcaoPropriedades1969, AcaoPropriedadesIf97}) {
        a->setCheckable(true);
        grupo->addAction(a);
    }
    AcaoPropriedades1969->setChecked(true);
    connect(AcaoPropriedades1969, &QAction::triggered, this,
            [this] { DefinirFormulacao(Formulacao::Kkhm1969); });
    connect(AcaoPropriedadesIf97, &QAction::triggered, this,
            [this] { DefinirFormulacao(Formulacao::If97); });
    connect(AcaoCompararFormulacoes, &QAction::triggered, this, [this] {
        ExibirVista(Comparacao);
        ExecutarTratando([this] { Comparacao->CompararFormulacoes(); });
    });
    MenuAnalise->addSeparator();
    AcaoExergia = acao("AcaoExergia", QT_TRANSLATE_NOOP("TFusina", "E&xergia"),
                       QKeySequence(Qt::CTRL | Qt::Key_6));
    AcaoDiagramaTs = acao("AcaoDiagramaTs", QT_TRANSLATE_NOOP("TFusina", "Diagrama &T-s"),
                          QKeySequence(Qt::CTRL | Qt::Key_7));
    connect(AcaoEstudo, &QAction::triggered, this, [this] { ExibirVista(Estudo); });
    connect(AcaoCompararCasos, &QAction::triggered, this, [this] { ExibirVista(Comparacao); });
    connect(AcaoExergia, &QAction::triggered, this, [this] { ExibirVista(Exergia); });
    connect(AcaoDiagramaTs, &QAction::triggered, this, [this] { ExibirVista(DiagramaTs); });
    connect(AcaoCompararConfiguracoes, &QAction::triggered, this, [this] {
        ExibirVista(Comparacao);
        ExecutarTratando([this] { Comparacao->CompararConfiguracoes(); });
    });
}

void TFusina::ExibirVista(QWidget* vista) {
    Vistas->setCurrentWidget(vista);
    // Below the panels on a small window the views get most of the height,
    // until a panel is chosen again.
    if (Divisao->orientation() == Qt::Vertical) {
        const int total = Divisao->height() - Divisao->handleWidth();
        Divisao->setSizes({total / 4, total - total / 4});
        divisaoArrastada_ = true;
    }
    vista->setFocus();
}

void TFusina::DefinirDicas() {
    MostrarDicas();
    for (const CampoEntradaUsina& c : CamposEntradaUsina())
        if (auto* campo = findChild<QLineEdit*>(c.nome))
            connect(campo, &QLineEdit::textChanged, this, &TFusina::VerificarDesatualizado);
    TextoTraduzido(CheckBox1, "toolTip", "TFusina",
                   QT_TRANSLATE_NOOP("TFusina", "Marcado: a usina tem a turbina de alta pressão.\n"
                                                "Desmarcado: o vapor vivo vai direto ao coletor."));
    connect(CheckBox1, &QCheckBox::toggled, this, &TFusina::VerificarDesatualizado);
}

void TFusina::MostrarDicas() {
    const std::string separador = SeparadorDecimal();
    for (const CampoEntradaUsina& c : CamposEntradaUsina())
        if (auto* campo = findChild<QLineEdit*>(c.nome)) campo->setToolTip(DicaEntrada(c, separador));
}

void TFusina::AtualizarVistas() {
    if (resultado_.situacao == SituacaoCalculo::Completo) {
        resultadoCompleto_ = std::make_unique<ResultadoUsina>(resultado_);
        // The inputs as the fields hold them once the run has rewritten
        // them; a field the run did not read may still be no number, and
        // the views are then stale from the start.
        entradasCompleto_ = entradas_->Entradas();
        for (VistaResultado* vista : vistasResultado_) vista->MostrarResultado(*resultadoCompleto_);
        vistasNovas_ = true;  // their notices hidden: set again below
    }
    VerificarDesatualizado();
}

void TFusina::VerificarDesatualizado() {
    if (executando_) return;
    Comparacao->Atualizar();  // lazy while the comparison is not shown
    // A field that is not a number matches no run.
    const bool desatualizado = resultadoCompleto_ && !entradas_->Iguais(entradasCompleto_);
    // A run whose states did not all converge is shown as a stale one is:
    // its numbers may mean nothing.
    const bool naoConfiavel = resultadoCompleto_ && ResultadoNaoConfiavel(resultadoCompleto_->avisos);
    if (desatualizado == desatualizado_ && naoConfiavel == naoConfiavel_ && resultadoCompleto_ &&
        !vistasNovas_) {
        MarcarSaidasAntigas();
        return;
    }
    // The line's news: results that just went stale (or a run stale from
    // the start); back to the run's own message when they match again.
    const bool ficouDesatualizado = desatualizado && (!desatualizado_ || vistasNovas_);
    vistasNovas_ = false;
    desatualizado_ = desatualizado;
    naoConfiavel_ = naoConfiavel;
    for (VistaResultado* vista : vistasResultado_)
        vista->MarcarDesatualizado(desatualizado_ || naoConfiavel_);
    DefinirMotivoAvisos(Vistas, !desatualizado_ && naoConfiavel_);
    // After a run that stopped, the line already says the results are
    // incomplete; the views still say their own results are stale.
    if (ficouDesatualizado && resultado_.situacao == SituacaoCalculo::Completo) {
        DefinirNota(TextoDesatualizadoTraduzido, TipoNota::Aviso);
        notaDesatualizada_ = true;
    } else if (!desatualizado_ && notaDesatualizada_) {
        MostrarNotaExecucao();
    }
    MarcarSaidasAntigas();
}

void TFusina::MarcarSaidasAntigas() {
    const bool cinza = saidasDeOutroCaso_ || desatualizado_;
    if (cinza == saidasCinza_) return;
    saidasCinza_ = cinza;
    // The texts stay; only their colour says they are from another run.
    const QColor cor = palette().color(cinza ? QPalette::Disabled : QPalette::Active, QPalette::Text);
    for (const DefinicaoPainel& painel : PaineisJanela()) {
        if (painel.forma != FormaPainel::Dados) continue;
        for (const LinhaCampo& linha : painel.linhas) {
            if (linha.tipo == TipoCampo::Entrada) continue;
            QLineEdit* campo = this->*linha.campo;
            QPalette paleta = campo->palette();
            paleta.setColor(QPalette::Text, cor);
            campo->setPalette(paleta);
        }
    }
}

QSize TFusina::ExtraAreaPaineis() const {
    // The grid's margins, a vertical scroll bar and the scroll area's frame.
    const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return {8 + barra + 4, 12 + 4};
}

void TFusina::OrganizarDivisao() {
    if (Divisao == nullptr || larguraPaineis_ == 0) return;
    const Qt::Orientation desejada =
        Divisao->width() >= larguraPaineis_ + LarguraMinimaVistas + Divisao->handleWidth()
            ? Qt::Horizontal
            : Qt::Vertical;
    if (desejada != Divisao->orientation()) {
        Divisao->setOrientation(desejada);
        divisaoArrastada_ = false;
    }
    if (divisaoArrastada_) return;  // the user's own choice stays
    const bool lado = desejada == Qt::Horizontal;
    const int total = (lado ? Divisao->width() : Divisao->height()) - Divisao->handleWidth();
    const QSize painel =
        paineisPorItem_[static_cast<std::size_t>(std::max(0, itens_->checkedId()))]->sizeHint() +
        ExtraAreaPaineis();
    const int minimoVistas = lado ? LarguraMinimaVistas : AlturaMinimaVistas;
    const int paineis = std::max(0, std::min(lado ? painel.width() : painel.height(),
                                             total - minimoVistas));
    Divisao->setSizes({paineis, total - paineis});
}

void TFusina::RelatorioPdfClick() {
    ExecutarTratando([this] {
        ExigirResultadoCompleto(resultado_);
        if (desatualizado_)
            throw ErroResultadoIncompleto(tr("As entradas mudaram depois do último cálculo: clique "
                                             "em \"Executar\" antes de gerar o relatório PDF.")
                                              .toStdString());
        const QString base = caminhoCaso_.isEmpty()
                                 ? QDir::current().absoluteFilePath("relatorio")
                                 : QFileInfo(caminhoCaso_).absolutePath() + "/" +
                                       QFileInfo(caminhoCaso_).completeBaseName();
        QString escolhido = dialogosArquivo_->EscolherArquivoParaGravar(
            tr("Relatório PDF"), base + ".pdf", {tr("Documento PDF (*.pdf)")}, {"pdf"});
        if (escolhido.isEmpty()) return;
        if (!escolhido.endsWith(".pdf", Qt::CaseInsensitive)) escolhido += ".pdf";
        if (!PodeGravar(escolhido)) return;
        const std::string separador = SeparadorDecimal();
        const ResultadoUsina& r = *resultadoCompleto_;
        ConteudoRelatorioPdf conteudo{
            caminhoCaso_.isEmpty() ? tr("Sem título") : QFileInfo(caminhoCaso_).fileName(),
            &r,
            entradasCompleto_,
            separador,
            IndicadoresHtml(r, separador),
            CorrentesHtml(r, separador),
            [&](QPainter& pintor, const QRectF& area) {
                DesenharFluxogramaResultados(pintor, area, &r, separador);
            }};
        GravarRelatorioPdf(escolhido, conteudo);
        DefinirNota([caminho = QDir::toNativeSeparators(QFileInfo(escolhido).absoluteFilePath())] {
            return tr("Relatório PDF gravado em %1").arg(caminho);
        });
    });
}

void TFusina::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    // The splitter has its new size only once the layout has run.
    QMetaObject::invokeMethod(this, &TFusina::OrganizarDivisao, Qt::QueuedConnection);
}
