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
    // Unpaired ends inside (von, bis], as unit indices.
    const std::vector<int> &ungepaartA() const { return ungepaartA_; }
    const std::vector<int> &ungepaartB() const { return ungepaartB_; }
    int nurA() const { return int(ungepaartA_.size()); }
    int nurB() const { return int(ungepaartB_.size()); }
    // Categories of the paired units.
    const Kreuztabelle &tabelle() const { return tabelle_; }
    // The paired units and, in a category "ohne" of its own, every unpaired end: A's
    // unpaired units in its row, B's in its column. So disagreement about where units end
    // (segmentation) lowers the figures too.
    const Kreuztabelle &tabelleMitSegmentierung() const { return segmentierung_; }

    static const QStringList &segmentierungKuerzel();
    static constexpr int Ohne = 8;

private:
    std::vector<Paar> paare_;
    std::vector<int> ungepaartA_;
    std::vector<int> ungepaartB_;
    Kreuztabelle tabelle_;
    Kreuztabelle segmentierung_;
};

#endif
