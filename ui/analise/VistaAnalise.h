// The shape every analysis tool shares (the parametric study, the comparison
// of cases, and the tools to come): it runs cases of its own from the
// window's inputs, writes its files through the window's dialogues, hears
// when the inputs change, and stops its work before the program ends. The
// "Análise" window holds the tools as tabs and speaks to them through this
// class alone.
#pragma once

#include <QWidget>
#include <functional>

#include "plant/EntradasUsina.h"
#include "ui/comum/ExportacaoVista.h"

class VistaAnalise : public QWidget {
    Q_OBJECT

public:
    // The window's inputs as they stand; throws the error of the first
    // field that cannot be read.
    using FonteEntradas = std::function<EntradasUsina()>;

    // Where the tool takes its inputs from when it runs.
    virtual void DefinirFonteEntradas(FonteEntradas fonte) = 0;
    // How the tool's exports ask for a file name and whether they may
    // replace a file: the window passes its dialogues; by default Qt's.
    virtual void DefinirEscolhaArquivo(EscolhaArquivo escolha) = 0;
    virtual void DefinirConfirmacaoSubstituir(ConfirmacaoSubstituir confirmacao) = 0;
    // The window's inputs changed (a field, the configuration, the property
    // package, a case opened). Nothing by default.
    virtual void EntradasMudaram() {}
    // The program is about to end: stop any work in progress. Nothing by
    // default.
    virtual void Encerrar() {}

protected:
    using QWidget::QWidget;
};
