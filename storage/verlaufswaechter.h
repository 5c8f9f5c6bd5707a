#ifndef VERLAUFSWAECHTER_H
#define VERLAUFSWAECHTER_H

#include "dateistand.h"

#include <QDateTime>
#include <QString>

// "Ende" never silently replaces a history file that this session did not read back or
// write itself: one that appeared or changed since (a second window, an older session
// recovered, a copy put there by hand) is first kept as a dated copy, which the rater is
// told of.
class VerlaufsWaechter
{
public:
    // The file as this session just read it back or wrote it.
    void merken(const QString &pfad);
    // A new session: no file is this session's.
    void vergessen();
    // Before pfad is replaced. False when the file differs from the one known and could not
    // be kept: it must not be replaced then.
    bool sichern(const QString &pfad, const QDateTime &jetzt);
    // The copy the last sichern() made; empty when none was needed.
    QString kopie() const { return kopiePfad; }
    QString fehlerText() const { return fehler; }

private:
    QString bekannt;
    DateiStand stand;
    QString kopiePfad;
    QString fehler;
};

#endif
