#include "ui/vistas/VistaSafra.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "plant/Numeros.h"
#include "plant/SafraUsina.h"
#include "plant/TabelaSafra.h"
#include "plant/ValidacaoSafra.h"
#include "ui/comum/AvisosVista.h"
#include "ui/comum/FormatoResultados.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/SeparadorDecimal.h"
#include "ui/comum/TextosNucleoJanela.h"

namespace {

QString Tr(const char* texto) { return QCoreApplication::translate("VistaSafra", texto); }

// The season input's accepted values in the window's language; in
// Portuguese the core's FaixaPermitidaSafra exactly.
QString FaixaTraduzida(const CampoEntradaSafra& campo, const std::string& separador) {
    switch (campo.regra) {
    case RegraSafra::Dias:
        return Tr(QT_TRANSLATE_NOOP("VistaSafra", "Maior que 0 e no máximo %1 dias"))
            .arg(QString::fromStdString(TextoExato(DiasMaximosSafra, separador)));
    case RegraSafra::Porcentagem: return Tr(QT_TRANSLATE_NOOP("VistaSafra", "Maior que 0 e no máximo 100 %"));
    case RegraSafra::NaoNegativa: return Tr(QT_TRANSLATE_NOOP("VistaSafra", "Zero ou maior"));
    }
    return {};
}

// Decimals a season figure means something at, by its unit.
int Decimais(const std::string& unidade) { return unidade == "h" ? 1 : 2; }

}  // namespace

VistaSafra::VistaSafra(QWidget* pai)
    : VistaResultado("VistaSafra", QT_TRANSLATE_NOOP("VistaSafra", "Safra"), pai) {
    // The form: always there, a run or not.
    auto* formulario = new QGroupBox(this);
    formulario->setObjectName("DadosSafra");
    TextoTraduzido(formulario, "title", "VistaSafra",
                   QT_TRANSLATE_NOOP("VistaSafra", "Dados da safra (exemplos de uma usina típica)"));
    auto* linhas = new QFormLayout(formulario);
    linhas->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const std::string separador = SeparadorDecimal();
    for (const CampoEntradaSafra& c : CamposEntradaSafra()) {
        auto* legenda = new QLabel(formulario);
        auto* campo = new QLineEdit(formulario);
        campo->setObjectName(c.nome);
        campo->setMaximumWidth(campo->fontMetrics().horizontalAdvance("0000000000000000"));
        campo->setAlignment(Qt::AlignRight);
        connect(campo, &QLineEdit::textChanged, this,
                [this, nome = std::string(c.nome)](const QString& texto) { emit TextoMudou(nome, texto); });
        linhas->addRow(legenda, campo);
        legendas_.push_back(legenda);
        CamposSafra.push_back(campo);
    }

    auto* conteudo = new QWidget(this);
    conteudo->setObjectName("ConteudoSafra");
    TabelaSafra = new QTableWidget(0, 3, conteudo);
    TabelaSafra->setObjectName("TabelaSafra");
    TabelaSafra->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TabelaSafra->setSelectionBehavior(QAbstractItemView::SelectRows);
    TabelaSafra->setAlternatingRowColors(true);
    TabelaSafra->verticalHeader()->hide();
    TabelaSafra->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TabelaSafra->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    EspacarCelulas(TabelaSafra);
    LinhaAvisosSafra = new QLabel(conteudo);
    LinhaAvisosSafra->setObjectName("AvisosSafra");
    LinhaAvisosSafra->setTextFormat(Qt::PlainText);
    LinhaAvisosSafra->setWordWrap(true);
    LinhaAvisosSafra->setStyleSheet("color: #a01010;");
    auto* colunaConteudo = new QVBoxLayout(conteudo);
    colunaConteudo->setContentsMargins(0, 0, 0, 0);
    colunaConteudo->addWidget(TabelaSafra, 1);
    colunaConteudo->addWidget(LinhaAvisosSafra);

    // Form and figures scroll together: the tab never asks the window for
    // more width than the views are given.
    auto* pagina = new QWidget;
    auto* colunaPagina = new QVBoxLayout(pagina);
    colunaPagina->setContentsMargins(0, 0, 0, 0);
    colunaPagina->addWidget(formulario);
    auto* rolagem = new QScrollArea(this);
    rolagem->setObjectName("RolagemSafra");
    rolagem->setWidgetResizable(true);
    rolagem->setFrameShape(QFrame::NoFrame);
    QVBoxLayout* coluna = MontarColuna(conteudo);
    coluna->removeWidget(AvisoSemCalculo);
    coluna->removeWidget(Conteudo);
    colunaPagina->addWidget(AvisoSemCalculo, 1);
    colunaPagina->addWidget(Conteudo, 1);
    AvisoSemCalculo->setParent(pagina);
    Conteudo->setParent(pagina);
    Conteudo->hide();
    rolagem->setWidget(pagina);
    coluna->addWidget(rolagem, 1);
    DefinirEntradas(EntradasSafra{});
    Retraduzir();
}

void VistaSafra::DefinirEntradas(const EntradasSafra& entradas) {
    const std::string separador = SeparadorDecimal();
    for (std::size_t i = 0; i < CamposSafra.size(); ++i) {
        const CampoEntradaSafra& c = CamposEntradaSafra()[i];
        // One decimal, as the written defaults; more only when they matter.
        const double valor = entradas.*c.membro;
        const std::string uma = TextoFixo(valor, 1, separador);
        const std::string texto =
            LerNumero(uma, separador) == valor ? uma : TextoExato(valor, separador);
        CamposSafra[i]->setText(QString::fromStdString(texto));
    }
}

QString VistaSafra::Texto(const std::string& nome) const {
    for (QLineEdit* campo : CamposSafra)
        if (campo->objectName().toStdString() == nome) return campo->text();
    return {};
}

void VistaSafra::Retraduzir() {
    const std::string separador = SeparadorDecimal();
    for (std::size_t i = 0; i < CamposSafra.size(); ++i) {
        const CampoEntradaSafra& c = CamposEntradaSafra()[i];
        legendas_[i]->setText(TraduzirNucleo(c.legenda));
        CamposSafra[i]->setToolTip(
            Tr(QT_TRANSLATE_NOOP("VistaSafra", "%1\nUnidade: %2\nValores aceitos: %3.\nO valor "
                                               "inicial é um exemplo de usina brasileira típica."))
                .arg(TraduzirNucleo(c.legenda), TraduzirNucleo(c.unidade), FaixaTraduzida(c, separador)));
    }
    TabelaSafra->setHorizontalHeaderLabels({Tr(QT_TRANSLATE_NOOP("VistaSafra", "Grandeza")),
                                            Tr(QT_TRANSLATE_NOOP("VistaSafra", "Valor")),
                                            Tr(QT_TRANSLATE_NOOP("VistaSafra", "Unidade"))});
}

void VistaSafra::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::LanguageChange) {
        Retraduzir();
        if (Resultado()) Preencher();
    }
    VistaResultado::changeEvent(evento);
}

void VistaSafra::Preencher() {
    TabelaSafra->setRowCount(0);
    const bool comSafra = Resultado() && Resultado()->safra;
    MostrarConteudo(comSafra);
    if (!comSafra) return;
    const std::string separador = SeparadorDecimal();
    const ResultadosSafra& s = *Resultado()->safra;
    for (const CampoSaidaSafra& c : CamposSaidaSafra()) {
        const int linha = TabelaSafra->rowCount();
        TabelaSafra->insertRow(linha);
        const double valor = s.*c.membro;
        const std::string unidade = c.unidade;
        auto* nome = new QTableWidgetItem(TraduzirNucleo(c.legenda));
        auto* numero = new QTableWidgetItem(unidade == "R$" ? TextoDinheiro(valor, separador)
                                                           : TextoAgrupado(valor, Decimais(unidade), separador));
        numero->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        numero->setData(PapelValorBruto, valor);
        if (valor < 0.0) numero->setForeground(QColor(0xa0, 0x10, 0x10));
        // Money says its unit in its text.
        auto* unidadeItem = new QTableWidgetItem(unidade == "R$" ? QString() : TraduzirNucleo(c.unidade));
        nome->setToolTip(QString::fromUtf8(c.nome));
        TabelaSafra->setItem(linha, 0, nome);
        TabelaSafra->setItem(linha, 1, numero);
        TabelaSafra->setItem(linha, 2, unidadeItem);
    }
    QStringList avisos;
    for (const AvisoUsina& a : AvisosSafra(*Resultado())) avisos << TextoAvisoTraduzido(a, separador);
    LinhaAvisosSafra->setText(avisos.join("\n"));
    LinhaAvisosSafra->setVisible(!avisos.isEmpty());
    TabelaSafra->resizeRowsToContents();
}
