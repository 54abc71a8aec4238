// Tabs whose titles are never cut nor scrolled: the titles are toggle
// buttons that wrap onto as many rows as the width needs, above the pages of
// a QTabWidget whose own bar is hidden. The QTabWidget stays the place to
// ask which page is shown, and to show one.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QTabWidget;

class AbasEmLinhas : public QWidget {
    Q_OBJECT

public:
    // nome is the objectName of the pages' QTabWidget; this widget's is nome
    // + "EmLinhas".
    explicit AbasEmLinhas(const QString& nome, QWidget* pai = nullptr);

    // Adds a page with its title and returns its index; a button for it
    // joins the rows.
    int Adicionar(QWidget* pagina, const QString& titulo);
    // Sets a page's title on its tab and its button.
    void DefinirTitulo(int indice, const QString& titulo);
    // The button of a page (objectName "Aba" + the page's objectName).
    QAbstractButton* Botao(int indice) const;
    // Pixels of height the rows of buttons take at the given width.
    int AlturaBotoes(int largura) const;

    QTabWidget* Abas;  // the pages; its own tab bar is hidden

private:
    void Marcar(int indice);

    QWidget* barra_;
    QButtonGroup* grupo_;
    std::vector<QAbstractButton*> botoes_;
};
