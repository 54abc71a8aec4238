// The parametric study: one or two plant inputs stepped over a range on the
// base case the window's fields give, every point a whole plant run on the
// sweep engine's threads, off the interface thread. The results come as a
// table and as a chart of one output against the first input, one curve per
// value of the second; both export (CSV, PNG, SVG).
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "plant/EntradasUsina.h"
#include "plant/Varredura.h"
#include "ui/analise/VistaAnalise.h"
#include "ui/comum/ExportacaoVista.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QTableView;
class QTreeWidget;
class ModeloEstudo;
struct CurvasEstudo;

class VistaEstudo : public VistaAnalise {
    Q_OBJECT

public:
    explicit VistaEstudo(QWidget* pai = nullptr);
    // Cancels a running study and waits for its threads.
    ~VistaEstudo() override;

    // Where the base case comes from: the window's fields as they stand. It
    // may throw (a field that is not a number); "Executar estudo" shows that.
    void DefinirFonteEntradas(FonteEntradas fonte) override;
    // How the exports ask for a file name and whether they may replace a
    // file: the window passes its dialogues; by default Qt's.
    void DefinirEscolhaArquivo(EscolhaArquivo escolha) override;
    void DefinirConfirmacaoSubstituir(ConfirmacaoSubstituir confirmacao) override;
    // The offered inputs follow the configuration while the view is shown.
    void EntradasMudaram() override;
    // Cancels a running study and waits for its thread.
    void Encerrar() override;
    // Offers the high-pressure turbine's inputs only when the base case has
    // that turbine; called when the view is shown, and by the window when
    // the configuration changes.
    void AtualizarCampos();

    // The checked outputs' field names, in the panels' order; checks exactly
    // those named.
    QStringList SaidasMarcadas() const;
    void MarcarSaidas(const QStringList& nomes);

    bool Executando() const { return executando_; }
    // Asks a running study to stop: the points already calculated stay.
    void Cancelar();

    // "Executar estudo": the request from the controls and the base case,
    // then ExecutarEstudo. Errors go to the general handler.
    void ExecutarClick();
    // The request the controls describe on this base case. Throws the
    // conversion error of a range field that is not a number, ErroVarredura
    // for a request the engine refuses.
    PedidoVarredura PedidoDosControles(const EntradasUsina& base) const;
    // Starts a study on a worker thread and returns; estudoConcluido() when
    // it ends. Throws, before anything runs, what the engine refuses and
    // when a study is already running.
    void ExecutarEstudo(const PedidoVarredura& pedido);

    // The results of the last study that ended (cancelled or not).
    const ResultadoVarredura& UltimoResultado() const { return resultado_; }
    const ModeloEstudo& Modelo() const { return *modelo_; }
    QChart* Grafico() const { return grafico_; }

    // Exports of the last study. Throw ErroResultadoIncompleto before any
    // study, ErroArquivo when the file cannot be written; the chart's format
    // follows the suffix (png or svg).
    void ExportarCsv(const QString& caminho) const;
    void ExportarGrafico(const QString& caminho) const;
    // After a cancelled study the exports first ask whether to write the
    // partial study (true: write it) and start at a name ending in
    // "-parcial". The window's question by default; tests answer it.
    using PerguntaParcial = std::function<bool(const QString& pergunta)>;
    void DefinirPerguntaParcial(PerguntaParcial pergunta);
    void ExportarCsvClick();
    void ExportarGraficoClick();

    // Pixels from which the controls sit beside the results instead of in
    // a tab of their own.
    static constexpr int LarguraLadoALado = 900;
    // Values of the second input at most, from the controls (one curve each).
    static constexpr int MaximoCurvas = 20;
    // Size of an exported chart, pixels (the PNG has twice as many).
    static constexpr int LarguraExportacao = 1000;
    static constexpr int AlturaExportacao = 650;

    QComboBox* CampoEntrada1;
    QLineEdit* Inicio1;
    QLineEdit* Fim1;
    QSpinBox* Pontos1;
    QComboBox* CampoEntrada2;  // "nenhuma" first
    QLineEdit* Inicio2;
    QLineEdit* Fim2;
    QSpinBox* Pontos2;
    QTreeWidget* ListaSaidas;  // checkable outputs under their panels
    QComboBox* SaidaGrafico;   // among the checked outputs
    QPushButton* BotaoExecutar;
    QPushButton* BotaoCancelar;
    QProgressBar* Progresso;
    QLabel* Situacao;  // how the last study ended
    QPushButton* BotaoExportarCsv;
    QPushButton* BotaoExportarGrafico;
    QTabWidget* Abas;  // "Estudo" when narrow, "Gráfico", "Tabela"
    QLabel* AvisoSemEstudo;
    QChartView* VistaGrafico;
    // The curves' legend beside the chart: each curve's sample and its whole
    // name, wrapped, one row (a QLabel pair) per curve; hidden for one curve.
    QScrollArea* LegendaCurvas;
    QLabel* ResumoFalhas;  // "n pontos não calculados"
    QListWidget* ListaFalhas;
    QTableView* Tabela;

signals:
    void estudoConcluido();

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    // A change of language composes the texts again, the last study's
    // included, without running it again or touching the choices.
    void changeEvent(QEvent* evento) override;

private:
    // How the last study went, for the line under the buttons.
    enum class SituacaoEstudo { Nenhuma, Calculando, NaoTerminou, Concluido };

    void Dispor();
    void Retraduzir();
    void CampoEscolhido(QComboBox* combo, QLineEdit* inicio, QLineEdit* fim);
    void DicasFaixa(const QComboBox* combo, QLineEdit* inicio, QLineEdit* fim);
    void NomearSaidas();        // the outputs' tree, in the window's language
    void NomearSaidasGrafico(); // the chart's output box, in the window's language
    void ComporSituacao();
    void SaidasMudaram();
    void MostrarProgresso(std::size_t feitos, std::size_t total);
    void Concluir(PedidoVarredura pedido, ResultadoVarredura resultado, std::exception_ptr erro);
    void MostrarEstudo();
    void MostrarGrafico();
    void PreencherLegenda(const CurvasEstudo& curvas);
    EntradasUsina Base() const;  // the base case, or the defaults when it cannot be read
    // Which of the last study's outputs the chart shows: the one chosen, or
    // the first when it was not calculated.
    std::size_t SaidaDoGrafico() const;
    // Before an export of a cancelled study: whether to write it after all.
    bool ConfirmarParcial();

    std::function<EntradasUsina()> fonte_;
    ExportacaoVista exportacaoCsv_;
    ExportacaoVista exportacaoGrafico_;
    // The same exports of a cancelled study, at names ending in "-parcial".
    ExportacaoVista exportacaoCsvParcial_;
    ExportacaoVista exportacaoGraficoParcial_;
    PerguntaParcial perguntaParcial_;
    ModeloEstudo* modelo_;
    QChart* grafico_;
    QWidget* controles_;  // beside the results, or the "Estudo" tab
    QWidget* paginaGrafico_ = nullptr;  // the "Gráfico" tab
    SituacaoEstudo situacao_ = SituacaoEstudo::Nenhuma;
    PedidoVarredura pedido_;  // of the last study, for its CSV
    ResultadoVarredura resultado_;
    bool temEstudo_ = false;
    bool executando_ = false;
    qint64 inicioMs_ = 0;  // when the running study started, ms since the epoch
    std::atomic<bool> cancelar_{false};
    std::thread trabalho_;
};
