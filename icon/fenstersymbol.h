#ifndef FENSTERSYMBOL_H
#define FENSTERSYMBOL_H

#include <QIcon>

// The program's icon for its windows and the task bar, from the bitmaps rendered at build time.
QIcon fensterSymbol();

#endif
