// The user's decimal separator, with which the window reads and shows
// numbers whatever its language.
#pragma once

#include <string>

// The default locale's decimal point: "," for Brazilian Portuguese.
std::string SeparadorDecimal();
