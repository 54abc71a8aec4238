// The input fields of the window with their default texts, in the order of
// the two input panels. Default texts are written with ',' and shown with the
// user's decimal separator.
#pragma once

#include <string>
#include <vector>

struct CampoEntrada {
    const char* nome;    // component name, e.g. "Ecapusi"
    const char* padrao;  // default text with ',' as separator, e.g. "400,0"
};

// Ecapusi, Evap, Ebag, Epci, Epotmoe, then Eprevap ... Eefitmp, then the two
// file-name fields Etxt and Ejpeg.
const std::vector<CampoEntrada>& CamposEntrada();

// Default text of an input field with ',' replaced by separador; throws
// std::out_of_range for an unknown name.
std::string TextoPadrao(const std::string& nome, const std::string& separador);
