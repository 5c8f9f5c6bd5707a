#include "uebereinstimmung.h"

#include <algorithm>

Uebereinstimmung::Uebereinstimmung(const Sitzung &a, const Sitzung &b,
                                   const Vergleichseinstellungen &e)
    : einstellungen_(e), a_(a),
      versatz_(e.versatzAutomatisch ? besterVersatz(a, b, e.schritt, e.suchbereich) : e.versatz),
      b_(b.verschoben(versatz_)),
      ohneVersatz_(Zeitscheiben(a, b, e.schritt).tabelle().uebereinstimmung()),
      zeit_(a_, b_, e.schritt), ereignisse_(a_, b_, e.toleranz, std::max(a_.beginn(), b_.beginn()),
                                            std::min(a_.ende(), b_.ende()))
{
}

qint64 Uebereinstimmung::besterVersatz(const Sitzung &a, const Sitzung &b, qint64 schritt,
                                       qint64 bereich)
{
    qint64 bester = 0;
    double besteUebereinstimmung = -1.0;
    const qint64 schritte = schritt > 0 ? bereich / schritt : 0;
    // 0, +1, -1, +2, -2, ...: a later candidate must be strictly better.
    for (qint64 i = 0; i <= 2 * schritte; ++i) {
        const qint64 m = i % 2 == 1 ? (i + 1) / 2 : -(i / 2);
        const qint64 versatz = m * schritt;
        const Kennwert po =
            Zeitscheiben(a, b.verschoben(versatz), schritt).tabelle().uebereinstimmung();
        if (po.definiert && po.wert > besteUebereinstimmung) {
            besteUebereinstimmung = po.wert;
            bester = versatz;
        }
    }
    return bester;
}
