#ifndef JOURNALFUND_H
#define JOURNALFUND_H

#include "zeitpunkt.h"

#include <QDateTime>
#include <QList>
#include <QString>

// A session journal left in a folder: a session that never ended with "Ende" or a backup.
struct JournalFund
{
    QString pfad;
    QString dateiName;
    QString klient;
    QString rater;
    int sinneinheiten = 0;
    Zeitpunkt letzterZeitpunkt;
    QDateTime geaendert;
    // The session's saved history file in the same folder, if there is one.
    QString verlaufDatei;
    int verlaufEinheiten = 0;
    QDateTime verlaufGeaendert;

    // The saved history was written after the journal: the journal is the older session.
    bool aelterAlsVerlauf() const
    {
        return !verlaufDatei.isEmpty() && geaendert < verlaufGeaendert;
    }

    // Every journal in the folder worth offering, the most recently written first. Not
    // offered: journals held by a running session, journals marked as saved, and journals
    // holding no rating, which are removed unless a running session holds them.
    static QList<JournalFund> finden(const QString &ordner);
    // The one file; false when it is no journal's name or cannot be opened.
    static bool lesen(const QString &pfad, JournalFund *fund);
};

#endif
