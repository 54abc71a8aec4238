// A drive chooser with its directory list, as on the report and the picture
// panels. Both set the one working directory of the process, against which
// the report and the picture files are named.
#pragma once

#include <QString>

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QWidget;

class SeletorDiretorio {
public:
    // Creates the two widgets (children of pai, named as given), showing the
    // current working directory.
    SeletorDiretorio(const QString& nomeUnidades, const QString& nomeLista, QWidget* pai);

    QComboBox* Unidades() const { return unidades_; }
    QListWidget* Lista() const { return lista_; }

    // Rereads the working directory: the mounted volumes in the chooser with
    // its volume selected; in the list its path, ".." and its subdirectories.
    void Atualizar();

    // The volume at this index of the chooser becomes current: the working
    // directory stays where it is if it lies on that volume, else it moves to
    // the volume's root. Throws ErroArquivo when the directory cannot be
    // entered (the working directory is then unchanged).
    void EscolherUnidade(int indice);

    // Opens an entry of the list: its directory becomes the working
    // directory. Throws ErroArquivo as above.
    void AbrirEntrada(const QListWidgetItem* item);

    // Path that opening the entry makes current (absolute).
    static QString CaminhoDaEntrada(const QListWidgetItem* item);

private:
    QComboBox* unidades_;
    QListWidget* lista_;
};
