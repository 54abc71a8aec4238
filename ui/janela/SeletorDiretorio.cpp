#include "ui/janela/SeletorDiretorio.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QListWidget>
#include <QStorageInfo>
#include <QStyle>

#include "io/ErrosArquivo.h"

namespace {

// Where an entry of the list leads; for a file, the file it shows.
constexpr int PapelCaminho = Qt::UserRole;
constexpr int PapelArquivo = Qt::UserRole + 1;

// Mounted file systems that can be browsed, by root path.
QStringList Volumes() {
    QStringList raizes;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Bind mounts of single files (common in containers) are no volume.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir() &&
            !raizes.contains(volume.rootPath()))
            raizes << volume.rootPath();
    }
    raizes.sort();
    return raizes;
}

void EntrarEm(const QString& caminho) {
    if (!QDir::setCurrent(caminho))
        throw ErroArquivo("Cannot open directory " + QDir::toNativeSeparators(caminho).toStdString());
}

}  // namespace

SeletorDiretorio::SeletorDiretorio(const QString& nomeUnidades, const QString& nomeLista,
                                   const QStringList& filtroArquivos, QWidget* pai)
    : unidades_(new QComboBox(pai)), lista_(new QListWidget(pai)), filtroArquivos_(filtroArquivos) {
    unidades_->setObjectName(nomeUnidades);
    lista_->setObjectName(nomeLista);
    // The files' icons no taller than a line of text.
    const int altura = lista_->fontMetrics().height();
    lista_->setIconSize(QSize(altura, altura));
    Atualizar();
}

void SeletorDiretorio::Atualizar() {
    const QString atual = QDir::currentPath();
    const QString raizAtual = QStorageInfo(atual).rootPath();

    unidades_->clear();
    QStringList raizes = Volumes();
    if (!raizAtual.isEmpty() && !raizes.contains(raizAtual)) raizes << raizAtual;
    for (const QString& raiz : raizes) unidades_->addItem(QDir::toNativeSeparators(raiz), raiz);
    unidades_->setCurrentIndex(unidades_->findData(raizAtual));

    lista_->clear();
    // First line: where we are. Opening it just rereads the directory.
    auto* caminho = new QListWidgetItem(QDir::toNativeSeparators(atual), lista_);
    caminho->setData(PapelCaminho, atual);
    QFont negrito = caminho->font();
    negrito.setBold(true);
    caminho->setFont(negrito);

    QDir dir(atual);
    if (!dir.isRoot()) {
        auto* acima = new QListWidgetItem("..", lista_);
        acima->setData(PapelCaminho, QDir::cleanPath(atual + "/.."));
    }
    const QStringList subdiretorios =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& nome : subdiretorios) {
        auto* item = new QListWidgetItem(nome, lista_);
        item->setData(PapelCaminho, dir.absoluteFilePath(nome));
    }
    if (filtroArquivos_.isEmpty()) return;
    // The files, marked with the file icon; opening one does nothing.
    const QIcon icone = lista_->style()->standardIcon(QStyle::SP_FileIcon);
    const QStringList arquivos = dir.entryList(filtroArquivos_, QDir::Files | QDir::Hidden,
                                               QDir::Name | QDir::IgnoreCase);
    for (const QString& nome : arquivos) {
        auto* item = new QListWidgetItem(icone, nome, lista_);
        item->setData(PapelArquivo, dir.absoluteFilePath(nome));
    }
}

void SeletorDiretorio::MostrarArquivo(const QString& caminho) {
    Atualizar();
    const QString procurado = QFileInfo(caminho).absoluteFilePath();
    for (int i = 0; i < lista_->count(); ++i) {
        QListWidgetItem* item = lista_->item(i);
        if (ArquivoDaEntrada(item) == procurado) {
            lista_->setCurrentItem(item);
            lista_->scrollToItem(item);
            return;
        }
    }
}

void SeletorDiretorio::EscolherUnidade(int indice) {
    const QString raiz = unidades_->itemData(indice).toString();
    if (raiz.isEmpty()) return;
    // Like a drive's own current directory: stay put when already on it.
    if (QStorageInfo(QDir::currentPath()).rootPath() == raiz) return;
    EntrarEm(raiz);
}

void SeletorDiretorio::AbrirEntrada(const QListWidgetItem* item) {
    const QString caminho = CaminhoDaEntrada(item);
    if (!caminho.isEmpty()) EntrarEm(caminho);
}

QString SeletorDiretorio::CaminhoDaEntrada(const QListWidgetItem* item) {
    return item ? item->data(PapelCaminho).toString() : QString();
}

QString SeletorDiretorio::ArquivoDaEntrada(const QListWidgetItem* item) {
    return item ? item->data(PapelArquivo).toString() : QString();
}
