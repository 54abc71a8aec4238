#include "ui/analise/ModeloEstudo.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>

#include "plant/ErrosPlanta.h"
#include "plant/LegendasResultados.h"
#include "io/ExportacaoResultados.h"
#include "io/ExportacaoVarredura.h"
#include "plant/Numeros.h"
#include "plant/TabelaSafra.h"
#include "ui/comum/FormatoResultados.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/MensagensNucleo.h"
#include "ui/comum/TextoLiteral.h"

namespace {

const CampoEntradaUsina& CampoEntrada(const std::string& nome) {
    const CampoEntradaUsina* campo = BuscarCampoEntrada(nome);
    if (campo == nullptr) throw ErroVarredura(ErroCampoEntrada(nome).toStdString());
    return *campo;
}

const CampoSaida& Saida(const std::string& nome) {
    const CampoSaida* campo = BuscarCampoSaida(nome);
    if (campo == nullptr) throw ErroVarredura(ErroCampoSaida(nome).toStdString());
    return *campo;
}

}  // namespace

QString ErroCampoEntrada(const std::string& nome) {
    return QCoreApplication::translate("ModeloEstudo",
                                       "Campo de entrada desconhecido na varredura: '%1'.")
        .arg(QString::fromStdString(nome));
}

QString ErroCampoSaida(const std::string& nome) {
    return QCoreApplication::translate("ModeloEstudo",
                                       "Campo de saída desconhecido na varredura: '%1'.")
        .arg(QString::fromStdString(nome));
}

QString LegendaSaida(const CampoSaida& campo) {
    const ResultadoNoPainel l = BuscarResultadoNoPainel(campo.nome);
    // The panels' own captions, as the panels translate them; a field no
    // panel shows is named by its component name.
    QString legenda = l.linha != nullptr ? QCoreApplication::translate("Janela", l.linha->legenda)
                                         : QString::fromUtf8(campo.nome);
    const QString unidade = QString::fromUtf8(UnidadeExibida(campo.grandeza));
    if (!legenda.contains('[') && !unidade.isEmpty()) legenda += " [" + unidade + "]";
    return legenda;
}

QString PainelSaida(const CampoSaida& campo) {
    const ResultadoNoPainel l = BuscarResultadoNoPainel(campo.nome);
    return l.painel != nullptr ? QCoreApplication::translate("Janela", l.painel->titulo)
                               : QString();
}

QString LegendaEntradaTraduzida(const CampoEntradaUsina& campo) {
    return TraduzirNucleo(campo.legenda);
}

QString UnidadeEntrada(const CampoEntradaUsina& campo) { return TraduzirNucleo(campo.unidade); }

QString SemUnidade(const QString& legenda) {
    const qsizetype colchete = legenda.lastIndexOf('[');
    return colchete < 0 ? legenda : legenda.left(colchete).trimmed();
}

int DecimaisSaida(Grandeza grandeza) {
    // The precision the figures mean something at.
    switch (grandeza) {
    case Grandeza::Pressao: return 2;
    case Grandeza::Temperatura: return 1;
    case Grandeza::VazaoMassica: return 3;
    case Grandeza::VazaoToneladas: return 2;
    case Grandeza::Potencia: return 1;
    case Grandeza::Percentual: return 2;
    case Grandeza::Irreversibilidade: return 1;
    case Grandeza::Titulo: return 4;
    }
    return 2;
}

ResultadoVarredura ComEixos(const PedidoVarredura& pedido, const ResultadoVarredura& resultado) {
    if (!resultado.eixos.empty()) return resultado;
    // Every name checked here first, with the study's own messages.
    for (const EixoVarredura& e : pedido.eixos) (void)CampoEntrada(e.campo);
    for (const std::string& s : pedido.saidas) (void)Saida(s);
    ResultadoVarredura descrito = resultado;
    DescreverVarredura(pedido, descrito);
    return descrito;
}

QString TextoValorEntrada(const CampoEntradaUsina& campo, double valor, int decimais,
                          const std::string& separador) {
    QString texto = QString::fromUtf8(campo.nome) + " = " +
                    QString::fromStdString(TextoFixo(valor, decimais, separador));
    const QString unidade = UnidadeEntrada(campo);
    if (!unidade.isEmpty()) texto += (unidade == "%" ? "" : " ") + unidade;
    return texto;
}

QString LegendaEixo(const EixoCalculado& eixo) {
    if (eixo.configuracao)
        return QCoreApplication::translate("ModeloEstudo", "Com turbina de alta pressão");
    QString legenda, unidade;
    if (eixo.campo != nullptr) {
        legenda = LegendaEntradaTraduzida(*eixo.campo);
        unidade = UnidadeEntrada(*eixo.campo);
    } else if (eixo.safra != nullptr) {
        legenda = TraduzirNucleo(eixo.safra->legenda);
        unidade = TraduzirNucleo(eixo.safra->unidade);
    }
    // The tables' captions carry their units; one that does not gets it here.
    if (!legenda.contains('[') && !unidade.isEmpty()) legenda += " [" + unidade + "]";
    return legenda;
}

QString TextoCelulaEixo(const EixoCalculado& eixo, double valor, const std::string& separador) {
    if (eixo.configuracao)
        return valor != 0.0 ? QCoreApplication::translate("ModeloEstudo", "sim")
                            : QCoreApplication::translate("ModeloEstudo", "não");
    return QString::fromStdString(TextoFixo(valor, eixo.decimais, separador));
}

QString TextoValorEixo(const EixoCalculado& eixo, double valor, const std::string& separador) {
    return LegendaEixo(eixo) + " = " + TextoCelulaEixo(eixo, valor, separador);
}

QStringList TitulosColunasEstudo(const ResultadoVarredura& resultado) {
    QStringList titulos;
    for (const EixoCalculado& e : resultado.eixos) titulos << LegendaEixo(e);
    const auto& saidas = resultado.saidas;
    for (const CampoSaida* c : saidas) {
        // Captions several panels share ("Potência fornecida [kW]") name their
        // panel, in the language shown: one may share what the other tells apart.
        const QString legenda = LegendaSaida(*c);
        const auto iguais = std::count_if(saidas.begin(), saidas.end(), [&](const CampoSaida* o) {
            return LegendaSaida(*o).compare(legenda, Qt::CaseInsensitive) == 0;
        });
        titulos << (iguais > 1 ? PainelSaida(*c) + ": " + legenda : legenda);
    }
    titulos << QCoreApplication::translate("ModeloEstudo", "Aviso")
            << QCoreApplication::translate("ModeloEstudo", "Erro");
    return titulos;
}

std::string CsvEstudo(const PedidoVarredura& pedido, const ResultadoVarredura& resultado,
                      const std::string& separador) {
    const std::string csv = VarreduraCsv(pedido, resultado, separador);
    // The rows are the sweep's own; only the header row speaks the window's language.
    const std::size_t fimCabecalho = csv.find("\r\n");
    if (fimCabecalho == std::string::npos) return csv;
    std::vector<std::string> celulas;
    for (const QString& t : TitulosColunasEstudo(ComEixos(pedido, resultado)))
        celulas.push_back(t.toStdString());
    return LinhaCsv(celulas, DelimitadorCsv(separador)) + csv.substr(fimCabecalho + 2);
}

QString AvisosDoPonto(const PontoVarredura& ponto, const std::string& separador) {
    if (ponto.avisos.empty()) return QString::fromStdString(ponto.aviso);
    return TextoAvisosTraduzidos(ponto.avisos, separador);
}

QString ErroDoPonto(const PontoVarredura& ponto) { return TextoFalhaTraduzido(ponto.falha, ponto.erro); }

QString CabecalhoEmDuasLinhas(const QString& legenda) {
    constexpr qsizetype Curta = 22;  // characters that fit a column as they are
    if (legenda.size() <= Curta) return legenda;
    // The space nearest the middle, so both lines are about as long.
    const qsizetype meio = legenda.size() / 2;
    qsizetype melhor = -1;
    for (qsizetype i = legenda.indexOf(' '); i >= 0; i = legenda.indexOf(' ', i + 1))
        if (melhor < 0 || std::abs(i - meio) < std::abs(melhor - meio)) melhor = i;
    if (melhor < 0) return legenda;
    return legenda.left(melhor) + '\n' + legenda.mid(melhor + 1);
}

ModeloEstudo::ModeloEstudo(QObject* pai) : QAbstractTableModel(pai) {}

void ModeloEstudo::DefinirResultado(const ResultadoVarredura& resultado,
                                    const std::string& separador) {
    std::vector<std::size_t> linhas;
    for (std::size_t i = 0; i < resultado.pontos.size(); ++i)
        if (resultado.pontos[i].calculado) linhas.push_back(i);

    beginResetModel();
    eixos_ = resultado.eixos;
    saidas_ = resultado.saidas;
    pontos_ = resultado.pontos;
    linhas_ = std::move(linhas);
    separador_ = separador;
    titulos_ = TitulosColunasEstudo(resultado);
    endResetModel();
}

void ModeloEstudo::DefinirResultado(const PedidoVarredura& pedido,
                                    const ResultadoVarredura& resultado,
                                    const std::string& separador) {
    DefinirResultado(ComEixos(pedido, resultado), separador);
}

void ModeloEstudo::Limpar() {
    beginResetModel();
    eixos_.clear();
    saidas_.clear();
    pontos_.clear();
    linhas_.clear();
    titulos_.clear();
    endResetModel();
}

QString ModeloEstudo::Texto(int linha, int coluna) const {
    if (linha < 0 || linha >= rowCount() || coluna < 0 || coluna >= columnCount()) return {};
    const PontoVarredura& p = pontos_[IndicePonto(linha)];
    if (coluna < NumeroEixos()) {
        const auto k = static_cast<std::size_t>(coluna);
        return TextoCelulaEixo(eixos_[k], p.valores[k], separador_);
    }
    if (coluna < ColunaAviso()) {
        const auto j = static_cast<std::size_t>(coluna - NumeroEixos());
        if (!p.saidas[j]) return {};
        return QString::fromStdString(
            TextoFixo(*p.saidas[j], DecimaisSaida(saidas_[j]->grandeza), separador_));
    }
    if (coluna == ColunaAviso()) return AvisosDoPonto(p, separador_);
    return ErroDoPonto(p);
}

int ModeloEstudo::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(linhas_.size());
}

int ModeloEstudo::columnCount(const QModelIndex& pai) const {
    return pai.isValid() || eixos_.empty() ? 0 : ColunaErro() + 1;
}

QVariant ModeloEstudo::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid()) return {};
    const int coluna = indice.column();
    const bool numerica = coluna < ColunaAviso();
    switch (papel) {
    case Qt::DisplayRole: return Texto(indice.row(), coluna);
    case Qt::ToolTipRole:
        return numerica ? QVariant() : QVariant(DicaLiteral(Texto(indice.row(), coluna)));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(numerica ? Qt::AlignRight : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
    case PapelValorBruto: {
        const PontoVarredura& p = pontos_[IndicePonto(indice.row())];
        if (coluna < NumeroEixos()) return p.valores[static_cast<std::size_t>(coluna)];
        if (numerica) {
            const std::optional<double>& v = p.saidas[static_cast<std::size_t>(coluna - NumeroEixos())];
            return v ? QVariant(*v) : QVariant();
        }
        return Texto(indice.row(), coluna);
    }
    default: return {};
    }
}

QVariant ModeloEstudo::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (orientacao != Qt::Horizontal || secao < 0 || secao >= columnCount()) return {};
    if (papel != Qt::DisplayRole && papel != Qt::ToolTipRole) return {};
    if (papel == Qt::DisplayRole) return CabecalhoEmDuasLinhas(titulos_.value(secao));
    if (secao < NumeroEixos()) {
        const EixoCalculado& e = eixos_[static_cast<std::size_t>(secao)];
        return e.campo != nullptr  ? QString::fromUtf8(e.campo->nome)
               : e.safra != nullptr ? QString::fromUtf8(e.safra->nome)
                                    : QString::fromUtf8(CampoConfiguracao);
    }
    if (secao < ColunaAviso()) {
        const CampoSaida& c = *saidas_[static_cast<std::size_t>(secao - NumeroEixos())];
        return PainelSaida(c) + " (" + QString::fromUtf8(c.nome) + ")";
    }
    return {};
}

void ModeloEstudo::Retraduzir() {
    ResultadoVarredura descrito;
    descrito.eixos = eixos_;
    descrito.saidas = saidas_;
    if (!eixos_.empty()) titulos_ = TitulosColunasEstudo(descrito);
    if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}
