#include "kategoriewerte.h"

#include "kreuztabelle.h"

namespace {

Kennwert nichtVergeben(const Kreuztabelle &t, int kategorie)
{
    return Kennwert::ohne(QStringLiteral("%1 von keinem vergeben").arg(t.kuerzel(kategorie)));
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
    if (t.zeilensumme(kategorie) + t.spaltensumme(kategorie) == 0)
        return nichtVergeben(t, kategorie);
    std::vector<int> abbildung(size_t(t.kategorien()), 2);
    abbildung[size_t(kategorie - 1)] = 1;
    const QStringList kuerzel = {t.kuerzel(kategorie),
                                 QStringLiteral("nicht %1").arg(t.kuerzel(kategorie))};
    return t.zusammengefasst(abbildung, kuerzel).kappa();
}
