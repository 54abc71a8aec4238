// The plant's output fields as the window's result panels show them: each
// panel's title and its rows of caption, top to bottom, in the panels'
// order. The window builds its result panels' captions from this table, as
// it builds the input panels' from the input table; the studies and the
// help name an output by it. The texts are Portuguese, as the panels write
// them; the window shows them translated.
#pragma once

#include <string_view>
#include <vector>

struct LinhaResultado {
    const char* nome;     // component name of the output field: "Em11"
    const char* legenda;  // caption beside it: "Vazão de vapor [ton/h]"
};

struct PainelResultados {
    const char* titulo;  // "Vapor para Processo"
    std::vector<LinhaResultado> linhas;
};

// The result panels in the order of the window's "Componentes" list.
const std::vector<PainelResultados>& PaineisResultados();

// Where an output field is shown: its panel and its row, both null for a
// name no panel shows.
struct ResultadoNoPainel {
    const PainelResultados* painel = nullptr;
    const LinhaResultado* linha = nullptr;
};
ResultadoNoPainel BuscarResultadoNoPainel(std::string_view nome);

// The caption of an output field and the title of its panel; throw
// std::out_of_range for a name no panel shows.
const char* LegendaResultado(std::string_view nome);
const char* TituloPainelResultado(std::string_view nome);
