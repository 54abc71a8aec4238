#include "ui/janela/PaineisDados.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "plant/TextosPadrao.h"
#include "ui/comum/Idioma.h"

namespace {

// Wide enough for the number text form ("    4,0000E+002") without scrolling.
int LarguraCampo(const QLineEdit& campo) {
    return campo.fontMetrics().horizontalAdvance(QString(15, QLatin1Char('0'))) + 20;
}

}  // namespace

PainelMontado CriarMolduraPainel(TFusina& janela, const DefinicaoPainel& definicao,
                                 QWidget* pai) {
    auto* painel = new QFrame(pai);
    painel->setObjectName(definicao.nomePainel);
    painel->setFrameShape(QFrame::StyledPanel);
    painel->setFrameShadow(QFrame::Raised);
    janela.*definicao.painel = painel;

    auto* titulo = new QLabel(painel);
    titulo->setObjectName(definicao.nomeTitulo);
    TextoTraduzido(titulo, "text", ContextoJanela, definicao.textoTitulo);
    titulo->setAlignment(Qt::AlignHCenter);
    QFont negrito = titulo->font();
    negrito.setBold(true);
    titulo->setFont(negrito);
    janela.*definicao.titulo = titulo;

    auto* corpo = new QVBoxLayout(painel);
    corpo->setContentsMargins(16, 8, 16, 12);
    corpo->addWidget(titulo);
    corpo->addSpacing(8);
    return {painel, corpo};
}

QLineEdit* CriarCampo(TFusina& janela, const LinhaCampo& linha, const std::string& separador,
                      QWidget* pai) {
    auto* campo = new QLineEdit(pai);
    campo->setObjectName(linha.nomeCampo);
    campo->setFixedWidth(LarguraCampo(*campo));
    if (linha.tipo == TipoCampo::Entrada) {
        campo->setText(QString::fromStdString(TextoPadrao(linha.nomeCampo, separador)));
    } else {
        // Results look shaded; most of them cannot be typed into.
        QPalette paleta = campo->palette();
        paleta.setColor(QPalette::Base, paleta.color(QPalette::Window));
        campo->setPalette(paleta);
        campo->setReadOnly(linha.tipo == TipoCampo::Saida);
    }
    janela.*linha.campo = campo;
    return campo;
}

QLabel* CriarLegenda(TFusina& janela, const LinhaCampo& linha, QWidget* pai) {
    auto* legenda = new QLabel(pai);
    legenda->setObjectName(linha.nomeLegenda);
    TextoTraduzido(legenda, "text", linha.contexto, linha.texto);
    legenda->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    janela.*linha.legenda = legenda;
    return legenda;
}

QGridLayout* CriarPainelDados(TFusina& janela, const DefinicaoPainel& definicao,
                              const std::string& separador, QWidget* pai) {
    const PainelMontado montado = CriarMolduraPainel(janela, definicao, pai);
    auto* grade = new QGridLayout;
    grade->setHorizontalSpacing(10);
    grade->setVerticalSpacing(8);  // rows about 32 pixels apart
    int linhaGrade = 0;
    for (const LinhaCampo& linha : definicao.linhas) {
        QLabel* legenda = CriarLegenda(janela, linha, montado.painel);
        QLineEdit* campo = CriarCampo(janela, linha, separador, montado.painel);
        legenda->setBuddy(campo);
        grade->addWidget(legenda, linhaGrade, 0);
        grade->addWidget(campo, linhaGrade, 1);
        ++linhaGrade;
    }
    montado.corpo->addLayout(grade);
    montado.corpo->addStretch();
    return grade;
}
