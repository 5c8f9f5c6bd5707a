#ifndef UEBEREINSTIMMUNGBERICHT_H
#define UEBEREINSTIMMUNGBERICHT_H

#include "vergleichseinstellungen.h"

#include <QStringList>

class QTextStream;
class Uebereinstimmung;
class Vergleichsergebnis;

// Writes the agreement of two raters: German text, or one CSV row (matrix cells as
// columns, so that many rater pairs stack into one table).
class UebereinstimmungBericht
{
public:
    static void text(QTextStream &aus, const Uebereinstimmung &u);
    static void csv(QTextStream &aus, const Uebereinstimmung &u);

    // The columns of one comparison; a pooled row (paar null) leaves the pair's own
    // columns (files, shift, span) empty.
    static QStringList csvKopf();
    static QStringList csvWerte(const Vergleichsergebnis &e, const Vergleichseinstellungen &v,
                                const Uebereinstimmung *paar);

    // The warning for a searched shift on the edge of the search range.
    static QString randWarnung(const Vergleichseinstellungen &v);
};

#endif
