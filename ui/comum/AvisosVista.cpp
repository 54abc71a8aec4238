#include "ui/comum/AvisosVista.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

#include "ui/comum/Idioma.h"

QString TextoDesatualizadoTraduzido() {
    return QCoreApplication::translate("AvisosVista", TextoDesatualizado);
}

QLabel* CriarAvisoSemCalculo(QWidget* pai) {
    auto* aviso = new QLabel(pai);
    aviso->setObjectName("AvisoSemCalculo");
    TextoTraduzido(aviso, "text", "AvisosVista",
                   QT_TRANSLATE_NOOP("AvisosVista", "Nenhum cálculo completo: clique em "
                                                    "\"Executar\" para ver os resultados aqui."));
    aviso->setAlignment(Qt::AlignCenter);
    aviso->setWordWrap(true);
    aviso->setStyleSheet("color: #505050; padding: 24px;");
    return aviso;
}

namespace {

// The notice of a result view, which says why its figures are not to be
// trusted: composed again when the language changes.
class AvisoVista : public QLabel {
public:
    explicit AvisoVista(QWidget* pai) : QLabel(pai) { Compor(); }

    void DefinirNaoConfiavel(bool naoConfiavel) {
        naoConfiavel_ = naoConfiavel;
        Compor();
    }

protected:
    void changeEvent(QEvent* evento) override {
        if (evento->type() == QEvent::LanguageChange) Compor();
        QLabel::changeEvent(evento);
    }

private:
    void Compor() {
        setText(QCoreApplication::translate("AvisosVista",
                                            naoConfiavel_ ? TextoNaoConfiavel : TextoDesatualizado));
    }

    bool naoConfiavel_ = false;
};

}  // namespace

void DefinirMotivoAvisos(QWidget* raiz, bool naoConfiavel) {
    for (QLabel* aviso : raiz->findChildren<QLabel*>("AvisoDesatualizado"))
        if (auto* vista = dynamic_cast<AvisoVista*>(aviso)) vista->DefinirNaoConfiavel(naoConfiavel);
}

QLabel* CriarAvisoDesatualizado(QWidget* pai) {
    auto* aviso = new AvisoVista(pai);
    aviso->setObjectName("AvisoDesatualizado");
    aviso->setWordWrap(true);
    aviso->setStyleSheet("background: #fff1b8; color: #5c4200; border: 1px solid #d9b200;"
                         " padding: 4px 6px;");
    aviso->hide();
    return aviso;
}

void EspacarCelulas(QAbstractItemView* tabela) {
    tabela->setStyleSheet("QTableView::item { padding: 1px 6px; }");
}
