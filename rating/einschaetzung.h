#ifndef EINSCHAETZUNG_H
#define EINSCHAETZUNG_H

#include <QString>

// Rating category. The value is at the same time the id of the rating button, the
// value of a history entry and the number in the history file.
enum Einschaetzung
{
    Null = 0, // start entry, no rating
    TL = 1,
    TNL = 2,
    TU = 3,
    KL = 4,
    KNL = 5,
    KU = 6,
    NIX = 7
};

constexpr int EinschaetzungAnzahl = 8;

// Indexed by category value 0 to 7 only; a value read from a file may lie outside.
extern const QString EinschaetzungKuerzel[EinschaetzungAnzahl];
extern const QString EinschaetzungName[EinschaetzungAnzahl];

#endif
