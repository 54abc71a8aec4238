// The "Análise" window: the analysis tools (study, comparison and the ones
// to come), each a tab whose title is always whole, in a window of their own
// beside the main one, so that a tool can take the whole screen. The main
// window gives the tools its inputs and dialogues through this window, and
// shows a tool with Mostrar.
#pragma once

#include <QKeySequence>
#include <QString>
#include <QWidget>
#include <vector>

#include "ui/analise/VistaAnalise.h"

class AbasEmLinhas;
class QTabWidget;

class JanelaAnalise : public QWidget {
    Q_OBJECT

public:
    // A window of its own, not a child of the main window: either can be
    // brought to the front.
    JanelaAnalise();
    ~JanelaAnalise() override;

    // Adds a tool as the last tab, titled titulo translated in contexto (now
    // and after a change of language), and gives it what the other tools
    // were given. Its shortcut, when it has one, brings its tab forward
    // here as the main window's menu entry does there.
    void Adicionar(VistaAnalise* ferramenta, const char* contexto, const char* titulo,
                   const QKeySequence& atalho = {});
    const std::vector<VistaAnalise*>& Ferramentas() const { return ferramentas_; }

    // Shows the window (filling the screen's work area the first time),
    // brings it to the front and the tool's tab forward.
    void Mostrar(VistaAnalise* ferramenta);
    // Names the case the tools' inputs come from, in the window's title.
    void DefinirNomeCaso(const QString& nome);

    // For every tool, now and for those added later.
    void DefinirFonteEntradas(VistaAnalise::FonteEntradas fonte);
    void DefinirEscolhaArquivo(EscolhaArquivo escolha);
    void DefinirConfirmacaoSubstituir(ConfirmacaoSubstituir confirmacao);
    void EntradasMudaram();
    void Encerrar();

    QTabWidget* Abas;  // one tab per tool

protected:
    void changeEvent(QEvent* evento) override;

private:
    struct Titulo {
        const char* contexto;
        const char* texto;
    };
    void Retraduzir();

    AbasEmLinhas* abas_;
    std::vector<VistaAnalise*> ferramentas_;
    std::vector<Titulo> titulos_;
    QString nomeCaso_;
    bool mostrada_ = false;
    VistaAnalise::FonteEntradas fonte_;
    EscolhaArquivo escolha_;
    ConfirmacaoSubstituir confirmacao_;
};
