#include "ui/janela/CamposJanela.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QWidget>
#include <stdexcept>

#include "properties/ArmadilhasPF.h"

CamposJanela::CamposJanela(const QWidget& janela, const QCheckBox& checkBox1)
    : checkBox1_(checkBox1) {
    SuspensaoArmadilhas suspensao;
    for (QLineEdit* campo : janela.findChildren<QLineEdit*>()) {
        // Unnamed line edits belong to composite widgets (combo boxes).
        if (!campo->objectName().isEmpty()) campos_[campo->objectName().toStdString()] = campo;
    }
}

QLineEdit& CamposJanela::Campo(const std::string& nome) const {
    const auto achado = campos_.find(nome);
    if (achado == campos_.end()) throw std::out_of_range("Field not found: " + nome);
    return *achado->second;
}

std::string CamposJanela::Texto(const std::string& nome) const {
    SuspensaoArmadilhas suspensao;
    return Campo(nome).text().toStdString();
}

void CamposJanela::DefinirTexto(const std::string& nome, const std::string& texto) {
    SuspensaoArmadilhas suspensao;
    QLineEdit& campo = Campo(nome);
    campo.setText(QString::fromStdString(texto));
    campo.setCursorPosition(0);  // show the start when the text is wider
}

void CamposJanela::DefinirVisivel(const std::string& nome, bool visivel) {
    SuspensaoArmadilhas suspensao;
    Campo(nome).setVisible(visivel);
}

bool CamposJanela::CheckBox1Marcado() const {
    SuspensaoArmadilhas suspensao;
    return checkBox1_.isChecked();
}
