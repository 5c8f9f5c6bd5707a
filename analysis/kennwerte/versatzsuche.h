#ifndef VERSATZSUCHE_H
#define VERSATZSUCHE_H

#include "kennwert.h"
#include "sitzung.h"
#include "vergleichseinstellungen.h"

#include <utility>
#include <vector>

// Searches the shift of the second rater that gives the highest time-based agreement.
// Candidates lie on the slice grid, so both sessions are labelled once and each shift
// only compares two label arrays at an offset.
class Versatzsuche
{
public:
    Versatzsuche(const Sitzung &a, const Sitzung &b, qint64 schritt);

    // Time-based agreement with b moved by versatz (a multiple of schritt); the same
    // figure as Zeitscheiben gives for that shift.
    Kennwert uebereinstimmung(qint64 versatz) const;
    // Within +-bereich; the smaller shift wins a tie, so 0 stays 0 when nothing is better.
    qint64 besterVersatz(qint64 bereich) const;
    // The shift is the outermost candidate of the range: a better one may lie beyond.
    bool amRand(qint64 versatz, qint64 bereich) const;

    // The shift the settings ask for, fixed or searched, and whether it lies on the edge of
    // the search range.
    static std::pair<qint64, bool> nachEinstellungen(const Sitzung &a, const Sitzung &b,
                                                     const Vergleichseinstellungen &e);

private:
    const Sitzung &a_;
    const Sitzung &b_;
    qint64 schritt_;
    bool raster_; // both sessions start on the slice grid (always so for read files)
    // One byte per slice: the comparison loop runs through them many times.
    std::vector<quint8> ka_;
    std::vector<quint8> kb_;
};

#endif
