// The shape every view of the last finished run shares: the notice that the
// results no longer match the inputs, the notice that there is no finished
// run yet (in place of the content), the content area, the copy of the run
// shown, and the view's "Exportar…". A view fills its content in
// Preencher; the window shows a run in all its views and marks them stale
// through this class alone.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "plant/ResultadoUsina.h"
#include "ui/comum/ExportacaoVista.h"

class QLabel;
class QVBoxLayout;

class VistaResultado : public QWidget {
    Q_OBJECT

public:
    ~VistaResultado() override;

    // Shows a run (a copy is kept) and clears the stale notice. A view with
    // a "no finished run" notice keeps only a finished run: anything else
    // empties it back to the notice.
    void MostrarResultado(const ResultadoUsina& resultado);
    // Shows or hides the line saying the results no longer match the inputs.
    void MarcarDesatualizado(bool desatualizado);

    // How the view's export asks for a file name and whether it may replace
    // a file: the window passes its dialogues; by default Qt's. A view
    // without an export ignores them.
    void DefinirEscolhaArquivo(EscolhaArquivo escolha);
    void DefinirConfirmacaoSubstituir(ConfirmacaoSubstituir confirmacao);

    QLabel* AvisoDesatualizado = nullptr;
    QLabel* AvisoSemCalculo = nullptr;  // none in a view that draws something without a run
    QWidget* Conteudo = nullptr;        // in place of AvisoSemCalculo once a run is shown

protected:
    // nome is the objectName; titulo the windowTitle, translated in the
    // context of that name.
    VistaResultado(const char* nome, const char* titulo, QWidget* pai);

    // The column the notices start: the stale notice, then, when conteudo is
    // given, the "no finished run" notice and conteudo in its place, both
    // stretching; a view adds what goes below.
    QVBoxLayout* MontarColuna(QWidget* conteudo);
    // The view's "Exportar…", made once in its constructor.
    ExportacaoVista& CriarExportacao(PoliticaExportacao politica);
    ExportacaoVista* Exportacao() { return exportacao_.get(); }

    // The run shown, or none.
    const std::optional<ResultadoUsina>& Resultado() const { return resultado_; }
    bool MarcadoDesatualizado() const { return desatualizado_; }
    // The content in place of the "no finished run" notice, or the notice
    // in place of the content.
    void MostrarConteudo(bool mostrar);

    // Fills the content from Resultado(), or empties it when there is none;
    // called with every run shown.
    virtual void Preencher() = 0;

private:
    std::optional<ResultadoUsina> resultado_;
    bool desatualizado_ = false;
    std::unique_ptr<ExportacaoVista> exportacao_;
};
