#include "vergleichsergebnis.h"

#include "bootstrap.h"
#include "kategoriewerte.h"
#include "naeherungsintervall.h"
#include "sprecherebene.h"

namespace {

bool mitGewichtung(int kategorien)
{
    return kategorien >= Kreuztabelle::Kategorien;
}

Kennzahlen ohneIntervalle(const Kreuztabelle &t)
{
    Kennzahlen k{t, t.uebereinstimmung(), {t.kappa(), {}}, {t.ac1(), {}}, {t.pabak(), {}}, {}, {},
                 {}};
    for (int c = 1; c <= t.kategorien(); ++c)
        k.kategorieKappa.push_back({kappaEineGegenRest(t, c), {}});
    for (int s = 0; s < 2; ++s) {
        const Kreuztabelle innen = innerhalbSprecher(t, s);
        k.gewichtet[size_t(s)].wert = mitGewichtung(t.kategorien())
                                          ? linearGewichtetesKappa(innen)
                                          : Kennwert::ohne(QStringLiteral("nur für die Codes"));
        k.nominal[size_t(s)] =
            mitGewichtung(t.kategorien()) ? innen.kappa() : k.gewichtet[size_t(s)].wert;
    }
    return k;
}

// The large-sample intervals for independent paired units.
Kennzahlen mitNaeherung(const Kreuztabelle &t)
{
    Kennzahlen k = ohneIntervalle(t);
    k.kappa = kappaMitNaeherung(t);
    k.ac1 = ac1MitNaeherung(t);
    k.pabak = pabakMitNaeherung(t);
    for (int c = 1; c <= t.kategorien(); ++c) {
        std::vector<int> abbildung(size_t(t.kategorien()), 2);
        abbildung[size_t(c - 1)] = 1;
        const Kreuztabelle zwei = t.zusammengefasst(abbildung, {t.kuerzel(c), QString()});
        k.kategorieKappa[size_t(c - 1)].intervall = k.kategorieKappa[size_t(c - 1)].wert.definiert
                                                        ? kappaMitNaeherung(zwei).intervall
                                                        : Intervall::ohne(QString());
    }
    if (mitGewichtung(t.kategorien())) {
        for (int s = 0; s < 2; ++s)
            k.gewichtet[size_t(s)] = gewichtetesKappaMitNaeherung(innerhalbSprecher(t, s));
    }
    for (Schaetzung *s : {&k.kappa, &k.ac1, &k.pabak})
        s->intervall.einheitenPruefen(t.summe(), QStringLiteral("Einheiten"));
    return k;
}

std::vector<Schaetzung *> mitIntervall(Kennzahlen &k)
{
    std::vector<Schaetzung *> s = {&k.kappa, &k.ac1, &k.pabak};
    for (Schaetzung &c : k.kategorieKappa)
        s.push_back(&c);
    if (mitGewichtung(k.tabelle.kategorien()))
        s.insert(s.end(), {&k.gewichtet[0], &k.gewichtet[1]});
    return s;
}

} // namespace

size_t Vergleichsergebnis::figurenAnzahl(int kategorien)
{
    return 3 + size_t(kategorien) + (mitGewichtung(kategorien) ? 2 : 0);
}

void Vergleichsergebnis::figuren(const Kreuztabelle &t, std::vector<Kennwert> &werte)
{
    werte.push_back(t.kappa());
    werte.push_back(t.ac1());
    werte.push_back(t.pabak());
    for (int c = 1; c <= t.kategorien(); ++c)
        werte.push_back(kappaEineGegenRest(t, c));
    if (mitGewichtung(t.kategorien())) {
        for (int s = 0; s < 2; ++s)
            werte.push_back(linearGewichtetesKappa(innerhalbSprecher(t, s)));
    }
}

void Vergleichsergebnis::intervalleSetzen(Ansicht a, Ebene e, const std::vector<Intervall> &i,
                                          size_t ab)
{
    const std::vector<Schaetzung *> s = mitIntervall(k_[a][e]);
    for (size_t n = 0; n < s.size() && ab + n < i.size(); ++n) {
        // A figure that is undefined itself has no interval, whatever the resamples say.
        s[n]->intervall = s[n]->wert.definiert ? i[ab + n] : Intervall::ohne(s[n]->wert.grund);
    }
}

Vergleichsergebnis::Vergleichsergebnis(const Kreuztabelle &zeit, const Einheitenbloecke &bloecke,
                                       const Kreuztabelle &ereignis,
                                       const Kreuztabelle &segmentierung, int wiederholungen,
                                       quint64 startwert)
{
    k_[Ereignis] = {mitNaeherung(ereignis), mitNaeherung(sprecherebene(ereignis))};
    k_[Segmentierung] = {mitNaeherung(segmentierung), mitNaeherung(sprecherebene(segmentierung))};
    k_[Zeit] = {ohneIntervalle(zeit), ohneIntervalle(sprecherebene(zeit))};
    zeitIntervalle(bloecke, wiederholungen, startwert);
}

void Vergleichsergebnis::zeitIntervalle(const Einheitenbloecke &bloecke, int wiederholungen,
                                        quint64 startwert)
{
    // All figures from the same resamples, so that they stay comparable.
    const size_t sieben = figurenAnzahl(Kreuztabelle::Kategorien);
    const size_t alle = sieben + figurenAnzahl(3);
    const std::vector<Intervall> i =
        Bootstrap(bloecke, wiederholungen, startwert)
            .intervalle(alle, [](const Kreuztabelle &t, std::vector<Kennwert> &werte) {
                werte.clear();
                figuren(t, werte);
                figuren(sprecherebene(t), werte);
            });
    intervalleSetzen(Zeit, Kategorien, i, 0);
    intervalleSetzen(Zeit, Sprecher, i, sieben);
    for (Kennzahlen &k : k_[Zeit]) {
        for (Schaetzung *s : mitIntervall(k))
            s->intervall.einheitenPruefen(qint64(bloecke.anzahl()), QStringLiteral("Blöcke"));
    }
}
