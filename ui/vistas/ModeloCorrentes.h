// The stream table of a finished run as a Qt table model: one row per label
// that carries water or steam, each quantity in its own column with its unit
// in the header, numbers at fixed decimals with the user's separator, and
// the state as read ("superaquecido 38,4 K"). The view, its copy and its CSV
// export all work from this model.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "plant/EstadoLegivel.h"
#include "plant/TabelaCorrentes.h"
#include "ui/comum/FormatoResultados.h"

class ModeloCorrentes : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Coluna {
        ColunaRotulo,
        ColunaDescricao,
        ColunaVazaoTh,      // t/h
        ColunaVazaoKgs,     // kg/s
        ColunaPressao,      // bar
        ColunaTemperatura,  // degC
        ColunaEntalpia,     // kJ/kg
        ColunaEntropia,     // kJ/(kg K)
        ColunaExergia,      // kJ/kg
        ColunaEstado,
        NumeroColunas
    };

    explicit ModeloCorrentes(QObject* pai = nullptr);

    // Copies the stream table of a finished run; numbers will be shown with
    // separador. Throws ErroResultadoIncompleto (leaving the model as it
    // was) unless the run finished.
    void DefinirResultado(const ResultadoUsina& resultado, const std::string& separador);
    void Limpar();  // no rows: no finished run yet
    bool Vazio() const { return linhas_.empty(); }
    const std::string& Separador() const { return separador_; }

    // The text a cell shows (descriptions and states in the window's
    // language), and its unrounded value (PapelValorBruto).
    QString Texto(int linha, int coluna) const;
    QVariant ValorBruto(int linha, int coluna) const;
    // Header text with the unit, in the window's language: "Pressão [bar]".
    static QString Cabecalho(int coluna);
    // The state as the table shows it, in the window's language; in
    // Portuguese the core's TextoEstado exactly ("superaquecido 12,3 K").
    static QString EstadoMostrado(const std::optional<EstadoLegivel>& estado,
                                  const std::string& separador);
    // After a change of language: headers, descriptions and states are
    // shown again (the owning view calls it).
    void Retraduzir();
    static bool Numerica(int coluna);
    // The row of a flowsheet label, or -1 for a label without a stream.
    int LinhaDoRotulo(int rotulo) const;
    // Every property of a row as the table shows it, one "header: value" a
    // line under "label – description", for a tooltip.
    QString Resumo(int linha) const;
    // Whether the row's flow is negative (not physical), shown in red.
    bool VazaoNegativa(int linha) const;

    // The table as CSV for a spreadsheet, the columns and rows usina-calc
    // --csv prints (CorrentesCsv: flows in kg/s, specific volume, quality as
    // a number, every number unrounded), the pressure header saying the
    // basis; in Portuguese whatever the window's language. UTF-8, CR LF line
    // ends, no byte-order mark (the export adds it).
    std::string Csv() const;

    int rowCount(const QModelIndex& pai = QModelIndex()) const override;
    int columnCount(const QModelIndex& pai = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao,
                        int papel = Qt::DisplayRole) const override;

private:
    std::vector<LinhaCorrente> linhas_;
    std::vector<std::optional<EstadoLegivel>> estados_;  // one per row
    std::string separador_ = ",";
    std::string csv_;  // Csv(), composed with the rows
};
