#include "ui/ModeloCorrentes.h"

#include "io/ExportacaoResultados.h"
#include "plant/EntradasUsina.h"
#include "plant/Numeros.h"

namespace {

struct DefinicaoColuna {
    const char* cabecalho;
    int decimais;  // -1 for a text column
    const char* dica;
};

// In the order of ModeloCorrentes::Coluna. Decimals to the precision the
// figures mean something at: a tenth of a degree, a hundredth of a bar.
const DefinicaoColuna Colunas[ModeloCorrentes::NumeroColunas] = {
    {"Rótulo", -1, "Rótulo da corrente no fluxograma"},
    {"Descrição", -1, nullptr},
    {"Vazão [t/h]", 2, nullptr},
    {"Vazão [kg/s]", 3, "A água de alimentação (19) leva a vazão do condensado (18)"},
    {"Pressão [bar]", 2, nullptr},
    {"Temperatura [°C]", 1, nullptr},
    {"Entalpia [kJ/kg]", 1, nullptr},
    {"Entropia [kJ/(kg·K)]", 4, nullptr},
    {"Exergia [kJ/kg]", 1, "Exergia de fluxo em relação ao estado morto (água líquida a 25 °C, "
                           "1,01325 bar)"},
    {"Estado", -1, "Subresfriado ou superaquecido em relação à temperatura de saturação à "
                   "pressão da corrente; a menos de 0,05 K dela, saturado ou úmido"},
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
        estados.push_back(LerEstado(resultado.dados.Estado[static_cast<std::size_t>(l.rotulo)]));
    beginResetModel();
    linhas_ = std::move(linhas);
    estados_ = std::move(estados);
    separador_ = separador;
    endResetModel();
}

void ModeloCorrentes::Limpar() {
    beginResetModel();
    linhas_.clear();
    estados_.clear();
    endResetModel();
}

bool ModeloCorrentes::Numerica(int coluna) {
    return coluna >= 0 && coluna < NumeroColunas && Colunas[coluna].decimais >= 0;
}

QString ModeloCorrentes::Cabecalho(int coluna) {
    if (coluna < 0 || coluna >= NumeroColunas) return {};
    return QString::fromUtf8(Colunas[coluna].cabecalho);
}

QString ModeloCorrentes::Texto(int linha, int coluna) const {
    if (linha < 0 || linha >= rowCount() || coluna < 0 || coluna >= NumeroColunas) return {};
    const LinhaCorrente& l = linhas_[static_cast<std::size_t>(linha)];
    switch (coluna) {
    case ColunaRotulo: return QString::number(l.rotulo);
    case ColunaDescricao: return QString::fromUtf8(l.descricao);
    case ColunaEstado:
        return QString::fromStdString(TextoEstado(estados_[static_cast<std::size_t>(linha)],
                                                  separador_));
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
    default: return {};
    }
}

QVariant ModeloCorrentes::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao != Qt::Horizontal) return QAbstractTableModel::headerData(secao, orientacao, papel);
    if (secao < 0 || secao >= NumeroColunas) return {};
    // The unit on a second line keeps the numeric columns narrow.
    if (papel == Qt::DisplayRole) return Cabecalho(secao).replace(" [", "\n[");
    if (papel == Qt::ToolTipRole && Colunas[secao].dica != nullptr)
        return QString::fromUtf8(Colunas[secao].dica);
    return {};
}

std::string ModeloCorrentes::Csv() const {
    const char delimitador = DelimitadorCsv(separador_);
    const std::string decimal = separador_ == "," ? "," : ".";
    std::vector<std::string> celulas;
    for (int c = 0; c < NumeroColunas; ++c) celulas.push_back(Colunas[c].cabecalho);
    std::string csv = LinhaCsv(celulas, delimitador);
    for (std::size_t i = 0; i < linhas_.size(); ++i) {
        const LinhaCorrente& l = linhas_[i];
        celulas = {std::to_string(l.rotulo), l.descricao};
        for (int c = ColunaVazaoTh; c <= ColunaExergia; ++c)
            celulas.push_back(TextoExato(Numero(l, c), decimal));
        celulas.push_back(TextoEstado(estados_[i], decimal));
        csv += LinhaCsv(celulas, delimitador);
    }
    return csv;
}
