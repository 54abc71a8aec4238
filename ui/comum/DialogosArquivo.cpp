#include "ui/comum/DialogosArquivo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QTreeView>

namespace {

QString Traduzir(const char* texto) { return QCoreApplication::translate("DialogosArquivo", texto); }

const char* const FiltroCasos = QT_TRANSLATE_NOOP("DialogosArquivo", "Casos da usina (*.usina)");
const char* const FiltroCsv = QT_TRANSLATE_NOOP("DialogosArquivo", "Tabela CSV (*.csv)");
const char* const FiltroJson = QT_TRANSLATE_NOOP("DialogosArquivo", "Tudo em JSON (*.json)");

// The labels Qt's own dialogue shows, in the window's language (Qt's own
// Portuguese translation may be missing).
void DefinirRotulos(QFileDialog& dialogo, const char* aceitar) {
    dialogo.setLabelText(QFileDialog::Accept, Traduzir(aceitar));
    dialogo.setLabelText(QFileDialog::Reject,
                         Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Cancelar")));
    dialogo.setLabelText(QFileDialog::FileName,
                         Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Nome do arquivo:")));
    dialogo.setLabelText(QFileDialog::FileType, Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Tipo:")));
    dialogo.setLabelText(QFileDialog::LookIn, Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Pasta:")));
}

// Qt's own file dialogue (where the desktop has no native one) at a size
// that fits a 1024 x 600 screen, with its columns and side bar wide enough
// for what they hold: at its default size it cuts sizes, types, dates and
// the places on the left. The parts are found by the names Qt gives them;
// a native dialogue has none and is left as it is.
void AjustarDialogo(QFileDialog& dialogo) {
    dialogo.resize(860, 500);
    if (auto* arvore = dialogo.findChild<QTreeView*>("treeView")) {
        QHeaderView* colunas = arvore->header();
        colunas->setStretchLastSection(false);
        colunas->setSectionResizeMode(0, QHeaderView::Stretch);  // name
        const int larguras[] = {0, 100, 170, 150};                // size, type, date
        for (int i = 1; i < 4 && i < colunas->count(); ++i) colunas->resizeSection(i, larguras[i]);
    }
    if (auto* divisao = dialogo.findChild<QSplitter*>("splitter")) divisao->setSizes({160, 700});
}

// A save dialogue that appends the suffix of the chosen filter to a name
// typed without one. It does not ask about replacing a file: the window asks
// that itself, in its own language, once the name is final.
QString EscolherParaGravar(QWidget* pai, const QString& titulo, const QString& inicial,
                           const QStringList& filtros, const QStringList& sufixos) {
    QFileDialog dialogo(pai, titulo);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    dialogo.setNameFilters(filtros);
    dialogo.setDefaultSuffix(sufixos.value(0));
    DefinirRotulos(dialogo, QT_TRANSLATE_NOOP("DialogosArquivo", "Salvar"));
    QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo,
                     [&](const QString& filtro) {
                         const qsizetype i = filtros.indexOf(filtro);
                         if (i >= 0) dialogo.setDefaultSuffix(sufixos.value(i));
                     });
    const QFileInfo info(inicial);
    if (info.isDir()) {
        dialogo.setDirectory(inicial);
    } else {
        dialogo.setDirectory(info.absolutePath());
        dialogo.selectFile(info.fileName());
    }
    AjustarDialogo(dialogo);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    return dialogo.selectedFiles().first();
}

}  // namespace

QString DialogosArquivoQt::EscolherCasoParaAbrir(const QString& inicial) {
    QFileDialog dialogo(pai_, Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Abrir caso")));
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(QFileDialog::ExistingFile);
    dialogo.setNameFilters({Traduzir(FiltroCasos),
                            Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Todos os arquivos (*)"))});
    DefinirRotulos(dialogo, QT_TRANSLATE_NOOP("DialogosArquivo", "Abrir"));
    const QFileInfo info(inicial);
    dialogo.setDirectory(info.isDir() ? inicial : info.absolutePath());
    AjustarDialogo(dialogo);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    return dialogo.selectedFiles().first();
}

QString DialogosArquivoQt::EscolherCasoParaSalvar(const QString& inicial) {
    return EscolherParaGravar(pai_, Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Salvar caso como")),
                              inicial, {Traduzir(FiltroCasos)}, {"usina"});
}

QString DialogosArquivoQt::EscolherExportacao(const QString& inicial) {
    // The filter follows the suggested name's suffix.
    QStringList filtros = {Traduzir(FiltroCsv), Traduzir(FiltroJson)};
    QStringList sufixos = {"csv", "json"};
    if (inicial.endsWith(".json", Qt::CaseInsensitive)) {
        filtros.swapItemsAt(0, 1);
        sufixos.swapItemsAt(0, 1);
    }
    return EscolherParaGravar(pai_,
                              Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Exportar resultados")),
                              inicial, filtros, sufixos);
}

QString DialogosArquivoQt::EscolherArquivoParaGravar(const QString& titulo,
                                                     const QString& inicial,
                                                     const QStringList& filtros,
                                                     const QStringList& sufixos) {
    return EscolherParaGravar(pai_, titulo, inicial, filtros, sufixos);
}

RespostaAlteracoes DialogosArquivoQt::PerguntarAlteracoes(const QString& nomeCaso) {
    QMessageBox caixa(
        QMessageBox::Warning, Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Alterações não salvas")),
        Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Os dados de entrada de \"%1\" foram alterados."))
            .arg(nomeCaso),
        QMessageBox::NoButton, pai_);
    caixa.setTextFormat(Qt::PlainText);  // the case's name is the file's
    caixa.setInformativeText(
        Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Deseja salvar as alterações?")));
    QPushButton* salvar = caixa.addButton(Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Salvar")),
                                          QMessageBox::AcceptRole);
    QPushButton* descartar = caixa.addButton(
        Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Descartar")), QMessageBox::DestructiveRole);
    QPushButton* cancelar = caixa.addButton(
        Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Cancelar")), QMessageBox::RejectRole);
    caixa.setDefaultButton(salvar);
    caixa.setEscapeButton(cancelar);
    caixa.exec();
    if (caixa.clickedButton() == salvar) return RespostaAlteracoes::Salvar;
    if (caixa.clickedButton() == descartar) return RespostaAlteracoes::Descartar;
    return RespostaAlteracoes::Cancelar;
}

bool DialogosArquivoQt::ConfirmarSubstituir(const QString& caminho) {
    return Perguntar(Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "O arquivo \"%1\" já existe."))
                         .arg(QDir::toNativeSeparators(caminho)),
                     Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Deseja substituí-lo?")));
}

bool DialogosArquivoQt::ConfirmarSubstituirLigacao(const QString& ligacao, const QString& destino) {
    const QString texto =
        QFileInfo::exists(destino)
            ? Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo",
                                         "\"%1\" é uma ligação simbólica para o arquivo \"%2\", "
                                         "que já existe."))
            : Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo",
                                         "\"%1\" é uma ligação simbólica para \"%2\", que não "
                                         "existe e será criado."));
    return Perguntar(
        texto.arg(QDir::toNativeSeparators(ligacao), QDir::toNativeSeparators(destino)),
        Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo",
                                   "Deseja gravar nesse arquivo? A ligação continua a mesma.")));
}

bool DialogosArquivoQt::Perguntar(const QString& texto, const QString& pergunta) {
    QMessageBox caixa(QMessageBox::Question,
                      Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Substituir arquivo")), texto,
                      QMessageBox::NoButton, pai_);
    caixa.setTextFormat(Qt::PlainText);  // file names are not markup
    caixa.setInformativeText(pergunta);
    QPushButton* substituir = caixa.addButton(
        Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Substituir")), QMessageBox::AcceptRole);
    QPushButton* cancelar = caixa.addButton(
        Traduzir(QT_TRANSLATE_NOOP("DialogosArquivo", "Cancelar")), QMessageBox::RejectRole);
    caixa.setDefaultButton(cancelar);
    caixa.setEscapeButton(cancelar);
    caixa.exec();
    return caixa.clickedButton() == substituir;
}

QString EscolherArquivo(const EscolhaArquivo& escolha, QWidget* pai, const QString& titulo,
                        const QString& inicial, const QStringList& filtros,
                        const QStringList& sufixos) {
    if (escolha) return escolha(titulo, inicial, filtros, sufixos);
    return DialogosArquivoQt(pai).EscolherArquivoParaGravar(titulo, inicial, filtros, sufixos);
}
