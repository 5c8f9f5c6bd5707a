#ifndef UEBEREINSTIMMUNG_H
#define UEBEREINSTIMMUNG_H

#include "einheitenbloecke.h"
#include "ereignisabgleich.h"
#include "kennwert.h"
#include "sitzung.h"
#include "vergleichseinstellungen.h"
#include "vergleichsergebnis.h"
#include "zeitscheiben.h"

#include <utility>

// Agreement of two raters of the same video, time-based and event-based, after moving
// the second rater by a fixed or searched shift.
class Uebereinstimmung
{
public:
    // The shift as the settings say: fixed, or searched within the search range.
    Uebereinstimmung(const Sitzung &a, const Sitzung &b, const Vergleichseinstellungen &e);
    // With a shift decided elsewhere, e.g. one rater's shift against a study's reference
    // rater; versatzAmRand as that search found it.
    Uebereinstimmung(const Sitzung &a, const Sitzung &b, const Vergleichseinstellungen &e,
                     qint64 versatz, bool versatzAmRand);

    const Sitzung &a() const { return a_; }
    const Sitzung &b() const { return b_; } // already shifted
    const Vergleichseinstellungen &einstellungen() const { return einstellungen_; }
    qint64 versatz() const { return versatz_; }
    // The searched shift lies on the edge of the search range: the best one may lie beyond.
    bool versatzAmRand() const { return amRand_; }
    // Time-based agreement without shift, for comparison with the searched one.
    const Kennwert &ohneVersatz() const { return ohneVersatz_; }
    const Zeitscheiben &zeit() const { return zeit_; }
    const Ereignisabgleich &ereignisse() const { return ereignisse_; }
    const Einheitenbloecke &bloecke() const { return bloecke_; }
    const Vergleichsergebnis &ergebnis() const { return ergebnis_; }

private:
    Uebereinstimmung(const Sitzung &a, const Sitzung &b, const Vergleichseinstellungen &e,
                     const std::pair<qint64, bool> &versatz);

    Vergleichseinstellungen einstellungen_;
    Sitzung a_;
    qint64 versatz_;
    bool amRand_;
    Sitzung b_;
    Kennwert ohneVersatz_;
    Zeitscheiben zeit_;
    Ereignisabgleich ereignisse_;
    Einheitenbloecke bloecke_;
    Vergleichsergebnis ergebnis_;
};

#endif
