#include "uebereinstimmung.h"

#include "versatzsuche.h"

#include <algorithm>

Uebereinstimmung::Uebereinstimmung(const Sitzung &a, const Sitzung &b,
                                   const Vergleichseinstellungen &e)
    : Uebereinstimmung(a, b, e, Versatzsuche::nachEinstellungen(a, b, e))
{
}

Uebereinstimmung::Uebereinstimmung(const Sitzung &a, const Sitzung &b,
                                   const Vergleichseinstellungen &e, qint64 versatz,
                                   bool versatzAmRand)
    : Uebereinstimmung(a, b, e, std::make_pair(versatz, versatzAmRand))
{
}

Uebereinstimmung::Uebereinstimmung(const Sitzung &a, const Sitzung &b,
                                   const Vergleichseinstellungen &e,
                                   const std::pair<qint64, bool> &versatz)
    : einstellungen_(e), a_(a), versatz_(versatz.first), amRand_(versatz.second),
      b_(b.verschoben(versatz_)),
      ohneVersatz_(Zeitscheiben(a, b, e.schritt).tabelle().uebereinstimmung()),
      zeit_(a_, b_, e.schritt), ereignisse_(a_, b_, e.toleranz, std::max(a_.beginn(), b_.beginn()),
                                            std::min(a_.ende(), b_.ende())),
      bloecke_(zeit_.laeufe(), e.block),
      ergebnis_(zeit_.tabelle(), bloecke_, ereignisse_.tabelle(),
                ereignisse_.tabelleMitSegmentierung(), e.wiederholungen, e.startwert)
{
}
