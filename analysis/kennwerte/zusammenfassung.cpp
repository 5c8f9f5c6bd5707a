#include "zusammenfassung.h"

#include "einschaetzung.h"

namespace {

Kennwert anteil(double teil, double ganzes, const QString &grund)
{
    return ganzes > 0 ? Kennwert::mit(teil / ganzes) : Kennwert::ohne(grund);
}

} // namespace

Zusammenfassung::Zusammenfassung(const Sitzung &s)
{
    for (const Einheit &e : s.einheiten()) {
        if (e.kategorie < TL || e.kategorie > NIX)
            continue;
        ++einheiten_;
        ++anzahl_[size_t(e.kategorie)];
        dauer_[size_t(e.kategorie)] += e.ende - e.beginn;
        zeit_ += e.ende - e.beginn;
    }
}

Kennwert Zusammenfassung::mittlereDauer() const
{
    return anteil(double(zeit_), double(einheiten_), QStringLiteral("keine Sinneinheit"));
}

Kennwert Zusammenfassung::zeitanteil(int kategorie) const
{
    return anteil(double(dauer(kategorie)), double(zeit_), QStringLiteral("keine bewertete Zeit"));
}

Kennwert Zusammenfassung::anteilNachAnzahl(int k, int gegen) const
{
    return anteil(anzahl(k), double(anzahl(k)) + anzahl(gegen),
                  QStringLiteral("weder %1 noch %2")
                      .arg(EinschaetzungKuerzel[k], EinschaetzungKuerzel[gegen]));
}

Kennwert Zusammenfassung::anteilNachZeit(int k, int gegen) const
{
    return anteil(double(dauer(k)), double(dauer(k)) + double(dauer(gegen)),
                  QStringLiteral("weder %1 noch %2")
                      .arg(EinschaetzungKuerzel[k], EinschaetzungKuerzel[gegen]));
}
