#ifndef UEBERGAENGE_H
#define UEBERGAENGE_H

#include "kennwert.h"
#include "kreuztabelle.h"
#include "sitzung.h"

// Lag-1 transitions between consecutive units (rows: earlier unit, columns: the unit
// right after it), pooled over sessions; a session's last unit never leads into the
// next session's first.
class Uebergaenge
{
public:
    void hinzufuegen(const Sitzung &s);

    const Kreuztabelle &tabelle() const { return tabelle_; }
    // Share of the transitions from von that go to nach.
    Kennwert wahrscheinlichkeit(int von, int nach) const;
    // Count expected from the margins if the next unit did not depend on the previous.
    Kennwert erwartet(int von, int nach) const;
    // Haberman's adjusted residual: (beobachtet - erwartet) / sqrt(erwartet * (1 - row
    // share) * (1 - column share)); roughly standard normal when there is no dependence.
    Kennwert residuum(int von, int nach) const;

private:
    Kreuztabelle tabelle_;
};

#endif
