// "Comparar casos": the current inputs beside saved cases or beside their
// other configuration, each run on its own. One table holds, per case, the
// inputs that differ, the global results and the indicators, with the
// absolute and percentage differences to the current case; it is saved as
// CSV without the estimated figures.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <exception>
#include <functional>
#include <optional>
#include <vector>

#include "plant/ComparacaoCasos.h"
#include "ui/analise/VistaAnalise.h"
#include "ui/comum/ExportacaoVista.h"

// A row's name from the core in the window's language: "Potência elétrica",
// "Destruição de exergia: Caldeira"...
QString NomeLinhaComparacao(const std::string& nome);

// A case's name as its column's heading: on lines of at most 16 characters,
// broken after a space, hyphen, underscore or dot where it can.
QString NomeCasoEmLinhas(const QString& nome);

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class VistaComparacao : public VistaAnalise {
    Q_OBJECT

public:
    // Asks for a case file to open; empty when cancelled.
    using EscolhaCaso = std::function<QString()>;

    explicit VistaComparacao(QWidget* pai = nullptr);

    void DefinirFonteEntradas(FonteEntradas fonte) override;
    // How "Adicionar caso…" asks for a file; by default Qt's dialogue.
    void DefinirEscolhaCaso(EscolhaCaso escolherCaso);
    // How "Exportar CSV…" asks for a file name and whether it may replace a
    // file: the window passes its dialogues; by default Qt's.
    void DefinirEscolhaArquivo(EscolhaArquivo escolha) override;
    void DefinirConfirmacaoSubstituir(ConfirmacaoSubstituir confirmacao) override;
    // The window's inputs changed: Atualizar.
    void EntradasMudaram() override { Atualizar(); }

    // The current inputs changed: the comparison is made again now when the
    // view is on screen, else the next time it is shown. An input that cannot
    // be read is reported in the view, not in a message box (the user may be
    // in the middle of typing it), and the last comparison stays.
    void Atualizar();
    // Reads the current inputs and runs every case at once ("Atualizar").
    // Throws the source's error; the comparison shown stays as it was.
    void Comparar();

    // Adds the case of a .usina file as the last column and compares. Throws
    // ErroCaso for a file that cannot be read or is refused: nothing changes.
    void AdicionarCaso(const QString& caminho);
    // Adds the current inputs in their other configuration (with or without
    // the high-pressure turbine), a case that follows the inputs, and
    // compares; nothing is added when it is already there.
    void CompararConfiguracoes();
    // The current inputs under the other property package too, with each
    // stream's h, s and ex side by side.
    void CompararFormulacoes();
    // Removes another case by its position among them (0 = the first after
    // the current case) and compares; out of range does nothing.
    void RemoverCaso(int indice);
    // The other case whose column holds the current cell, or -1.
    int CasoSelecionado() const;
    int NumeroOutrosCasos() const { return static_cast<int>(outros_.size()); }

    // The comparison shown; empty before the first one.
    const std::optional<ComparacaoCasos>& Comparacao() const { return comparacao_; }
    // Writes the comparison as CSV. Throws ErroResultadoIncompleto before the
    // first comparison, ErroArquivo when the file cannot be written.
    void ExportarCsv(const QString& caminho) const;

    QLabel* AvisoSemComparacao;  // before the first comparison
    QLabel* AvisoEntradas;       // the current inputs could not be read
    QTreeWidget* Arvore;         // sections, then one row per quantity
    QLabel* Mensagens;           // refused or failed cases and warnings, one line each
    QLabel* NotaEstimativa;      // the estimated bagasse exergy and its source
    QPushButton* BotaoAdicionar;
    QPushButton* BotaoRemover;
    QPushButton* BotaoConfiguracoes;
    QPushButton* BotaoFormulacoes;
    QPushButton* BotaoAtualizar;
    QPushButton* BotaoExportar;

    // Columns: quantity, the current case, then value, difference and
    // percentage for each other case.
    static constexpr int ColunasPorCaso = 3;
    static int ColunaValor(int caso) { return caso == 0 ? 1 : 2 + (caso - 1) * ColunasPorCaso; }

    // The names' column never narrower than this on a narrow view (pixels).
    static constexpr int LarguraMinimaNomes = 200;

protected:
    void showEvent(QShowEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    // A change of language composes the table again from the comparison
    // shown, without running the cases again.
    void changeEvent(QEvent* evento) override;

private:
    // A saved case, or the current inputs in the configuration they do not have.
    struct OutroCaso {
        QString nome;
        QString arquivo;  // empty for the other configuration
        QString descricao;
        EntradasUsina entradas;
        bool outraConfiguracao = false;
        bool outraFormulacao = false;  // the current inputs under the other package
    };

    void CompararCom(const EntradasUsina& atuais);
    void Preencher();
    void Retraduzir();
    void ComporAvisoEntradas();
    // A case's heading: the current case, the other configuration, a file.
    QString NomeCaso(int caso) const;
    void AdicionarSecao(const QString& titulo, const std::vector<LinhaComparacao>& linhas,
                        bool entradas);
    void AtualizarBotoes();
    void AjustarColunaNomes();
    void AdicionarClick();
    void ExportarClick();

    FonteEntradas fonte_;
    EscolhaCaso escolhaCaso_;
    ExportacaoVista exportacao_;
    std::vector<OutroCaso> outros_;
    std::optional<ComparacaoCasos> comparacao_;
    // The other cases as they were when comparacao_ was made: outros_ may
    // have changed since, when the inputs could not be read.
    std::vector<OutroCaso> comparados_;
    // Why the current inputs could not be read, as thrown; null when they could.
    std::exception_ptr erroEntradas_;
    int larguraNomes_ = 0;  // pixels the names' column needs
    bool pendente_ = true;  // the inputs changed since the last comparison
};
