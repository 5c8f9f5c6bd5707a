#ifndef EINHEIT_H
#define EINHEIT_H

#include <QtGlobal>

// One rated unit of meaning: it ends at the rater's press and carries the category of
// that press. Times in microseconds so that slicing and shifting stay exact integers.
struct Einheit
{
    qint64 beginn = 0;
    qint64 ende = 0;
    int kategorie = 0;
};

#endif
