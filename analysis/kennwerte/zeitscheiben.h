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
    // Consecutive slices that lie in the same unit of the first rater and carry the same
    // pair of categories.
    struct Lauf
    {
        int einheitA;
        int a;
        int b;
        qint64 anzahl;
    };

    Zeitscheiben(const Sitzung &a, const Sitzung &b, qint64 schritt);

    qint64 beginn() const { return beginn_; }
    qint64 ende() const { return beginn_ + anzahl_ * schritt_; }
    qint64 schritt() const { return schritt_; }
    // Whole slices only; 0 when the raters share less than one slice.
    qint64 anzahl() const { return anzahl_; }
    const Kreuztabelle &tabelle() const { return tabelle_; }
    // The slices in time order, run by run.
    const std::vector<Lauf> &laeufe() const { return laeufe_; }

    // Category of each slice midpoint beginn + (k + 1/2) * schritt; 0 where no unit
    // holds it.
    static std::vector<int> kategorien(const Sitzung &s, qint64 beginn, qint64 schritt,
                                       qint64 anzahl);
    // Index of the unit holding each slice midpoint; -1 where none does. One pass with two
    // pointers, the units being in time order.
    static std::vector<int> einheiten(const Sitzung &s, qint64 beginn, qint64 schritt,
                                      qint64 anzahl);

private:
    qint64 beginn_ = 0;
    qint64 schritt_ = 0;
    qint64 anzahl_ = 0;
    Kreuztabelle tabelle_;
    std::vector<Lauf> laeufe_;
};

#endif
