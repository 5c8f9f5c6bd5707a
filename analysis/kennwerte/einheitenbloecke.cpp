#include "einheitenbloecke.h"

Einheitenbloecke::Einheitenbloecke(const std::vector<Zeitscheiben::Lauf> &laeufe,
                                   int einheitenJeBlock)
{
    int einheitenImBlock = 0;
    int letzteEinheit = -2;
    for (const Zeitscheiben::Lauf &l : laeufe) {
        if (l.einheitA != letzteEinheit) {
            if (anfang_.empty() || einheitenImBlock == einheitenJeBlock) {
                anfang_.push_back(zellen_.size());
                einheitenImBlock = 0;
            }
            ++einheitenImBlock;
            letzteEinheit = l.einheitA;
        }
        zelleHinzufuegen(l.a, l.b, l.anzahl);
    }
}

void Einheitenbloecke::zelleHinzufuegen(int a, int b, qint64 anzahl)
{
    // A block holds few distinct pairs; merging keeps the draws short.
    for (size_t i = anfang_.back(); i < zellen_.size(); ++i) {
        if (zellen_[i].a == a && zellen_[i].b == b) {
            zellen_[i].anzahl += anzahl;
            return;
        }
    }
    zellen_.push_back(Zelle{a, b, anzahl});
}

void Einheitenbloecke::anhaengen(const Einheitenbloecke &andere)
{
    const size_t versatz = zellen_.size();
    zellen_.insert(zellen_.end(), andere.zellen_.begin(), andere.zellen_.end());
    for (const size_t a : andere.anfang_)
        anfang_.push_back(versatz + a);
}
