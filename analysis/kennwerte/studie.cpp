#include "studie.h"

#include "versatzsuche.h"
#include "zeitscheiben.h"

#include <algorithm>
#include <tuple>

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
        klienten_.push_back(std::move(k));
    }

    Kreuztabelle zeit;
    Einheitenbloecke bloecke;
    Kreuztabelle ereignis;
    Kreuztabelle segment(Ereignisabgleich::segmentierungKuerzel());
    for (size_t ki = 0; ki < klienten_.size(); ++ki) {
        const Klient &k = klienten_[ki];
        for (size_t a = 0; a < k.rater.size(); ++a) {
            for (size_t b = a + 1; b < k.rater.size(); ++b) {
                const Rater &ra = k.rater[a];
                const Rater &rb = k.rater[b];
                paare_.push_back(Paar{
                    int(ki), int(a), int(b),
                    Uebereinstimmung(sitzungen[size_t(ra.sitzung)], sitzungen[size_t(rb.sitzung)],
                                     e, rb.versatz - ra.versatz, ra.amRand || rb.amRand)});
                const Uebereinstimmung &u = paare_.back().vergleich;
                if (u.zeit().anzahl() == 0)
                    warnungen_ << QStringLiteral("Klient %1: %2 und %3 haben keine gemeinsam "
                                                 "bewertete Zeit")
                                      .arg(k.name, ra.name, rb.name);
                zeit += u.zeit().tabelle();
                bloecke.anhaengen(u.bloecke());
                ereignis += u.ereignisse().tabelle();
                segment += u.ereignisse().tabelleMitSegmentierung();
            }
        }
    }
    gepoolt_ = Vergleichsergebnis(zeit, bloecke, ereignis, segment, e.wiederholungen, e.startwert);
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
        if (r.amRand)
            warnungen_ << QStringLiteral("Klient %1, Rater %2 gegen %3: der beste Versatz %4 s "
                                         "liegt am Rand des Suchbereichs ±%5 s; der passende kann "
                                         "außerhalb liegen (größeren --suchbereich angeben)")
                              .arg(k.name, r.name, k.rater[0].name)
                              .arg(double(r.versatz) / 1e6, 0, 'f', 3)
                              .arg(double(einstellungen_.suchbereich) / 1e6, 0, 'f', 3);
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

    // Runs of equal slices enter once, weighted.
    std::vector<int> anzahl(Kreuztabelle::Kategorien, 0);
    std::vector<int> vorher;
    qint64 gewicht = 0;
    for (qint64 z = 0; z < k.scheiben; ++z) {
        std::fill(anzahl.begin(), anzahl.end(), 0);
        for (const std::vector<int> &c : codes) {
            const int code = c[size_t(z)];
            if (code >= 1 && code <= Kreuztabelle::Kategorien)
                ++anzahl[size_t(code - 1)];
        }
        if (anzahl == vorher) {
            ++gewicht;
            continue;
        }
        k.mehrrater.einheit(vorher, gewicht);
        vorher = anzahl;
        gewicht = 1;
    }
    k.mehrrater.einheit(vorher, gewicht);
}
