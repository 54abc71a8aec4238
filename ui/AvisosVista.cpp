#include "ui/AvisosVista.h"

#include <QAbstractItemView>
#include <QLabel>

QLabel* CriarAvisoSemCalculo(QWidget* pai) {
    auto* aviso = new QLabel("Nenhum cálculo completo: clique em \"Executar\" para ver os "
                             "resultados aqui.",
                             pai);
    aviso->setObjectName("AvisoSemCalculo");
    aviso->setAlignment(Qt::AlignCenter);
    aviso->setWordWrap(true);
    aviso->setStyleSheet("color: #505050; padding: 24px;");
    return aviso;
}

QLabel* CriarAvisoDesatualizado(QWidget* pai) {
    auto* aviso = new QLabel(QString::fromUtf8(TextoDesatualizado), pai);
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
