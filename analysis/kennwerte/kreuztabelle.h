#ifndef KREUZTABELLE_H
#define KREUZTABELLE_H

#include "kennwert.h"

#include <QtGlobal>

#include <array>

// 7 x 7 counts of category pairs (rows: first rater or earlier unit, columns: second
// rater or later unit), categories 1 to 7, with the agreement figures built on them.
class Kreuztabelle
{
public:
    static constexpr int Kategorien = 7;

    // Pairs with a category outside 1 to 7 are not counted.
    void hinzufuegen(int zeile, int spalte, qint64 anzahl = 1);

    qint64 anzahl(int zeile, int spalte) const;
    qint64 zeilensumme(int zeile) const;
    qint64 spaltensumme(int spalte) const;
    qint64 summe() const { return summe_; }
    qint64 diagonale() const;

    // Share of pairs on the diagonal.
    Kennwert uebereinstimmung() const;
    // Cohen's kappa; undefined when chance agreement is 1 (both used one and the same
    // category throughout) or when the table is empty.
    Kennwert kappa() const;
    // Gwet's AC1 with chance agreement from the mean marginal shares over all 7
    // categories of the scheme.
    Kennwert ac1() const;

private:
    static bool gueltig(int kategorie) { return kategorie >= 1 && kategorie <= Kategorien; }
    Kennwert leer() const;

    std::array<std::array<qint64, Kategorien>, Kategorien> n_{};
    qint64 summe_ = 0;
};

#endif
