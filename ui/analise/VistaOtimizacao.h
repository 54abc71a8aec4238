// What is best, and what reaches a target: the optimisation of one output
// over 1 to 4 inputs, each in a range, subject to constraints OUTPUT >= or <=
// VALUE, and the goal seek of one output by one input. Each runs off the
// interface thread with progress and "Cancelar"; the answer is shown beside
// the window's current inputs, the best objective against the runs made in a
// chart, and "Aplicar à janela" hands the answer's inputs to the window, so
// that "Executar" reproduces it. A cancelled search applies nothing.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "plant/AtingirMeta.h"
#include "plant/EntradasUsina.h"
#include "plant/Otimizacao.h"
#include "ui/analise/VistaAnalise.h"
#include "ui/comum/ExportacaoVista.h"

class QCheckBox;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QProgressBar;
class QPushButton;
class QTableWidget;

class VistaOtimizacao : public VistaAnalise {
    Q_OBJECT

public:
    explicit VistaOtimizacao(QWidget* pai = nullptr);
    ~VistaOtimizacao() override;

    void DefinirFonteEntradas(FonteEntradas fonte) override { fonte_ = std::move(fonte); }
    void DefinirEscolhaArquivo(EscolhaArquivo escolha) override {
        exportacao_.DefinirEscolha(std::move(escolha));
    }
    void DefinirConfirmacaoSubstituir(ConfirmacaoSubstituir confirmacao) override {
        exportacao_.DefinirConfirmacao(std::move(confirmacao));
    }
    // A search in progress is stopped and waited for.
    void Encerrar() override;

    // The requests the controls describe, around base. Throw ErroConversao
    // for a range or a target that is not a number.
    PedidoOtimizacao PedidoDosControles(const EntradasUsina& base) const;
    PedidoMeta PedidoMetaDosControles(const EntradasUsina& base) const;

    // Start the search off the interface thread; the answer arrives in the
    // view (and concluida is emitted). Throw what the core throws before
    // anything runs.
    void Otimizar(const PedidoOtimizacao& pedido);
    void AtingirMeta(const PedidoMeta& pedido);
    void OtimizarClick();
    void AtingirMetaClick();
    void Cancelar();
    bool Executando() const { return executando_; }
    void AplicarClick();
    void ExportarClick();

    const std::optional<ResultadoOtimizacao>& ResultadoOtimo() const { return otimo_; }
    const std::optional<ResultadoMeta>& ResultadoAtingido() const { return meta_; }

    // Objective.
    QComboBox* Objetivo;
    QComboBox* Sentido;  // maximise, minimise
    // Up to four inputs, each with its range.
    std::vector<QCheckBox*> UsarEntrada;
    std::vector<QComboBox*> Entrada;
    std::vector<QLineEdit*> Minimo;
    std::vector<QLineEdit*> Maximo;
    // Constraints: output, operator, limit per row.
    QTableWidget* Restricoes;
    QPushButton* BotaoAdicionarRestricao;
    QPushButton* BotaoRemoverRestricao;
    QPushButton* BotaoOtimizar;
    // Goal seek.
    QComboBox* SaidaMeta;
    QLineEdit* AlvoMeta;
    QComboBox* EntradaMeta;
    QLineEdit* MinimoMeta;
    QLineEdit* MaximoMeta;
    QPushButton* BotaoAtingirMeta;
    // Running and the answer.
    QPushButton* BotaoCancelar;
    QProgressBar* Progresso;
    QLabel* Situacao;
    QTableWidget* Resposta;     // the answer beside the current inputs
    QChartView* Evolucao;       // best objective against runs
    QPushButton* BotaoAplicar;
    QPushButton* BotaoExportar;

signals:
    // The inputs to put in the window's fields ("Aplicar à janela").
    void aplicar(const EntradasUsina& entradas);
    void concluida();

protected:
    void changeEvent(QEvent* evento) override;

private:
    void Iniciar();  // the controls while a search runs
    // The worker's counts shown in the bar, on this thread.
    ProgressoVarredura ProgressoNaVista();
    // Runs executar off this thread; then, on it, the controls back and
    // concluir with the result or the error, and concluida.
    template <typename Resultado, typename Executar, typename Concluir>
    void Rodar(Executar executar, Concluir concluir);
    void Terminar();
    void AdicionarRestricao(const QString& saida, int operador, const QString& limite);
    // One row of the answer: the quantity, its value in the window's inputs
    // and in the answer (rounded; exact in the tooltips), a note.
    void LinhaResposta(const QString& grandeza, const std::optional<double>& atual,
                       const std::optional<double>& resposta, const QString& observacao);
    void MostrarOtimo();
    void MostrarMeta();
    void Retraduzir();

    FonteEntradas fonte_;
    EntradasUsina base_;  // the window's inputs the search started from
    std::optional<PedidoOtimizacao> pedidoOtimo_;
    std::optional<ResultadoOtimizacao> otimo_;
    std::optional<PedidoMeta> pedidoMeta_;
    std::optional<ResultadoMeta> meta_;
    QLineSeries* curva_ = nullptr;
    std::thread trabalho_;
    std::atomic<bool> cancelar_{false};
    bool executando_ = false;
    ExportacaoVista exportacao_;
};
