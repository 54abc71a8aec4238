// An in-memory holder of named text fields, for the command-line tool and the
// tests. It holds the window's input and output fields and no others: a name
// the window does not have is an error, so a misspelt field cannot pass
// unnoticed. It starts with every input field at its default text.
#pragma once

#include <unordered_map>
#include <string>
#include <vector>

#include "plant/Campos.h"

class CamposMemoria : public Campos {
public:
    // Every input at its default text with ',' replaced by separador;
    // CheckBox1 ticked; every field visible.
    explicit CamposMemoria(const std::string& separador);

    // Each of these throws std::invalid_argument for a name that is not a
    // field of the window.

    // "" for an output field that was never written.
    std::string Texto(const std::string& nome) const override;
    // The name is recorded the first time it is written.
    void DefinirTexto(const std::string& nome, const std::string& texto) override;
    void DefinirVisivel(const std::string& nome, bool visivel) override;
    bool CheckBox1Marcado() const override { return checkBox1_; }

    void DefinirCheckBox1(bool marcado) { checkBox1_ = marcado; }
    Formulacao Propriedades() const override { return propriedades_; }
    void DefinirPropriedades(Formulacao formulacao) { propriedades_ = formulacao; }
    // True unless the field was hidden.
    bool Visivel(const std::string& nome) const;

    // Types into an input field, as the user would: not recorded as written.
    // Throws std::invalid_argument for a name that is not an input field.
    void DefinirEntrada(const std::string& nome, const std::string& texto);

    // Names written by DefinirTexto, in the order of their first write.
    const std::vector<std::string>& CamposEscritos() const { return escritos_; }
    void LimparEscritos();

private:
    struct Campo;
    Campo& Buscar(const std::string& nome);
    const Campo& Buscar(const std::string& nome) const;

    struct Campo {
        std::string texto;
        bool escrito = false;  // written since the record was last cleared
        bool oculto = false;
    };
    // Field names are short: a simple multiplicative hash is enough.
    struct HashNome {
        std::size_t operator()(const std::string& nome) const noexcept {
            std::size_t h = 14695981039346656037ull;
            for (unsigned char c : nome) h = (h ^ c) * 1099511628211ull;
            return h;
        }
    };
    std::unordered_map<std::string, Campo, HashNome> campos_;
    std::vector<std::string> escritos_;
    bool checkBox1_ = true;
    Formulacao propriedades_ = Formulacao::Kkhm1969;
};
