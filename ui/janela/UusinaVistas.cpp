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
#include <QToolButton>

#include "io/CasoUsina.h"
#include "plant/EntradasCampos.h"
#include "plant/ErrosPlanta.h"
#include "plant/ResultadoUsina.h"
#include "plant/TabelaEntradas.h"
#include "plant/TabelaSafra.h"
#include "plant/ValidacaoEntradas.h"
#include "ui/analise/JanelaAnalise.h"
#include "ui/analise/VistaOtimizacao.h"
#include "ui/analise/VistaComparacao.h"
#include "ui/analise/VistaEstudo.h"
#include "ui/comum/AbasEmLinhas.h"
#include "ui/comum/AvisosVista.h"
#include "ui/comum/DialogosArquivo.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/comum/TextosNucleoJanela.h"
#include "ui/comum/TratadorErros.h"
#include "ui/figura/FluxogramaResultados.h"
#include "ui/janela/CamposJanela.h"
#include "ui/janela/DefinicaoJanela.h"
#include "ui/janela/FerramentasAnalise.h"
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

// Pixels the views need beside the chosen panel; with less, they go to a
// page of their own.
constexpr int LarguraMinimaVistas = 400;

}  // namespace

QWidget* TFusina::CriarVistas() {
    abasVistas_ = new AbasEmLinhas("Vistas", this);
    Vistas = abasVistas_->Abas;
    FluxogramaResultados = new VistaFluxograma(Vistas);
    Correntes = new VistaCorrentes(Vistas);
    Indicadores = new VistaIndicadores(Vistas);
    // A click on a stream's value box shows that stream in the stream table.
    connect(FluxogramaResultados, &VistaFluxograma::correnteEscolhida, this, [this](int rotulo) {
        if (Correntes->SelecionarRotulo(rotulo)) ExibirVista(Correntes);
    });
    // The season: its inputs, and its figures from the last run.
    Safra = new VistaSafra(Vistas);
    // The charts of the last finished run.
    Exergia = new VistaExergia(Vistas);
    DiagramaTs = new VistaDiagramaTs(Vistas);
    vistasResultado_ = {FluxogramaResultados, Correntes, Indicadores, Safra, Exergia, DiagramaTs};
    for (VistaResultado* vista : vistasResultado_) abasVistas_->Adicionar(vista, QString());
    TraduzirAbas();
    // A divider the user dragged stays where it was put.
    connect(Divisao, &QSplitter::splitterMoved, this, [this] { divisaoArrastada_ = true; });

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
    CriarAnalise();
    Analise->DefinirEscolhaArquivo(escolha);
    Analise->DefinirConfirmacaoSubstituir(confirmacao);
    return abasVistas_;
}

void TFusina::CriarAnalise() {
    analise_ = std::make_unique<JanelaAnalise>();
    Analise = analise_.get();
    for (const FerramentaAnalise& f : FerramentasAnalise())
        Analise->Adicionar(f.criar(Analise), f.contexto, f.titulo, f.atalho);
    Estudo = Analise->findChild<VistaEstudo*>();
    Comparacao = Analise->findChild<VistaComparacao*>();
    // An optimisation's or goal seek's answer goes into the fields; the
    // main window comes forward for "Executar".
    if (auto* otimizacao = Analise->findChild<VistaOtimizacao*>())
        connect(otimizacao, &VistaOtimizacao::aplicar, this, [this](const EntradasUsina& entradas) {
            AplicarEntradas(entradas);
            raise();
            activateWindow();
        });
    // The comparison adds saved cases through the window's dialogue.
    Comparacao->DefinirEscolhaCaso([this] {
        return dialogosArquivo_->EscolherCasoParaAbrir(
            caminhoCaso_.isEmpty() ? QDir::currentPath() : caminhoCaso_);
    });
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
        {Exergia, QT_TRANSLATE_NOOP("TFusina", "Exergia")},
        {DiagramaTs, QT_TRANSLATE_NOOP("TFusina", "Diagrama T-s")},
    };
    for (const auto& aba : abas)
        abasVistas_->DefinirTitulo(Vistas->indexOf(aba.vista), tr(aba.titulo));
    if (BotaoPainel != nullptr) {
        BotaoPainel->setText(tr("Painel"));
        BotaoPainel->setToolTip(tr("O painel escolhido em \"Componentes\""));
        BotaoVistas->setText(tr("Vistas do cálculo"));
        BotaoVistas->setToolTip(tr("As vistas do último cálculo: fluxograma, correntes, "
                                   "indicadores, safra, exergia e diagrama T-s"));
    }
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
    // The analysis tools read the fields' inputs when they run.
    Analise->DefinirFonteEntradas([this] { return EntradasDaJanela(); });
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
    // One entry per tool of the "Análise" window, in the order of its tabs.
    const auto& ferramentas = FerramentasAnalise();
    for (std::size_t i = 0; i < ferramentas.size(); ++i) {
        const FerramentaAnalise& f = ferramentas[i];
        QAction* a = AcaoTraduzida(MenuAnalise, f.nomeAcao, f.contexto, f.textoMenu, f.atalho);
        VistaAnalise* ferramenta = Analise->Ferramentas()[i];
        connect(a, &QAction::triggered, this, [this, ferramenta] { ExibirVista(ferramenta); });
    }
    AcaoEstudo = MenuAnalise->findChild<QAction*>("AcaoEstudo");
    AcaoCompararCasos = MenuAnalise->findChild<QAction*>("AcaoCompararCasos");
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
    connect(AcaoCompararConfiguracoes, &QAction::triggered, this, [this] {
        ExibirVista(Comparacao);
        ExecutarTratando([this] { Comparacao->CompararConfiguracoes(); });
    });
    // The charts of the last run, which are views of the main window.
    MenuAnalise->addSeparator();
    AcaoExergia = acao("AcaoExergia", QT_TRANSLATE_NOOP("TFusina", "E&xergia"),
                       QKeySequence(Qt::CTRL | Qt::Key_6));
    AcaoDiagramaTs = acao("AcaoDiagramaTs", QT_TRANSLATE_NOOP("TFusina", "Diagrama &T-s"),
                          QKeySequence(Qt::CTRL | Qt::Key_7));
    connect(AcaoExergia, &QAction::triggered, this, [this] { ExibirVista(Exergia); });
    connect(AcaoDiagramaTs, &QAction::triggered, this, [this] { ExibirVista(DiagramaTs); });
}

void TFusina::ExibirVista(QWidget* vista) {
    // An analysis tool: its window, which may take the whole screen.
    if (auto* ferramenta = qobject_cast<VistaAnalise*>(vista)) {
        Analise->Mostrar(ferramenta);
        return;
    }
    Vistas->setCurrentWidget(vista);
    // On their own page, the views come forward until a panel is chosen.
    MostrarPagina(true);
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
    Analise->EntradasMudaram();  // each tool lazy while it is not shown
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
    // The grid's margins and the scroll area's frame; a vertical scroll bar
    // only when the panel is taller than the area.
    return {8 + 4, 12 + 4};
}

QSize TFusina::TamanhoPainelEscolhido() const {
    const int escolhido = std::max(0, itens_->checkedId());
    return paineisPorItem_[static_cast<std::size_t>(escolhido)]->sizeHint() + ExtraAreaPaineis();
}

void TFusina::MostrarPagina(bool vistas) {
    paginaVistas_ = vistas;
    OrganizarDivisao();
}

void TFusina::OrganizarDivisao() {
    if (Divisao == nullptr || paineisPorItem_.empty()) return;
    // The chosen panel first, whole: the views take the width it leaves, or
    // a page of their own, one click away, when that is too little.
    const QSize painel = TamanhoPainelEscolhido();
    const int total = Divisao->width();
    const int barra = Divisao->handleWidth();
    // The panel may need a vertical scroll bar on a short window.
    const int rolagem = painel.height() > Divisao->height()
                            ? style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                            : 0;
    const int larguraPainel = painel.width() + rolagem;
    const bool lado = total - larguraPainel - barra >= LarguraMinimaVistas;
    QWidget* paineis = Divisao->widget(0);
    QWidget* vistas = Divisao->widget(1);
    TrocaPaginas->setVisible(!lado);
    BotaoPainel->setChecked(!paginaVistas_);
    BotaoVistas->setChecked(paginaVistas_);
    if (!lado) {
        paineis->setVisible(!paginaVistas_);
        vistas->setVisible(paginaVistas_);
        divisaoArrastada_ = false;
        return;
    }
    paineis->setVisible(true);
    vistas->setVisible(true);
    if (divisaoArrastada_) return;  // the user's own choice stays
    const int largura = std::min(larguraPainel, total - barra);
    Divisao->setSizes({largura, total - barra - largura});
}

bool TFusina::VistasEmPagina() const { return TrocaPaginas != nullptr && TrocaPaginas->isVisibleTo(this); }

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
            },
            DescricaoCaso()};
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
