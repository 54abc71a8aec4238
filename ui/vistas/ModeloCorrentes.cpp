#include "ui/vistas/ModeloCorrentes.h"

#include <QStringList>

#include <QColor>

#include "io/ExportacaoResultados.h"
#include "plant/EntradasUsina.h"
#include "plant/Numeros.h"
#include "ui/comum/Idioma.h"

namespace {

struct DefinicaoColuna {
    const char* cabecalho;
    int decimais;  // -1 for a text column
    const char* dica;
};

// In the order of ModeloCorrentes::Coluna; the view shows the headers in
// the window's language, the CSV export keeps them in Portuguese. Decimals
// to the precision the figures mean something at: a tenth of a degree, a
// hundredth of a bar.
const DefinicaoColuna Colunas[ModeloCorrentes::NumeroColunas] = {
    {QT_TRANSLATE_NOOP("ModeloCorrentes", "Rótulo"), -1,
     QT_TRANSLATE_NOOP("ModeloCorrentes", "Rótulo da corrente no fluxograma")},
    {QT_TRANSLATE_NOOP("ModeloCorrentes", "Descrição"), -1, nullptr},
    {QT_TRANSLATE_NOOP("ModeloCorrentes", "Vazão [t/h]"), 2, nullptr},
    {QT_TRANSLATE_NOOP("ModeloCorrentes", "Vazão [kg/s]"), 3,
     QT_TRANSLATE_NOOP("ModeloCorrentes",
                       "A água de alimentação (19) leva a vazão do condensado (18)")},
    {QT_TRANSLATE_NOOP("ModeloCorrentes", "Pressão [bar (abs.)]"), 2,
     QT_TRANSLATE_NOOP("ModeloCorrentes", "Pressão absoluta")},
    {QT_TRANSLATE_NOOP("ModeloCorrentes", "Temperatura [°C]"), 1, nullptr},
    {QT_TRANSLATE_NOOP("ModeloCorrentes", "Entalpia [kJ/kg]"), 1, nullptr},
    {QT_TRANSLATE_NOOP("ModeloCorrentes", "Entropia [kJ/(kg·K)]"), 4, nullptr},
    {QT_TRANSLATE_NOOP("ModeloCorrentes", "Exergia [kJ/kg]"), 1,
     QT_TRANSLATE_NOOP("ModeloCorrentes",
                       "Exergia de fluxo em relação ao estado morto (água líquida a 25 °C, "
                       "1,01325 bar)")},
    {QT_TRANSLATE_NOOP("ModeloCorrentes", "Estado"), -1,
     QT_TRANSLATE_NOOP("ModeloCorrentes",
                       "Subresfriado ou superaquecido em relação à temperatura de saturação à "
                       "pressão da corrente; a menos de 0,05 K dela, saturado ou úmido")},
};

double Numero(const LinhaCorrente& l, int coluna) {
    switch (coluna) {
    case ModeloCorrentes::ColunaVazaoTh: return l.vazao * ToneladaHoraPorKgSegundo;
    case ModeloCorrentes::ColunaVazaoKgs: return l.vazao;
    case ModeloCorrentes::ColunaPressao: return l.pressao;
    case ModeloCorrentes::ColunaTemperatura: return l.temperatura;
    case ModeloCorrentes::ColunaEntalpia: return l.entalpia;
    case ModeloCorrentes::ColunaEntropia: return l.entropia;
    case ModeloCorrentes::ColunaExergia: return l.exergia;
    default: return 0.0;  // not a numeric column
    }
}

}  // namespace

ModeloCorrentes::ModeloCorrentes(QObject* pai) : QAbstractTableModel(pai) {}

void ModeloCorrentes::DefinirResultado(const ResultadoUsina& resultado,
                                       const std::string& separador) {
    ExigirResultadoCompleto(resultado);
    std::vector<LinhaCorrente> linhas = TabelaCorrentes(resultado);
    std::vector<std::optional<EstadoLegivel>> estados;
    // The state from the plant's own record (pressure in MPa as kept), not
    // from the row's pressure converted back from bar.
    for (const LinhaCorrente& l : linhas)
        estados.push_back(
            LerEstado(resultado.dados.Estado[static_cast<std::size_t>(l.rotulo)], resultado.formulacao));
    beginResetModel();
    linhas_ = std::move(linhas);
    estados_ = std::move(estados);
    separador_ = separador;
    csv_ = CorrentesCsv(resultado, separador, CabecalhoPressao::BarAbsoluto);
    endResetModel();
}

void ModeloCorrentes::Limpar() {
    beginResetModel();
    linhas_.clear();
    estados_.clear();
    csv_.clear();
    endResetModel();
}

bool ModeloCorrentes::VazaoNegativa(int linha) const {
    return linha >= 0 && linha < rowCount() && linhas_[static_cast<std::size_t>(linha)].vazao < 0.0;
}

bool ModeloCorrentes::Numerica(int coluna) {
    return coluna >= 0 && coluna < NumeroColunas && Colunas[coluna].decimais >= 0;
}

QString ModeloCorrentes::Cabecalho(int coluna) {
    if (coluna < 0 || coluna >= NumeroColunas) return {};
    return tr(Colunas[coluna].cabecalho);
}

QString ModeloCorrentes::EstadoMostrado(const std::optional<EstadoLegivel>& estado,
                                        const std::string& separador) {
    if (!estado) return QString::fromStdString(TextoEstado(estado, separador));
    const auto numero = [&](double valor, int decimais) {
        return QString::fromStdString(TextoFixo(valor, decimais, separador));
    };
    switch (estado->fase) {
    case Fase::Subresfriado: return tr("subresfriado %1 K").arg(numero(estado->grausK, 1));
    case Fase::LiquidoSaturado: return tr("líquido saturado");
    case Fase::Umido: return tr("úmido, título %1").arg(numero(estado->titulo, 3));
    case Fase::VaporSaturado: return tr("vapor saturado");
    case Fase::Superaquecido: return tr("superaquecido %1 K").arg(numero(estado->grausK, 1));
    }
    return QString::fromStdString(TextoEstado(estado, separador));
}

void ModeloCorrentes::Retraduzir() {
    emit headerDataChanged(Qt::Horizontal, 0, NumeroColunas - 1);
    if (Vazio()) return;
    const int ultima = rowCount() - 1;
    emit dataChanged(index(0, ColunaDescricao), index(ultima, ColunaDescricao), {Qt::DisplayRole});
    emit dataChanged(index(0, ColunaEstado), index(ultima, ColunaEstado), {Qt::DisplayRole});
}

int ModeloCorrentes::LinhaDoRotulo(int rotulo) const {
    for (std::size_t i = 0; i < linhas_.size(); ++i)
        if (linhas_[i].rotulo == rotulo) return static_cast<int>(i);
    return -1;
}

QString ModeloCorrentes::Resumo(int linha) const {
    if (linha < 0 || linha >= rowCount()) return {};
    QStringList linhas{Texto(linha, ColunaRotulo) + " – " + Texto(linha, ColunaDescricao)};
    for (int coluna = ColunaVazaoTh; coluna < NumeroColunas; ++coluna)
        linhas << Cabecalho(coluna) + ": " + Texto(linha, coluna);
    return linhas.join('\n');
}

QString ModeloCorrentes::Texto(int linha, int coluna) const {
    if (linha < 0 || linha >= rowCount() || coluna < 0 || coluna >= NumeroColunas) return {};
    const LinhaCorrente& l = linhas_[static_cast<std::size_t>(linha)];
    switch (coluna) {
    case ColunaRotulo: return QString::number(l.rotulo);
    case ColunaDescricao: return TraduzirNucleo(l.descricao);
    case ColunaEstado: return EstadoMostrado(estados_[static_cast<std::size_t>(linha)], separador_);
    default:
        return QString::fromStdString(
            TextoFixo(Numero(l, coluna), Colunas[coluna].decimais, separador_));
    }
}

QVariant ModeloCorrentes::ValorBruto(int linha, int coluna) const {
    if (linha < 0 || linha >= rowCount() || coluna < 0 || coluna >= NumeroColunas) return {};
    const LinhaCorrente& l = linhas_[static_cast<std::size_t>(linha)];
    if (coluna == ColunaRotulo) return l.rotulo;
    if (!Numerica(coluna)) return Texto(linha, coluna);
    return Numero(l, coluna);
}

int ModeloCorrentes::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(linhas_.size());
}

int ModeloCorrentes::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : NumeroColunas;
}

QVariant ModeloCorrentes::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid()) return {};
    const int coluna = indice.column();
    switch (papel) {
    case Qt::DisplayRole: return Texto(indice.row(), coluna);
    case PapelValorBruto: return ValorBruto(indice.row(), coluna);
    case Qt::TextAlignmentRole:
        return (Qt::AlignVCenter |
                (Numerica(coluna) || coluna == ColunaRotulo ? Qt::AlignRight : Qt::AlignLeft))
            .toInt();
    // A negative flow is no stream: the medium-pressure turbine's, when the
    // drives and the valve take more steam than the boiler makes.
    case Qt::ForegroundRole:
        if (VazaoNegativa(indice.row())) return QColor(0xa0, 0x20, 0x20);
        return {};
    case Qt::ToolTipRole:
        if (VazaoNegativa(indice.row()))
            return tr("Vazão negativa: não física. As turbinas de acionamento e a válvula tomam "
                      "mais vapor do que a caldeira produz.");
        return {};
    default: return {};
    }
}

QVariant ModeloCorrentes::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao != Qt::Horizontal) return QAbstractTableModel::headerData(secao, orientacao, papel);
    if (secao < 0 || secao >= NumeroColunas) return {};
    // The unit on a second line keeps the numeric columns narrow.
    if (papel == Qt::DisplayRole) return Cabecalho(secao).replace(" [", "\n[");
    if (papel == Qt::ToolTipRole && Colunas[secao].dica != nullptr)
        return tr(Colunas[secao].dica);
    return {};
}

std::string ModeloCorrentes::Csv() const { return csv_; }
