// The stream-table and indicator views: the model's cells against the plant
// data of the same run, the clipboard text, the CSV read back, the notices,
// errors reaching the window's handler, and the HTML for the report. With
// USINA_CAPTURAS set to a directory, the views filled with the default run
// are also saved there as pictures at two window sizes.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

#include "io/ErrosArquivo.h"
#include "io/ExportacaoResultados.h"
#include "plant/CalculoUsina.h"
#include "plant/DiagramaTs.h"
#include "plant/ErrosPlanta.h"
#include "plant/EstadoLegivel.h"
#include "plant/IndicadoresUsina.h"
#include "plant/Numeros.h"
#include "plant/PapeisRotulos.h"
#include "plant/TabelaCorrentes.h"
#include "plant/TabelaEntradas.h"
#include "ui/comum/Idioma.h"
#include "ui/comum/TratadorErros.h"
#include "ui/figura/FluxogramaResultados.h"
#include "ui/janela/RelatorioPdf.h"
#include "ui/vistas/ModeloCorrentes.h"
#include "ui/vistas/TabelasHtml.h"
#include "ui/vistas/VistaCorrentes.h"
#include "ui/vistas/VistaIndicadores.h"

// Failure messages show a QString as its text.
inline void PrintTo(const QString& texto, std::ostream* saida) {
    *saida << '"' << texto.toStdString() << '"';
}

namespace {

ResultadoUsina Calculado(bool comTurbinaAlta = true) {
    EntradasUsina e;
    e.comTurbinaAlta = comTurbinaAlta;
    ResultadoUsina r;
    CalcularUsina(e, r);
    return r;
}

class ErrosGravados : public ApresentadorErros {
public:
    void MostrarErro(const QString&, const QString& mensagem) override { erros << mensagem; }
    QStringList erros;
};

// Sets the locale (and with it the decimal separator) for one test.
class LocaleTemporario {
public:
    explicit LocaleTemporario(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleTemporario() { QLocale::setDefault(anterior_); }

private:
    QLocale anterior_;
};

// RFC 4180 fields of one CSV line (no line ends inside fields here).
QStringList CamposCsv(const QString& linha, QChar delimitador) {
    QStringList campos;
    QString campo;
    bool citado = false;
    for (qsizetype i = 0; i < linha.size(); ++i) {
        const QChar c = linha[i];
        if (citado) {
            if (c == '"' && i + 1 < linha.size() && linha[i + 1] == '"') {
                campo += '"';
                ++i;
            } else if (c == '"') {
                citado = false;
            } else {
                campo += c;
            }
        } else if (c == '"') {
            citado = true;
        } else if (c == delimitador) {
            campos << campo;
            campo.clear();
        } else {
            campo += c;
        }
    }
    campos << campo;
    return campos;
}

// Every cell's unrounded value is the plant's own number, in both
// configurations; the texts round it to the column's decimals.
TEST(ModeloCorrentes, CelulasSaoOsDadosDaUsina) {
    for (bool comTurbina : {true, false}) {
        const ResultadoUsina r = Calculado(comTurbina);
        ModeloCorrentes modelo;
        modelo.DefinirResultado(r, ",");
        ASSERT_EQ(modelo.rowCount(), 13);
        for (int l = 0; l < modelo.rowCount(); ++l) {
            const int rotulo = modelo.ValorBruto(l, ModeloCorrentes::ColunaRotulo).toInt();
            const auto i = static_cast<std::size_t>(rotulo);
            const StatePoint& e = r.dados.Estado[i];
            // The feed water carries the condensate's flow.
            const double m = r.dados.Vazao[rotulo == 19 ? 18 : i];
            const double esperado[] = {m * 3.6, m, e.p * 10.0, e.t, e.h, e.s, e.ex};
            for (int c = ModeloCorrentes::ColunaVazaoTh; c <= ModeloCorrentes::ColunaExergia; ++c)
                EXPECT_EQ(modelo.data(modelo.index(l, c), PapelValorBruto).toDouble(),
                          esperado[c - ModeloCorrentes::ColunaVazaoTh])
                    << rotulo << " " << c;
            EXPECT_EQ(modelo.Texto(l, ModeloCorrentes::ColunaEstado).toStdString(),
                      TextoEstado(LerEstado(e), ","));
        }
    }
    ModeloCorrentes modelo;
    modelo.DefinirResultado(Calculado(), ",");
    const QStringList vaporVivo = {"1", "Vapor vivo", "192,00", "53,333", "80,00", "450,0",
                                   "3272,0", "6,5551", "1322,2", "superaquecido 154,9 K"};
    for (int c = 0; c < ModeloCorrentes::NumeroColunas; ++c)
        EXPECT_EQ(modelo.Texto(0, c), vaporVivo[c]) << c;
    EXPECT_EQ(modelo.Texto(8, ModeloCorrentes::ColunaEstado), "úmido, título 0,997");
    EXPECT_TRUE(modelo.data(modelo.index(0, ModeloCorrentes::ColunaPressao), Qt::TextAlignmentRole)
                    .toInt() &
                Qt::AlignRight);
}

TEST(VistaCorrentes, SemCalculoDepoisValoresEAvisoDesatualizado) {
    VistaCorrentes vista;
    vista.show();
    const auto visiveis = [&] {
        return std::vector<bool>{vista.AvisoSemCalculo->isVisible(), vista.Tabela->isVisible(),
                                 vista.BotaoExportar->isEnabled(),
                                 vista.AvisoDesatualizado->isVisible()};
    };
    using V = std::vector<bool>;  // no-run notice, table, export, stale notice
    EXPECT_EQ(visiveis(), (V{true, false, false, false}));
    vista.MostrarResultado(Calculado());
    EXPECT_EQ(visiveis(), (V{false, true, true, false}));
    vista.MarcarDesatualizado(true);  // the old figures stay readable under the notice
    EXPECT_EQ(visiveis(), (V{false, true, true, true}));
    vista.MostrarResultado(Calculado(false));  // a new run is current again
    EXPECT_EQ(visiveis(), (V{false, true, true, false}));
    ResultadoUsina interrompido = Calculado();
    interrompido.situacao = SituacaoCalculo::Interrompido;
    vista.MostrarResultado(interrompido);  // nothing of a run that stopped
    EXPECT_EQ(visiveis(), (V{true, false, false, false}));
    EXPECT_EQ(vista.Tabela->model()->rowCount(), 0);
}

// Ctrl+C on the table copies the selected rectangle with its headers, as
// shown, tab-separated; the user's decimal separator decides the mark.
TEST(VistaCorrentes, CopiaASelecaoParaPlanilha) {
    const struct {
        QLocale locale;
        QString esperado;
    } casos[] = {
        {QLocale(QLocale::Portuguese, QLocale::Brazil),
         "Pressão [bar (abs.)]\tTemperatura [°C]\n80,00\t450,0\n22,00\t298,8\n"},
        {QLocale(QLocale::English, QLocale::UnitedStates),
         "Pressão [bar (abs.)]\tTemperatura [°C]\n80.00\t450.0\n22.00\t298.8\n"},
    };
    for (const auto& c : casos) {
        LocaleTemporario locale(c.locale);
        VistaCorrentes vista;
        vista.show();
        vista.MostrarResultado(Calculado());
        QApplication::clipboard()->clear();
        const QAbstractItemModel* m = vista.Tabela->model();
        vista.Tabela->selectionModel()->select(
            QItemSelection(m->index(0, ModeloCorrentes::ColunaPressao),
                           m->index(1, ModeloCorrentes::ColunaTemperatura)),
            QItemSelectionModel::Select);
        vista.Tabela->setFocus();
        QTest::keyClick(vista.Tabela, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), c.esperado);
    }
    // Two corner cells: the rest of their rectangle copies as empty cells.
    VistaCorrentes vista;
    vista.MostrarResultado(Calculado());
    const QAbstractItemModel* m = vista.Tabela->model();
    for (const QModelIndex& i : {m->index(0, 0), m->index(10, ModeloCorrentes::ColunaEstado)})
        vista.Tabela->selectionModel()->select(i, QItemSelectionModel::Select);
    const QStringList linhas = vista.TextoSelecao().split('\n');
    ASSERT_EQ(linhas.size(), 13);  // headers, rows 1 to 11, the final line end
    EXPECT_TRUE(linhas[1].startsWith("1\t\t"));
    EXPECT_TRUE(linhas[11].endsWith("\tsuperaquecido 38,4 K"));
    EXPECT_EQ(linhas[5], QString(ModeloCorrentes::NumeroColunas - 1, '\t'));
}

class VistaCorrentesArquivo : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temporario.isValid());
        anterior = InstalarApresentador(&erros);
    }
    void TearDown() override { InstalarApresentador(anterior); }

    QString Exportar(VistaCorrentes& vista, const QString& nome) {
        QString caminho = nome.isEmpty() ? QString() : temporario.filePath(nome);
        vista.DefinirEscolhaArquivo([&](const QString& titulo, const QString&, const QStringList& filtros,
                                        const QStringList& sufixos) {
            ++dialogos;
            EXPECT_EQ(titulo, "Exportar tabela de correntes");
            EXPECT_EQ(filtros, QStringList{"Tabela CSV (*.csv)"});
            EXPECT_EQ(sufixos, QStringList{"csv"});
            return caminho;
        });
        vista.BotaoExportar->click();
        return caminho;
    }

    QTemporaryDir temporario;
    ErrosGravados erros;
    ApresentadorErros* anterior = nullptr;
    int dialogos = 0;
};

// The exported CSV starts with the UTF-8 byte-order mark, then holds the
// columns and rows usina-calc --csv prints for the same run (CorrentesCsv),
// the pressure header alone saying the basis; its numbers read back to the
// model's to the bit, with either decimal mark.
TEST_F(VistaCorrentesArquivo, CsvComMarcaEAsColunasDoUsinaCalc) {
    const struct {
        QLocale locale;
        QChar delimitador;
        std::string decimal;
    } casos[] = {
        {QLocale(QLocale::Portuguese, QLocale::Brazil), ';', ","},
        {QLocale(QLocale::English, QLocale::UnitedStates), ',', "."},
    };
    const ResultadoUsina resultado = Calculado();
    for (const auto& c : casos) {
        SCOPED_TRACE(c.decimal);
        LocaleTemporario locale(c.locale);
        VistaCorrentes vista;
        vista.MostrarResultado(resultado);
        const QString caminho = Exportar(vista, "correntes" + QString::fromStdString(c.decimal));
        ASSERT_TRUE(erros.erros.isEmpty()) << erros.erros.join('\n').toStdString();
        QFile arquivo(caminho + ".csv");  // the suffix is added to a bare name
        ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
        QByteArray bytes = arquivo.readAll();
        ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << "no UTF-8 byte-order mark";
        bytes.remove(0, 3);
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << "the mark written twice";

        // usina-calc's table for the same run, line by line.
        const QStringList janela = QString::fromUtf8(bytes).split("\r\n");
        const QStringList calc = QString::fromStdString(CorrentesCsv(resultado, c.decimal)).split("\r\n");
        ASSERT_EQ(janela.size(), calc.size());
        const QStringList cabecalhoJanela = CamposCsv(janela[0], c.delimitador);
        QStringList cabecalhoCalc = CamposCsv(calc[0], c.delimitador);
        ASSERT_EQ(cabecalhoJanela.size(), cabecalhoCalc.size());
        EXPECT_EQ(cabecalhoCalc[3], "Pressão [bar]");
        cabecalhoCalc[3] = "Pressão [bar (abs.)]";
        EXPECT_EQ(cabecalhoJanela, cabecalhoCalc);
        for (qsizetype l = 1; l < janela.size(); ++l) EXPECT_EQ(janela[l], calc[l]) << l;

        // Every number of the model to the bit, in the model's own units.
        const ModeloCorrentes& modelo = vista.Modelo();
        ASSERT_EQ(janela.size(), modelo.rowCount() + 2);  // header, rows, the final line end
        const struct {
            int csv;
            int modelo;
        } colunas[] = {{2, ModeloCorrentes::ColunaVazaoKgs}, {3, ModeloCorrentes::ColunaPressao},
                       {4, ModeloCorrentes::ColunaTemperatura}, {6, ModeloCorrentes::ColunaEntalpia},
                       {7, ModeloCorrentes::ColunaEntropia}, {8, ModeloCorrentes::ColunaExergia}};
        for (int l = 0; l < modelo.rowCount(); ++l) {
            const QStringList campos = CamposCsv(janela[l + 1], c.delimitador);
            ASSERT_EQ(campos.size(), 10) << janela[l + 1].toStdString();
            EXPECT_EQ(campos[0].toInt(), modelo.ValorBruto(l, 0).toInt());
            for (const auto& col : colunas)
                EXPECT_EQ(LerNumero(campos[col.csv].toStdString(), c.decimal),
                          modelo.ValorBruto(l, col.modelo).toDouble());
        }
    }
}

TEST_F(VistaCorrentesArquivo, CanceladoEErroDeGravacao) {
    VistaCorrentes vista;
    vista.MostrarResultado(Calculado());
    Exportar(vista, "");  // cancelled
    EXPECT_EQ(dialogos, 1);
    EXPECT_TRUE(erros.erros.isEmpty());
    EXPECT_TRUE(QDir(temporario.path()).isEmpty());

    // A directory that does not exist: the window's handler shows why.
    Exportar(vista, "falta/correntes.csv");
    ASSERT_EQ(erros.erros.size(), 1);
    EXPECT_EQ(erros.erros[0], "Não foi possível gravar o arquivo \"" +
                                  QDir::toNativeSeparators(temporario.filePath("falta/correntes.csv")) +
                                  "\": a pasta não existe.");
    EXPECT_TRUE(QDir(temporario.path()).isEmpty());

    // Writing before any run is refused, not an empty file.
    VistaCorrentes vazia;
    EXPECT_THROW(vazia.ExportarCsv(temporario.filePath("x.csv")), ErroResultadoIncompleto);
    EXPECT_FALSE(QFile::exists(temporario.filePath("x.csv")));
}

TEST(VistaIndicadores, ValoresEstimativasENota) {
    VistaIndicadores vista;
    vista.resize(650, 450);
    vista.show();
    EXPECT_TRUE(vista.AvisoSemCalculo->isVisible());
    EXPECT_FALSE(vista.Conteudo->isVisible());

    EntradasUsina semMoagem;
    semMoagem.PotenciaMoagemEspecifica = 0.0;
    ResultadoUsina r;
    CalcularUsina(semMoagem, r);
    vista.MostrarResultado(r);
    EXPECT_FALSE(vista.AvisoSemCalculo->isVisible());
    EXPECT_TRUE(vista.Conteudo->isVisible());

    const IndicadoresUsina ind = CalcularIndicadores(r);
    ASSERT_EQ(vista.TabelaIndicadores->rowCount(), static_cast<int>(ind.indicadores.size()));
    for (int l = 0; l < vista.TabelaIndicadores->rowCount(); ++l) {
        const Indicador& i = ind.indicadores[static_cast<std::size_t>(l)];
        SCOPED_TRACE(i.nome);
        const QString nome = vista.TabelaIndicadores->item(l, 0)->text();
        EXPECT_EQ(nome.endsWith(" *"), i.estimativa);
        const QTableWidgetItem* valor = vista.TabelaIndicadores->item(l, 1);
        if (i.valor) {
            EXPECT_EQ(valor->data(PapelValorBruto).toDouble(), *i.valor);
            EXPECT_FALSE(valor->text().contains('.'));
        } else {
            EXPECT_EQ(valor->text(), "não definido");  // the mill turbine, with no power
            EXPECT_FALSE(valor->data(PapelValorBruto).isValid());
        }
        EXPECT_EQ(vista.TabelaIndicadores->item(l, 3)->text().toStdString(), i.explicacao);
    }
    // At this width the explanation is the line under the table, for the
    // current row.
    EXPECT_TRUE(vista.TabelaIndicadores->isColumnHidden(3));
    const auto explicacao = [&](std::size_t i) {
        return QString::fromStdString("<b>" + ind.indicadores[i].nome + "</b>: " +
                                      ind.indicadores[i].explicacao);
    };
    EXPECT_EQ(vista.ExplicacaoIndicador->text(), explicacao(0));
    EXPECT_TRUE(vista.TabelaIndicadores->selectedItems().isEmpty());
    vista.TabelaIndicadores->setCurrentCell(2, 1);
    EXPECT_EQ(vista.ExplicacaoIndicador->text(), explicacao(2));
    vista.resize(1600, 900);
    EXPECT_FALSE(vista.TabelaIndicadores->isColumnHidden(3));
    EXPECT_FALSE(vista.ExplicacaoIndicador->isVisible());

    // The split, then its total at 100 %.
    ASSERT_EQ(vista.TabelaDestruicao->rowCount(), static_cast<int>(ind.destruicao.size()) + 1);
    const int total = vista.TabelaDestruicao->rowCount() - 1;
    EXPECT_EQ(vista.TabelaDestruicao->item(total, 1)->data(PapelValorBruto).toDouble(),
              ind.destruicaoTotal);
    EXPECT_EQ(vista.TabelaDestruicao->item(total, 2)->text(), "100,00");
    EXPECT_EQ(vista.TabelaDestruicao->item(0, 0)->text(), "Caldeira *");
    EXPECT_TRUE(vista.NotaEstimativa->isVisible());
    EXPECT_TRUE(vista.NotaEstimativa->text().contains("Szargut"));

    vista.MarcarDesatualizado(true);
    EXPECT_TRUE(vista.AvisoDesatualizado->isVisible());
    vista.MostrarResultado(ResultadoUsina{});
    EXPECT_FALSE(vista.AvisoDesatualizado->isVisible());
    EXPECT_TRUE(vista.AvisoSemCalculo->isVisible());
}

// The report's tables: the stream table whole, the indicators without a
// single figure that rests on the estimated fuel exergy.
TEST(TabelasHtml, CorrentesEIndicadoresSemEstimativas) {
    const ResultadoUsina r = Calculado();
    const QString correntes = CorrentesHtml(r, ",");
    EXPECT_EQ(correntes.count("<tr>"), 14);
    // The number and its unit on one line; the header's unit whole on a line of its own.
    EXPECT_TRUE(correntes.contains("superaquecido 38,4&nbsp;K"));
    EXPECT_TRUE(correntes.contains("Entropia<br>[kJ/&#8288;(kg·K)]"));
    EXPECT_TRUE(correntes.contains("Pressão<br>[bar&nbsp;(abs.)]"));

    const QString indicadores = IndicadoresHtml(r, ",");
    EXPECT_TRUE(indicadores.contains("Eficiência de primeira lei da usina"));
    EXPECT_TRUE(indicadores.contains("Turbomoenda"));
    for (const char* proibido : {"segunda lei", "Exergia do bagaço", "Caldeira", "Szargut"})
        EXPECT_FALSE(indicadores.contains(QString::fromUtf8(proibido))) << proibido;
    // The second-law efficiency's value is nowhere either.
    const IndicadoresUsina ind = CalcularIndicadores(r);
    for (const Indicador& i : ind.indicadores) {
        if (i.estimativa) {
            EXPECT_FALSE(indicadores.contains(TextoIndicador(i.valor, i.unidade, ",")));
        }
    }

    ResultadoUsina nenhum;
    EXPECT_THROW(CorrentesHtml(nenhum, ","), ErroResultadoIncompleto);
    EXPECT_THROW(IndicadoresHtml(nenhum, ","), ErroResultadoIncompleto);
}

// At the narrowest window the views are meant for, and at a wide one, no
// column is narrower than its contents (no text cut short with "…"); the
// pictures go to USINA_CAPTURAS when it is set.
TEST(Vistas, LarguraDasColunasECapturas) {
    const QString capturas = qEnvironmentVariable("USINA_CAPTURAS");
    const ResultadoUsina r = Calculado();
    for (const QSize tamanho : {QSize(650, 450), QSize(1600, 900)}) {
        SCOPED_TRACE(tamanho.width());
        VistaCorrentes correntes;
        VistaIndicadores indicadores;
        for (QWidget* w : {static_cast<QWidget*>(&correntes), static_cast<QWidget*>(&indicadores)}) {
            w->resize(tamanho);
            w->show();
        }
        correntes.MostrarResultado(r);
        correntes.MarcarDesatualizado(true);
        indicadores.MostrarResultado(r);
        QApplication::processEvents();

        // The hints are public on the base class only.
        const auto dica = [](const QAbstractItemView* v, int c) { return v->sizeHintForColumn(c); };
        for (int c = 0; c < correntes.Tabela->model()->columnCount(); ++c) {
            EXPECT_GE(correntes.Tabela->columnWidth(c), dica(correntes.Tabela, c)) << c;
            EXPECT_GE(correntes.Tabela->columnWidth(c),
                      correntes.Tabela->horizontalHeader()->sectionSizeHint(c))
                << c;
        }
        for (QTableWidget* t : {indicadores.TabelaIndicadores, indicadores.TabelaDestruicao})
            for (int c = 0; c + 1 < t->columnCount(); ++c)  // the last one wraps
                EXPECT_GE(t->columnWidth(c), dica(t, c)) << c;
        // Wrapped explanations get the height they need.
        const QAbstractItemView* tabela = indicadores.TabelaIndicadores;
        for (int l = 0; l < indicadores.TabelaIndicadores->rowCount(); ++l)
            EXPECT_GE(indicadores.TabelaIndicadores->rowHeight(l), tabela->sizeHintForRow(l)) << l;

        if (!capturas.isEmpty()) {
            QDir().mkpath(capturas);
            const QString sufixo = QString("-%1x%2.png").arg(tamanho.width()).arg(tamanho.height());
            EXPECT_TRUE(correntes.grab().save(capturas + "/correntes" + sufixo));
            EXPECT_TRUE(indicadores.grab().save(capturas + "/indicadores" + sufixo));
        }
    }
}

// ---------------------------------------------------------------------------
// The views in English: composed again from the result shown, the numbers
// untouched, and the Portuguese back byte for byte.

class VistasIdioma : public ::testing::Test {
protected:
    void TearDown() override { AplicarIdioma(Idioma::Portugues); }
};

// Every text a table widget shows: headers, cells and their tool tips.
QStringList TextosTabela(const QTableWidget* t) {
    QStringList textos;
    for (int c = 0; c < t->columnCount(); ++c)
        textos << t->horizontalHeaderItem(c)->text() << t->horizontalHeaderItem(c)->toolTip();
    for (int l = 0; l < t->rowCount(); ++l)
        for (int c = 0; c < t->columnCount(); ++c)
            textos << t->item(l, c)->text() << t->item(l, c)->toolTip();
    return textos;
}

QStringList TextosModelo(const ModeloCorrentes& m) {
    QStringList textos;
    for (int c = 0; c < ModeloCorrentes::NumeroColunas; ++c)
        textos << m.headerData(c, Qt::Horizontal).toString()
               << m.headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString();
    for (int l = 0; l < m.rowCount(); ++l)
        for (int c = 0; c < ModeloCorrentes::NumeroColunas; ++c) textos << m.Texto(l, c);
    return textos;
}

// The state column is composed by the view: in Portuguese it is the core's
// TextoEstado exactly, with either separator; in English the same figure.
TEST_F(VistasIdioma, EstadoComoONucleoEmPortugues) {
    using E = EstadoLegivel;
    const struct {
        std::optional<EstadoLegivel> estado;
        const char* ingles;  // with the comma
    } casos[] = {
        {E{Fase::Subresfriado, 12.34, 0.0}, "subcooled 12,3 K"},
        {E{Fase::LiquidoSaturado, 0.0, 0.0}, "saturated liquid"},
        {E{Fase::Umido, 0.0, 0.95349}, "wet, quality 0,953"},
        {E{Fase::Umido, 0.0, 0.0004}, "wet, quality 0,000"},
        {E{Fase::VaporSaturado, 0.0, 1.0}, "saturated vapour"},
        {E{Fase::Superaquecido, 85.36, 1.0}, "superheated 85,4 K"},
        {E{Fase::Superaquecido, 0.04, 1.0}, "superheated 0,0 K"},
        {E{Fase::Superaquecido, 1234.56, 1.0}, "superheated 1234,6 K"},
        {std::nullopt, "—"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.ingles);
        for (const std::string separador : {",", "."})
            EXPECT_EQ(ModeloCorrentes::EstadoMostrado(caso.estado, separador),
                      QString::fromStdString(TextoEstado(caso.estado, separador)));
    }
    AplicarIdioma(Idioma::Ingles);
    for (const auto& caso : casos)
        EXPECT_EQ(ModeloCorrentes::EstadoMostrado(caso.estado, ","),
                  QString::fromUtf8(caso.ingles));
}

// Every core text these views and the report look up has its English: a
// text changed in the core without its catalogue entry shows up here.
TEST_F(VistasIdioma, TextosDoNucleoTraduzidos) {
    std::vector<std::string> textos = {FonteFatorExergia};
    for (const PapelRotulo& p : PapeisRotulos()) textos.push_back(p.descricao);
    for (bool alta : {true, false}) {
        const ResultadoUsina r = Calculado(alta);
        const IndicadoresUsina ind = CalcularIndicadores(r);
        for (const Indicador& i : ind.indicadores) {
            textos.push_back(i.nome);
            textos.push_back(i.explicacao);
        }
        for (const ParcelaDestruicao& p : ind.destruicao) textos.push_back(p.equipamento);
        for (const IsobaraTs& iso : CalcularDiagramaTs(r, 600.0).isobaras)
            textos.push_back(iso.nome.substr(0, iso.nome.rfind(' ', iso.nome.rfind(' ') - 1)));
    }
    for (const CampoEntradaUsina& c : CamposEntradaUsina()) {
        textos.push_back(c.legenda);
        if (std::string(c.unidade).find("cana") != std::string::npos) textos.push_back(c.unidade);
    }
    for (const LinhaResultadoGlobal& l : LinhasResultadosGlobais()) textos.push_back(l.nome);

    AplicarIdioma(Idioma::Ingles);
    for (const std::string& t : textos) {
        const QString ingles = TraduzirNucleo(t);
        EXPECT_NE(ingles, QString::fromStdString(t)) << "sem tradução: " << t;
        EXPECT_FALSE(ingles.contains(QRegularExpression("[ãõçáéíóúâêô]"))) << t;
    }
}

// The stream table in English and back: headers, descriptions and states
// change, numbers do not; the copy follows the screen, the CSV stays in
// Portuguese.
TEST_F(VistasIdioma, TabelaDeCorrentesIdaEVolta) {
    VistaCorrentes vista;
    vista.resize(900, 500);
    vista.show();
    vista.MostrarResultado(Calculado());
    vista.Tabela->selectAll();
    const QStringList portugues = TextosModelo(vista.Modelo());
    const QString copia = vista.TextoSelecao();
    const std::string csv = vista.Modelo().Csv();

    AplicarIdioma(Idioma::Ingles);
    if (const QString capturas = qEnvironmentVariable("USINA_CAPTURAS"); !capturas.isEmpty()) {
        QApplication::processEvents();
        vista.grab().save(QDir(capturas).filePath("correntes-en.png"));
    }
    const ModeloCorrentes& m = vista.Modelo();
    EXPECT_EQ(m.headerData(ModeloCorrentes::ColunaPressao, Qt::Horizontal).toString(),
              "Pressure\n[bar (abs.)]");
    EXPECT_EQ(m.Texto(0, ModeloCorrentes::ColunaDescricao), "Live steam");
    for (int l = 0; l < m.rowCount(); ++l) {
        for (int c = 0; c < ModeloCorrentes::NumeroColunas; ++c) {
            const QString antes = portugues[2 * ModeloCorrentes::NumeroColunas +
                                            l * ModeloCorrentes::NumeroColunas + c];
            if (ModeloCorrentes::Numerica(c) || c == ModeloCorrentes::ColunaRotulo) {
                EXPECT_EQ(m.Texto(l, c), antes);
            } else if (antes != "—") {
                EXPECT_NE(m.Texto(l, c), antes);
            }
        }
        const QString estado = m.Texto(l, ModeloCorrentes::ColunaEstado);
        EXPECT_TRUE(estado.contains(QRegularExpression("^(subcooled|superheated|wet|saturated|—)")))
            << estado.toStdString();
    }
    EXPECT_TRUE(vista.TextoSelecao().startsWith("Label\tDescription\tFlow [t/h]\t"));
    EXPECT_TRUE(vista.TextoSelecao().contains("\tsuperheated 38,4 K\n"));
    EXPECT_EQ(m.Csv(), csv);
    // The state column still holds its widest text.
    const QAbstractItemView* tabela = vista.Tabela;
    EXPECT_GE(vista.Tabela->columnWidth(ModeloCorrentes::ColunaDescricao),
              tabela->sizeHintForColumn(ModeloCorrentes::ColunaDescricao));

    AplicarIdioma(Idioma::Portugues);
    EXPECT_EQ(TextosModelo(vista.Modelo()), portugues);
    EXPECT_EQ(vista.TextoSelecao(), copia);
}

// The indicators in English and back, composed from the indicators shown;
// the current row and its explanation kept.
TEST_F(VistasIdioma, IndicadoresIdaEVolta) {
    VistaIndicadores vista;
    vista.resize(650, 450);
    vista.show();
    vista.MostrarResultado(Calculado());
    vista.TabelaIndicadores->setCurrentCell(3, 0);
    const QStringList indicadores = TextosTabela(vista.TabelaIndicadores);
    const QStringList destruicao = TextosTabela(vista.TabelaDestruicao);
    const QString nota = vista.NotaEstimativa->text();
    const QString explicacao = vista.ExplicacaoIndicador->text();

    AplicarIdioma(Idioma::Ingles);
    if (const QString capturas = qEnvironmentVariable("USINA_CAPTURAS"); !capturas.isEmpty()) {
        QApplication::processEvents();
        vista.grab().save(QDir(capturas).filePath("indicadores-en.png"));
    }
    EXPECT_EQ(vista.TabelaIndicadores->currentRow(), 3);
    EXPECT_EQ(vista.TabelaIndicadores->item(0, 0)->text(), "Electric power per tonne of cane");
    EXPECT_EQ(vista.TabelaIndicadores->horizontalHeaderItem(3)->text(), "How it is worked out");
    EXPECT_EQ(vista.TabelaDestruicao->item(0, 0)->text(), "Boiler *");
    EXPECT_TRUE(vista.NotaEstimativa->text().startsWith("* Bagasse exergy estimated"));
    EXPECT_TRUE(vista.ExplicacaoIndicador->text().startsWith(
        "<b>" + vista.TabelaIndicadores->item(3, 0)->text() + "</b>: "));
    // The values (column 1 and the destruction's figures) as they were.
    for (int l = 0; l < vista.TabelaIndicadores->rowCount(); ++l)
        EXPECT_EQ(vista.TabelaIndicadores->item(l, 1)->text(),
                  indicadores[8 + 8 * l + 2]);
    for (int l = 0; l < vista.TabelaDestruicao->rowCount(); ++l)
        for (int c : {1, 2})
            EXPECT_EQ(vista.TabelaDestruicao->item(l, c)->text(), destruicao[6 + 6 * l + 2 * c]);

    AplicarIdioma(Idioma::Portugues);
    EXPECT_EQ(TextosTabela(vista.TabelaIndicadores), indicadores);
    EXPECT_EQ(TextosTabela(vista.TabelaDestruicao), destruicao);
    EXPECT_EQ(vista.NotaEstimativa->text(), nota);
    EXPECT_EQ(vista.ExplicacaoIndicador->text(), explicacao);
}

// The PDF report's pages in English: no Portuguese heading or table text
// left, the same numbers in the same order; in Portuguese again the same
// page as before.
TEST_F(VistasIdioma, RelatorioPdfNoIdiomaDaJanela) {
    const ResultadoUsina r = Calculado();
    const auto html = [&] {
        const ConteudoRelatorioPdf conteudo{"caso.usina", &r, EntradasUsina{}, ",",
                                            IndicadoresHtml(r, ","), CorrentesHtml(r, ","), {}};
        // The date and time of the run may turn over between two calls.
        return HtmlRelatorioPdf(conteudo).remove(QRegularExpression("<br>[^<]*</p>"));
    };
    const auto numeros = [](QString texto) {
        // The stream table's column widths follow the headers' lengths in
        // each language: not numbers of the report.
        texto.remove(QRegularExpression(" width=\"\\d+%\""));
        QStringList lista;
        for (const auto& m : QRegularExpression("\\d+(,\\d+)?").globalMatch(texto))
            lista << m.captured();
        return lista;
    };
    const QString portugues = html();
    AplicarIdioma(Idioma::Ingles);
    const QString ingles = html();
    for (const char* texto : {"Dados de entrada", "Resultados globais", "Indicadores de cogeração",
                              "Tabela de correntes", "Vapor vivo", "superaquecido", "Unidade",
                              "Caso:", "Como é calculado", "não", "Turbomoenda"})
        EXPECT_FALSE(ingles.contains(QString::fromUtf8(texto))) << texto;
    for (const char* texto : {"Input data", "Overall results", "Cogeneration indicators",
                              "Stream table", "Live steam", "superheated 38,4&nbsp;K", "Case: caso.usina",
                              "Mill capacity", "t cane/h", "Mill drive turbine"})
        EXPECT_TRUE(ingles.contains(QString::fromUtf8(texto))) << texto;
    EXPECT_EQ(numeros(ingles), numeros(portugues));
    // The report in both languages, to be looked at, when USINA_CAPTURAS is set.
    const auto capturar = [&](const char* nome) {
        const QString capturas = qEnvironmentVariable("USINA_CAPTURAS");
        if (capturas.isEmpty()) return;
        QDir().mkpath(capturas);
        const ConteudoRelatorioPdf conteudo{
            "caso.usina", &r, EntradasUsina{}, ",", IndicadoresHtml(r, ","), CorrentesHtml(r, ","),
            [&](QPainter& pintor, const QRectF& area) {
                DesenharFluxogramaResultados(pintor, area, &r, ",");
            }};
        GravarRelatorioPdf(QDir(capturas).filePath(nome), conteudo);
    };
    capturar("relatorio-en.pdf");
    AplicarIdioma(Idioma::Portugues);
    EXPECT_EQ(html(), portugues);
    capturar("relatorio-pt.pdf");
}

}  // namespace
