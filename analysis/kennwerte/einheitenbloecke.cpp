#include "einheitenbloecke.h"

Einheitenbloecke::Einheitenbloecke(const std::vector<Zeitscheiben::Lauf> &laeufe,
                                   int einheitenJeBlock)
{
    int einheitenImBlock = 0;
    int letzteEinheit = -2;
    for (const Zeitscheiben::Lauf &l : laeufe) {
        if (l.einheitA != letzteEinheit) {
            if (anzahl() == 0 || einheitenImBlock == einheitenJeBlock) {
                anfang_.push_back(quint32(zellen_.size()));
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
    constexpr int q = Kreuztabelle::Kategorien;
    if (a < 1 || a > q || b < 1 || b > q)
        return;
    const qint32 index = (a - 1) * q + (b - 1);
    // A block holds few distinct pairs; merging keeps the draws short.
    for (size_t i = anfang_[anfang_.size() - 2]; i < zellen_.size(); ++i) {
        if (zellen_[i].index == index) {
            zellen_[i].anzahl += qint32(anzahl);
            return;
        }
    }
    zellen_.push_back(Zelle{index, qint32(anzahl)});
    anfang_.back() = quint32(zellen_.size());
}

void Einheitenbloecke::anhaengen(const Einheitenbloecke &andere)
{
    const quint32 versatz = quint32(zellen_.size());
    zellen_.insert(zellen_.end(), andere.zellen_.begin(), andere.zellen_.end());
    for (size_t i = 1; i < andere.anfang_.size(); ++i)
        anfang_.push_back(versatz + andere.anfang_[i]);
}
