// The window's input fields with their default texts, in the order of the
// input panels: the plant's inputs, whose texts come from the default values
// of EntradasUsina ("400,0"), and the two file names. Default texts are kept
// with ',' and shown with the user's decimal separator.
#pragma once

#include <string>
#include <vector>

struct CampoEntrada {
    const char* nome;    // component name, e.g. "Ecapusi"
    std::string padrao;  // default text with ',' as separator, e.g. "400,0"
};

// Ecapusi, Evap, Ebag, Epci, Epotmoe, then Eprevap ... Eefitmp, then the two
// file-name fields Etxt and Ejpeg.
const std::vector<CampoEntrada>& CamposEntrada();

// Default text of an input field with ',' replaced by separador; throws
// std::out_of_range for an unknown name.
std::string TextoPadrao(const std::string& nome, const std::string& separador);

// An input's number as the default texts are written: one decimal ("400,0",
// "21,5") when that reads back as exactly valor, otherwise the shortest
// text that does (TextoExato: "0,035", "1e-07"). The same number then always
// shows the same text, typed by default or opened from a case.
std::string TextoEntrada(double valor, const std::string& separador);
