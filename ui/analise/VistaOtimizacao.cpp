#include "ui/analise/VistaOtimizacao.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "io/ExportacaoAnalise.h"
#include "plant/CamposNomeados.h"
#include "plant/Numeros.h"
#include "ui/analise/CamposAnalise.h"
#include "ui/comum/FormatoResultados.h"
#include "ui/comum/GravarArquivo.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/MensagensNucleo.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/comum/TratadorErros.h"

namespace {

const char* const Contexto = "VistaOtimizacao";

const PoliticaExportacao PoliticaCsv = PoliticaTabelaCsv(
    "VistaOtimizacao", QT_TRANSLATE_NOOP("VistaOtimizacao", "Tabela CSV (*.csv)"), "otimizacao.csv");

QString Tr(const char* texto) { return QCoreApplication::translate(Contexto, texto); }

QString Numero(double valor) { return QString::fromStdString(TextoExato(valor, SeparadorDecimal())); }

QString Numero(const std::optional<double>& valor) { return valor ? Numero(*valor) : QString(); }

// The answer's numbers read rounded; exact in their tooltips, the CSV and
// what "Aplicar à janela" puts in the fields.
constexpr int DecimaisResposta = 2;

QString Arredondado(const std::optional<double>& valor) {
    return valor ? TextoAgrupado(*valor, DecimaisResposta, SeparadorDecimal()) : QString();
}

// The inputs offered first, as an engineer would start: boiler pressure and
// temperature, the header's pressure and the valve's share.
constexpr const char* EntradasIniciais[MaximoEntradasOtimizacao] = {"Eprecal", "Etscal", "Epstap",
                                                                    "Emvalv"};
constexpr const char* MinimosIniciais[MaximoEntradasOtimizacao] = {"40", "400", "15", "0"};
constexpr const char* MaximosIniciais[MaximoEntradasOtimizacao] = {"120", "520", "30", "30"};

QLineEdit* CampoNumero(QWidget* pai, const QString& nome, const char* texto) {
    auto* campo = new QLineEdit(pai);
    campo->setObjectName(nome);
    campo->setText(QString::fromUtf8(texto));
    campo->setMaximumWidth(110);
    campo->setAlignment(Qt::AlignRight);
    return campo;
}

// The value of one output in a run of the window's inputs, or nothing where
// the run is refused, fails or leaves the output blank.
std::optional<double> SaidaDaBase(const EntradasUsina& base, const std::string& nome) {
    try {
        const AvaliacaoPonto ponto = AvaliarPonto(base, {SaidaAnalisada(nome, base)}, SeparadorDecimal());
        if (!ponto.saidas.empty()) return ponto.saidas.front();
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

// The value of an input in a set of inputs.
std::optional<double> ValorEntrada(const EntradasUsina& entradas, const std::string& nome) {
    const EntradaNomeada e = BuscarEntrada(nome);
    if (!e) return std::nullopt;
    EntradasUsina copia = entradas;
    return e.Em(copia);
}

}  // namespace

VistaOtimizacao::VistaOtimizacao(QWidget* pai) : VistaAnalise(pai), exportacao_(this, PoliticaCsv) {
    setObjectName("VistaOtimizacao");
    TextoTraduzido(this, "windowTitle", Contexto, QT_TRANSLATE_NOOP("VistaOtimizacao", "Otimização"));
    const auto rotulo = [this](const char* texto) {
        auto* r = new QLabel(this);
        TextoTraduzido(r, "text", Contexto, texto);
        return r;
    };
    const auto botao = [this](const char* nome, const char* texto) {
        auto* b = new QPushButton(this);
        b->setObjectName(nome);
        TextoTraduzido(b, "text", Contexto, texto);
        return b;
    };

    // The optimisation: objective, inputs with ranges, constraints.
    auto* grupoOtimo = new QGroupBox(this);
    TextoTraduzido(grupoOtimo, "title", Contexto,
                   QT_TRANSLATE_NOOP("VistaOtimizacao", "Otimização: o melhor valor de uma saída"));
    Objetivo = new QComboBox(this);
    Objetivo->setObjectName("ObjetivoOtimizacao");
    Objetivo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Objetivo->setMinimumContentsLength(24);
    Sentido = new QComboBox(this);
    Sentido->setObjectName("SentidoOtimizacao");
    auto* linhaObjetivo = new QHBoxLayout;
    linhaObjetivo->addWidget(rotulo(QT_TRANSLATE_NOOP("VistaOtimizacao", "Objetivo:")));
    linhaObjetivo->addWidget(Sentido);
    linhaObjetivo->addWidget(Objetivo, 1);

    auto* grade = new QGridLayout;
    grade->addWidget(rotulo(QT_TRANSLATE_NOOP("VistaOtimizacao", "Entrada variada")), 0, 1);
    grade->addWidget(rotulo(QT_TRANSLATE_NOOP("VistaOtimizacao", "Mínimo")), 0, 2);
    grade->addWidget(rotulo(QT_TRANSLATE_NOOP("VistaOtimizacao", "Máximo")), 0, 3);
    for (std::size_t k = 0; k < MaximoEntradasOtimizacao; ++k) {
        const QString n = QString::number(k + 1);
        auto* usar = new QCheckBox(this);
        usar->setObjectName("UsarEntradaOtimizacao" + n);
        usar->setChecked(k < 2);
        auto* entrada = new QComboBox(this);
        entrada->setObjectName("EntradaOtimizacao" + n);
        entrada->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        entrada->setMinimumContentsLength(24);
        PreencherEntradas(*entrada, EntradasIniciais[k]);
        auto* minimo = CampoNumero(this, "MinimoOtimizacao" + n, MinimosIniciais[k]);
        auto* maximo = CampoNumero(this, "MaximoOtimizacao" + n, MaximosIniciais[k]);
        const auto habilitar = [entrada, minimo, maximo](bool sim) {
            for (QWidget* w : {static_cast<QWidget*>(entrada), static_cast<QWidget*>(minimo),
                               static_cast<QWidget*>(maximo)})
                w->setEnabled(sim);
        };
        connect(usar, &QCheckBox::toggled, this, habilitar);
        habilitar(usar->isChecked());
        const int linha = static_cast<int>(k) + 1;
        grade->addWidget(usar, linha, 0);
        grade->addWidget(entrada, linha, 1);
        grade->addWidget(minimo, linha, 2);
        grade->addWidget(maximo, linha, 3);
        UsarEntrada.push_back(usar);
        Entrada.push_back(entrada);
        Minimo.push_back(minimo);
        Maximo.push_back(maximo);
    }
    grade->setColumnStretch(1, 1);

    Restricoes = new QTableWidget(0, 3, this);
    Restricoes->setObjectName("RestricoesOtimizacao");
    Restricoes->verticalHeader()->hide();
    Restricoes->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    Restricoes->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    Restricoes->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    Restricoes->setMinimumHeight(70);
    Restricoes->setMaximumHeight(140);
    BotaoAdicionarRestricao = botao("BotaoAdicionarRestricao",
                                    QT_TRANSLATE_NOOP("VistaOtimizacao", "Adicionar restrição"));
    BotaoRemoverRestricao = botao("BotaoRemoverRestricao",
                                  QT_TRANSLATE_NOOP("VistaOtimizacao", "Remover restrição"));
    BotaoOtimizar = botao("BotaoOtimizar", QT_TRANSLATE_NOOP("VistaOtimizacao", "Otimizar"));
    auto* linhaRestricoes = new QHBoxLayout;
    linhaRestricoes->addWidget(BotaoAdicionarRestricao);
    linhaRestricoes->addWidget(BotaoRemoverRestricao);
    linhaRestricoes->addStretch(1);
    linhaRestricoes->addWidget(BotaoOtimizar);
    auto* colunaOtimo = new QVBoxLayout(grupoOtimo);
    colunaOtimo->addLayout(linhaObjetivo);
    colunaOtimo->addLayout(grade);
    colunaOtimo->addWidget(rotulo(QT_TRANSLATE_NOOP("VistaOtimizacao", "Restrições:")));
    colunaOtimo->addWidget(Restricoes);
    colunaOtimo->addLayout(linhaRestricoes);

    // The goal seek.
    auto* grupoMeta = new QGroupBox(this);
    TextoTraduzido(grupoMeta, "title", Contexto,
                   QT_TRANSLATE_NOOP("VistaOtimizacao", "Atingir meta: uma saída num valor"));
    SaidaMeta = new QComboBox(this);
    SaidaMeta->setObjectName("SaidaMeta");
    SaidaMeta->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    SaidaMeta->setMinimumContentsLength(24);
    AlvoMeta = CampoNumero(this, "AlvoMeta", "0");
    EntradaMeta = new QComboBox(this);
    EntradaMeta->setObjectName("EntradaMeta");
    EntradaMeta->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    EntradaMeta->setMinimumContentsLength(24);
    PreencherEntradas(*EntradaMeta, "Evap");
    MinimoMeta = CampoNumero(this, "MinimoMeta", "400");
    MaximoMeta = CampoNumero(this, "MaximoMeta", "600");
    BotaoAtingirMeta = botao("BotaoAtingirMeta", QT_TRANSLATE_NOOP("VistaOtimizacao", "Atingir meta"));
    auto* gradeMeta = new QGridLayout(grupoMeta);
    gradeMeta->addWidget(rotulo(QT_TRANSLATE_NOOP("VistaOtimizacao", "Saída:")), 0, 0);
    gradeMeta->addWidget(SaidaMeta, 0, 1);
    gradeMeta->addWidget(rotulo(QT_TRANSLATE_NOOP("VistaOtimizacao", "Valor:")), 0, 2);
    gradeMeta->addWidget(AlvoMeta, 0, 3);
    gradeMeta->addWidget(rotulo(QT_TRANSLATE_NOOP("VistaOtimizacao", "Variando:")), 1, 0);
    gradeMeta->addWidget(EntradaMeta, 1, 1);
    auto* faixaMeta = new QHBoxLayout;
    faixaMeta->addWidget(MinimoMeta);
    faixaMeta->addWidget(rotulo(QT_TRANSLATE_NOOP("VistaOtimizacao", "a")));
    faixaMeta->addWidget(MaximoMeta);
    gradeMeta->addLayout(faixaMeta, 1, 2, 1, 2);
    gradeMeta->addWidget(BotaoAtingirMeta, 2, 3);
    gradeMeta->setColumnStretch(1, 1);

    // Running.
    BotaoCancelar = botao("BotaoCancelarOtimizacao", QT_TRANSLATE_NOOP("VistaOtimizacao", "Cancelar"));
    BotaoCancelar->setEnabled(false);
    Progresso = new QProgressBar(this);
    Progresso->setObjectName("ProgressoOtimizacao");
    Progresso->setRange(0, 1);
    Progresso->setValue(0);
    // The bar keeps its place while nothing runs: the buttons do not move.
    QSizePolicy politica = Progresso->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    Progresso->setSizePolicy(politica);
    Progresso->hide();
    Situacao = new QLabel(this);
    Situacao->setObjectName("SituacaoOtimizacao");
    Situacao->setTextFormat(Qt::PlainText);
    Situacao->setWordWrap(true);
    auto* linhaExecucao = new QHBoxLayout;
    linhaExecucao->addWidget(Progresso, 1);
    linhaExecucao->addWidget(BotaoCancelar);

    // The answer.
    Resposta = new QTableWidget(0, 4, this);
    Resposta->setObjectName("RespostaOtimizacao");
    Resposta->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Resposta->verticalHeader()->hide();
    Resposta->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Resposta->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    Resposta->setWordWrap(true);
    auto* grafico = new QChart;
    grafico->setLocalizeNumbers(true);
    grafico->legend()->hide();
    Evolucao = new QChartView(grafico, this);
    Evolucao->setObjectName("EvolucaoOtimizacao");
    Evolucao->setRenderHint(QPainter::Antialiasing);
    Evolucao->setMinimumHeight(180);
    auto* divisao = new QSplitter(Qt::Horizontal, this);
    divisao->addWidget(Resposta);
    divisao->addWidget(Evolucao);
    divisao->setChildrenCollapsible(false);
    divisao->setStretchFactor(0, 1);
    divisao->setStretchFactor(1, 1);
    divisao->setSizes({1100, 900});  // shares
    Evolucao->setMinimumWidth(360);
    BotaoAplicar = botao("BotaoAplicarOtimizacao", QT_TRANSLATE_NOOP("VistaOtimizacao", "Aplicar à janela"));
    BotaoExportar = botao("BotaoExportarOtimizacao", QT_TRANSLATE_NOOP("VistaOtimizacao", "Exportar CSV…"));
    BotaoAplicar->setEnabled(false);
    BotaoExportar->setEnabled(false);
    auto* linhaResposta = new QHBoxLayout;
    linhaResposta->addWidget(Situacao, 1);
    linhaResposta->addWidget(BotaoAplicar);
    linhaResposta->addWidget(BotaoExportar);

    auto* topo = new QHBoxLayout;
    topo->addWidget(grupoOtimo, 3);
    auto* direita = new QVBoxLayout;
    direita->addWidget(grupoMeta);
    direita->addStretch(1);
    direita->addLayout(linhaExecucao);
    topo->addLayout(direita, 2);
    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(topo);
    coluna->addWidget(divisao, 1);
    coluna->addLayout(linhaResposta);

    connect(BotaoAdicionarRestricao, &QPushButton::clicked, this,
            [this] { AdicionarRestricao("Eexbag", 0, "5"); });
    connect(BotaoRemoverRestricao, &QPushButton::clicked, this, [this] {
        const int linha = Restricoes->currentRow();
        Restricoes->removeRow(linha >= 0 ? linha : Restricoes->rowCount() - 1);
    });
    connect(BotaoOtimizar, &QPushButton::clicked, this, [this] { OtimizarClick(); });
    connect(BotaoAtingirMeta, &QPushButton::clicked, this, [this] { AtingirMetaClick(); });
    connect(BotaoCancelar, &QPushButton::clicked, this, [this] { Cancelar(); });
    connect(BotaoAplicar, &QPushButton::clicked, this, [this] { AplicarClick(); });
    connect(BotaoExportar, &QPushButton::clicked, this, [this] { ExportarClick(); });

    Retraduzir();
    Objetivo->setCurrentIndex(std::max(0, Objetivo->findData("energia_exportada_MWh", PapelCampo)));
    SaidaMeta->setCurrentIndex(std::max(0, SaidaMeta->findData("Eexbag", PapelCampo)));
    AdicionarRestricao("Eexbag", 0, "5");
}

VistaOtimizacao::~VistaOtimizacao() {
    // The worker posts to this object until it ends: stop it first.
    Encerrar();
}

void VistaOtimizacao::Encerrar() {
    cancelar_.store(true);
    if (trabalho_.joinable()) trabalho_.join();
}

void VistaOtimizacao::AdicionarRestricao(const QString& saida, int operador, const QString& limite) {
    const int linha = Restricoes->rowCount();
    Restricoes->insertRow(linha);
    auto* combo = new QComboBox;
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(20);
    PreencherSaidas(*combo, saida);
    auto* op = new QComboBox;
    op->addItems({QString::fromUtf8("≥"), QString::fromUtf8("≤")});
    op->setCurrentIndex(operador);
    auto* valor = new QLineEdit(limite);
    valor->setAlignment(Qt::AlignRight);
    Restricoes->setCellWidget(linha, 0, combo);
    Restricoes->setCellWidget(linha, 1, op);
    Restricoes->setCellWidget(linha, 2, valor);
}

void VistaOtimizacao::Retraduzir() {
    const auto recarregar = [](QComboBox* combo, bool saida, const char* padrao) {
        const QString atual = combo->currentData(PapelCampo).toString();
        const QString nome = atual.isEmpty() ? QString(padrao) : atual;
        if (saida)
            PreencherSaidas(*combo, nome);
        else
            PreencherEntradas(*combo, nome);
    };
    recarregar(Objetivo, true, "energia_exportada_MWh");
    recarregar(SaidaMeta, true, "Eexbag");
    recarregar(EntradaMeta, false, "Evap");
    for (std::size_t k = 0; k < Entrada.size(); ++k) recarregar(Entrada[k], false, EntradasIniciais[k]);
    for (int linha = 0; linha < Restricoes->rowCount(); ++linha)
        if (auto* combo = qobject_cast<QComboBox*>(Restricoes->cellWidget(linha, 0)))
            recarregar(combo, true, "Eexbag");
    const int sentido = std::max(0, Sentido->currentIndex());
    Sentido->clear();
    Sentido->addItems({Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "Maximizar")),
                       Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "Minimizar"))});
    Sentido->setCurrentIndex(sentido);
    Restricoes->setHorizontalHeaderLabels({Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "Saída")),
                                           Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "Condição")),
                                           Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "Limite"))});
    Resposta->setHorizontalHeaderLabels({Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "Grandeza")),
                                         Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "Entradas atuais")),
                                         Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "Resposta")),
                                         Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "Observação"))});
    Evolucao->chart()->setTitle(
        Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "Melhor objetivo viável ao longo das execuções")));
}

void VistaOtimizacao::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::LanguageChange) {
        Retraduzir();
        if (otimo_)
            MostrarOtimo();
        else if (meta_)
            MostrarMeta();
    }
    VistaAnalise::changeEvent(evento);
}

PedidoOtimizacao VistaOtimizacao::PedidoDosControles(const EntradasUsina& base) const {
    PedidoOtimizacao pedido;
    pedido.base = base;
    pedido.objetivo = CampoEscolhido(*Objetivo);
    pedido.maximizar = Sentido->currentIndex() != 1;
    for (std::size_t k = 0; k < UsarEntrada.size(); ++k)
        if (UsarEntrada[k]->isChecked())
            pedido.faixas.push_back(
                {CampoEscolhido(*Entrada[k]), NumeroDigitado(*Minimo[k]), NumeroDigitado(*Maximo[k])});
    for (int linha = 0; linha < Restricoes->rowCount(); ++linha) {
        const auto* saida = qobject_cast<QComboBox*>(Restricoes->cellWidget(linha, 0));
        const auto* op = qobject_cast<QComboBox*>(Restricoes->cellWidget(linha, 1));
        const auto* limite = qobject_cast<QLineEdit*>(Restricoes->cellWidget(linha, 2));
        if (saida == nullptr || op == nullptr || limite == nullptr) continue;
        pedido.restricoes.push_back({CampoEscolhido(*saida),
                                     op->currentIndex() == 1 ? OperadorRestricao::MenorOuIgual
                                                             : OperadorRestricao::MaiorOuIgual,
                                     NumeroDigitado(*limite)});
    }
    pedido.separador = SeparadorDecimal();
    return pedido;
}

PedidoMeta VistaOtimizacao::PedidoMetaDosControles(const EntradasUsina& base) const {
    PedidoMeta pedido;
    pedido.base = base;
    pedido.saida = CampoEscolhido(*SaidaMeta);
    pedido.alvo = NumeroDigitado(*AlvoMeta);
    pedido.faixa = {CampoEscolhido(*EntradaMeta), NumeroDigitado(*MinimoMeta), NumeroDigitado(*MaximoMeta)};
    pedido.separador = SeparadorDecimal();
    return pedido;
}

void VistaOtimizacao::OtimizarClick() {
    ExecutarTratando([this] {
        if (executando_) return;
        Otimizar(PedidoDosControles(fonte_ ? fonte_() : EntradasUsina{}));
    });
}

void VistaOtimizacao::AtingirMetaClick() {
    ExecutarTratando([this] {
        if (executando_) return;
        AtingirMeta(PedidoMetaDosControles(fonte_ ? fonte_() : EntradasUsina{}));
    });
}

void VistaOtimizacao::Iniciar() {
    executando_ = true;
    cancelar_.store(false);
    for (QPushButton* b : {BotaoOtimizar, BotaoAtingirMeta, BotaoAplicar, BotaoExportar})
        b->setEnabled(false);
    BotaoCancelar->setEnabled(true);
    Progresso->setRange(0, 0);  // busy until the first count arrives
    Progresso->show();
    Situacao->setText(Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "Calculando…")));
    curva_ = nullptr;
    Evolucao->chart()->removeAllSeries();
    // A removed axis is the caller's to delete.
    for (QAbstractAxis* eixo : Evolucao->chart()->axes()) {
        Evolucao->chart()->removeAxis(eixo);
        delete eixo;
    }
}

void VistaOtimizacao::Terminar() {
    if (trabalho_.joinable()) trabalho_.join();
    executando_ = false;
    BotaoOtimizar->setEnabled(true);
    BotaoAtingirMeta->setEnabled(true);
    BotaoCancelar->setEnabled(false);
    Progresso->hide();
}

ProgressoVarredura VistaOtimizacao::ProgressoNaVista() {
    // Called from the worker: the counts travel to this thread.
    return [this](std::size_t feitos, std::size_t total) {
        QMetaObject::invokeMethod(
            this,
            [this, feitos, total] {
                if (!executando_) return;
                Progresso->setRange(0, static_cast<int>(total));
                Progresso->setValue(static_cast<int>(std::min(feitos, total)));
            },
            Qt::QueuedConnection);
    };
}

template <typename Resultado, typename Executar, typename Concluir>
void VistaOtimizacao::Rodar(Executar executar, Concluir concluir) {
    Iniciar();
    trabalho_ = std::thread([this, executar = std::move(executar), concluir = std::move(concluir)]() mutable {
        auto resultado = std::make_shared<Resultado>();
        std::exception_ptr erro;
        try {
            *resultado = executar();
        } catch (...) {
            erro = std::current_exception();
        }
        QMetaObject::invokeMethod(
            this,
            [this, resultado, erro, concluir] {
                Terminar();
                concluir(std::move(*resultado), erro);
                emit concluida();
            },
            Qt::QueuedConnection);
    });
}

void VistaOtimizacao::Otimizar(const PedidoOtimizacao& pedido) {
    if (executando_) return;
    PedidoOtimizacao copia = pedido;
    copia.cancelar = &cancelar_;
    // Called from the worker: the numbers travel to this thread.
    copia.progresso = ProgressoNaVista();
    copia.melhoria = [this](const MarcoOtimizacao& marco) {
        QMetaObject::invokeMethod(
            this,
            [this, marco] {
                if (!executando_) return;
                if (curva_ == nullptr) {
                    curva_ = new QLineSeries;
                    Evolucao->chart()->addSeries(curva_);
                    Evolucao->chart()->createDefaultAxes();
                }
                curva_->append(static_cast<double>(marco.avaliacoes), marco.objetivo);
                const auto pontos = curva_->points();
                double menor = pontos.front().y(), maior = menor;
                for (const QPointF& p : pontos) {
                    menor = std::min(menor, p.y());
                    maior = std::max(maior, p.y());
                }
                const double folga = std::max(1e-9, 0.05 * (maior - menor));
                for (QAbstractAxis* eixo : Evolucao->chart()->axes(Qt::Vertical))
                    eixo->setRange(menor - folga, maior + folga);
                for (QAbstractAxis* eixo : Evolucao->chart()->axes(Qt::Horizontal))
                    eixo->setRange(0.0, std::max(1.0, pontos.back().x()));
            },
            Qt::QueuedConnection);
    };
    // Checked before anything runs, so that a refusal reaches the handler now.
    // A cancelled optimisation checks everything and runs nothing.
    {
        PedidoOtimizacao verificacao = pedido;
        std::atomic<bool> parar{true};
        verificacao.cancelar = &parar;
        ExecutarOtimizacao(verificacao);
    }
    base_ = pedido.base;
    pedidoOtimo_ = pedido;
    otimo_.reset();
    meta_.reset();
    pedidoMeta_.reset();
    Rodar<ResultadoOtimizacao>(
        [copia = std::move(copia)] { return ExecutarOtimizacao(copia); },
        [this](ResultadoOtimizacao resultado, std::exception_ptr erro) {
            if (erro != nullptr) {
                Situacao->setText(Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "A otimização não terminou.")));
                MostrarExcecao(erro);
            } else if (resultado.situacao == SituacaoOtimizacao::Cancelada) {
                // Nothing of a cancelled search is kept or applied.
                Situacao->setText(Tr(QT_TRANSLATE_NOOP("VistaOtimizacao",
                                                       "Otimização cancelada: nada foi aplicado.")));
                Resposta->setRowCount(0);
            } else {
                otimo_ = std::move(resultado);
                MostrarOtimo();
            }
        });
}

void VistaOtimizacao::AtingirMeta(const PedidoMeta& pedido) {
    if (executando_) return;
    PedidoMeta copia = pedido;
    copia.cancelar = &cancelar_;
    copia.progresso = ProgressoNaVista();
    // The request's checks, before anything runs: a cancelled seek checks
    // everything and runs nothing.
    {
        PedidoMeta verificacao = pedido;
        std::atomic<bool> parar{true};
        verificacao.cancelar = &parar;
        ExecutarMeta(verificacao);
    }
    base_ = pedido.base;
    pedidoMeta_ = pedido;
    meta_.reset();
    otimo_.reset();
    pedidoOtimo_.reset();
    Rodar<ResultadoMeta>(
        [copia = std::move(copia)] { return ExecutarMeta(copia); },
        [this](ResultadoMeta resultado, std::exception_ptr erro) {
            if (erro != nullptr) {
                Situacao->setText(Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "A busca da meta não terminou.")));
                MostrarExcecao(erro);
            } else if (resultado.situacao == SituacaoMeta::Cancelada) {
                Situacao->setText(Tr(QT_TRANSLATE_NOOP("VistaOtimizacao",
                                                       "Busca cancelada: nada foi aplicado.")));
                Resposta->setRowCount(0);
            } else {
                meta_ = std::move(resultado);
                MostrarMeta();
            }
        });
}

void VistaOtimizacao::Cancelar() {
    if (executando_) cancelar_.store(true);
}

void VistaOtimizacao::LinhaResposta(const QString& grandeza, const std::optional<double>& atual,
                                    const std::optional<double>& resposta, const QString& observacao) {
    const int n = Resposta->rowCount();
    Resposta->insertRow(n);
    const auto texto = [this, n](int coluna, const QString& t) {
        auto* item = new QTableWidgetItem(t);
        item->setToolTip(t);
        Resposta->setItem(n, coluna, item);
    };
    const auto numero = [this, n](int coluna, const std::optional<double>& valor) {
        auto* item = new QTableWidgetItem(Arredondado(valor));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(Numero(valor));
        Resposta->setItem(n, coluna, item);
    };
    texto(0, grandeza);
    numero(1, atual);
    numero(2, resposta);
    texto(3, observacao);
}

void VistaOtimizacao::MostrarOtimo() {
    const ResultadoOtimizacao& r = *otimo_;
    const PedidoOtimizacao& p = *pedidoOtimo_;
    Resposta->setRowCount(0);
    const auto linha = [this](const QString& grandeza, const std::optional<double>& atual,
                              const std::optional<double>& resposta, const QString& observacao) {
        LinhaResposta(grandeza, atual, resposta, observacao);
    };
    const bool otimo = r.situacao == SituacaoOtimizacao::Otimo;
    for (std::size_t k = 0; k < p.faixas.size(); ++k) {
        const FaixaEntrada& f = p.faixas[k];
        linha(LegendaCampoAnalise(f.campo), ValorEntrada(p.base, f.campo),
              otimo ? std::optional<double>(r.valores[k]) : std::nullopt,
              Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "faixa %1 a %2")).arg(Numero(f.minimo), Numero(f.maximo)));
    }
    linha(LegendaCampoAnalise(p.objetivo), SaidaDaBase(p.base, p.objetivo), r.objetivo,
          p.maximizar ? Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "objetivo: máximo"))
                      : Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "objetivo: mínimo")));
    for (const RestricaoAvaliada& a : r.restricoes) {
        const QString condicao =
            QString::fromUtf8(a.restricao.operador == OperadorRestricao::MaiorOuIgual ? "≥ " : "≤ ") +
            Numero(a.restricao.limite);
        QString observacao = condicao;
        if (otimo)
            observacao += a.ativa ? Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "; ativa (o ótimo está no limite)"))
                                  : Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "; folgada"));
        else
            observacao += a.valor ? Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "; o valor mais próximo do limite que alguma usina das faixas atingiu"))
                                  : Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "; nenhuma execução foi uma usina"));
        linha(LegendaCampoAnalise(a.restricao.saida), SaidaDaBase(p.base, a.restricao.saida), a.valor,
              observacao);
    }
    Resposta->resizeRowsToContents();
    QString texto;
    if (otimo) {
        texto = Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "Ótimo encontrado em %1 execuções (%2 da grade)."))
                    .arg(r.avaliacoes)
                    .arg(r.avaliacoesGrade);
        if (r.limiteVapor)
            texto += ' ' + Tr(QT_TRANSLATE_NOOP("VistaOtimizacao",
                                                "O vapor da turbina de média pressão está no limite (zero)."));
        texto += ' ' + Tr(QT_TRANSLATE_NOOP("VistaOtimizacao",
                                                "\"Aplicar à janela\" põe estas entradas nos campos."));
    } else {
        texto = Tr(QT_TRANSLATE_NOOP("VistaOtimizacao",
                                     "Inviável: nenhum ponto das faixas atende a todas as restrições "
                                     "e é uma usina (%1 execuções)."))
                    .arg(r.avaliacoes);
    }
    Situacao->setText(texto);
    // The chart of the best objective, complete.
    auto* grafico = Evolucao->chart();
    grafico->removeAllSeries();
    for (QAbstractAxis* eixo : grafico->axes()) {
        grafico->removeAxis(eixo);
        delete eixo;  // a removed axis is the caller's to delete
    }
    curva_ = nullptr;
    if (!r.historico.empty()) {
        // The best so far is a step: it holds until the next improvement.
        curva_ = new QLineSeries;
        for (std::size_t i = 0; i < r.historico.size(); ++i) {
            const MarcoOtimizacao& m = r.historico[i];
            if (i > 0) curva_->append(static_cast<double>(m.avaliacoes), r.historico[i - 1].objetivo);
            curva_->append(static_cast<double>(m.avaliacoes), m.objetivo);
        }
        // The last improvement holds up to the last run.
        curva_->append(static_cast<double>(r.avaliacoes), r.historico.back().objetivo);
        grafico->addSeries(curva_);
        auto* x = new QValueAxis;
        x->setTitleText(Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "Execuções")));
        x->setLabelFormat("%.0f");
        // From the grid's end, where the first best is known, to the last run.
        x->setRange(static_cast<double>(r.historico.front().avaliacoes),
                    static_cast<double>(std::max(r.avaliacoes, r.historico.front().avaliacoes + 1)));
        auto* y = new QValueAxis;
        y->setTitleText(LegendaCampoAnalise(p.objetivo));
        double menor = r.historico.front().objetivo, maior = menor;
        for (const MarcoOtimizacao& m : r.historico) {
            menor = std::min(menor, m.objetivo);
            maior = std::max(maior, m.objetivo);
        }
        const double folga = std::max(1e-9 * std::max(1.0, std::abs(maior)), 0.05 * (maior - menor));
        y->setRange(menor - folga, maior + folga);
        grafico->addAxis(x, Qt::AlignBottom);
        grafico->addAxis(y, Qt::AlignLeft);
        curva_->attachAxis(x);
        curva_->attachAxis(y);
    }
    BotaoAplicar->setEnabled(otimo && r.entradas.has_value());
    BotaoExportar->setEnabled(true);
}

void VistaOtimizacao::MostrarMeta() {
    const ResultadoMeta& r = *meta_;
    const PedidoMeta& p = *pedidoMeta_;
    Resposta->setRowCount(0);
    const auto linha = [this](const QString& grandeza, const std::optional<double>& atual,
                              const std::optional<double>& resposta, const QString& observacao) {
        LinhaResposta(grandeza, atual, resposta, observacao);
    };
    const bool atingida = r.situacao == SituacaoMeta::Atingida;
    linha(LegendaCampoAnalise(p.faixa.campo), ValorEntrada(p.base, p.faixa.campo), r.valor,
          Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "faixa %1 a %2")).arg(Numero(p.faixa.minimo), Numero(p.faixa.maximo)));
    linha(LegendaCampoAnalise(p.saida), SaidaDaBase(p.base, p.saida), r.saida,
          Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "meta %1")).arg(Numero(p.alvo)));
    Resposta->resizeRowsToContents();
    Situacao->setText(
        atingida ? Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "Meta atingida em %1 execuções.")).arg(r.avaliacoes)
                 : Tr(QT_TRANSLATE_NOOP("VistaOtimizacao",
                                        "Sem solução na faixa: nenhum valor de %1 entre %2 e %3 leva a "
                                        "saída a %4 (%5 execuções)."))
                       .arg(LegendaCampoAnalise(p.faixa.campo), Numero(p.faixa.minimo),
                            Numero(p.faixa.maximo), Numero(p.alvo))
                       .arg(r.avaliacoes));
    BotaoAplicar->setEnabled(atingida && r.entradas.has_value());
    BotaoExportar->setEnabled(true);
}

void VistaOtimizacao::AplicarClick() {
    if (executando_) return;
    if (otimo_ && otimo_->situacao == SituacaoOtimizacao::Otimo && otimo_->entradas)
        emit aplicar(*otimo_->entradas);
    else if (meta_ && meta_->situacao == SituacaoMeta::Atingida && meta_->entradas)
        emit aplicar(*meta_->entradas);
}

void VistaOtimizacao::ExportarClick() {
    ExecutarTratando([this] {
        if (!otimo_ && !meta_) return;
        exportacao_.Exportar(Tr(QT_TRANSLATE_NOOP("VistaOtimizacao", "Exportar resposta")),
                             [this](const QString& caminho, const QString&) {
                                 const std::string texto =
                                     otimo_ ? OtimizacaoCsv(*pedidoOtimo_, *otimo_, SeparadorDecimal())
                                            : MetaCsv(*pedidoMeta_, *meta_, SeparadorDecimal());
                                 GravarCsv(caminho, texto);
                             });
    });
}
