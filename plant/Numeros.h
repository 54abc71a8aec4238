// Numbers as the window and the report read and write them. The decimal
// separator is always a parameter (the user's locale supplies it), so the
// same code serves every locale and tests can pin it.
#pragma once

#include <string>

// Reads a field's text: optional surrounding spaces, optional sign, digits
// with at most one separator, optional exponent (E or e, optional sign,
// digits). Anything else throws ErroConversao with the text as typed.
double LerNumero(const std::string& texto, const std::string& separador);

// The shortest text LerNumero reads back as exactly valor (a finite
// double), with separador for the decimal point: 400 -> "400", 0.1 -> "0,1",
// 1e-7 -> "1e-07". For putting a number kept exactly (a case file) into a
// field without changing a bit of it.
std::string TextoExato(double valor, const std::string& separador);

// The number text form of the fields ("%15.5e"): five significant digits,
// upper-case E, signed exponent of at least three digits, right-aligned in
// 15 characters. Example with ',': 400 -> "    4,0000E+002".
std::string FormatarCampo(double valor, const std::string& separador);

// The report's long format: 23 characters, sign character (space or '-'),
// 15 significant digits with a point, E, signed four-digit exponent.
// Example: 400 -> " 4.00000000000000E+0002".
std::string FormatarLongo(double valor);

// The report's table format: 5 significant digits with the separator,
// E, signed exponent of at least three digits, padded left to 15.
// Example with ',': 12.5 -> "    1,2500E+001".
std::string FormatarTabela(double valor, const std::string& separador);

// Fixed notation with decimais digits after separador, for tables read by
// eye: 85.36 with 1 -> "85,4". A value that rounds to zero shows no sign
// ("0,0", never "-0,0"); a value that is not finite gives "—".
std::string TextoFixo(double valor, int decimais, const std::string& separador);
