// The main window's definition as data: the right-hand panels in the order
// of the "Componentes" list, each with its title and its rows of
// caption and field, and the fixed texts of the left column and the banner.
// Each entry names the TFusina member it fills, so member and component name
// always agree.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class TFusina;

enum class TipoCampo {
    Entrada,        // normal background, editable
    Saida,          // shaded background, read-only
    SaidaEditavel,  // shaded like an output but accepts typing
};

struct LinhaCampo {
    QLabel* TFusina::* legenda;
    QLineEdit* TFusina::* campo;
    const char* nomeLegenda;  // "Label2"
    const char* nomeCampo;    // "Ecapusi"
    const char* texto;        // caption shown left of the field, in Portuguese
    const char* contexto;     // where its translation is: ContextoJanela, or "Nucleo"
    TipoCampo tipo;
};

enum class FormaPainel {
    Dados,      // one row of caption and field per entry
    Relatorio,  // report file name, directory chooser, "OK"
    Figura,     // flowsheet picture, printing, directory chooser, "Salvar"
};

struct DefinicaoPainel {
    QFrame* TFusina::* painel;
    QLabel* TFusina::* titulo;
    const char* nomePainel;   // "Panel11"
    const char* nomeTitulo;   // "Label1"
    const char* textoTitulo;  // bold title at the top of the panel (ContextoJanela)
    const char* item;         // text of its item in "Componentes" (ContextoJanela)
    FormaPainel forma;
    std::vector<LinhaCampo> linhas;  // top to bottom
};

// The panels, index = item of the "Componentes" list: the list has one item
// per entry, so adding a panel is adding an entry here.
const std::vector<DefinicaoPainel>& PaineisJanela();

// The translation context of the window's own texts below and of the
// panels' titles, items and captions; the input captions are the core's.
inline constexpr const char* ContextoJanela = "Janela";

// Window caption, list caption and banner, in Portuguese: translated in
// ContextoJanela where they are shown.
extern const char* const TituloJanela;
extern const char* const TituloComponentes;
extern const char* const TextoBanner;
// The lines of the two memos, in the window's language.
QStringList LinhasMemo1();
QStringList LinhasMemo2();
