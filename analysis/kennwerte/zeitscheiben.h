#ifndef ZEITSCHEIBEN_H
#define ZEITSCHEIBEN_H

#include "kreuztabelle.h"
#include "sitzung.h"

#include <vector>

// Time-based comparison: the span both raters rated, cut into slices of equal length;
// each slice takes the category of the unit that holds its midpoint.
class Zeitscheiben
{
public:
    Zeitscheiben(const Sitzung &a, const Sitzung &b, qint64 schritt);

    qint64 beginn() const { return beginn_; }
    qint64 ende() const { return beginn_ + anzahl_ * schritt_; }
    qint64 schritt() const { return schritt_; }
    // Whole slices only; 0 when the raters share less than one slice.
    qint64 anzahl() const { return anzahl_; }
    const Kreuztabelle &tabelle() const { return tabelle_; }

    // Category of each slice midpoint beginn + (k + 1/2) * schritt; 0 where no unit
    // holds it. One pass with two pointers, the units being in time order.
    static std::vector<int> kategorien(const Sitzung &s, qint64 beginn, qint64 schritt,
                                       qint64 anzahl);

private:
    qint64 beginn_ = 0;
    qint64 schritt_ = 0;
    qint64 anzahl_ = 0;
    Kreuztabelle tabelle_;
};

#endif
