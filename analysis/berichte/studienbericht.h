#ifndef STUDIENBERICHT_H
#define STUDIENBERICHT_H

class QTextStream;
class Studie;

// Writes a study: German text (a line per pair, the clients with three or more raters, the
// pooled figures), or one CSV table with one head for the whole study: a row per pair
// ("paar") and a last row with the pooled figures ("gesamt").
class StudienBericht
{
public:
    static void text(QTextStream &aus, const Studie &s);
    static void csv(QTextStream &aus, const Studie &s);
};

#endif
