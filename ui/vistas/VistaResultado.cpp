#include "ui/vistas/VistaResultado.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/comum/AvisosVista.h"
#include "ui/comum/Idioma.h"

VistaResultado::VistaResultado(const char* nome, const char* titulo, QWidget* pai) : QWidget(pai) {
    setObjectName(nome);
    TextoTraduzido(this, "windowTitle", nome, titulo);
    AvisoDesatualizado = CriarAvisoDesatualizado(this);
}

VistaResultado::~VistaResultado() = default;

QVBoxLayout* VistaResultado::MontarColuna(QWidget* conteudo) {
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(AvisoDesatualizado);
    if (conteudo != nullptr) {
        AvisoSemCalculo = CriarAvisoSemCalculo(this);
        Conteudo = conteudo;
        Conteudo->hide();
        coluna->addWidget(AvisoSemCalculo, 1);
        coluna->addWidget(Conteudo, 1);
    }
    return coluna;
}

ExportacaoVista& VistaResultado::CriarExportacao(PoliticaExportacao politica) {
    exportacao_ = std::make_unique<ExportacaoVista>(this, std::move(politica));
    return *exportacao_;
}

void VistaResultado::MostrarResultado(const ResultadoUsina& resultado) {
    MarcarDesatualizado(false);
    if (AvisoSemCalculo == nullptr || resultado.situacao == SituacaoCalculo::Completo)
        resultado_ = resultado;
    else
        resultado_.reset();
    Preencher();
}

void VistaResultado::MarcarDesatualizado(bool desatualizado) {
    desatualizado_ = desatualizado;
    AvisoDesatualizado->setVisible(desatualizado);
    update();  // a drawing greys what is stale
}

void VistaResultado::MostrarConteudo(bool mostrar) {
    if (mostrar) {
        AvisoSemCalculo->hide();
        Conteudo->show();
    } else {
        Conteudo->hide();
        AvisoSemCalculo->show();
    }
}

void VistaResultado::DefinirEscolhaArquivo(EscolhaArquivo escolha) {
    if (exportacao_) exportacao_->DefinirEscolha(std::move(escolha));
}

void VistaResultado::DefinirConfirmacaoSubstituir(ConfirmacaoSubstituir confirmacao) {
    if (exportacao_) exportacao_->DefinirConfirmacao(std::move(confirmacao));
}
