#include "ui/janela/CasosRecentes.h"

#include <QFileInfo>
#include <QSettings>

#include "ui/comum/Configuracoes.h"

namespace {

const char* const Chave = "arquivo/casosRecentes";

void Gravar(QStringList lista) {
    if (lista.size() > CasosRecentes::Maximo) lista.resize(CasosRecentes::Maximo);
    const auto configuracoes = AbrirConfiguracoes();
    if (!configuracoes) return;  // a settings file that is not to be touched
    if (lista.isEmpty()) configuracoes->remove(Chave);
    else configuracoes->setValue(Chave, lista);
}

}  // namespace

QStringList CasosRecentes::Lista() {
    const auto configuracoes = AbrirConfiguracoes();
    if (!configuracoes) return {};
    QStringList lista = configuracoes->value(Chave).toStringList();
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
