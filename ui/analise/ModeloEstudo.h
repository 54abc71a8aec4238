// A parametric study's results as a Qt table model: one row per point the
// sweep calculated, in sweep order; the swept inputs, the chosen outputs at
// fixed decimals with the user's separator, the warning and the message of
// a refused or failed point. Also the captions and decimals the study's
// table, chart and lists share.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <string>
#include <vector>

#include "plant/TabelaEntradas.h"
#include "plant/TabelaSaidas.h"
#include "plant/Varredura.h"

// Caption of an output field as the window's panels show it, with its unit,
// in the window's language: "Potência Elétrica [kW]"; the field's name for
// one no panel shows.
QString LegendaSaida(const CampoSaida& campo);
// Title of the panel that shows an output field ("Resultados Globais"), in
// the window's language.
QString PainelSaida(const CampoSaida& campo);
// An input's caption and unit in the window's language.
QString LegendaEntradaTraduzida(const CampoEntradaUsina& campo);
QString UnidadeEntrada(const CampoEntradaUsina& campo);
// The messages of a sweep naming an input or an output that does not exist.
QString ErroCampoEntrada(const std::string& nome);
QString ErroCampoSaida(const std::string& nome);
// A caption without its bracketed unit: "Pressão de operação da Caldeira".
QString SemUnidade(const QString& legenda);
// Decimals an output is shown with, by its quantity.
int DecimaisSaida(Grandeza grandeza);
// resultado with its axes and outputs, from pedido when it does not carry
// them (a result made by hand). Throws ErroVarredura, with the study's
// messages, for an unknown field name.
ResultadoVarredura ComEixos(const PedidoVarredura& pedido, const ResultadoVarredura& resultado);
// "Eprecal = 40,0 bar": a swept input at one value, by its field name.
QString TextoValorEntrada(const CampoEntradaUsina& campo, double valor, int decimais,
                          const std::string& separador);
// A swept axis's caption with its unit, in the window's language: the
// plant's or the season's input ("Temperatura de saída da caldeira [°C]"),
// or the configuration ("Com turbina de alta pressão").
QString LegendaEixo(const EixoCalculado& eixo);
// One value of an axis as the curves' legend and the lists name it:
// "Temperatura de saída da caldeira [°C] = 360,0", the configuration's
// "Com turbina de alta pressão = sim"; at the axis's decimals.
QString TextoValorEixo(const EixoCalculado& eixo, double valor, const std::string& separador);
// A value of an axis as its table cell shows it: the number at the axis's
// decimals, "sim" or "não" for the configuration.
QString TextoCelulaEixo(const EixoCalculado& eixo, double valor, const std::string& separador);
// The study's column titles on one line each, as the table heads them and
// the window's CSV writes them: the axes' and the outputs' captions with
// their units (a caption several panels share names its panel), then
// "Aviso" and "Erro".
QStringList TitulosColunasEstudo(const ResultadoVarredura& resultado);
// The window's CSV of a study: the sweep's CSV (the same rows usina-calc
// writes) under a header of TitulosColunasEstudo, quoted where needed.
std::string CsvEstudo(const PedidoVarredura& pedido, const ResultadoVarredura& resultado,
                      const std::string& separador);

// A calculated point's warnings and error, in the window's language: from
// the warnings and the error as the run raised them, or their texts as they
// are (a point made by hand).
QString AvisosDoPonto(const PontoVarredura& ponto, const std::string& separador);
QString ErroDoPonto(const PontoVarredura& ponto);

// A long caption on two lines of about the same length, for a column header.
QString CabecalhoEmDuasLinhas(const QString& legenda);

class ModeloEstudo : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ModeloEstudo(QObject* pai = nullptr);

    // Copies a finished (or cancelled) sweep, with the axes and outputs it
    // carries; the points a cancellation left out get no row.
    void DefinirResultado(const ResultadoVarredura& resultado, const std::string& separador);
    // The same for a result of pedido that may not carry them (ComEixos).
    void DefinirResultado(const PedidoVarredura& pedido, const ResultadoVarredura& resultado,
                          const std::string& separador);
    void Limpar();
    // The language changed: the views read the headers again.
    void Retraduzir();
    bool Vazio() const { return linhas_.empty(); }

    int NumeroEixos() const { return static_cast<int>(eixos_.size()); }
    int NumeroSaidas() const { return static_cast<int>(saidas_.size()); }
    int ColunaAviso() const { return NumeroEixos() + NumeroSaidas(); }
    int ColunaErro() const { return ColunaAviso() + 1; }
    // The sweep's index of a row's point.
    std::size_t IndicePonto(int linha) const { return linhas_[static_cast<std::size_t>(linha)]; }

    // The text a cell shows; numbers unrounded under PapelValorBruto.
    QString Texto(int linha, int coluna) const;

    int rowCount(const QModelIndex& pai = QModelIndex()) const override;
    int columnCount(const QModelIndex& pai = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao,
                        int papel = Qt::DisplayRole) const override;

private:
    std::vector<EixoCalculado> eixos_;
    std::vector<const CampoSaida*> saidas_;
    std::vector<PontoVarredura> pontos_;  // the whole sweep, as calculated
    std::vector<std::size_t> linhas_;     // indices of the calculated points
    std::string separador_ = ",";
    QStringList titulos_;  // the columns' titles in the language of the moment
};
