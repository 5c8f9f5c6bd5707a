#include "vergleichsergebnis.h"

#include "bootstrap.h"
#include "naeherungsintervall.h"
#include "sprecherebene.h"

namespace {

Kennzahlen mitNaeherung(const Kreuztabelle &t)
{
    return Kennzahlen{t, t.uebereinstimmung(), kappaMitNaeherung(t), ac1MitNaeherung(t)};
}

} // namespace

Vergleichsergebnis::Vergleichsergebnis(const Kreuztabelle &zeit, const Einheitenbloecke &bloecke,
                                       const Kreuztabelle &ereignis,
                                       const Kreuztabelle &segmentierung, int wiederholungen,
                                       quint64 startwert)
{
    ereignis_ = {mitNaeherung(ereignis), mitNaeherung(sprecherebene(ereignis))};
    segmentierung_ = {mitNaeherung(segmentierung), mitNaeherung(sprecherebene(segmentierung))};

    // All four figures from the same resamples, so that they stay comparable.
    const std::vector<Intervall> i =
        Bootstrap(bloecke, wiederholungen, startwert)
            .intervalle({
                [](const Kreuztabelle &t) { return t.kappa(); },
                [](const Kreuztabelle &t) { return t.ac1(); },
                [](const Kreuztabelle &t) { return sprecherebene(t).kappa(); },
                [](const Kreuztabelle &t) { return sprecherebene(t).ac1(); },
            });
    const Kreuztabelle sprecher = sprecherebene(zeit);
    zeit_[Kategorien] = Kennzahlen{zeit, zeit.uebereinstimmung(), Schaetzung{zeit.kappa(), i[0]},
                                   Schaetzung{zeit.ac1(), i[1]}};
    zeit_[Sprecher] =
        Kennzahlen{sprecher, sprecher.uebereinstimmung(), Schaetzung{sprecher.kappa(), i[2]},
                   Schaetzung{sprecher.ac1(), i[3]}};
    // A figure that is undefined itself has no interval, whatever the resamples say.
    for (Kennzahlen &k : zeit_) {
        for (Schaetzung *s : {&k.kappa, &k.ac1}) {
            if (!s->wert.definiert)
                s->intervall = Intervall::ohne(s->wert.grund);
        }
    }
}
