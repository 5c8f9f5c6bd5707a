#ifndef KREUZTABELLE_H
#define KREUZTABELLE_H

#include "kennwert.h"

#include <QStringList>
#include <QtGlobal>

#include <vector>

// Counts of category pairs (rows: first rater or earlier unit, columns: second rater or
// later unit), categories 1 to kategorien(), with the agreement figures built on them.
// By default the seven rating codes; collapsed or extended schemes name their own codes.
class Kreuztabelle
{
public:
    static constexpr int Kategorien = 7;

    Kreuztabelle();
    // Categories 1 to kuerzel.size(), named by kuerzel in that order.
    explicit Kreuztabelle(const QStringList &kuerzel);

    int kategorien() const { return q_; }
    QString kuerzel(int kategorie) const;
    const QStringList &alleKuerzel() const { return kuerzel_; }

    // Pairs with a category outside 1 to kategorien() are not counted.
    void hinzufuegen(int zeile, int spalte, qint64 anzahl = 1);
    // Cell by cell; both tables must have the same scheme.
    Kreuztabelle &operator+=(const Kreuztabelle &andere);
    // abbildung[k - 1] is the new category of category k.
    Kreuztabelle zusammengefasst(const std::vector<int> &abbildung,
                                 const QStringList &kuerzel) const;

    qint64 anzahl(int zeile, int spalte) const;
    qint64 zeilensumme(int zeile) const { return gueltig(zeile) ? zeilen_[size_t(zeile - 1)] : 0; }
    qint64 spaltensumme(int spalte) const
    {
        return gueltig(spalte) ? spalten_[size_t(spalte - 1)] : 0;
    }
    qint64 summe() const { return summe_; }
    qint64 diagonale() const;

    // Share of pairs on the diagonal.
    Kennwert uebereinstimmung() const;
    // Cohen's kappa; undefined when chance agreement is 1 (both used one and the same
    // category throughout) or when the table is empty.
    Kennwert kappa() const;
    // Gwet's AC1 with chance agreement from the mean marginal shares over all categories
    // of the scheme.
    Kennwert ac1() const;
    // Prevalence- and bias-adjusted kappa (Byrt, Bishop and Carlin 1993) for q categories:
    // (q po - 1) / (q - 1), kappa with equal shares of every category.
    Kennwert pabak() const;
    // Chance agreement of the two figures, for their standard errors.
    double kappaZufall() const;
    double ac1Zufall() const;

private:
    bool gueltig(int kategorie) const { return kategorie >= 1 && kategorie <= q_; }
    Kennwert leer() const;

    QStringList kuerzel_;
    int q_ = 0;
    std::vector<qint64> n_;
    // Kept along, because the figures of a bootstrap ask for them again and again.
    std::vector<qint64> zeilen_;
    std::vector<qint64> spalten_;
    qint64 summe_ = 0;
};

#endif
