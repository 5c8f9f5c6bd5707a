#ifndef VERGLEICHSEINSTELLUNGEN_H
#define VERGLEICHSEINSTELLUNGEN_H

#include <QtGlobal>

// Options of the agreement commands, all times in microseconds.
struct Vergleichseinstellungen
{
    qint64 schritt = 100000;
    qint64 toleranz = 2000000;
    qint64 versatz = 0;
    bool versatzAutomatisch = false;
    qint64 suchbereich = 3000000;
    // Bootstrap of the time-based intervals: resamples (0: none), seed, units per block.
    int wiederholungen = 1000;
    quint64 startwert = 1;
    int block = 1;
};

#endif
