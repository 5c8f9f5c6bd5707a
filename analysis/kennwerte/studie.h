#ifndef STUDIE_H
#define STUDIE_H

#include "mehrraterzaehlung.h"
#include "sitzungsbootstrap.h"
#include "sitzungsgroessen.h"
#include "studienaufbau.h"
#include "uebereinstimmung.h"
#include "vergleichseinstellungen.h"
#include "vergleichsergebnis.h"

#include <QStringList>

#include <vector>

// A study: every pair of raters of each client compared, the figures pooled over all
// pairs, and over the raters of each client Fleiss' kappa and Krippendorff's alpha.
// Each rater is shifted against the client's first rater (by name), by the fixed shift or
// by the one searched against that rater; a pair compares with the difference of its two
// raters' shifts, so that the pairs of one client and its multi-rater figures agree, unless
// one of those shifts lay on the edge of the search range: then the pair's own is searched.
// The study's intervals come from resampling whole sessions (clients).
class Studie
{
public:
    struct Rater
    {
        QString name;
        int sitzung; // index into the sessions given
        qint64 versatz;
        bool amRand;
    };

    struct Klient
    {
        QString name;
        std::vector<Rater> rater;
        // Slices of the span every rater rated, after the shifts.
        qint64 scheiben = 0;
        Mehrraterzaehlung mehrrater;
        // With three or more raters, by resampling blocks of the first rater's units.
        Schaetzung fleiss;
        Schaetzung alpha;
        // All pairs of the client together, for the bootstrap over sessions.
        Sitzungsbootstrap::Anteil anteil;
    };

    struct Paar
    {
        int klient;
        int a; // indices into the client's raters
        int b;
        Uebereinstimmung vergleich;
    };

    Studie(const std::vector<Sitzung> &sitzungen, const std::vector<Studienaufbau::Gruppe> &gruppen,
           const Vergleichseinstellungen &e);

    const Vergleichseinstellungen &einstellungen() const { return einstellungen_; }
    const std::vector<Klient> &klienten() const { return klienten_; }
    // History files taking part: one per rater of every client.
    int dateien() const;
    const std::vector<Paar> &paare() const { return paare_; }
    // All pairs' tables added up, every interval from resampling whole sessions.
    const Vergleichsergebnis &gepoolt() const { return gepoolt_; }
    // Every client's slices with all its raters: Krippendorff's alpha of the study, and
    // Fleiss' kappa where every client has the same number of raters; with intervals from
    // resampling sessions.
    const Mehrraterzaehlung &mehrraterGesamt() const { return mehrraterGesamt_; }
    const Schaetzung &fleiss() const { return fleiss_; }
    const Schaetzung &alpha() const { return alpha_; }
    // Searched shifts (one per rater after the first, and per pair searched on its own),
    // and how many of them lay on the edge of the search range.
    int versaetze() const { return versaetze_; }
    int versaetzeAmRand() const { return versaetzeAmRand_; }
    // Units, duration and shares per session and rater, with their ICCs.
    const Sitzungsgroessen &groessen() const { return groessen_; }
    // Shifts on the edge of the search range, pairs without shared time.
    const QStringList &warnungen() const { return warnungen_; }

private:
    void raterVerschieben(Klient &k, const std::vector<Sitzung> &sitzungen);
    void mehrraterZaehlen(Klient &k, const std::vector<Sitzung> &sitzungen) const;
    void paarVergleichen(size_t ki, size_t a, size_t b, const std::vector<Sitzung> &sitzungen);
    void sitzungenZiehen();

    Vergleichseinstellungen einstellungen_;
    std::vector<Klient> klienten_;
    std::vector<Paar> paare_;
    Vergleichsergebnis gepoolt_;
    Mehrraterzaehlung mehrraterGesamt_;
    Schaetzung fleiss_;
    Schaetzung alpha_;
    Sitzungsgroessen groessen_;
    int versaetze_ = 0;
    int versaetzeAmRand_ = 0;
    QStringList warnungen_;
};

#endif
