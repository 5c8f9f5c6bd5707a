#ifndef RATERABSCHNITTE_H
#define RATERABSCHNITTE_H

#include "sitzung.h"

#include <utility>
#include <vector>

// Several raters of one video side by side: the time cut at every unit boundary of any of
// them, so that within a stretch each rater has one category (or none). Disagreement: at
// least two raters have a unit there and not all of them name the same category.
class Raterabschnitte
{
public:
    static constexpr int keine = -1; // the rater has no unit in the stretch

    struct Abschnitt
    {
        qint64 beginn;
        qint64 ende;
        std::vector<int> kategorien; // one per session, in the order given
        bool abweichend;
    };

    explicit Raterabschnitte(const std::vector<Sitzung> &sitzungen);

    // In time order; neighbours with the same categories are one stretch, and stretches in
    // which no rater has a unit are left out.
    const std::vector<Abschnitt> &abschnitte() const { return abschnitte_; }
    // The disagreeing stretches, neighbours joined.
    std::vector<std::pair<qint64, qint64>> abweichungen() const;

private:
    void anfuegen(qint64 beginn, qint64 ende, std::vector<int> kategorien);

    std::vector<Abschnitt> abschnitte_;
};

#endif
