#ifndef ZEITLEISTENOPTIONEN_H
#define ZEITLEISTENOPTIONEN_H

#include <QStringList>
#include <QtGlobal>

// What a researcher may set about a timeline: a title, labels for the bands instead of the
// names taken from the files, and a time window (microseconds; bis < 0: to the end).
struct Zeitleistenoptionen
{
    QString titel;
    QStringList namen;
    qint64 von = 0;
    qint64 bis = -1;
    // Off where many timelines share one legend (the appendix of a study report).
    bool legende = true;
};

#endif
