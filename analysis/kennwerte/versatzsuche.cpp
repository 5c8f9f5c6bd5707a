#include "versatzsuche.h"

#include "zeitscheiben.h"

#include <algorithm>

namespace {

bool aufRaster(qint64 t, qint64 schritt)
{
    return t >= 0 && t % schritt == 0;
}

std::vector<quint8> alsBytes(const std::vector<int> &kategorien)
{
    return std::vector<quint8>(kategorien.begin(), kategorien.end());
}

} // namespace

Versatzsuche::Versatzsuche(const Sitzung &a, const Sitzung &b, qint64 schritt)
    : a_(a), b_(b), schritt_(schritt),
      raster_(schritt > 0 && aufRaster(a.beginn(), schritt) && aufRaster(b.beginn(), schritt))
{
    if (!raster_)
        return;
    ka_ = alsBytes(Zeitscheiben::kategorien(a, 0, schritt, a.ende() / schritt));
    kb_ = alsBytes(Zeitscheiben::kategorien(b, 0, schritt, b.ende() / schritt));
}

Kennwert Versatzsuche::uebereinstimmung(qint64 versatz) const
{
    if (!raster_ || versatz % schritt_ != 0)
        return Zeitscheiben(a_, b_.verschoben(versatz), schritt_).tabelle().uebereinstimmung();
    const qint64 beginn = std::max(a_.beginn(), b_.beginn() + versatz);
    const qint64 ende = std::min(a_.ende(), b_.ende() + versatz);
    const qint64 anzahl = ende > beginn ? (ende - beginn) / schritt_ : 0;
    if (anzahl == 0)
        return Kennwert::ohne(QStringLiteral("keine gemeinsam bewertete Zeit"));
    // Slice k of the comparison is slice erstes + k of a and erstes + k - m of b.
    const qint64 erstes = beginn / schritt_;
    const qint64 m = versatz / schritt_;
    const quint8 *x = ka_.data() + erstes;
    const quint8 *y = kb_.data() + (erstes - m);
    qint64 gleich = 0;
    for (qint64 k = 0; k < anzahl; ++k)
        gleich += x[k] == y[k] ? 1 : 0;
    return Kennwert::mit(double(gleich) / double(anzahl));
}

qint64 Versatzsuche::besterVersatz(qint64 bereich) const
{
    qint64 bester = 0;
    double besteUebereinstimmung = -1.0;
    const qint64 schritte = schritt_ > 0 ? bereich / schritt_ : 0;
    // 0, +1, -1, +2, -2, ...: a later candidate must be strictly better.
    for (qint64 i = 0; i <= 2 * schritte; ++i) {
        const qint64 m = i % 2 == 1 ? (i + 1) / 2 : -(i / 2);
        const Kennwert po = uebereinstimmung(m * schritt_);
        if (po.definiert && po.wert > besteUebereinstimmung) {
            besteUebereinstimmung = po.wert;
            bester = m * schritt_;
        }
    }
    return bester;
}

bool Versatzsuche::amRand(qint64 versatz, qint64 bereich) const
{
    const qint64 schritte = schritt_ > 0 ? bereich / schritt_ : 0;
    return schritte > 0 && (versatz == schritte * schritt_ || versatz == -schritte * schritt_);
}

std::pair<qint64, bool> Versatzsuche::nachEinstellungen(const Sitzung &a, const Sitzung &b,
                                                        const Vergleichseinstellungen &e)
{
    if (!e.versatzAutomatisch)
        return {e.versatz, false};
    const Versatzsuche suche(a, b, e.schritt);
    const qint64 bester = suche.besterVersatz(e.suchbereich);
    return {bester, suche.amRand(bester, e.suchbereich)};
}
