// How the window writes a finished run's figures wherever it shows them
// (the views, the studies, the comparison, the PDF report): an indicator's
// value, a figure that is not physical, a balance's residual, and the role
// under which a table keeps a cell's number unrounded.
#pragma once

#include <QString>
#include <Qt>
#include <optional>
#include <string>

// The role that gives a cell's value unrounded: a double for the numeric
// columns, an int for the label, the text itself for the description and
// the state.
inline constexpr int PapelValorBruto = Qt::UserRole;

// An indicator's value as shown: fixed decimals chosen by its unit, with the
// separator; "não definido" (in the window's language) when there is none;
// money (unit "R$") as TextoDinheiro writes it.
QString TextoIndicador(const std::optional<double>& valor, const std::string& unidade,
                       const std::string& separador);

// "não físico", in the window's language: a figure of the medium-pressure
// turbine when the steam left for it is negative.
QString TextoNaoFisico();

// A balance's residual as shown: in exponent form (a residual is a small
// number next to the figures it closes), with the separator.
QString TextoResiduo(double residuo, const std::string& separador);

// A sum of money as the window writes it: "R$ 12.345.678,90" with the
// decimal comma, "R$ 12,345,678.90" with the point; a minus sign in front of
// "R$" when negative.
QString TextoDinheiro(double reais, const std::string& separador);

// A figure with its decimals and the thousands grouped as money is:
// "54.127,70".
QString TextoAgrupado(double valor, int decimais, const std::string& separador);

