// The main window: input and result panels, the "Componentes" list that
// chooses the visible panel, "Executar", the report and the picture panels.
// Every component is a public member whose name is also its Qt objectName.
//
// Map: the fields the engineer types in are read by the core
// (CalcularUsinaNosCampos), which writes the result panels as it goes; a
// finished run then goes to every view in the tabs beside the panels
// (ui/vistas), and the studies (ui/analise) take the fields' inputs when
// they run. ui/README.md walks through the rooms of the window.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "plant/EntradasUsina.h"
#include "plant/ResultadoUsina.h"

class AbasEmLinhas;
class JanelaAnalise;
class QButtonGroup;
class QToolButton;
class QCheckBox;
class QComboBox;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMenuBar;
class QPrinter;
class QPushButton;
class QSplitter;
class QTabWidget;
class VistaComparacao;
class VistaDiagramaTs;
class VistaResultado;
class VistaEstudo;
class VistaExergia;
class VistaCorrentes;
class VistaFluxograma;
class VistaIndicadores;
class VistaSafra;
class QTextEdit;
class CamposJanela;
class EntradasCampos;
struct CasoLido;
struct CasoUsina;
class DialogosArquivo;
class DialogosImpressao;
class SeletorDiretorio;

class TFusina : public QWidget {
    Q_OBJECT

public:
    explicit TFusina(QWidget* pai = nullptr);
    ~TFusina() override;

    // Replaces the print dialogues (tests confirm or cancel them).
    void DefinirDialogosImpressao(std::unique_ptr<DialogosImpressao> dialogos);
    // Replaces the file dialogues and questions (tests answer them).
    void DefinirDialogosArquivo(std::unique_ptr<DialogosArquivo> dialogos);
    // Made on first use: finding the printers can take long (a print server).
    QPrinter& Impressora();
    // The plant data and results as the last run left them.
    const ResultadoUsina& Resultado() const { return resultado_; }

    // The case file in use (absolute path), empty for a new case.
    const QString& CaminhoCaso() const { return caminhoCaso_; }
    // Whether the inputs (the numbers the fields show, and CheckBox1) or the
    // description differ from the case as opened or saved, or from the
    // defaults for a new case.
    bool CasoAlterado() const;
    // The case's description (plain text), as the file gives it or as typed
    // in "Propriedades do caso…"; a change marks the case modified.
    QString DescricaoCaso() const { return QString::fromStdString(descricaoCaso_); }
    void DefinirDescricaoCaso(const QString& descricao);
    // Replaces the "Propriedades do caso" dialogue (tests answer it): given
    // the case's name and description, the description typed, or nothing
    // when cancelled.
    using EdicaoDescricao = std::function<std::optional<QString>(const QString&, const QString&)>;
    void DefinirEdicaoDescricao(EdicaoDescricao edicao) { editarDescricao_ = std::move(edicao); }
    // Opens a case file (start-up, a dropped file, "Abrir recente"): asks
    // first about unsaved changes; a file that cannot be read is refused in
    // the error box and nothing changes. True when the case was opened.
    bool AbrirCaso(const QString& caminho);
    // An analysis's answer put in the fields, the configuration, the season
    // and the property package, each number as the shortest text that reads
    // back as itself: "Executar" then runs exactly the answer's inputs.
    void AplicarEntradas(const EntradasUsina& entradas);

    // Event handlers.
    void RadioGroup1Click();
    void BitBtn1Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void DriveComboBox1Change();
    void DriveComboBox2Change();
    // The "Arquivo" menu. Salvar and SalvarComo return true when the case
    // was saved.
    void NovoClick();
    void AbrirClick();
    bool SalvarClick();
    bool SalvarComoClick();
    void AbrirRecenteClick(const QString& caminho);
    void ExportarClick();
    void RelatorioPdfClick();
    void PropriedadesCasoClick();
    // Brings a view of the last run forward (on its page when the views
    // have one), or an analysis tool in the "Análise" window.
    void ExibirVista(QWidget* vista);

    // Menu bar with the "Arquivo" menu above everything else.
    QMenuBar* BarraMenus = nullptr;
    QMenu* MenuArquivo = nullptr;
    QMenu* MenuRecentes = nullptr;
    QAction *AcaoNovo = nullptr, *AcaoAbrir = nullptr, *AcaoSalvar = nullptr,
            *AcaoSalvarComo = nullptr, *AcaoPropriedadesCaso = nullptr, *AcaoExportar = nullptr,
            *AcaoRelatorioPdf = nullptr, *AcaoSair = nullptr;
    QMenu* MenuExibir = nullptr;
    QAction *AcaoExibirFluxograma = nullptr, *AcaoExibirCorrentes = nullptr,
            *AcaoExibirIndicadores = nullptr, *AcaoExibirSafra = nullptr;
    // "Análise": studies and comparisons, in tabs beside the views.
    QMenu* MenuAnalise = nullptr;
    QAction *AcaoEstudo = nullptr, *AcaoCompararCasos = nullptr,
            *AcaoCompararConfiguracoes = nullptr, *AcaoExergia = nullptr,
            *AcaoDiagramaTs = nullptr, *AcaoCompararFormulacoes = nullptr;
    // "Análise → Propriedades da água": the package every run of the window
    // evaluates its states with.
    QMenu* MenuPropriedades = nullptr;
    QAction *AcaoPropriedades1969 = nullptr, *AcaoPropriedadesIf97 = nullptr;

    // Left column.
    QFrame* Panel1 = nullptr;
    QTextEdit* Memo1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QPushButton* BitBtn1 = nullptr;

    // Right-hand panels.
    QFrame *Panel2 = nullptr, *Panel3 = nullptr, *Panel4 = nullptr, *Panel5 = nullptr,
           *Panel6 = nullptr, *Panel7 = nullptr, *Panel8 = nullptr, *Panel9 = nullptr,
           *Panel10 = nullptr, *Panel11 = nullptr, *Panel12 = nullptr, *Panel13 = nullptr;
    // Bottom banner.
    QFrame* Panel14 = nullptr;

    // Static captions: panel titles and field captions, numbered in the order
    // of the "Componentes" list (each panel's title, then its captions top to
    // bottom), see DefinicaoJanela.cpp.
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr,
           *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr,
           *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr,
           *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr, *Label20 = nullptr,
           *Label21 = nullptr, *Label22 = nullptr, *Label23 = nullptr, *Label24 = nullptr,
           *Label25 = nullptr, *Label26 = nullptr, *Label27 = nullptr, *Label28 = nullptr,
           *Label29 = nullptr, *Label30 = nullptr, *Label31 = nullptr, *Label32 = nullptr,
           *Label33 = nullptr, *Label34 = nullptr, *Label35 = nullptr, *Label36 = nullptr,
           *Label37 = nullptr, *Label38 = nullptr, *Label39 = nullptr, *Label40 = nullptr,
           *Label41 = nullptr, *Label42 = nullptr, *Label43 = nullptr, *Label44 = nullptr,
           *Label45 = nullptr, *Label46 = nullptr, *Label47 = nullptr, *Label48 = nullptr,
           *Label49 = nullptr, *Label50 = nullptr, *Label51 = nullptr, *Label52 = nullptr,
           *Label53 = nullptr, *Label54 = nullptr, *Label55 = nullptr, *Label56 = nullptr,
           *Label57 = nullptr, *Label58 = nullptr, *Label59 = nullptr, *Label60 = nullptr,
           *Label61 = nullptr, *Label62 = nullptr, *Label63 = nullptr, *Label64 = nullptr,
           *Label65 = nullptr, *Label66 = nullptr, *Label67 = nullptr, *Label68 = nullptr,
           *Label69 = nullptr, *Label70 = nullptr, *Label71 = nullptr, *Label72 = nullptr,
           *Label73 = nullptr, *Label74 = nullptr, *Label75 = nullptr, *Label76 = nullptr,
           *Label77 = nullptr, *Label78 = nullptr, *Label79 = nullptr, *Label80 = nullptr,
           *Label81 = nullptr, *Label82 = nullptr, *Label83 = nullptr, *Label84 = nullptr,
           *Label85 = nullptr, *Label86 = nullptr, *Label87 = nullptr, *Label88 = nullptr,
           *Label89 = nullptr, *Label90 = nullptr, *Label91 = nullptr, *Label92 = nullptr,
           *Label93 = nullptr, *Label94 = nullptr, *Label95 = nullptr, *Label96 = nullptr,
           *Label97 = nullptr, *Label98 = nullptr;

    // Global inputs (Panel11) and the configuration check box.
    QLineEdit *Ecapusi = nullptr, *Evap = nullptr, *Ebag = nullptr, *Epci = nullptr,
              *Epotmoe = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QTextEdit* Memo2 = nullptr;
    // Operating inputs (Panel2).
    QLineEdit *Eprevap = nullptr, *Eprecal = nullptr, *Etscal = nullptr, *Eefical = nullptr,
              *Epstap = nullptr, *Eefitap = nullptr, *Eprecon = nullptr, *Etcon = nullptr,
              *Eefibom = nullptr, *Eefitb = nullptr, *Eefitm = nullptr, *Emvalv = nullptr,
              *Eefitmp = nullptr;
    // Process steam (Panel3).
    QLineEdit *Em11 = nullptr, *Ep11 = nullptr, *Et11 = nullptr, *Etit11 = nullptr;
    // Boiler (Panel5).
    QLineEdit *Em1c = nullptr, *Ep19c = nullptr, *Et19c = nullptr, *Ep1c = nullptr,
              *Et1c = nullptr, *Eefi17 = nullptr, *Emcomb = nullptr;
    // High-pressure turbine (Panel4).
    QLineEdit *Ep1t = nullptr, *Et1t = nullptr, *Em2 = nullptr, *Ep2 = nullptr, *Et2 = nullptr,
              *Eefi12 = nullptr, *Ew12 = nullptr, *Eirr12 = nullptr, *Ee2l12 = nullptr;
    // Condensate pump (Panel6).
    QLineEdit *Em18 = nullptr, *Ep18 = nullptr, *Et18 = nullptr, *Ep19b = nullptr,
              *Et19b = nullptr, *Eefi20 = nullptr, *Ew20 = nullptr, *Eirr20 = nullptr,
              *Ee2l20 = nullptr;
    // Pump-drive turbine (Panel7).
    QLineEdit *Ep6 = nullptr, *Et6 = nullptr, *Ep10 = nullptr, *Et10 = nullptr,
              *Eefi16 = nullptr, *Ew16 = nullptr, *Em6 = nullptr, *Eirr16 = nullptr,
              *Ee2l16 = nullptr;
    // Mill-drive turbine (Panel8).
    QLineEdit *Ep4 = nullptr, *Et4 = nullptr, *Ep8 = nullptr, *Et8 = nullptr,
              *Eefi13 = nullptr, *Ew13 = nullptr, *Em4 = nullptr, *Eirr4 = nullptr,
              *Ee2l4 = nullptr;
    // Medium-pressure turbine (Panel9).
    QLineEdit *Ep5 = nullptr, *Et5 = nullptr, *Ep9 = nullptr, *Et9 = nullptr, *Em5 = nullptr,
              *Ew14 = nullptr, *Eefi14 = nullptr, *Eirr14 = nullptr, *Ee2l14 = nullptr;
    // Global results (Panel12).
    QLineEdit *Eprodvap = nullptr, *Eprodbag = nullptr, *Econbag = nullptr, *Eexbag = nullptr,
              *Epotele = nullptr, *Epotmoa = nullptr, *Epotbombea = nullptr,
              *Evarent = nullptr, *Etaxirr = nullptr, *Eirrvalv = nullptr;

    // Report file (Panel10).
    QLineEdit* Etxt = nullptr;
    QPushButton* Button1 = nullptr;
    QComboBox* DriveComboBox2 = nullptr;
    QListWidget* DirectoryListBox2 = nullptr;

    // Flowsheet picture (Panel13).
    QLabel* Image1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QLineEdit* Ejpeg = nullptr;
    QComboBox* DriveComboBox1 = nullptr;
    QListWidget* DirectoryListBox1 = nullptr;

    // The views of the whole plant from the last complete run, in tabs
    // beside the chosen panel, or on a page of their own when the panel
    // leaves them too little room.
    QSplitter* Divisao = nullptr;
    QTabWidget* Vistas = nullptr;
    VistaFluxograma* FluxogramaResultados = nullptr;
    VistaCorrentes* Correntes = nullptr;
    VistaIndicadores* Indicadores = nullptr;
    VistaSafra* Safra = nullptr;  // the season's inputs and figures
    VistaExergia* Exergia = nullptr;
    VistaDiagramaTs* DiagramaTs = nullptr;
    // The page switch at the right of the menu bar, shown only while the
    // views are on a page of their own: the chosen panel, or the views.
    QWidget* TrocaPaginas = nullptr;
    QToolButton* BotaoPainel = nullptr;
    QToolButton* BotaoVistas = nullptr;
    // Whether the views are on a page of their own (the window is too narrow
    // for them beside the chosen panel).
    bool VistasEmPagina() const;
    // The "Análise" window and its tools, which run cases of their own from
    // the fields' inputs.
    JanelaAnalise* Analise = nullptr;
    VistaEstudo* Estudo = nullptr;
    VistaComparacao* Comparacao = nullptr;
    // Whether the inputs (field numbers and CheckBox1) differ from those of
    // the last complete run the views show.
    bool ResultadosDesatualizados() const { return desatualizado_; }

    // Warnings of the last run, above the banner, and a plain statement when
    // the last run did not finish; empty after a clean run.
    QLabel* LinhaAviso = nullptr;

protected:
    // A change of language composes the window's texts again.
    void changeEvent(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

private:
    QMenuBar* CriarMenus();
    void PreencherRecentes();
    void LigarCaso();
    QWidget* CriarColunaEsquerda();
    QWidget* CriarAreaPaineis();
    QWidget* CriarVistas();
    void CriarAnalise();
    void CriarTrocaPaginas();
    void CriarMenuExibir();
    void CriarMenuAnalise();
    void LigarFontesEntradas();  // once the fields' holder exists
    // The high-pressure turbine's inputs follow CheckBox1 at once, and keep
    // their place when hidden so that the rows below never move.
    void LigarCamposTurbinaAlta();
    void MostrarCamposTurbinaAlta();
    // The property package of the window's runs: the menu, the fields'
    // holder, the stale tracking and the title follow it.
    void DefinirFormulacao(Formulacao formulacao);
    // The inputs the fields hold, the configuration CheckBox1's. Throws
    // ErroCaso naming the first field that is not a number.
    EntradasUsina EntradasDaJanela() const;
    void DefinirDicas();
    void MostrarDicas();  // the input fields' tooltips, in the window's language
    void TraduzirAbas();  // the views' tab titles
    // The texts the window composes (title, memos, tooltips, tabs, warning
    // line), again in the language now on, and the room they take.
    void Retraduzir();
    // The chosen panel beside the views when both fit, the panel whole;
    // else one of them on its page (MostrarPagina). The panel area takes the
    // chosen panel's size unless the user has dragged the divider.
    void OrganizarDivisao();
    void MostrarPagina(bool vistas);
    QSize ExtraAreaPaineis() const;  // pixels the panel area adds around a panel
    QSize TamanhoPainelEscolhido() const;  // with those pixels
    // After a run: a complete one goes to the views; either way the views
    // and the warning line then say whether they match the inputs.
    void AtualizarVistas();
    void VerificarDesatualizado();
    QFrame* CriarBanner();
    void LigarEventos();
    void LigarTeclado();
    void AbrirDiretorio(SeletorDiretorio& seletor, QListWidgetItem* item);
    void AtualizarSeletores();
    // The case: a case read shown in the fields, the fields as a case to
    // save (refused unless the inputs can be saved and read back), saving.
    void MostrarCaso(const QString& caminho, const CasoLido& lido);
    CasoUsina CasoParaSalvar() const;
    void GravarCasoNoArquivo(const QString& caminho, const CasoUsina& caso);
    // True when nothing is unsaved, or the user saved or discarded it.
    bool PodeDescartarAlteracoes();
    void AtualizarTitulo();
    QString NomeCaso() const;  // the case file's name, or "Sem título"
    // A file the window is about to write: false when it exists and the
    // user keeps it.
    bool PodeGravar(const QString& caminho);
    // The warning line shows one message at a time, the newest replacing
    // the last: the last run's warnings or failure, the results gone stale,
    // a file written, a case opened. Composed each time it is shown so that
    // it follows the language; warnings and failures in red, the rest in
    // the text's own colour.
    using Nota = std::function<QString()>;
    enum class TipoNota { Aviso, Informacao };
    void MostrarLinhaAviso();
    void DefinirNota(Nota nota, TipoNota tipo = TipoNota::Informacao);
    void MostrarNotaExecucao();  // the last run's warnings and situation
    // The output fields of the panels greyed while their numbers are not
    // those of the inputs shown (same texts), in the text's colour again
    // after a run that finished.
    void MarcarSaidasAntigas();

    QButtonGroup* itens_ = nullptr;                 // the radio buttons of RadioGroup1
    std::vector<QFrame*> paineisPorItem_;           // panel of each list item
    QImage figura_;                                 // the picture shown in Image1
    std::unique_ptr<QPrinter> impressora_;          // one printer setting for the session
    std::unique_ptr<DialogosImpressao> dialogos_;
    std::unique_ptr<SeletorDiretorio> seletor1_;    // Panel13
    std::unique_ptr<SeletorDiretorio> seletor2_;    // Panel10
    std::unique_ptr<CamposJanela> campos_;
    std::unique_ptr<EntradasCampos> entradas_;  // the numbers the input fields hold
    ResultadoUsina resultado_;  // kept from run to run, as the report reads it
    std::unique_ptr<DialogosArquivo> dialogosArquivo_;
    // The views of the last complete run, shown and marked together.
    std::vector<VistaResultado*> vistasResultado_;

    // The case in use: its file, its inputs as opened or saved (the defaults
    // for a new case), and its description, kept when saving again.
    QString caminhoCaso_;
    EntradasUsina entradasCaso_;
    std::string descricaoCaso_;
    std::string descricaoArquivo_;  // as opened or saved
    EdicaoDescricao editarDescricao_;

    // What the last run read and wrote, for the export of its results.
    std::vector<std::pair<std::string, double>> entradasExecucao_;
    bool turbinaAltaExecucao_ = true;
    std::vector<std::pair<std::string, std::string>> camposExecucao_;

    // The last run's warnings and situation, as the warning line shows them
    // (none while a run starts).
    std::vector<AvisoUsina> avisosExecucao_;
    SituacaoCalculo situacaoExecucao_ = SituacaoCalculo::SemCalculo;

    // The last complete run, as the views show it, and its inputs as the
    // fields held them once it finished.
    std::unique_ptr<ResultadoUsina> resultadoCompleto_;
    EntradasUsina entradasCompleto_;
    bool desatualizado_ = false;
    bool naoConfiavel_ = false;  // the views' run has states that did not converge
    bool vistasNovas_ = false;   // the views were just given a run
    bool executando_ = false;  // a run rewrites fields: not a change by the user
    bool divisaoArrastada_ = false;
    bool paginaVistas_ = false;  // on their own page, the views rather than the panel
    AbasEmLinhas* abasVistas_ = nullptr;
    std::unique_ptr<JanelaAnalise> analise_;
    Nota nota_;  // the warning line's message; none when empty
    TipoNota tipoNota_ = TipoNota::Informacao;
    // After a run stopped at a text that is not a number: which field, and
    // what a number looks like; shown after the run's own message.
    Nota dicaNumero_;
    bool notaDesatualizada_ = false;  // the message says the results are stale
    // The panels' outputs are from before a case was opened or started anew,
    // or from a run that was refused or stopped: old until a run finishes.
    bool saidasDeOutroCaso_ = false;
    bool saidasCinza_ = false;  // as the output fields show it
};
