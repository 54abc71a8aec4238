// The questions and file dialogues of the "Arquivo" menu and of the two
// output panels, behind a small interface so that tests answer them instead
// of a person.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Answer to "save the changes first?".
enum class RespostaAlteracoes { Salvar, Descartar, Cancelar };

class DialogosArquivo {
public:
    virtual ~DialogosArquivo() = default;
    // "Abrir…": an existing case file, or empty when cancelled. inicial is
    // the directory or file the dialogue starts at.
    virtual QString EscolherCasoParaAbrir(const QString& inicial) = 0;
    // "Salvar como…": the name to save under, or empty when cancelled. The
    // dialogue does not ask about replacing a file; the window does.
    virtual QString EscolherCasoParaSalvar(const QString& inicial) = 0;
    // "Exportar resultados…": a .csv or .json name, or empty when cancelled.
    virtual QString EscolherExportacao(const QString& inicial) = 0;
    // Any other file the window writes (a picture, a table, a PDF): the
    // filters as "Descrição (*.ext)" with their suffixes in the same order;
    // the first is chosen at first. Empty when cancelled.
    virtual QString EscolherArquivoParaGravar(const QString& titulo, const QString& inicial,
                                              const QStringList& filtros,
                                              const QStringList& sufixos) = 0;
    // The inputs differ from the case nomeCaso: save, discard or cancel?
    virtual RespostaAlteracoes PerguntarAlteracoes(const QString& nomeCaso) = 0;
    // The file exists: replace it?
    virtual bool ConfirmarSubstituir(const QString& caminho) = 0;
    // ligacao is a symbolic link: write into destino, the file it leads to
    // (which may not exist yet), leaving the link as it is? By default the
    // question about destino.
    virtual bool ConfirmarSubstituirLigacao(const QString& ligacao, const QString& destino) {
        (void)ligacao;
        return ConfirmarSubstituir(destino);
    }
};

// The standard Qt dialogues, in the window's language, parented to the main window.
class DialogosArquivoQt : public DialogosArquivo {
public:
    explicit DialogosArquivoQt(QWidget* pai) : pai_(pai) {}
    QString EscolherCasoParaAbrir(const QString& inicial) override;
    QString EscolherCasoParaSalvar(const QString& inicial) override;
    QString EscolherExportacao(const QString& inicial) override;
    QString EscolherArquivoParaGravar(const QString& titulo, const QString& inicial,
                                      const QStringList& filtros,
                                      const QStringList& sufixos) override;
    RespostaAlteracoes PerguntarAlteracoes(const QString& nomeCaso) override;
    bool ConfirmarSubstituir(const QString& caminho) override;
    bool ConfirmarSubstituirLigacao(const QString& ligacao, const QString& destino) override;

private:
    bool Perguntar(const QString& texto, const QString& pergunta);

    QWidget* pai_;
};

// How a view asks for the name of a file to write: title, starting file,
// filters "Descrição (*.ext)" and their suffixes without the dot; empty when
// cancelled. The window passes its own dialogues, so that tests answer them.
using EscolhaArquivo = std::function<QString(const QString& titulo, const QString& inicial,
                                             const QStringList& filtros,
                                             const QStringList& sufixos)>;

// The chooser's answer, or Qt's own dialogue over pai when there is none.
QString EscolherArquivo(const EscolhaArquivo& escolha, QWidget* pai, const QString& titulo,
                        const QString& inicial, const QStringList& filtros,
                        const QStringList& sufixos);
