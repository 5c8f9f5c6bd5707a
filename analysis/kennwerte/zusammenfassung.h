#ifndef ZUSAMMENFASSUNG_H
#define ZUSAMMENFASSUNG_H

#include "kennwert.h"
#include "sitzung.h"

#include <array>

// Figures of one session: units, rated time and each category's count, time and share.
class Zusammenfassung
{
public:
    explicit Zusammenfassung(const Sitzung &s);

    int einheiten() const { return einheiten_; }
    qint64 bewerteteZeit() const { return zeit_; }
    Kennwert mittlereDauer() const;

    // Categories 1 to 7.
    int anzahl(int kategorie) const { return anzahl_[size_t(kategorie)]; }
    qint64 dauer(int kategorie) const { return dauer_[size_t(kategorie)]; }
    Kennwert zeitanteil(int kategorie) const;

    // k / (k + gegen), e.g. TL / (TL + TNL), by count or by time.
    Kennwert anteilNachAnzahl(int k, int gegen) const;
    Kennwert anteilNachZeit(int k, int gegen) const;

private:
    int einheiten_ = 0;
    qint64 zeit_ = 0;
    std::array<int, 8> anzahl_{};
    std::array<qint64, 8> dauer_{};
};

#endif
