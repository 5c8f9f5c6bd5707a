#include "naeherungsintervall.h"

#include "kreuztabelle.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr double z975 = 1.959963984540054;

Schaetzung mitDeltaMethode(const Kreuztabelle &t, const Kennwert &wert, double pe,
                           const std::function<double(int, int)> &ableitung)
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
            const double z = (k == l ? 1.0 : 0.0) - (1.0 - wert.wert) * ableitung(k, l);
            mittel += p * z;
            quadrate += p * z * z;
        }
    }
    const double varianz = std::max(quadrate - mittel * mittel, 0.0) / (n * (1 - pe) * (1 - pe));
    return Schaetzung{wert, normalIntervall(wert.wert, std::sqrt(varianz))};
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
    return mitDeltaMethode(t, t.kappa(), t.kappaZufall(),
                           [&](int k, int l) { return spalte[size_t(k)] + zeile[size_t(l)]; });
}

Schaetzung ac1MitNaeherung(const Kreuztabelle &t)
{
    const double n = double(t.summe());
    const int q = t.kategorien();
    std::vector<double> pi(size_t(q) + 1, 0.0);
    for (int k = 1; k <= q; ++k)
        pi[size_t(k)] = double(t.zeilensumme(k) + t.spaltensumme(k)) / (2.0 * n);
    return mitDeltaMethode(t, t.ac1(), t.ac1Zufall(), [&](int k, int l) {
        return (2.0 - pi[size_t(k)] - pi[size_t(l)]) / double(q - 1);
    });
}
