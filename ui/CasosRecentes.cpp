#include "ui/CasosRecentes.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const char* const Chave = "arquivo/casosRecentes";

void Gravar(QStringList lista) {
    if (lista.size() > CasosRecentes::Maximo) lista.resize(CasosRecentes::Maximo);
    QSettings configuracoes;
    if (lista.isEmpty()) configuracoes.remove(Chave);
    else configuracoes.setValue(Chave, lista);
}

}  // namespace

QStringList CasosRecentes::Lista() {
    QStringList lista = QSettings().value(Chave).toStringList();
    lista.removeAll(QString());
    lista.removeDuplicates();
    if (lista.size() > Maximo) lista.resize(Maximo);
    return lista;
}

void CasosRecentes::Acrescentar(const QString& caminho) {
    const QString absoluto = QFileInfo(caminho).absoluteFilePath();
    QStringList lista = Lista();
    lista.removeAll(absoluto);
    lista.prepend(absoluto);
    Gravar(lista);
}

void CasosRecentes::Retirar(const QString& caminho) {
    QStringList lista = Lista();
    lista.removeAll(QFileInfo(caminho).absoluteFilePath());
    Gravar(lista);
}

void CasosRecentes::Limpar() { Gravar({}); }
