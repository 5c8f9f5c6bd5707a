#include "kategoriewerte.h"

#include "einschaetzung.h"
#include "kreuztabelle.h"

#include <cstdlib>

namespace {

Kennwert nichtVergeben(const Kreuztabelle &t, int kategorie)
{
    return Kennwert::ohne(QStringLiteral("%1 von keinem vergeben").arg(t.kuerzel(kategorie)));
}

struct VierFelder
{
    double a, b, c, d, n;
};

VierFelder eineGegenRest(const Kreuztabelle &t, int k)
{
    const double a = double(t.anzahl(k, k));
    const double zeile = double(t.zeilensumme(k));
    const double spalte = double(t.spaltensumme(k));
    const double n = double(t.summe());
    return {a, zeile - a, spalte - a, n - zeile - spalte + a, n};
}

} // namespace

Kennwert spezifischeUebereinstimmung(const Kreuztabelle &t, int kategorie)
{
    const qint64 nenner = t.zeilensumme(kategorie) + t.spaltensumme(kategorie);
    if (nenner == 0)
        return nichtVergeben(t, kategorie);
    return Kennwert::mit(2.0 * double(t.anzahl(kategorie, kategorie)) / double(nenner));
}

Kennwert kappaEineGegenRest(const Kreuztabelle &t, int kategorie)
{
    // From the four cells directly: a bootstrap asks for it in every resample.
    if (t.zeilensumme(kategorie) + t.spaltensumme(kategorie) == 0)
        return nichtVergeben(t, kategorie);
    const VierFelder f = eineGegenRest(t, kategorie);
    if (f.b + f.c + f.d == 0)
        return Kennwert::ohne(QStringLiteral("beide haben durchgehend nur %1 vergeben; die "
                                             "Zufallsübereinstimmung ist dann 1 und Kappa 0/0")
                                  .arg(t.kuerzel(kategorie)));
    const double zeile = f.a + f.b;
    const double spalte = f.a + f.c;
    const double po = (f.a + f.d) / f.n;
    const double pe = (zeile * spalte + (f.n - zeile) * (f.n - spalte)) / (f.n * f.n);
    return Kennwert::mit((po - pe) / (1.0 - pe));
}

Kennwert praevalenzIndex(const Kreuztabelle &t, int kategorie)
{
    if (t.summe() == 0)
        return Kennwert::ohne(QStringLiteral("keine Daten zum Vergleichen"));
    const VierFelder f = eineGegenRest(t, kategorie);
    return Kennwert::mit((f.a - f.d) / f.n);
}

Kennwert biasIndex(const Kreuztabelle &t, int kategorie)
{
    if (t.summe() == 0)
        return Kennwert::ohne(QStringLiteral("keine Daten zum Vergleichen"));
    const VierFelder f = eineGegenRest(t, kategorie);
    return Kennwert::mit((f.b - f.c) / f.n);
}

Kennwert linearGewichtetesKappa(const Kreuztabelle &t)
{
    const int q = t.kategorien();
    if (t.summe() == 0)
        return Kennwert::ohne(QStringLiteral("keine Daten zum Vergleichen"));
    const double n = double(t.summe());
    double beobachtet = 0;
    double erwartet = 0;
    for (int k = 1; k <= q; ++k) {
        for (int l = 1; l <= q; ++l) {
            const double w = double(std::abs(k - l)) / double(q - 1);
            beobachtet += w * double(t.anzahl(k, l)) / n;
            erwartet += w * double(t.zeilensumme(k)) * double(t.spaltensumme(l)) / (n * n);
        }
    }
    if (erwartet <= 0)
        return Kennwert::ohne(QStringLiteral("beide haben durchgehend dieselbe Stufe vergeben"));
    return Kennwert::mit(1.0 - beobachtet / erwartet);
}

Kreuztabelle innerhalbSprecher(const Kreuztabelle &t, int sprecher)
{
    // Codes of the seven: TL, TNL, TU, KL, KNL, KU; ordered L < U < NL.
    const int l = sprecher == 0 ? TL : KL;
    const int reihe[3] = {l, l + 2, l + 1};
    static const QStringList therapeut = {QStringLiteral("TL"), QStringLiteral("TU"),
                                          QStringLiteral("TNL")};
    static const QStringList klient = {QStringLiteral("KL"), QStringLiteral("KU"),
                                       QStringLiteral("KNL")};
    Kreuztabelle s(sprecher == 0 ? therapeut : klient);
    for (int a = 0; a < 3; ++a) {
        for (int b = 0; b < 3; ++b)
            s.hinzufuegen(a + 1, b + 1, t.anzahl(reihe[a], reihe[b]));
    }
    return s;
}
