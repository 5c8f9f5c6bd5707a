#include "naeherungsintervall.h"

#include "kategoriewerte.h"
#include "kreuztabelle.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace {

constexpr double z975 = 1.959963984540054;

// gewicht(k, l): how far a pair in cell (k, l) counts as agreement (1 on the diagonal).
Schaetzung mitDeltaMethode(const Kreuztabelle &t, const Kennwert &wert, double pe,
                           const std::function<double(int, int)> &ableitung,
                           const std::function<double(int, int)> &gewicht)
{
    if (!wert.definiert)
        return Schaetzung{wert, Intervall::ohne(wert.grund)};
    if (t.summe() < 2)
        return Schaetzung{wert, Intervall::ohne(QStringLiteral("zu wenige Paare"))};
    const double n = double(t.summe());
    double mittel = 0;
    double quadrate = 0;
    for (int k = 1; k <= t.kategorien(); ++k) {
        for (int l = 1; l <= t.kategorien(); ++l) {
            if (t.anzahl(k, l) == 0)
                continue;
            const double p = double(t.anzahl(k, l)) / n;
            const double z = gewicht(k, l) - (1.0 - wert.wert) * ableitung(k, l);
            mittel += p * z;
            quadrate += p * z * z;
        }
    }
    const double varianz = std::max(quadrate - mittel * mittel, 0.0) / (n * (1 - pe) * (1 - pe));
    return Schaetzung{wert, normalIntervall(wert.wert, std::sqrt(varianz))};
}

double diagonal(int k, int l)
{
    return k == l ? 1.0 : 0.0;
}

} // namespace

Intervall normalIntervall(double wert, double standardfehler)
{
    Intervall i;
    i.definiert = true;
    i.standardfehler = standardfehler;
    i.unten = std::max(wert - z975 * standardfehler, -1.0);
    i.oben = std::min(wert + z975 * standardfehler, 1.0);
    return i;
}

Schaetzung kappaMitNaeherung(const Kreuztabelle &t)
{
    const double n = double(t.summe());
    std::vector<double> zeile(size_t(t.kategorien()) + 1, 0.0);
    std::vector<double> spalte(zeile.size(), 0.0);
    for (int k = 1; k <= t.kategorien(); ++k) {
        zeile[size_t(k)] = double(t.zeilensumme(k)) / n;
        spalte[size_t(k)] = double(t.spaltensumme(k)) / n;
    }
    return mitDeltaMethode(
        t, t.kappa(), t.kappaZufall(),
        [&](int k, int l) { return spalte[size_t(k)] + zeile[size_t(l)]; }, diagonal);
}

Schaetzung ac1MitNaeherung(const Kreuztabelle &t)
{
    const double n = double(t.summe());
    const int q = t.kategorien();
    std::vector<double> pi(size_t(q) + 1, 0.0);
    for (int k = 1; k <= q; ++k)
        pi[size_t(k)] = double(t.zeilensumme(k) + t.spaltensumme(k)) / (2.0 * n);
    return mitDeltaMethode(
        t, t.ac1(), t.ac1Zufall(),
        [&](int k, int l) { return (2.0 - pi[size_t(k)] - pi[size_t(l)]) / double(q - 1); },
        diagonal);
}

Schaetzung gewichtetesKappaMitNaeherung(const Kreuztabelle &t)
{
    const int q = t.kategorien();
    const double n = double(t.summe());
    const auto gewicht = [q](int k, int l) { return 1.0 - double(std::abs(k - l)) / (q - 1); };
    // The derivative of the weighted chance agreement by the margins: the weights' means
    // over the other rater's shares.
    std::vector<double> zeile(size_t(q) + 1, 0.0);
    std::vector<double> spalte(zeile.size(), 0.0);
    double pe = 0;
    for (int k = 1; k <= q; ++k) {
        for (int l = 1; l <= q; ++l) {
            zeile[size_t(k)] += gewicht(k, l) * double(t.spaltensumme(l)) / n;
            spalte[size_t(l)] += gewicht(k, l) * double(t.zeilensumme(k)) / n;
            pe += gewicht(k, l) * double(t.zeilensumme(k)) * double(t.spaltensumme(l)) / (n * n);
        }
    }
    return mitDeltaMethode(
        t, linearGewichtetesKappa(t), pe,
        [&](int k, int l) { return zeile[size_t(k)] + spalte[size_t(l)]; }, gewicht);
}

Schaetzung pabakMitNaeherung(const Kreuztabelle &t)
{
    const Kennwert wert = t.pabak();
    if (!wert.definiert || t.summe() < 2)
        return Schaetzung{
            wert, Intervall::ohne(wert.definiert ? QStringLiteral("zu wenige Paare") : wert.grund)};
    const double q = t.kategorien();
    const double po = double(t.diagonale()) / double(t.summe());
    return Schaetzung{
        wert,
        normalIntervall(wert.wert, q / (q - 1) * std::sqrt(po * (1 - po) / double(t.summe())))};
}
