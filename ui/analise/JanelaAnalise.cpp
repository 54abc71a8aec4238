#include "ui/analise/JanelaAnalise.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/comum/AbasEmLinhas.h"
#include "ui/comum/IconeUsina.h"

JanelaAnalise::JanelaAnalise() : QWidget(nullptr) {
    setObjectName("JanelaAnalise");
    setWindowIcon(IconeUsina());
    abas_ = new AbasEmLinhas("AbasAnalise", this);
    Abas = abas_->Abas;
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(abas_);
    Retraduzir();
}

JanelaAnalise::~JanelaAnalise() = default;

void JanelaAnalise::Adicionar(VistaAnalise* ferramenta, const char* contexto, const char* titulo,
                              const QKeySequence& atalho) {
    ferramentas_.push_back(ferramenta);
    titulos_.push_back({contexto, titulo});
    abas_->Adicionar(ferramenta, QCoreApplication::translate(contexto, titulo));
    if (!atalho.isEmpty()) {
        auto* acao = new QAction(this);
        acao->setShortcut(atalho);
        acao->setShortcutContext(Qt::WindowShortcut);
        addAction(acao);
        connect(acao, &QAction::triggered, this, [this, ferramenta] {
            Abas->setCurrentWidget(ferramenta);
            ferramenta->setFocus();
        });
    }
    if (fonte_) ferramenta->DefinirFonteEntradas(fonte_);
    if (escolha_) ferramenta->DefinirEscolhaArquivo(escolha_);
    if (confirmacao_) ferramenta->DefinirConfirmacaoSubstituir(confirmacao_);
}

void JanelaAnalise::Mostrar(VistaAnalise* ferramenta) {
    Abas->setCurrentWidget(ferramenta);
    if (!mostrada_) {
        // The tools want width: the first time, the whole screen.
        mostrada_ = true;
        showMaximized();
    } else {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
    }
    raise();
    activateWindow();
    ferramenta->setFocus();
}

void JanelaAnalise::DefinirNomeCaso(const QString& nome) {
    nomeCaso_ = nome;
    Retraduzir();
}

void JanelaAnalise::DefinirFonteEntradas(VistaAnalise::FonteEntradas fonte) {
    fonte_ = std::move(fonte);
    for (VistaAnalise* f : ferramentas_) f->DefinirFonteEntradas(fonte_);
}

void JanelaAnalise::DefinirEscolhaArquivo(EscolhaArquivo escolha) {
    escolha_ = std::move(escolha);
    for (VistaAnalise* f : ferramentas_) f->DefinirEscolhaArquivo(escolha_);
}

void JanelaAnalise::DefinirConfirmacaoSubstituir(ConfirmacaoSubstituir confirmacao) {
    confirmacao_ = std::move(confirmacao);
    for (VistaAnalise* f : ferramentas_) f->DefinirConfirmacaoSubstituir(confirmacao_);
}

void JanelaAnalise::EntradasMudaram() {
    for (VistaAnalise* f : ferramentas_) f->EntradasMudaram();
}

void JanelaAnalise::Encerrar() {
    for (VistaAnalise* f : ferramentas_) f->Encerrar();
}

void JanelaAnalise::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::LanguageChange) Retraduzir();
    QWidget::changeEvent(evento);
}

void JanelaAnalise::Retraduzir() {
    const QString titulo = tr("Análise");
    setWindowTitle(nomeCaso_.isEmpty() ? titulo : titulo + QString::fromUtf8(" — ") + nomeCaso_);
    for (std::size_t i = 0; i < titulos_.size(); ++i)
        abas_->DefinirTitulo(static_cast<int>(i),
                             QCoreApplication::translate(titulos_[i].contexto, titulos_[i].texto));
}
