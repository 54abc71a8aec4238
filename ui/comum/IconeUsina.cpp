#include "ui/comum/IconeUsina.h"

#include <QSize>
#include <QString>

// The icon's images are compiled into this library; a static library must
// register them itself.
static void RegistrarIcones() { Q_INIT_RESOURCE(icones); }

QIcon IconeUsina() {
    RegistrarIcones();
    QIcon icone;
    for (int tamanho : {16, 32, 48, 64, 128, 256})
        icone.addFile(QString(":/icones/usina-%1.png").arg(tamanho), QSize(tamanho, tamanho));
    return icone;
}
