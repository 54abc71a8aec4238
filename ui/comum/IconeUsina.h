// The program's icon, for the main window, the application and "Sobre".
#pragma once

#include <QIcon>

// The icon in every size it is drawn at.
QIcon IconeUsina();
