#include "ui/AvisosVista.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QLabel>

#include "ui/Idioma.h"

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

QLabel* CriarAvisoDesatualizado(QWidget* pai) {
    auto* aviso = new QLabel(pai);
    aviso->setObjectName("AvisoDesatualizado");
    TextoTraduzido(aviso, "text", "AvisosVista", TextoDesatualizado);
    aviso->setWordWrap(true);
    aviso->setStyleSheet("background: #fff1b8; color: #5c4200; border: 1px solid #d9b200;"
                         " padding: 4px 6px;");
    aviso->hide();
    return aviso;
}

void EspacarCelulas(QAbstractItemView* tabela) {
    tabela->setStyleSheet("QTableView::item { padding: 1px 6px; }");
}
