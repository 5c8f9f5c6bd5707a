#include "ereignisabgleich.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Best alignment so far: more pairs first, then the smaller summed time difference.
struct Wert
{
    int paare = 0;
    qint64 abweichung = 0;
    int kante = -1; // last pair of this alignment
};

bool besser(const Wert &x, const Wert &y)
{
    return x.paare > y.paare || (x.paare == y.paare && x.abweichung < y.abweichung);
}

// Prefix maximum over the second rater's ends: the best alignment that uses only ends
// before a given one. Turns the alignment table into a pass over the few candidate
// pairs, so long sessions stay fast.
class Praefixbestes
{
public:
    explicit Praefixbestes(size_t n) : baum_(n + 1) {}

    void setzen(size_t position, const Wert &w)
    {
        for (size_t i = position + 1; i < baum_.size(); i += i & (~i + 1)) {
            if (besser(w, baum_[i]))
                baum_[i] = w;
        }
    }

    // Best over positions 0 .. bis-1.
    Wert vor(size_t bis) const
    {
        Wert bestes;
        for (size_t i = bis; i > 0; i -= i & (~i + 1)) {
            if (besser(baum_[i], bestes))
                bestes = baum_[i];
        }
        return bestes;
    }

private:
    std::vector<Wert> baum_;
};

struct Kante
{
    int a;
    int b;
    int vorher;
    Wert wert;
};

std::vector<int> enden(const Sitzung &s, qint64 von, qint64 bis)
{
    std::vector<int> indizes;
    const std::vector<Einheit> &e = s.einheiten();
    for (size_t i = 0; i < e.size(); ++i) {
        if (e[i].ende > von && e[i].ende <= bis)
            indizes.push_back(int(i));
    }
    return indizes;
}

std::vector<int> ungepaart(const Sitzung &s, const std::vector<int> &indizes,
                           const std::vector<Ereignisabgleich::Paar> &paare,
                           int Ereignisabgleich::Paar::*seite, qint64 von, qint64 bis)
{
    std::vector<bool> gepaart(s.einheiten().size(), false);
    for (const Ereignisabgleich::Paar &p : paare)
        gepaart[size_t(p.*seite)] = true;
    std::vector<int> ergebnis;
    for (const int i : indizes) {
        const qint64 t = s.einheiten()[size_t(i)].ende;
        if (!gepaart[size_t(i)] && t > von && t <= bis)
            ergebnis.push_back(i);
    }
    return ergebnis;
}

} // namespace

const QStringList &Ereignisabgleich::segmentierungKuerzel()
{
    static const QStringList kuerzel = [] {
        QStringList k = Kreuztabelle().alleKuerzel();
        k << QStringLiteral("ohne");
        return k;
    }();
    return kuerzel;
}

Ereignisabgleich::Ereignisabgleich(const Sitzung &a, const Sitzung &b, qint64 toleranz, qint64 von,
                                   qint64 bis)
    : segmentierung_(segmentierungKuerzel())
{
    // Ends just outside the shared span may still pair with one inside it; unpaired
    // they only show that one rater went on longer, which is no disagreement.
    const std::vector<int> ia = enden(a, von - toleranz, bis + toleranz);
    const std::vector<int> ib = enden(b, von - toleranz, bis + toleranz);
    const auto zeitA = [&](size_t i) { return a.einheiten()[size_t(ia[i])].ende; };
    const auto zeitB = [&](size_t j) { return b.einheiten()[size_t(ib[j])].ende; };

    std::vector<Kante> kanten;
    Praefixbestes bestes(ib.size());
    size_t erstesB = 0;
    for (size_t i = 0; i < ia.size(); ++i) {
        const qint64 ta = zeitA(i);
        while (erstesB < ib.size() && zeitB(erstesB) < ta - toleranz)
            ++erstesB;
        // All pairs of this end are scored before any of them enters the prefix table,
        // so that one end never pairs twice.
        const size_t ersteKante = kanten.size();
        for (size_t j = erstesB; j < ib.size() && zeitB(j) <= ta + toleranz; ++j) {
            const Wert davor = bestes.vor(j);
            const Wert w{davor.paare + 1, davor.abweichung + std::abs(ta - zeitB(j)),
                         int(kanten.size())};
            kanten.push_back(Kante{int(i), int(j), davor.kante, w});
        }
        for (size_t k = ersteKante; k < kanten.size(); ++k)
            bestes.setzen(size_t(kanten[k].b), kanten[k].wert);
    }

    for (int k = bestes.vor(ib.size()).kante; k >= 0; k = kanten[size_t(k)].vorher) {
        const Kante &kante = kanten[size_t(k)];
        paare_.push_back(Paar{ia[size_t(kante.a)], ib[size_t(kante.b)]});
    }
    std::reverse(paare_.begin(), paare_.end());
    for (const Paar &p : paare_)
        tabelle_.hinzufuegen(a.einheiten()[size_t(p.a)].kategorie,
                             b.einheiten()[size_t(p.b)].kategorie);
    ungepaartA_ = ungepaart(a, ia, paare_, &Paar::a, von, bis);
    ungepaartB_ = ungepaart(b, ib, paare_, &Paar::b, von, bis);

    for (int z = 1; z <= tabelle_.kategorien(); ++z) {
        for (int s = 1; s <= tabelle_.kategorien(); ++s)
            segmentierung_.hinzufuegen(z, s, tabelle_.anzahl(z, s));
    }
    for (const int i : ungepaartA_)
        segmentierung_.hinzufuegen(a.einheiten()[size_t(i)].kategorie, Ohne);
    for (const int j : ungepaartB_)
        segmentierung_.hinzufuegen(Ohne, b.einheiten()[size_t(j)].kategorie);
}
