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

    // Every journal file in the folder, the most recently written first.
    static QList<JournalFund> finden(const QString &ordner);
    // The one file; false when it is no journal's name or cannot be opened.
    static bool lesen(const QString &pfad, JournalFund *fund);
};

#endif
