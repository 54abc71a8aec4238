#include "plant/TextosPadrao.h"

#include <stdexcept>

const std::vector<CampoEntrada>& CamposEntrada() {
    static const std::vector<CampoEntrada> campos = {
        // Global inputs.
        {"Ecapusi", "400,0"},   // t cane/h
        {"Evap", "480,0"},      // kg steam / t cane
        {"Ebag", "260,0"},      // kg bagasse / t cane
        {"Epci", "7530,0"},     // kJ/kg
        {"Epotmoe", "15,0"},    // kWh / t cane
        // Operating inputs.
        {"Eprevap", "2,5"},     // bar
        {"Eprecal", "80,0"},    // bar
        {"Etscal", "450,0"},    // degC
        {"Eefical", "85,0"},    // %
        {"Epstap", "22,0"},     // bar
        {"Eefitap", "75,0"},    // %
        {"Eprecon", "2,0"},     // bar
        {"Etcon", "90,0"},      // degC
        {"Eefibom", "65,0"},    // %
        {"Eefitb", "48,0"},     // %
        {"Eefitm", "48,0"},     // %
        {"Emvalv", "10,0"},     // %
        {"Eefitmp", "70,0"},    // %
        // File names of the report and of the picture (extension added later).
        {"Etxt", "dados"},
        {"Ejpeg", "fluxograma"},
    };
    return campos;
}

std::string TextoPadrao(const std::string& nome, const std::string& separador) {
    for (const CampoEntrada& c : CamposEntrada()) {
        if (nome != c.nome) continue;
        std::string texto;
        for (const char* p = c.padrao; *p != '\0'; ++p) {
            if (*p == ',') texto += separador;
            else texto += *p;
        }
        return texto;
    }
    throw std::out_of_range("unknown input field: " + nome);
}
