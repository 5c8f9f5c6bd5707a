#include "studie.h"

#include "bootstrap.h"
#include "ereignisabgleich.h"
#include "sprecherebene.h"
#include "versatzsuche.h"
#include "zeitscheiben.h"
#include "zufall.h"

#include <algorithm>
#include <tuple>

namespace {

using E = Vergleichsergebnis;

QString sekunden(qint64 us)
{
    return QString::number(double(us) / 1e6, 'f', 3);
}

// Units with all raters' codes, in blocks of whole units of the first rater.
class Mehrraterbloecke
{
public:
    Mehrraterbloecke(const std::vector<int> &einheitenErster, int einheitenJeBlock)
        : einheiten_(einheitenErster), jeBlock_(einheitenJeBlock)
    {
    }

    void scheibe(qint64 z, const std::vector<int> &anzahl)
    {
        const int einheit = einheiten_[size_t(z)];
        if (bloecke.empty() || (einheit != letzte_ && imBlock_ == jeBlock_)) {
            abschliessen();
            bloecke.emplace_back();
            imBlock_ = 0;
        }
        if (einheit != letzte_) {
            ++imBlock_;
            letzte_ = einheit;
        }
        // Runs of equal slices enter once, weighted.
        if (anzahl != vorher_) {
            abschliessen();
            vorher_ = anzahl;
        }
        ++gewicht_;
    }

    void abschliessen()
    {
        if (!bloecke.empty() && gewicht_ > 0)
            bloecke.back().einheit(vorher_, gewicht_);
        gewicht_ = 0;
    }

    std::vector<Mehrraterzaehlung> bloecke;

private:
    const std::vector<int> &einheiten_;
    int jeBlock_;
    int letzte_ = -2;
    int imBlock_ = 0;
    std::vector<int> vorher_;
    qint64 gewicht_ = 0;
};

std::vector<Intervall> mehrraterIntervalle(const std::vector<Mehrraterzaehlung> &bloecke,
                                           const Vergleichseinstellungen &e)
{
    std::vector<Intervall> i;
    if (e.wiederholungen > 0 && bloecke.size() < 2)
        i.assign(2, Intervall::ohne(QStringLiteral("zu wenige Einheiten")));
    else
        i = Bootstrap::wiederholen(e.wiederholungen, e.startwert, 0, 2,
                                   [&](Zufall &zufall, std::vector<Kennwert> &werte) {
                                       Mehrraterzaehlung summe;
                                       for (size_t n = 0; n < bloecke.size(); ++n)
                                           summe += bloecke[zufall.bis(bloecke.size())];
                                       werte[0] = summe.fleissKappa();
                                       werte[1] = summe.krippendorffAlpha();
                                   });
    for (Intervall &j : i)
        j.einheitenPruefen(qint64(bloecke.size()), QStringLiteral("Blöcke"));
    return i;
}

Schaetzung mitWert(const Kennwert &wert, const Intervall &i)
{
    return Schaetzung{wert, wert.definiert ? i : Intervall::ohne(wert.grund)};
}

} // namespace

Studie::Studie(const std::vector<Sitzung> &sitzungen,
               const std::vector<Studienaufbau::Gruppe> &gruppen, const Vergleichseinstellungen &e)
    : einstellungen_(e)
{
    for (const Studienaufbau::Gruppe &g : gruppen) {
        Klient k;
        k.name = g.klient;
        for (size_t i = 0; i < g.sitzungen.size(); ++i)
            k.rater.push_back(Rater{g.rater[qsizetype(i)], g.sitzungen[i], 0, false});
        raterVerschieben(k, sitzungen);
        mehrraterZaehlen(k, sitzungen);
        mehrraterGesamt_ += k.mehrrater;
        k.anteil = Sitzungsbootstrap::Anteil{Kreuztabelle(), Kreuztabelle(),
                                             Kreuztabelle(Ereignisabgleich::segmentierungKuerzel()),
                                             k.mehrrater};
        klienten_.push_back(std::move(k));
    }

    Kreuztabelle zeit;
    Kreuztabelle ereignis;
    Kreuztabelle segment(Ereignisabgleich::segmentierungKuerzel());
    for (size_t ki = 0; ki < klienten_.size(); ++ki) {
        for (size_t a = 0; a < klienten_[ki].rater.size(); ++a) {
            for (size_t b = a + 1; b < klienten_[ki].rater.size(); ++b)
                paarVergleichen(ki, a, b, sitzungen);
        }
        const Sitzungsbootstrap::Anteil &anteil = klienten_[ki].anteil;
        zeit += anteil.zeit;
        ereignis += anteil.ereignis;
        segment += anteil.segmentierung;
    }
    gepoolt_ = Vergleichsergebnis(zeit, Einheitenbloecke(), ereignis, segment, 0, e.startwert);
    sitzungenZiehen();

    QStringList namen;
    std::vector<std::vector<const Sitzung *>> raterSitzungen;
    for (const Klient &k : klienten_) {
        namen << k.name;
        raterSitzungen.emplace_back();
        for (const Rater &r : k.rater)
            raterSitzungen.back().push_back(&sitzungen[size_t(r.sitzung)]);
    }
    groessen_ = Sitzungsgroessen(namen, raterSitzungen, e);
}

void Studie::paarVergleichen(size_t ki, size_t a, size_t b, const std::vector<Sitzung> &sitzungen)
{
    Klient &k = klienten_[ki];
    const Rater &ra = k.rater[a];
    const Rater &rb = k.rater[b];
    const Sitzung &sa = sitzungen[size_t(ra.sitzung)];
    const Sitzung &sb = sitzungen[size_t(rb.sitzung)];
    // A shift derived from one on the edge of the range is as wrong as that one; the pair's
    // own search may find the right one.
    if (a > 0 && einstellungen_.versatzAutomatisch && (ra.amRand || rb.amRand)) {
        paare_.push_back(Paar{int(ki), int(a), int(b), Uebereinstimmung(sa, sb, einstellungen_)});
        const Uebereinstimmung &u = paare_.back().vergleich;
        ++versaetze_;
        versaetzeAmRand_ += u.versatzAmRand() ? 1 : 0;
        warnungen_ << QStringLiteral(
                          "Klient %1, Rater %2 gegen %3: der Versatz gegen %4 liegt am "
                          "Rand des Suchbereichs; für dieses Paar eigens gesucht: %5 s%6")
                          .arg(k.name, rb.name, ra.name, k.rater[0].name, sekunden(u.versatz()),
                               u.versatzAmRand() ? QStringLiteral(", ebenfalls am Rand")
                                                 : QString());
    } else {
        paare_.push_back(Paar{int(ki), int(a), int(b),
                              Uebereinstimmung(sa, sb, einstellungen_, rb.versatz - ra.versatz,
                                               ra.amRand || rb.amRand)});
    }
    const Uebereinstimmung &u = paare_.back().vergleich;
    if (u.zeit().anzahl() == 0)
        warnungen_ << QStringLiteral("Klient %1: %2 und %3 haben keine gemeinsam "
                                     "bewertete Zeit")
                          .arg(k.name, ra.name, rb.name);
    k.anteil.zeit += u.zeit().tabelle();
    k.anteil.ereignis += u.ereignisse().tabelle();
    k.anteil.segmentierung += u.ereignisse().tabelleMitSegmentierung();
}

void Studie::sitzungenZiehen()
{
    std::vector<Sitzungsbootstrap::Anteil> anteile;
    for (const Klient &k : klienten_)
        anteile.push_back(k.anteil);
    const size_t sieben = E::figurenAnzahl(Kreuztabelle::Kategorien);
    const size_t drei = E::figurenAnzahl(3);
    const size_t acht = E::figurenAnzahl(Ereignisabgleich::Ohne);
    const size_t vier = E::figurenAnzahl(4);
    const std::vector<Intervall> i =
        Sitzungsbootstrap(anteile, einstellungen_.wiederholungen, einstellungen_.startwert)
            .intervalle(2 * (sieben + drei) + acht + vier + 2,
                        [](const Sitzungsbootstrap::Anteil &a, std::vector<Kennwert> &werte) {
                            werte.clear();
                            for (const Kreuztabelle *t : {&a.zeit, &a.ereignis, &a.segmentierung}) {
                                E::figuren(*t, werte);
                                E::figuren(sprecherebene(*t), werte);
                            }
                            werte.push_back(a.mehrrater.fleissKappa());
                            werte.push_back(a.mehrrater.krippendorffAlpha());
                        });
    size_t ab = 0;
    for (const E::Ansicht ansicht : {E::Zeit, E::Ereignis, E::Segmentierung}) {
        for (const E::Ebene ebene : {E::Kategorien, E::Sprecher}) {
            gepoolt_.intervalleSetzen(ansicht, ebene, i, ab);
            ab += E::figurenAnzahl(gepoolt_.kennzahlen(ansicht, ebene).tabelle.kategorien());
        }
    }
    fleiss_ = mitWert(mehrraterGesamt_.fleissKappa(), i[ab]);
    alpha_ = mitWert(mehrraterGesamt_.krippendorffAlpha(), i[ab + 1]);
}

int Studie::dateien() const
{
    int n = 0;
    for (const Klient &k : klienten_)
        n += int(k.rater.size());
    return n;
}

void Studie::raterVerschieben(Klient &k, const std::vector<Sitzung> &sitzungen)
{
    const Sitzung &referenz = sitzungen[size_t(k.rater[0].sitzung)];
    for (size_t i = 1; i < k.rater.size(); ++i) {
        Rater &r = k.rater[i];
        std::tie(r.versatz, r.amRand) =
            Versatzsuche::nachEinstellungen(referenz, sitzungen[size_t(r.sitzung)], einstellungen_);
        if (!einstellungen_.versatzAutomatisch)
            continue;
        ++versaetze_;
        versaetzeAmRand_ += r.amRand ? 1 : 0;
        if (r.amRand)
            warnungen_ << QStringLiteral("Klient %1, Rater %2 gegen %3: der beste Versatz %4 s "
                                         "liegt am Rand des Suchbereichs ±%5 s; der passende kann "
                                         "außerhalb liegen (größeren --suchbereich angeben)")
                              .arg(k.name, r.name, k.rater[0].name, sekunden(r.versatz),
                                   sekunden(einstellungen_.suchbereich));
    }
}

void Studie::mehrraterZaehlen(Klient &k, const std::vector<Sitzung> &sitzungen) const
{
    std::vector<Sitzung> verschoben;
    qint64 beginn = 0;
    qint64 ende = 0;
    for (size_t i = 0; i < k.rater.size(); ++i) {
        verschoben.push_back(sitzungen[size_t(k.rater[i].sitzung)].verschoben(k.rater[i].versatz));
        beginn = i == 0 ? verschoben[i].beginn() : std::max(beginn, verschoben[i].beginn());
        ende = i == 0 ? verschoben[i].ende() : std::min(ende, verschoben[i].ende());
    }
    const qint64 schritt = einstellungen_.schritt;
    k.scheiben = ende > beginn ? (ende - beginn) / schritt : 0;
    std::vector<std::vector<int>> codes;
    for (const Sitzung &s : verschoben)
        codes.push_back(Zeitscheiben::kategorien(s, beginn, schritt, k.scheiben));

    const std::vector<int> einheiten =
        Zeitscheiben::einheiten(verschoben[0], beginn, schritt, k.scheiben);
    Mehrraterbloecke bloecke(einheiten, einstellungen_.block);
    std::vector<int> anzahl(Kreuztabelle::Kategorien, 0);
    for (qint64 z = 0; z < k.scheiben; ++z) {
        std::fill(anzahl.begin(), anzahl.end(), 0);
        for (const std::vector<int> &c : codes) {
            const int code = c[size_t(z)];
            if (code >= 1 && code <= Kreuztabelle::Kategorien)
                ++anzahl[size_t(code - 1)];
        }
        bloecke.scheibe(z, anzahl);
    }
    bloecke.abschliessen();
    for (const Mehrraterzaehlung &b : bloecke.bloecke)
        k.mehrrater += b;
    if (k.rater.size() < 3)
        return;
    const std::vector<Intervall> i = mehrraterIntervalle(bloecke.bloecke, einstellungen_);
    k.fleiss = mitWert(k.mehrrater.fleissKappa(), i[0]);
    k.alpha = mitWert(k.mehrrater.krippendorffAlpha(), i[1]);
}
