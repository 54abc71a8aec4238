// The chosen panel gets its whole written size first: at 1366 x 768 and
// 1280 x 720 (the whole screen, and its part below a title bar) every panel,
// and every widget in it, has at least the size it asks for and lies inside
// the visible part of the panel area, with no scroll bar; the views take what
// is left beside it, or a page of their own when that is too little.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QFrame>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <functional>
#include <string>

#include "EmIngles.h"
#include "teste_janela_apoio.h"

namespace {

using PaineisInteirosTeste = JanelaTeste;

struct Painel {
    int item;                 // in "Componentes"
    QFrame* TFusina::* painel;
    const char* nome;
    bool ladoA1366;           // the views beside it at 1366 pixels wide
    bool ladoA1280;           // and at 1280
};

// The wide file panels leave the views too little room; the flowsheet
// panel only at 1280 pixels.
const Painel Paineis[] = {
    {0, &TFusina::Panel11, "Dados de Entrada globais", true, true},
    {1, &TFusina::Panel2, "Dados de Entrada", true, true},
    {2, &TFusina::Panel3, "Processo", true, true},
    {3, &TFusina::Panel5, "Caldeira", true, true},
    {4, &TFusina::Panel4, "Turbina alta pressão", true, true},
    {5, &TFusina::Panel6, "Bomba", true, true},
    {6, &TFusina::Panel7, "Turbina de acionamento bomba", true, true},
    {7, &TFusina::Panel8, "Turbomoenda", true, true},
    {8, &TFusina::Panel9, "Turbina média pressão", true, true},
    {9, &TFusina::Panel12, "Resultados Gerais", true, true},
    {10, &TFusina::Panel10, "Arquivo de resultados gerais", false, false},
    {11, &TFusina::Panel13, "Fluxograma", true, false},
};

const QSize Tamanhos[] = {{1366, 768}, {1366, 740}, {1280, 720}, {1280, 690}};

// Whether widget lies whole inside the viewport of area.
bool Visivel(const QWidget* widget, const QScrollArea* area) {
    const QRect noVisor(widget->mapTo(area->viewport(), QPoint(0, 0)), widget->size());
    return area->viewport()->rect().contains(noVisor);
}

// Every panel of the table at every size of the table; whether the views
// stand beside each panel is checked only when ladoConferido (the captions'
// lengths, and so the panels' widths, depend on the language).
void ConferirPaineis(TFusina& janelaP, const std::function<void(int)>& escolher, bool ladoConferido) {
    TFusina* janela = &janelaP;
    auto* area = janela->findChild<QScrollArea*>("AreaPaineis");
    ASSERT_NE(area, nullptr);
    for (const QSize tamanho : Tamanhos) {
        janela->resize(tamanho);
        for (const Painel& p : Paineis) {
            escolher(p.item);
            QCoreApplication::processEvents();
            const std::string onde = std::to_string(tamanho.width()) + "x" +
                                     std::to_string(tamanho.height()) + " " + p.nome;
            QFrame* painel = janela->*p.painel;
            ASSERT_NE(painel, nullptr) << onde;
            ASSERT_TRUE(painel->isVisibleTo(janela)) << onde;
            ASSERT_TRUE(area->isVisibleTo(janela)) << onde;
            // The panel at the size it asks for, all of it on screen.
            const QSize pedido = painel->sizeHint().expandedTo(painel->minimumSizeHint());
            EXPECT_GE(painel->width(), pedido.width()) << onde;
            EXPECT_GE(painel->height(), pedido.height()) << onde;
            EXPECT_TRUE(Visivel(painel, area))
                << onde << ": " << painel->width() << "x" << painel->height() << " in "
                << area->viewport()->width() << "x" << area->viewport()->height();
            EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0) << onde;
            EXPECT_EQ(area->verticalScrollBar()->maximum(), 0) << onde;
            // So is each of its widgets: captions, fields, buttons, lists,
            // the picture.
            int widgets = 0;
            for (const QWidget* w : painel->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(painel) || !w->parentWidget()->isVisibleTo(painel)) continue;
                ++widgets;
                // Its written size: the one it was given, else the one it asks.
                const QSize dado = w->minimumSize(), pedidoW = w->minimumSizeHint();
                const QSize minimo(dado.width() > 0 ? dado.width() : pedidoW.width(),
                                   dado.height() > 0 ? dado.height() : pedidoW.height());
                if (minimo.isValid()) {
                    EXPECT_GE(w->width(), minimo.width()) << onde << " " << w->objectName().toStdString();
                    EXPECT_GE(w->height(), minimo.height()) << onde << " " << w->objectName().toStdString();
                }
                EXPECT_TRUE(Visivel(w, area)) << onde << " " << w->objectName().toStdString();
            }
            EXPECT_GT(widgets, 2) << onde;
            // The views: beside it with room for them, or one click away.
            const bool lado = tamanho.width() >= 1366 ? p.ladoA1366 : p.ladoA1280;
            if (ladoConferido) {
                EXPECT_EQ(janela->VistasEmPagina(), !lado) << onde;
            }
            if (!janela->VistasEmPagina()) {
                EXPECT_TRUE(janela->Vistas->isVisibleTo(janela)) << onde;
                EXPECT_GE(janela->Vistas->width(), 400) << onde;
            } else {
                EXPECT_TRUE(janela->BotaoVistas->isVisibleTo(janela)) << onde;
                janela->BotaoVistas->click();
                QCoreApplication::processEvents();
                EXPECT_TRUE(janela->Vistas->isVisibleTo(janela)) << onde;
                // The whole width for the views on their page.
                EXPECT_GE(janela->Vistas->width(), janela->Divisao->width() - 8) << onde;
                janela->BotaoPainel->click();
                QCoreApplication::processEvents();
                EXPECT_TRUE(Visivel(painel, area)) << onde;
            }
        }
    }
}

TEST_F(PaineisInteirosTeste, CadaPainelComSeuTamanhoEscrito) {
    ConferirPaineis(*janela, [this](int item) { Escolher(item); }, true);
}

// The English captions are longer: each panel still whole.
TEST_F(PaineisInteirosTeste, CadaPainelInteiroEmIngles) {
    EmIngles ingles;
    QCoreApplication::processEvents();
    ConferirPaineis(*janela, [this](int item) { Escolher(item); }, false);
}

}  // namespace
