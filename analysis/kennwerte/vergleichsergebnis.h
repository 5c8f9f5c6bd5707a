#ifndef VERGLEICHSERGEBNIS_H
#define VERGLEICHSERGEBNIS_H

#include "einheitenbloecke.h"
#include "kreuztabelle.h"
#include "schaetzung.h"

#include <array>

// One table of two raters' codes with the figures reviewers ask for.
struct Kennzahlen
{
    Kreuztabelle tabelle;
    Kennwert uebereinstimmung;
    Schaetzung kappa;
    Schaetzung ac1;
};

// The agreement figures of one comparison, or of many pooled, in three views (time-based,
// event-based over the paired units, event-based with unpaired ends as a category of their
// own), each for the seven codes and at the speaker level. Time-based intervals come from
// the bootstrap over whole units, event-based ones from the large-sample formulas.
class Vergleichsergebnis
{
public:
    enum Ebene
    {
        Kategorien = 0,
        Sprecher = 1
    };

    Vergleichsergebnis() = default;
    Vergleichsergebnis(const Kreuztabelle &zeit, const Einheitenbloecke &bloecke,
                       const Kreuztabelle &ereignis, const Kreuztabelle &segmentierung,
                       int wiederholungen, quint64 startwert);

    const Kennzahlen &zeit(Ebene e) const { return zeit_[e]; }
    const Kennzahlen &ereignis(Ebene e) const { return ereignis_[e]; }
    const Kennzahlen &segmentierung(Ebene e) const { return segmentierung_[e]; }

private:
    std::array<Kennzahlen, 2> zeit_;
    std::array<Kennzahlen, 2> ereignis_;
    std::array<Kennzahlen, 2> segmentierung_;
};

#endif
