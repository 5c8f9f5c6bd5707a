#ifndef SITZUNGSBOOTSTRAP_H
#define SITZUNGSBOOTSTRAP_H

#include "kreuztabelle.h"
#include "mehrraterzaehlung.h"
#include "schaetzung.h"

#include <functional>
#include <vector>

// Bootstrap over whole sessions (clients) for the figures of a study: each resample draws
// as many sessions as there are, with replacement, and adds up everything each drawn
// session holds, all its pairs together. The pairs of one session share the video and the
// raters, and sessions differ; only resampling sessions lets the interval see both.
class Sitzungsbootstrap
{
public:
    // What one session adds to the study: its pairs' tables added up, and its slices with
    // all its raters.
    struct Anteil
    {
        Kreuztabelle zeit;
        Kreuztabelle ereignis;
        Kreuztabelle segmentierung;
        Mehrraterzaehlung mehrrater;

        Anteil &operator+=(const Anteil &andere);
    };

    using Statistiken = std::function<void(const Anteil &, std::vector<Kennwert> &)>;

    Sitzungsbootstrap(const std::vector<Anteil> &sitzungen, int wiederholungen, quint64 startwert);

    // As Bootstrap's; with fewer than about ten sessions every interval carries the caution
    // that it is rough, with one session there is none.
    std::vector<Intervall> intervalle(size_t anzahl, const Statistiken &statistiken) const;

    static constexpr int WenigeSitzungen = 10;

private:
    const std::vector<Anteil> &sitzungen_;
    int wiederholungen_;
    quint64 startwert_;
};

#endif
