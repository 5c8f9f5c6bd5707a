#ifndef EINHEITENBLOECKE_H
#define EINHEITENBLOECKE_H

#include "zeitscheiben.h"

#include <vector>

// The slices of time-based comparisons grouped into blocks of whole consecutive units of
// the first rater: what a bootstrap draws. Slices of one unit share its code and are far
// from independent; whole units are.
class Einheitenbloecke
{
public:
    // A pair of codes (cell (a - 1) * 7 + (b - 1) of the 7 x 7 table) with its slices.
    struct Zelle
    {
        qint32 index;
        qint32 anzahl;
    };

    Einheitenbloecke() = default;
    Einheitenbloecke(const std::vector<Zeitscheiben::Lauf> &laeufe, int einheitenJeBlock);

    // Pooling: blocks of several comparisons, none reaching across two of them.
    void anhaengen(const Einheitenbloecke &andere);

    size_t anzahl() const { return anfang_.size() - 1; }
    const Zelle *zellenVon(size_t block) const { return zellen_.data() + anfang_[block]; }
    const Zelle *zellenBis(size_t block) const { return zellen_.data() + anfang_[block + 1]; }

private:
    void zelleHinzufuegen(int a, int b, qint64 anzahl);

    // Compact, because the bootstrap reads them at random many million times.
    std::vector<Zelle> zellen_;
    std::vector<quint32> anfang_ = {0}; // start of each block, and the end of the last
};

#endif
