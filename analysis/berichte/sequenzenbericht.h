#ifndef SEQUENZENBERICHT_H
#define SEQUENZENBERICHT_H

class QTextStream;
class Uebergaenge;

// Writes the lag-1 transitions: three German matrices, or a long CSV table with one
// row per pair of categories.
class SequenzenBericht
{
public:
    static void text(QTextStream &aus, const Uebergaenge &u, int dateien);
    static void csv(QTextStream &aus, const Uebergaenge &u);
};

#endif
