#include "zeitscheiben.h"

#include <algorithm>

Zeitscheiben::Zeitscheiben(const Sitzung &a, const Sitzung &b, qint64 schritt)
    : beginn_(std::max(a.beginn(), b.beginn())), schritt_(schritt)
{
    const qint64 ende = std::min(a.ende(), b.ende());
    anzahl_ = schritt > 0 && ende > beginn_ ? (ende - beginn_) / schritt : 0;
    const std::vector<int> ea = einheiten(a, beginn_, schritt_, anzahl_);
    const std::vector<int> kb = kategorien(b, beginn_, schritt_, anzahl_);
    for (qint64 k = 0; k < anzahl_; ++k) {
        const int einheit = ea[size_t(k)];
        const int ka = einheit >= 0 ? a.einheiten()[size_t(einheit)].kategorie : 0;
        tabelle_.hinzufuegen(ka, kb[size_t(k)]);
        if (!laeufe_.empty() && laeufe_.back().einheitA == einheit &&
            laeufe_.back().b == kb[size_t(k)])
            ++laeufe_.back().anzahl;
        else
            laeufe_.push_back(Lauf{einheit, ka, kb[size_t(k)], 1});
    }
}

std::vector<int> Zeitscheiben::einheiten(const Sitzung &s, qint64 beginn, qint64 schritt,
                                         qint64 anzahl)
{
    std::vector<int> ergebnis(size_t(std::max<qint64>(anzahl, 0)), -1);
    const std::vector<Einheit> &einheiten = s.einheiten();
    size_t i = 0;
    for (qint64 k = 0; k < anzahl; ++k) {
        const qint64 mitte = beginn + k * schritt + schritt / 2;
        while (i < einheiten.size() && einheiten[i].ende <= mitte)
            ++i;
        if (i < einheiten.size() && einheiten[i].beginn <= mitte)
            ergebnis[size_t(k)] = int(i);
    }
    return ergebnis;
}

std::vector<int> Zeitscheiben::kategorien(const Sitzung &s, qint64 beginn, qint64 schritt,
                                          qint64 anzahl)
{
    std::vector<int> ergebnis = einheiten(s, beginn, schritt, anzahl);
    for (int &k : ergebnis)
        k = k >= 0 ? s.einheiten()[size_t(k)].kategorie : 0;
    return ergebnis;
}
