#include "ui/janela/FerramentasAnalise.h"

#include <QCoreApplication>

#include "ui/analise/VistaComparacao.h"
#include "ui/analise/VistaEstudo.h"
#include "ui/analise/VistaOtimizacao.h"
#include "ui/analise/VistaSensibilidade.h"

namespace {

template <typename Vista>
VistaAnalise* Criar(QWidget* pai) {
    return new Vista(pai);
}

}  // namespace

const std::vector<FerramentaAnalise>& FerramentasAnalise() {
    static const std::vector<FerramentaAnalise> ferramentas = {
        {"AcaoEstudo", "TFusina", QT_TRANSLATE_NOOP("TFusina", "Estudo paramétrico"),
         QT_TRANSLATE_NOOP("TFusina", "&Estudo paramétrico"), QKeySequence(Qt::CTRL | Qt::Key_4),
         &Criar<VistaEstudo>},
        {"AcaoCompararCasos", "TFusina", QT_TRANSLATE_NOOP("TFusina", "Comparar casos"),
         QT_TRANSLATE_NOOP("TFusina", "&Comparar casos"), QKeySequence(Qt::CTRL | Qt::Key_5),
         &Criar<VistaComparacao>},
        {"AcaoSensibilidade", "TFusina", QT_TRANSLATE_NOOP("TFusina", "Sensibilidade"),
         QT_TRANSLATE_NOOP("TFusina", "&Sensibilidade"), QKeySequence(Qt::CTRL | Qt::Key_9),
         &Criar<VistaSensibilidade>},
        {"AcaoOtimizacao", "TFusina", QT_TRANSLATE_NOOP("TFusina", "Otimização"),
         QT_TRANSLATE_NOOP("TFusina", "&Otimização e meta"), QKeySequence(Qt::CTRL | Qt::Key_0),
         &Criar<VistaOtimizacao>},
    };
    return ferramentas;
}
