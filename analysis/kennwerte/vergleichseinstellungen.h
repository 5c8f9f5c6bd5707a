#ifndef VERGLEICHSEINSTELLUNGEN_H
#define VERGLEICHSEINSTELLUNGEN_H

#include <QtGlobal>

// Options of the agreement command, all times in microseconds.
struct Vergleichseinstellungen
{
    qint64 schritt = 100000;
    qint64 toleranz = 2000000;
    qint64 versatz = 0;
    bool versatzAutomatisch = false;
    qint64 suchbereich = 3000000;
};

#endif
