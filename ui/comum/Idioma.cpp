#include "ui/comum/Idioma.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSettings>
#include <QTranslator>
#include <QWidget>
#include <stdexcept>
#include <vector>

#include "ui/comum/Configuracoes.h"

namespace {

const char* const ChaveIdioma = "interface/idioma";

// A text that follows the language: what to set on which object.
struct TextoRegistrado {
    QPointer<QObject> alvo;
    QByteArray propriedade;
    QByteArray contexto;
    QByteArray fonte;
};

struct EstadoIdioma {
    Idioma atual = Idioma::Portugues;
    // Owned here, installed on the application while their language is on.
    QTranslator* janela = nullptr;  // the window's English
    QTranslator* qt = nullptr;      // Qt's own texts in Brazilian Portuguese
    bool janelaInstalada = false;
    bool qtInstalado = false;
    std::vector<TextoRegistrado> textos;
};

EstadoIdioma& Estado() {
    static EstadoIdioma estado;
    return estado;
}

void AplicarTexto(const TextoRegistrado& texto) {
    texto.alvo->setProperty(texto.propriedade.constData(),
                            QCoreApplication::translate(texto.contexto.constData(),
                                                        texto.fonte.constData()));
}

void RetraduzirRegistrados() {
    auto& textos = Estado().textos;
    std::erase_if(textos, [](const TextoRegistrado& t) { return t.alvo.isNull(); });
    for (const TextoRegistrado& texto : textos) AplicarTexto(texto);
}

}  // namespace

// The translation is compiled into this static library, which must register
// it itself.
static void RegistrarTraducoes() { Q_INIT_RESOURCE(traducoes); }

QString CodigoIdioma(Idioma idioma) {
    return idioma == Idioma::Ingles ? QStringLiteral("en") : QStringLiteral("pt");
}

std::optional<Idioma> IdiomaDoCodigo(const QString& codigo) {
    if (codigo == QLatin1String("pt")) return Idioma::Portugues;
    if (codigo == QLatin1String("en")) return Idioma::Ingles;
    return std::nullopt;
}

Idioma IdiomaAtual() { return Estado().atual; }

// Loads the window's English and Qt's Portuguese, once. Without an
// application object (the manual's generator) they have no parent.
static void CarregarTradutores() {
    EstadoIdioma& estado = Estado();
    if (estado.janela != nullptr) return;
    RegistrarTraducoes();
    auto* janela = new QTranslator(QCoreApplication::instance());
    if (!janela->load(QStringLiteral(":/traducoes/usina_en.qm"))) {
        delete janela;  // so that the next attempt fails the same way
        throw std::runtime_error("A tradução inglesa da janela não pôde ser carregada.");
    }
    estado.janela = janela;
    estado.qt = new QTranslator(QCoreApplication::instance());
    // Without the package qt6-translations-l10n Qt's dialogues stay in
    // English; the window works the same.
    (void)estado.qt->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void AplicarIdioma(Idioma idioma) {
    EstadoIdioma& estado = Estado();
    CarregarTradutores();
    // Set first: widgets that answer the LanguageChange events sent below
    // by consulting IdiomaAtual() must see the new language.
    estado.atual = idioma;
    const bool ingles = idioma == Idioma::Ingles;
    if (ingles != estado.janelaInstalada) {
        if (ingles) QCoreApplication::installTranslator(estado.janela);
        else QCoreApplication::removeTranslator(estado.janela);
        estado.janelaInstalada = ingles;
    }
    const bool qtPortugues = !ingles && !estado.qt->isEmpty();
    if (qtPortugues != estado.qtInstalado) {
        if (qtPortugues) QCoreApplication::installTranslator(estado.qt);
        else QCoreApplication::removeTranslator(estado.qt);
        estado.qtInstalado = qtPortugues;
    }
    // Qt posts the LanguageChange events to the windows: deliver them now,
    // so that the whole window is in the new language when this returns,
    // and before the registered texts, which may be composed from texts
    // that widgets set again on that event.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    RetraduzirRegistrados();
}

Idioma IdiomaGuardado() {
    const auto configuracoes = AbrirConfiguracoes();
    if (!configuracoes) return Idioma::Portugues;
    return IdiomaDoCodigo(configuracoes->value(ChaveIdioma).toString()).value_or(Idioma::Portugues);
}

void GuardarIdioma(Idioma idioma) {
    if (const auto configuracoes = AbrirConfiguracoes())
        configuracoes->setValue(ChaveIdioma, CodigoIdioma(idioma));
}

void TextoTraduzido(QObject* alvo, const char* propriedade, const char* contexto,
                    const char* fonte) {
    TextoRegistrado texto{alvo, propriedade, contexto, fonte};
    AplicarTexto(texto);
    Estado().textos.push_back(std::move(texto));
}

QString TraduzirNucleo(const char* texto) {
    return QCoreApplication::translate("Nucleo", texto);
}

QString TraduzirEm(Idioma idioma, const char* contexto, const char* fonte) {
    if (idioma == Idioma::Ingles) {
        CarregarTradutores();
        // Null when the text has no translation: the source then, as
        // QCoreApplication::translate gives it.
        const QString traduzido = Estado().janela->translate(contexto, fonte);
        if (!traduzido.isNull()) return traduzido;
    }
    return QString::fromUtf8(fonte);
}

namespace {

QMenu* Nomeado(QMenu* menu, const char* nome, const char* contexto, const char* texto) {
    menu->setObjectName(nome);
    TextoTraduzido(menu, "title", contexto, texto);
    return menu;
}

}  // namespace

QMenu* MenuTraduzido(QMenuBar* barra, const char* nome, const char* contexto, const char* texto) {
    return Nomeado(barra->addMenu(QString()), nome, contexto, texto);
}

QMenu* MenuTraduzido(QMenu* pai, const char* nome, const char* contexto, const char* texto) {
    return Nomeado(pai->addMenu(QString()), nome, contexto, texto);
}

QAction* AcaoTraduzida(QMenu* menu, const char* nome, const char* contexto, const char* texto,
                       const QKeySequence& atalho) {
    QAction* acao = menu->addAction(QString());
    acao->setObjectName(nome);
    TextoTraduzido(acao, "text", contexto, texto);
    acao->setShortcut(atalho);
    return acao;
}

QMenu* CriarMenuIdioma(QWidget* janela, QMenuBar* barra) {
    QMenu* menu =
        MenuTraduzido(barra, "MenuIdioma", "MenuIdioma", QT_TRANSLATE_NOOP("MenuIdioma", "&Idioma"));
    auto* grupo = new QActionGroup(menu);
    grupo->setExclusive(true);
    // Each language is named in itself, so that it can be found whatever
    // the window's language is.
    const struct {
        Idioma idioma;
        const char* nome;
        const char* texto;
    } opcoes[] = {{Idioma::Portugues, "AcaoPortugues", "Português"},
                  {Idioma::Ingles, "AcaoIngles", "English"}};
    for (const auto& opcao : opcoes) {
        QAction* acao = menu->addAction(QString::fromUtf8(opcao.texto));
        acao->setObjectName(opcao.nome);
        acao->setCheckable(true);
        acao->setChecked(opcao.idioma == IdiomaAtual());
        grupo->addAction(acao);
        const Idioma idioma = opcao.idioma;
        QObject::connect(acao, &QAction::triggered, janela, [idioma] {
            AplicarIdioma(idioma);
            GuardarIdioma(idioma);
        });
    }
    // Another window, or --lang, may have changed the language.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [grupo] {
        for (QAction* acao : grupo->actions())
            acao->setChecked((acao->objectName() == "AcaoIngles") == (IdiomaAtual() == Idioma::Ingles));
    });
    return menu;
}
