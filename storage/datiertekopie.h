#ifndef DATIERTEKOPIE_H
#define DATIERTEKOPIE_H

#include <QDateTime>
#include <QString>

// Keeps a file that is about to be replaced, under its name with date and time added
// (k17_elmaro_Verlauf.dat -> k17_elmaro_Verlauf_20261207_231500.dat) beside it, or in the
// rater's data folder where its own folder takes no file. Such a name is no session's file,
// so nothing reads it as one.
class DatierteKopie
{
public:
    // The copy's path, complete and synced; empty (and fehler set) when none could be made.
    static QString anlegen(const QString &pfad, const QDateTime &jetzt, QString *fehler);
    static QString name(const QString &dateiName, const QDateTime &jetzt, int nummer = 1);
};

#endif
