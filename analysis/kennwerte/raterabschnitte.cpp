#include "raterabschnitte.h"

#include <algorithm>

namespace {

std::vector<qint64> grenzen(const std::vector<Sitzung> &sitzungen)
{
    std::vector<qint64> g;
    for (const Sitzung &s : sitzungen) {
        for (const Einheit &e : s.einheiten()) {
            g.push_back(e.beginn);
            g.push_back(e.ende);
        }
    }
    std::sort(g.begin(), g.end());
    g.erase(std::unique(g.begin(), g.end()), g.end());
    return g;
}

bool uneinig(const std::vector<int> &kategorien)
{
    int erste = Raterabschnitte::keine;
    for (const int k : kategorien) {
        if (k == Raterabschnitte::keine)
            continue;
        if (erste != Raterabschnitte::keine && k != erste)
            return true;
        erste = k;
    }
    return false;
}

} // namespace

Raterabschnitte::Raterabschnitte(const std::vector<Sitzung> &sitzungen)
{
    const std::vector<qint64> g = grenzen(sitzungen);
    // One pointer per session: units are in time order, so the whole walk is linear.
    std::vector<size_t> zeiger(sitzungen.size(), 0);
    for (size_t i = 0; i + 1 < g.size(); ++i) {
        std::vector<int> kategorien(sitzungen.size(), keine);
        for (size_t r = 0; r < sitzungen.size(); ++r) {
            const std::vector<Einheit> &e = sitzungen[r].einheiten();
            while (zeiger[r] < e.size() && e[zeiger[r]].ende <= g[i])
                ++zeiger[r];
            if (zeiger[r] < e.size() && e[zeiger[r]].beginn <= g[i])
                kategorien[r] = e[zeiger[r]].kategorie;
        }
        anfuegen(g[i], g[i + 1], std::move(kategorien));
    }
}

void Raterabschnitte::anfuegen(qint64 beginn, qint64 ende, std::vector<int> kategorien)
{
    if (std::all_of(kategorien.begin(), kategorien.end(), [](int k) { return k == keine; }))
        return;
    if (!abschnitte_.empty() && abschnitte_.back().ende == beginn &&
        abschnitte_.back().kategorien == kategorien) {
        abschnitte_.back().ende = ende;
        return;
    }
    const bool abweichend = uneinig(kategorien);
    abschnitte_.push_back(Abschnitt{beginn, ende, std::move(kategorien), abweichend});
}

std::vector<std::pair<qint64, qint64>> Raterabschnitte::abweichungen() const
{
    std::vector<std::pair<qint64, qint64>> ergebnis;
    for (const Abschnitt &a : abschnitte_) {
        if (!a.abweichend)
            continue;
        if (!ergebnis.empty() && ergebnis.back().second == a.beginn)
            ergebnis.back().second = a.ende;
        else
            ergebnis.emplace_back(a.beginn, a.ende);
    }
    return ergebnis;
}
