#ifndef UEBEREINSTIMMUNGBERICHT_H
#define UEBEREINSTIMMUNGBERICHT_H

class QTextStream;
class Uebereinstimmung;

// Writes the agreement of two raters: German text, or one CSV row (matrix cells as
// columns, so that many rater pairs stack into one table).
class UebereinstimmungBericht
{
public:
    static void text(QTextStream &aus, const Uebereinstimmung &u);
    static void csv(QTextStream &aus, const Uebereinstimmung &u);
};

#endif
