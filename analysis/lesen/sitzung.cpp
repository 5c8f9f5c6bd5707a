#include "sitzung.h"

#include "verlauf.h"

#include <algorithm>
#include <cmath>

Sitzung::Sitzung(const QString &datei, const Verlauf &verlauf) : datei_(datei)
{
    qint64 vorher = 0;
    for (const auto &[t, kategorie] : verlauf.eintraege()) {
        const qint64 jetzt = mikrosekunden(t);
        if (jetzt <= 0)
            continue;
        einheiten_.push_back(Einheit{vorher, jetzt, kategorie});
        vorher = jetzt;
    }
}

void Sitzung::namenSetzen(const QString &klient, const QString &rater)
{
    klient_ = klient;
    rater_ = rater;
}

qint64 Sitzung::mikrosekunden(const Zeitpunkt &t)
{
    // History files hold milliseconds; rounding to them first removes the binary noise
    // of the seconds field, so equal printed times give equal integers.
    return qint64(std::llround(t.inSekunden() * 1000.0)) * 1000;
}

qint64 Sitzung::ende() const
{
    return einheiten_.empty() ? beginn_ : einheiten_.back().ende;
}

qint64 Sitzung::spaetestesEnde(const std::vector<Sitzung> &sitzungen)
{
    qint64 ende = 0;
    for (const Sitzung &s : sitzungen)
        ende = std::max(ende, s.ende());
    return ende;
}

Sitzung Sitzung::verschoben(qint64 versatz) const
{
    Sitzung s(*this);
    s.beginn_ += versatz;
    for (Einheit &e : s.einheiten_) {
        e.beginn += versatz;
        e.ende += versatz;
    }
    return s;
}
