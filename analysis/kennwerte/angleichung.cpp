#include "angleichung.h"

#include "versatzsuche.h"

Angleichung::Angleichung(std::vector<Sitzung> &sitzungen, const Vergleichseinstellungen &e)
    : versaetze_(sitzungen.size(), 0)
{
    for (size_t i = 1; i < sitzungen.size(); ++i) {
        const auto [versatz, rand] = Versatzsuche::nachEinstellungen(sitzungen[0], sitzungen[i], e);
        versaetze_[i] = versatz;
        amRand_ = amRand_ || rand;
        sitzungen[i] = sitzungen[i].verschoben(versatz);
    }
}
