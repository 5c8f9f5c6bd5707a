#include "uebereinstimmung.h"

#include "versatzsuche.h"

#include <algorithm>

Uebereinstimmung::Uebereinstimmung(const Sitzung &a, const Sitzung &b,
                                   const Vergleichseinstellungen &e)
    : einstellungen_(e), a_(a),
      versatz_(e.versatzAutomatisch ? Versatzsuche(a, b, e.schritt).besterVersatz(e.suchbereich)
                                    : e.versatz),
      b_(b.verschoben(versatz_)),
      ohneVersatz_(Zeitscheiben(a, b, e.schritt).tabelle().uebereinstimmung()),
      zeit_(a_, b_, e.schritt), ereignisse_(a_, b_, e.toleranz, std::max(a_.beginn(), b_.beginn()),
                                            std::min(a_.ende(), b_.ende()))
{
}
