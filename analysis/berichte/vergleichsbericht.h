#ifndef VERGLEICHSBERICHT_H
#define VERGLEICHSBERICHT_H

#include "vergleichseinstellungen.h"
#include "vergleichsergebnis.h"

#include <QString>
#include <QStringList>

class QTextStream;

// The German text of a comparison's figures, the same for one pair and for a pooled study:
// the three views, each with its intervals, its table and its speaker level, then the
// figures per category. The callers write what is their own above it (files, span, shift).
class VergleichsBericht
{
public:
    struct Kopf
    {
        QString zeit;     // after "Zeitbasiert: "
        QString ereignis; // after "Ereignisbasiert: "
        // How the intervals were obtained, when not as for one pair (a study's).
        QString intervalle;
    };

    static void text(QTextStream &aus, const Vergleichsergebnis &e,
                     const Vergleichseinstellungen &v, const Kopf &kopf);

    // How the intervals were obtained, for the report and the method paragraph.
    static QString zeitMethode(const Vergleichseinstellungen &v);
    static QString ereignisMethode();
    // A study's: resampling whole sessions.
    static QString sitzungsMethode(const Vergleichseinstellungen &v, int sitzungen);

    // Unpaired ends of A and of B, read from the segmentation table.
    static qint64 nurA(const Vergleichsergebnis &e);
    static qint64 nurB(const Vergleichsergebnis &e);

    // Per category, then a row naming the speaker level alone, then per speaker: the short
    // code, specific agreement and one-versus-rest kappa with its interval, time-based,
    // event-based and with segmentation ("–" for none), then the time-based prevalence and
    // bias indices.
    static QList<QStringList> kategorieZeilen(const Vergleichsergebnis &e);
    static QStringList kategorieKopf();
    static QList<bool> kategorieRechts();
    // Within each speaker on L < U < NL: a line per view with the weighted kappas.
    static QStringList innerhalbSprecher(const Vergleichsergebnis &e);
    // The Stuart-Maxwell test on the paired units, in one sentence; pooled over pairs with
    // the caution that it takes their units as independent.
    static QString randhomogenitaet(const Kreuztabelle &t, bool gepoolt);

private:
    static void kennzahlen(QTextStream &aus, const Kennzahlen &k, const QString &einrueckung);
    static void sprecher(QTextStream &aus, const Kennzahlen &k);
    static void tabelle(QTextStream &aus, const Kreuztabelle &t, const QString &einheit);
    static void segmentierung(QTextStream &aus, const Vergleichsergebnis &e, const Kopf &kopf);
    static void jeKategorie(QTextStream &aus, const Vergleichsergebnis &e);
};

#endif
