// A drive chooser with its directory list, as on the report and the picture
// panels. Both set the one working directory of the process, against which
// the report and the picture files are named. Below the subdirectories the
// list shows the panel's own files (reports, pictures), so that a file just
// written can be seen where it went.
#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QListWidget;
class QListWidgetItem;
class QWidget;

class SeletorDiretorio {
public:
    // Creates the two widgets (children of pai, named as given), showing the
    // current working directory; the list shows the files matching
    // filtroArquivos ("*.txt") after the subdirectories.
    SeletorDiretorio(const QString& nomeUnidades, const QString& nomeLista,
                     const QStringList& filtroArquivos, QWidget* pai);

    QComboBox* Unidades() const { return unidades_; }
    QListWidget* Lista() const { return lista_; }

    // Rereads the working directory: the mounted volumes in the chooser with
    // its volume selected; in the list its path, "..", its subdirectories and
    // the files of the filter.
    void Atualizar();

    // Rereads, and selects the file's entry when it lies in the working
    // directory (a file just written).
    void MostrarArquivo(const QString& caminho);

    // The volume at this index of the chooser becomes current: the working
    // directory stays where it is if it lies on that volume, else it moves to
    // the volume's root. Throws ErroArquivo when the directory cannot be
    // entered (the working directory is then unchanged).
    void EscolherUnidade(int indice);

    // Opens an entry of the list: its directory becomes the working
    // directory. Throws ErroArquivo as above.
    void AbrirEntrada(const QListWidgetItem* item);

    // Path that opening the entry makes current (absolute); empty for a file.
    static QString CaminhoDaEntrada(const QListWidgetItem* item);
    // The file an entry shows (absolute); empty for a directory.
    static QString ArquivoDaEntrada(const QListWidgetItem* item);

private:
    QComboBox* unidades_;
    QListWidget* lista_;
    QStringList filtroArquivos_;
};
