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
    struct Zelle
    {
        int a;
        int b;
        qint64 anzahl;
    };

    Einheitenbloecke() = default;
    Einheitenbloecke(const std::vector<Zeitscheiben::Lauf> &laeufe, int einheitenJeBlock);

    // Pooling: blocks of several comparisons, none reaching across two of them.
    void anhaengen(const Einheitenbloecke &andere);

    size_t anzahl() const { return anfang_.size(); }
    const Zelle *zellenVon(size_t block) const { return zellen_.data() + anfang_[block]; }
    const Zelle *zellenBis(size_t block) const
    {
        return zellen_.data() + (block + 1 < anfang_.size() ? anfang_[block + 1] : zellen_.size());
    }

private:
    void zelleHinzufuegen(int a, int b, qint64 anzahl);

    std::vector<Zelle> zellen_;
    std::vector<size_t> anfang_;
};

#endif
