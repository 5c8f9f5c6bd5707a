#include "fenstersymbol.h"

QIcon fensterSymbol()
{
    QIcon symbol;
    for (const char *groesse : {"48", "256"})
        symbol.addFile(QStringLiteral(":/symbol/%1/morvanto.png").arg(QLatin1String(groesse)));
    return symbol;
}
