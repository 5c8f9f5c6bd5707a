#ifndef STUDIE_H
#define STUDIE_H

#include "mehrraterzaehlung.h"
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
// raters' shifts, so that the pairs of one client and its multi-rater figures agree.
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
    // All pairs' tables added up, the time-based intervals from resampling the units of all
    // pairs together.
    const Vergleichsergebnis &gepoolt() const { return gepoolt_; }
    // Every client's slices with all its raters: Krippendorff's alpha of the study, and
    // Fleiss' kappa where every client has the same number of raters.
    const Mehrraterzaehlung &mehrraterGesamt() const { return mehrraterGesamt_; }
    // Shifts on the edge of the search range, pairs without shared time.
    const QStringList &warnungen() const { return warnungen_; }

private:
    void raterVerschieben(Klient &k, const std::vector<Sitzung> &sitzungen);
    void mehrraterZaehlen(Klient &k, const std::vector<Sitzung> &sitzungen) const;

    Vergleichseinstellungen einstellungen_;
    std::vector<Klient> klienten_;
    std::vector<Paar> paare_;
    Vergleichsergebnis gepoolt_;
    Mehrraterzaehlung mehrraterGesamt_;
    QStringList warnungen_;
};

#endif
