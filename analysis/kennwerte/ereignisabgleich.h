#ifndef EREIGNISABGLEICH_H
#define EREIGNISABGLEICH_H

#include "kreuztabelle.h"
#include "sitzung.h"

#include <vector>

// Event-based comparison: the unit ends of two raters aligned in time order so that
// as many ends as possible pair up within the tolerance, and among those alignments the
// one with the least total time difference. (von, bis] is the span both rated.
class Ereignisabgleich
{
public:
    struct Paar
    {
        int a; // index into the first session's units
        int b;
    };

    Ereignisabgleich(const Sitzung &a, const Sitzung &b, qint64 toleranz, qint64 von, qint64 bis);

    const std::vector<Paar> &paare() const { return paare_; }
    // Unpaired ends inside (von, bis].
    int nurA() const { return nurA_; }
    int nurB() const { return nurB_; }
    // Categories of the paired units.
    const Kreuztabelle &tabelle() const { return tabelle_; }

private:
    std::vector<Paar> paare_;
    int nurA_ = 0;
    int nurB_ = 0;
    Kreuztabelle tabelle_;
};

#endif
