#ifndef VERGLEICHSERGEBNIS_H
#define VERGLEICHSERGEBNIS_H

#include "einheitenbloecke.h"
#include "kreuztabelle.h"
#include "schaetzung.h"

#include <array>
#include <vector>

// One table of two raters' codes with the figures reviewers ask for.
struct Kennzahlen
{
    Kreuztabelle tabelle;
    Kennwert uebereinstimmung;
    Schaetzung kappa;
    Schaetzung ac1;
    Schaetzung pabak;
    // Category k at k - 1: kappa of k against all other categories.
    std::vector<Schaetzung> kategorieKappa;
    // Within the therapist (0) and the client (1), on L < U < NL: kappa with linear
    // weights, and the nominal kappa of the same table beside it. Undefined at the speaker
    // level.
    std::array<Schaetzung, 2> gewichtet;
    std::array<Kennwert, 2> nominal;
};

// The agreement figures of one comparison, or of many pooled, in three views (time-based,
// event-based over the paired units, event-based with unpaired ends as a category of their
// own), each for the seven codes and at the speaker level. Time-based intervals come from
// the bootstrap over whole units, event-based ones from the large-sample formulas; a study
// replaces them all by those of its bootstrap over sessions.
class Vergleichsergebnis
{
public:
    enum Ebene
    {
        Kategorien = 0,
        Sprecher = 1
    };
    enum Ansicht
    {
        Zeit = 0,
        Ereignis = 1,
        Segmentierung = 2
    };

    Vergleichsergebnis() = default;
    Vergleichsergebnis(const Kreuztabelle &zeit, const Einheitenbloecke &bloecke,
                       const Kreuztabelle &ereignis, const Kreuztabelle &segmentierung,
                       int wiederholungen, quint64 startwert);

    const Kennzahlen &zeit(Ebene e) const { return k_[Zeit][e]; }
    const Kennzahlen &ereignis(Ebene e) const { return k_[Ereignis][e]; }
    const Kennzahlen &segmentierung(Ebene e) const { return k_[Segmentierung][e]; }
    const Kennzahlen &kennzahlen(Ansicht a, Ebene e) const { return k_[a][e]; }

    // The figures that carry an interval, in a fixed order, appended to werte: kappa, AC1,
    // PABAK, kappa per category, and for the seven codes the two weighted kappas.
    static void figuren(const Kreuztabelle &t, std::vector<Kennwert> &werte);
    static size_t figurenAnzahl(int kategorien);
    // Intervals for those figures in that order, from ab on.
    void intervalleSetzen(Ansicht a, Ebene e, const std::vector<Intervall> &i, size_t ab);

private:
    void zeitIntervalle(const Einheitenbloecke &bloecke, int wiederholungen, quint64 startwert);

    std::array<std::array<Kennzahlen, 2>, 3> k_;
};

#endif
