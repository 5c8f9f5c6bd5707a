#ifndef UEBEREINSTIMMUNG_H
#define UEBEREINSTIMMUNG_H

#include "ereignisabgleich.h"
#include "kennwert.h"
#include "sitzung.h"
#include "vergleichseinstellungen.h"
#include "zeitscheiben.h"

// Agreement of two raters of the same video, time-based and event-based, after moving
// the second rater by a fixed or searched shift.
class Uebereinstimmung
{
public:
    Uebereinstimmung(const Sitzung &a, const Sitzung &b, const Vergleichseinstellungen &e);

    const Sitzung &a() const { return a_; }
    const Sitzung &b() const { return b_; } // already shifted
    const Vergleichseinstellungen &einstellungen() const { return einstellungen_; }
    qint64 versatz() const { return versatz_; }
    // Time-based agreement without shift, for comparison with the searched one.
    const Kennwert &ohneVersatz() const { return ohneVersatz_; }
    const Zeitscheiben &zeit() const { return zeit_; }
    const Ereignisabgleich &ereignisse() const { return ereignisse_; }

private:
    Vergleichseinstellungen einstellungen_;
    Sitzung a_;
    qint64 versatz_;
    Sitzung b_;
    Kennwert ohneVersatz_;
    Zeitscheiben zeit_;
    Ereignisabgleich ereignisse_;
};

#endif
