#ifndef ANGLEICHUNG_H
#define ANGLEICHUNG_H

#include "sitzung.h"
#include "vergleichseinstellungen.h"

#include <vector>

// Moves every later session onto the first by the shift the settings ask for (fixed, or
// searched per session against the first), so that a rater's reaction lag does not count
// as disagreement.
class Angleichung
{
public:
    Angleichung(std::vector<Sitzung> &sitzungen, const Vergleichseinstellungen &e);

    // Per session, the first's always 0.
    const std::vector<qint64> &versaetze() const { return versaetze_; }
    // A searched shift lies on the edge of the search range.
    bool amRand() const { return amRand_; }

private:
    std::vector<qint64> versaetze_;
    bool amRand_ = false;
};

#endif
