#include "ui/comum/SeparadorDecimal.h"

#include <QLocale>

std::string SeparadorDecimal() { return QLocale().decimalPoint().toStdString(); }
