#include "kreuztabelle.h"

#include "einschaetzung.h"

void Kreuztabelle::hinzufuegen(int zeile, int spalte, qint64 anzahl)
{
    if (!gueltig(zeile) || !gueltig(spalte))
        return;
    n_[zeile - 1][spalte - 1] += anzahl;
    summe_ += anzahl;
}

qint64 Kreuztabelle::anzahl(int zeile, int spalte) const
{
    return gueltig(zeile) && gueltig(spalte) ? n_[zeile - 1][spalte - 1] : 0;
}

qint64 Kreuztabelle::zeilensumme(int zeile) const
{
    qint64 s = 0;
    for (int spalte = 1; spalte <= Kategorien; ++spalte)
        s += anzahl(zeile, spalte);
    return s;
}

qint64 Kreuztabelle::spaltensumme(int spalte) const
{
    qint64 s = 0;
    for (int zeile = 1; zeile <= Kategorien; ++zeile)
        s += anzahl(zeile, spalte);
    return s;
}

qint64 Kreuztabelle::diagonale() const
{
    qint64 s = 0;
    for (int k = 1; k <= Kategorien; ++k)
        s += anzahl(k, k);
    return s;
}

Kennwert Kreuztabelle::leer() const
{
    return Kennwert::ohne(QStringLiteral("keine Daten zum Vergleichen"));
}

Kennwert Kreuztabelle::uebereinstimmung() const
{
    if (summe_ == 0)
        return leer();
    return Kennwert::mit(double(diagonale()) / double(summe_));
}

Kennwert Kreuztabelle::kappa() const
{
    if (summe_ == 0)
        return leer();
    // Chance agreement in whole numbers, so that "exactly 1" is decided without rounding.
    double zufallsZaehler = 0;
    int einzige = 0;
    for (int k = 1; k <= Kategorien; ++k) {
        const qint64 produkt = zeilensumme(k) * spaltensumme(k);
        zufallsZaehler += double(produkt);
        if (zeilensumme(k) == summe_ && spaltensumme(k) == summe_)
            einzige = k;
    }
    if (einzige != 0)
        return Kennwert::ohne(
            QStringLiteral("beide haben durchgehend nur %1 vergeben; die Zufallsübereinstimmung "
                           "ist dann 1 und Kappa 0/0")
                .arg(EinschaetzungKuerzel[einzige]));
    const double n = double(summe_);
    const double po = double(diagonale()) / n;
    const double pe = zufallsZaehler / (n * n);
    return Kennwert::mit((po - pe) / (1.0 - pe));
}

Kennwert Kreuztabelle::ac1() const
{
    if (summe_ == 0)
        return leer();
    const double n = double(summe_);
    double summePi = 0;
    for (int k = 1; k <= Kategorien; ++k) {
        const double pi = double(zeilensumme(k) + spaltensumme(k)) / (2.0 * n);
        summePi += pi * (1.0 - pi);
    }
    // At most (1 - 1/7) / 6 < 1, so AC1 is always defined on a non-empty table.
    const double pe = summePi / (Kategorien - 1);
    const double po = double(diagonale()) / n;
    return Kennwert::mit((po - pe) / (1.0 - pe));
}
