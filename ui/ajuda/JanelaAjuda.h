// The manual's window: a non-modal dialogue with a browser over the manual
// compiled into the program, back, forward and start buttons, the choice of
// language and a search field. It opens in the language asked for and follows
// the window's changes of language (texts and page); its own choice of
// language shows either page whatever the window's language.
#pragma once

#include <QDialog>

#include "ui/ajuda/ManualUsina.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;
class QToolButton;

class JanelaAjuda : public QDialog {
    Q_OBJECT

public:
    explicit JanelaAjuda(QWidget* pai = nullptr, Idioma idioma = Idioma::Portugues);

    // Shows the start of a language's page.
    void MostrarIdioma(Idioma idioma);
    // The language of the page shown.
    Idioma IdiomaAtual() const;
    // Selects the next occurrence of texto after the cursor, starting over
    // from the top once; false when the page does not hold it.
    bool Localizar(const QString& texto);

    QTextBrowser* Navegador = nullptr;
    QToolButton *BotaoVoltar = nullptr, *BotaoAvancar = nullptr, *BotaoInicio = nullptr;
    QComboBox* EscolhaIdioma = nullptr;
    QLineEdit* CampoLocalizar = nullptr;

protected:
    void changeEvent(QEvent* evento) override;

private:
    void FonteMudou();
    void Retraduzir();

    QLabel* resultadoBusca_ = nullptr;
    QPushButton* fechar_ = nullptr;
    Idioma idioma_ = Idioma::Portugues;
    Idioma idiomaJanela_ = Idioma::Portugues;  // the window's, as last seen
};
